#pragma once

#include "report/windows/RpPitView.h"

#include <QColor>
#include <QGridLayout>
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

// The height of a row of the zone counters and of the continent table.
inline constexpr int StatRowHeight = 22;

// A new printable of type T in a pit view one row high, in the grid's cell;
// its font is 10 points.
template <typename T> T *AddPitCell(QGridLayout *grid, int row, int column, QWidget *parent, int span = 1)
{
    T *pit = nullptr;
    TRpPitView *view = NewPitView(pit, parent);
    pit->Font.setPointSize(10);
    view->setFixedHeight(StatRowHeight);
    grid->addWidget(view, row, column, 1, span);
    return pit;
}
