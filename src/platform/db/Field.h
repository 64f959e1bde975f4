#pragma once

#include "platform/DateTime.h"

#include <QString>
#include <QVariant>
#include <exception>
#include <functional>

class Field;

// A database failure not coming from the engine itself (wrong state, unknown
// field, bad conversion). FbError derives from it, so one catch covers both.
class DbError : public std::exception {
public:
    explicit DbError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString &Message() const { return message_; }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

enum class FieldType {
    String,
    FixedChar,
    Smallint,
    Integer,
    Largeint,
    Float,
    Boolean,
    Date,
    Time,
    DateTime,
    AutoInc,
    Memo,
    // Kinds a grid shows as a glyph. Byte, blob, memo, picture and OLE values
    // are held as text; cursor, reference and nested-table fields hold none.
    Bytes,
    VarBytes,
    Blob,
    TypedBinary,
    OraBlob,
    FmtMemo,
    OraClob,
    Graphic,
    ParadoxOle,
    DBaseOle,
    Cursor,
    Reference,
    NestedTable
};
enum class FieldKind { Data, Calculated };

// One field value outside the row store: the edit buffer, calculated values,
// parameters. Integers, booleans and date-times (as total ticks) share `i`.
struct FieldValue {
    bool null = true;
    qint64 i = 0;
    double f = 0;
    QString s;
};

bool IsStringType(FieldType t);
bool IsBlobType(FieldType t); // memo, byte, blob, picture and OLE kinds: text of any length
bool IsIntegerType(FieldType t);
bool IsDateTimeType(FieldType t);
qint64 DateTimeToTicks(const DateTime &dt);
DateTime TicksToDateTime(qint64 total);
// A Qt date-time format from either a Qt format ("yyyy-MM-dd hh:mm") or a date mask
// with letters of any case and "nn" for minutes ("YYYY-MM-DD HH:nn").
QString NormalizeDateFormat(const QString &format);

// Hands a variant to the typed setter of a field or a parameter; NULL clears.
template <typename Target> void AssignVariant(Target &target, const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return target.Clear();
    if (v.metaType() == QMetaType::fromType<DateTime>())
        return target.SetAsDateTime(v.value<DateTime>());
    switch (v.typeId()) {
    case QMetaType::Bool: return target.SetAsBoolean(v.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short: return target.SetAsLargeInt(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: return target.SetAsFloat(v.toDouble());
    case QMetaType::QDateTime: return target.SetAsDateTime(DateTime::fromQDateTime(v.toDateTime()));
    case QMetaType::QDate: return target.SetAsDateTime(DateTime::fromQDate(v.toDate()));
    default: return target.SetAsString(v.toString());
    }
}

// What a field reads and writes its values through: its dataset. Declared here
// so that a field needs nothing of the dataset beyond this.
class FieldOwner {
public:
    virtual FieldValue ReadValue(const Field &f) const = 0;
    virtual void WriteValue(Field &f, const FieldValue &v) = 0;
    virtual void FieldVisibilityChanged() = 0;

protected:
    ~FieldOwner() = default;
};

// A typed column of a dataset. Fields are owned by their dataset and live as long
// as it does; their display settings survive closing and reopening it.
class Field {
public:
    using GetTextHandler = std::function<void(Field &sender, QString &text, bool displayText)>;

    Field(FieldOwner *owner, const QString &name, FieldType type, int size, FieldKind kind);

    const QString &FieldName() const { return name_; }
    FieldType DataType() const { return type_; }
    FieldKind Kind() const { return kind_; }
    bool Calculated() const { return kind_ == FieldKind::Calculated; }
    int Index() const; // position in the dataset's field list, -1 when not bound

    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    bool Required() const { return required_; }
    void SetRequired(bool v) { required_ = v; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    // Values of the dataset's active record; NULL reads as "" or 0.
    bool IsNull() const;
    QString AsString() const;
    int AsInteger() const { return int(AsLargeInt()); }
    qint64 AsLargeInt() const;
    double AsFloat() const;
    DateTime AsDateTime() const;
    bool AsBoolean() const;
    QVariant AsVariant() const; // invalid QVariant for NULL; DateTime for date-time fields
    FieldValue Value() const;

    // Setters need edit or insert state (calculated fields: calc state). Strings
    // longer than Size are cut to Size characters.
    void SetAsString(const QString &v);
    void SetAsInteger(int v) { SetAsLargeInt(v); }
    void SetAsLargeInt(qint64 v);
    void SetAsFloat(double v);
    void SetAsDateTime(const DateTime &v);
    void SetAsBoolean(bool v);
    void SetAsVariant(const QVariant &v);
    void SetValue(const FieldValue &v);
    void Clear();

    // Display settings.
    const QString &DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString &f) { displayFormat_ = f; }
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment a) { alignment_ = a; }
    int DisplayWidth() const { return displayWidth_ > 0 ? displayWidth_ : DefaultDisplayWidth(); }
    void SetDisplayWidth(int w) { displayWidth_ = w; }
    QString DisplayLabel() const { return displayLabel_.isEmpty() ? name_ : displayLabel_; }
    void SetDisplayLabel(const QString &l) { displayLabel_ = l; }
    GetTextHandler OnGetText;

    QString DisplayText() const; // OnGetText, else the value in DisplayFormat
    QString Text() const;        // OnGetText for editing, else AsString

    // Text of a value of this field's type (used by DisplayText and by views of any row).
    QString FormatValue(const FieldValue &v, bool display) const;
    // Converts and checks a value for this field (cuts strings to Size).
    FieldValue Coerce(const FieldValue &v) const;

private:
    friend class DataSet;
    int DefaultDisplayWidth() const;

    FieldOwner *owner_;
    QString name_;
    FieldType type_;
    FieldKind kind_;
    int size_;
    bool required_ = false;
    bool readOnly_ = false;
    bool visible_ = true;
    QString displayFormat_;
    Qt::Alignment alignment_;
    int displayWidth_ = 0;
    QString displayLabel_;
    // Set by the dataset: slot in the row store (data) or in the calc buffer.
    int slot_ = -1;
    int index_ = -1;
    bool declared_ = false; // created before open by the program (a persistent field)
};
