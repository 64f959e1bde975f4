#pragma once

#include <QDate>
#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

// "Daty - formatowanie": the general date format and the date format of the
// QSL labels, each with today's date as a sample. Created for one use; the
// caller reads the result and GeneralFormatChanged.
class TOpcjeDatFrm : public QDialog {
    Q_OBJECT
public:
    explicit TOpcjeDatFrm(QWidget *parent = nullptr);

    // Selects the items of the stored formats and shows their samples.
    void FormActivate();
    void EdOgolnaClick();
    void EdQSLClick();
    void OkBtnClick();

    // The date the samples show; today unless a test fixes it.
    QDate Today = QDate::currentDate();
    bool GeneralFormatChanged = false;

    QGroupBox *EdOgolna = nullptr;
    QGroupBox *EdQSL = nullptr;
    QButtonGroup *OgolnaItems = nullptr;
    QButtonGroup *QSLItems = nullptr;
    QLabel *OgolnaLbl = nullptr;
    QLabel *QSLLbl = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *AnulujBtn = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
