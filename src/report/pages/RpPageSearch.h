#pragma once

#include <QString>

class PagePicture;

// True when one text of the page holds the text. Without matchCase both are
// compared in the upper case of the current locale, so Polish letters match
// their capitals.
bool SearchPageText(const QString &text, const PagePicture &page, bool matchCase);
