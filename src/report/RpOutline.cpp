#include "report/RpOutline.h"

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
