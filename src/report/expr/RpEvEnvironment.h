#pragma once

#include "report/expr/RpEvaluator.h"

#include <QDateTime>
#include <QStringList>
#include <memory>
#include <vector>

// A variable of an environment: its expression with an evaluator of its own.
class TRpEvEmbeddedFunction {
public:
    explicit TRpEvEmbeddedFunction(const QString &expression) : Expression(expression) {}
    TRpEvResult Value(); // "Recursive calls not allowed" when it reaches itself
    void Reset();        // a variable that reaches itself is reset once

    QString Expression;
    TRpEvaluator Evaluator;
    bool InUse = false;
};

// Named variables (names in upper case), each an expression. There is one
// global environment and one per report.
class TRpEvEnvironment {
public:
    TRpEvEnvironment();
    ~TRpEvEnvironment();
    TRpEvEnvironment(const TRpEvEnvironment &) = delete;
    TRpEvEnvironment &operator=(const TRpEvEnvironment &) = delete;

    // Adds a variable unless the name exists (which keeps its old expression);
    // prepared at once when the environment is prepared.
    void AddFunction(const QString &name, const QString &expression);
    void DeleteFunction(const QString &name); // an absent name is ignored
    void Clear();

    // A wrapper around the named variable, or an error element with
    // "Unknown function : %s".
    std::unique_ptr<TRpEvElement> FindEntry(const QString &name);
    TRpEvResult EntryValue(const QString &name);

    void PrepareEnvironment();
    void UnprepareEnvironment();
    bool IsPrepared() const { return prepareCount_ > 0; }

    int Count() const { return int(entries_.size()); }
    int IndexOf(const QString &name) const; // letter case ignored; -1 when absent
    QString Name(int index) const;
    QString Expression(int index) const;
    TRpEvEmbeddedFunction *Entry(int index) const;
    void SetName(int index, const QString &name); // stored in upper case
    // A new variable body; refused (false) while the environment is prepared.
    bool ReplaceExpression(int index, const QString &expression);

    // The stored form: names, and the expressions one a line in the same order.
    QStringList Names() const;
    QStringList Data() const;
    void SetData(const QStringList &names, const QStringList &expressions);

    TRpDataSetList &DataSets() { return dataSets_.List(); }
    void SetDataSets(TRpDataSetList *list) { dataSets_.Set(list); }

private:
    struct Line {
        QString name;
        std::shared_ptr<TRpEvEmbeddedFunction> function;
    };
    void PrepareLine(Line &line);
    bool IsGlobal() const;

    std::vector<Line> entries_;
    TRpDataSetSlot dataSets_;
    int prepareCount_ = 0;
};

// The process-wide environment, made on first use with the variables
// APPSTARTTIME, APPSTARTDATE and APPNAME.
TRpEvEnvironment &GlobalEnvironment();
// Gives APPSTARTTIME and APPSTARTDATE the program's start (and APPNAME the
// application's name now); made at start-up, not by the first report.
void SetApplicationStart(const QDateTime &start);

// Fast updates of variables whose expression is a single literal (page number,
// report title). GetConstant gives the first element of the named variable's
// prepared expression, or null; the setters change constant and string
// elements and leave any other element as it is.
TRpEvElement *GetConstant(TRpEvEnvironment &environment, const QString &name);
void SetIntegerConstant(TRpEvElement *element, qint32 value);
void SetStringConstant(TRpEvElement *element, const QString &text);
void SetConstant(TRpEvElement *element, const TRpEvResult &value);
