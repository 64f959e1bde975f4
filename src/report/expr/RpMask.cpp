#include "report/expr/RpMask.h"

#include "platform/NumFormat.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {

// Widths and precisions beyond these are mistakes, not layouts.
constexpr int MaxWidth = 255;
constexpr int MaxPrecision = 18;

int ReadNumber(const QString &mask, qsizetype &i)
{
    int n = 0;
    while (i < mask.size() && mask[i] >= u'0' && mask[i] <= u'9')
        n = qMin(n * 10 + (mask[i++].unicode() - u'0'), MaxWidth + 1);
    return n;
}

QString Zeros(int n)
{
    return n > 0 ? u'.' + QString(n, u'0') : QString();
}

std::optional<QString> FormatOne(QChar type, int precision, double value)
{
    const FormatSettings &fs = CurrentFormatSettings();
    switch (type.toLower().unicode()) {
    case u'e':
        return FormatFloat(QStringLiteral("0") + Zeros((precision < 0 ? 15 : qMax(precision, 1)) - 1) +
                               QStringLiteral("E+000"),
                           value, fs);
    case u'f': return FormatFloat(u'0' + Zeros(precision < 0 ? 2 : precision), value, fs);
    case u'g': return FloatToGeneral(value, precision < 0 ? 15 : precision, fs);
    case u'n': return FormatFloat(QStringLiteral(",0") + Zeros(precision < 0 ? 2 : precision), value, fs);
    case u'm': {
        const QString number =
            FormatFloat(QStringLiteral(",0") + Zeros(precision < 0 ? fs.CurrencyDecimals : precision),
                        std::fabs(value), fs);
        static const char *const layouts[] = {"%2%1", "%1%2", "%2 %1", "%1 %2"};
        const QString text =
            QString::fromLatin1(layouts[qBound(0, fs.CurrencyFormat, 3)]).arg(number, fs.CurrencyString);
        return value < 0 && number.contains(QRegularExpression(QStringLiteral("[1-9]"))) ? u'-' + text : text;
    }
    default: return std::nullopt;
    }
}

// Date-time mask tokens (d, m, yy, h, n, s, z, am/pm, quoted text) written out
// with the C locale's names, as the program's other date texts are.
class DateWriter {
public:
    DateWriter(const QString &mask, const DateTime &value)
        : mask_(mask), date_(value.date()), time_(value.time()),
          twelveHour_(mask.contains(QRegularExpression(QStringLiteral("am/pm|a/p|ampm"),
                                                       QRegularExpression::CaseInsensitiveOption)))
    {
    }

    QString Write()
    {
        const QLocale c = QLocale::c();
        while (i_ < mask_.size()) {
            const QChar ch = mask_[i_];
            const char16_t lc = ch.toLower().unicode();
            if (ch == u'"' || ch == u'\'') {
                Literal(ch);
                continue;
            }
            const int k = Run(ch);
            bool hour = false;
            switch (lc) {
            case u'd':
                out_ += k == 1   ? QString::number(date_.day())
                        : k == 2 ? Two(date_.day())
                        : k == 3 ? c.dayName(date_.dayOfWeek(), QLocale::ShortFormat)
                        : k == 4 ? c.dayName(date_.dayOfWeek(), QLocale::LongFormat)
                        : k == 5 ? LocaleDateText(date_)
                                 : QLocale().toString(date_, QLocale::LongFormat);
                break;
            case u'm':
                if (afterHour_ && k <= 2)
                    out_ += k == 1 ? QString::number(time_.minute()) : Two(time_.minute());
                else
                    out_ += k == 1   ? QString::number(date_.month())
                            : k == 2 ? Two(date_.month())
                            : k == 3 ? c.monthName(date_.month(), QLocale::ShortFormat)
                                     : c.monthName(date_.month(), QLocale::LongFormat);
                break;
            case u'y':
                out_ +=
                    k <= 2 ? Two(date_.year() % 100) : QString::number(date_.year()).rightJustified(4, u'0');
                break;
            case u'h': {
                const int h = twelveHour_ ? (time_.hour() + 11) % 12 + 1 : time_.hour();
                out_ += k == 1 ? QString::number(h) : Two(h);
                hour = true;
                break;
            }
            case u'n': out_ += k == 1 ? QString::number(time_.minute()) : Two(time_.minute()); break;
            case u's': out_ += k == 1 ? QString::number(time_.second()) : Two(time_.second()); break;
            case u'z':
                out_ += k < 3 ? QString::number(time_.msec())
                              : QString::number(time_.msec()).rightJustified(3, u'0');
                break;
            case u't':
                out_ += k == 1 ? c.toString(time_, QStringLiteral("HH:mm")) : LocaleTimeText(time_);
                break;
            case u'c':
                out_ += LocaleDateText(date_);
                if (time_.msecsSinceStartOfDay() != 0)
                    out_ += u' ' + LocaleTimeText(time_);
                break;
            case u'a':
                if (!AmPm())
                    out_ += mask_.mid(i_ - k, k);
                break;
            default: out_ += mask_.mid(i_ - k, k); continue;
            }
            afterHour_ = hour;
        }
        return out_;
    }

private:
    static QString Two(int n) { return QString::number(n).rightJustified(2, u'0'); }

    // Length of the run of one letter (either case) at the position, consumed.
    int Run(QChar ch)
    {
        const qsizetype start = i_;
        if (ch.isLetter())
            while (i_ < mask_.size() && mask_[i_].toLower() == ch.toLower())
                ++i_;
        else
            ++i_;
        return int(i_ - start);
    }

    void Literal(QChar quote)
    {
        const qsizetype end = mask_.indexOf(quote, i_ + 1);
        out_ += mask_.mid(i_ + 1, (end < 0 ? mask_.size() : end) - i_ - 1);
        i_ = end < 0 ? mask_.size() : end + 1;
    }

    // At an "a" just consumed: am/pm, a/p or ampm, in the mask's letter case.
    bool AmPm()
    {
        const qsizetype at = i_ - 1;
        const bool pm = time_.hour() >= 12;
        const QString rest = mask_.mid(at);
        if (rest.startsWith(u"am/pm", Qt::CaseInsensitive)) {
            const QString word = rest.mid(pm ? 3 : 0, 2);
            out_ += word;
            i_ = at + 5;
        } else if (rest.startsWith(u"a/p", Qt::CaseInsensitive)) {
            out_ += rest.mid(pm ? 2 : 0, 1);
            i_ = at + 3;
        } else if (rest.startsWith(u"ampm", Qt::CaseInsensitive)) {
            out_ += pm ? QLocale().pmText() : QLocale().amText();
            i_ = at + 4;
        } else {
            return false;
        }
        return true;
    }

    const QString &mask_;
    QDate date_;
    QTime time_;
    bool twelveHour_;
    bool afterHour_ = false;
    qsizetype i_ = 0;
    QString out_;
};

} // namespace

std::optional<QString> FormatNumberMask(const QString &mask, double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return FormatFloat(mask, value);
}

std::optional<QString> FormatValueMask(const QString &mask, double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    QString out;
    int next = 0;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (mask[i] != u'%') {
            out += mask[i];
            continue;
        }
        if (++i < mask.size() && mask[i] == u'%') {
            out += u'%';
            continue;
        }
        int width = ReadNumber(mask, i);
        int argument = next;
        if (i < mask.size() && mask[i] == u':') {
            argument = width;
            width = 0;
            ++i;
        }
        const bool left = i < mask.size() && mask[i] == u'-';
        if (left)
            ++i;
        if (i < mask.size() && mask[i] >= u'0' && mask[i] <= u'9')
            width = ReadNumber(mask, i);
        int precision = -1;
        if (i < mask.size() && mask[i] == u'.') {
            ++i;
            precision = ReadNumber(mask, i);
        }
        if (argument != 0 || i >= mask.size() || width > MaxWidth || precision > MaxPrecision)
            return std::nullopt;
        const std::optional<QString> text = FormatOne(mask[i], precision, value);
        if (!text)
            return std::nullopt;
        out += left ? text->leftJustified(width) : text->rightJustified(width);
        next = argument + 1;
    }
    return out;
}

QString FormatDateTimeMask(const QString &mask, const DateTime &value)
{
    return DateWriter(mask, value).Write();
}

QString LocaleTimeText(const QTime &time)
{
    // The long format without a time-zone name, as the program's clock shows it.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return QLocale().toString(time, format.trimmed());
}

QString LocaleDateText(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}
