#include "core/Settings.h"
#include "exchange/FPrn.h"
#include "exchange/LabelPrintDevice.h"
#include "exchange/LabelTemplate.h"
#include "exchange/QslLabelList.h"
#include "exchange/QslLabelPrint.h"
#include "support/LogDb.h"
#include "support/QsoRows.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A sheet of 3 x 7 labels: 7 mm side and 15 mm top margin, pitch 70 x 37.2 mm,
// labels 63 x 36 mm; it fits A4 to the millimetre across. At 600 dpi the
// converted lengths are: margins 165 and 354 px, pitch 1654 and 879 px,
// height 850 px.
TLabelTemplate Sheet3x7()
{
    TLabelTemplate t;
    t.Nazwa = QStringLiteral("Avery 3x7");
    t.MargL = 7.0f;
    t.MargG = 15.0f;
    t.OdstepPoz = 70.0f;
    t.OdstepPion = 37.2f;
    t.Wysokosc = 36.0f;
    t.Szerokosc = 63.0f;
    t.LiczbaPoz = 3;
    t.LiczbaPion = 7;
    return t;
}

// Appends a row to the list as a load would, marked or not.
void AddRow(TQslLabelList &list, const QString &call, const QString &received, bool marked, int logId,
            const DateTime &when = DateTime::fromDate(2005, 3, 5, 10, 7), const QString &manager = {})
{
    list.DrukTbl.Append();
    list.DrukTblZazn->SetAsString(marked ? "T" : "N");
    list.DrukTblData->SetAsDateTime(when);
    list.DrukTblStacja->SetAsString(call);
    list.DrukTblPasmo->SetAsString("20 m");
    list.DrukTblEmisja->SetAsString("CW");
    list.DrukTblRaport->SetAsString("599");
    list.DrukTblQslO->SetAsString(received);
    list.DrukTblLogId->SetAsInteger(logId);
    list.DrukTblManager->SetAsString(manager);
    list.DrukTbl.Post();
}

// The height of one 8-point line at 600 dpi, as the labels measure it.
int LineHeight()
{
    std::vector<DrawnPage> pages;
    RecordingCanvas canvas(pages);
    CanvasFont f;
    f.family = QStringLiteral("Liberation Sans");
    f.pointSize = 8;
    canvas.setFont(f);
    return canvas.textHeight(QStringLiteral("A"));
}

std::vector<int> LogIdsOf(const std::vector<TLabelQso> &qsos)
{
    std::vector<int> ids;
    for (const TLabelQso &q : qsos)
        ids.push_back(q.LogId);
    return ids;
}

}

TEST(QslLabelLayout, MillimetresBecomePixelsEachOnItsOwnWithHalvesToEven)
{
    struct Case {
        int ppi;
        float mm;
        int pixels;
    } cases[] = {{600, 7.0f, 165}, {600, 70.0f, 1654}, {600, 37.2f, 879}, {600, 0.4f, 9},
                 {600, 0.6f, 14},  {600, 18.0f, 425},  {600, 27.0f, 638}, {300, 25.4f, 300},
                 {127, 0.5f, 2},   {127, 1.5f, 8},     {600, 0.0f, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(TPrn::MmToPixels(c.ppi, c.mm), c.pixels) << c.ppi << " dpi, " << c.mm << " mm";
    TLabelGrid grid{165, 354, 1654, 879, 850, 3, 8};
    EXPECT_EQ(QPoint(grid.LabelColumnX(1), grid.LabelRowY(1)), QPoint(165, 354));
    EXPECT_EQ(QPoint(grid.LabelColumnX(3), grid.LabelRowY(3)), QPoint(3473, 354));
    EXPECT_EQ(QPoint(grid.LabelColumnX(4), grid.LabelRowY(4)), QPoint(165, 1233));
    EXPECT_EQ(QPoint(grid.LabelColumnX(24), grid.LabelRowY(24)), QPoint(3473, 6507));
}

TEST(QslLabelGroups, CallsGroupTrimmedAndCaseInsensitivePseBeforeTnxAndOnlyMarkedRows)
{
    TQslLabelList list;
    AddRow(list, "sp9abc", "N", true, 1);
    AddRow(list, "DL1XX", "T", true, 2, DateTime::fromDate(2005, 3, 5, 11, 0), "DL1MGR");
    AddRow(list, " SP9ABC", "T", true, 3);
    AddRow(list, "SP9ABC  ", "N", true, 4);
    AddRow(list, "sp9abc", "N", false, 5); // not marked
    AddRow(list, "G0XYZ", "?", true, 6);   // neither kind of card flag
    AddRow(list, "dl1xx", "T", true, 7);

    const TWykaz wykaz = list.BuildWykaz();
    ASSERT_EQ(wykaz.size(), 3u);
    EXPECT_EQ(wykaz[0].Stacja, "sp9abc");
    EXPECT_TRUE(wykaz[0].PSE && wykaz[0].TNX);
    EXPECT_EQ(LogIdsOf(wykaz[0].PseQsos), (std::vector<int>{1, 4}));
    EXPECT_EQ(LogIdsOf(wykaz[0].TnxQsos), (std::vector<int>{3}));
    EXPECT_EQ(wykaz[1].Stacja, "DL1XX");
    EXPECT_FALSE(wykaz[1].PSE);
    EXPECT_EQ(LogIdsOf(wykaz[1].TnxQsos), (std::vector<int>{2, 7}));
    EXPECT_EQ(wykaz[1].TnxQsos[0].Manager, "DL1MGR");
    EXPECT_EQ(wykaz[2].Stacja, "G0XYZ");
    EXPECT_FALSE(wykaz[2].PSE || wykaz[2].TNX);

    // Printing: sp9abc PSE, sp9abc TNX, DL1XX TNX; nothing for G0XYZ.
    LabelPrintDevice device;
    const TLabelRun run = PrintQslLabels(device, Sheet3x7(), wykaz, {});
    EXPECT_EQ(run.Labels, 3);
    EXPECT_EQ(run.PrintedLogIds, (std::vector<int>{1, 4, 3, 2, 7}));
    const DrawnPage &page = device.pages.at(0);
    EXPECT_EQ(page.count("sp9abc"), 2);
    ASSERT_TRUE(page.find("PSE QSL") && page.find("TNX QSL", 1));
    EXPECT_EQ(page.find("PSE QSL")->at.x() / 1654, 0);    // label 1
    EXPECT_EQ(page.find("TNX QSL")->at.x() / 1654, 1);    // label 2
    EXPECT_EQ(page.find("TNX QSL", 1)->at.x() / 1654, 2); // label 3
    EXPECT_EQ(page.count("G0XYZ"), 0);
    EXPECT_EQ(device.title, "Quarn - etykiety adresowe");
    EXPECT_EQ(device.mode.Orientation, 1);
}

TEST(QslLabelLayout, LabelsFillRowsLeftToRightThenTheNextPageAt600Dpi)
{
    TQslLabelList list;
    for (int i = 1; i <= 25; ++i)
        AddRow(list, QStringLiteral("SP%1AA").arg(i), "N", true, i);
    // Seven rows of three: label 22 starts the second page.
    LabelPrintDevice device;
    TLabelRun run = PrintQslLabels(device, Sheet3x7(), list.BuildWykaz(), {});
    EXPECT_EQ(run.Labels, 25);
    EXPECT_EQ(device.pages.at(0).count("To Radio: "), 21);
    EXPECT_EQ(device.pages.at(0).find("To Radio: ", 20)->at, QPoint(3473, 354 + 6 * 879 + 59));
    EXPECT_EQ(device.pages.at(1).find("To Radio: ")->at, QPoint(165, 413));
    EXPECT_TRUE(device.pages[1].find("SP22AA"));

    // With a 0.5 mm (12 px) top margin an eighth row ends at 7015 px of 7016.
    TLabelTemplate sheet = Sheet3x7();
    sheet.MargG = 0.5f;
    sheet.LiczbaPion = 8;
    OwnCallSign = QStringLiteral(" SP9XYZ ");
    run = PrintQslLabels(device, sheet, list.BuildWykaz(), {OwnCallSign, {}, {}, 0});
    OwnCallSign.clear();
    EXPECT_EQ(run.Labels, 25);
    EXPECT_EQ(run.Pages, 2);
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_TRUE(device.ended);
    EXPECT_EQ(device.pages[0].count("To Radio: "), 24);

    // "To Radio: " stands 2 + 0.5 mm (47 + 12 px) below the label's top.
    const QPoint toRadio[] = {{165, 71}, {1819, 71}, {3473, 71}, {165, 950}, {3473, 6224}};
    const int labels[] = {0, 1, 2, 3, 23};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(device.pages[0].find("To Radio: ", labels[i])->at, toRadio[i]) << "label " << labels[i] + 1;
    EXPECT_EQ(device.pages[1].find("To Radio: ")->at, QPoint(165, 71));
    EXPECT_TRUE(device.pages[1].find("SP25AA"));

    // Label 5 (column 2, row 2): x0 = 1819, top 891 px.
    const int h = LineHeight();
    const DrawnPage &p = device.pages[0];
    const int yTop = 891 + 47;
    EXPECT_EQ(p.find("SP9XYZ confirms the following QSO(s):", 4)->at, QPoint(1819, yTop + h + 71));
    const int titles = yTop + h + 71 + 94;
    EXPECT_EQ(p.find("Date (y-m-d)", 4)->at, QPoint(1819, titles));
    EXPECT_EQ(p.find("UTC", 4)->at, QPoint(2244, titles));
    EXPECT_EQ(p.find("Band", 4)->at, QPoint(2457, titles));
    EXPECT_EQ(p.find("2X", 4)->at, QPoint(2693, titles));
    EXPECT_EQ(p.find("RST", 4)->at, QPoint(3000, titles));
    const int rule = titles + h + 9;
    EXPECT_EQ(p.lines.at(8), QLine(1819, rule, 3283, rule));
    EXPECT_EQ(p.find("2005-03-05", 4)->at, QPoint(1819, rule + 9));
    EXPECT_EQ(p.find("10:07", 4)->at, QPoint(2244, rule + 9));
    EXPECT_EQ(p.find("599", 4)->at, QPoint(3000, rule + 9));

    // Without a manager the call ends at the right edge, 10 points bold.
    const DrawnText *call = p.find("SP5AA");
    ASSERT_TRUE(call);
    EXPECT_EQ(call->at.y(), yTop);
    EXPECT_TRUE(call->font.bold);
    EXPECT_EQ(call->font.pointSize, 10);
    RecordingCanvas measure(device.pages);
    measure.setFont(call->font);
    EXPECT_EQ(call->at.x() + measure.textWidth("SP5AA"), 3283);

    // The note at the bottom, bold and underlined, and the rule 0.4 mm above it
    // when there are no extra lines.
    const DrawnText *note = p.find("PSE QSL", 4);
    const int noteY = 891 + 850 - h - 14;
    EXPECT_EQ(note->at.y(), noteY);
    EXPECT_TRUE(note->font.bold && note->font.underline);
    EXPECT_EQ(p.lines.at(9), QLine(1819, noteY - 9, 3283, noteY - 9));

    // The sheet fits the page, but a printer that cannot print the top and
    // bottom 4 mm (94 px) loses the eighth row: it stays blank, not half printed.
    device.offset = QPoint(0, 94);
    run = PrintQslLabels(device, sheet, list.BuildWykaz(), {});
    EXPECT_EQ(run.Labels, 25);
    EXPECT_EQ(device.pages.at(0).count("To Radio: "), 21);
}

TEST(QslLabelLayout, ManagerExtraLinesAndTheDayFirstDateFormat)
{
    TQslLabelList list;
    AddRow(list, "DL1XX", "N", true, 1, DateTime::fromDate(2005, 3, 5, 22, 30), "DL1MGR");
    LabelPrintDevice device;
    const TLabelRun run =
        PrintQslLabels(device, Sheet3x7(), list.BuildWykaz(),
                       {"SP9XYZ", QStringLiteral("  Linia pierwsza"), QStringLiteral("Tnx fer QSO"), 4});
    ASSERT_EQ(run.Labels, 1);
    const DrawnPage &p = device.pages[0];
    EXPECT_TRUE(p.find("05-Mar-2005"));
    EXPECT_TRUE(p.find("Date (d-m-y)"));

    // The call at the 18 mm column, a small "via", then the manager.
    const DrawnText *call = p.find("DL1XX");
    const DrawnText *manager = p.find("DL1MGR");
    const DrawnText *via = p.find("via");
    ASSERT_TRUE(call && manager && via);
    RecordingCanvas measure(device.pages);
    measure.setFont(call->font);
    const int callWidth = measure.textWidth("DL1XX");
    EXPECT_EQ(call->at, QPoint(165 + 425, 354 + 47));
    EXPECT_EQ(manager->at, QPoint(165 + 425 + callWidth + measure.textWidth(" via "), 354 + 47));
    EXPECT_EQ(via->at, QPoint(165 + 425 + callWidth + 35, 354 + 47 + 12));
    EXPECT_EQ(via->font.pointSize, 8);
    EXPECT_FALSE(via->font.bold);

    // Line 2 right above the note, line 1 above it, as typed; the rule above both.
    const int h = LineHeight();
    const int noteY = 354 + 850 - h - 14;
    EXPECT_EQ(p.find("Tnx fer QSO")->at, QPoint(165, noteY - h));
    EXPECT_EQ(p.find("  Linia pierwsza")->at, QPoint(165, noteY - 2 * h));
    EXPECT_EQ(p.lines.back(), QLine(165, noteY - 2 * h - 9, 165 + 1181 + 283, noteY - 2 * h - 9));
}

TEST(QslLabelLayout, AStationWithMoreQsosThanFitGoesOnOverLabelsOfItsOwnWithoutOverprinting)
{
    TQslLabelList list;
    for (int i = 1; i <= 9; ++i)
        AddRow(list, "JA1ZZZ", "T", true, i, DateTime::fromDate(2005, 3, i, 12, 0));
    LabelPrintDevice device;
    const TLabelRun run = PrintQslLabels(device, Sheet3x7(), list.BuildWykaz(), {"SP9XYZ", "Linia", {}, 0});

    // Room between the rule under the titles and the rule over the bottom
    // lines: 850 - 14 - 9 - 2h (note and one line) less 47 + 71 + 94 + 9 + 9 + 2h.
    const int h = LineHeight();
    const int perLabel = (850 - 14 - 9 - 2 * h - (47 + 71 + 94 + 9 + 9 + 2 * h)) / h;
    ASSERT_GT(perLabel, 0);
    const int expected = (9 + perLabel - 1) / perLabel;
    EXPECT_EQ(run.Labels, expected);
    EXPECT_EQ(run.PrintedLogIds.size(), 9u);
    const DrawnPage &p = device.pages[0];
    EXPECT_EQ(p.count("JA1ZZZ"), expected);
    EXPECT_EQ(p.count("TNX QSL"), expected);
    for (int day = 1; day <= 9; ++day) {
        const QString date = QStringLiteral("2005-03-0%1").arg(day);
        ASSERT_EQ(p.count(date), 1) << day;
        const int label = (day - 1) / perLabel + 1;
        const int ruleAbove = 354 + 850 - 14 - 2 * h - 9; // every label is in row 1
        EXPECT_LE(p.find(date)->at.y() + h, ruleAbove) << day;
        EXPECT_EQ(p.find(date)->at.x(), 165 + (label - 1) * 1654) << day;
    }
}

// The device puts a PDF in place only when it ends the job whole; the label
// print itself never removes a file, so an earlier one under the name stays.
TEST(QslLabelLayout, APrintErrorAbortsTheJobAndLeavesAnEarlierFileUnderTheNameAlone)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("etykiety.pdf");
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("%PDF-1.4 earlier");
    f.close();

    TQslLabelList list;
    for (int i = 1; i <= 30; ++i)
        AddRow(list, QStringLiteral("SP%1AA").arg(i), "N", true, i);
    LabelPrintDevice device;
    device.names.clear(); // no print queue: the job goes to the PDF
    device.file = pdf;
    device.failAtPage = 1;
    EXPECT_THROW(PrintQslLabels(device, Sheet3x7(), list.BuildWykaz(), {}), std::runtime_error);
    EXPECT_TRUE(device.aborted);
    EXPECT_FALSE(device.ended);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "%PDF-1.4 earlier");
}

class QslLabelList : public DataModuleTest {};

TEST_F(QslLabelList, UnsentQsosLoadOldestFirstAndOnlyPrintedOnesAreMarkedSent)
{
    QsoRow a;
    a.Data = DateTime::fromDate(2005, 3, 6, 8, 0);
    a.Band = 5;
    a.Stacja = QStringLiteral("DL1XX");
    a.RaportNad = QStringLiteral("579");
    QsoRow b = a;
    b.Data = DateTime::fromDate(2005, 3, 5, 8, 0);
    b.Stacja = QStringLiteral("SP9ABC");
    b.QslOdb = QStringLiteral("T");
    QsoRow sent = a;
    sent.Data = DateTime::fromDate(2005, 3, 4, 8, 0);
    sent.QslWys = QStringLiteral("T");
    const std::vector<int> ids = InsertQsos(dm->Baza, {a, b, sent});
    ExecSql(dm->Baza, QStringLiteral("UPDATE LOGI SET QSL_MANAGER='DL1MGR' WHERE LOGID=%1").arg(ids[0]));

    TQslLabelList list;
    int maximum = -1, last = -1;
    list.LoadUnsentQsls(*dm, {.Maximum = [&](int m) { maximum = m; }, .Position = [&](int p) { last = p; }});
    EXPECT_EQ(maximum, 2);
    EXPECT_EQ(last, 2);
    ASSERT_EQ(list.DrukTbl.RecordCount(), 2);
    EXPECT_EQ(list.MarkedCountText(), " Zaznaczono 0 z 2");
    list.DrukTbl.First();
    EXPECT_EQ(list.DrukTblStacja->AsString().trimmed(), "SP9ABC");
    EXPECT_EQ(list.DrukTblQslO->AsString(), "T");
    EXPECT_EQ(list.DrukTblZazn->AsString(), "N");
    list.DrukTbl.Next();
    EXPECT_EQ(list.DrukTblManager->AsString().trimmed(), "DL1MGR");
    EXPECT_EQ(list.DrukTblRaport->AsString().trimmed(), "579");
    EXPECT_EQ(list.DrukTblLogId->AsInteger(), ids[0]);

    // Marking, unmarking, marking again.
    list.ToggleMark();
    list.ToggleMark();
    list.ToggleMark();
    EXPECT_EQ(list.MarkedCountText(), " Zaznaczono 1 z 2");

    // Printing the one marked QSO marks only it as sent.
    LabelPrintDevice device;
    const TLabelRun run = PrintQslLabels(device, Sheet3x7(), list.BuildWykaz(), {});
    ASSERT_EQ(run.PrintedLogIds, std::vector<int>{ids[0]});
    list.MarkPrintedSent(*dm, run.PrintedLogIds);
    EXPECT_EQ(list.MarkedCount(), 0);
    EXPECT_EQ(SelectStrings(dm->Baza, "SELECT QSL_WYS FROM LOGI ORDER BY DATA"),
              (QStringList{"T", "N", "T"}));
    list.LoadUnsentQsls(*dm);
    EXPECT_EQ(list.MarkedCountText(), " Zaznaczono 0 z 1");
}

TEST_F(QslLabelList, TemplatesAreFoundByNameInAnyCaseWithCountsBelowOneReadAsOne)
{
    ExecSql(dm->Baza, "INSERT INTO ETYKIETY VALUES (1, 'Avery 3x8', 150, 70, 372, 700, 360, 700, 3, 8)");
    ExecSql(dm->Baza, "INSERT INTO ETYKIETY VALUES (2, 'Zepsuta', 0, 0, 300, 700, 240, 640, 0, -2)");
    dm->OpenEtykiety();
    const std::optional<TLabelTemplate> avery = FindLabelTemplate(*dm, "AVERY 3X8");
    ASSERT_TRUE(avery);
    EXPECT_FLOAT_EQ(avery->OdstepPion, 37.2f);
    EXPECT_FLOAT_EQ(avery->MargG, 15.0f);
    EXPECT_EQ(avery->LabelsPerPage(), 24);
    const std::optional<TLabelTemplate> broken = FindLabelTemplate(*dm, "zepsuta");
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->LabelsPerPage(), 1);
    EXPECT_FALSE(FindLabelTemplate(*dm, "Brak"));
}
