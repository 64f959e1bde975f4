#pragma once

#include "report/expr/RpEvaluator.h"

#include <QString>
#include <QStringList>

class TRpEvEnvironment;

// What the expression builder composes and checks, apart from its widgets.

// The expression with every line break removed.
QString RemoveLineBreaks(const QString &text);

// The message of a check of the expression: "ERROR: " and the error, or the
// result as text. Both environments are prepared for the check and
// unprepared afterwards; the evaluator sees the datasets and the report's
// environment (which may be null).
QString ValidateExpression(const QString &expression, TRpDataSetList &dataSets,
                           TRpEvEnvironment *reportEnvironment);

// Names of the library's functions of a category (0 lists them all), in
// registration order.
QStringList FunctionsOfCategory(int category);
// Syntax text and explanation of a library entry's description.
QString FunctionSyntax(const QString &description);
QString FunctionExplanation(const QString &description);
// The argument letters of a function (its code without the category digit).
QString FunctionArguments(const QString &name);
// "Argument %d - ..." for an argument letter, numbered from 1.
QString ArgumentCaption(QChar letter, int number);
// The call as inserted: NAME(a,b) or, without arguments, NAME.
QString FunctionCallText(const QString &name, const QStringList &arguments);
