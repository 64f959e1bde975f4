#pragma once

#include "platform/DateTime.h"

#include <QString>
#include <optional>

// User masks of the report engine: pictures for numbers and dates, and
// "%m"-style formats. Interpreted here, never handed to printf. A mask or
// value that cannot be formatted gives no text (nullopt).

// A number picture: "0", "#", ".", ",", "E+00", quoted literals, up to three
// sections "positive;negative;zero". Empty mask: the general float format.
std::optional<QString> FormatNumberMask(const QString &mask, double value);

// A format with one number: text with "%%" and specifiers
// "%[0:][-][width][.precision]" of type e, f, g, n or m (money).
std::optional<QString> FormatValueMask(const QString &mask, double value);

// A date-time picture: d to dddddd, m to mmmm, yy, yyyy, h, hh, n, nn, s, ss,
// z, zzz, t, tt, c, am/pm, a/p, ampm, quoted literals; m after h is minutes.
QString FormatDateTimeMask(const QString &mask, const DateTime &value);

// The locale's time (long format) and short date, as TIME and DATE give them.
QString LocaleTimeText(const QTime &time);
QString LocaleDateText(const QDate &date);
