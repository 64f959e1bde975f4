#pragma once

// Opens the log through the data module. When the connection fails, shows the
// connection-failure warning (one line per piece); when the file cannot be
// brought up to date, shows the database's message. Answers whether the log is open.
bool OpenLogOrWarn();
