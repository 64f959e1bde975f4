#pragma once

#include <QString>
#include <functional>

class QWidget;

// Modal results as the windows report them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

// The check mark shown for a "T" flag in grids and reports.
inline constexpr char16_t CheckMarkChar = 0x2713;

// The program's two standard boxes go through one replaceable service, so
// tests can answer them and read what was shown.
namespace Messages {

enum class Kind { Warning, Confirm };

// Returns true for OK/Yes. The default shows a real QMessageBox.
using Handler = std::function<bool(Kind kind, const QString &caption, const QString &text)>;

// Installs a handler (an empty one restores the real boxes); returns the old one.
Handler setHandler(Handler handler);

// Caption "Uwaga", exclamation icon, one OK button.
void ShowWarning(const QString &text);
// Caption "Potwierdzenie", question icon, Yes and No; true only for Yes.
bool AskConfirm(const QString &text);

}
