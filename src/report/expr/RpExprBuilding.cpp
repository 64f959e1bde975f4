#include "report/expr/RpExprBuilding.h"

#include "report/expr/RpEvEnvironment.h"
#include "report/expr/RpFunctions.h"

#include <exception>

QString RemoveLineBreaks(const QString &text)
{
    QString out = text;
    out.remove(QLatin1Char('\r'));
    out.remove(QLatin1Char('\n'));
    return out;
}

QString ValidateExpression(const QString &expression, TRpDataSetList &dataSets,
                           TRpEvEnvironment *reportEnvironment)
{
    // Unprepared on every way out, also when the evaluation throws.
    struct Prepared {
        TRpEvEnvironment *local;
        explicit Prepared(TRpEvEnvironment *env) : local(env)
        {
            GlobalEnvironment().PrepareEnvironment();
            if (local)
                local->PrepareEnvironment();
        }
        ~Prepared()
        {
            if (local)
                local->UnprepareEnvironment();
            GlobalEnvironment().UnprepareEnvironment();
        }
    } prepared(reportEnvironment);

    TRpEvaluator evaluator;
    evaluator.SetDataSets(&dataSets);
    evaluator.SetEnvironment(reportEnvironment);
    try {
        const TRpEvResult result = evaluator.Calculate(RemoveLineBreaks(expression));
        if (result.IsError())
            return QStringLiteral("ERROR: ") + result.StringValue;
        return QStringLiteral("There are no errors. The result is : ") + ResultToText(result);
    } catch (const std::exception &e) {
        return QStringLiteral("ERROR: ") + QString::fromStdString(e.what());
    }
}

QStringList FunctionsOfCategory(int category)
{
    const TRpFunctionLibrary &library = FunctionLibrary();
    QStringList names;
    const QString digit = QString::number(category);
    for (int i = 0; i < library.Count(); ++i) {
        const TRpLibraryEntry &entry = library.Entry(i);
        if (category == 0 || entry.ArgCode.startsWith(digit))
            names << entry.Name;
    }
    return names;
}

QString FunctionSyntax(const QString &description)
{
    return description.section(QLatin1Char('|'), 0, 0);
}

QString FunctionExplanation(const QString &description)
{
    return description.section(QLatin1Char('|'), 1);
}

QString FunctionArguments(const QString &name)
{
    const TRpLibraryEntry *entry = FunctionLibrary().Find(name);
    return entry ? entry->ArgCode.mid(1) : QString();
}

QString ArgumentCaption(QChar letter, int number)
{
    const char *text = "Argument %1 - value";
    switch (letter.unicode()) {
    case 'N': text = "Argument %1 - numeric value"; break;
    case 'B': text = "Argument %1 - logical value"; break;
    case 'S': text = "Argument %1 - text Value"; break;
    default: break;
    }
    return QString::fromLatin1(text).arg(number);
}

QString FunctionCallText(const QString &name, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return name;
    return name + QLatin1Char('(') + arguments.join(QLatin1Char(',')) + QLatin1Char(')');
}
