// The log on a real Firebird server (the one ./test.sh starts); the server ends
// the program's attachment while the main window is open.
#include "core/BaseSchema.h"
#include "core/FDM.h"
#include "platform/Messages.h"
#include "platform/gui/Guarded.h"
#include "support/TempDb.h"
#include "support/UiFixture.h"
#include "ui/FMainForm.h"

#include <QApplication>
#include <QEvent>

namespace {

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
    }
    void TearDown() override
    {
        UiFixture::TearDown(); // the data module detaches before the log is dropped
        log_.reset();
        credentials_.reset();
    }

    // What the window system sends when the user switches back to the window.
    static void Activate(QWidget &window)
    {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
    }

    std::optional<TestServer> server_;
    std::unique_ptr<ServerCredentials> credentials_;
    std::unique_ptr<ServerDb> log_;
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
