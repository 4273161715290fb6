#include "gui/computation_runner.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <exception>
#include <memory>

#include "gui/marshalled_interaction.h"
#include "gui/progress_dialog.h"

namespace ombrel {
namespace {

constexpr int kPollMilliseconds = 100;
constexpr int kQuietMilliseconds = 500;  // running this long unseen shows the dialog

// Holds back the person's input to one window (its menus, toolbar and
// shortcuts, and closing it) while a computation owns what it shows; the
// dialogs the computation opens take input as usual.
class InputBlocker : public QObject {
 public:
  explicit InputBlocker(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
  ~InputBlocker() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Close:
        return receiver == window_;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Wheel:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
      case QEvent::ContextMenu:
        return InWindow(receiver);
      default:
        return false;
    }
  }

 private:
  bool InWindow(QObject* receiver) const {
    if (auto* action = qobject_cast<QAction*>(receiver)) receiver = action->parent();
    auto* widget = qobject_cast<QWidget*>(receiver);
    return widget != nullptr && widget->window() == window_;
  }

  QWidget* window_;
};

}  // namespace

void RunComputation(QWidget* window, Interaction& gui,
                    const std::function<void(Interaction&)>& computation) {
  MarshalledInteraction worker(gui, window);
  ProgressDialog dialog(window);
  QObject::connect(&dialog, &ProgressDialog::stopRequested, [&worker] { worker.RequestStop(); });
  InputBlocker blocker(window);

  bool prompting = false;
  QElapsedTimer sincePrompt;
  sincePrompt.start();
  worker.OnPrompt([&](bool shown) {
    prompting = shown;
    if (shown)
      dialog.hide();
    else
      sincePrompt.restart();
  });
  QTimer poll;
  poll.setInterval(kPollMilliseconds);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (prompting) return;
    const std::optional<ProgressSnapshot> latest = worker.Latest();
    if (!dialog.isVisible() && (latest || sincePrompt.elapsed() >= kQuietMilliseconds))
      dialog.show();
    if (latest)
      dialog.ShowProgress(latest->fraction, latest->text, latest->bytesWritten,
                          latest->bytesExpected);
  });

  std::exception_ptr failure;
  QEventLoop loop;
  std::unique_ptr<QThread> thread(QThread::create([&] {
    try {
      computation(worker);
    } catch (...) {
      failure = std::current_exception();
    }
  }));
  QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
  poll.start();
  thread->start();
  loop.exec();
  thread->wait();
  poll.stop();
  dialog.hide();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace ombrel
