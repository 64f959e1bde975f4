#include "report/pages/RpCompress.h"

#include "report/RpError.h"

#include <QtEndian>
#include <algorithm>

// Both directions work a block at a time with the code in a 64-bit register,
// written and read a word at a time, and keep the root's two children in
// registers: every path starts or ends there. A byte under the root costs
// one bit and leaves the tree as it is, so a run of it is coded at once.

namespace {
// The longest path: every inner node on it.
constexpr unsigned MaxDepth = 256;
// Room the encoder keeps ahead: a code of MaxDepth bits and a word's store.
constexpr qsizetype EncoderSlack = MaxDepth / 8 + 16;
constexpr uint64_t EveryByte = 0x0101010101010101;

[[noreturn]] void Corrupt(const char *why)
{
    throw ERpError(QStringLiteral("Uszkodzone skompresowane dane strony: %1").arg(QString::fromUtf8(why)));
}

// How many of the next bytes at p (at least one, at most eight, and only
// where eight can be read) equal p[0].
unsigned RunLength(const uint8_t *p, int64_t rest)
{
    if (rest < 8)
        return 1;
    const uint64_t differs = qFromLittleEndian<uint64_t>(p) ^ (EveryByte * p[0]);
    return differs == 0 ? 8 : unsigned(qCountTrailingZeroBits(differs)) / 8;
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
    // Node i hangs under (i - 1) / 2: in slot i - 1.
    Up[0] = 0;
    for (unsigned i = 1; i <= 512; ++i) {
        Up[i] = uint16_t(i - 1);
        Child[i - 1] = uint16_t(i);
    }
}

void TRpCompress::Compress(uint8_t b)
{
    Compress(reinterpret_cast<const char *>(&b), 1);
}

void TRpCompress::Compress(const char *data, int64_t size)
{
    const auto *in = reinterpret_cast<const uint8_t *>(data);
    QByteArray &out = *out_;
    const qsizetype start = out.size();
    out.resize(start + qsizetype(size) * 3 / 4 + EncoderSlack);
    char *dst = out.data() + start;
    uint64_t pending = OutByte;
    unsigned bits = BitPos;
    // Up to 56 bits; whole bytes go out and pending keeps the rest.
    auto put = [&](uint64_t code, unsigned count) {
        pending |= code << bits;
        bits += count;
        qToLittleEndian(pending, dst);
        dst += bits / 8;
        pending >>= bits & ~7u;
        bits %= 8;
    };
    unsigned left = Child[0], right = Child[1];
    const uint8_t *const inEnd = in + size;
    char *limit = out.data() + out.size() - EncoderSlack;
    for (const uint8_t *p = in; p < inEnd; ++p) {
        if (dst > limit) {
            const qsizetype at = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + at;
            limit = out.data() + out.size() - EncoderSlack;
        }
        const unsigned leaf = *p + 256u;
        if (leaf == left || leaf == right) {
            const unsigned run = RunLength(p, inEnd - p);
            put(leaf == right ? ~uint64_t(0) >> (64 - run) : 0, run);
            p += run - 1;
            continue;
        }
        // Up from the leaf two levels at a time, splaying on the way: a step
        // moves a into the place of its grandparent d's other child x, and x
        // into a's place, and touches nothing above d, where the walk goes
        // on. Each level's bit is shifted in, so the root's ends lowest: the
        // order the bits go out in. A path too long for one word goes in
        // parts, the part nearest the root first.
        uint64_t code = 0;
        unsigned count = 0;
        uint64_t parts[MaxDepth / 48];
        unsigned partCounts[MaxDepth / 48];
        unsigned partsDone = 0;
        for (unsigned a = leaf;;) {
            if (count > 52) {
                parts[partsDone] = code;
                partCounts[partsDone++] = count;
                code = 0;
                count = 0;
            }
            const unsigned aSlot = Up[a], c = aSlot / 2;
            code = code * 2 + (aSlot & 1);
            if (c == left || c == right) { // d is the root
                const unsigned side = c == right, xSlot = side ^ 1;
                code = code * 2 + side;
                count += 2;
                const unsigned x = side ? left : right;
                (side ? left : right) = a;
                Child[xSlot] = uint16_t(a);
                Up[a] = uint16_t(xSlot);
                Child[aSlot] = uint16_t(x);
                Up[x] = uint16_t(aSlot);
                break;
            }
            const unsigned cSlot = Up[c], xSlot = cSlot ^ 1;
            code = code * 2 + (cSlot & 1);
            const unsigned x = Child[xSlot];
            Child[xSlot] = uint16_t(a);
            Up[a] = uint16_t(xSlot);
            Child[aSlot] = uint16_t(x);
            Up[x] = uint16_t(aSlot);
            a = cSlot / 2;
            if (a == left || a == right) { // c was the root's grandchild
                code = code * 2 + (a == right);
                count += 3;
                break;
            }
            count += 2;
        }
        put(code, count);
        while (partsDone > 0) {
            --partsDone;
            put(parts[partsDone], partCounts[partsDone]);
        }
    }
    OutByte = uint8_t(pending);
    BitPos = uint8_t(bits);
    out.resize(dst - out.data());
}

void TRpCompress::Finish()
{
    if (Compressing && BitPos != 0)
        out_->append(char(OutByte));
    BitPos = 0;
    OutByte = 0;
}

// The decoder's splay, once the path is known: up[0..depth - 1] are its
// slots from the leaf up, the last one in the root, and up[-1] is twice the
// leaf, so that the node k levels above the leaf is up[k - 1] / 2. The steps
// are the encoder's: the node at k takes the place of the other child x of
// the node at k + 2, and x takes its place.
inline void TRpCompress::Splay(const uint16_t *up, unsigned depth, unsigned &left, unsigned &right)
{
    unsigned k = 0;
    for (; k + 2 < depth; k += 2) {
        const unsigned a = up[int(k) - 1] / 2u, xSlot = up[k + 1] ^ 1;
        const unsigned x = Child[xSlot];
        Child[xSlot] = uint16_t(a);
        Child[up[k]] = uint16_t(x);
    }
    if (k + 2 == depth) { // with the root
        const unsigned a = up[int(k) - 1] / 2u, xSlot = up[k + 1] ^ 1;
        unsigned &rootChild = xSlot ? right : left;
        Child[up[k]] = uint16_t(rootChild);
        Child[xSlot] = uint16_t(a);
        rootChild = a;
    }
}

uint8_t TRpCompress::Expand()
{
    char b;
    Expand(&b, 1);
    return uint8_t(b);
}

void TRpCompress::Expand(char *dest, int64_t size)
{
    const auto *in = reinterpret_cast<const uint8_t *>(in_);
    // pending holds avail bits of code from byte pos - 1 back; bits above them
    // are zero or the code that follows.
    const int64_t used = inPos_ * 8 - 7 + BitPos;
    int64_t pos = used / 8;
    uint64_t pending = 0;
    unsigned avail = 0;
    if (used % 8 != 0) {
        pending = in[pos++] >> used % 8;
        avail = 8 - used % 8;
    }
    unsigned left = Child[0], right = Child[1];
    // The slots walked down, stored from the end so that they read from the
    // leaf up, behind the leaf's own entry.
    uint16_t walked[MaxDepth + 1];
    uint16_t *const bottom = walked + MaxDepth + 1;
    for (int64_t i = 0; i < size; ++i) {
        if (inSize_ - pos >= 8) {
            pending |= qFromLittleEndian<uint64_t>(in + pos) << avail;
            pos += (63 - avail) / 8;
            avail |= 56;
        } else {
            for (; avail <= 56 && pos < inSize_; avail += 8)
                pending |= uint64_t(in[pos++]) << avail;
        }
        uint64_t code = pending;
        unsigned side = code & 1;
        unsigned a = side ? right : left;
        if (a - 256 < 256 && avail >= 8 && size - i >= 8) {
            // The same side again is the same byte again.
            const uint64_t others = side ? ~code : code;
            const unsigned run = std::min(8u, unsigned(qCountTrailingZeroBits(others | 1u << 8)));
            qToUnaligned(EveryByte * (a - 256), dest + i);
            i += run - 1;
            pending = code >> run;
            avail -= run;
            continue;
        }
        code >>= 1;
        uint16_t *up = bottom - 1;
        *up = uint16_t(side);
        while (a < 256) {
            const unsigned slot = 2 * a + (code & 1);
            code >>= 1;
            *--up = uint16_t(slot);
            a = Child[slot];
        }
        unsigned depth = unsigned(bottom - up);
        if (depth <= avail) {
            pending = code;
            avail -= depth;
        } else {
            // The path is longer than the bits at hand (a deep leaf, or the
            // end of the code): again, a byte of code at a time.
            auto nextBit = [&]() {
                if (avail == 0) {
                    if (pos >= inSize_)
                        Corrupt("kod kończy się przed końcem danych");
                    pending = in[pos++];
                    avail = 8;
                }
                const unsigned bit = pending & 1;
                pending >>= 1;
                --avail;
                return bit;
            };
            side = nextBit();
            up = bottom - 1;
            *up = uint16_t(side);
            a = side ? right : left;
            while (a < 256) {
                const unsigned slot = 2 * a + nextBit();
                *--up = uint16_t(slot);
                a = Child[slot];
            }
            depth = unsigned(bottom - up);
        }
        if (a > 511) // the leaf no byte maps to: no encoder writes its code
            Corrupt("kod spoza alfabetu");
        dest[i] = char(a - 256);
        up[-1] = uint16_t(2 * a);
        Splay(up, depth, left, right);
    }
    const int64_t read = pos * 8 - avail;
    inPos_ = (read + 7) / 8;
    BitPos = uint8_t((read + 7) % 8);
}

QByteArray TRpCompress::Encode(const QByteArray &plain)
{
    QByteArray code;
    TRpCompress encoder(&code);
    encoder.Compress(plain.constData(), plain.size());
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
    TRpCompress decoder(code, size);
    for (int64_t done = 0; done < length;) {
        const int64_t next = std::min(length, std::max(2 * done, size * 2 + 64));
        plain.resize(qsizetype(next));
        decoder.Expand(plain.data() + done, next - done);
        done = next;
    }
    if (decoder.BytesRead() != size)
        Corrupt("kod dłuższy niż dane");
    return plain;
}
