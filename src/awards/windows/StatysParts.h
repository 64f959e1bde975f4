#pragma once

#include <QColor>
#include <QString>

class QBoxLayout;
class QGroupBox;
class QProgressBar;
class QWidget;
class TTextBox;

// The colours of a zone box and of the legend cells.
inline const QColor NotWorkedColour{255, 255, 255};
inline const QColor WorkedColour{255, 255, 0};
inline const QColor ConfirmedColour{0, 255, 0};

// A small cell of the colour with its label beside it, added to the row.
TTextBox *NewLegendCell(QBoxLayout *row, const QString &label, const QColor &colour, QWidget *parent);
// A progress group "Zaawansowanie" with its bar, hidden until a run shows it.
QGroupBox *NewProgressGroup(QWidget *parent, QProgressBar *&bar);
