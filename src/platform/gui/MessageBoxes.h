#pragma once

// Makes the message service show real message boxes over the active window.
// main() installs it once the application object exists.
void InstallMessageBoxes();
