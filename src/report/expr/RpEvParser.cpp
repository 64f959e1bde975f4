#include "report/expr/RpEvParser.h"

#include "platform/db/DataSet.h"
#include "report/expr/RpEvElements.h"
#include "report/expr/RpEvEnvironment.h"
#include "report/expr/RpEvScan.h"
#include "report/expr/RpFunctions.h"

#include <QRegularExpression>
#include <cmath>

using namespace RpEvScan;

namespace {

// Deep enough for any expression a person writes; stops runaway recursion on
// machine-made text.
constexpr int MaxDepth = 200;

class Parser {
public:
    Parser(TRpFiFo &queue, TRpEvaluator &evaluator) : queue_(queue), evaluator_(evaluator) {}

    void Expression(const QString &text);

private:
    struct Level {
        explicit Level(int &depth) : depth_(depth) { ++depth_; }
        ~Level() { --depth_; }
        int &depth_;
    };

    bool TooDeep(const QString &text);
    void Simple(const QString &text) { Chain(text, true); }
    void Term(const QString &text) { Chain(text, false); }
    void Chain(const QString &text, bool additive);
    void Factor(const QString &text);
    void Number(const QString &text);
    void Name(const QString &text);
    void Variable(const QString &name);
    bool DataField(const QString &name);
    void Error(const QString &message) { queue_.Put(std::make_unique<TRpEvElementError>(message)); }
    void Operator(int code) { queue_.Put(std::make_unique<TRpEvElementOperator>(TRpEvOperator(code))); }

    TRpFiFo &queue_;
    TRpEvaluator &evaluator_;
    int depth_ = 0;
};

QString Missing(QChar c)
{
    return QStringLiteral("Missing %1").arg(c);
}

bool Parser::TooDeep(const QString &text)
{
    if (depth_ <= MaxDepth)
        return false;
    Error(QStringLiteral("Error in expression : %1").arg(text.trimmed()));
    return true;
}

void Parser::Expression(const QString &text)
{
    Level level(depth_);
    if (TooDeep(text))
        return;
    const Split s = FirstComparison(text, TopLevel(text));
    if (s.pos < 0)
        return Simple(text);
    Operator(s.code);
    Simple(text.left(s.pos));
    Simple(text.mid(s.pos + s.length));
}

// a - b + c reads as a - (b - c), and a / b * c as a / (b / c): the right
// part of a subtraction or division has its operators exchanged, so that the
// split at the first operator stays correct.
void Parser::Chain(const QString &text, bool additive)
{
    Level level(depth_);
    if (TooDeep(text))
        return;
    const std::vector<bool> top = TopLevel(text);
    const Split s = additive ? FirstAdditive(text, top) : FirstMultiplicative(text, top);
    if (s.pos < 0)
        return additive ? Term(text) : Factor(text);
    QString right = text.mid(s.pos + s.length);
    if (s.code == rpopSubtract)
        right = Swap(right, u'+', u'-');
    else if (s.code == rpopDivide)
        right = Swap(right, u'*', u'/');
    Operator(s.code);
    if (additive)
        Term(text.left(s.pos));
    else
        Factor(text.left(s.pos));
    Chain(right, additive);
}

void Parser::Factor(const QString &text)
{
    Level level(depth_);
    if (TooDeep(text))
        return;
    const QString t = text.trimmed();
    const int n = int(t.size());
    if (n >= 3 && t.left(3).compare(u"not", Qt::CaseInsensitive) == 0 && (n == 3 || !IsNameChar(t[3]))) {
        queue_.Put(std::make_unique<TRpEvElementNot>());
        return Simple(t.mid(3));
    }
    const QChar c = n > 0 ? t[0] : QChar();
    if (c >= u'0' && c <= u'9')
        return Number(t);
    if (c.isLetter())
        return Name(t);
    if (c == u'[') {
        if (n < 2 || t[n - 1] != u']')
            return Error(Missing(u']'));
        return Variable(t.mid(1, n - 2));
    }
    if (c == u'\'') {
        if (n < 2 || t[n - 1] != u'\'')
            return Error(Missing(u'\''));
        return queue_.Put(std::make_unique<TRpEvElementString>(t.mid(1, n - 2)));
    }
    if (c == u'(') {
        if (n < 2 || t[n - 1] != u')')
            return Error(Missing(u')'));
        return Expression(t.mid(1, n - 2));
    }
    if (c == u'+')
        return Factor(t.mid(1));
    if (c == u'-')
        return Simple(QStringLiteral("0-") + t.mid(1));
    Error(QStringLiteral("Error in expression : %1").arg(t));
}

void Parser::Number(const QString &text)
{
    int i = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    const int digits = i;
    while (i < text.size() &&
           ((text[i] >= u'0' && text[i] <= u'9') || QStringView(u"+-.Ee").contains(text[i])))
        ++i;
    const TRpEvResult illegal =
        TRpEvResult::Error(QStringLiteral("Illegal character in numeric contant \"%1\"").arg(text));
    if (i < text.size())
        return queue_.Put(std::make_unique<TRpEvElementError>(illegal.StringValue));
    if (i == digits) {
        bool ok = false;
        const qint32 v = text.toInt(&ok);
        if (ok)
            return queue_.Put(std::make_unique<TRpEvElementConstant>(TRpEvResult::Integer(v)));
    }
    static const QRegularExpression real(QStringLiteral("^[0-9]+(\\.[0-9]*)?([eE][+-]?[0-9]+)?$"));
    bool ok = real.match(text).hasMatch();
    const double v = ok ? text.toDouble(&ok) : 0;
    if (!ok || !std::isfinite(v))
        return queue_.Put(std::make_unique<TRpEvElementError>(illegal.StringValue));
    queue_.Put(std::make_unique<TRpEvElementConstant>(TRpEvResult::Float(v)));
}

void Parser::Name(const QString &text)
{
    const qsizetype open = text.indexOf(u'(');
    QString name = text, args;
    if (open >= 0) {
        name = text.endsWith(u')') ? text.left(open).trimmed() : QString();
        args = text.endsWith(u')') ? text.mid(open + 1, text.size() - open - 2) : QString();
    }
    const QString upper = name.toUpper();
    if (FunctionLibrary().Find(upper) != nullptr) {
        queue_.Put(CreateRpFunction(upper));
        if (!args.isEmpty())
            for (const QString &arg : SplitArguments(args))
                Expression(arg);
        return queue_.Put(std::make_unique<TRpEvElementArgumentEnd>());
    }
    if (!args.isEmpty())
        return Error(QStringLiteral("Unknown function : %1").arg(upper));
    Variable(name);
}

bool Parser::DataField(const QString &name)
{
    if (!evaluator_.HasDataSets())
        return false;
    const TRpDataSetList &sets = evaluator_.DataSets();
    const qsizetype dot = name.indexOf(u'.');
    if (dot > 0) {
        const QString setName = name.left(dot), fieldName = name.mid(dot + 1);
        for (DataSet *ds : sets) {
            if (ds == nullptr || ds->objectName().compare(setName, Qt::CaseInsensitive) != 0)
                continue;
            if (const Field *f = ds->FindField(fieldName)) {
                queue_.Put(std::make_unique<TRpEvElementDataField>(ds, f->FieldName()));
                return true;
            }
        }
        return false;
    }
    for (DataSet *ds : sets) {
        if (const Field *f = ds ? ds->FindField(name) : nullptr) {
            queue_.Put(std::make_unique<TRpEvElementDataField>(ds, f->FieldName()));
            return true;
        }
    }
    return false;
}

void Parser::Variable(const QString &name)
{
    if (DataField(name))
        return;
    std::unique_ptr<TRpEvElement> entry;
    if (evaluator_.Environment() != nullptr)
        entry = evaluator_.Environment()->FindEntry(name);
    if (entry == nullptr || dynamic_cast<TRpEvElementError *>(entry.get()) != nullptr)
        entry = GlobalEnvironment().FindEntry(name);
    queue_.Put(std::move(entry));
}

} // namespace

void ParseRpExpression(const QString &text, TRpFiFo &queue, TRpEvaluator &evaluator)
{
    Parser(queue, evaluator).Expression(text);
}
