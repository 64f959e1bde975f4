#include "core/Geography.h"
#include "PrefixData.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

TEST(Geography, VoivodeshipsAndContinents)
{
    EXPECT_EQ(Voivodeships().size(), 16u);
    EXPECT_EQ(VoivodeshipNameForCode("C"), QString::fromUtf8("łódzkie"));
    EXPECT_EQ(VoivodeshipNameForCode("c"), "");
    EXPECT_EQ(VoivodeshipNameForCode(" C"), "");
    EXPECT_EQ(VoivodeshipCodeForName(QString::fromUtf8(" Świętokrzyskie ")), "S");
    EXPECT_EQ(VoivodeshipCodeForName("mazowsze"), "");

    EXPECT_EQ(ContinentIndex("AF"), 1);
    EXPECT_EQ(ContinentIndex("SA"), 7);
    EXPECT_EQ(ContinentIndex("eu"), 0);
    EXPECT_EQ(ContinentIndex(""), 0);
    EXPECT_EQ(ContinentTableIndex("OC"), 6);
    EXPECT_EQ(ContinentTableIndex("XX"), 0);
}

TEST(Geography, DistrictNames)
{
    EXPECT_EQ(Districts().size(), 379u);
    EXPECT_EQ(DistrictNameForCode("ZY"), QString::fromUtf8("żarski - Żary"));
    EXPECT_EQ(DistrictNameForCode("AL"), "kaliski - Kalisz [grodzki]");
    EXPECT_EQ(DistrictNameForCode("TB"), "tarnobrzeski -Tarnobrzeg");
    EXPECT_EQ(DistrictNameForCode("zy"), "");
    EXPECT_EQ(DistrictNameForCode("Z"), "");
    EXPECT_EQ(DistrictNameForCode("ZYX"), "");
    EXPECT_EQ(DistrictNameForCode("AC"), ""); // a district whose text is not known
}

TEST(Geography, DistrictTableEqualsDataFile)
{
    QFile f(RepoDataFile("districts.tsv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), int(Districts().size()));
    QString previous;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cols = lines[i].split(u'\t');
        const District &d = Districts()[i];
        EXPECT_EQ(cols.value(0), QStringView(d.Code)) << i;
        EXPECT_EQ(cols.value(1), d.Voivodeship ? QString(QChar(d.Voivodeship)) : QString()) << i;
        EXPECT_EQ(cols.value(2), QStringView(d.Text)) << i;
        EXPECT_LT(previous, cols.value(0)) << "codes ascend";
        previous = cols.value(0);
    }
}
