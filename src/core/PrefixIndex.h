#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// Call sign to country by the longest prefix of the upper-cased call sign that
// is in the prefix table, held in memory. Prefixes compare ignoring case; a
// prefix listed for two countries resolves to the one given first.
class PrefixIndex {
public:
    struct Entry {
        QString Prefix;
        int32_t KrajId = 0;
    };
    struct Match {
        int32_t KrajId = 0; // 0 when no prefix matches
        QString Prefix;     // the prefix as given, empty when none
    };

    PrefixIndex() = default;
    explicit PrefixIndex(const std::vector<Entry> &entries) { Build(entries); }

    // Replaces the contents; empty prefixes are ignored.
    void Build(const std::vector<Entry> &entries);
    void Clear();

    Match Resolve(QStringView call) const;
    int32_t KrajIdForCall(QStringView call) const;
    int Size() const { return count_; }

private:
    struct Node {
        int FirstChild = -1;
        int NextSibling = -1;
        char16_t Char = 0;
        int Entry = -1; // index into entries_, -1 when no prefix ends here
    };

    int child(int node, char16_t c) const;
    int addChild(int node, char16_t c);
    int deepestEntry(QStringView call) const;
    int deepestEntryOf(QStringView call, bool upperAscii) const;

    std::vector<Node> nodes_{Node{}};
    std::vector<Entry> entries_;
    int count_ = 0;
};
