#pragma once

#include <QString>
#include <vector>

// Scanning of expression text shared by the parser's levels, its operator
// swaps and the argument splitter.
namespace RpEvScan {

// True for each character at nesting depth 0, outside string literals and
// outside bracketed names. A quote toggles a string except inside brackets.
std::vector<bool> TopLevel(const QString &text);

bool IsNameChar(QChar c);

enum class Sign { Binary, Unary, Exponent };
// The role of the '+' or '-' at index i: unary at the start of the text, after
// an operator or after the words AND, OR and NOT; part of a number after the E
// of a number literal; otherwise an operator.
Sign SignRole(const QString &text, int i);

struct Split {
    int pos = -1; // -1: no operator
    int length = 0;
    int code = 0;
};
// The first operator of a level, never at the first or the last character.
Split FirstComparison(const QString &text, const std::vector<bool> &top);
Split FirstAdditive(const QString &text, const std::vector<bool> &top);       // + - OR
Split FirstMultiplicative(const QString &text, const std::vector<bool> &top); // * / AND

// Exchanges two operator characters at depth 0 (for '+'/'-' only operator signs).
QString Swap(const QString &text, QChar a, QChar b);

// Arguments split at top-level commas; the last character never splits.
std::vector<QString> SplitArguments(const QString &text);

} // namespace RpEvScan
