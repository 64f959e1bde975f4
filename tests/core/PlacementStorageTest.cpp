#include "core/PlacementStorage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(IniStorage, QuotedValuesGetAnExtraPairInTheIniFile)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("Forms.ini");
    {
        IniStorage s(ini);
        s.WriteString("TLabelFrm", "Title", "'SP5ABC'");
        s.WriteString("TLabelFrm", "Name", "\"Quarn\"");
        s.WriteString("TLabelFrm", "Plain", "a'b");
        s.WriteInteger("TLabelFrm", "Count", 3);
    }
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains("Title=\"'SP5ABC'\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("Name=\"\"Quarn\"\"")) << text.toStdString();
    IniStorage s(ini);
    EXPECT_EQ(s.ReadString("tlabelfrm", "title", ""), "'SP5ABC'");
    EXPECT_EQ(s.ReadString("TLabelFrm", "Name", ""), "\"Quarn\"");
    EXPECT_EQ(s.ReadString("TLabelFrm", "Plain", ""), "a'b");
    EXPECT_EQ(s.ReadInteger("TLabelFrm", "Count", 0), 3);
    EXPECT_EQ(s.ReadInteger("TLabelFrm", "Missing", 7), 7);
}
