// SPDX-License-Identifier: EUPL-1.2
#pragma once

// THBox: the symmetric stream cipher of the data files.
//
// A byte stream becomes a byte stream of the same length under a working key
// derived from the pass phrase bytes. No header, padding, checksum or random
// element: the same bytes under the same pass phrase always give the same
// output. Streams are cut into units of FileBlockSize bytes from their first
// byte; every unit is enciphered on its own (no chaining) with two 256 x 256
// Latin-square substitution tables built once by Init.
//
// Every step below is part of the data-file format: files written here are read
// by other programs and the other way round, so nothing may change by one bit.
//
// Use: construct, Init exactly once, then any number of Encrypt, Decrypt,
// EncryptStream, DecryptStream, EncryptBytes, DecryptBytes. The data files call
// Init(false, false, passPhraseBytes, 32) on a new object per file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

using TIdBytes = std::vector<uint8_t>;

// Raised when the cipher cannot be set up (empty key, or a key on which the
// tables cannot be built), when an input stream claims to have delivered more
// bytes than asked for, and when a byte buffer is too large for one stream.
class ECrypterError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The two things the stream operations need from a stream.
struct TCryptStream
{
    virtual ~TCryptStream() = default;
    // Reads up to n bytes into buf and returns how many were delivered (0..n);
    // fewer than n (also 0) is not an error. Throws on a failing read.
    virtual int64_t Read(uint8_t *buf, int64_t n) = 0;
    // Writes all n bytes of buf; throws on failure.
    virtual void Write(const uint8_t *buf, int64_t n) = 0;
};

// Scratch table used while Init builds the substitution tables (128 KiB; always
// allocated on the heap). A cell holding Empty has not been filled yet; filled
// cells hold 0..255.
class TTempArray
{
public:
    static constexpr uint16_t Empty = 1024;

    TTempArray();

    std::array<std::array<uint16_t, 256>, 256> A; // A[row][column]
};

class THBox
{
public:
    static constexpr int N = 256;
    static constexpr uint16_t MinKeyLength = 16;
    static constexpr int32_t FileBlockSize = 1024;

    // Table[row][column]. The data byte selects the row, the key or a
    // neighbouring byte selects the column.
    using TTable = std::array<std::array<uint8_t, N>, N>;

    // An empty cipher: Active() false, both tables all zero, no key.
    THBox();
    ~THBox();
    THBox(const THBox &) = delete;
    THBox &operator=(const THBox &) = delete;

    // Builds Key, KeyCS, Matrix and Matrix_1 from InitKey. KeySize is the wanted
    // working-key length in bytes (the working key is never shorter than
    // MinKeyLength). MakeRandom true draws the tables at random instead (not
    // reproducible; nothing uses it). With Check true the row and column sums
    // of Matrix are verified and false is returned when one is wrong.
    // Throws ECrypterError for an empty InitKey or a key on which the tables
    // cannot be built; the object is then left as it was.
    bool Init(bool MakeRandom, bool Check, const TIdBytes &InitKey, uint16_t KeySize);

    // Enciphers the whole of Src as one unit. Src is transformed in place and
    // Dst receives a copy of the result. An empty Src leaves Dst untouched.
    void Encrypt(TIdBytes &Src, TIdBytes &Dst) const;
    // Deciphers the whole of Src as one unit into Dst (resized to Src's
    // length). Src may be the same object as Dst. An empty Src leaves Dst untouched.
    void Decrypt(const TIdBytes &Src, TIdBytes &Dst) const;

    // Reads Size bytes from InStream in units of FileBlockSize (the last one
    // holding Size mod FileBlockSize), writes the encipherment of what was
    // delivered to OutStream and returns the number of bytes read. A short read
    // shortens its unit; the loop still asks for every unit. Stream errors pass
    // through. A Size of 0 or less reads and writes nothing and returns 0.
    int32_t EncryptStream(TCryptStream &InStream, TCryptStream &OutStream, int32_t Size) const;
    // The same with Decrypt.
    int32_t DecryptStream(TCryptStream &InStream, TCryptStream &OutStream, int32_t Size) const;

    // Whole buffers, cut into units exactly as by the stream operations (they
    // run EncryptStream / DecryptStream over the buffer). Throws ECrypterError
    // for a buffer longer than a stream size can express (2^31 - 1 bytes).
    TIdBytes EncryptBytes(const TIdBytes &Src) const;
    TIdBytes DecryptBytes(const TIdBytes &Src) const;

    const TTable &Matrix() const { return *FMatrix; }
    const TTable &Matrix_1() const { return *FMatrix_1; }
    const TIdBytes &Key() const { return FKey; }
    uint8_t KeyCS() const { return FKeyCS; }
    bool Active() const { return FActive; }

private:
    using TUnitOp = void (THBox::*)(const uint8_t *, uint8_t *, std::size_t) const;

    uint16_t ExpandKey(const TIdBytes &Key, uint16_t ByteKeySize, TIdBytes &EKey) const;
    static uint8_t FCheckSum(const TIdBytes &Src);
    void InitMatrix(bool MakeRandom, const TIdBytes &Key, uint8_t KeyCS);
    static void FillRow(const TIdBytes &Key, TTempArray &TMP);
    static void FillMatrix(const TIdBytes &Key, uint8_t KeyCS, TTempArray &TMP);
    static void FillRandom(TTempArray &TMP);
    static void CopyRotation(TTempArray &TMP, int k, int c);
    bool CheckMatrix() const;

    // One unit of len bytes from src to dst; src and dst may be the same buffer.
    void EncryptUnit(const uint8_t *src, uint8_t *dst, std::size_t len) const;
    void DecryptUnit(const uint8_t *src, uint8_t *dst, std::size_t len) const;
    int32_t RunStream(TCryptStream &InStream, TCryptStream &OutStream, int32_t Size, TUnitOp Op) const;
    TIdBytes RunBytes(const TIdBytes &Src, TUnitOp Op) const;

    TIdBytes FKey;
    uint8_t FKeyCS = 0;
    std::unique_ptr<TTable> FMatrix;
    std::unique_ptr<TTable> FMatrix_1;
    bool FActive = false;
};
