#include "report/expr/RpEvEnvironment.h"

#include "report/expr/RpEvElements.h"
#include "report/expr/RpMask.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

// Set while an environment unprepares its variables: their evaluators then
// leave the global environment's count alone instead of recursing into it.
bool unprepareInProgress = false;

struct InProgress {
    bool saved = unprepareInProgress;
    InProgress() { unprepareInProgress = true; }
    ~InProgress() { unprepareInProgress = saved; }
};

QString Quoted(const QString &text)
{
    return u'\'' + text + u'\'';
}

} // namespace

namespace {

// Marks a variable as being walked for as long as the scope lasts.
struct InUseScope {
    explicit InUseScope(bool &flag) : flag_(flag) { flag_ = true; }
    ~InUseScope() { flag_ = false; }
    bool &flag_;
};

} // namespace

TRpEvResult TRpEvEmbeddedFunction::Value()
{
    if (InUse)
        return TRpEvResult::Error(QStringLiteral("Recursive calls not allowed"));
    if (!Evaluator.Prepared())
        return TRpEvResult::Error(QStringLiteral("Evaluator not prepared"));
    const InUseScope scope(InUse);
    return Evaluator.Value();
}

void TRpEvEmbeddedFunction::Reset()
{
    // A variable whose expression names itself would otherwise reset itself
    // without end and overflow the stack.
    if (InUse)
        return;
    const InUseScope scope(InUse);
    Evaluator.Reset();
}

TRpEvEnvironment::TRpEvEnvironment() = default;

TRpEvEnvironment::~TRpEvEnvironment()
{
    Clear();
}

bool TRpEvEnvironment::IsGlobal() const
{
    return this == &GlobalEnvironment();
}

void TRpEvEnvironment::PrepareLine(Line &line)
{
    TRpEvaluator &ev = line.function->Evaluator;
    ev.SetDataSets(&DataSets());
    ev.SetEnvironment(this);
    ev.Prepare(line.function->Expression);
}

void TRpEvEnvironment::AddFunction(const QString &name, const QString &expression)
{
    if (IndexOf(name) >= 0)
        return;
    entries_.push_back(Line{name.toUpper(), std::make_shared<TRpEvEmbeddedFunction>(expression)});
    if (IsPrepared())
        PrepareLine(entries_.back());
}

void TRpEvEnvironment::DeleteFunction(const QString &name)
{
    const int i = IndexOf(name);
    if (i < 0)
        return;
    const InProgress guard;
    entries_.erase(entries_.begin() + i);
}

void TRpEvEnvironment::Clear()
{
    const InProgress guard;
    entries_.clear();
}

std::unique_ptr<TRpEvElement> TRpEvEnvironment::FindEntry(const QString &name)
{
    const int i = IndexOf(name);
    if (i < 0)
        return std::make_unique<TRpEvElementError>(QStringLiteral("Unknown function : %1").arg(name));
    return std::make_unique<TRpEvElementWrapper>(entries_[size_t(i)].function, name);
}

TRpEvResult TRpEvEnvironment::EntryValue(const QString &name)
{
    const int i = IndexOf(name);
    if (i < 0)
        return TRpEvResult::Error(QStringLiteral("Unknown function : %1").arg(name));
    return entries_[size_t(i)].function->Value();
}

void TRpEvEnvironment::PrepareEnvironment()
{
    if (++prepareCount_ != 1)
        return;
    for (Line &line : entries_)
        PrepareLine(line);
}

void TRpEvEnvironment::UnprepareEnvironment()
{
    if (prepareCount_ == 0 || (unprepareInProgress && IsGlobal()))
        return;
    const InProgress guard;
    if (--prepareCount_ == 0)
        for (Line &line : entries_)
            line.function->Evaluator.Unprepare();
}

int TRpEvEnvironment::IndexOf(const QString &name) const
{
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

QString TRpEvEnvironment::Name(int index) const
{
    return entries_.at(size_t(index)).name;
}

QString TRpEvEnvironment::Expression(int index) const
{
    return entries_.at(size_t(index)).function->Expression;
}

TRpEvEmbeddedFunction *TRpEvEnvironment::Entry(int index) const
{
    return entries_.at(size_t(index)).function.get();
}

void TRpEvEnvironment::SetName(int index, const QString &name)
{
    entries_.at(size_t(index)).name = name.toUpper();
}

bool TRpEvEnvironment::ReplaceExpression(int index, const QString &expression)
{
    if (IsPrepared())
        return false;
    entries_.at(size_t(index)).function = std::make_shared<TRpEvEmbeddedFunction>(expression);
    return true;
}

QStringList TRpEvEnvironment::Names() const
{
    QStringList names;
    for (const Line &line : entries_)
        names << line.name;
    return names;
}

QStringList TRpEvEnvironment::Data() const
{
    QStringList data;
    for (const Line &line : entries_)
        data << line.function->Expression;
    return data;
}

void TRpEvEnvironment::SetData(const QStringList &names, const QStringList &expressions)
{
    Clear();
    for (qsizetype i = 0; i < names.size(); ++i)
        AddFunction(names[i], i < expressions.size() ? expressions[i] : QString());
}

namespace {

// The program's start and name as quoted literals; set again when the engine starts.
void SetStartValues(TRpEvEnvironment &env, const QDateTime &start)
{
    const std::pair<QString, QString> values[] = {
        {QStringLiteral("AppStartTime"), LocaleTimeText(start.time())},
        {QStringLiteral("AppStartDate"), LocaleDateText(start.date())},
        {QStringLiteral("AppName"), QCoreApplication::applicationName()},
    };
    for (const auto &[name, text] : values) {
        const int i = env.IndexOf(name);
        if (i < 0) {
            env.AddFunction(name, Quoted(text));
        } else if (!env.ReplaceExpression(i, Quoted(text))) {
            // Prepared (an evaluator is alive): the literal changes in place.
            env.Entry(i)->Expression = Quoted(text);
            SetStringConstant(GetConstant(env, name), text);
        }
    }
}

} // namespace

// Made on first use and kept for the whole process: evaluators anywhere may
// still unprepare against it while static objects are destroyed.
TRpEvEnvironment &GlobalEnvironment()
{
    static TRpEvEnvironment *environment = [] {
        auto *env = new TRpEvEnvironment;
        SetStartValues(*env, QDateTime::currentDateTime());
        return env;
    }();
    return *environment;
}

void SetApplicationStart(const QDateTime &start)
{
    SetStartValues(GlobalEnvironment(), start);
}

TRpEvElement *GetConstant(TRpEvEnvironment &environment, const QString &name)
{
    const int i = environment.IndexOf(name);
    return i < 0 ? nullptr : environment.Entry(i)->Evaluator.FirstElement();
}

void SetIntegerConstant(TRpEvElement *element, qint32 value)
{
    if (auto *c = dynamic_cast<TRpEvElementConstant *>(element))
        c->SetResult(TRpEvResult::Integer(value));
}

void SetStringConstant(TRpEvElement *element, const QString &text)
{
    if (auto *s = dynamic_cast<TRpEvElementString *>(element))
        s->SetText(text);
}

void SetConstant(TRpEvElement *element, const TRpEvResult &value)
{
    if (auto *c = dynamic_cast<TRpEvElementConstant *>(element))
        c->SetResult(value);
    else if (value.Kind == rpvString)
        SetStringConstant(element, value.StringValue);
}
