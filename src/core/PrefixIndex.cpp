#include "core/PrefixIndex.h"

namespace {

bool isAscii(QStringView s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

char16_t asciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

} // namespace

void PrefixIndex::Clear()
{
    nodes_.assign(1, Node{});
    entries_.clear();
    count_ = 0;
}

void PrefixIndex::Build(const std::vector<Entry> &entries)
{
    Clear();
    for (const Entry &e : entries) {
        if (e.Prefix.isEmpty())
            continue;
        const QString key = e.Prefix.toUpper();
        int node = 0;
        for (QChar c : key)
            node = addChild(node, c.unicode());
        if (nodes_[node].Entry >= 0)
            continue; // the first country given for a prefix wins
        nodes_[node].Entry = int(entries_.size());
        entries_.push_back(e);
        ++count_;
    }
}

int PrefixIndex::child(int node, char16_t c) const
{
    for (int n = nodes_[node].FirstChild; n >= 0; n = nodes_[n].NextSibling)
        if (nodes_[n].Char == c)
            return n;
    return -1;
}

int PrefixIndex::addChild(int node, char16_t c)
{
    const int existing = child(node, c);
    if (existing >= 0)
        return existing;
    Node n;
    n.Char = c;
    n.NextSibling = nodes_[node].FirstChild;
    nodes_.push_back(n);
    const int id = int(nodes_.size()) - 1;
    nodes_[node].FirstChild = id;
    return id;
}

int PrefixIndex::deepestEntry(QStringView call) const
{
    // Call signs are ASCII: upper-case them on the fly, without an allocation.
    if (!isAscii(call)) {
        const QString upper = call.toString().toUpper();
        return deepestEntryOf(upper, false);
    }
    return deepestEntryOf(call, true);
}

int PrefixIndex::deepestEntryOf(QStringView call, bool upperAscii) const
{
    int node = 0;
    int found = -1;
    for (QChar c : call) {
        node = child(node, upperAscii ? asciiUpper(c.unicode()) : c.unicode());
        if (node < 0)
            break;
        if (nodes_[node].Entry >= 0)
            found = nodes_[node].Entry;
    }
    return found;
}

PrefixIndex::Match PrefixIndex::Resolve(QStringView call) const
{
    const int found = deepestEntry(call);
    if (found < 0)
        return {};
    return {entries_[found].KrajId, entries_[found].Prefix};
}

int32_t PrefixIndex::KrajIdForCall(QStringView call) const
{
    const int found = deepestEntry(call);
    return found < 0 ? 0 : entries_[found].KrajId;
}
