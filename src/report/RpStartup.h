#pragma once

#include <QDateTime>
#include <QLocale>

// What the report engine takes from the program's start, called once then:
// new pages are Letter in inches when the locale measures the US way, and
// expressions see the moment of the start as AppStartTime and AppStartDate.
void StartReportEngine(const QLocale &locale = QLocale(),
                       const QDateTime &start = QDateTime::currentDateTime());
