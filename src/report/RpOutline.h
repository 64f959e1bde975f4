#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <cstdint>

// One entry of a report's outline. Rect holds left, top, right and bottom.
struct TRpOutlineEntry {
    QString Caption; // at most 51 characters
    int32_t Level = 0;
    QRect Rect;
    int32_t Page = 0;
    int32_t Id = 0;
};

// The outline entries of a page list; the preview shows them as a tree.
class TRpOutline {
public:
    static constexpr int MaxCaption = 51;

    // The caption is cut to MaxCaption characters.
    void Add(TRpOutlineEntry entry);
    void Clear() { entries_.clear(); }
    int Count() const { return int(entries_.size()); }
    const TRpOutlineEntry &Entry(int index) const { return entries_.at(index); }
    const QList<TRpOutlineEntry> &Entries() const { return entries_; }

    struct Target {
        QRect Rect;
        int32_t Page = 0;
    };
    // The rectangle and page of the entry with that identifier; an empty
    // rectangle and page 0 when there is none.
    Target Find(int32_t id) const;

private:
    QList<TRpOutlineEntry> entries_;
};
