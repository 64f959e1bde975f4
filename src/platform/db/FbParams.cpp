#include "platform/db/FbParams.h"

#include "platform/db/FbSql.h"

void Param::SetAsString(const QString &v)
{
    value_ = FieldValue();
    value_.null = false;
    value_.s = v;
    type_ = FieldType::String;
}

void Param::SetAsInteger(qint64 v)
{
    value_ = FieldValue();
    value_.null = false;
    value_.i = v;
    type_ = FieldType::Largeint;
}

void Param::SetAsFloat(double v)
{
    value_ = FieldValue();
    value_.null = false;
    value_.f = v;
    type_ = FieldType::Float;
}

void Param::SetAsDateTime(const DateTime &v)
{
    value_ = FieldValue();
    value_.null = false;
    value_.i = DateTimeToTicks(v);
    type_ = FieldType::DateTime;
}

void Param::SetAsBoolean(bool v)
{
    value_ = FieldValue();
    value_.null = false;
    value_.i = v ? 1 : 0;
    type_ = FieldType::Boolean;
}

void Param::SetAsVariant(const QVariant &v)
{
    AssignVariant(*this, v);
}

QString SqlValue::AsString() const
{
    if (value_.null)
        return QString();
    switch (type_) {
    case FieldType::Float: return QString::number(value_.f, 'g', 15);
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime:
        return TicksToDateTime(value_.i).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default: return IsStringType(type_) ? value_.s : QString::number(value_.i);
    }
}

qint64 SqlValue::AsInteger() const
{
    if (value_.null)
        return 0;
    if (IsStringType(type_))
        return value_.s.trimmed().toLongLong();
    if (type_ == FieldType::Float)
        return qint64(qRound64(value_.f));
    return value_.i;
}

double SqlValue::AsFloat() const
{
    if (value_.null)
        return 0;
    if (IsStringType(type_))
        return value_.s.trimmed().toDouble();
    if (type_ == FieldType::Float)
        return value_.f;
    if (IsDateTimeType(type_))
        return TicksToDateTime(value_.i).toDays();
    return double(value_.i);
}

DateTime SqlValue::AsDateTime() const
{
    if (value_.null)
        return DateTime();
    if (IsDateTimeType(type_))
        return TicksToDateTime(value_.i);
    if (type_ == FieldType::Float)
        return DateTime::fromDays(value_.f);
    return DateTime();
}

namespace {

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

} // namespace

QString ParamList::Parse(const QString &sql)
{
    std::vector<std::unique_ptr<Param>> old = std::move(params_);
    params_.clear();
    positions_.clear();
    QString out;
    out.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            // A literal or quoted name runs to the matching quote; doubled quotes stay inside.
            qsizetype j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += QStringView(sql).mid(i, std::min(j + 1, n) - i);
            i = j + 1;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            qsizetype j = sql.indexOf(u'\n', i);
            if (j < 0)
                j = n;
            out += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            out += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == u':' && i + 1 < n && IsNameChar(sql[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && IsNameChar(sql[j]))
                ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            Param *p = Find(name);
            if (!p) {
                // Values set before the SQL changed stay with their names.
                std::unique_ptr<Param> kept;
                for (auto &o : old)
                    if (o && o->Name().compare(name, Qt::CaseInsensitive) == 0)
                        kept = std::move(o);
                params_.push_back(kept ? std::move(kept) : std::make_unique<Param>(name));
                p = params_.back().get();
            }
            positions_.push_back(p);
            out += u'?';
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

Param *ParamList::Find(const QString &name) const
{
    for (const auto &p : params_)
        if (p->Name().compare(name, Qt::CaseInsensitive) == 0)
            return p.get();
    return nullptr;
}

Param *ParamList::ByName(const QString &name) const
{
    if (Param *p = Find(name))
        return p;
    throw DbError(QStringLiteral("Parameter '%1' not found").arg(name));
}

void FbSqlText::SetLines(const QStringList &lines)
{
    lines_ = lines;
    parsed_ = params_.Parse(lines_.join(u'\n'));
}

void FbSqlText::Bind(FbSql &statement) const
{
    const auto &positions = params_.Positions();
    for (int i = 0; i < int(positions.size()) && i < statement.ParamCount(); ++i)
        statement.SetParam(i, positions[i]->Value(), positions[i]->Type());
}
