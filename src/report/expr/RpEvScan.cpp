#include "report/expr/RpEvScan.h"

namespace RpEvScan {

std::vector<bool> TopLevel(const QString &text)
{
    std::vector<bool> top(size_t(text.size()));
    bool inString = false, inBracket = false;
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        top[size_t(i)] = !inString && !inBracket && depth == 0;
        if (c == u'\'' && !inBracket)
            inString = !inString;
        else if (inString)
            continue;
        else if (c == u'[')
            inBracket = true;
        else if (c == u']')
            inBracket = false;
        else if (!inBracket && c == u'(')
            ++depth;
        else if (!inBracket && c == u')')
            --depth;
    }
    return top;
}

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether the E at index e ends the mantissa of a number literal ("1.5E").
bool EndsMantissa(const QString &text, int e)
{
    int k = e - 1;
    while (k >= 0 && (IsDigit(text[k]) || text[k] == u'.'))
        --k;
    if (k + 1 >= e || !IsDigit(text[k + 1]))
        return false;
    return k < 0 || !(IsNameChar(text[k]) || text[k] == u'.');
}

bool IsWordOperator(const QString &text, int end)
{
    int k = end;
    while (k >= 0 && text[k].isLetter())
        --k;
    if (k >= 0 && (IsNameChar(text[k]) || text[k] == u'.'))
        return false;
    const QString word = text.mid(k + 1, end - k).toLower();
    return word == u"and" || word == u"or" || word == u"not";
}

bool WordAt(const QString &text, int i, const char *word)
{
    const int n = int(qstrlen(word));
    if (i + n + 1 >= text.size() || text[i] != u' ' || text[i + n + 1] != u' ')
        return false;
    return text.mid(i + 1, n).compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

template <typename Match> Split FirstOperator(const QString &text, const std::vector<bool> &top, Match match)
{
    for (int i = 1; i + 1 < text.size(); ++i) {
        if (!top[size_t(i)])
            continue;
        const Split s = match(i);
        if (s.pos >= 0)
            return s;
    }
    return Split();
}

} // namespace

Sign SignRole(const QString &text, int i)
{
    int j = i - 1;
    while (j >= 0 && text[j].isSpace())
        --j;
    if (j < 0)
        return Sign::Unary;
    const QChar p = text[j];
    if (QStringView(u"+-*/<>=,(").contains(p))
        return Sign::Unary;
    if ((p == u'E' || p == u'e') && j == i - 1 && EndsMantissa(text, j))
        return Sign::Exponent;
    if (p.isLetter() && IsWordOperator(text, j))
        return Sign::Unary;
    return Sign::Binary;
}

Split FirstComparison(const QString &text, const std::vector<bool> &top)
{
    return FirstOperator(text, top, [&](int i) -> Split {
        const QChar c = text[i], next = text[i + 1];
        if (c == u'<')
            return next == u'>' ? Split{i, 2, 5} : next == u'=' ? Split{i, 2, 1} : Split{i, 1, 0};
        if (c == u'=')
            return Split{i, 1, 4};
        if (c == u'>')
            return next == u'=' ? Split{i, 2, 3} : Split{i, 1, 2};
        return Split();
    });
}

Split FirstAdditive(const QString &text, const std::vector<bool> &top)
{
    return FirstOperator(text, top, [&](int i) -> Split {
        const QChar c = text[i];
        if ((c == u'+' || c == u'-') && SignRole(text, i) == Sign::Binary)
            return Split{i, 1, c == u'+' ? 6 : 7};
        if (WordAt(text, i, "or"))
            return Split{i, 4, 8};
        return Split();
    });
}

Split FirstMultiplicative(const QString &text, const std::vector<bool> &top)
{
    return FirstOperator(text, top, [&](int i) -> Split {
        const QChar c = text[i];
        if (c == u'*' || c == u'/')
            return Split{i, 1, c == u'*' ? 9 : 10};
        if (WordAt(text, i, "and"))
            return Split{i, 5, 11};
        return Split();
    });
}

QString Swap(const QString &text, QChar a, QChar b)
{
    const std::vector<bool> top = TopLevel(text);
    const bool signs = a == u'+' || a == u'-';
    QString out = text;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!top[size_t(i)] || (c != a && c != b))
            continue;
        if (signs && SignRole(text, i) != Sign::Binary)
            continue;
        out[i] = c == a ? b : a;
    }
    return out;
}

std::vector<QString> SplitArguments(const QString &text)
{
    std::vector<QString> args;
    const std::vector<bool> top = TopLevel(text);
    int start = 0;
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (top[size_t(i)] && text[i] == u',') {
            args.push_back(text.mid(start, i - start));
            start = i + 1;
        }
    }
    args.push_back(text.mid(start));
    return args;
}

} // namespace RpEvScan
