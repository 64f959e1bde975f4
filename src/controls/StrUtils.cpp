#include "controls/StrUtils.h"

int Max(int a, int b)
{
    return a > b ? a : b;
}
int Min(int a, int b)
{
    return a < b ? a : b;
}

QString ReplaceAll(const QString &text, const QString &search, const QString &replacement)
{
    if (search.isEmpty())
        return text;
    QString result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(search, from);
        if (at < 0)
            break;
        result += QStringView(text).mid(from, at - from);
        result += replacement;
        from = at + search.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

QString DeleteChar(QString text, QChar c)
{
    text.remove(c);
    return text;
}

QString TrimLeftBlanks(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}

QString TrimRightBlanks(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return text.left(n);
}

QString TrimBlanks(const QString &text)
{
    return TrimRightBlanks(TrimLeftBlanks(text));
}

QString FillString(QChar c, int count)
{
    return count < 1 ? QString() : QString(count, c);
}

int NthWordPos(int n, const QString &text, const QString &delimiters)
{
    int word = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && delimiters.contains(text[i]))
            ++i;
        if (i >= text.size())
            break;
        if (++word == n)
            return int(i) + 1;
        while (i < text.size() && !delimiters.contains(text[i]))
            ++i;
    }
    return 0;
}

QString NthWord(int n, const QString &text, const QString &delimiters)
{
    const int pos = NthWordPos(n, text, delimiters);
    if (pos == 0)
        return {};
    qsizetype end = pos - 1;
    while (end < text.size() && !delimiters.contains(text[end]))
        ++end;
    return text.mid(pos - 1, end - (pos - 1));
}
