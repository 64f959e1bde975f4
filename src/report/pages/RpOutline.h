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

// A tree view that shows an outline; the windows library puts one over its
// tree widget, so the outline itself needs no widget.
class TRpOutlineView {
public:
    virtual ~TRpOutlineView() = default;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    virtual void Clear() = 0;
    // Adds the node of entry index under the node of entry parent (-1: at the top).
    virtual void AddNode(int index, int parent, const QString &caption, int32_t id) = 0;
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

    // The parent of every entry, as an entry index or -1 for a top node. An
    // entry hangs under the nearest entry before it with a smaller level, so
    // levels need not be consecutive (1, 3, 2 puts both 3 and 2 under 1) and an
    // entry with no smaller level before it is a top node.
    QList<int> Parents() const;

    // Clears the view shown so far (when it changes) and fills the new one,
    // if any, with one node per entry. The view is not owned; whoever frees
    // it attaches none first.
    void SetTreeView(TRpOutlineView *view);
    TRpOutlineView *TreeView() const { return view_; }

private:
    QList<TRpOutlineEntry> entries_;
    TRpOutlineView *view_ = nullptr;
};
