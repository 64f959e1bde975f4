#include "report/expr/RpEvElements.h"

#include "platform/db/DataSet.h"
#include "report/expr/RpEvEnvironment.h"

TRpEvResult TRpEvElement::Value(TRpFiFo &)
{
    return TRpEvResult();
}

TRpEvResult NextRpValue(TRpFiFo &queue)
{
    TRpEvElement *element = queue.Get();
    if (element == nullptr)
        return TRpEvResult::Error(QStringLiteral("Error in expression : "));
    return element->Value(queue);
}

TRpEvResult TRpEvElementOperator::Value(TRpFiFo &queue)
{
    TRpEvResult left = NextRpValue(queue);
    TRpEvResult right = NextRpValue(queue);
    return ApplyRpOperator(code_, std::move(left), std::move(right));
}

TRpEvResult TRpEvElementNot::Value(TRpFiFo &queue)
{
    const TRpEvResult v = NextRpValue(queue);
    if (v.IsError())
        return v;
    if (v.Kind != rpvBoolean)
        return TRpEvResult::Error(QStringLiteral("Invalid use of NOT"));
    return TRpEvResult::Boolean(!v.BooleanValue);
}

TRpEvResult TRpEvElementFunction::Value(TRpFiFo &queue)
{
    Params.clear();
    for (TRpEvElement *e = queue.Get(); e != nullptr; e = queue.Get()) {
        if (dynamic_cast<TRpEvElementArgumentEnd *>(e) != nullptr)
            break;
        Params.push_back(e->Value(queue));
    }
    if (queue.Aggregate)
        Aggregate();
    TRpEvResult result = Calculate();
    Params.clear();
    return result;
}

TRpEvResult TRpEvElementFunction::Calculate()
{
    return TRpEvResult::Error(QStringLiteral("Error in expression : "));
}

TRpEvElementDataField::TRpEvElementDataField(DataSet *dataSet, const QString &fieldName)
    : dataSet_(dataSet), fieldName_(fieldName)
{
}

TRpEvResult TRpEvElementDataField::Value(TRpFiFo &)
{
    const Field *field = dataSet_ ? dataSet_->FindField(fieldName_) : nullptr;
    if (field == nullptr)
        return TRpEvResult::Error(QStringLiteral("Unknown function : %1").arg(fieldName_));
    try {
        switch (field->DataType()) {
        case FieldType::String:
        case FieldType::FixedChar: return TRpEvResult::String(field->AsString());
        case FieldType::Smallint:
        case FieldType::Integer:
        case FieldType::AutoInc: return TRpEvResult::Integer(field->AsInteger());
        case FieldType::Largeint: {
            // A 64-bit column holds what 32 bits cannot: such values read as floats.
            const qint64 v = field->AsLargeInt();
            if (v >= INT32_MIN && v <= INT32_MAX)
                return TRpEvResult::Integer(qint32(v));
            return TRpEvResult::Float(double(v));
        }
        case FieldType::Float: return TRpEvResult::Float(field->AsFloat());
        case FieldType::Boolean: return TRpEvResult::Boolean(field->AsBoolean());
        case FieldType::Date:
        case FieldType::Time:
        case FieldType::DateTime: return TRpEvResult::String(field->AsString());
        default: break; // memo and other blob kinds have no expression value
        }
    } catch (const std::exception &e) {
        return TRpEvResult::Error(QString::fromUtf8(e.what()));
    }
    return TRpEvResult::Error(QStringLiteral("Field %1 is of unknown type").arg(field->FieldName()));
}

TRpEvResult TRpEvElementWrapper::Value(TRpFiFo &)
{
    if (auto entry = entry_.lock())
        return entry->Value();
    return TRpEvResult::Error(QStringLiteral("Unknown function : %1").arg(name_));
}

void TRpEvElementWrapper::Reset()
{
    if (auto entry = entry_.lock())
        entry->Reset();
}
