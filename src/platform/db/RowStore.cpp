#include "platform/db/RowStore.h"

#include <cstring>

void RowStore::SetLayout(const std::vector<FieldType> &types)
{
    Clear();
    types_ = types;
    bitmapBytes_ = int((types_.size() + 7) / 8);
    textStart_ = int(types_.size()) * 8 + bitmapBytes_;
    textStart_ += textStart_ & 1; // UTF-16 text needs an even offset
}

std::unique_ptr<uint8_t[]> RowStore::Pack(const std::vector<FieldValue> &values) const
{
    const int n = int(types_.size());
    qsizetype textChars = 0;
    for (int i = 0; i < n; ++i)
        if (IsStringType(types_[i]) && !values[i].null)
            textChars += values[i].s.size();
    const size_t bytes = size_t(textStart_) + size_t(textChars) * 2;
    std::unique_ptr<uint8_t[]> block(new uint8_t[bytes]);
    uint8_t *bitmap = block.get() + n * 8;
    std::memset(bitmap, 0, size_t(textStart_ - n * 8));
    uint32_t textPos = 0;
    for (int i = 0; i < n; ++i) {
        const FieldValue &v = values[i];
        uint8_t *slot = block.get() + i * 8;
        if (v.null) {
            std::memset(slot, 0, 8);
            continue;
        }
        bitmap[i >> 3] |= uint8_t(1u << (i & 7));
        if (IsStringType(types_[i])) {
            const uint32_t len = uint32_t(v.s.size());
            std::memcpy(slot, &textPos, 4);
            std::memcpy(slot + 4, &len, 4);
            std::memcpy(block.get() + textStart_ + textPos * 2, v.s.utf16(), len * 2);
            textPos += len;
        } else if (types_[i] == FieldType::Float) {
            std::memcpy(slot, &v.f, 8);
        } else {
            std::memcpy(slot, &v.i, 8);
        }
    }
    return block;
}

int RowStore::Insert(int pos, const std::vector<FieldValue> &values)
{
    if (pos < 0 || pos > Count())
        pos = Count();
    rows_.insert(rows_.begin() + pos, Row{++lastId_, Pack(values)});
    return pos;
}

void RowStore::Replace(int pos, const std::vector<FieldValue> &values)
{
    rows_[pos].data = Pack(values);
}

void RowStore::Remove(int pos)
{
    rows_.erase(rows_.begin() + pos);
    if (rows_.empty())
        lastId_ = INT32_MIN;
}

void RowStore::Clear()
{
    rows_.clear();
    rows_.shrink_to_fit();
    lastId_ = INT32_MIN;
}

int RowStore::IndexOfId(qint64 id) const
{
    for (int i = 0; i < Count(); ++i)
        if (rows_[i].id == id)
            return i;
    return -1;
}

bool RowStore::IsNull(int pos, int slot) const
{
    const uint8_t *bitmap = rows_[pos].data.get() + types_.size() * 8;
    return !(bitmap[slot >> 3] & (1u << (slot & 7)));
}

qint64 RowStore::Int(int pos, int slot) const
{
    qint64 v;
    std::memcpy(&v, Slot(pos, slot), 8);
    return v;
}

double RowStore::Float(int pos, int slot) const
{
    double v;
    std::memcpy(&v, Slot(pos, slot), 8);
    return v;
}

QString RowStore::String(int pos, int slot) const
{
    uint32_t off, len;
    std::memcpy(&off, Slot(pos, slot), 4);
    std::memcpy(&len, Slot(pos, slot) + 4, 4);
    if (len == 0)
        return QString();
    const uint8_t *text = rows_[pos].data.get() + textStart_ + off * 2;
    QString s(qsizetype(len), Qt::Uninitialized);
    std::memcpy(s.data(), text, len * 2);
    return s;
}

FieldValue RowStore::Read(int pos, int slot) const
{
    FieldValue v;
    if (IsNull(pos, slot))
        return v;
    v.null = false;
    if (IsStringType(types_[slot]))
        v.s = String(pos, slot);
    else if (types_[slot] == FieldType::Float)
        v.f = Float(pos, slot);
    else
        v.i = Int(pos, slot);
    return v;
}

void RowStore::ReadAll(int pos, std::vector<FieldValue> &out) const
{
    out.resize(types_.size());
    for (int i = 0; i < int(types_.size()); ++i)
        out[i] = Read(pos, i);
}
