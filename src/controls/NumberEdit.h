#pragma once

#include "controls/ButtonEdit.h"

#include <stdexcept>

// A value outside the allowed range.
class ERangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An edit that holds a number: while focused it shows an editing text, when
// not focused it paints the value through DisplayFormat. Typed keys are
// filtered, the value is kept in range, bad input beeps.
class TCustomNumberEdit : public TCustomButtonEdit {
    Q_OBJECT
public:
    explicit TCustomNumberEdit(QWidget *parent = nullptr);

    // Parses the editing text first; text that is no number beeps and keeps the last value.
    double Value();
    void SetValue(double value);
    int AsInteger() { return int(Value()); }
    void SetAsInteger(int value) { SetValue(value); }
    QString Text() const { return text(); }
    void SetText(const QString &text); // throws EConvertError for text that is no number

    double MinValue() const { return minValue_; }
    void SetMinValue(double value);
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double value);
    int DecimalPlaces() const { return decimalPlaces_; }
    void SetDecimalPlaces(int places);
    bool BeepOnError() const { return beepOnError_; }
    void SetBeepOnError(bool beep);
    bool CheckOnExit() const { return checkOnExit_; }
    void SetCheckOnExit(bool check) { checkOnExit_ = check; }
    bool ZeroEmpty() const { return zeroEmpty_; }
    void SetZeroEmpty(bool zeroEmpty);
    bool FormatOnEditing() const { return formatOnEditing_; }
    void SetFormatOnEditing(bool on);
    QString DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString &format);
    // Alignment of the painted display text.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);

    // The text shown while the edit has no focus.
    QString DisplayText() const { return FormatDisplayText(value_); }
    // Throws ERangeError when the value is outside the range.
    void CheckRange();
    void Clear() { SetText(QString()); }
    void Reset();

protected:
    virtual void DataChanged();
    virtual QString GetDefaultDisplayFormat() const { return QStringLiteral(",0.##"); }
    virtual bool IsValidChar(QChar key);
    virtual QString FormatDisplayText(double value) const;
    virtual void UpdatePopup() {}
    QImage GetDefaultBitmap() const override;
    void Change() override;

    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

    QString displayFormat_;

private:
    double CheckValue(double value, bool raise) const;
    bool UpdateValue();
    QString Normalise(QString text) const;
    void Reformat();
    void Paste();

    double value_ = 0;
    double minValue_ = 0;
    double maxValue_ = 0;
    int decimalPlaces_ = 2;
    bool beepOnError_ = true;
    bool checkOnExit_ = false;
    bool zeroEmpty_ = true;
    bool formatOnEditing_ = false;
    bool formatting_ = false;
    bool dataChanging_ = false;
    Qt::Alignment alignment_ = Qt::AlignRight;
};

// A number edit without a button, formatted as an amount of the locale's currency.
class TAmountEdit : public TCustomNumberEdit {
    Q_OBJECT
public:
    explicit TAmountEdit(QWidget *parent = nullptr);

protected:
    QString GetDefaultDisplayFormat() const override;
};
