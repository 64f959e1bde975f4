#include "platform/db/Field.h"

#include <cmath>

bool IsStringType(FieldType t)
{
    return t == FieldType::String || t == FieldType::FixedChar || IsBlobType(t);
}

bool IsBlobType(FieldType t)
{
    switch (t) {
    case FieldType::Memo:
    case FieldType::Bytes:
    case FieldType::VarBytes:
    case FieldType::Blob:
    case FieldType::TypedBinary:
    case FieldType::OraBlob:
    case FieldType::FmtMemo:
    case FieldType::OraClob:
    case FieldType::Graphic:
    case FieldType::ParadoxOle:
    case FieldType::DBaseOle: return true;
    default: return false;
    }
}

bool IsIntegerType(FieldType t)
{
    return t == FieldType::Smallint || t == FieldType::Integer || t == FieldType::Largeint ||
           t == FieldType::AutoInc;
}

bool IsDateTimeType(FieldType t)
{
    return t == FieldType::Date || t == FieldType::Time || t == FieldType::DateTime;
}

qint64 DateTimeToTicks(const DateTime &dt)
{
    return qint64(dt.days()) * DateTime::TicksPerDay + dt.ticks();
}

DateTime TicksToDateTime(qint64 total)
{
    qint64 days = total / DateTime::TicksPerDay;
    qint64 rest = total % DateTime::TicksPerDay;
    if (rest < 0) {
        rest += DateTime::TicksPerDay;
        --days;
    }
    return DateTime(int32_t(days), rest);
}

QString NormalizeDateFormat(const QString &format)
{
    QString f = format;
    for (QChar &c : f) {
        if (c == u'Y')
            c = u'y';
        else if (c == u'D')
            c = u'd';
        else if (c == u'n')
            c = u'm';
    }
    return f;
}

namespace {

DateTime ParseDateTime(const QString &text)
{
    // Date and time are read apart: a QDateTime would be made on the local
    // clock, which has no 02:00-03:00 on the day summer time starts.
    const QString t = text.trimmed();
    const qsizetype space = t.indexOf(u' ');
    const QDate d = QDate::fromString(space < 0 ? t : t.left(space), QStringLiteral("yyyy-MM-dd"));
    if (d.isValid() && space < 0)
        return DateTime::fromQDate(d);
    if (d.isValid()) {
        for (const char *f : {"HH:mm:ss.zzz", "HH:mm:ss", "HH:mm"}) {
            const QTime tm = QTime::fromString(t.mid(space + 1), QString::fromLatin1(f));
            if (tm.isValid())
                return DateTime::fromQDate(d).addTicks(qint64(tm.msecsSinceStartOfDay()) * 10);
        }
    } else if (space < 0) {
        const QTime tm = QTime::fromString(t, QStringLiteral("HH:mm:ss"));
        if (tm.isValid())
            return DateTime(0, qint64(tm.msecsSinceStartOfDay()) * 10);
    }
    throw DbError(QStringLiteral("'%1' nie jest poprawną datą").arg(text));
}

qint64 ParseInteger(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("'%1' nie jest poprawną liczbą całkowitą").arg(text));
    return v;
}

double ParseFloat(const QString &text)
{
    bool ok = false;
    QString t = text.trimmed();
    t.replace(u',', u'.');
    const double v = t.toDouble(&ok);
    if (!ok)
        throw DbError(QStringLiteral("'%1' nie jest poprawną liczbą").arg(text));
    return v;
}

bool ParseBoolean(const QString &text)
{
    const QString t = text.trimmed().toUpper();
    return t == u"T" || t == u"TRUE" || t == u"1" || t == u"Y" || t == u"TAK";
}

FieldValue Make(qint64 i)
{
    FieldValue v;
    v.null = false;
    v.i = i;
    return v;
}

} // namespace

Field::Field(FieldOwner *owner, const QString &name, FieldType type, int size, FieldKind kind)
    : owner_(owner), name_(name), type_(type), kind_(kind), size_(size)
{
    const bool numeric = IsIntegerType(type) || type == FieldType::Float;
    alignment_ = numeric ? Qt::AlignRight : Qt::AlignLeft;
}

int Field::Index() const
{
    return index_;
}

void Field::SetVisible(bool v)
{
    if (visible_ == v)
        return;
    visible_ = v;
    owner_->FieldVisibilityChanged();
}

int Field::DefaultDisplayWidth() const
{
    switch (type_) {
    case FieldType::String:
    case FieldType::FixedChar: return size_ > 0 ? size_ : 20;
    case FieldType::Smallint: return 6;
    case FieldType::Boolean: return 5;
    case FieldType::Date:
    case FieldType::Time: return 10;
    case FieldType::DateTime: return 18;
    default: return 10;
    }
}

FieldValue Field::Value() const
{
    return owner_->ReadValue(*this);
}

bool Field::IsNull() const
{
    return Value().null;
}

QString Field::AsString() const
{
    return FormatValue(Value(), false);
}

qint64 Field::AsLargeInt() const
{
    const FieldValue v = Value();
    if (v.null)
        return 0;
    if (IsStringType(type_))
        return v.s.trimmed().isEmpty() ? 0 : ParseInteger(v.s);
    if (type_ == FieldType::Float)
        return qint64(std::llround(v.f));
    if (IsDateTimeType(type_))
        return TicksToDateTime(v.i).days();
    return v.i;
}

double Field::AsFloat() const
{
    const FieldValue v = Value();
    if (v.null)
        return 0;
    if (IsStringType(type_))
        return v.s.trimmed().isEmpty() ? 0 : ParseFloat(v.s);
    if (type_ == FieldType::Float)
        return v.f;
    if (IsDateTimeType(type_))
        return TicksToDateTime(v.i).toDays();
    return double(v.i);
}

DateTime Field::AsDateTime() const
{
    const FieldValue v = Value();
    if (v.null)
        return DateTime();
    if (IsStringType(type_))
        return v.s.trimmed().isEmpty() ? DateTime() : ParseDateTime(v.s);
    if (type_ == FieldType::Float)
        return DateTime::fromDays(v.f);
    if (IsDateTimeType(type_))
        return TicksToDateTime(v.i);
    return DateTime(int32_t(v.i), 0);
}

bool Field::AsBoolean() const
{
    const FieldValue v = Value();
    if (v.null)
        return false;
    if (IsStringType(type_))
        return ParseBoolean(v.s);
    if (type_ == FieldType::Float)
        return v.f != 0;
    return v.i != 0;
}

QVariant Field::AsVariant() const
{
    const FieldValue v = Value();
    if (v.null)
        return QVariant();
    if (IsStringType(type_))
        return v.s;
    if (type_ == FieldType::Float)
        return v.f;
    if (type_ == FieldType::Boolean)
        return v.i != 0;
    if (IsDateTimeType(type_))
        return QVariant::fromValue(TicksToDateTime(v.i));
    if (type_ == FieldType::Largeint)
        return v.i;
    return int(v.i);
}

FieldValue Field::Coerce(const FieldValue &v) const
{
    if (v.null || !IsStringType(type_))
        return v;
    FieldValue r = v;
    if (size_ > 0 && !IsBlobType(type_) && r.s.size() > size_)
        r.s.truncate(size_);
    return r;
}

void Field::SetValue(const FieldValue &v)
{
    owner_->WriteValue(*this, Coerce(v));
}

void Field::Clear()
{
    SetValue(FieldValue());
}

void Field::SetAsString(const QString &text)
{
    if (IsStringType(type_)) {
        FieldValue v;
        v.null = false;
        v.s = text;
        SetValue(v);
        return;
    }
    if (text.trimmed().isEmpty()) {
        Clear();
        return;
    }
    if (type_ == FieldType::Float)
        SetAsFloat(ParseFloat(text));
    else if (type_ == FieldType::Boolean)
        SetAsBoolean(ParseBoolean(text));
    else if (IsDateTimeType(type_))
        SetAsDateTime(ParseDateTime(text));
    else
        SetAsLargeInt(ParseInteger(text));
}

void Field::SetAsLargeInt(qint64 i)
{
    if (IsStringType(type_))
        return SetAsString(QString::number(i));
    if (type_ == FieldType::Float)
        return SetAsFloat(double(i));
    if (IsDateTimeType(type_))
        return SetAsDateTime(DateTime(int32_t(i), 0));
    SetValue(Make(type_ == FieldType::Boolean ? (i != 0) : i));
}

void Field::SetAsFloat(double f)
{
    if (type_ == FieldType::Float) {
        FieldValue v;
        v.null = false;
        v.f = f;
        return SetValue(v);
    }
    if (IsStringType(type_))
        return SetAsString(QString::number(f, 'g', 15));
    if (IsDateTimeType(type_))
        return SetAsDateTime(DateTime::fromDays(f));
    SetAsLargeInt(qint64(std::llround(f)));
}

void Field::SetAsDateTime(const DateTime &dt)
{
    if (IsStringType(type_))
        return SetAsString(FormatValue(Make(DateTimeToTicks(dt)), false));
    if (type_ == FieldType::Float)
        return SetAsFloat(dt.toDays());
    if (!IsDateTimeType(type_))
        throw DbError(QStringLiteral("Pole '%1' nie przyjmuje daty").arg(name_));
    DateTime v = dt;
    if (type_ == FieldType::Date)
        v = dt.dateOnly();
    else if (type_ == FieldType::Time)
        v = DateTime(0, dt.ticks());
    SetValue(Make(DateTimeToTicks(v)));
}

void Field::SetAsBoolean(bool b)
{
    if (IsStringType(type_))
        return SetAsString(b ? QStringLiteral("True") : QStringLiteral("False"));
    SetAsLargeInt(b ? 1 : 0);
}

void Field::SetAsVariant(const QVariant &v)
{
    AssignVariant(*this, v);
}

QString Field::FormatValue(const FieldValue &v, bool display) const
{
    if (v.null)
        return QString();
    if (IsBlobType(type_))
        return v.s;
    switch (type_) {
    case FieldType::String:
    case FieldType::FixedChar: return v.s;
    case FieldType::Float: return QString::number(v.f, 'g', 15);
    case FieldType::Boolean: return v.i ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime: {
        const DateTime dt = TicksToDateTime(v.i);
        if (display && !displayFormat_.isEmpty())
            return dt.toString(NormalizeDateFormat(displayFormat_));
        if (type_ == FieldType::Date)
            return dt.toString(QStringLiteral("yyyy-MM-dd"));
        if (type_ == FieldType::Time)
            return dt.toString(QStringLiteral("HH:mm:ss"));
        return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    default: return QString::number(v.i);
    }
}

QString Field::DisplayText() const
{
    if (OnGetText) {
        QString text = AsString();
        OnGetText(const_cast<Field &>(*this), text, true);
        return text;
    }
    return FormatValue(Value(), true);
}

QString Field::Text() const
{
    if (OnGetText) {
        QString text = AsString();
        OnGetText(const_cast<Field &>(*this), text, false);
        return text;
    }
    return AsString();
}
