#include "core/PrefiksyExpImp.h"

#include "core/Adif.h"
#include "platform/Cp1250.h"
#include "platform/TextEncoding.h"

namespace {

QString idField(int32_t id)
{
    return id > 0 ? AdifField(QLatin1String("KRAJID"), QString::number(id)) : QString();
}

// A small reader over the bytes of the file, following the tag rules of the
// prefix file: fields "<NAME:length>value", records ended by a tag without ':'.
class TagReader {
public:
    enum class Next { Tag, End, Unclosed };

    explicit TagReader(const QByteArray &bytes) : b_(bytes) {}

    // The next tag's text; Unclosed when the file ends before its '>'.
    Next nextTag(QByteArray &tag)
    {
        const qsizetype open = b_.indexOf('<', pos_);
        if (open < 0) {
            pos_ = b_.size();
            return Next::End;
        }
        const qsizetype close = b_.indexOf('>', open + 1);
        tag = b_.mid(open + 1, close < 0 ? -1 : close - open - 1);
        pos_ = close < 0 ? b_.size() : close + 1;
        return close < 0 ? Next::Unclosed : Next::Tag;
    }

    // Where a value of that length starting here would end.
    AdifValueCheck checkValue(qsizetype length) const
    {
        return CheckAdifValue(b_.constData(), b_.size(), pos_, length);
    }

    QByteArray take(qsizetype length)
    {
        const QByteArray v = b_.mid(pos_, length);
        pos_ += v.size();
        return v;
    }

private:
    const QByteArray &b_;
    qsizetype pos_ = 0;
};

QString TagText(const QByteArray &tag)
{
    return PrintableExcerpt(tag);
}

} // namespace

QString TKrajDX::KrajDXToTagText() const
{
    return QStringLiteral("<TABELA:7>KrajeDx") + idField(KrajId) +
           AdifFieldIfAny(QLatin1String("PREFIXDX"), PrefixDX) +
           AdifFieldIfAny(QLatin1String("NAZWAANG"), NazwaAng) +
           AdifFieldIfAny(QLatin1String("NAZWAPOL"), NazwaPol) +
           AdifFieldIfAny(QLatin1String("KONTYNENT"), Kontynent) + AdifTag::Eor;
}

bool TKrajDX::KrajDXInsert(PrefixTableExecutor &db) const
{
    if (KrajId <= 0)
        return false;
    db.Execute(QStringLiteral("INSERT INTO KrajeDX(KrajId, PrefixDX, NazwaAng, NazwaPol, Kontynent)\n"
                              "VALUES(:KrajId, :PrefixDX, :NazwaAng, :NazwaPol, :Kontynent)"),
               {{QStringLiteral("KrajId"), KrajId},
                {QStringLiteral("PrefixDX"), PrefixDX},
                {QStringLiteral("NazwaAng"), NazwaAng},
                {QStringLiteral("NazwaPol"), NazwaPol},
                {QStringLiteral("Kontynent"), Kontynent}});
    return true;
}

void TKrajDX::KrajDXClear()
{
    *this = TKrajDX();
}

QString TPrefixDX::PrefixDXToTagText() const
{
    return QStringLiteral("<TABELA:10>PrefiksyDx") + idField(KrajId) +
           AdifFieldIfAny(QLatin1String("PREFIX"), Prefix) + AdifTag::Eor;
}

bool TPrefixDX::PrefixDXInsert(PrefixTableExecutor &db) const
{
    if (KrajId <= 0)
        return false;
    const PrefixTableExecutor::Param id{QStringLiteral("KrajId"), KrajId};
    bool exists = false;
    try {
        exists =
            db.SelectInteger(QStringLiteral("SELECT COUNT(*) AS Licznik\nFROM KrajeDX\nWHERE KrajId=:KrajId"),
                             {id}) > 0;
    } catch (...) {
        exists = false;
    }
    if (!exists)
        return false;
    db.Execute(QStringLiteral("INSERT INTO PrefiksyDX(KrajId, Prefix)\nVALUES(:KrajId, :Prefix)"),
               {id, {QStringLiteral("Prefix"), Prefix}});
    return true;
}

void TPrefixDX::PrefixDXClear()
{
    *this = TPrefixDX();
}

QString ReadPrefixRecords(const QByteArray &bytes, const std::function<void(const TKrajDX &)> &onCountry,
                          const std::function<void(const TPrefixDX &)> &onPrefix)
{
    TagReader reader(bytes);
    TKrajDX country;
    TPrefixDX prefix;
    bool isCountry = true; // records before any table tag count as countries
    bool inRecord = false; // a field was read since the last end of a record
    QByteArray tag;
    while (true) {
        const TagReader::Next next = reader.nextTag(tag);
        if (next == TagReader::Next::End)
            break;
        // A file that stops amid a record is a copy cut short, not a smaller table.
        if (next == TagReader::Next::Unclosed)
            return QStringLiteral("Plik jest niekompletny: znacznik <%1 nie jest zamknięty.")
                .arg(TagText(tag));
        const qsizetype colon = tag.indexOf(':');
        if (colon < 0) {
            if (isCountry) {
                onCountry(country);
                country.KrajDXClear();
            } else {
                onPrefix(prefix);
                prefix.PrefixDXClear();
            }
            inRecord = false;
            continue;
        }
        const QByteArray name = tag.left(colon);
        qsizetype digits = colon + 1;
        while (digits < tag.size() && tag[digits] >= '0' && tag[digits] <= '9')
            ++digits;
        bool ok = false;
        const qsizetype length = tag.mid(colon + 1, digits - colon - 1).toLongLong(&ok);
        if (!ok)
            return QStringLiteral("Błędna długość pola w znaczniku <%1>.").arg(TagText(tag));
        // No value of this file holds an end tag: one that takes in "<EOR>" runs past its record.
        const AdifValueCheck check = reader.checkValue(length);
        if (check.Span == AdifValueSpan::PastEnd)
            return QStringLiteral("Plik jest niekompletny: wartość pola <%1> sięga poza koniec pliku.")
                .arg(TagText(tag));
        if (check.Eor >= 0)
            return QStringLiteral("Plik jest uszkodzony: wartość pola <%1> sięga poza znacznik <EOR> "
                                  "swojej pozycji.")
                .arg(TagText(tag));
        inRecord = true;
        const QString value = Cp1250::toUnicode(reader.take(length));

        if (name == "TABELA") {
            isCountry = value.toUpper() == QLatin1String("KRAJEDX");
        } else if (name == "KRAJID") {
            bool isNumber = false;
            const int id = value.toInt(&isNumber);
            if (isNumber)
                (isCountry ? country.KrajId : prefix.KrajId) = id;
        } else if (name == "PREFIXDX") {
            country.PrefixDX = value;
        } else if (name == "NAZWAANG") {
            country.NazwaAng = value;
        } else if (name == "NAZWAPOL") {
            country.NazwaPol = value;
        } else if (name == "KONTYNENT") {
            country.Kontynent = value;
        } else if (name == "PREFIX") {
            prefix.Prefix = value;
        }
    }
    if (inRecord)
        return QStringLiteral("Plik jest niekompletny: ostatnia pozycja nie kończy się znacznikiem <EOR>.");
    return QString();
}
