#pragma once

struct TProgress;
class QGroupBox;
class QProgressBar;

// A run's progress shown in a group box with its bar. The run reports every
// row; the bar repaints and the window handles its events only every few
// hundredths of a second, so a long run stays responsive without painting
// each of its rows.
TProgress ProgressInBox(QGroupBox *box, QProgressBar *bar);
