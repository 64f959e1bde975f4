#pragma once

// Opens the log through the data module. When the connection fails, shows the
// connection-failure warning (one line per piece); when the file cannot be
// brought up to date, shows the database's message. Answers whether the log is open.
bool OpenLogOrWarn();

// The windows' layouts and column widths were measured in an 8-point sans font;
// Liberation Sans has the same metrics. Used when it is installed.
void ApplyProgramFont();
