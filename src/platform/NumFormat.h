#pragma once

#include <QString>
#include <stdexcept>

class QLocale;

// Text that is not a number where one is required.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The locale's number settings as the controls use them. Qt gives some locales
// a no-break space as thousand separator; users type a blank, so it becomes one.
struct FormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QString CurrencyString;
    int CurrencyFormat = 0; // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int CurrencyDecimals = 2;

    static FormatSettings FromLocale(const QLocale &locale);
};

// Taken from the default QLocale on first use; tests may assign another one.
FormatSettings &CurrentFormatSettings();

// Formats with a picture of "0", "#", ".", ",", an exponent "E+00" / "E-00" and
// literals, in up to three sections "positive;negative;zero". An empty format
// gives FloatToStr.
QString FormatFloat(const QString &format, double value, const FormatSettings &fs = CurrentFormatSettings());
// Up to 15 significant digits.
QString FloatToStr(double value, const FormatSettings &fs = CurrentFormatSettings());
// Up to `precision` significant digits, exponent written as "1E20" / "1E-5".
QString FloatToGeneral(double value, int precision, const FormatSettings &fs = CurrentFormatSettings());
// Blanks around the number are allowed; the decimal separator is the settings' one.
bool TextToFloat(const QString &text, double &value, const FormatSettings &fs = CurrentFormatSettings());
double StrToFloat(const QString &text,
                  const FormatSettings &fs = CurrentFormatSettings()); // throws EConvertError
