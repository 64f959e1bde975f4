#include "EvalSupport.h"

#include "report/expr/RpEvElements.h"
#include "report/expr/RpEvEnvironment.h"

#include <gtest/gtest.h>

TEST(Environment, VariablesAreFoundByNameInAnyLetterCase)
{
    TRpEvEnvironment env;
    env.AddFunction("Rate", "2 * 3");
    env.AddFunction("rate", "100"); // an existing name keeps its expression
    env.AddFunction("Label", "'x' + STR(RATE)");
    ASSERT_EQ(env.Count(), 2);
    EXPECT_EQ(env.Name(0), "RATE");
    EXPECT_EQ(env.Expression(0), "2 * 3");
    env.PrepareEnvironment();
    TRpEvaluator ev;
    ev.SetEnvironment(&env);
    EXPECT_EQ(ShowResult(ev.Calculate("rate + 1")), "int:7");
    EXPECT_EQ(ShowResult(ev.Calculate("[label]")), "string:x6");
    EXPECT_EQ(ShowResult(env.EntryValue("Label")), "string:x6");
    EXPECT_EQ(ShowResult(env.EntryValue("none")), "error:Unknown function : none");

    // added while prepared: usable at once
    env.AddFunction("A-B", "3");
    EXPECT_EQ(ShowResult(ev.Calculate("10 - [A-B] + 1")), "int:8");
    env.DeleteFunction("a-b");
    env.DeleteFunction("absent");
    EXPECT_EQ(ShowResult(ev.Calculate("[A-B]")), "error:Unknown function : A-B");
    env.UnprepareEnvironment();
    EXPECT_FALSE(env.IsPrepared());
}

TEST(Environment, AVariableThatReachesItselfIsAnErrorNotARecursion)
{
    TRpEvEnvironment env;
    env.AddFunction("A", "B + 1");
    env.AddFunction("B", "A + 1");
    env.AddFunction("C", "C");
    env.PrepareEnvironment();
    EXPECT_EQ(ShowResult(env.EntryValue("A")), "error:Recursive calls not allowed");
    EXPECT_EQ(ShowResult(env.EntryValue("C")), "error:Recursive calls not allowed");
    EXPECT_EQ(ShowResult(env.EntryValue("C")), "error:Recursive calls not allowed");
    // Resetting such variables ends too, and they still evaluate afterwards.
    env.Entry(env.IndexOf("A"))->Reset();
    env.Entry(env.IndexOf("C"))->Reset();
    EXPECT_EQ(ShowResult(env.EntryValue("B")), "error:Recursive calls not allowed");
    env.UnprepareEnvironment();
    EXPECT_EQ(ShowResult(env.EntryValue("A")), "error:Evaluator not prepared");
}

TEST(Environment, ConstantsOfLiteralVariablesChangeWithoutPreparingAgain)
{
    TRpEvEnvironment env;
    env.AddFunction("PAGENUMBER", "1");
    env.AddFunction("REPORTTITLE", "''");
    env.AddFunction("SUM2", "1 + 1");
    EXPECT_EQ(GetConstant(env, "PAGENUMBER"), nullptr); // not prepared yet
    env.PrepareEnvironment();
    TRpEvaluator ev;
    ev.SetEnvironment(&env);
    ev.Prepare("REPORTTITLE + ' ' + STR(PAGENUMBER)");
    SetIntegerConstant(GetConstant(env, "pagenumber"), 12);
    SetStringConstant(GetConstant(env, "REPORTTITLE"), "Log");
    EXPECT_EQ(ShowResult(ev.Value()), "string:Log 12");
    SetConstant(GetConstant(env, "REPORTTITLE"), TRpEvResult::String("Dziennik"));
    SetConstant(GetConstant(env, "PAGENUMBER"), TRpEvResult::Float(2.5));
    EXPECT_EQ(ShowResult(ev.Value()), "string:Dziennik 2.5");
    // elements of another class stay as they are
    SetIntegerConstant(GetConstant(env, "SUM2"), 7);
    SetIntegerConstant(GetConstant(env, "REPORTTITLE"), 7);
    EXPECT_EQ(ShowResult(env.EntryValue("SUM2")), "int:2");
    EXPECT_EQ(GetConstant(env, "NONE"), nullptr);
    ev.Unprepare();
    env.UnprepareEnvironment();
}

TEST(Environment, TheGlobalEnvironmentNamesTheApplicationAndItsStart)
{
    TRpEvEnvironment &global = GlobalEnvironment();
    EXPECT_GE(global.IndexOf("APPSTARTTIME"), 0);
    EXPECT_GE(global.IndexOf("AppStartDate"), 0);
    EXPECT_GE(global.IndexOf("APPNAME"), 0);
    EXPECT_EQ(Evaluate("TYPEOF(AppStartDate)"), "string:STRING");
    global.AddFunction("TESTGLOBAL", "40 + 2");
    TRpEvEnvironment local;
    local.AddFunction("LOCALONLY", "TESTGLOBAL + 1");
    local.PrepareEnvironment();
    TRpEvaluator ev;
    ev.SetEnvironment(&local);
    EXPECT_EQ(ShowResult(ev.Calculate("LOCALONLY")), "int:43");
    EXPECT_EQ(Evaluate("TESTGLOBAL"), "int:42");
    local.UnprepareEnvironment();
    global.DeleteFunction("TESTGLOBAL");
    EXPECT_EQ(Evaluate("TESTGLOBAL"), "error:Unknown function : TESTGLOBAL");
}

TEST(Environment, StoredDataGivesBackTheSameVariables)
{
    TRpEvEnvironment env;
    env.AddFunction("X", "1");
    env.AddFunction("Y", "X * 2");
    TRpEvEnvironment copy;
    copy.SetData(env.Names(), env.Data());
    EXPECT_EQ(copy.Names(), QStringList({"X", "Y"}));
    EXPECT_EQ(copy.Data(), QStringList({"1", "X * 2"}));
    copy.SetName(1, "z");
    EXPECT_TRUE(copy.ReplaceExpression(1, "X + 5"));
    copy.PrepareEnvironment();
    EXPECT_FALSE(copy.ReplaceExpression(1, "0"));
    EXPECT_EQ(ShowResult(copy.EntryValue("Z")), "int:6");
    copy.UnprepareEnvironment();
}

TEST(Environment, FieldsOfDatasetsReadWithTheirKinds)
{
    MemoryRows log;
    log.setObjectName("Log");
    log.AddField("STACJA", FieldType::String, 20);
    log.AddField("NOTATKI", FieldType::String, 40);
    log.AddField("ITU", FieldType::Smallint);
    log.AddField("MOC", FieldType::Float);
    log.AddField("QSL", FieldType::Boolean);
    log.AddField("DATA", FieldType::DateTime);
    log.AddField("BIG", FieldType::Largeint);
    log.AddField("OPIS", FieldType::Memo);
    log.Open();
    log.Append();
    log.FieldByName("STACJA")->SetAsString("SP9ABC");
    log.FieldByName("NOTATKI")->SetAsString("tnx");
    log.FieldByName("ITU")->SetAsInteger(28);
    log.FieldByName("MOC")->SetAsFloat(2.5);
    log.FieldByName("QSL")->SetAsBoolean(true);
    log.FieldByName("DATA")->SetAsDateTime(DateTime::fromDate(2024, 5, 1, 12, 30));
    log.FieldByName("BIG")->SetAsLargeInt(5000000000LL);
    log.Post();

    MemoryRows other;
    other.setObjectName("Other");
    other.AddField("STACJA", FieldType::String, 20);
    other.Open();
    other.Append();
    other.FieldByName("STACJA")->SetAsString("DL1ABC");
    other.Post();

    TRpDataSetList sets{&log, &other};
    TRpEvaluator ev;
    ev.SetDataSets(&sets);
    const EvalCase cases[] = {
        {"STACJA", "string:SP9ABC"},
        {"other.stacja", "string:DL1ABC"},
        {"Log.STACJA + '/P'", "string:SP9ABC/P"},
        {"NOTATKI", "string:tnx"},
        {"ITU * 2", "int:56"},
        {"MOC", "float:2.5"},
        {"not QSL", "bool:false"},
        {"DATA", "string:2024-05-01 12:30:00"},
        {"BIG", "float:5000000000"},
        {"OPIS", "error:Field OPIS is of unknown type"},
        {"Nowhere.STACJA", "error:Unknown function : Nowhere.STACJA"},
        {"[Log.ITU] + 1", "int:29"},
    };
    for (const EvalCase &c : cases)
        EXPECT_EQ(ShowResult(ev.Calculate(QString::fromUtf8(c.expression))), QString::fromUtf8(c.expected))
            << c.expression;

    // A prepared expression follows the current record and survives a close.
    ev.Prepare("ITU");
    log.Edit();
    log.FieldByName("ITU")->SetAsInteger(29);
    log.Post();
    EXPECT_EQ(ShowResult(ev.Value()), "int:29");
    log.Close();
    EXPECT_EQ(ShowResult(ev.Value()), "int:0");
}
