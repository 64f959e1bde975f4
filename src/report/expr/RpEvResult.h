#pragma once

#include <QString>
#include <QtGlobal>

// The kind of an expression result.
enum TRpEvKind : quint8 { rpvInteger = 0, rpvFloat = 1, rpvString = 2, rpvBoolean = 3, rpvError = 4 };

// Longest text a result holds; longer text is cut.
constexpr int RpMaxStringLength = 255;

// The value of an expression, copied by value. Errors are values too: an error
// result carries its message in StringValue and travels up through operators
// and functions.
struct TRpEvResult {
    TRpEvKind Kind = rpvInteger;
    qint32 IntValue = 0;
    double FloatValue = 0;
    QString StringValue;
    bool BooleanValue = false;

    static TRpEvResult Integer(qint32 value);
    static TRpEvResult Float(double value);
    static TRpEvResult String(const QString &value); // cut to RpMaxStringLength
    static TRpEvResult Boolean(bool value);
    static TRpEvResult Error(const QString &message);

    bool IsError() const { return Kind == rpvError; }
    bool IsNumeric() const { return Kind == rpvInteger || Kind == rpvFloat; }
    double AsDouble() const { return Kind == rpvInteger ? double(IntValue) : FloatValue; }
};

// Integer in decimal, float in the general float format, string unchanged,
// boolean as "True" or "False". An error result throws ERpError with
// "Error in expression : " and its message.
QString ResultToText(const TRpEvResult &result);

// Byte order of the program's 8-bit text (Windows-1250), as the report engine
// compares strings: case-sensitive. Negative, 0 or positive.
int CompareRpStrings(const QString &a, const QString &b);
