#include "controls/ExSpin.h"
#include "controls/NumberEdit.h"
#include "exchange/windows/FEditLabelFrm.h"
#include "exchange/windows/FLabelTbl.h"
#include "exchange/windows/LabelSketch.h"
#include "platform/Messages.h"
#include "support/LogDb.h"
#include "support/WindowPicture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const char *const RowSql = "SELECT NAZWA || ' ' || MARG_G || ' ' || MARG_L || ' ' || ODSTEP_PION || ' ' || "
                           "ODSTEP_POZ || ' ' || WYSOKOSC || ' ' || SZEROKOSC || ' ' || LICZBA_POZ || ' ' || "
                           "LICZBA_PION FROM ETYKIETY ORDER BY NAZWA";

// Rows as another transaction sees them: only what was committed.
class LabelTemplateWindows : public DataModuleTest {
protected:
    QStringList CommittedRows() { return SelectStrings(dm->Baza, RowSql); }

    // Types into a field the way a user does: select all, then the keys.
    static void Type(QWidget *edit, const QString &text)
    {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        // Key events carry ASCII only; Polish letters arrive as typed text.
        for (QChar c : text)
            if (c.unicode() < 128)
                QTest::keyClick(edit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // Fills every field of the editor: name, then top, side, height, width,
    // horizontal and vertical pitch, counts across and down.
    static void Fill(TEditLabelFrm &e, const QString &name, const QStringList &lengths, int across, int down)
    {
        Type(e.EdNazwa, name);
        const QList<QWidget *> edits = {e.EdGorny,     e.EdBoczny,  e.EdWysokosc,
                                        e.EdSzerokosc, e.EdOdstPoz, e.EdOdstPion};
        for (int i = 0; i < edits.size(); ++i)
            Type(edits[i], lengths[i]);
        Type(e.EdLiczbaPoz, QString::number(across));
        Type(e.EdLiczbaPion, QString::number(down));
    }

    // Saves a template through a new editor; returns whether it closed.
    bool AddTemplate(const QString &name, const QStringList &lengths = {"1", "0.5", "3.7", "7", "7", "3.7"})
    {
        TEditLabelFrm e;
        e.PrepareNewTemplate();
        e.show();
        Fill(e, name, lengths, 3, 8);
        e.PostBtn->click();
        return !e.isVisible() && e.result() == mrOk;
    }

    // Runs `work` on the editor once the list has opened it modally.
    static void WhenEditorOpens(std::function<void(TEditLabelFrm &)> work)
    {
        QTimer::singleShot(0, [work] {
            auto *e = qobject_cast<TEditLabelFrm *>(QApplication::activeModalWidget());
            ASSERT_NE(e, nullptr);
            work(*e);
            if (e->isVisible())
                e->CancelBtn->click();
        });
    }
};

}

TEST_F(LabelTemplateWindows, NewTemplateIsCheckedSavedAtOnceAndShownAgainInCentimetres)
{
    TLabelTbl list;
    list.PrepareTemplateList();
    list.show();
    EXPECT_EQ(list.windowTitle(), QString::fromUtf8("Etykiety adresowe"));
    EXPECT_EQ(list.InsertBtn->toolTip(), "Wprowadzenie\nnowej etykiety");
    EXPECT_FALSE(list.EditBtn->isEnabled());
    EXPECT_FALSE(list.DeleteBtn->isEnabled());

    WhenEditorOpens([this](TEditLabelFrm &e) {
        EXPECT_EQ(e.EdNazwa->text(), "");
        EXPECT_EQ(e.EdLiczbaPoz->text(), "1");
        EXPECT_EQ(e.EdLiczbaPion->text(), "1");
        EXPECT_EQ(e.EdOdstPoz->DisplayText(), "0.00 cm");

        // Empty name first, then a pitch below 64 mm: each keeps the dialog open on its field.
        e.PostBtn->click();
        Fill(e, QString::fromUtf8("Zwykła A4"), {"1", "0.5", "2.54", "6.4", "6.39", "3"}, 3, 8);
        e.PostBtn->click();
        EXPECT_EQ(warnings, QStringList({QString::fromUtf8("Nazwa etykiety musi być podana."),
                                         QString::fromUtf8("Odstęp między etykietami w poziomie nie może być "
                                                           "mniejszy niż 64 mm.")}));
        EXPECT_EQ(e.focusWidget(), e.EdOdstPoz);
        EXPECT_TRUE(e.isVisible());
        EXPECT_TRUE(CommittedRows().isEmpty());

        // A negative margin is refused on its field.
        Type(e.EdOdstPoz, "7");
        Type(e.EdBoczny, "-0.5");
        e.PostBtn->click();
        EXPECT_EQ(warnings.last(), QString::fromUtf8("Margines boczny nie może być ujemny."));
        EXPECT_EQ(e.focusWidget(), e.EdBoczny);
        EXPECT_TRUE(CommittedRows().isEmpty());
        Type(e.EdBoczny, "0.5");

        // A count beyond its range is kept to it.
        Type(e.EdLiczbaPion, "12");
        e.PostBtn->click();
        EXPECT_FALSE(e.isVisible());
    });
    list.InsertBtn->click();

    EXPECT_EQ(CommittedRows(), QStringList{QString::fromUtf8("Zwykła A4 100 50 300 700 254 640 3 10")});
    EXPECT_TRUE(list.EditBtn->isEnabled());
    EXPECT_TRUE(list.DeleteBtn->isEnabled());
    EXPECT_GT(dm->Etykiety.FieldByName("ETYKIETAID")->AsInteger(), 0);

    WhenEditorOpens([this](TEditLabelFrm &e) {
        EXPECT_FALSE(e.Inserting());
        EXPECT_EQ(e.EdNazwa->text(), QString::fromUtf8("Zwykła A4"));
        EXPECT_DOUBLE_EQ(e.EdWysokosc->Value(), 2.54);
        EXPECT_EQ(e.EdWysokosc->DisplayText(), "2.54 cm");
        EXPECT_EQ(e.EdLiczbaPion->AsInteger(), 10);
        Type(e.EdNazwa, "Avery 3x8");
        Type(e.EdGorny, "0");
        e.PostBtn->click();
        EXPECT_FALSE(e.isVisible());
    });
    list.EditBtn->click();
    EXPECT_EQ(CommittedRows(), QStringList{"Avery 3x8 0 50 300 700 254 640 3 10"});
    EXPECT_EQ(warnings.size(), 3);
}

TEST_F(LabelTemplateWindows, CancelLeavesTheTableUntouched)
{
    ASSERT_TRUE(AddTemplate("A"));
    const QStringList before = CommittedRows();
    TLabelTbl list;
    list.PrepareTemplateList();
    list.show();

    for (QPushButton *button : {list.InsertBtn, list.EditBtn}) {
        WhenEditorOpens([](TEditLabelFrm &e) {
            Fill(e, "B", {"1", "1", "3", "7", "7", "3"}, 2, 5);
            e.CancelBtn->click();
            EXPECT_EQ(e.result(), mrCancel);
        });
        button->click();
        EXPECT_EQ(CommittedRows(), before);
        EXPECT_EQ(dm->Etykiety.RecordCount(), 1);
        EXPECT_EQ(dm->Etykiety.State(), DataSetState::Browse);
    }
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(LabelTemplateWindows, DuplicateNameKeepsTheDialogOpenWithTheValuesAsTyped)
{
    ASSERT_TRUE(AddTemplate("A"));
    ASSERT_TRUE(AddTemplate("B"));
    const QStringList before = CommittedRows();
    const QString duplicate = QString::fromUtf8("Etykieta o podanej nazwie jest już w wykazie!");

    TEditLabelFrm insert;
    insert.PrepareNewTemplate();
    insert.show();
    Fill(insert, "A", {"2", "1", "3", "7", "7", "3"}, 2, 5);
    insert.PostBtn->click();
    EXPECT_EQ(warnings, QStringList{duplicate});
    EXPECT_TRUE(insert.isVisible());
    EXPECT_EQ(insert.focusWidget(), insert.EdNazwa);
    EXPECT_EQ(insert.EdNazwa->text(), "A");
    EXPECT_DOUBLE_EQ(insert.EdGorny->Value(), 2);
    EXPECT_EQ(insert.EdLiczbaPion->AsInteger(), 5);
    EXPECT_EQ(CommittedRows(), before);
    EXPECT_EQ(dm->Etykiety.State(), DataSetState::Browse);

    // Another name then saves from the same dialog.
    Type(insert.EdNazwa, "C");
    insert.PostBtn->click();
    EXPECT_FALSE(insert.isVisible());
    EXPECT_EQ(CommittedRows().size(), 3);

    // Renaming B to A is refused the same way and B stays as it was.
    ASSERT_TRUE(dm->Etykiety.Locate("NAZWA", "B"));
    TEditLabelFrm edit;
    edit.PrepareEditTemplate();
    edit.show();
    Type(edit.EdNazwa, "A");
    edit.PostBtn->click();
    EXPECT_EQ(warnings, QStringList({duplicate, duplicate}));
    EXPECT_TRUE(edit.isVisible());
    EXPECT_EQ(edit.EdNazwa->text(), "A");
    EXPECT_EQ(dm->Etykiety.FieldByName("NAZWA")->AsString(), "B");
    EXPECT_TRUE(CommittedRows().contains("B 100 50 370 700 370 700 3 8"));

    // A name longer than the column is refused before anything is written.
    Type(edit.EdNazwa, QString(31, u'x'));
    edit.PostBtn->click();
    EXPECT_EQ(warnings.last(), QString::fromUtf8("Nazwa etykiety nie może być dłuższa niż 30 znaków."));
    EXPECT_EQ(edit.focusWidget(), edit.EdNazwa);
}

TEST_F(LabelTemplateWindows, DeletingTheLastTemplateAsksFirstAndDisablesTheButtons)
{
    ASSERT_TRUE(AddTemplate("A"));
    TLabelTbl list;
    list.PrepareTemplateList();
    list.show();
    ASSERT_TRUE(list.DeleteBtn->isEnabled());

    confirmAnswer = false;
    list.DeleteBtn->click();
    EXPECT_EQ(confirms, QStringList{QString::fromUtf8("Usunąć zaznaczoną etykietę z wykazu?")});
    EXPECT_EQ(CommittedRows().size(), 1);

    confirmAnswer = true;
    list.DeleteBtn->click();
    EXPECT_TRUE(CommittedRows().isEmpty());
    EXPECT_FALSE(list.EditBtn->isEnabled());
    EXPECT_FALSE(list.DeleteBtn->isEnabled());
    EXPECT_TRUE(list.InsertBtn->isEnabled());
}

TEST_F(LabelTemplateWindows, EditorShowsItsCaptionsAndExplanatoryDrawing)
{
    TEditLabelFrm e;
    e.PrepareNewTemplate();
    e.show();
    EXPECT_EQ(e.windowTitle(), "Etykiety adresowe");
    EXPECT_EQ(e.PostBtn->text(), "&Zapisz");
    EXPECT_TRUE(e.PostBtn->isDefault());
    EXPECT_EQ(e.CancelBtn->text(), "&Anuluj");
    EXPECT_EQ(TLabelSketch::Captions().size(), 6);
    // Every field has its label, and each label's accelerator reaches its field.
    QStringList captions;
    for (QLabel *label : e.findChildren<QLabel *>())
        if (label->buddy())
            captions << label->text();
    QStringList expected({"Liczba w &poziomie:", "Liczba w p&ionie:", "Margines &boczny:",
                          QString::fromUtf8("Margines &górny:"),
                          "Nazwa &etykiety:", QString::fromUtf8("O&dstęp w pionie:"),
                          QString::fromUtf8("&Odstęp w poziomie:"), QString::fromUtf8("&Szerokość etykiety:"),
                          QString::fromUtf8("&Wysokość etykiety:")});
    captions.sort();
    expected.sort();
    EXPECT_EQ(captions, expected);
    const QImage sketch = e.Sketch->grab().toImage();
    EXPECT_FALSE(sketch.isNull());
}

// The list with one template and the editor filled in, written as
// X-wzorce.png and X-wzorzec.png.
TEST_F(LabelTemplateWindows, ListAndEditorPicture)
{
    SKIP_UNLESS_PICTURES_ASKED();
    ASSERT_TRUE(AddTemplate("Avery L7160", {"1.52", "0.72", "3.81", "6.4", "6.6", "3.81"}));
    TLabelTbl list;
    list.PrepareTemplateList();
    SaveWindowPicture(list, "wzorce");
    TEditLabelFrm editor;
    editor.PrepareNewTemplate();
    editor.show();
    Fill(editor, "Avery L7163", {"1.51", "0.47", "3.81", "9.91", "10.16", "3.81"}, 2, 7);
    SaveWindowPicture(editor, "wzorzec");
}
