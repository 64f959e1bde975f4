#include "controls/StrUtils.h"
#include "controls/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(StrUtils, ReplaceAllNeverRescansInsertedText)
{
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceAll("aa", "a", "aa"), "aaaa");
    EXPECT_EQ(ReplaceAll("Quarn log", "", "x"), "Quarn log");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
    EXPECT_EQ(ReplaceAll("1.234.567", ".", ""), "1234567");
}

TEST(StrUtils, WordsBetweenBlankAndComma)
{
    const QString text = " 12, 34 ,";
    const QString delims = " ,";
    EXPECT_EQ(NthWord(1, text, delims), "12");
    EXPECT_EQ(NthWord(2, text, delims), "34");
    EXPECT_EQ(NthWord(3, text, delims), "");
    EXPECT_EQ(NthWordPos(1, text, delims), 2);
    EXPECT_EQ(NthWordPos(2, text, delims), 6);
    EXPECT_EQ(NthWordPos(3, text, delims), 0);
    EXPECT_EQ(NthWordPos(0, text, delims), 0);
    EXPECT_EQ(NthWord(1, "", delims), "");
    EXPECT_EQ(NthWord(2, "3,200,1", ","), "200");
}

TEST(StrUtils, TrimmingTouchesOnlyBlanks)
{
    EXPECT_EQ(TrimLeftBlanks("  \tx "), "\tx ");
    EXPECT_EQ(TrimRightBlanks(" x\t  "), " x\t");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(" SP5ABC "), "SP5ABC");
    EXPECT_EQ(DeleteChar("1 234 567", ' '), "1234567");
    EXPECT_EQ(FillString('*', 3), "***");
    EXPECT_EQ(FillString('*', 0), "");
    EXPECT_EQ(FillString('*', -4), "");
    EXPECT_EQ(Max(-3, 2), 2);
    EXPECT_EQ(Min(-3, 2), -3);
}

TEST(FileUtils, ValidNamesAndLookups)
{
    EXPECT_FALSE(IsValidFileName("log[1].adi"));
    EXPECT_FALSE(IsValidFileName("a|b"));
    EXPECT_FALSE(IsValidFileName("\"x\""));
    EXPECT_FALSE(IsValidFileName(""));
    EXPECT_TRUE(IsValidFileName("/home/sp5abc/Dokumenty/log 2024.adi"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("Prefiksy.txt");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(IsDirectory(dir.path()));
    EXPECT_FALSE(IsDirectory(file));
    EXPECT_FALSE(IsDirectory(dir.filePath("missing")));
    EXPECT_EQ(LongNameOf(file), "Prefiksy.txt");
    EXPECT_EQ(ShortNameOf(file), "Prefiksy.txt");
    EXPECT_EQ(LongNameOf(dir.filePath("missing.txt")), "");
}
