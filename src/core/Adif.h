#pragma once

#include <QLatin1String>
#include <QString>
#include <cstdint>

// The ADIF tags the program writes and reads, in the order of a record.
namespace AdifTag {
inline constexpr QLatin1String QsoDate("QSO_DATE");
inline constexpr QLatin1String TimeOn("TIME_ON");
inline constexpr QLatin1String Band("BAND");
inline constexpr QLatin1String Call("CALL");
inline constexpr QLatin1String Mode("MODE");
inline constexpr QLatin1String RstSent("RST_SENT");
inline constexpr QLatin1String RstRcvd("RST_RCVD");
inline constexpr QLatin1String Name("NAME");
inline constexpr QLatin1String Comment("COMMENT");
inline constexpr QLatin1String GridSquare("GRIDSQUARE");
inline constexpr QLatin1String QslVia("QSL_VIA");
inline constexpr QLatin1String QslSent("QSL_SENT");
inline constexpr QLatin1String QslRcvd("QSL_RCVD");
inline constexpr QLatin1String Qth("QTH");
inline constexpr QLatin1String Iota("IOTA");
inline constexpr QLatin1String Domain("DOMAIN");
inline constexpr QLatin1String Gmina("GMINA");
inline constexpr QLatin1String Castle("APP_QUARN_CASTLE");
inline constexpr QLatin1String Cont("CONT");
inline constexpr QLatin1String Ituz("ITUZ");
inline constexpr QLatin1String Cqz("CQZ");
inline constexpr QLatin1String Freq("FREQ"); // read only: the band comes from it
inline constexpr QLatin1String Eoh("<EOH>");
inline constexpr QLatin1String Eor("<EOR>");
} // namespace AdifTag

// The length an ADIF field gives its value: Windows-1250 bytes.
int AdifValueLength(const QString &value);

// "<TAG:length>value", whatever the value (empty included).
QString AdifField(QLatin1String tag, const QString &value);
// The field, or nothing when the value is empty.
QString AdifFieldIfAny(QLatin1String tag, const QString &value);
// The zone as a field, or nothing for zone 0.
QString AdifZoneField(QLatin1String tag, uint8_t zone);
// A band name as ADIF writes it: blanks removed, upper case ("70 cm" -> "70CM").
QString AdifBandText(const QString &bandName);

// Where a field's value of `length` bytes, starting at valueStart of data[0, n),
// ends up: within the data and its record, past the end of the data, or across
// its record's "<EOR>" and on amid other text. A value may hold "<EOR>" itself
// when a tag or the end of the data follows it.
enum class AdifValueSpan { Fits, PastEnd, PastRecord };
struct AdifValueCheck {
    AdifValueSpan Span = AdifValueSpan::Fits;
    qsizetype Eor = -1; // where the first "<EOR>" within the value's reach starts, -1 when none
};
AdifValueCheck CheckAdifValue(const char *data, qsizetype n, qsizetype valueStart, qsizetype length);
