#pragma once

// Makes the report logic print on Qt's printer and show its preview,
// progress and print dialog in the windows of this library. Called once at
// start-up.
void RegisterReportWindows();
