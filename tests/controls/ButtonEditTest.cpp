#include "controls/ButtonEdit.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
// A window that counts the keys that reach it.
class KeyCounter : public QWidget {
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Down)
            ++keys;
        QWidget::keyPressEvent(e);
    }
};
} // namespace

TEST(ButtonEdit, ClickKeyRaisesButtonClickOnce)
{
    KeyCounter form;
    auto *ed = new TButtonEdit(&form);
    ed->resize(120, 24);
    QSignalSpy clicks(ed, &TCustomButtonEdit::OnButtonClick);
    form.show();
    ed->setFocus();
    QTest::keyClick(ed, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(form.keys, 0);
    QTest::mouseClick(ed->Button(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 2);
}

TEST(ButtonEdit, NarrowButtonsAreHidden)
{
    QWidget form;
    auto *ed = new TButtonEdit(&form);
    ed->resize(120, 24);
    QSignalSpy clicks(ed, &TCustomButtonEdit::OnButtonClick);
    form.show();
    ed->setFocus();
    EXPECT_TRUE(ed->Button()->isVisible());
    ed->SetButtonWidth(0);
    EXPECT_FALSE(ed->Button()->isVisible());
    QTest::keyClick(ed, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 0);
    ed->SetButtonWidth(1);
    EXPECT_FALSE(ed->Button()->isVisible());
    QTest::keyClick(ed, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    // A width as wide as the edit is refused.
    ed->SetButtonWidth(500);
    EXPECT_EQ(ed->ButtonWidth(), 1);
    ed->SetButtonWidth(30);
    EXPECT_EQ(ed->Button()->width(), 30);
    EXPECT_EQ(ed->Button()->geometry().right(), ed->width() - 1 - (ed->hasFrame() ? ed->Button()->y() : 0));
}

TEST(ButtonEdit, ReadOnlyAndDirectInput)
{
    QWidget form;
    auto *ed = new TButtonEdit(&form);
    ed->resize(120, 24);
    QSignalSpy clicks(ed, &TCustomButtonEdit::OnButtonClick);
    form.show();
    ed->SetReadOnly(true);
    QTest::mouseClick(ed->Button(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 0);
    ed->SetAlwaysEnable(true);
    QTest::mouseClick(ed->Button(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);

    ed->SetReadOnly(false);
    ed->SetDirectInput(false);
    ed->setFocus();
    QTest::keyClicks(ed, "abc");
    EXPECT_EQ(ed->text(), "");
    QTest::mouseClick(ed->Button(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 2);
    ed->SetDirectInput(true);
    QTest::keyClicks(ed, "abc");
    EXPECT_EQ(ed->text(), "abc");
}

TEST(ButtonEdit, UpperCaseSearchField)
{
    QWidget form;
    auto *ed = new TButtonEdit(&form);
    ed->SetCharCase(ecUpperCase);
    ed->setMaxLength(10);
    QSignalSpy changes(ed, &TCustomButtonEdit::OnChange);
    form.show();
    ed->setFocus();
    QTest::keyClicks(ed, "sp5abc/p123456");
    EXPECT_EQ(ed->text(), "SP5ABC/P12");
    EXPECT_EQ(changes.count(), 10);
}

TEST(ButtonEdit, EllipsisGlyphDots)
{
    QWidget form;
    auto *ed = new TButtonEdit(&form);
    ed->resize(120, 24);
    ed->SetGlyphKind(gkEllipsis);
    const QImage g = ed->Glyph();
    ASSERT_EQ(g.size(), QSize(15, 4));
    QList<int> dotColumns;
    for (int x = 0; x < g.width(); ++x)
        if (qAlpha(g.pixel(x, 1)) != 0)
            dotColumns.append(x);
    EXPECT_EQ(dotColumns, QList<int>({1, 2, 6, 7, 11, 12}));
    EXPECT_EQ(qAlpha(g.pixel(1, 0)), 0);
    EXPECT_NE(qAlpha(g.pixel(1, 2)), 0);
    EXPECT_EQ(qAlpha(g.pixel(1, 3)), 0);
}

TEST(ButtonEdit, EnterReachesTheDialogsDefaultButton)
{
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *ed = new TButtonEdit;
    auto *ok = new QPushButton("OK");
    ok->setDefault(true);
    layout->addWidget(ed);
    layout->addWidget(ok);
    QSignalSpy okClicks(ok, &QPushButton::clicked);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.show();
    ed->setFocus();
    QTest::keyClick(ed, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

namespace {
// A descendant with a drop-down window, to drive the drop-down hooks.
class PopupEdit : public TButtonEdit {
public:
    explicit PopupEdit(QWidget *parent) : TButtonEdit(parent)
    {
        list.setWindowFlags(Qt::ToolTip);
        SetPopup(&list);
    }
    QLabel list;

protected:
    void SetPopupValue(const QVariant &value) override { list.setText(value.toString()); }
    QVariant GetPopupValue() const override { return list.text(); }
};
} // namespace

TEST(ButtonEdit, DropDownWindowOpensAndAccepts)
{
    QWidget form;
    auto *ed = new PopupEdit(&form);
    ed->resize(120, 24);
    form.show();
    ed->setFocus();
    QTest::keyClicks(ed, "abc");
    QTest::mouseClick(ed->Button(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(ed->PopupVisible());
    EXPECT_EQ(ed->list.text(), "abc");
    EXPECT_TRUE(ed->isReadOnly());
    ed->list.setText("XYZ");
    QTest::keyClick(ed, Qt::Key_Return);
    EXPECT_FALSE(ed->PopupVisible());
    EXPECT_EQ(ed->text(), "XYZ");
    EXPECT_FALSE(ed->isReadOnly());

    QTest::keyClick(ed, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(ed->PopupVisible());
    ed->list.setText("QQQ");
    QTest::keyClick(ed, Qt::Key_Escape);
    EXPECT_EQ(ed->text(), "XYZ");

    // A press on the button closes an open window, and its click does not reopen it.
    QTest::keyClick(ed, Qt::Key_Down, Qt::AltModifier);
    ed->list.setText("SP5");
    QTest::mouseClick(ed->Button(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(ed->PopupVisible());
    EXPECT_EQ(ed->text(), "SP5");
}
