#include "exchange/QslLabelPrint.h"

#include "core/Settings.h"
#include "exchange/FPrn.h"
#include "exchange/LabelTemplate.h"
#include "platform/NumFormat.h"
#include "platform/print/Canvas.h"
#include "platform/print/PrintDevice.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

CanvasFont LabelFont(double points, bool bold = false, bool underline = false)
{
    CanvasFont f;
    f.family = QStringLiteral("Liberation Sans");
    f.pointSize = points;
    f.bold = bold;
    f.underline = underline;
    return f;
}

// One print run: the page, the label counter and the measures every label shares.
class TLabelSheet {
public:
    TLabelSheet(PrintDevice &printer, const TLabelTemplate &tpl, const TLabelTexts &texts)
        : printer_(printer), prn_(printer), texts_(texts)
    {
        prn_.SetPixelsPerInchX(UsableDpi(printer.XResolution()));
        prn_.SetPixelsPerInchY(UsableDpi(printer.YResolution()));
        grid_.MargL = prn_.MmToPixelsX(tpl.MargL);
        grid_.MargG = prn_.MmToPixelsY(tpl.MargG);
        grid_.OdstepPoz = prn_.MmToPixelsX(tpl.OdstepPoz);
        grid_.OdstepPion = prn_.MmToPixelsY(tpl.OdstepPion);
        grid_.Wysokosc = prn_.MmToPixelsY(tpl.Wysokosc);
        grid_.Columns = std::max(1, tpl.LiczbaPoz);
        grid_.Rows = std::max(1, tpl.LiczbaPion);
        // The blank right part of a wide label, and the blank strip under its
        // note, may pass the printable edge; the text must not.
        grid_.TextWidth = X(50) + X(12);
        grid_.TextHeight = grid_.Wysokosc - Y(0.6f);
        positions_ = grid_.PositionsOn(printer.PrintableSize());
    }

    bool AnyLabelFits() const { return !positions_.empty(); }

    void Start()
    {
        printer_.BeginDoc();
        run_.Pages = 1;
        Canvas &canvas = prn_.PageCanvas();
        canvas.setFont(LabelFont(8));
        h_ = canvas.textHeight(QStringLiteral("A"));
    }

    // The labels of one station and kind: as many as its QSOs need.
    void DrawStation(const TWykazRow &station, TLabelKind kind)
    {
        const std::vector<TLabelQso> &qsos = station.Qsos(kind);
        QString manager;
        for (const TLabelQso &q : qsos)
            if (!q.Manager.isEmpty()) {
                manager = q.Manager;
                break;
            }
        const size_t perLabel = size_t(QsoRowsPerLabel());
        for (size_t first = 0; first < qsos.size(); first += perLabel) {
            const size_t last = std::min(qsos.size(), first + perLabel);
            DrawQslLabel(station.Stacja, kind, manager, qsos.data() + first, qsos.data() + last);
        }
    }

    TLabelRun Finish()
    {
        printer_.EndDoc();
        return std::move(run_);
    }

private:
    int X(float mm) const { return prn_.MmToPixelsX(mm); }
    int Y(float mm) const { return prn_.MmToPixelsY(mm); }

    // Top of the first QSO row, from the top of the label.
    int FirstRowOffset() const { return Y(2) + h_ + Y(3) + Y(4) + h_ + Y(0.4f) + Y(0.4f); }
    // Top of the "PSE/TNX QSL" note at the bottom of the label.
    int NoteY(int labelY) const { return labelY + grid_.Wysokosc - h_ - Y(0.6f); }
    // The extra lines that are not blank, top to bottom, right above the note.
    std::vector<const QString *> ExtraLines() const
    {
        std::vector<const QString *> lines;
        for (const QString *line : {&texts_.Linia1, &texts_.Linia2})
            if (!line->trimmed().isEmpty())
                lines.push_back(line);
        return lines;
    }
    // The rule over the extra lines and the note.
    int BottomRuleY(int labelY) const { return NoteY(labelY) - int(ExtraLines().size()) * h_ - Y(0.4f); }
    // QSO rows that end above the rule over the bottom lines; at least one,
    // so that a sheet of tiny labels still moves on.
    int QsoRowsPerLabel() const
    {
        const int room = BottomRuleY(0) - FirstRowOffset();
        return std::max(1, h_ > 0 ? room / h_ : 1);
    }

    void DrawQslLabel(const QString &stationCall, TLabelKind kind, const QString &manager,
                      const TLabelQso *from, const TLabelQso *to)
    {
        if (++slot_ > positions_.size()) {
            slot_ = 1;
            printer_.NewPage();
            ++run_.Pages;
        }
        const int n = positions_[slot_ - 1];
        Canvas &canvas = prn_.PageCanvas();
        canvas.setFont(LabelFont(8));
        const int x0 = grid_.LabelColumnX(n);
        const int labelY = grid_.LabelRowY(n);
        const int xDate = x0 + X(0), xUtc = x0 + X(18), xBand = x0 + X(27), x2X = x0 + X(37),
                  xRst = x0 + X(50);
        const int xR = xRst + X(12);

        const int yTop = labelY + Y(2);
        prn_.TextOutAt(xDate, yTop + Y(0.5f), QStringLiteral("To Radio: "));
        int y = yTop + h_ + Y(3);
        prn_.TextOutAt(xDate, y,
                       texts_.OwnCall.trimmed() + QStringLiteral(" confirms the following QSO(s):"));
        y += Y(4);
        const bool dayFirst = texts_.DateQslFrm == 2 || texts_.DateQslFrm == 4;
        prn_.TextOutAt(xDate, y, dayFirst ? QStringLiteral("Date (d-m-y)") : QStringLiteral("Date (y-m-d)"));
        prn_.TextOutAt(xUtc, y, QStringLiteral("UTC"));
        prn_.TextOutAt(xBand, y, QStringLiteral("Band"));
        prn_.TextOutAt(x2X, y, QStringLiteral("2X"));
        prn_.TextOutAt(xRst, y, QStringLiteral("RST"));
        y += h_ + Y(0.4f);
        canvas.drawLine(QPoint(xDate, y), QPoint(xR, y));
        y += Y(0.4f);

        for (const TLabelQso *q = from; q != to; ++q) {
            prn_.TextOutAt(xDate, y, FormatLabelDate(q->Data, texts_.DateQslFrm));
            prn_.TextOutAt(xUtc, y, q->Data.toString(QStringLiteral("HH:mm")));
            prn_.TextOutAt(xBand, y, q->Pasmo);
            prn_.TextOutAt(x2X, y, q->Emisja);
            prn_.TextOutAt(xRst, y, q->Raport);
            y += h_;
            run_.PrintedLogIds.push_back(q->LogId);
        }

        canvas.setFont(LabelFont(10, true));
        const QString station = stationCall.trimmed();
        if (manager.isEmpty()) {
            prn_.TextOutRight(xR, yTop, station);
        } else {
            const int stationWidth = canvas.textWidth(station);
            prn_.TextOutAt(xUtc, yTop, station);
            prn_.TextOutAt(xUtc + stationWidth + canvas.textWidth(QStringLiteral(" via ")), yTop, manager);
            canvas.setFont(LabelFont(8));
            prn_.TextOutAt(xUtc + stationWidth + X(1.5f), yTop + Y(0.5f), QStringLiteral("via"));
        }

        canvas.setFont(LabelFont(8, true, true));
        prn_.TextOutRight(xR, NoteY(labelY),
                          kind == TLabelKind::Pse ? QStringLiteral("PSE QSL") : QStringLiteral("TNX QSL"));
        canvas.setFont(LabelFont(8));
        const int rule = BottomRuleY(labelY);
        int yLine = rule + Y(0.4f);
        for (const QString *line : ExtraLines()) {
            prn_.TextOutAt(xDate, yLine, *line);
            yLine += h_;
        }
        canvas.drawLine(QPoint(xDate, rule), QPoint(xR, rule));
        ++run_.Labels;
    }

    PrintDevice &printer_;
    TPrn prn_;
    const TLabelTexts &texts_;
    TLabelGrid grid_;
    TLabelRun run_;
    std::vector<int> positions_; // label numbers of a page that lie on the sheet
    int h_ = 0;
    size_t slot_ = 0;            // 1-based index into positions_ of the last label
};

}

std::vector<int> TLabelGrid::PositionsOn(QSize printable) const
{
    std::vector<int> fits;
    for (int n = 1; n <= Columns * Rows; ++n) {
        const int x = LabelColumnX(n), y = LabelRowY(n);
        if (x >= 0 && y >= 0 && x + TextWidth <= printable.width() && y + TextHeight <= printable.height())
            fits.push_back(n);
    }
    return fits;
}

QString FormatLabelDate(const DateTime &date, int dateQslFrm)
{
    if (dateQslFrm == 4)
        return FormatDateDdMonYyyy(date.date());
    return date.toString(DateFormatText(uint8_t(std::clamp(dateQslFrm, 0, DateFormatCount - 1))));
}

namespace {

// Labels print in portrait: the printable area is measured after this.
void SetPortrait(PrintDevice &printer)
{
    DeviceMode portrait;
    portrait.Fields = dmOrientation;
    portrait.Orientation = 1;
    printer.SetMode(portrait);
}

// A template length in tenths of a millimetre, as the template row keeps it.
int Tenths(float mm)
{
    return int(std::lround(double(mm) * 10));
}

QString Centimetres(double tenths)
{
    return FormatFloat(QStringLiteral(",0.00 cm"), tenths / 100);
}

// One side of the page in tenths of a millimetre: the paper size when the
// printer gives it, else the page in device pixels, known to half a pixel.
struct PageSide {
    double shown;   // as the message gives it
    double longest; // what a sheet may reach
};

PageSide SideOf(int paperTenths, int pixels, int dpi)
{
    if (paperTenths > 0)
        return {double(paperTenths), double(paperTenths)};
    return {pixels * 254.0 / dpi, (pixels + 0.5) * 254.0 / dpi};
}

// One direction of the sheet against the page. The sheet runs from the page's
// edge to the far edge of its last label: margin, a pitch for every label
// before the last, the last label's own size.
std::optional<QString> SheetPastPage(const char *direction, const char *pageSide, float margin, int count,
                                     float pitch, float size, PageSide page)
{
    const qint64 sheet = Tenths(margin) + qint64(count - 1) * Tenths(pitch) + Tenths(size);
    if (double(sheet) <= page.longest)
        return std::nullopt;
    return QStringLiteral("%1 zajmują %2, a strona ma %3 %4.")
        .arg(QString::fromUtf8(direction), Centimetres(double(sheet)), QString::fromUtf8(pageSide),
             Centimetres(page.shown));
}

// Why the labels cannot go on the page as the template lays them out.
std::optional<QString> SheetProblem(const PrintDevice &printer, const TLabelTemplate &tpl,
                                    const TLabelSheet &sheet)
{
    if (Tenths(tpl.MargG) < 0)
        return QStringLiteral("Margines górny jest ujemny.");
    if (Tenths(tpl.MargL) < 0)
        return QStringLiteral("Margines boczny jest ujemny.");
    // The paper size first: the page's pixels stand for a size in whole
    // points, a fraction of a millimetre short of the paper (A4's 595 points
    // are 209.9 mm).
    const DeviceMode mode = printer.Mode();
    const bool paper = mode.Supports(dmPaperWidth | dmPaperLength);
    const QSize page = printer.PhysicalSize();
    const PageSide width =
        SideOf(paper ? mode.PaperWidth : 0, page.width(), UsableDpi(printer.XResolution()));
    const PageSide height =
        SideOf(paper ? mode.PaperLength : 0, page.height(), UsableDpi(printer.YResolution()));
    if (auto across = SheetPastPage("W poziomie", "szerokość", tpl.MargL, std::max(1, tpl.LiczbaPoz),
                                    tpl.OdstepPoz, tpl.Szerokosc, width))
        return across;
    if (auto down = SheetPastPage("W pionie", "wysokość", tpl.MargG, std::max(1, tpl.LiczbaPion),
                                  tpl.OdstepPion, tpl.Wysokosc, height))
        return down;
    if (!sheet.AnyLabelFits())
        return QStringLiteral(
            "Żadna etykieta nie mieści się w całości w obszarze, który drukarka zadrukowuje.");
    return std::nullopt;
}

std::optional<QString> Refusal(const PrintDevice &printer, const TLabelTemplate &tpl,
                               const TLabelSheet &sheet)
{
    const std::optional<QString> problem = SheetProblem(printer, tpl, sheet);
    if (!problem)
        return std::nullopt;
    return QStringLiteral("Etykiety wzorca „%1” nie mieszczą się na stronie drukarki.\n%2\n"
                          "Należy poprawić we wzorcu marginesy, odstępy lub wymiary etykiet.")
        .arg(tpl.Nazwa, *problem);
}
}

std::optional<QString> LabelPageRefusal(PrintDevice &printer, const TLabelTemplate &tpl)
{
    SetPortrait(printer);
    const TLabelTexts texts;
    return Refusal(printer, tpl, TLabelSheet(printer, tpl, texts));
}

TLabelRun PrintQslLabels(PrintDevice &printer, const TLabelTemplate &tpl, const TWykaz &wykaz,
                         const TLabelTexts &texts)
{
    printer.SetTitle(QStringLiteral("Quarn - etykiety adresowe"));
    SetPortrait(printer);
    TLabelSheet sheet(printer, tpl, texts);
    if (const std::optional<QString> refusal = Refusal(printer, tpl, sheet))
        throw std::runtime_error(refusal->toStdString());
    try {
        sheet.Start();
        for (const TWykazRow &station : wykaz) {
            if (station.PSE)
                sheet.DrawStation(station, TLabelKind::Pse);
            if (station.TNX)
                sheet.DrawStation(station, TLabelKind::Tnx);
        }
        return sheet.Finish();
    } catch (...) {
        printer.Abort();
        throw;
    }
}
