#pragma once

#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

enum TValueType { vtInteger, vtFloat, vtHex };
enum TSpinButtonKind { bkStandard, bkDiagonal };
enum TSpinButtonState { sbNotDown, sbTopDown, sbBottomDown };

// A square button split along its diagonal: the upper-left half steps up,
// the lower-right half down; held down it repeats.
class TExSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TExSpinButton(QWidget *parent = nullptr);

    QImage UpGlyph() const { return upGlyph_; }
    void SetUpGlyph(const QImage &glyph); // a null image restores "EXSPINUP"
    QImage DownGlyph() const { return downGlyph_; }
    void SetDownGlyph(const QImage &glyph); // a null image restores "EXSPINDOWN"
    QWidget *FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget *control) { focusControl_ = control; }
    TSpinButtonState Down() const { return down_; }

signals:
    void OnTopClick();
    void OnBottomClick();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void DoClick();
    void TimerExpired();
    void SetDownState(TSpinButtonState state);
    QPixmap DrawBitmap(TSpinButtonState state) const;

    QImage upGlyph_;
    QImage downGlyph_;
    QPointer<QWidget> focusControl_;
    TSpinButtonState down_ = sbNotDown;
    TSpinButtonState lastDown_ = sbNotDown;
    bool dragging_ = false;
    QTimer repeatTimer_;
    std::array<QPixmap, 3> cache_;
    bool cacheValid_ = false;
};

// The standard up-down arrows: a press moves the position to 1 (upper arrow)
// or -1 (lower arrow) and reports it; held down it repeats.
class TExUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TExUpDown(QWidget *parent = nullptr);
    int Position() const { return position_; }
    void SetPosition(int position);
    static int DefaultWidth();

signals:
    void OnChanging(int position);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void Step();

    int position_ = 0;
    int pressed_ = 0; // 1 upper, -1 lower
    QTimer repeatTimer_;
};

// A numeric edit with a spin button; the value stays inside MinValue..MaxValue
// unless the two are equal.
class TExSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TExSpinEdit(QWidget *parent = nullptr);
    ~TExSpinEdit() override;

    // Text that is no number reads as MinValue; the result always obeys the range.
    double Value() const;
    void SetValue(double value);
    int AsInteger() const { return GetIntegerValue(); }
    int GetIntegerValue() const { return int(Value()); }
    double MinValue() const { return minValue_; }
    void SetMinValue(double value) { minValue_ = value; }
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double value) { maxValue_ = value; }
    double Increment() const { return increment_; }
    void SetIncrement(double increment) { increment_ = increment; }
    int Decimal() const { return decimal_; }
    void SetDecimal(int decimal);
    TValueType ValueType() const { return valueType_; }
    void SetValueType(TValueType type);
    TSpinButtonKind ButtonKind() const { return buttonKind_; }
    void SetButtonKind(TSpinButtonKind kind);
    bool ArrowKeys() const { return arrowKeys_; }
    void SetArrowKeys(bool on) { arrowKeys_ = on; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool on);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }

    TExSpinButton *SpinButton() const { return spinButton_; }
    TExUpDown *UpDown() const { return upDown_; }
    int ButtonWidth() const;

    virtual void UpClick();
    virtual void DownClick();

signals:
    void OnChange();
    void OnTopClick();
    void OnBottomClick();

protected:
    virtual bool IsValidChar(QChar key) const;

    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    double CheckValue(double value) const;
    double RawValue() const;
    void Step(double delta, bool up);
    void CreateButton();
    void PlaceButton();
    void UpDownChanging(int position);

    double minValue_ = 0;
    double maxValue_ = 0;
    double increment_ = 1;
    int decimal_ = 2;
    TValueType valueType_ = vtInteger;
    TSpinButtonKind buttonKind_ = bkDiagonal;
    bool arrowKeys_ = true;
    bool editorEnabled_ = true;
    bool readOnly_ = false;
    bool autoSelect_ = true;
    bool changing_ = false;
    bool upDownGuard_ = false;
    TExSpinButton *spinButton_ = nullptr;
    TExUpDown *upDown_ = nullptr;
};
