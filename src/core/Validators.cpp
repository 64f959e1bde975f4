#include "core/Validators.h"

namespace {

bool inRange(QChar c, char first, char last)
{
    return c.unicode() >= char16_t(first) && c.unicode() <= char16_t(last);
}

bool isAsciiDigit(QChar c)
{
    return inRange(c, '0', '9');
}

} // namespace

bool IsValidLocator(const QString &text)
{
    const QString s = text.trimmed().toUpper();
    if (s.isEmpty())
        return true;
    if (s.size() != 4 && s.size() != 6)
        return false;
    if (!inRange(s[0], 'A', 'R') || !inRange(s[1], 'A', 'R') || !isAsciiDigit(s[2]) || !isAsciiDigit(s[3]))
        return false;
    return s.size() == 4 || (inRange(s[4], 'A', 'X') && inRange(s[5], 'A', 'X'));
}

bool IsValidReport(const QString &text)
{
    return text.isEmpty() || text.size() >= 2;
}

bool IsValidIota(const QString &text)
{
    const QString s = text.trimmed().toUpper();
    if (s.isEmpty() || s == QLatin1String("-"))
        return true;
    return s.size() == 6 && inRange(s[0], 'A', 'Z') && inRange(s[1], 'A', 'Z') && s[2] == u'-' &&
           isAsciiDigit(s[3]) && isAsciiDigit(s[4]) && isAsciiDigit(s[5]);
}
