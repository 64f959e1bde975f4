#include "report/pages/RpOutline.h"

void TRpOutline::Add(TRpOutlineEntry entry)
{
    entry.Caption.truncate(MaxCaption);
    entries_.append(std::move(entry));
}

TRpOutline::Target TRpOutline::Find(int32_t id) const
{
    for (const TRpOutlineEntry &entry : entries_)
        if (entry.Id == id)
            return {entry.Rect, entry.Page};
    return {};
}

QList<int> TRpOutline::Parents() const
{
    QList<int> parents;
    parents.reserve(entries_.size());
    // The entries that can still take children, their levels rising.
    QList<int> open;
    for (int i = 0; i < entries_.size(); ++i) {
        while (!open.isEmpty() && entries_.at(open.last()).Level >= entries_.at(i).Level)
            open.removeLast();
        parents.append(open.isEmpty() ? -1 : open.last());
        open.append(i);
    }
    return parents;
}

void TRpOutline::SetTreeView(TRpOutlineView *view)
{
    if (view_ && view_ != view)
        view_->Clear();
    view_ = view;
    if (!view_)
        return;
    view_->BeginUpdate();
    view_->Clear();
    const QList<int> parents = Parents();
    for (int i = 0; i < entries_.size(); ++i)
        view_->AddNode(i, parents.at(i), entries_.at(i).Caption, entries_.at(i).Id);
    view_->EndUpdate();
}
