#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

// The two choices of the date options and the format numbers they stand for
// (indexes of DateFormatText). The general group offers year-first (0) and
// day-first (2); the QSL group year-first (0), day-first with the English
// month (4) and day-first (2), in that item order.

// The item shown for a stored format, -1 when the group offers none for it.
int GeneralItemForFormat(uint8_t dateFrm);
int QslItemForFormat(uint8_t dateQslFrm);

// The format an item stands for; anything but a known item means year-first.
uint8_t FormatForGeneralItem(int item);
uint8_t FormatForQslItem(int item);

// A date in one of the formats, as the samples and the labels show it.
QString FormatDateAs(uint8_t format, const QDate &date);

// Stores the chosen items in DateFrm, DateTimeFormatIndex and DateQSLFrm and
// answers whether the general format changed.
bool ApplyDateOptions(int generalItem, int qslItem);
