#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

class Field;

// Texts the windows show for stored values.
QString ZoneNumberText(uint8_t zone);
QChar CheckMarkForFlag(const QString &text);
// The display text of a "T"/"N" flag column: the check mark or a blank.
void FlagFieldText(Field &field, QString &text, bool displayText);
QString DegreesToDmsText(long double degrees);
