#pragma once

#include <QByteArrayView>
#include <QString>

// Text from files made outside the program (ADIF logs, reference lists) comes
// in Windows-1250 or, from newer editors, UTF-8; one rule tells them apart.

// Whether the bytes are valid UTF-8 holding at least one multi-byte sequence.
bool IsMultiByteUtf8(QByteArrayView bytes);

// Windows-1250 unless the bytes are valid UTF-8 with a multi-byte sequence.
// Even then it is Windows-1250 when the UTF-8 reading holds a character the
// log cannot store and either
// - that character is not a Latin letter of the Latin-1 or Latin Extended-A
//   blocks and the Windows-1250 reading has only letters beyond ASCII
//   ("MĘŻCZYZNA": CA AF is also valid UTF-8, for an IPA sign; a UTF-8 "São"
//   stays UTF-8), or
// - the UTF-8 reading sets a letter of another script beside a Latin letter
//   while the Windows-1250 reading has Latin letters only ("GÓŁKOWO" in
//   Windows-1250 is valid UTF-8 with a Cyrillic letter after the G).
QString DecodeCp1250OrUtf8(QByteArrayView bytes);

// A short excerpt of a file's bytes for a message (a tag name, say): printable
// ASCII as it is, any other byte as '?', cut to `max` characters with "…", so
// that a binary file picked by mistake puts no garbage into the box.
QString PrintableExcerpt(QByteArrayView bytes, qsizetype max = 30);
