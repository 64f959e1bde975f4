#include "platform/TextEncoding.h"

#include "platform/Cp1250.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsOtherScriptLetter(QChar c)
{
    return c.isLetter() && c.script() != QChar::Script_Latin && c.script() != QChar::Script_Common &&
           c.script() != QChar::Script_Inherited;
}

bool IsLatinLetter(QChar c)
{
    return c.isLetter() && c.script() == QChar::Script_Latin;
}

// A letter of another script right beside a Latin letter: one word mixing two alphabets.
bool MixesScriptsInAWord(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (IsOtherScriptLetter(text[i]) &&
            ((i > 0 && IsLatinLetter(text[i - 1])) || (i + 1 < text.size() && IsLatinLetter(text[i + 1]))))
            return true;
    return false;
}

bool HasOnlyLatinLetters(const QString &text)
{
    for (QChar c : text)
        if (c.isLetter() && !IsLatinLetter(c))
            return false;
    return true;
}

// Characters the log, kept in Windows-1250, cannot store ('?' stands for them).
struct Unstorable {
    bool any = false;
    // A letter of the Latin-1 and Latin Extended-A blocks ("São", "Håkan"):
    // what a UTF-8 file of Western or Central European text holds, while the
    // Windows-1250 byte pairs that spell them (Ă, Â, Ä or Ĺ and a second
    // letter) are not Polish.
    bool europeanLatin = false;
};

Unstorable UnstorableIn(const QString &text)
{
    Unstorable u;
    for (QChar c : text)
        if (!Cp1250::holds(c)) {
            u.any = true;
            u.europeanLatin |= c.unicode() <= 0x17F;
        }
    return u;
}

// Polish text is letters beyond ASCII; a UTF-8 reading of another script, seen
// through Windows-1250, has quotes and signs among them ("Đ’Đ»Đ°").
bool NonAsciiAreLetters(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80 && !c.isLetter())
            return false;
    return true;
}

} // namespace

QString DecodeCp1250OrUtf8(QByteArrayView bytes)
{
    if (!IsMultiByteUtf8(bytes))
        return Cp1250::toUnicode(bytes.data(), bytes.size());
    QString utf8 = QString::fromUtf8(bytes);
    const Unstorable lost = UnstorableIn(utf8);
    if (lost.any) {
        QString cp1250 = Cp1250::toUnicode(bytes.data(), bytes.size());
        if ((!lost.europeanLatin && NonAsciiAreLetters(cp1250)) ||
            (MixesScriptsInAWord(utf8) && HasOnlyLatinLetters(cp1250)))
            return cp1250;
    }
    return utf8;
}

bool IsMultiByteUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    bool multiByte = false;
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = p[i + k];
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        multiByte = true;
        i += extra + 1;
    }
    return multiByte;
}

QString PrintableExcerpt(QByteArrayView bytes, qsizetype max)
{
    QString text;
    text.reserve(std::min(bytes.size(), max) + 1);
    for (qsizetype i = 0; i < bytes.size() && i < max; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        text += (c >= 0x20 && c < 0x7f) ? QChar(c) : QChar(u'?');
    }
    if (bytes.size() > max)
        text += QChar(0x2026);
    return text;
}
