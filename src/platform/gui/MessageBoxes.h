#pragma once

// Makes the message service show real message boxes over the window they belong to (DialogParent).
// main() installs it once the application object exists.
void InstallMessageBoxes();
