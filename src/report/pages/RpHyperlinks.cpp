#include "report/pages/RpHyperlinks.h"

#include <QList>
#include <utility>

namespace RpHyperlinks {
namespace {

struct Handler {
    QString prefix;
    TRpHyperlinkHandler call;
};

QList<Handler> &handlers()
{
    static QList<Handler> list;
    return list;
}

}

void RegisterHandler(const QString &prefix, TRpHyperlinkHandler handler)
{
    handlers().append({prefix, std::move(handler)});
}

void UnregisterHandler(const QString &prefix)
{
    handlers().removeIf([&](const Handler &h) { return h.prefix == prefix; });
}

bool Dispatch(const QString &link)
{
    for (const Handler &h : handlers())
        if (link.startsWith(h.prefix)) {
            // A copy: the handler may change the list.
            const TRpHyperlinkHandler call = h.call;
            call(link.mid(h.prefix.size()));
            return true;
        }
    return false;
}

void Follow(const QString &link, const std::function<void(const QString &target)> &openExternal)
{
    static const QString external = QStringLiteral("EXT:"), internal = QStringLiteral("INT:");
    if (link.startsWith(external, Qt::CaseInsensitive))
        openExternal(link.mid(external.size()));
    else if (link.startsWith(internal, Qt::CaseInsensitive))
        Dispatch(link.mid(internal.size()));
    else if (!Dispatch(link))
        openExternal(link);
}

}
