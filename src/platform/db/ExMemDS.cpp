#include "platform/db/ExMemDS.h"

namespace {

bool IsSupported(FieldType type)
{
    switch (type) {
    case FieldType::String:
    case FieldType::FixedChar:
    case FieldType::Smallint:
    case FieldType::Integer:
    case FieldType::Largeint:
    case FieldType::Float:
    case FieldType::Boolean:
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime:
    case FieldType::AutoInc: return true;
    default: return IsBlobType(type);
    }
    return false;
}

} // namespace

TExMemoryData::TExMemoryData(QObject *parent) : DataSet(parent) {}

TExMemoryData::~TExMemoryData()
{
    Close();
}

void TExMemoryData::InternalOpen()
{
    BindDeclaredFields();
    for (Field *f : DataFields()) {
        if (!IsSupported(f->DataType()))
            throw DbError(QStringLiteral("Field '%1' is of an unknown type").arg(f->DisplayLabel()));
    }
}

void TExMemoryData::InternalClose()
{
    autoInc_ = 1;
}

void TExMemoryData::InitNewRecord()
{
    if (capacity_ > 0 && Store().Count() == 0)
        Store().Reserve(capacity_);
}

void TExMemoryData::InternalPost(bool inserting)
{
    std::vector<FieldValue> &buffer = EditBuffer();
    const std::vector<Field *> &fields = DataFields();
    bool hasAutoInc = false;
    for (size_t slot = 0; slot < fields.size(); ++slot) {
        FieldValue &v = buffer[slot];
        const FieldType type = fields[slot]->DataType();
        // An empty text is no value, as in a fixed-width record.
        if (IsStringType(type) && !v.null && v.s.isEmpty())
            v.null = true;
        if (inserting && type == FieldType::AutoInc) {
            v.null = false;
            v.i = autoInc_;
            hasAutoInc = true;
        }
    }
    if (hasAutoInc)
        ++autoInc_;
}

void TExMemoryData::EmptyMemoryTable()
{
    if (!Active())
        return;
    CheckBrowseMode();
    ClearRows();
    DataEvent();
}

int TExMemoryData::Capacity() const
{
    return std::max(capacity_, Store().Count());
}

void TExMemoryData::SetCapacity(int capacity)
{
    capacity_ = std::max(capacity, 0);
    if (Active() && capacity_ > Store().Count())
        Store().Reserve(capacity_);
}

void TExMemoryData::SetRecNo(int recNo)
{
    CheckBrowseMode();
    if (recNo < 1 || recNo > Store().Count())
        return;
    if (!RowVisible(recNo - 1))
        throw DbError(QStringLiteral("No data found"));
    DataSet::SetRecNo(recNo);
}
