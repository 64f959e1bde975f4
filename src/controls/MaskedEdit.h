#pragma once

#include <QString>

class QLineEdit;

// Sets an input mask on a field. A click into such a field that holds nothing
// yet puts the cursor at its start: where the click lands, the mask may take
// only digits, and a locator or an IOTA reference begins with letters. Every
// masked field of the program gets its mask here.
void SetEditMask(QLineEdit *edit, const QString &mask);
