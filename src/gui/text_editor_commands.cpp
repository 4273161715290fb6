// The editor's undo and find, and the shortcuts a desktop editor has.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>

#include "gui/dialog_widgets.h"
#include "gui/qt_prompts.h"
#include "gui/text_editor_window.h"
#include "ui/prompt_text.h"

namespace ombrel {

void TextEditorWindow::AddStandardCommands(QMenu* edit) {
  findChild<QAction*>(QStringLiteral("saveAction"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  findChild<QAction*>(QStringLiteral("replaceAction"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  QAction* first = edit->actions().value(0);
  QAction* undo = Named("undoAction", new QAction(QStringLiteral("&Deshacer"), edit));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  edit->insertAction(first, undo);
  edit->insertSeparator(first);
  connect(undo, &QAction::triggered, textEdit_, &QPlainTextEdit::undo);
  connect(textEdit_, &QPlainTextEdit::undoAvailable, undo, &QAction::setEnabled);
  undo->setEnabled(false);
  QAction* find = Named("findAction", new QAction(QStringLiteral("&Buscar..."), edit));
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  edit->insertAction(edit->actions().constLast(), find);
  connect(find, &QAction::triggered, this, &TextEditorWindow::findText);
}

void TextEditorWindow::findText() {
  const std::string typed = ui_.InputBox("Texto a buscar:", "Buscar", FromQt(lastSearch_));
  if (typed.empty()) return;
  lastSearch_ = ToQt(typed);
  if (textEdit_->find(lastSearch_)) return;
  const QTextCursor kept = textEdit_->textCursor();
  textEdit_->moveCursor(QTextCursor::Start);
  if (textEdit_->find(lastSearch_)) return;
  textEdit_->setTextCursor(kept);
  ui_.MessageBox("No se encuentra \"" + typed + "\" en el texto.", Buttons::Ok, Icon::Information,
                 1, kAppTitle);
}

}  // namespace ombrel
