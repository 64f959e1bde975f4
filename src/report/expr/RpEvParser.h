#pragma once

#include <QString>

class TRpEvaluator;
class TRpFiFo;

// Parses an expression into the queue, in prefix order. Syntax errors become
// error elements. Names resolve against the evaluator's datasets and
// environment, then the global environment.
void ParseRpExpression(const QString &text, TRpFiFo &queue, TRpEvaluator &evaluator);
