#include "controls/FormPlacement.h"
#include "platform/Registry.h"

#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FormPlacementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        qputenv("QUARN_SETTINGS", dir.filePath("Quarn.ini").toUtf8());
        ini = dir.filePath("Forms.ini");
    }
    void TearDown() override { qunsetenv("QUARN_SETTINGS"); }
    QString FileText() const
    {
        QFile f(ini);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    static int Ppi(QWidget &w) { return qRound(w.screen()->logicalDotsPerInch()); }

    QTemporaryDir dir;
    QString ini;
};

} // namespace

TEST_F(FormPlacementTest, PlacementRoundTripAndScreenSizeFallback)
{
    QWidget a;
    a.setGeometry(100, 120, 300, 200);
    {
        IniStorage s(ini);
        WriteFormPlacement(&a, s, "TStatysFrm");
    }
    const QString text = FileText();
    EXPECT_TRUE(text.contains("NormPos=100,120,400,320"));
    EXPECT_TRUE(text.contains(QStringLiteral("PixelsPerInch=%1").arg(Ppi(a))));

    QWidget b;
    b.setGeometry(10, 10, 50, 50);
    IniStorage s(ini);
    ReadFormPlacement(&b, s, "TStatysFrm", true, true);
    EXPECT_EQ(b.geometry(), QRect(100, 120, 300, 200));

    // Saved on another screen size: only the plain key matches.
    IniStorage other(dir.filePath("Other.ini"));
    other.WriteString("F", "NormPos(1024x768)", "1,2,301,202");
    other.WriteString("F", "NormPos", "5,6,205,106");
    ReadFormPlacement(&b, other, "F", false, true);
    EXPECT_EQ(b.geometry(), QRect(5, 6, 200, 100));
}

TEST_F(FormPlacementTest, OtherDensityOrFixedSize)
{
    QWidget form;
    form.setGeometry(10, 20, 100, 80);
    IniStorage s(ini);
    s.WriteString("F", "NormPos", "5,6,205,106");
    s.WriteInteger("F", "PixelsPerInch", Ppi(form) + 24);
    ReadFormPlacement(&form, s, "F", false, true);
    EXPECT_EQ(form.geometry(), QRect(10, 20, 100, 80));

    s.WriteInteger("F", "PixelsPerInch", Ppi(form));
    form.setFixedSize(100, 80);
    ReadFormPlacement(&form, s, "F", false, true);
    EXPECT_EQ(form.geometry(), QRect(5, 6, 100, 80));

    s.WriteString("F", "NormPos", "7,x");
    ReadFormPlacement(&form, s, "F", false, true);
    EXPECT_EQ(form.geometry(), QRect(7, 6, 100, 80));
}

TEST_F(FormPlacementTest, StoreSavesOnCloseAndRestoresOnFirstShow)
{
    {
        QWidget form;
        auto *store = new TPlacementStore(&form);
        store->SetIniFileName(ini);
        store->SetIniSection("TLogFrm");
        store->SaveFormPlacement(); // never restored yet: nothing written
        EXPECT_FALSE(QFile::exists(ini));
        form.setGeometry(50, 60, 320, 240);
        form.show();
        EXPECT_TRUE(store->Restored());
        form.setGeometry(70, 80, 330, 250);
        form.close();
        EXPECT_TRUE(store->Saved());
    }
    EXPECT_TRUE(FileText().contains("FormVersion=0"));
    QWidget again;
    auto *store = new TPlacementStore(&again);
    store->SetIniFileName(ini);
    store->SetIniSection("TLogFrm");
    again.setGeometry(1, 1, 10, 10);
    again.show();
    EXPECT_EQ(again.geometry(), QRect(70, 80, 330, 250));
}

TEST_F(FormPlacementTest, HigherVersionIgnoresStoredValues)
{
    {
        IniStorage s(ini);
        s.WriteInteger("F", "FormVersion", 0);
        s.WriteString("F", "NormPos", "5,6,205,106");
    }
    QWidget form;
    auto *store = new TPlacementStore(&form);
    store->SetIniFileName(ini);
    store->SetIniSection("F");
    store->SetVersion(1);
    form.setGeometry(10, 20, 100, 80);
    store->RestoreFormPlacement();
    EXPECT_EQ(form.geometry(), QRect(10, 20, 100, 80));
    store->SetVersion(0);
    store->RestoreFormPlacement();
    EXPECT_EQ(form.geometry(), QRect(5, 6, 200, 100));
}

TEST_F(FormPlacementTest, ActiveControlAndLinks)
{
    QWidget form;
    auto *a = new QLineEdit(&form);
    a->setObjectName("EdStacja");
    auto *b = new QLineEdit(&form);
    b->setObjectName("EdImie");
    auto *store = new TPlacementStore(&form);
    store->SetIniFileName(ini);
    store->SetOptions(fpPosition | fpActiveControl);
    auto *link = new TPlacementLink(store);
    int saves = 0, loads = 0;
    QObject::connect(link, &TPlacementLink::OnSave, [&] {
        ++saves;
        link->Storage()->WriteString(link->RootSection() + "Grid", "Col1", "120");
    });
    QObject::connect(link, &TPlacementLink::OnLoad, [&] { ++loads; });
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    b->setFocus();
    store->SaveFormPlacement();
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(FileText().contains("ActiveControl=EdImie"));
    EXPECT_TRUE(FileText().contains("Col1=120"));
    a->setFocus();
    store->RestoreFormPlacement();
    EXPECT_EQ(loads, 2); // first show and this call
    EXPECT_TRUE(b->hasFocus());
}

TEST_F(FormPlacementTest, SettingsStoreKeepsPlacementsToo)
{
    {
        QWidget form;
        auto *store = new TPlacementStore(&form);
        store->SetUseRegistry(true);
        store->SetIniSection("TStatysFrm");
        form.setGeometry(40, 50, 200, 150);
        store->RestoreFormPlacement();
        store->SaveFormPlacement();
    }
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(GetDefaultIniRegKey() + "\\TStatysFrm", false));
    EXPECT_EQ(reg.ReadString("NormPos"), "40,50,240,200");
    QWidget form;
    auto *store = new TPlacementStore(&form);
    store->SetUseRegistry(true);
    store->SetIniSection("TStatysFrm");
    store->RestoreFormPlacement();
    EXPECT_EQ(form.geometry(), QRect(40, 50, 200, 150));
}

TEST_F(FormPlacementTest, SizeLimits)
{
    QWidget form;
    form.resize(300, 200);
    auto *store = new TPlacementStore(&form);
    TWinMinMaxInfo info;
    EXPECT_TRUE(info.IsEmpty());
    info.MinTrackWidth = 200;
    info.MaxTrackHeight = 400;
    store->SetMinMaxInfo(info);
    EXPECT_EQ(form.minimumSize(), QSize(200, 0));
    EXPECT_EQ(form.maximumHeight(), 400);
    store->SetPreventResize(true);
    EXPECT_EQ(form.minimumSize(), QSize(300, 200));
    EXPECT_EQ(form.maximumSize(), QSize(300, 200));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    store->SetPreventResize(false);
    EXPECT_EQ(form.minimumSize(), QSize(200, 0));
}

TEST_F(FormPlacementTest, DefaultSections)
{
    QWidget form;
    auto *edit = new QLineEdit(&form);
    edit->setObjectName("EdStacja");
    QObject component(&form);
    component.setObjectName("Placement");
    EXPECT_EQ(GetDefaultSection(&form), "QWidget");
    EXPECT_EQ(GetDefaultSection(edit), "QWidgetEdStacja");
    EXPECT_EQ(GetDefaultSection(&component), "QWidget.Placement");
    EXPECT_TRUE(GetDefaultIniName().endsWith(".INI"));
}

TEST(WindowHook, HooksChainAroundTheWidgetsOwnHandling)
{
    QLineEdit edit;
    QList<QString> order;
    TExWindowHook first, second;
    first.BeforeMessage = [&](TExWindowHook *, QEvent *e, bool &) {
        if (e->type() == QEvent::KeyPress)
            order.append("first");
    };
    second.BeforeMessage = [&](TExWindowHook *, QEvent *e, bool &handled) {
        if (e->type() == QEvent::KeyPress) {
            order.append("second");
            handled = static_cast<QKeyEvent *>(e)->key() == Qt::Key_X;
        }
    };
    second.AfterMessage = [&](TExWindowHook *, QEvent *e, bool &) {
        if (e->type() == QEvent::KeyPress)
            order.append("after:" + edit.text());
    };
    first.SetWinControl(&edit);
    second.SetWinControl(&edit);
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(order, QList<QString>({"second", "first", "after:a"}));
    order.clear();
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(order, QList<QString>({"second"}));
    EXPECT_EQ(edit.text(), "a");
    second.SetActive(false);
    first.SetActive(false);
    order.clear();
    QTest::keyClick(&edit, Qt::Key_B);
    EXPECT_TRUE(order.isEmpty());
    EXPECT_EQ(edit.text(), "ab");
}

TEST(WindowHook, FreedControlDetachesItsHooks)
{
    TExWindowHook hook;
    int events = 0;
    hook.BeforeMessage = [&](TExWindowHook *, QEvent *, bool &) { ++events; };
    {
        QWidget w;
        hook.SetWinControl(&w);
        EXPECT_NE(THookList::Find(&w), nullptr);
    }
    EXPECT_EQ(hook.WinControl(), nullptr);
    hook.SetActive(false);
    hook.SetActive(true);
}
