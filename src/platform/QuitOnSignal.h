#pragma once

// Ends the application's event loop in order on SIGTERM, SIGINT and SIGHUP, so
// that the normal shutdown (committing every transaction) runs. Installed after
// the database is open: the embedded engine sets handlers of its own that keep
// the process alive.
void QuitOnTerminationSignals();
