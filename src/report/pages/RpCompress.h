#pragma once

#include <QByteArray>
#include <cstdint>

// An adaptive splay-tree byte coder. Encoder and decoder start from the same
// balanced tree of 256 inner nodes and splay the leaf of every byte after it
// is coded, so frequent bytes get short codes. Bits are packed least
// significant first; the last byte is padded with zero bits.
// One coder works in one direction: an encoder appends its code to a byte
// array, a decoder reads code from a block of bytes and never beyond it.
class TRpCompress {
public:
    // Encoder appending to out (not owned).
    explicit TRpCompress(QByteArray *out);
    // Decoder over size bytes of code at data (not owned).
    TRpCompress(const char *data, int64_t size);

    void Compress(uint8_t b);
    // Writes the last partial byte; the encoder is finished afterwards.
    void Finish();
    // The next byte; raises ERpError when the code ends before the byte does
    // or leads to the tree's unused leaf.
    uint8_t Expand();
    // Code bytes a decoder has read so far.
    int64_t BytesRead() const { return inPos_; }

    // Whole-buffer helpers.
    static QByteArray Encode(const QByteArray &plain);
    // Raises ERpError unless the code yields length bytes using exactly all of it.
    static QByteArray Decode(const char *code, int64_t size, int64_t length);

private:
    void InitializeTree();
    void Splay(int b);

    uint16_t Left[256];
    uint16_t Right[256];
    uint8_t Up[513];

    bool Compressing;
    uint8_t BitPos;
    uint8_t InByte = 0;
    uint8_t OutByte = 0;
    QByteArray *out_ = nullptr;
    const char *in_ = nullptr;
    int64_t inSize_ = 0;
    int64_t inPos_ = 0;
};
