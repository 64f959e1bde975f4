#pragma once

#include <QString>
#include <functional>

// Modal results as the windows report them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

// The check mark shown for a "T" flag in grids and reports.
inline constexpr char16_t CheckMarkChar = 0x2713;

// The program's two standard boxes go through one replaceable service: logic
// asks through it without knowing about windows, main() installs the handler
// that shows real message boxes, and tests install one that answers.
namespace Messages {

enum class Kind { Warning, Confirm };

// Returns true for OK/Yes. With no handler installed the text goes to the
// log and every question is answered No.
using Handler = std::function<bool(Kind kind, const QString &caption, const QString &text)>;

// Installs a handler (an empty one restores the default); returns the old one.
Handler setHandler(Handler handler);

// Caption "Uwaga", exclamation icon, one OK button. An empty text shows
// nothing: a failure told already (a lost connection) leaves one.
void ShowWarning(const QString &text);
// Caption "Potwierdzenie", question icon, Yes and No; true only for Yes.
bool AskConfirm(const QString &text);

}
