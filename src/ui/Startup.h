#pragma once

// Opens the log through the data module; when the connection fails, shows the
// connection-failure warning (one line per piece) and answers false.
bool OpenLogOrWarn();
