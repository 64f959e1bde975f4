#include "report/pages/RpPageSearch.h"

#include "platform/print/PagePicture.h"

#include <QLocale>

bool SearchPageText(const QString &text, const PagePicture &page, bool matchCase)
{
    const QLocale locale;
    const QString needle = matchCase ? text : locale.toUpper(text);
    bool found = false;
    page.forEachText([&](const QString &s) {
        found = (matchCase ? s : locale.toUpper(s)).contains(needle);
        return !found;
    });
    return found;
}
