#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

// Texts the windows show for stored values.
QString ZoneNumberText(uint8_t zone);
QChar CheckMarkForFlag(const QString &text);
QString DegreesToDmsText(long double degrees);
