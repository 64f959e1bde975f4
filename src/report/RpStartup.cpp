#include "report/RpStartup.h"

#include "report/expr/RpEvEnvironment.h"
#include "report/printer/RpUnits.h"

void StartReportEngine(const QLocale &locale, const QDateTime &start)
{
    DefaultInches = locale.measurementSystem() == QLocale::ImperialUSSystem;
    SetApplicationStart(start);
}
