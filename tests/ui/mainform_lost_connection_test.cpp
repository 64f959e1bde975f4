// The log on a real Firebird server (the one ./test.sh starts); the server ends
// the program's attachment while the main window is open.
#include "awards/windows/FPrefixDetFrm.h"
#include "awards/windows/FStatysFrm.h"
#include "controls/ButtonEdit.h"
#include "controls/FileNameEdit.h"
#include "controls/TextBox.h"
#include "core/BaseSchema.h"
#include "core/CallbookSearch.h"
#include "core/FDM.h"
#include "core/Settings.h"
#include "exchange/windows/FZapiszAdifFrm.h"
#include "platform/Messages.h"
#include "platform/gui/Guarded.h"
#include "support/TempDb.h"
#include "support/UiFixture.h"
#include "ui/FCallbookSkrFrm.h"
#include "ui/FCallbookTblFrm.h"
#include "ui/FLaczStacjaFrm.h"
#include "ui/FLogFrm.h"
#include "ui/FMainForm.h"
#include "ui/FSzukajRozFrm.h"
#include "ui/FWybierzFrm.h"
#include "ui/FZnakStacjiFrm.h"
#include "ui/RecordView.h"
#include "ui/Startup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// What Qt says when an exception passes through its event delivery.
QStringList QtExceptionWarnings;
QtMessageHandler PreviousHandler = nullptr;

void RecordQtWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains(QLatin1String("exception"), Qt::CaseInsensitive))
        QtExceptionWarnings << text;
    if (PreviousHandler)
        PreviousHandler(type, context, text);
}

// Holds back a window's activations, as a window system that delivers them
// after the program's own work does (the offscreen platform activates the
// main window as soon as a dialog over it closes).
class HoldActivations : public QObject {
public:
    explicit HoldActivations(QWidget &window) : window_(window) { window_.installEventFilter(this); }
    ~HoldActivations() override { Release(); }
    void Release() { window_.removeEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::WindowActivate; }

private:
    QWidget &window_;
};

class MainFormLostConnection : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        if (HasFatalFailure())
            return;
        server_ = TestServer::FromEnvironment();
        if (!server_)
            GTEST_SKIP()
                << "No Firebird server: QUARN_TEST_SERVER is not set (./test.sh starts one and sets it)";
        credentials_ = std::make_unique<ServerCredentials>(*server_);
        log_ = std::make_unique<ServerDb>(*server_, [](FbDatabase &db) { BaseSchema::Create(db); });
        // The data module on the server's log instead of the fixture's file.
        delete DM;
        qputenv("QUARN_DATABASE", log_->Name().toUtf8());
        DM = new TDM;
        ASSERT_TRUE(DM->OpenDatabase()) << DM->ConnectionError().toStdString();
        QtExceptionWarnings.clear();
        PreviousHandler = qInstallMessageHandler(RecordQtWarnings);
    }
    void TearDown() override
    {
        if (server_)
            qInstallMessageHandler(PreviousHandler);
        UiFixture::TearDown(); // the windows and the data module go before the log is dropped
        CallbookTblFrm = nullptr;
        CallbookSkrFrm = nullptr;
        SzukajRozFrm = nullptr;
        log_.reset();
        credentials_.reset();
    }

    // What the window system sends when the user switches back to the window.
    // As a window system does it: the window was left for another first.
    static void Activate(QWidget &window)
    {
        for (const QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
            QEvent event(type);
            QApplication::sendEvent(&window, &event);
        }
    }

    // Runs the step on the modal window that opens next, once it is shown.
    template <typename W> static void OnModal(const std::function<void(W &)> &step)
    {
        QTimer::singleShot(0, [step] {
            auto *w = qobject_cast<W *>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr) << "the expected window is not the modal one";
            step(*w);
        });
    }
    // The same for a window that may refuse to open (it needs the server):
    // the click, then the step if the window opened.
    template <typename W>
    static void ClickMaybeModal(QAbstractButton *button, const std::function<void(W &)> &step)
    {
        QTimer::singleShot(0, [step] {
            if (auto *w = qobject_cast<W *>(QApplication::activeModalWidget()))
                step(*w);
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents(); // the step's turn passes when nothing opened
    }

    // A log whose rows come from the server in many batches, so that a
    // search, a jump or a country name read after the loss needs the server:
    // 9,000 QSOs in ITU zone 28 with SP1A..., and SP5ABC first and the two
    // latest, all in the last of 9,000 countries. Castle, commune and district
    // tables as large as their codes allow.
    void FillLog()
    {
        // Numbers 0..9999 from a table of digits.
        const QString numbers = QStringLiteral(
            "WITH RECURSIVE d AS (SELECT 0 AS n FROM RDB$DATABASE UNION ALL SELECT n + 1 FROM d WHERE n < "
            "9), "
            "nums AS (SELECT a.n * 1000 + b.n * 100 + c.n * 10 + e.n AS i FROM d a, d b, d c, d e) ");
        const QString alphabet = QStringLiteral("'0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ'");
        for (const QString &insert :
             {QStringLiteral("INSERT INTO KrajeDX (KrajId, PrefixDX, NazwaAng, NazwaPol, Kontynent) ") +
                  numbers +
                  QStringLiteral("SELECT i, 'P' || i, 'Country ' || i, 'Kraj ' || i, 'EU' FROM nums "
                                 "WHERE i BETWEEN 1 AND 9000"),
              QStringLiteral("INSERT INTO Zamki (Symbol, Nazwa) ") + numbers +
                  QStringLiteral("SELECT 'A' || LPAD(i, 4, '0'), 'Zamek ' || i FROM nums"),
              QStringLiteral("INSERT INTO Gminy (GminaId, Gmina, Powiat, WojewId) ") + numbers +
                  QStringLiteral("SELECT LPAD(i, 4, '0'), 'Gmina ' || i, 'Powiat', 'D' FROM nums"),
              // Two-character codes, none starting with Z.
              QStringLiteral("INSERT INTO Powiaty (PowiatId, WojewId, Powiat) ") + numbers +
                  QStringLiteral(
                      "SELECT SUBSTRING(%1 FROM i / 36 + 1 FOR 1) || SUBSTRING(%1 FROM MOD(i, 36) + 1 "
                      "FOR 1), 'D', 'Powiat' FROM nums WHERE i < 35 * 36")
                      .arg(alphabet),
              QStringLiteral(
                  "INSERT INTO Logi (LogId, Data, Pasmo, Pasmo_Ind, Stacja, KrajId, Emisja, Raport_Nad, "
                  "Raport_Odb, Imie, QSL_Wys, QSL_Odb, ITU) ") +
                  numbers +
                  QStringLiteral(
                      "SELECT GEN_ID(GEN_LOGID, 1), DATEADD(i HOUR TO TIMESTAMP '2020-01-01 00:00'), "
                      "'%1', %2, 'SP1A' || i, 9000, 'SSB', '59', '59', 'Jan', 'N', 'N', 28 FROM nums "
                      "WHERE i BETWEEN 1 AND 9000")
                      .arg(TPasmo::BandNameOf(5))
                      .arg(TPasmo::BandWavelengthOf(5))})
            ExecSql(DM->Baza, insert);
        std::vector<QsoRow> rows(3);
        for (int i = 0; i < 3; ++i) {
            QsoRow &r = rows[size_t(i)];
            r.Data = i == 0 ? DateTime::fromDate(2019, 1, 1, 0, 0) : DateTime::fromDate(2030, 1, i, 0, 0);
            r.Band = 5;
            r.Stacja = QStringLiteral("SP5ABC");
            r.Imie = QStringLiteral("Jan");
            r.KrajId = 9000;
            r.Itu = 28;
        }
        AddQsos(rows);
        DM->OpenKrajeDX(); // its first row only: a country name further on needs the server
    }

    // The data module on a new attachment to the same log, the boxes forgotten.
    void NewAttachment(TMainForm &main)
    {
        ASSERT_TRUE(DM->OpenDatabase()) << DM->ConnectionError().toStdString();
        DM->ReopenLogiOrdered(SortOrder, 0);
        main.FormActivate();
        Boxes.clear();
    }

    // The server ends the data module's attachment, as an administrator does.
    void EndConnection() { EndAttachment(*server_, log_->Name(), attachment_); }
    void NoteAttachment() { attachment_ = AttachmentId(DM->Baza); }

    // Exactly one box since the boxes were last forgotten: the loss, in Polish.
    void ExpectLossToldOnce(const char *where)
    {
        SCOPED_TRACE(where);
        ASSERT_EQ(Boxes.size(), 1u) << (Boxes.empty() ? std::string() : Boxes.back().text.toStdString());
        EXPECT_EQ(Boxes[0].caption, QStringLiteral("Uwaga"));
        EXPECT_TRUE(
            Boxes[0].text.startsWith(QStringLiteral("Połączenie z bazą dziennika zostało przerwane.")))
            << Boxes[0].text.toStdString();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a window stayed open";
        EXPECT_TRUE(QtExceptionWarnings.isEmpty()) << QtExceptionWarnings.join('\n').toStdString();
    }

    // The callbook windows, made as start-up makes them.
    void MakeCallbookWindows(TMainForm &main)
    {
        CallbookTblFrm = new TCallbookTblFrm(&main);
        CallbookSkrFrm = new TCallbookSkrFrm(&main);
        SzukajRozFrm = new TSzukajRozFrm(CallbookTblFrm);
    }

    std::optional<TestServer> server_;
    std::unique_ptr<ServerCredentials> credentials_;
    std::unique_ptr<ServerDb> log_;
    long attachment_ = 0;
};

} // namespace

// The main window reads the QSO count at every activation. Once the server has
// ended the attachment, the loss is told once, in Polish; closing that box
// activates the window again, which asks the database no more. The window then
// closes, and the end of the program (the last commit, the data module's
// destructor) throws nothing and tells nothing again.
TEST_F(MainFormLostConnection, IsToldOnceInPolishAndTheWindowStillCloses)
{
    QsoRow qso;
    qso.Data = DateTime::fromDate(2024, 5, 1, 10);
    qso.Band = 5;
    qso.Stacja = QStringLiteral("SP5ABC");
    AddQsos({qso});
    TMainForm &main = Main();
    main.show();
    ASSERT_EQ(main.PanelText(0), QStringLiteral(" Liczba łączności: 1"));
    ASSERT_TRUE(Boxes.empty());

    EndAttachment(*server_, log_->Name(), AttachmentId(DM->Baza));

    // Each box, once closed, gives the window back its activation, as a window
    // system does; twenty rounds stand for "for ever".
    int rounds = 0;
    Messages::setHandler([&](Messages::Kind kind, const QString &caption, const QString &text) {
        Boxes.push_back({kind == Messages::Kind::Confirm, caption, text});
        if (++rounds < 20)
            Activate(main);
        return true;
    });
    Activate(main);
    ASSERT_EQ(Boxes.size(), 1u) << Boxes.back().text.toStdString();
    EXPECT_EQ(Boxes[0].caption, QStringLiteral("Uwaga"));
    const QStringList lines = Boxes[0].text.split(u'\n');
    ASSERT_EQ(lines.size(), 4) << Boxes[0].text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Połączenie z bazą dziennika zostało przerwane."));
    EXPECT_EQ(lines[1], QStringLiteral("Wszystko, co zapisano wcześniej, jest w dzienniku."));
    EXPECT_EQ(lines[2], QStringLiteral("Program trzeba uruchomić ponownie."));
    EXPECT_TRUE(DM->ConnectionLost());
    EXPECT_EQ(main.PanelText(0), QStringLiteral(" Brak połączenia z bazą"));

    // Switching away and back again and again: no more boxes.
    for (int i = 0; i < 5; ++i)
        Activate(main);
    EXPECT_EQ(Boxes.size(), 1u);

    // Alt+F4: the window closes.
    EXPECT_TRUE(main.close());
    EXPECT_FALSE(main.isVisible());
    // The program's end (src/app/main.cpp): the last commit fails quietly.
    const auto failure = FailureOf([] { DM->CommitAll(); });
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(ReportFailure(failure) == false);
    EXPECT_EQ(Boxes.size(), 1u);
    // The data module's destructor detaches a dead attachment without throwing.
    delete DM;
    DM = nullptr;
}

// The connection ends while a window that reads the log is open, each time on
// a new attachment: the first start's call-sign question, each picker of the
// QSO editor while the user types in its search box, a statistic's QSO list
// while the user types a call sign, and the QSO list of a station with its
// jump. Each window closes, no exception passes through Qt, and the loss is
// told once (by the window, else when the main window is activated again).
TEST_F(MainFormLostConnection, AWindowOpenWhenTheConnectionEndsTellsItOnceAndCloses)
{
    FillLog();
    TMainForm &main = Main();

    // The first start: the connection ends while "Znak stacji" waits.
    NoteAttachment();
    HoldActivations held(main);
    OnModal<TZnakStacjiFrm>([&](TZnakStacjiFrm &question) {
        EndConnection();
        question.EdZnak->setText(QStringLiteral("SP5QRN"));
        QTest::mouseClick(question.OkBtn, Qt::LeftButton);
    });
    ShowMainWindow(main);
    held.Release();
    Activate(main);
    ExpectLossToldOnce("the first start");
    EXPECT_EQ(main.PanelText(0), QStringLiteral(" Brak połączenia z bazą"));

    struct PickerCase {
        QToolButton *TLogFrm::*Button;
        const char *Typed;
        bool Choose;
    };
    for (const PickerCase &c :
         {PickerCase{&TLogFrm::ZamekBtn, "ZZZZZ", false}, PickerCase{&TLogFrm::SppaBtn, "ZZ", true},
          PickerCase{&TLogFrm::GminaBtn, "ZZZZ", false}}) {
        NewAttachment(main);
        NoteAttachment();
        bool picked = false;
        OnModal<TLogFrm>([&](TLogFrm &editor) {
            OnModal<TWybierzFrm>([&](TWybierzFrm &picker) {
                EndConnection();
                QTest::keyClicks(picker.EdSzukaj, QLatin1String(c.Typed));
                QTest::mouseClick(c.Choose ? picker.WybierzBtn : picker.AnulujBtn, Qt::LeftButton);
                picked = true;
            });
            QTest::mouseClick(editor.*c.Button, Qt::LeftButton);
            QTest::mouseClick(editor.CancelBtn, Qt::LeftButton);
        });
        QTest::mouseClick(main.InsertBtn, Qt::LeftButton);
        EXPECT_TRUE(picked);
        Activate(main); // tells the loss unless the search did
        ExpectLossToldOnce(c.Typed);
    }

    // A statistic's QSO list: zone 28 of the zone statistic.
    NewAttachment(main);
    NoteAttachment();
    bool listed = false;
    OnModal<TStatysFrm>([&](TStatysFrm &stats) {
        stats.PageControl->setCurrentWidget(stats.StrefaTab);
        QTest::mouseClick(stats.ObliczBtn, Qt::LeftButton);
        OnModal<TPrefixDetFrm>([&](TPrefixDetFrm &list) {
            EndConnection();
            QTest::keyClicks(list.EdStacja, QStringLiteral("ZZ"));
            QTest::mouseClick(list.ZamknijBtn, Qt::LeftButton);
            listed = true;
        });
        QTest::mouseClick(stats.ItuBoxes[28], Qt::LeftButton);
        QTest::mouseClick(stats.ZamknijBtn, Qt::LeftButton);
    });
    QTest::mouseClick(main.StatysBtn, Qt::LeftButton);
    EXPECT_TRUE(listed);
    Activate(main);
    ExpectLossToldOnce("the QSO list of zone 28");

    // "Łączności" on the first QSO, then "Przejdź do" the latest QSO with that
    // station, which the main log has not read from the server yet.
    NewAttachment(main);
    NoteAttachment();
    ASSERT_EQ(CurrentCall().trimmed(), QStringLiteral("SP5ABC"));
    bool jumped = false;
    OnModal<TLaczStacjaFrm>([&](TLaczStacjaFrm &frm) {
        EndConnection();
        DM->LaczStacja.Last();
        QTest::mouseClick(frm.IdzDoBtn, Qt::LeftButton);
        jumped = true;
    });
    QTest::mouseClick(main.LacznBtn, Qt::LeftButton);
    EXPECT_TRUE(jumped);
    Activate(main);
    ExpectLossToldOnce("the jump of the Łączności window");
}

// After the loss, every window that reads the log opens (or refuses quietly),
// paints and closes, the record tab shows empty what needs the server, and the
// program ends: the loss is told once, by the first action that needs the
// server, and never again (the ADIF export included).
TEST_F(MainFormLostConnection, AfterTheLossEveryWindowOpensPaintsAndClosesAndTheProgramEnds)
{
    FillLog();
    TMainForm &main = Main();
    MakeCallbookWindows(main);
    main.show();
    DM->Logi.Next(); // the status line shows the first QSO's last-QSO line
    DM->Logi.First();
    NoteAttachment();
    EndConnection();

    // The record tab: the country's name needs the server and shows empty;
    // the rest of the panel is painted. A paint tells nothing.
    main.PageControl->setCurrentIndex(1);
    // The first read of a row after the loss asks the server for its country:
    // the row's heading still shows.
    EXPECT_EQ(main.RecordView->Delegate()->Heading(0), QStringLiteral("SP5ABC Jan"));
    main.RecordView->grab();
    const auto lines = main.RecordView->Delegate()->RightLines(0);
    EXPECT_EQ(lines.back().text, QString());
    EXPECT_EQ(main.RecordView->Delegate()->Heading(0), QStringLiteral("SP5ABC Jan"));
    EXPECT_TRUE(Boxes.empty());

    // Switching back to the window tells the loss.
    Activate(main);
    ASSERT_EQ(Boxes.size(), 1u);

    // The next QSO's last-QSO line cannot be looked up: the line is empty
    // instead of naming the station before.
    ASSERT_TRUE(main.StatusPanels[1]->text().contains(QStringLiteral("[SP5ABC]")))
        << main.StatusPanels[1]->text().toStdString();
    DM->Logi.Next();
    EXPECT_EQ(main.StatusPanels[1]->text(), QString());
    DM->Logi.First();

    // Adding and editing a QSO, with the editor's pickers.
    const auto pickers = [](TLogFrm &editor) {
        for (QToolButton *b : {editor.ZamekBtn, editor.SppaBtn, editor.GminaBtn})
            ClickMaybeModal<TWybierzFrm>(b, [](TWybierzFrm &picker) {
                QTest::keyClicks(picker.EdSzukaj, QStringLiteral("ZZ"));
                QTest::mouseClick(picker.AnulujBtn, Qt::LeftButton);
            });
        QTest::mouseClick(editor.CancelBtn, Qt::LeftButton);
    };
    ClickMaybeModal<TLogFrm>(main.InsertBtn, pickers);
    ClickMaybeModal<TLogFrm>(main.EditBtn, pickers);

    // Statistics, computed again on two tabs.
    OnModal<TStatysFrm>([&](TStatysFrm &stats) {
        for (QWidget *tab : {stats.StrefaTab, stats.PageControl->widget(0)}) {
            stats.PageControl->setCurrentWidget(tab);
            QTest::mouseClick(stats.ObliczBtn, Qt::LeftButton);
            stats.grab();
        }
        QTest::mouseClick(stats.ItuBoxes[28], Qt::LeftButton);
        QTest::mouseClick(stats.ZamknijBtn, Qt::LeftButton);
    });
    QTest::mouseClick(main.StatysBtn, Qt::LeftButton);

    // The callbook: a simple lookup, and a compound search.
    OnModal<TCallbookSkrFrm>([&](TCallbookSkrFrm &skr) {
        QTest::keyClicks(skr.EdStacja, QStringLiteral("SP5ABC"));
        QTest::keyClick(skr.EdStacja, Qt::Key_Return);
        QTest::mouseClick(skr.ZamknijBtn, Qt::LeftButton);
    });
    main.Wyszukiwanieproste1->trigger();
    OnModal<TCallbookTblFrm>([&](TCallbookTblFrm &tbl) {
        OnModal<TSzukajRozFrm>([&](TSzukajRozFrm &criteria) {
            criteria.EdStacjaPar->setCurrentIndex(soStartsWith);
            criteria.EdStacja->setText(QStringLiteral("SP"));
            QTest::mouseClick(criteria.SzukajBtn, Qt::LeftButton);
        });
        QTest::mouseClick(tbl.KryteriumBtn, Qt::LeftButton);
        tbl.grab();
        QTest::mouseClick(tbl.ZamknijBtn, Qt::LeftButton);
    });
    main.Wyszukiwaniezoone1->trigger();

    // The QSOs with the current station.
    ClickMaybeModal<TLaczStacjaFrm>(
        main.LacznBtn, [](TLaczStacjaFrm &frm) { QTest::mouseClick(frm.IdzDoBtn, Qt::LeftButton); });

    // The ADIF export says nothing more: the loss was told.
    QTemporaryDir out;
    const QString adif = out.filePath(QStringLiteral("log.adi"));
    OnModal<TZapiszAdifFrm>([&](TZapiszAdifFrm &exp) {
        exp.EdNazwaPliku->SetFileName(adif);
        QTest::mouseClick(exp.ZapiszBtn, Qt::LeftButton);
        QTest::mouseClick(exp.AnulujBtn, Qt::LeftButton);
    });
    main.ExportAllMnu->trigger();
    EXPECT_FALSE(QFileInfo::exists(adif));

    // The record tab once more, and the grid.
    main.RecordView->grab();
    main.PageControl->setCurrentIndex(0);
    main.DbGrid->grab();

    // The program's end, as main() ends it (the windows and the data module
    // go in the fixture's end, in the program's order).
    EXPECT_TRUE(main.close());
    ReportFailure(FailureOf([] { DM->CommitAll(); }));
    ExpectLossToldOnce("after the loss");
}
