#include "EvalSupport.h"

#include "report/RpError.h"

#include <gtest/gtest.h>

TEST(Evaluator, ExpressionsGiveTheKindAndValueOfTheirOperators)
{
    const EvalCase cases[] = {
        // precedence and the right-leaning splits
        {"1+2*3", "int:7"},
        {"10-4-3", "int:3"},
        {"10-4+3", "int:9"},
        {"12/4/3", "float:1"},
        {"12/4*3", "float:9"},
        {"(1+2)*3", "int:9"},
        {"2 * 3 + 4 * 5", "int:26"},
        {"7/2", "float:3.5"},
        {"2 + 1.5", "float:3.5"},
        {"1.5e1", "float:15"},
        {"3000000000", "float:3000000000"},
        // signs
        {"-5+2", "int:-3"},
        {"-5-2", "int:-7"},
        {"10--3", "int:13"},
        {"1 + -2", "int:-1"},
        {"2*-3", "int:-6"},
        {"2*-3+1", "int:-5"},
        {"10 - 4 - -3", "int:9"},
        {"+4", "int:4"},
        {"-(1+2)", "int:-3"},
        {"1E-5", "float:1e-05"},
        {"5 - 1E-5 + 2", "float:6.99999"},
        {"2 < -1", "bool:false"},
        {"1 or -2", "int:-1"},
        // strings and mixed kinds
        {"'abc'+1", "string:abc1"},
        {"'a' + 'b' + 'c'", "string:abc"},
        {"TRUE + 1", "string:True1"},
        {"1 = '1'", "bool:true"},
        {"''", "string:"},
        {"'it''s'", "string:it''s"},
        {"'a+b' + 'c-d'", "string:a+bc-d"},
        {"", "string: "},
        // comparisons
        {"1 < 2", "bool:true"},
        {"2 <= 2", "bool:true"},
        {"3 > 2.5", "bool:true"},
        {"2 >= 3", "bool:false"},
        {"2 <> 3", "bool:true"},
        {"'abc' < 'abd'", "bool:true"},
        {"'B' < 'a'", "bool:true"},
        {"'ab' = 'ab '", "bool:false"},
        {"TRUE = FALSE", "bool:false"},
        {"TRUE <> FALSE", "bool:true"},
        // logic
        {"2 and 3", "int:2"},
        {"4 or 1", "int:5"},
        {"TRUE and FALSE", "bool:false"},
        {"TRUE OR FALSE", "bool:true"},
        {"not (1 = 1)", "bool:false"},
        {"NOT FALSE", "bool:true"},
        {"not(2 > 3)", "bool:true"},
    };
    for (const EvalCase &c : cases)
        EXPECT_EQ(Evaluate(QString::fromUtf8(c.expression)), QString::fromUtf8(c.expected)) << c.expression;
}

TEST(Evaluator, EveryProblemBecomesAnErrorResultWithItsOwnText)
{
    const EvalCase cases[] = {
        {"1/0", "error:Cannot divide by 0"},
        {"1.5/0", "error:Cannot divide by 0"},
        {"'abc", "error:Missing '"},
        {"'", "error:Missing '"},
        {"(1", "error:Missing )"},
        {"[abc", "error:Missing ]"},
        {"12a", "error:Illegal character in numeric contant \"12a\""},
        {"1.2.3", "error:Illegal character in numeric contant \"1.2.3\""},
        {"1E999", "error:Illegal character in numeric contant \"1E999\""},
        {"1 = 1 and 2 = 2", "error:Illegal character in numeric contant \"2 = 2\""},
        {"1<", "error:Illegal character in numeric contant \"1<\""},
        {"1 + ", "error:Error in expression : "},
        {"#", "error:Error in expression : #"},
        {"not", "error:Error in expression : "},
        {"nosuchname", "error:Unknown function : nosuchname"},
        {"nosuch(1)", "error:Unknown function : NOSUCH"},
        {"IF(1", "error:Unknown function : "},
        {"not 1", "error:Invalid use of NOT"},
        {"TRUE < FALSE", "error:Operator < is not compatible with boolean expressions"},
        {"TRUE >= FALSE", "error:Operator >= is not compatible with boolean expressions"},
        {"1.5 or 2.5", "error:Operator OR is not compatible with numeric expressions"},
        {"'a' and 'b'", "error:Operator AND is not compatible with string expressions"},
        {"TRUE + FALSE", "error:Cannot add boolean expressions"},
        {"'a' - 'b'", "error:Cannot subtract string expressions"},
        {"TRUE - FALSE", "error:Cannot subtract boolean expressions"},
        {"'a' * 'b'", "error:Cannot multiply string expressions"},
        {"TRUE / FALSE", "error:Cannot divide boolean expressions"},
        {"'a' / 'b'", "error:Cannot divide string expressions"},
        {"2147483647 + 1", "error:Integer overflow"},
        {"-2147483647 - 2", "error:Integer overflow"},
        {"65536 * 65536", "error:Integer overflow"},
        // the left error wins, and errors travel through everything
        {"1/0 + 'x'", "error:Cannot divide by 0"},
        {"(1 + 'a' - 'b') = 1/0", "error:Cannot subtract string expressions"},
    };
    for (const EvalCase &c : cases)
        EXPECT_EQ(Evaluate(QString::fromUtf8(c.expression)), QString::fromUtf8(c.expected)) << c.expression;
}

TEST(Evaluator, OnlyAnUnpreparedEvaluatorAndTheTextOfAnErrorThrow)
{
    TRpEvaluator ev;
    try {
        ev.Value();
        FAIL() << "no exception";
    } catch (const ERpError &e) {
        EXPECT_EQ(e.Message(), "Evaluator not prepared");
    }
    EXPECT_THROW(ev.DoAggregate(), ERpError);
    try {
        ResultToText(ev.Calculate("1/0"));
        FAIL() << "no exception";
    } catch (const ERpError &e) {
        EXPECT_EQ(e.Message(), "Error in expression : Cannot divide by 0");
    }
    EXPECT_FALSE(ev.Prepared());
    EXPECT_EQ(ResultToText(TRpEvResult::Float(2.5)), "2.5");
    EXPECT_EQ(ResultToText(TRpEvResult::Boolean(false)), "False");
}

TEST(Evaluator, StringsAreCutAt255Characters)
{
    const QString a(200, u'a');
    TRpEvaluator ev;
    const TRpEvResult r = ev.Calculate(u'\'' + a + QStringLiteral("' + '") + a + u'\'');
    EXPECT_EQ(r.Kind, rpvString);
    EXPECT_EQ(r.StringValue.size(), RpMaxStringLength);
}

TEST(Evaluator, DeepNestingEndsAsAnErrorInsteadOfExhaustingTheStack)
{
    const QString deep = QString(5000, u'(') + u'1' + QString(5000, u')');
    EXPECT_TRUE(Evaluate(deep).startsWith("error:Error in expression : "));
    QString chain = QStringLiteral("1");
    for (int i = 0; i < 3000; ++i)
        chain += QStringLiteral("+1");
    EXPECT_TRUE(Evaluate(chain).startsWith("error:"));
    EXPECT_EQ(Evaluate(QString(20, u'(') + u'1' + QString(20, u')')), "int:1");
}

TEST(Evaluator, AnEvaluatorPreparedAgainReplacesItsExpression)
{
    TRpEvaluator ev;
    ev.Prepare("1+1");
    EXPECT_EQ(ShowResult(ev.Value()), "int:2");
    EXPECT_EQ(ShowResult(ev.Value()), "int:2");
    ev.Prepare("'x'");
    EXPECT_EQ(ShowResult(ev.Value()), "string:x");
    EXPECT_FALSE(ev.IsAggregate());
    ev.Prepare("1 + SUM(2)");
    EXPECT_TRUE(ev.IsAggregate());
}
