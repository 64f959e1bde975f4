#pragma once

class QWidget;
class TMainForm;

// The application's name and icon (window titles stay as the windows give them, with
// nothing appended), the program's font, Qt's own texts in Polish, and the
// report engine's start (the locale's units, the start time reports show).
void SetUpApplication();

// Loads Qt's Polish translations, so that standard buttons and file dialogs
// speak the program's language. False when they are not installed.
bool LoadQtTranslations();

// Opens the log through the data module, with the termination signals held
// back until the engine has attached (they are taken afterwards). When the
// connection fails, shows the connection-failure warning (one line per piece,
// the engine's own message last); when the file cannot be brought up to date,
// shows the database's message. Answers whether the log is open.
bool OpenLogOrWarn();

// The windows' layouts and column widths are set for Liberation Sans 8, used
// when it is installed.
void ApplyProgramFont();

// Loads the stored own call sign and, when there is none, asks for it
// (Cancel goes on without one; the next start asks again).
void EnsureOwnCallSign(QWidget *parent);

// Shows the main window, asks for the own call sign when none is stored and
// activates the window. The connection may end while the question waits: the
// activation's failure is told (a lost connection once), never thrown.
void ShowMainWindow(TMainForm &form);
