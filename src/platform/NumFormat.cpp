#include "platform/NumFormat.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

QChar PlainBlank(QChar c)
{
    return c == QChar(0x00A0) || c == QChar(0x202F) ? QChar(u' ') : c;
}

// Reads a picture character by character and tells which characters are
// format characters and which stand in quotes ("..." or '...').
class PictureScan {
public:
    enum Kind { Format, QuoteMark, Quoted };

    Kind Next(QChar c)
    {
        if (!quote_.isNull()) {
            if (c != quote_)
                return Quoted;
            quote_ = QChar();
            return QuoteMark;
        }
        if (c == u'"' || c == u'\'') {
            quote_ = c;
            return QuoteMark;
        }
        return Format;
    }

private:
    QChar quote_;
};

QStringList SplitSections(const QString &format)
{
    QStringList sections(1);
    PictureScan scan;
    for (QChar c : format) {
        if (scan.Next(c) == PictureScan::Format && c == u';')
            sections.append(QString());
        else
            sections.last() += c;
    }
    return sections;
}

struct Picture {
    int minInt = 0;
    int minDec = 0;
    int maxDec = 0;
    bool thousands = false;
};

Picture Analyse(const QString &section)
{
    Picture p;
    bool point = false;
    bool zeroSeen = false;
    int decCount = 0;
    PictureScan scan;
    for (QChar c : section) {
        if (scan.Next(c) != PictureScan::Format)
            continue;
        if (c == u'0' || c == u'#') {
            if (point) {
                ++decCount;
                if (c == u'0')
                    p.minDec = decCount;
            } else {
                zeroSeen = zeroSeen || c == u'0';
                if (zeroSeen)
                    ++p.minInt;
            }
        } else if (c == u'.') {
            point = true;
        } else if (c == u',') {
            p.thousands = true;
        }
    }
    p.maxDec = decCount;
    return p;
}

// The exponent part of a scientific picture ("E+00", "e-0"): where it starts,
// whether a plus sign shows, and the least number of exponent digits.
struct Exponent {
    qsizetype at = -1;
    qsizetype length = 0;
    bool plus = false;
    int digits = 0;
};

Exponent FindExponent(const QString &section)
{
    PictureScan scan;
    for (qsizetype i = 0; i + 1 < section.size(); ++i) {
        const QChar c = section[i];
        if (scan.Next(c) != PictureScan::Format)
            continue;
        if ((c == u'E' || c == u'e') && (section[i + 1] == u'+' || section[i + 1] == u'-')) {
            Exponent e{i, 2, section[i + 1] == u'+', 0};
            while (i + e.length < section.size() && section[i + e.length] == u'0') {
                ++e.length;
                ++e.digits;
            }
            e.digits = qMax(e.digits, 1);
            return e;
        }
    }
    return Exponent();
}

QString Render(const QString &section, double absValue, bool minus, const FormatSettings &fs)
{
    const Picture p = Analyse(section);
    const QString digits = QString::number(absValue, 'f', p.maxDec);
    const qsizetype dot = digits.indexOf(u'.');
    QString intPart = dot < 0 ? digits : digits.left(dot);
    QString frac = dot < 0 ? QString() : digits.mid(dot + 1);
    while (frac.size() > p.minDec && frac.endsWith(u'0'))
        frac.chop(1);
    if (intPart == u"0" && p.minInt == 0)
        intPart.clear();
    while (intPart.size() < p.minInt)
        intPart.prepend(u'0');
    if (p.thousands && fs.ThousandSeparator != QChar())
        for (qsizetype i = intPart.size() - 3; i > 0; i -= 3)
            intPart.insert(i, fs.ThousandSeparator);
    bool nonZero = false;
    for (QChar c : intPart + frac)
        nonZero = nonZero || (c >= u'1' && c <= u'9');

    QString out = minus && nonZero ? QStringLiteral("-") : QString();
    bool intDone = false, point = false, fracDone = false;
    PictureScan scan;
    auto emitInt = [&] {
        if (!intDone)
            out += intPart;
        intDone = true;
    };
    auto emitFrac = [&] {
        if (!fracDone && !frac.isEmpty())
            out += fs.DecimalSeparator + frac;
        fracDone = true;
    };
    for (QChar c : section) {
        const PictureScan::Kind kind = scan.Next(c);
        if (kind != PictureScan::Format) {
            if (kind == PictureScan::Quoted)
                out += c;
        } else if (c == u'0' || c == u'#') {
            if (point)
                emitFrac();
            else
                emitInt();
        } else if (c == u'.') {
            if (!point) {
                emitInt();
                point = true;
            } else {
                out += c;
            }
        } else if (c != u',') {
            out += c;
        }
    }
    emitInt();
    emitFrac();
    return out;
}

// The mantissa takes as many integer digits as its picture has placeholders
// before the point; the exponent follows in the picture's form.
QString RenderScientific(const QString &section, const Exponent &e, double absValue, bool minus,
                         const FormatSettings &fs)
{
    const QString mantissaPicture = section.left(e.at);
    const qsizetype point = mantissaPicture.indexOf(u'.');
    int intDigits = 0;
    for (QChar c : mantissaPicture.left(point < 0 ? mantissaPicture.size() : point))
        intDigits += c == u'0' || c == u'#';
    intDigits = qMax(intDigits, 1);
    const int decimals = Analyse(mantissaPicture).maxDec;
    int exponent = absValue > 0 ? int(std::floor(std::log10(absValue))) - (intDigits - 1) : 0;
    // In two steps, so that 10^exponent never leaves the range of a double.
    double mantissa = absValue * std::pow(10.0, -exponent / 2) * std::pow(10.0, -(exponent - exponent / 2));
    if (QString::number(mantissa, 'f', decimals).toDouble() >= std::pow(10.0, intDigits)) {
        ++exponent;
        mantissa /= 10;
    }
    QString out = Render(mantissaPicture, mantissa, minus, fs) + section[e.at];
    if (exponent < 0 || e.plus)
        out += exponent < 0 ? u'-' : u'+';
    out += QString::number(std::abs(exponent)).rightJustified(e.digits, u'0');
    for (QChar c : section.mid(e.at + e.length))
        if (c != u'"' && c != u'\'')
            out += c;
    return out;
}

QString RenderSection(const QString &section, double absValue, bool minus, const FormatSettings &fs)
{
    const Exponent e = FindExponent(section);
    return e.at >= 0 ? RenderScientific(section, e, absValue, minus, fs)
                     : Render(section, absValue, minus, fs);
}

} // namespace

FormatSettings FormatSettings::FromLocale(const QLocale &locale)
{
    FormatSettings fs;
    const QString dec = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    fs.DecimalSeparator = dec.isEmpty() ? QChar(u'.') : dec[0];
    fs.ThousandSeparator = group.isEmpty() ? QChar() : PlainBlank(group[0]);
    fs.CurrencyString = locale.currencySymbol();
    const QString sample = locale.toCurrencyString(1.0);
    const qsizetype at = fs.CurrencyString.isEmpty() ? -1 : sample.indexOf(fs.CurrencyString);
    if (at == 0) {
        const qsizetype next = fs.CurrencyString.size();
        fs.CurrencyFormat = next < sample.size() && PlainBlank(sample[next]) == u' ' ? 2 : 0;
    } else if (at > 0) {
        fs.CurrencyFormat = PlainBlank(sample[at - 1]) == u' ' ? 3 : 1;
    }
    return fs;
}

FormatSettings &CurrentFormatSettings()
{
    static FormatSettings settings = FormatSettings::FromLocale(QLocale());
    return settings;
}

QString FormatFloat(const QString &format, double value, const FormatSettings &fs)
{
    if (format.isEmpty())
        return FloatToStr(value, fs);
    const QStringList sections = SplitSections(format);
    QString section = sections[0];
    bool minus = value < 0;
    if (value < 0 && sections.size() > 1 && !sections[1].isEmpty()) {
        section = sections[1];
        minus = false;
    }
    if (sections.size() > 2 && !sections[2].isEmpty()) {
        const Picture first = Analyse(sections[0]);
        if (QString::number(std::fabs(value), 'f', first.maxDec).contains(QRegularExpression("^[0.]*$")))
            return RenderSection(sections[2], 0.0, false, fs);
    }
    return RenderSection(section, std::fabs(value), minus, fs);
}

QString FloatToStr(double value, const FormatSettings &fs)
{
    return FloatToGeneral(value, 15, fs);
}

QString FloatToGeneral(double value, int precision, const FormatSettings &fs)
{
    QString text = QString::number(value, 'g', qBound(1, precision, 18));
    static const QRegularExpression exponent(QStringLiteral("e([+-])0*(\\d+)$"));
    const QRegularExpressionMatch m = exponent.match(text);
    if (m.hasMatch())
        text.replace(m.capturedStart(), m.capturedLength(),
                     u'E' + (m.captured(1) == u"-" ? QStringLiteral("-") : QString()) + m.captured(2));
    text.replace(u'.', fs.DecimalSeparator);
    return text;
}

bool TextToFloat(const QString &text, double &value, const FormatSettings &fs)
{
    QString t = text.trimmed();
    if (fs.DecimalSeparator != u'.') {
        if (t.contains(u'.'))
            return false;
        t.replace(fs.DecimalSeparator, u'.');
    }
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(t).hasMatch())
        return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

double StrToFloat(const QString &text, const FormatSettings &fs)
{
    double v = 0;
    if (!TextToFloat(text, v, fs))
        throw EConvertError(
            QStringLiteral("'%1' is not a valid floating point value").arg(text).toStdString());
    return v;
}
