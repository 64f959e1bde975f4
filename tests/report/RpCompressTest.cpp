#include "report/pages/RpCompress.h"
#include "report/RpError.h"
#include "report/SamplePages.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <vector>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

// The coder as plainly as it can be written: the walk up from the leaf notes
// a bit a step, the bits go out one at a time, root first, then the splay.
// bitsAfter receives the count of code bits after each byte.
QByteArray ModelCode(const QByteArray &plain, QList<qsizetype> *bitsAfter = nullptr)
{
    int left[256], right[256], up[513] = {};
    for (int i = 0; i < 256; ++i) {
        left[i] = 2 * i + 1;
        right[i] = 2 * i + 2;
    }
    for (int i = 1; i <= 512; ++i)
        up[i] = (i - 1) / 2;
    QByteArray code;
    int bitPos = 0;
    int outByte = 0;
    qsizetype bits = 0;
    for (char ch : plain) {
        const int b = uint8_t(ch);
        std::vector<bool> path;
        for (int a = b + 256; a != 0; a = up[a])
            path.push_back(right[up[a]] == a);
        for (auto bit = path.rbegin(); bit != path.rend(); ++bit) {
            outByte |= *bit << bitPos;
            if (++bitPos == 8) {
                code.append(char(outByte));
                bitPos = outByte = 0;
            }
        }
        bits += qsizetype(path.size());
        if (bitsAfter)
            bitsAfter->append(bits);
        for (int a = b + 256; up[a] != 0;) {
            const int c = up[a], d = up[c];
            int &place = left[d] == c ? right[d] : left[d];
            const int x = place;
            place = a;
            (left[c] == a ? left[c] : right[c]) = x;
            up[a] = d;
            up[x] = c;
            a = d;
        }
    }
    if (bitPos != 0)
        code.append(char(outByte));
    return code;
}

// Inputs that reach the coder's limits: every path length from 1 to 165
// (ascending pairs of 0..m, then any byte), codes of every length up to 90
// bytes and then some past the sizes the coder reserves, runs of every length
// up to the end of the input, long runs, text-like bytes and the recorded
// pages themselves.
QList<std::pair<QString, QByteArray>> ModelCases()
{
    QList<std::pair<QString, QByteArray>> cases;
    for (int m : {249, 251, 255}) {
        QByteArray pairs;
        for (int i = 0; i <= m; ++i)
            pairs.append(char(i)).append(char(i));
        for (int b = 0; b < 256; ++b)
            cases.append({QStringLiteral("pairs to %1, then %2").arg(m).arg(b),
                          pairs + Bytes({b, b, (b + 1) % 256, 0})});
    }
    QRandomGenerator random(11);
    auto noise = [&random](qsizetype size, bool skewed) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (char &c : bytes) // skewed is text-like: few symbols, often repeated
            c = char(!skewed || random.bounded(8) == 0 ? random.bounded(256) : 'a' + random.bounded(4));
        return bytes;
    };
    for (int size = 0; size <= 80; ++size)
        cases.append({QStringLiteral("noise of %1").arg(size), noise(size, false)});
    for (int size = 1; size <= 24; ++size) // runs that end with the input
        for (char c : {'\0', char(0xff), 'a'})
            cases.append({QStringLiteral("run of %1 x %2").arg(size).arg(int(uint8_t(c))),
                          Bytes({'b'}) + QByteArray(size, c)});
    for (int size : {255, 256, 1000, 4095, 4096, 4097, 65535, 65537}) {
        cases.append({QStringLiteral("noise of %1").arg(size), noise(size, false)});
        cases.append({QStringLiteral("text of %1").arg(size), noise(size, true)});
    }
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    cases.append({QStringLiteral("every byte"), all});
    cases.append({QStringLiteral("zeros"), QByteArray(100000, '\0')});
    cases.append({QStringLiteral("0xff"), QByteArray(70000, char(0xff))});
    cases.append({QStringLiteral("runs and every byte"), QByteArray(5000, 'a') + all + QByteArray(5000, 'b') + all});
    QByteArray pages;
    for (int i = 1; i <= 4; ++i)
        pages += SamplePage(i, 40).bytes();
    cases.append({QStringLiteral("pages"), pages});
    return cases;
}

} // namespace

// On the fresh tree byte b (0..254) sits at depth 8 on the path spelled by the
// bits of b + 1, root first; bits fill a byte from its least significant end.
// Byte 255 is nine left steps deep. After a byte the tree is splayed, so a
// second 0 costs four right steps.
TEST(RpCompress, ShortInputsGiveTheHandComputedCodes)
{
    struct Case {
        const char *what;
        QByteArray plain;
        QByteArray code;
    } cases[] = {
        {"empty", {}, {}},
        {"zero", Bytes({0}), Bytes({0x80})},
        {"A", Bytes({'A'}), Bytes({0x42})},
        {"one", Bytes({1}), Bytes({0x40})},
        {"254", Bytes({254}), Bytes({0xff})},
        {"255 takes nine bits", Bytes({255}), Bytes({0x00, 0x00})},
        {"two zeros", Bytes({0, 0}), Bytes({0x80, 0x0f})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TRpCompress::Encode(c.plain).toHex(), c.code.toHex());
        EXPECT_EQ(ModelCode(c.plain).toHex(), c.code.toHex());
        EXPECT_EQ(TRpCompress::Decode(c.code.constData(), c.code.size(), c.plain.size()), c.plain);
    }
}

// Each byte twice, in ascending order, three times over drives the tree into
// paths of up to 162 steps. The golden code comes from a bit-by-bit model of
// the coder written apart from it.
TEST(RpCompress, DeepPathsGiveTheCodeOfTheBitByBitModel)
{
    QByteArray plain;
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 256; ++i)
            plain.append(char(i)).append(char(i));
    QFile golden(QStringLiteral(QUARN_SOURCE_DIR "/tests/report/golden/ascending-pairs.code"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray code = golden.readAll();
    EXPECT_EQ(TRpCompress::Encode(plain), code);
    EXPECT_EQ(ModelCode(plain), code);
    EXPECT_EQ(TRpCompress::Decode(code.constData(), code.size(), plain.size()), plain);
}

TEST(RpCompress, EncoderWritesNothingUntilAByteIsFullAndTheRestOnFinish)
{
    QByteArray out;
    TRpCompress encoder(&out);
    encoder.Compress(0);
    encoder.Compress(0); // 8 + 4 bits
    EXPECT_EQ(out.toHex(), QByteArray("80"));
    encoder.Finish();
    EXPECT_EQ(out.toHex(), QByteArray("800f"));
}

TEST(RpCompress, CodeEqualsTheBitByBitModelsAndDecodesBack)
{
    for (const auto &[what, plain] : ModelCases()) {
        SCOPED_TRACE(what.toStdString());
        const QByteArray code = TRpCompress::Encode(plain);
        ASSERT_EQ(code, ModelCode(plain));
        ASSERT_EQ(TRpCompress::Decode(code.constData(), code.size(), plain.size()), plain);
        if (!code.isEmpty()) {
            EXPECT_THROW(TRpCompress::Decode(code.constData(), code.size() - 1, plain.size()), ERpError);
        }
    }
    const QByteArray runs = QByteArray(100000, '\0');
    EXPECT_LT(TRpCompress::Encode(runs).size(), runs.size() / 7); // close to one bit a byte
}

// Byte by byte, the encoder writes each code byte once it is full and the
// decoder has read exactly the bytes that hold the bits so far.
TEST(RpCompress, ByteByByteCodingKeepsItsPlaceBetweenCalls)
{
    for (const auto &[what, plain] : ModelCases()) {
        if (plain.size() > 1000)
            continue;
        SCOPED_TRACE(what.toStdString());
        QList<qsizetype> bits;
        const QByteArray code = ModelCode(plain, &bits);
        QByteArray out;
        TRpCompress encoder(&out);
        TRpCompress decoder(code.constData(), code.size());
        for (qsizetype i = 0; i < plain.size(); ++i) {
            encoder.Compress(uint8_t(plain[i]));
            ASSERT_EQ(out.size(), bits[i] / 8) << i;
            ASSERT_EQ(decoder.Expand(), uint8_t(plain[i])) << i;
            ASSERT_EQ(decoder.BytesRead(), (bits[i] + 7) / 8) << i;
        }
        encoder.Finish();
        EXPECT_EQ(out, code);
    }
}

TEST(RpCompress, DecoderRefusesCodeThatEndsEarlyRunsOnOrLeavesTheAlphabet)
{
    struct Case {
        const char *what;
        QByteArray code;
        qint64 length;
        const char *message;
    } cases[] = {
        {"ends early", Bytes({0x80}), 2, "kończy się przed końcem danych"},
        {"longer than eight bits a byte", Bytes({0x80}), 9, "nie zgadza się"},
        {"negative length", Bytes({0x80}), -1, "nie zgadza się"},
        {"code left over", Bytes({0x80, 0x0f, 0x00}), 2, "kod dłuższy niż dane"},
        {"the unused leaf", Bytes({0x00, 0x01}), 1, "spoza alfabetu"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            TRpCompress::Decode(c.code.constData(), c.code.size(), c.length);
            ADD_FAILURE() << "accepted";
        } catch (const ERpError &e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << e.message().toStdString();
        }
    }
}
