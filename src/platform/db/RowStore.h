#pragma once

#include "platform/db/Field.h"

#include <cstdint>
#include <memory>
#include <vector>

// Rows of a dataset packed one heap block each: an 8-byte slot per field, a null
// bitmap, then the UTF-16 text of the string fields. A 24-column QSO row takes a
// few hundred bytes, so a log of 100,000 QSOs stays in tens of megabytes.
// Every row added gets the next id (the first one INT32_MIN + 1); ids are never
// reused until Clear.
class RowStore {
public:
    static constexpr qint64 NoId = INT32_MIN;

    void SetLayout(const std::vector<FieldType> &types);
    int SlotCount() const { return int(types_.size()); }
    FieldType SlotType(int slot) const { return types_[slot]; }

    int Count() const { return int(rows_.size()); }
    void Reserve(int n) { rows_.reserve(n); }
    int Insert(int pos, const std::vector<FieldValue> &values); // returns pos
    void Replace(int pos, const std::vector<FieldValue> &values);
    void Remove(int pos);
    void Clear();

    qint64 Id(int pos) const { return rows_[pos].id; }
    qint64 LastId() const { return lastId_; }
    int IndexOfId(qint64 id) const; // -1 when absent

    bool IsNull(int pos, int slot) const;
    qint64 Int(int pos, int slot) const;
    double Float(int pos, int slot) const;
    QString String(int pos, int slot) const;
    FieldValue Read(int pos, int slot) const;
    void ReadAll(int pos, std::vector<FieldValue> &out) const;

private:
    struct Row {
        int32_t id;
        std::unique_ptr<uint8_t[]> data;
    };
    std::unique_ptr<uint8_t[]> Pack(const std::vector<FieldValue> &values) const;
    const uint8_t *Slot(int pos, int slot) const { return rows_[pos].data.get() + slot * 8; }

    std::vector<FieldType> types_;
    int bitmapBytes_ = 0;
    int textStart_ = 0;
    std::vector<Row> rows_;
    int32_t lastId_ = INT32_MIN;
};
