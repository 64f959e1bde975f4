#include "exchange/FLogPrev.h"

#include "core/FDM.h"
#include "core/Settings.h"
#include "exchange/AdifExport.h"

namespace {

QFont ArialCE(int points, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

// Position and size in millimetres inside the band.
void Place(TRpPrintable *p, double left, double top, double width, double height)
{
    p->Size.SetNative(TRpPrintableSize::LeftIdx, left * 10);
    p->Size.SetNative(TRpPrintableSize::TopIdx, top * 10);
    p->Size.SetNative(TRpPrintableSize::WidthIdx, width * 10);
    p->Size.SetNative(TRpPrintableSize::HeightIdx, height * 10);
}

TRpBand *AddBand(TReport &report, TRpBandType type, const char *name, double height)
{
    TRpBand *band = report.AddBand(type);
    band->Name = QString::fromLatin1(name);
    band->Size.SetNative(TRpBandSize::HeightIdx, height * 10);
    return band;
}

TRpLabel *AddLabel(TRpBand *band, const char *name, const QString &caption, double left, double top,
                   double width, double height, bool autoSize = false, const QFont &font = ArialCE(9, true),
                   TRpAlignment alignment = TRpAlignment::Left)
{
    auto *label = band->Add<TRpLabel>();
    label->Name = QString::fromLatin1(name);
    label->SetAutoSize(false);
    label->SetAlignment(alignment);
    label->SetFont(font);
    Place(label, left, top, width, height);
    label->SetCaption(caption);
    label->SetAutoSize(autoSize);
    return label;
}

TRpDBText *AddText(TRpBand *band, DataSet &data, const char *name, const char *field, double left,
                   double width)
{
    auto *text = band->Add<TRpDBText>();
    text->Name = QString::fromLatin1(name);
    text->SetFont(ArialCE(9));
    text->DataSet = &data;
    text->DataField = QString::fromLatin1(field);
    Place(text, left, 0.79, width, 4.23);
    return text;
}

} // namespace

TLogPrev::TLogPrev(TDM &dm)
{
    Report.SetUnits(TRpUnit::MM);
    Report.Page.SetOrientation(TRpOrientation::Landscape);
    Report.Page.SetPaperSize(TRpPaperSize::A4);
    Report.Page.SetTopMargin(5);
    Report.Page.SetBottomMargin(10);
    Report.Page.SetLeftMargin(8);
    Report.Page.SetRightMargin(8);
    Report.Page.SetColumnSpace(0);
    Report.Options = FirstPageHeader | LastPageFooter;
    Report.SetPrintIfEmpty(true);
    Report.Font = ArialCE(8);
    Report.SetDataSet(&dm.DrukLog);
    Report.PreviewMaximized = true;
    Report.BeforePrint = [this](TCustomReport &sender, bool &print) { ReportBeforePrint(sender, print); };

    RpBand1 = AddBand(Report, TRpBandType::rbPageHeader, "RpBand1", 7.94);
    ColumnHeaderBand1 = AddBand(Report, TRpBandType::rbColumnHeader, "ColumnHeaderBand1", 9.79);
    ColumnHeaderBand1->Frame.DrawTop = ColumnHeaderBand1->Frame.DrawBottom = true;
    ColumnHeaderBand1->Frame.Width = 2;
    DetailBand1 = AddBand(Report, TRpBandType::rbDetail, "DetailBand1", 6.35);
    // A little wider than the printable page; set once all bands are in, since
    // each new band gives every band the page's width again.
    for (TRpBand *band : {RpBand1, ColumnHeaderBand1, DetailBand1})
        band->Size.SetNative(TRpBandSize::WidthIdx, 2812.5);

    CallLbl1 = AddLabel(RpBand1, "CallLbl1", OwnCallSign, 0.53, 1.06, 20.11, 6.09, true, ArialCE(14, true));
    // Right-aligned: its right edge stays at 279.67 mm whatever the call sign.
    CallLbl2 = AddLabel(RpBand1, "CallLbl2", OwnCallSign, 262.47, 1.06, 17.20, 6.09, true, ArialCE(14, true),
                        TRpAlignment::Right);

    TRpBand *h = ColumnHeaderBand1;
    RpLabel4 = AddLabel(h, "RpLabel4", QStringLiteral("Data godz. [UTC]"), 0.79, 2.91, 30.69, 4.23);
    RpLabel1 = AddLabel(h, "RpLabel1", QStringLiteral("Pasmo"), 35.19, 2.91, 13.23, 4.23);
    RpLabel3 = AddLabel(h, "RpLabel3", QStringLiteral("Stacja wołana"), 51.59, 2.91, 37.84, 4.23);
    RpLabel2 = AddLabel(h, "RpLabel2", QStringLiteral("Typ emisji"), 90.75, 0.79, 14.55, 7.94);
    RpLabel5 = AddLabel(h, "RpLabel5", QStringLiteral("Raport nadany"), 106.36, 0.79, 11.91, 7.94);
    RpLabel6 = AddLabel(h, "RpLabel6", QStringLiteral("Raport odebrany"), 122.50, 0.79, 14.82, 7.94);
    RpLabel7 = AddLabel(h, "RpLabel7", QStringLiteral("Imię"), 139.17, 2.91, 44.98, 4.23);
    RpLabel8 = AddLabel(h, "RpLabel8", QStringLiteral("Miejscowość"), 185.74, 2.91, 20.11, 4.23, true);
    RpLabel9 = AddLabel(h, "RpLabel9", QStringLiteral("Lokator"), 230.19, 2.91, 11.91, 4.23, true);
    RpLabel10 = AddLabel(h, "RpLabel10", QStringLiteral("QSL W"), 255.59, 2.91, 10.58, 4.23, true);
    RpLabel11 = AddLabel(h, "RpLabel11", QStringLiteral("QSL O"), 268.82, 2.91, 9.79, 4.23, true);

    TRpBand *d = DetailBand1;
    DataSet &q = dm.DrukLog;
    RpNazwa = AddText(d, q, "RpNazwa", "DATA", 0.79, 33.34);
    RpData = AddText(d, q, "RpData", "PASMO", 35.19, 15.08);
    RpOpis = AddText(d, q, "RpOpis", "STACJA", 51.59, 37.84);
    RpDBText1 = AddText(d, q, "RpDBText1", "EMISJA", 90.75, 14.55);
    RpDBText2 = AddText(d, q, "RpDBText2", "RAPORT_NAD", 106.36, 14.29);
    RpDBText3 = AddText(d, q, "RpDBText3", "RAPORT_ODB", 122.50, 14.82);
    RpDBText4 = AddText(d, q, "RpDBText4", "IMIE", 139.17, 45.51);
    RpDBText5 = AddText(d, q, "RpDBText5", "MIASTO", 185.74, 42.60);
    RpDBText6 = AddText(d, q, "RpDBText6", "LOKATOR", 230.19, 23.28);
    RpDBText7 = AddText(d, q, "RpDBText7", "QSL_WYS", 255.59, 10.32);
    RpDBText8 = AddText(d, q, "RpDBText8", "QSL_ODB", 268.55, 10.32);
    // The check mark of the QSL columns is drawn from a font that has U+2713.
    for (TRpDBText *qsl : {RpDBText7, RpDBText8}) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSize(9);
        qsl->SetFont(f);
        qsl->SetAlignment(TRpAlignment::Center);
    }
    RpShape1 = d->Add<TRpShape>();
    RpShape1->Name = QStringLiteral("RpShape1");
    RpShape1->Shape = TRpShapeType::rpsHorLine;
    Place(RpShape1, 0, 5.29, 280.99, 0.79);
}

void TLogPrev::OpenRange(TDM &dm, const QDate &first, const QDate &last)
{
    dm.OpenDrukLog(AdifExport::RangeStart(first), AdifExport::RangeEnd(last));
}

void TLogPrev::ReportBeforePrint(TCustomReport &, bool &)
{
    CallLbl1->SetCaption(OwnCallSign);
    CallLbl2->SetCaption(OwnCallSign);
}
