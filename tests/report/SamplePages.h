#pragma once

#include "platform/print/PagePicture.h"

#include <QString>

// A page like one of the log book's: an A4 sheet (0.1 mm) with a title, a
// ruled table of `lines` rows of QSO text and a page number.
inline void DrawSamplePage(Canvas &rec, int number, int lines = 40)
{
    CanvasFont title;
    title.pointSize = 14;
    title.bold = true;
    rec.setFont(title);
    rec.drawText(QRect(100, 100, 1900, 80), Qt::AlignHCenter | Qt::AlignTop,
                 QStringLiteral("Dziennik stacyjny SP9ZZZ"));
    CanvasFont body;
    body.pointSize = 8;
    rec.setFont(body);
    CanvasPen rule;
    rule.width = 2;
    rec.setPen(rule);
    for (int i = 0; i < lines; ++i) {
        const int y = 250 + i * 65;
        rec.drawLine(QPoint(100, y + 60), QPoint(2000, y + 60));
        rec.drawTextClipped(QRect(100, y, 300, 60), 110, y + 5,
                            QStringLiteral("2026-12-%1 12:%2")
                                .arg(1 + i % 28, 2, 10, QChar('0'))
                                .arg(i % 60, 2, 10, QChar('0')));
        rec.drawTextClipped(QRect(400, y, 300, 60), 410, y + 5,
                            QStringLiteral("SP%1ABC").arg((number + i) % 10));
        rec.drawText(QRect(700, y, 600, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Łódź, Żółć gęślą jaźń %1/%2").arg(number).arg(i + 1));
        rec.drawText(QRect(1300, y, 200, 60), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("14.%1 MHz").arg(i));
    }
    rec.textOut(1000, 2900, QStringLiteral("Strona %1").arg(number));
}

// The sample page recorded; the same number always gives the same bytes.
inline PagePicture SamplePage(int number, int lines = 40)
{
    PictureRecorder rec(2100, 2970);
    DrawSamplePage(rec, number, lines);
    return rec.finish();
}
