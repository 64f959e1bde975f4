#include "report/RpCompress.h"

#include "report/RpError.h"

#include <algorithm>

namespace {
constexpr uint8_t BitMask[8] = {1, 2, 4, 8, 16, 32, 64, 128};

[[noreturn]] void Corrupt(const char *why)
{
    throw ERpError(QStringLiteral("Uszkodzone skompresowane dane strony: %1").arg(QString::fromUtf8(why)));
}
} // namespace

TRpCompress::TRpCompress(QByteArray *out) : Compressing(true), BitPos(0), out_(out) { InitializeTree(); }

TRpCompress::TRpCompress(const char *data, int64_t size) : Compressing(false), BitPos(7), in_(data), inSize_(size)
{
    InitializeTree();
}

void TRpCompress::InitializeTree()
{
    for (int i = 1; i <= 512; ++i)
        Up[i] = uint8_t((i - 1) / 2);
    Up[0] = 0;
    for (int i = 0; i <= 255; ++i) {
        Left[i] = uint16_t(2 * i + 1);
        Right[i] = uint16_t(2 * i + 2);
    }
}

void TRpCompress::Splay(int b)
{
    int a = b + 256;
    do {
        const int c = Up[a];
        if (c == 0) {
            a = 0;
        } else {
            const int d = Up[c];
            int x = Left[d];
            if (x == c) {
                x = Right[d];
                Right[d] = uint16_t(a);
            } else {
                Left[d] = uint16_t(a);
            }
            if (Left[c] == a)
                Left[c] = uint16_t(x);
            else
                Right[c] = uint16_t(x);
            Up[a] = uint8_t(d);
            Up[x] = uint8_t(c);
            a = d;
        }
    } while (a != 0);
}

void TRpCompress::Compress(uint8_t b)
{
    bool bits[256];
    int count = 0;
    for (int a = b + 256; a != 0; a = Up[a])
        bits[count++] = Right[Up[a]] == a;
    while (count > 0) {
        if (bits[--count])
            OutByte |= BitMask[BitPos];
        if (BitPos == 7) {
            out_->append(char(OutByte));
            BitPos = 0;
            OutByte = 0;
        } else {
            ++BitPos;
        }
    }
    Splay(b);
}

void TRpCompress::Finish()
{
    if (Compressing && BitPos != 0)
        out_->append(char(OutByte));
    BitPos = 0;
    OutByte = 0;
}

uint8_t TRpCompress::Expand()
{
    int a = 0;
    while (a < 256) {
        if (BitPos == 7) {
            if (inPos_ >= inSize_)
                Corrupt("kod kończy się przed końcem danych");
            InByte = uint8_t(in_[inPos_++]);
            BitPos = 0;
        } else {
            ++BitPos;
        }
        a = (InByte & BitMask[BitPos]) ? Right[a] : Left[a];
    }
    if (a > 511) // the leaf no byte maps to: no encoder writes its code
        Corrupt("kod spoza alfabetu");
    Splay(a - 256);
    return uint8_t(a - 256);
}

QByteArray TRpCompress::Encode(const QByteArray &plain)
{
    QByteArray code;
    code.reserve(plain.size() / 2 + 16);
    TRpCompress encoder(&code);
    for (char c : plain)
        encoder.Compress(uint8_t(c));
    encoder.Finish();
    return code;
}

QByteArray TRpCompress::Decode(const char *code, int64_t size, int64_t length)
{
    if (length < 0 || length > size * 8)
        Corrupt("długość danych nie zgadza się z długością kodu");
    // Grows with what is decoded, so a length the code cannot hold fails
    // before it costs its memory.
    QByteArray plain;
    plain.reserve(qsizetype(std::min<int64_t>(length, size * 2 + 64)));
    TRpCompress decoder(code, size);
    for (int64_t i = 0; i < length; ++i)
        plain.append(char(decoder.Expand()));
    if (decoder.BytesRead() != size)
        Corrupt("kod dłuższy niż dane");
    return plain;
}
