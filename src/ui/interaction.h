// Everything a computation asks of the person goes through Interaction:
// message boxes, input boxes, the beep, the busy pointer, the output-type
// choice, opening a file in the text editor, the three labels of the main
// window's project frame and the enabling of menu commands. The desktop, the
// terminal and the tests each provide their own implementation.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ombrel {

inline constexpr const char* kAppTitle = "Ombrel";
inline constexpr const char* kCrLf = "\r\n";

// SaveDiscardCancel ("Guardar", "Descartar", "Cancelar") answers Yes, No
// and Cancel.
enum class Buttons { Ok, YesNo, YesNoCancel, SaveDiscardCancel };
enum class Icon { None, Information, Exclamation };
enum class Answer { Ok, Yes, No, Cancel };
enum class OutputType { Full, Summary, Closed };  // Closed: dismissed without a choice

// Commands the computations enable or disable, named after their menu item
// (with the index of the item array) or toolbar button.
enum class Command {
  MenuReview,         // " &Revisar "
  MenuView,           // " &Ver "
  MenuAdjust,         // " &Compensación " as a whole
  MenuDesign,         // " &Problemas de diseño " as a whole
  AdjustInverse,      // toolbar 5
  AdjustConstraints,  // toolbar 7 (button 15 of the collection)
  AdjustPseudo,       // toolbar 6
};

// The message that ends a computation the person stopped.
inline constexpr const char* kStoppedMessage = "Cálculo detenido por el usuario.";

// Thrown by ReportProgress when the person has asked to stop. It is no
// RunTimeError, so that no step's own handler takes it for a failure: it
// reaches the command, which ends the listing with kStoppedMessage and
// leaves the network as after a failed step.
class ComputationStopped : public std::runtime_error {
 public:
  ComputationStopped() : std::runtime_error(kStoppedMessage) {}
};

// How far a long computation has gone.
struct Progress {
  double fraction = 0.0;            // of the step, 0..1
  std::string_view text;            // "Método ...: 3.412 de 7.396 elipses"
  std::uint64_t bytesWritten = 0;   // bytes the step has written so far; 0 when unknown
  std::uint64_t bytesExpected = 0;  // what it will have written at this pace; 0 when unknown
};

const char* CommandName(Command command);
const char* ButtonsName(Buttons buttons);
const char* IconName(Icon icon);
const char* AnswerName(Answer answer);

class Interaction {
 public:
  virtual ~Interaction() = default;

  // A modal message box. defaultButton is 1-based within the button set.
  virtual Answer MessageBox(const std::string& text, Buttons buttons, Icon icon,
                            int defaultButton = 1, const std::string& title = kAppTitle) = 0;

  // A modal input box; returns the text typed, or "" when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title = kAppTitle,
                               const std::string& defaultText = "") = 0;

  virtual void Beep() = 0;
  virtual void SetBusy(bool busy) = 0;

  // The output-type dialog: complete or summarised listing.
  virtual OutputType ChooseOutputType() = 0;

  // Opens a text file in the built-in editor.
  virtual void OpenInEditor(const std::string& path) = 0;

  // The main window's project frame: project name, vertex count, equation count.
  virtual void ShowLabels(const std::string& project, const std::string& points,
                          const std::string& equations) = 0;

  virtual void SetEnabled(Command command, bool enabled) = 0;

  // Called by long computations every few thousand items of work (a few
  // times a second at most when the work is fast). Throws ComputationStopped
  // when the person has asked to stop; returns normally otherwise. The
  // default shows nothing and never stops.
  virtual void ReportProgress(const Progress& progress);

  // Shorthand for the common OK box.
  void Inform(const std::string& text, Icon icon = Icon::Information) {
    MessageBox(text, Buttons::Ok, icon);
  }
};

}  // namespace ombrel
