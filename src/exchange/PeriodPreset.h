#pragma once

#include <QDate>
#include <QStringList>

// The period list shared by the ADIF range export and the log-book printout:
// items 0..3 are the presets, item 4 (two blanks) keeps the days as picked.
QStringList PeriodPresetItems();

// First and last day of preset `item` relative to `today`; false for the blank
// item or an unknown index, which leave `from` and `to` unchanged.
bool ApplyPeriodPreset(int item, const QDate &today, QDate &from, QDate &to);
