#pragma once

// How a grid's title row looks, for the windows' tests of their column widths.

#include "controls/ExDBCtrl.h"

#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <algorithm>

// The first `width` pixels of what the title row paints for a grid column
// (the whole title when width is 0); the grid's window is widened first, so
// that every title is in sight.
inline QImage TitlePicture(TExDBGrid &grid, int column, int width = 0)
{
    QHeaderView &titles = *grid.horizontalHeader();
    QWidget &window = *grid.window();
    window.resize(std::max(window.width(), titles.length() + 600), window.height());
    grid.horizontalScrollBar()->setValue(0);
    const int logical = grid.ModelColumnOf(column);
    const QRect area(titles.sectionViewportPosition(logical), 0,
                     width > 0 ? width : titles.sectionSize(logical), titles.height());
    return titles.viewport()->grab(area).toImage();
}

// True when the title row shows the column's title whole at the column's
// width: left of the room a sort marker takes (or of the right margin, without
// a marker) it paints what it paints with room to spare.
inline bool TitleShownWhole(TExDBGrid &grid, int column, bool withMarker)
{
    QHeaderView &titles = *grid.horizontalHeader();
    const int logical = grid.ModelColumnOf(column);
    const int width = titles.sectionSize(logical);
    const int text = width - (withMarker ? 17 : 3);
    const QImage atWidth = TitlePicture(grid, column, text);
    titles.resizeSection(logical, width + 300);
    const QImage roomy = TitlePicture(grid, column, text);
    titles.resizeSection(logical, width);
    return atWidth == roomy;
}
