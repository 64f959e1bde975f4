#pragma once

#include <QRect>
#include <QString>
#include <functional>

// A link on a page: the area it covers and its text.
struct TRpHyperlink {
    QRect Rect;
    QString Link;
};

// What happens to a link in the preview.
enum TRpHyperlinkEventType { heCursorMoveOver, heCursorMoveAway, heGoto, heGotoNewWindow };

// Receives the rest of a link after the handler's prefix.
using TRpHyperlinkHandler = std::function<void(const QString &rest)>;

namespace RpHyperlinks {

// Adds a handler for links that begin with the prefix; the handler
// registered first wins when several prefixes fit.
void RegisterHandler(const QString &prefix, TRpHyperlinkHandler handler);
void UnregisterHandler(const QString &prefix);

// Gives the link to the first handler whose prefix begins it; false when
// none does.
bool Dispatch(const QString &link);

// Follows a link: "EXT:" (any case) opens the rest outside the program;
// "INT:" (any case) hands the rest to the handlers; any other link goes to
// the handlers and, when none takes it, is opened outside.
void Follow(const QString &link, const std::function<void(const QString &target)> &openExternal);

}
