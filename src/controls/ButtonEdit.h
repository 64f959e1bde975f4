#pragma once

#include "controls/SpeedButton.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QVariant>
#include <stdexcept>

enum TGlyphKind { gkCustom, gkDefault, gkDropDown, gkEllipsis };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// An invalid value written to an edit with a button.
class EButtonEditError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TCustomButtonEdit;

// The push button inside an edit. A press that closes the edit's drop-down
// window must not open it again with the click that follows.
class TEditButton : public TExSpeedButton {
    Q_OBJECT
public:
    explicit TEditButton(TCustomButtonEdit *edit);
    bool NoAction() const { return noAction_; }
    void Click() override;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    TCustomButtonEdit *edit_;
    bool noAction_ = false;
};

// A one-line edit with a small push button at its right edge; the button and
// its key (Alt+Down by default) raise OnButtonClick.
class TCustomButtonEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCustomButtonEdit(QWidget *parent = nullptr);

    TEditButton *Button() const { return button_; }
    int ButtonWidth() const { return buttonWidth_; }
    // Widths below 2 hide the button; after construction only a width smaller
    // than the edit is taken.
    void SetButtonWidth(int width);
    QString ButtonHint() const { return button_->toolTip(); }
    void SetButtonHint(const QString &hint) { button_->setToolTip(hint); }
    QImage Glyph() const { return button_->Glyph(); }
    void SetGlyph(const QImage &glyph); // makes the glyph kind gkCustom
    int NumGlyphs() const { return button_->NumGlyphs(); }
    void SetNumGlyphs(int n);
    TGlyphKind GlyphKind() const { return glyphKind_; }
    void SetGlyphKind(TGlyphKind kind);
    QKeySequence ClickKey() const { return clickKey_; }
    void SetClickKey(const QKeySequence &key) { clickKey_ = key; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool DirectInput() const { return directInput_; }
    void SetDirectInput(bool direct);
    bool AlwaysEnable() const { return alwaysEnable_; }
    void SetAlwaysEnable(bool always) { alwaysEnable_ = always; }
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase charCase);
    // Qt's input-mask syntax.
    QString EditMask() const { return inputMask(); }
    void SetEditMask(const QString &mask);
    int PopupAlign() const { return popupAlign_; }
    void SetPopupAlign(int align) { popupAlign_ = align; }
    bool PopupVisible() const { return popupVisible_; }
    bool EditCanModify() const { return !readOnly_; }

    // The button's click: nothing while read-only unless AlwaysEnable.
    void EditButtonClick();
    void PopupCloseUp(bool accept);

signals:
    void OnButtonClick();
    void OnChange();

protected:
    virtual void ButtonClick();
    virtual QImage GetDefaultBitmap() const { return {}; }
    virtual void PopupDropDown(bool disableEdit);
    virtual void ShowPopup(QPoint origin);
    virtual void HidePopup();
    virtual bool AcceptPopup(const QVariant &) { return true; }
    virtual void AcceptValue(const QVariant &value);
    virtual void SetPopupValue(const QVariant &) {}
    virtual QVariant GetPopupValue() const { return text(); }
    virtual void PopupChange() {}
    // Every text change; raises OnChange (PopupChange while a drop-down is open).
    virtual void Change();

    void SetPopup(QWidget *popup) { popup_ = popup; }
    QWidget *Popup() const { return popup_; }
    void SetDefNumGlyphs(int n) { defNumGlyphs_ = n; }
    void RebuildGlyph();
    void UpdateButtonPlacement();

    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;

    bool creating_ = true; // set while constructors run: ButtonWidth is taken as it is

private:
    TEditButton *button_;
    QWidget *popup_ = nullptr;
    QKeySequence clickKey_{Qt::ALT | Qt::Key_Down};
    int buttonWidth_ = 21;
    bool readOnly_ = false;
    bool directInput_ = true;
    bool alwaysEnable_ = false;
    bool autoSelect_ = true;
    bool popupVisible_ = false;
    int popupAlign_ = 0;
    int defNumGlyphs_ = 1;
    TGlyphKind glyphKind_ = gkCustom;
    TEditCharCase charCase_ = ecNormal;
};

class TButtonEdit : public TCustomButtonEdit {
    Q_OBJECT
public:
    explicit TButtonEdit(QWidget *parent = nullptr) : TCustomButtonEdit(parent) { creating_ = false; }
};

// The three 2 x 2 dots of an ellipsis button of the given width.
QImage EllipsisGlyph(int buttonWidth);
// A cross: the button that empties a search edit.
QImage ClearGlyph();
