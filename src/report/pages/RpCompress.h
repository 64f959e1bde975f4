#pragma once

#include <QByteArray>
#include <cstdint>

// An adaptive splay-tree byte coder. Encoder and decoder start from the same
// balanced tree of 256 inner nodes and splay the leaf of every byte after it
// is coded, so frequent bytes get short codes. Bits are packed least
// significant first; the last byte is padded with zero bits.
// One coder works in one direction: an encoder appends its code to a byte
// array, a decoder reads code from a block of bytes and never beyond it.
// Coding a block at once gives the same code as coding its bytes one by one.
class TRpCompress {
public:
    // Encoder appending to out (not owned).
    explicit TRpCompress(QByteArray *out);
    // Decoder over size bytes of code at data (not owned).
    TRpCompress(const char *data, int64_t size);

    void Compress(uint8_t b);
    void Compress(const char *data, int64_t size);
    // Writes the last partial byte; the encoder is finished afterwards.
    void Finish();
    // The next byte; raises ERpError when the code ends before the byte does
    // or leads to the tree's unused leaf.
    uint8_t Expand();
    // The next size bytes into dest, failing as Expand does.
    void Expand(char *dest, int64_t size);
    // Code bytes a decoder has read so far.
    int64_t BytesRead() const { return inPos_; }

    // Whole-buffer helpers.
    static QByteArray Encode(const QByteArray &plain);
    // Raises ERpError unless the code yields length bytes using exactly all of it.
    static QByteArray Decode(const char *code, int64_t size, int64_t length);

private:
    void InitializeTree();
    void Splay(const uint16_t *up, unsigned depth, unsigned &left, unsigned &right);

    // Inner node n has its left child in slot 2n and its right child in
    // slot 2n + 1; node 0 is the root, byte b is leaf b + 256 and leaf 512
    // is unused.
    uint16_t Child[512];
    // The slot each node hangs in. Only the encoder keeps it: the decoder
    // remembers the slots it went down through.
    uint16_t Up[513];

    bool Compressing;
    // Encoder: bits filled in OutByte. Decoder: the position of the last bit
    // read within the last byte read, 7 when that byte is used up.
    uint8_t BitPos;
    uint8_t OutByte = 0;
    QByteArray *out_ = nullptr;
    const char *in_ = nullptr;
    int64_t inSize_ = 0;
    int64_t inPos_ = 0;
};
