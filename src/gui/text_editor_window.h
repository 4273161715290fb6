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

class TextEditorWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TextEditorWindow(QtInteraction& ui, QWidget* parent = nullptr);

  // Loads a listing at the end of a computation; false (after telling the
  // person) when it cannot be read, and the editor should not be shown.
  bool OpenListing(const std::string& path);

  const QString& CurrentFile() const { return currentFile_; }
  const QString& SaveName() const { return saveName_; }

  // Closing ("&Salir", Escape or the window's close button) asks before
  // losing changes.
  void reject() override;

 private slots:
  void openFile();
  // Both return false when nothing was written.
  bool save();
  bool saveAs();
  void printText();
  // The "&Edición " menu opening: cut and copy need a selection, paste
  // needs text on the clipboard.
  void updateEditActions();
  void replaceCharacter();
  // "&Buscar...": the next occurrence after the cursor, from the start
  // again when there is none below it.
  void findText();
  void chooseFont(int index);
  void chooseSize(int index);
  void showAbout();

 private:
  void BuildMenus();
  // Undo and find, and the standard shortcuts of saving, finding, replacing
  // and undoing (text_editor_commands.cpp).
  void AddStandardCommands(QMenu* edit);
  void Clear();
  bool LoadFile(const QString& path);
  // Files are Windows-1252: a character it lacks would be saved as "?", so
  // the person is asked first; false when they decline.
  bool AcceptsLostCharacters(const QString& text);
  // Writes the text to path; false when nothing was written.
  bool WriteTo(const QString& path);
  bool ConfirmClose();

  QtInteraction& ui_;
  QMenuBar* menuBar_ = nullptr;
  QPlainTextEdit* textEdit_ = nullptr;
  QAction* cutAction_ = nullptr;
  QAction* copyAction_ = nullptr;
  QAction* pasteAction_ = nullptr;
  std::array<QAction*, 3> fontActions_{};  // "Courier New", "Arial", "Symbol"
  std::array<QAction*, 3> sizeActions_{};  // 8, 10 and 12 points
  QString currentFile_;
  QString saveName_;
  QString savedText_;
  QString lastSearch_;
  int fontIndex_ = 0;
  int sizeIndex_ = 1;
};

}  // namespace ombrel
