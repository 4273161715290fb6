// The text editor: open, save and save as (Windows-1252 with CR LF on
// disk), print, clipboard, replace a character, font and size of the whole
// text, and a question before losing changes. Always shown modally.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "gui/qt_interaction.h"

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;

namespace ombrel {

inline constexpr const char* kEditorCaption = "Zelvo - Editor de texto";
inline constexpr const char* kListingEditorCaption = "Ombrel - Editor de texto";

class frmEditor : public QDialog {
  Q_OBJECT

 public:
  explicit frmEditor(QtInteraction& ui, QWidget* parent = nullptr);

  // Loads a listing at the end of a computation; false (after telling the
  // person) when it cannot be read, and the editor should not be shown.
  bool OpenListing(const std::string& path);

  // Handlers of the menu items, public so that the whole window can be
  // driven without a person.
  void FicheroAbrir_Click();
  bool FicheroGu_Click();
  bool FicheroGuardar_Click();
  void FicheroImprimir_Click();
  void mnuEdicion_Click();  // the "&Edición " menu opening
  void Cortar_Click();
  void Copiar_Click();
  void Pegar_Click();
  void Reemplazar_Click();
  void Fuente_Click(int index);
  void Tamano_Click(int index);
  void Acerca_Click();

  QPlainTextEdit* Text1 = nullptr;
  QMenu* mnuEdicion = nullptr;
  QAction* Cortar = nullptr;
  QAction* Copiar = nullptr;
  QAction* Pegar = nullptr;
  std::array<QAction*, 3> Fuente{};
  std::array<QAction*, 3> Tamano{};

  const QString& CurrentFile() const { return currentFile_; }
  const QString& SaveName() const { return saveName_; }

  // Closing ("&Salir", Escape or the window's close button) asks before
  // losing changes.
  void reject() override;

 private:
  void BuildMenus();
  void Form_Load();
  bool LoadFile(const QString& path);
  bool WriteTo(const QString& path);
  bool ConfirmClose();

  QtInteraction& ui_;
  QMenuBar* menuBar_ = nullptr;
  QString currentFile_;
  QString saveName_;
  QString savedText_;
  int fontIndex_ = 0;
  int sizeIndex_ = 1;
};

}  // namespace ombrel
