#include "ReportFixture.h"

TRpBand *AddTestBand(TCustomReport &report, TRpBandType type, double heightMm)
{
    TRpBand *band = report.AddBand(type);
    band->Size.SetNative(TRpBandSize::HeightIdx, heightMm * 10);
    return band;
}

TRpLabel *AddTestLabel(TRpCustomBand *band, const QString &caption, double leftMm, double topMm,
                       double widthMm, double heightMm)
{
    auto *label = band->Add<TRpLabel>();
    label->SetAutoSize(false);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    label->SetFont(font);
    label->Size.SetNative(TRpPrintableSize::LeftIdx, leftMm * 10);
    label->Size.SetNative(TRpPrintableSize::TopIdx, topMm * 10);
    label->Size.SetNative(TRpPrintableSize::WidthIdx, widthMm * 10);
    label->Size.SetNative(TRpPrintableSize::HeightIdx, heightMm * 10);
    label->SetCaption(caption);
    return label;
}

TRpExpr *AddTestExpr(TRpCustomBand *band, const QString &expression, double leftMm)
{
    auto *e = band->Add<TRpExpr>();
    e->SetAutoSize(false);
    e->Size.SetNative(TRpPrintableSize::LeftIdx, leftMm * 10);
    e->Size.SetNative(TRpPrintableSize::WidthIdx, 400);
    e->Size.SetNative(TRpPrintableSize::HeightIdx, 42);
    e->SetExpression(expression);
    return e;
}

MemRows::MemRows(const QStringList &fields, const std::vector<QStringList> &rows)
{
    for (const QString &name : fields)
        AddField(name, FieldType::String, 40);
    Open();
    for (const QStringList &row : rows) {
        Append();
        for (int i = 0; i < fields.size(); ++i)
            FieldByName(fields[i])->SetAsString(row.value(i));
        Post();
    }
    First();
}

QStringList AllTexts(const std::vector<PageLayout> &pages)
{
    QStringList out;
    for (const PageLayout &page : pages)
        for (const PlacedText &t : page.texts)
            out << t.text;
    return out;
}

RowsReport::RowsReport(int rows) : rows(rows)
{
    report.SetUnits(TRpUnit::MM);
    report.Page.SetOrientation(TRpOrientation::Landscape);
    report.Page.SetPaperSize(TRpPaperSize::A4);
    report.Page.SetTopMargin(5);
    report.Page.SetBottomMargin(10);
    report.Page.SetLeftMargin(8);
    report.Page.SetRightMargin(8);
    pageHeader = AddTestBand(report, TRpBandType::rbPageHeader, 7.94);
    columnHeader = AddTestBand(report, TRpBandType::rbColumnHeader, 9.79);
    detail = AddTestBand(report, TRpBandType::rbDetail, 6.35);
    head = AddTestLabel(pageHeader, QStringLiteral("HEAD"), 1, 1, 50, 5);
    cols = AddTestLabel(columnHeader, QStringLiteral("COLS"), 1, 3, 50, 5);
    row = AddTestLabel(detail, QString(), 1, 0.79, 50, 4.23);
    row->OnPrint = [this](TRpCustomLabel &, QString &text) { text = QStringLiteral("Row %1").arg(served); };
    report.OnNeedData = [this](TCustomReport &, bool &more) {
        more = served < this->rows;
        if (more)
            ++served;
    };
}

std::vector<PageLayout> RowsReport::Run()
{
    served = 0;
    return RunReport(report);
}
