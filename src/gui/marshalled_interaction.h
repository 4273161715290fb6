// The Interaction of a computation running on a worker thread. Every call
// but the progress report runs the desktop's own interaction on the GUI
// thread, one at a time, and the worker waits for its answer; a fault
// thrown there is thrown again in the worker. A progress report only
// leaves its figures for the GUI thread to fetch, and a stop asked for on
// the GUI thread reaches the computation as ComputationStopped at its next
// report.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>

#include "ui/interaction.h"

namespace ombrel {

// The latest progress report, kept apart from the worker's own text.
struct ProgressSnapshot {
  double fraction = 0.0;
  std::string text;
  std::uint64_t bytesWritten = 0;
  std::uint64_t bytesExpected = 0;
};

class MarshalledInteraction : public Interaction {
 public:
  // gui is used on the thread of context only; both outlive this object.
  MarshalledInteraction(Interaction& gui, QObject* context) : gui_(gui), context_(context) {}

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon, int defaultButton,
                    const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void Beep() override;
  void SetBusy(bool busy) override;
  OutputType ChooseOutputType() override;
  void OpenInEditor(const std::string& path) override;
  void ShowLabels(const std::string& project, const std::string& points,
                  const std::string& equations) override;
  void SetEnabled(Command command, bool enabled) override;
  void ReportProgress(const Progress& progress) override;

  // GUI thread side.
  void RequestStop() { stopRequested_ = true; }
  std::optional<ProgressSnapshot> Latest() const;
  // Called on the GUI thread with true before each window the computation
  // opens (message, input, output type, editor) and with false after it.
  void OnPrompt(std::function<void(bool)> hook) { onPrompt_ = std::move(hook); }

 private:
  template <typename Call>
  auto OnGuiThread(Call call) -> decltype(call());
  template <typename Call>
  auto Prompt(Call call) -> decltype(call());

  Interaction& gui_;
  QObject* context_;
  std::function<void(bool)> onPrompt_;
  std::atomic<bool> stopRequested_{false};
  mutable std::mutex mutex_;
  std::optional<ProgressSnapshot> latest_;
};

template <typename Call>
auto MarshalledInteraction::OnGuiThread(Call call) -> decltype(call()) {
  using Result = decltype(call());
  if (QThread::currentThread() == context_->thread()) return call();
  std::exception_ptr failure;
  if constexpr (std::is_void_v<Result>) {
    QMetaObject::invokeMethod(
        context_,
        [&] {
          try {
            call();
          } catch (...) {
            failure = std::current_exception();
          }
        },
        Qt::BlockingQueuedConnection);
    if (failure) std::rethrow_exception(failure);
  } else {
    std::optional<Result> result;
    QMetaObject::invokeMethod(
        context_,
        [&] {
          try {
            result = call();
          } catch (...) {
            failure = std::current_exception();
          }
        },
        Qt::BlockingQueuedConnection);
    if (failure) std::rethrow_exception(failure);
    return std::move(*result);
  }
}

template <typename Call>
auto MarshalledInteraction::Prompt(Call call) -> decltype(call()) {
  return OnGuiThread([&] {
    struct Hook {
      const std::function<void(bool)>& hook;
      explicit Hook(const std::function<void(bool)>& h) : hook(h) {
        if (hook) hook(true);
      }
      ~Hook() {
        if (hook) hook(false);
      }
    } shown(onPrompt_);
    return call();
  });
}

}  // namespace ombrel
