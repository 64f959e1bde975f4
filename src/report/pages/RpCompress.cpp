#include "report/pages/RpCompress.h"

#include "report/RpError.h"

#include <algorithm>

namespace {
constexpr uint8_t BitMask[8] = {1, 2, 4, 8, 16, 32, 64, 128};

[[noreturn]] void Corrupt(const char *why)
{
    throw ERpError(QStringLiteral("Uszkodzone skompresowane dane strony: %1").arg(QString::fromUtf8(why)));
}
} // namespace

TRpCompress::TRpCompress(QByteArray *out) : Compressing(true), BitPos(0), out_(out)
{
    InitializeTree();
}

TRpCompress::TRpCompress(const char *data, int64_t size)
    : Compressing(false), BitPos(7), in_(data), inSize_(size)
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

// Written without data-dependent branches where it can be: every code bit
// is a coin toss to a branch predictor.
void TRpCompress::Splay(int b)
{
    uint16_t *const child[2] = {Left, Right};
    int a = b + 256;
    do {
        const int c = Up[a];
        if (c == 0)
            break;
        const int d = Up[c];
        // a takes the place of c's sibling x under d, and x takes a's under c.
        uint16_t &place = child[Left[d] == c][d];
        const int x = place;
        place = uint16_t(a);
        child[Right[c] == a][c] = uint16_t(x);
        Up[a] = uint8_t(d);
        Up[x] = uint8_t(c);
        a = d;
    } while (a != 0);
}

void TRpCompress::Compress(uint8_t b)
{
    // The path from the leaf up, shifted in so that the root's bit ends
    // lowest: the order the bits go out in, least significant first.
    uint64_t path = 0;
    int count = 0;
    for (int a = b + 256; a != 0; a = Up[a]) {
        const uint64_t bit = Right[Up[a]] == a;
        if (count < 56)
            path = path << 1 | bit;
        ++count;
    }
    if (count <= 56) {
        uint64_t pending = OutByte | path << BitPos;
        int bits = BitPos + count;
        for (; bits >= 8; bits -= 8, pending >>= 8)
            out_->append(char(pending & 0xff));
        OutByte = uint8_t(pending);
        BitPos = uint8_t(bits);
    } else {
        // A path deeper than 56 (a tree skewed by long runs): bit by bit.
        bool bits[256];
        int n = 0;
        for (int a = b + 256; a != 0; a = Up[a])
            bits[n++] = Right[Up[a]] == a;
        while (n > 0) {
            if (bits[--n])
                OutByte |= BitMask[BitPos];
            if (BitPos == 7) {
                out_->append(char(OutByte));
                BitPos = 0;
                OutByte = 0;
            } else {
                ++BitPos;
            }
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
    const uint16_t *child[2] = {Left, Right};
    unsigned pos = BitPos;
    unsigned byte = InByte;
    int a = 0;
    while (a < 256) {
        if (pos == 7) {
            if (inPos_ >= inSize_)
                Corrupt("kod kończy się przed końcem danych");
            byte = uint8_t(in_[inPos_++]);
            pos = 0;
        } else {
            ++pos;
        }
        a = child[(byte >> pos) & 1][a];
    }
    BitPos = uint8_t(pos);
    InByte = uint8_t(byte);
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
