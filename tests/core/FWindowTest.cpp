#include "core/FWindow.h"
#include "core/OwnCallSign.h"
#include "core/PlacementStorage.h"
#include "core/Settings.h"
#include "platform/Messages.h"
#include "platform/Registry.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        oldConfig = qgetenv("XDG_CONFIG_HOME");
        oldSettings = qgetenv("QUARN_SETTINGS");
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        qunsetenv("QUARN_SETTINGS");
    }
    void TearDown() override
    {
        restore("XDG_CONFIG_HOME", oldConfig);
        restore("QUARN_SETTINGS", oldSettings);
    }
    static void restore(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    QTemporaryDir dir;
    QByteArray oldConfig, oldSettings;
};

TWindow placement(const QString &section)
{
    TWindow w;
    w.AppKey = "Quarn";
    w.SetWindowSection(section);
    return w;
}

} // namespace

TEST_F(FWindowTest, FirstRunLoadsNothingThenRoundTrips)
{
    TWindow w = placement("LaczStacjaFrm");
    w.SetWindowLeft(10);
    w.SetWindowWidth(333);
    EXPECT_FALSE(w.LoadWindowPlacement());
    EXPECT_EQ(w.Left, 10);
    EXPECT_EQ(w.Width, 333);

    w.SetWindowTop(20);
    w.SetWindowHeight(444);
    w.SaveWindowPlacement();
    EXPECT_TRUE(QFile::exists(Registry::FileName()));
    EXPECT_TRUE(Registry::FileName().startsWith(dir.path()));

    TWindow again = placement("LaczStacjaFrm");
    EXPECT_TRUE(again.LoadWindowPlacement());
    EXPECT_EQ(again.Left, 10);
    EXPECT_EQ(again.Top, 20);
    EXPECT_EQ(again.Width, 333);
    EXPECT_EQ(again.Height, 444);

    Registry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Dovren\\Quarn\\LaczStacjaFrm", false));
    EXPECT_EQ(reg.ReadInteger("Height"), 444);
}

TEST_F(FWindowTest, NegativeLeftAndTopComeBackAtTheEdge)
{
    {
        Registry reg;
        ASSERT_TRUE(reg.OpenKey("\\Software\\Dovren\\Quarn\\EtykietyFrm", true));
        reg.WriteInteger("Left", -20);
        reg.WriteInteger("Top", -1);
        reg.WriteInteger("Width", -5);
        reg.WriteInteger("Height", 100);
    }
    TWindow w = placement("EtykietyFrm");
    ASSERT_TRUE(w.LoadWindowPlacement());
    EXPECT_EQ(w.Left, 0);
    EXPECT_EQ(w.Top, 0);
    EXPECT_EQ(w.Width, -5); // width and height are kept as stored
    w.SetWindowLeft(-300);
    EXPECT_EQ(w.Left, 0);
}

TEST_F(FWindowTest, WindowsKeepSeparateKeys)
{
    TWindow a = placement("A");
    a.SetWindowLeft(1);
    a.SaveWindowPlacement();
    TWindow b = placement("B");
    b.SetWindowLeft(2);
    b.SaveWindowPlacement();
    a.SetWindowLeft(3);
    a.SaveWindowPlacement();

    TWindow r = placement("A");
    ASSERT_TRUE(r.LoadWindowPlacement());
    EXPECT_EQ(r.Left, 3);
    r.SetWindowSection("B");
    ASSERT_TRUE(r.LoadWindowPlacement());
    EXPECT_EQ(r.Left, 2);
}

TEST_F(FWindowTest, MissingValueThrowsAndChangesNothing)
{
    {
        Registry reg;
        ASSERT_TRUE(reg.OpenKey("\\Software\\Dovren\\Quarn\\Half", true));
        reg.WriteInteger("Left", 50);
        reg.WriteString("Top", "abc");
    }
    TWindow w = placement("Half");
    w.SetWindowLeft(7);
    EXPECT_THROW(w.LoadWindowPlacement(), RegistryError);
    EXPECT_EQ(w.Left, 7);
}

TEST_F(FWindowTest, StoredBoundsAreReadEachOnTheirOwn)
{
    const QString key = "\\Software\\Dovren\\Quarn\\MainWindow";
    EXPECT_FALSE(ReadStoredBounds(key));
    {
        Registry reg;
        ASSERT_TRUE(reg.OpenKey(key, true));
        reg.WriteInteger("Left", -20);
        reg.WriteString("Top", "abc");
        reg.WriteInteger("Height", 480);
    }
    const std::optional<StoredBounds> b = ReadStoredBounds(key);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Left, -20) << "no clamping outside TWindow";
    EXPECT_FALSE(b->Top);
    EXPECT_FALSE(b->Width);
    EXPECT_EQ(b->Height, 480);

    WriteStoredBounds(key, 1, 2, 640, 480);
    const std::optional<StoredBounds> again = ReadStoredBounds(key);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Left, 1);
    EXPECT_EQ(again->Top, 2);
    EXPECT_EQ(again->Width, 640);
    EXPECT_EQ(again->Height, 480);
}

// The configuration folder sits below a regular file: no folder can be made
// there, whoever runs the tests (a read-only folder would not stop root).
TEST_F(FWindowTest, SettingsThatCannotBeStoredAreToldOnceAndTheProgramCarriesOn)
{
    QFile blocker(dir.filePath("plik"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocker.fileName().toLocal8Bit());
    const QString file = dir.filePath("plik/Dovren/Quarn.ini");
    ASSERT_EQ(Registry::FileName(), file);
    QStringList told;
    Messages::setHandler([&told](Messages::Kind kind, const QString &, const QString &text) {
        EXPECT_EQ(kind, Messages::Kind::Warning);
        told << text;
        return true;
    });

    {
        Registry reg; // reading a store that is not there is no failure
        EXPECT_FALSE(reg.OpenKey(ProgramKey(), false));
        EXPECT_TRUE(reg.CloseKey());
    }
    EXPECT_TRUE(told.isEmpty());

    TWindow w = placement("LaczStacjaFrm");
    w.SetWindowLeft(10);
    w.SaveWindowPlacement();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("Nie udało się zapisać ustawień")) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(file)) << told[0].toStdString();

    // Every other writer fails as quietly from now on, and the run goes on.
    StoreOwnCallSign("sp5qrn");
    EXPECT_EQ(OwnCallSign, "SP5QRN");
    WriteStoredBounds(ProgramKey("MainWindow"), 1, 2, 3, 4);
    RegistryStorage(ProgramKey(), false).WriteInteger("Grid", "Col1", 40);
    {
        Registry reg;
        ASSERT_TRUE(reg.OpenKey(ProgramKey(), true));
        reg.WriteBool("CzasLetni", false);
        EXPECT_FALSE(reg.CloseKey());
    }
    EXPECT_EQ(told.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(file));

    // A placement file of its own in the same folder is told by its name.
    IniStorage(dir.filePath("plik/Quarn.INI")).WriteInteger("Form", "Left", 5);
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[1].contains(dir.filePath("plik/Quarn.INI")));

    Messages::setHandler({});
    OwnCallSign.clear();
}
