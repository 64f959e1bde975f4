#pragma once

#include <QDate>
#include <QGroupBox>

class QComboBox;
class TDateTimeEdit;

// The date range of the range export and of the log-book printout: a period
// list (EdOkres) whose presets fill the two day pickers.
class PeriodRangeBox : public QGroupBox {
    Q_OBJECT
public:
    PeriodRangeBox(const QString &title, QWidget *parent);

    QComboBox *EdOkres;
    TDateTimeEdit *EdOdDnia;
    TDateTimeEdit *EdDoDnia;

    // Shows the days in the general date format and applies the chosen preset.
    void Activate();
    void ApplyPreset();
    // Whole days; false when the last day is before the first.
    bool ValidRange() const;
};
