#include "controls/RunDialog.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CountingDialog : public TRunDialog {
public:
    CountingDialog()
    {
        Run_ = new QPushButton(QStringLiteral("&Licz"), this);
        Cancel = new QPushButton(QStringLiteral("&Anuluj"), this);
        SetRunButtons(Run_, Cancel, QStringLiteral("&Licz"));
    }
    QPushButton *Run_;
    QPushButton *Cancel;
    bool succeed = true;
    int runs = 0;
    bool rejectedWhileRunning = true;

protected:
    void Run() override
    {
        ++runs;
        {
            RunScope running(*this);
            reject(); // a close request during the job is refused
            rejectedWhileRunning = isVisible();
        }
        if (succeed)
            Finished();
    }
};

}

TEST(RunDialog, RunThenCloseAndShowingAgainRestoresTheRunCaption)
{
    CountingDialog d;
    d.show();
    QTest::mouseClick(d.Run_, Qt::LeftButton);
    EXPECT_EQ(d.runs, 1);
    EXPECT_TRUE(d.rejectedWhileRunning);
    EXPECT_FALSE(d.Running());
    EXPECT_EQ(d.Run_->text(), QStringLiteral("&Zamknij"));
    EXPECT_FALSE(d.Cancel->isVisible());

    QTest::mouseClick(d.Run_, Qt::LeftButton); // closes, runs nothing
    EXPECT_EQ(d.runs, 1);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());

    d.show();
    EXPECT_EQ(d.Run_->text(), QStringLiteral("&Licz"));
    EXPECT_TRUE(d.Cancel->isVisible());
}

TEST(RunDialog, AFailedRunKeepsTheRunButton)
{
    CountingDialog d;
    d.succeed = false;
    d.show();
    QTest::mouseClick(d.Run_, Qt::LeftButton);
    QTest::mouseClick(d.Run_, Qt::LeftButton);
    EXPECT_EQ(d.runs, 2);
    EXPECT_EQ(d.Run_->text(), QStringLiteral("&Licz"));
    EXPECT_TRUE(d.isVisible());
}
