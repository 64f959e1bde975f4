#pragma once

#include "platform/print/Canvas.h"
#include "report/printer/RpPrinter.h"

#include <QString>
#include <QStringList>

// The texts of the sample document's pages; page 2 carries the Polish letters.
inline QStringList SamplePageLines(int page)
{
    QStringList lines{QStringLiteral("Dziennik stacji SP5QRN"), QStringLiteral("Strona %1").arg(page)};
    if (page == 2)
        lines << QStringLiteral("Zażółć gęślą jaźń — Łódź");
    if (page == 3)
        lines << QStringLiteral("ABC DEF");
    for (int i = 1; i <= 12; ++i)
        lines << QStringLiteral("%1  2024-05-%2 12:%3  SP%4ABC  14 MHz  SSB  59 59")
                     .arg(i, 3)
                     .arg(page, 2, 10, QChar('0'))
                     .arg(i, 2, 10, QChar('0'))
                     .arg(i % 10);
    return lines;
}

// Runs a report of pages pages on the printer: a frame, a title and a column
// of lines on each, drawn through the printer's conversions.
inline void PrintSampleDocument(TRpPrinter &printer, int pages)
{
    printer.BeginDoc();
    for (int p = 1; p <= pages; ++p) {
        printer.NewPage();
        Canvas &c = *printer.GetCanvas();
        const int w = printer.PaperWidthValue(), l = printer.PaperLengthValue();
        c.setBrush(CanvasBrush{Qt::white, Qt::NoBrush});
        c.drawRect(
            QRect(printer.XPos(100), printer.YPos(100), printer.XSize(w - 200), printer.YSize(l - 200)));
        CanvasFont font;
        const QStringList lines = SamplePageLines(p);
        for (int i = 0; i < lines.size(); ++i) {
            font.pointSize = i == 0 ? 16 : 10;
            font.bold = i == 0;
            c.setFont(font);
            c.drawText(QRect(printer.XPos(200), printer.YPos(200 + i * 80), printer.XSize(w - 400),
                             printer.YSize(80)),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines.at(i));
        }
    }
    printer.EndDoc();
}
