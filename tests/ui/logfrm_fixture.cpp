#include "logfrm_fixture.h"

#include "core/Settings.h"
#include "support/UiFixture.h"

#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

void LogFrmTest::SetUp()
{
    ResetProcessSettings();
    DataModuleTest::SetUp();
    frm = std::make_unique<TLogFrm>();
}

void LogFrmTest::TearDown()
{
    frm.reset();
    DataModuleTest::TearDown();
    ResetProcessSettings();
}

std::vector<int> LogFrmTest::AddQsos(const std::vector<QsoRow> &rows)
{
    const std::vector<int> ids = InsertQsos(DM->Baza, rows);
    DM->ReopenLogiOrdered(SortOrder, 0);
    return ids;
}

namespace {

int RunShown(TLogFrm &f, const std::function<int()> &open, const std::function<void()> &steps)
{
    QTimer::singleShot(0, &f, [&f, steps] {
        f.activateWindow();
        (void)QTest::qWaitForWindowActive(&f, 1000);
        steps();
        if (f.isVisible())
            f.reject();
    });
    return open();
}

}

int LogFrmTest::OpenNew(const std::function<void()> &steps)
{
    return RunShown(
        *frm, [this] { return frm->NewQso(); }, steps);
}

int LogFrmTest::OpenEdit(int logId, const std::function<void()> &steps)
{
    return RunShown(
        *frm, [this, logId] { return frm->EditQso(logId); }, steps);
}

void LogFrmTest::Exec(const QString &sql)
{
    FbTransaction tr(&DM->Baza);
    tr.StartTransaction();
    FbStatement st(&DM->Baza, &tr);
    st.SetSQL(sql);
    st.ExecQuery();
    st.Close();
    tr.Commit();
}

void LogFrmTest::Type(QWidget *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, text);
}

void LogFrmTest::Leave(QWidget *field)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_Tab);
}

void LogFrmTest::TypeAndLeave(QWidget *field, const QString &text)
{
    Type(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

void LogFrmTest::FillMinimal(const QString &call)
{
    frm->EdPasmo->setCurrentIndex(5);
    frm->EdStacja->setText(call);
    frm->EdRaportNad->setText(QStringLiteral("59"));
    frm->EdRaportOdb->setText(QStringLiteral("57"));
}
