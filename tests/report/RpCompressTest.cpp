#include "report/pages/RpCompress.h"
#include "report/RpError.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
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

TEST(RpCompress, AnyDataRoundTrips)
{
    QRandomGenerator random(11);
    QList<QByteArray> inputs;
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    inputs << all << QByteArray(100000, '\0') << QByteArray(70000, char(0xff)) << QByteArray("x");
    for (int size : {2, 3, 7, 8, 9, 255, 256, 1000, 65537}) {
        QByteArray noise(size, Qt::Uninitialized);
        for (char &c : noise)
            c = char(random.bounded(256));
        inputs << noise;
        QByteArray skewed(size, Qt::Uninitialized); // text-like: few symbols, often repeated
        for (char &c : skewed)
            c = char(random.bounded(8) == 0 ? random.bounded(256) : 'a' + random.bounded(4));
        inputs << skewed;
    }
    for (const QByteArray &plain : inputs) {
        SCOPED_TRACE(plain.size());
        const QByteArray code = TRpCompress::Encode(plain);
        EXPECT_EQ(TRpCompress::Decode(code.constData(), code.size(), plain.size()), plain);
    }
    const QByteArray runs = QByteArray(100000, '\0');
    EXPECT_LT(TRpCompress::Encode(runs).size(), runs.size() / 7); // close to one bit a byte
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
