#include "core/DateOptions.h"

#include "core/Settings.h"

namespace {

constexpr uint8_t YearFirst = 0;
constexpr uint8_t DayFirst = 2;
constexpr uint8_t DayFirstMonthName = 4;

}

int GeneralItemForFormat(uint8_t dateFrm)
{
    switch (dateFrm) {
    case YearFirst: return 0;
    case DayFirst: return 1;
    default: return -1;
    }
}

int QslItemForFormat(uint8_t dateQslFrm)
{
    switch (dateQslFrm) {
    case YearFirst: return 0;
    case DayFirstMonthName: return 1;
    case DayFirst: return 2;
    default: return -1;
    }
}

uint8_t FormatForGeneralItem(int item)
{
    return item == 1 ? DayFirst : YearFirst;
}

uint8_t FormatForQslItem(int item)
{
    switch (item) {
    case 1: return DayFirstMonthName;
    case 2: return DayFirst;
    default: return YearFirst;
    }
}

QString FormatDateAs(uint8_t format, const QDate &date)
{
    // The month name is English whatever the locale.
    if (format == DayFirstMonthName)
        return FormatDateDdMonYyyy(date);
    return date.toString(DateFormatText(format));
}

bool ApplyDateOptions(int generalItem, int qslItem)
{
    const uint8_t general = FormatForGeneralItem(generalItem);
    const bool changed = general != DateFrm;
    DateFrm = general;
    DateTimeFormatIndex = general == YearFirst ? 1 : 3;
    DateQSLFrm = FormatForQslItem(qslItem);
    return changed;
}
