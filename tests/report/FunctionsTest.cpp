#include "EvalSupport.h"

#include "report/expr/RpFunctions.h"
#include "report/expr/RpMask.h"

#include <QDate>
#include <gtest/gtest.h>

TEST(Functions, EveryFunctionGivesItsValueOrItsError)
{
    const EvalCase cases[] = {
        {"IF(1 = 1, 'a', 'b')", "string:a"},
        {"IF(1 > 1, 'a', 2)", "int:2"},
        {"IF(1, 'a', 'b')", "error:Wrong arguments for IF"},
        {"IF(TRUE, 1)", "error:Wrong arguments for IF"},
        {"IF(TRUE, 1, 1/0)", "int:1"},
        {"STR(12)", "string:12"},
        {"STR(2.5)", "string:2.5"},
        {"STR(1 = 1)", "string:True"},
        {"STR('a')", "error:Conversion error"},
        {"STR(1/0)", "error:Conversion error"},
        {"STR(1, 2)", "error:Conversion error"},
        {"UPPER('abć')", "string:ABĆ"},
        {"LOWER('ABŁ')", "string:abł"},
        {"UPPER(1/0)", "error:Cannot divide by 0"},
        {"UPPER(1)", "error:Wrong arguments for UPPER"},
        {"LOWER()", "error:Missing argument for LOWER"},
        {"LOWER('a', 'b')", "error:Missing argument for LOWER"},
        {"PRETTY('sP9ABC')", "string:Sp9abc"},
        {"PRETTY('')", "string:"},
        {"PRETTY(TRUE)", "error:Wrong arguments for PRETTY"},
        {"TIME(1)", "error:Too many arguments"},
        {"DATE(1)", "error:Too many arguments"},
        {"COPY('abcdef', 0, 2)", "string:ab"},
        {"COPY('abcdef', 2, 3)", "string:bcd"},
        {"COPY('abcdef', 5, 10)", "string:ef"},
        {"COPY('abc', 5, 2)", "string:"},
        {"COPY('abc', -3, 2)", "string:ab"},
        {"COPY('abc', 1, -2)", "string:"},
        {"COPY('abc', 1.5, 2)", "error:Wrong arguments for COPY"},
        {"COPY('abc', 1)", "error:Wrong arguments for COPY"},
        {"TRUE", "bool:true"},
        {"false", "bool:false"},
        {"TRUE(1)", "error:Too many arguments"},
        {"INT(-2.7)", "int:-2"},
        {"INT(2.7)", "int:2"},
        {"INT(7)", "int:7"},
        {"INT(1E10)", "error:Integer overflow"},
        {"INT('1')", "error:Wrong arguments for INT"},
        {"FRAC(-2.75)", "float:-0.75"},
        {"FRAC(3)", "float:0"},
        {"FRAC(TRUE)", "error:Wrong arguments for FRAC"},
        {"SQRT(16)", "float:4"},
        {"SQRT(2.25)", "float:1.5"},
        {"SQRT(-1)", "error:Invalid argument to SQRT function"},
        {"SQRT('4')", "error:Invalid argument to SQRT function"},
        {"DIV(7, 2)", "int:3"},
        {"DIV(-7, 2)", "int:-3"},
        {"DIV(7.5, 2)", "int:4"},
        {"DIV(6.5, 2)", "int:3"},
        {"DIV(1, 0)", "error:Division by Zero"},
        {"DIV(1, 0.4)", "error:Division by Zero"},
        {"DIV(-2147483648, -1)", "error:Integer overflow"},
        {"DIV(1E12, 3)", "error:Integer overflow"},
        {"DIV(1)", "error:Wrong arguments for DIV"},
        {"DIV('a', 1)", "error:Wrong arguments for DIV"},
        {"TYPEOF(1)", "string:INTEGER"},
        {"TYPEOF(1.5)", "string:FLOAT"},
        {"TYPEOF('x')", "string:STRING"},
        {"TYPEOF(TRUE)", "string:BOOLEAN"},
        {"TYPEOF(1/0)", "string:ERROR"},
        {"TYPEOF(1, 2)", "error:Wrong arguments for TypeOf"},
        {"FORMATNUMERIC('0.00', 3)", "string:3.00"},
        {"FORMATNUMERIC('#,##0.0', 1234.56)", "string:1,234.6"},
        {"FORMATNUMERIC('0.00E+00', 1234.5)", "string:1.23E+03"},
        {"FORMATNUMERIC('0', SQRT(4) / 0)", "error:Wrong arguments for FORMATNUMERIC"},
        {"FORMATNUMERIC('0', 1E308 * 10)", "error:Invalid format or value specified"},
        {"FORMATNUMERIC(1, 2)", "error:Wrong arguments for FORMATNUMERIC"},
        // outside aggregation the aggregates give their start values
        {"SUM(5)", "int:0"},
        {"COUNT", "int:0"},
        {"COUNT(1)", "error:COUNT - Too many arguments"},
        {"AVERAGE(5)", "float:0"},
    };
    for (const EvalCase &c : cases)
        EXPECT_EQ(Evaluate(QString::fromUtf8(c.expression)), QString::fromUtf8(c.expected)) << c.expression;
}

TEST(Functions, TimeAndDateAreTheLocaleTextsOfNow)
{
    EXPECT_EQ(Evaluate("DATE"), "string:" + LocaleDateText(QDate::currentDate()));
    const QString time = Evaluate("TIME");
    EXPECT_TRUE(time.startsWith("string:")) << qPrintable(time);
    EXPECT_GE(time.size(), 10);
}

TEST(Functions, AggregatesAccumulateOverTheRecordsUntilReset)
{
    using R = TRpEvResult;
    EXPECT_EQ(AggregateOver("SUM(V)", {R::Integer(1), R::Integer(2), R::Integer(3)}), "int:6");
    EXPECT_EQ(AggregateOver("SUM(V)", {R::Integer(1), R::Float(2.5), R::Integer(3)}), "float:6.5");
    EXPECT_EQ(AggregateOver("SUM(V)", {R::Integer(1), R::Boolean(true), R::Integer(3)}), "int:4");
    EXPECT_EQ(AggregateOver("SUM(V)", {R::Integer(1), R::String("x")}), "error:Wrong arguments for SUM");
    EXPECT_EQ(AggregateOver("SUM(V)", {R::String("x"), R::Integer(1)}), "error:Wrong arguments for SUM");
    EXPECT_EQ(AggregateOver("SUM(V)", {R::Integer(2147483647), R::Integer(1)}), "error:Integer overflow");
    EXPECT_EQ(AggregateOver("SUM(V)", {}), "int:0");
    EXPECT_EQ(AggregateOver("SUM(V) * 2", {R::Integer(4), R::Integer(5)}), "int:18");
    EXPECT_EQ(AggregateOver("AVERAGE(V)", {R::Integer(1), R::Float(2.5), R::Integer(3)}).left(12),
              "float:2.1666");
    EXPECT_EQ(AggregateOver("AVERAGE(V)", {R::Integer(2), R::Integer(4)}), "float:3");
    EXPECT_EQ(AggregateOver("AVERAGE(V)", {}), "float:0");
    EXPECT_EQ(AggregateOver("AVERAGE(V)", {R::String("a")}), "error:Wrong arguments for AVERAGE");
    EXPECT_EQ(AggregateOver("MAX(V)", {R::String("abc"), R::String("abd"), R::String("ab")}), "string:abd");
    EXPECT_EQ(AggregateOver("MIN(V)", {R::Boolean(true), R::Boolean(false)}), "bool:false");
    EXPECT_EQ(AggregateOver("MAX(V)", {R::Integer(3), R::Float(7.5), R::Integer(5)}), "float:7.5");
    EXPECT_EQ(AggregateOver("MIN(V)", {R::Integer(3), R::Integer(-2), R::Integer(5)}), "int:-2");
    EXPECT_EQ(AggregateOver("MIN(V)", {}), "int:0");
    EXPECT_EQ(AggregateOver("MAX(V, 1)", {R::Integer(3)}), "error:Wrong arguments for MAX");
    EXPECT_EQ(AggregateOver("COUNT", {R::Integer(0), R::Integer(0), R::Integer(0)}), "int:3");
    EXPECT_EQ(AggregateOver("COUNT + SUM(V)", {R::Integer(10), R::Integer(20)}), "int:32");
}

TEST(Functions, ResetStartsTheAggregatesAfresh)
{
    TRpEvaluator ev;
    ev.Prepare("COUNT");
    ev.DoAggregate();
    ev.DoAggregate();
    EXPECT_EQ(ShowResult(ev.Value()), "int:2");
    EXPECT_EQ(ShowResult(ev.Value()), "int:2");
    ev.Reset();
    EXPECT_EQ(ShowResult(ev.Value()), "int:0");
    ev.DoAggregate();
    EXPECT_EQ(ShowResult(ev.Value()), "int:1");
}

TEST(Functions, TheLibraryHoldsTheTwentyOneFunctionsInOrder)
{
    const TRpFunctionLibrary &lib = FunctionLibrary();
    ASSERT_EQ(lib.Count(), 21);
    QStringList names;
    for (int i = 0; i < lib.Count(); ++i)
        names << lib.Entry(i).Name;
    EXPECT_EQ(names.join(u' '),
              "IF STR UPPER LOWER PRETTY TIME DATE COPY SUM COUNT MAX MIN AVERAGE TRUE FALSE INT "
              "FRAC SQRT DIV TYPEOF FORMATNUMERIC");
    EXPECT_EQ(lib.Find("if")->ArgCode, "5BVV");
    EXPECT_EQ(lib.Find("copy")->ArgCode, "7SNN");
    EXPECT_EQ(lib.Find("COUNT")->ArgCode, "3");
    EXPECT_EQ(lib.Find("Div")->Description, "DIV(<X>, <Y>) | Integer division of <X> by <Y>");
    EXPECT_EQ(lib.Find("FORMATNUMERIC")->Description,
              "FORMATNUMERIC(<F>,<N>)|Formats numeric <N> using the mask in <F>");
    EXPECT_EQ(lib.Find("NOPE"), nullptr);
    EXPECT_EQ(RpFunctionCategories().size(), 8);
    EXPECT_EQ(ShowResult(TRpEvaluator().Calculate("SUM(1)")), "int:0");
    EXPECT_TRUE(dynamic_cast<TRpEvElementError *>(CreateRpFunction("NOPE").get()) != nullptr);
}
