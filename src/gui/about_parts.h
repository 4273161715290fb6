// Pieces shared by the two about boxes.
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace ombrel {

// A label in a larger bold type, for the product's name.
QLabel* AboutTitle(const QString& text, QWidget* parent);

// The "Aceptar" button at the bottom right, which closes the box.
QPushButton* AboutCloseButton(QDialog* dialog, QVBoxLayout* layout);

}  // namespace ombrel
