#pragma once

// Termination signals (TERM, INT, HUP) end the program in order: the event
// loop ends and the normal shutdown commits every transaction. A signal is
// never lost, whenever it comes during start-up.
//
// The embedded database engine installs handlers of its own for TERM and INT
// when it first attaches; they shut the engine down and leave the process
// running. So the signals stay blocked while the database opens (threads
// started meanwhile inherit the block) and our handler is put back afterwards.

// First thing in main(), before any thread exists: installs our handler and
// blocks the signals in this thread and in every thread started from it.
void CatchTerminationSignals();

// Whether a termination signal has arrived. Signals held back by the block
// are taken first.
bool TerminationRequested();

// Puts our handler back (the engine may have replaced it) and lets this
// thread take the signals from now on.
void AcceptTerminationSignals();

// Once the application object exists: a termination signal ends every running
// event loop, including a modal box's. Catches the signals when that has not
// been done yet; they are taken once AcceptTerminationSignals has run.
void QuitOnTerminationSignals();
