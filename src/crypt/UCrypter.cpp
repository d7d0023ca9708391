// SPDX-License-Identifier: EUPL-1.2
#include "UCrypter.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>
#include <random>

namespace {

const char *const KEmptyKey = "La clave de cifrado está vacía.";
const char *const KBadKey = "La clave no permite construir las tablas de cifrado.";
const char *const KBadRead = "El flujo de entrada ha entregado un número de bytes no válido.";
const char *const KTooLarge = "Los datos son demasiado grandes para cifrarlos.";

// Reads from a byte buffer the data layer already holds in memory.
class TBufferReader final : public TCryptStream
{
public:
    explicit TBufferReader(const TIdBytes &src) : FSrc(src) {}

    int64_t Read(uint8_t *buf, int64_t n) override
    {
        const std::size_t count =
            std::min<std::size_t>(static_cast<std::size_t>(std::max<int64_t>(n, 0)), FSrc.size() - FPos);
        if (count > 0) {
            std::memcpy(buf, FSrc.data() + FPos, count);
        }
        FPos += count;
        return static_cast<int64_t>(count);
    }

    void Write(const uint8_t *, int64_t) override { throw std::logic_error("TBufferReader is read-only"); }

private:
    const TIdBytes &FSrc;
    std::size_t FPos = 0;
};

// Appends everything written to a byte buffer.
class TBufferWriter final : public TCryptStream
{
public:
    explicit TBufferWriter(TIdBytes &dst) : FDst(dst) {}

    int64_t Read(uint8_t *, int64_t) override { return 0; }

    void Write(const uint8_t *buf, int64_t n) override { FDst.insert(FDst.end(), buf, buf + n); }

private:
    TIdBytes &FDst;
};

} // namespace

TTempArray::TTempArray()
{
    for (auto &row : A) {
        row.fill(Empty);
    }
}

THBox::THBox() : FMatrix(std::make_unique<TTable>()), FMatrix_1(std::make_unique<TTable>())
{
    // make_unique value-initialises: both tables start all zero, which the key
    // expansion relies on (see ExpandKey).
}

THBox::~THBox() = default;

// ---------------------------------------------------------------------------
// Key

uint8_t THBox::FCheckSum(const TIdBytes &Src)
{
    unsigned sum = 0;
    for (uint8_t b : Src) {
        sum += b;
    }
    return static_cast<uint8_t>(sum);
}

// The working key: a plain copy when the key already has the wanted size,
// otherwise EKey[i] = low byte of (Matrix[i mod 256][Key[i mod LK]] XOR
// (Key[i mod LK] * Key[((i + 11) OR 31) mod LK] + i)). The table term reads
// Matrix as it stands before Init builds it: all zero on a new object, which is
// how every data file is written and read.
uint16_t THBox::ExpandKey(const TIdBytes &Key, uint16_t ByteKeySize, TIdBytes &EKey) const
{
    const std::size_t lk = Key.size();
    const uint16_t s = ByteKeySize <= MinKeyLength ? MinKeyLength : ByteKeySize;
    if (lk == s) {
        EKey = Key;
        return s;
    }
    EKey.assign(s, 0);
    for (std::size_t i = 0; i < s; ++i) {
        const unsigned a = Key[i % lk];
        const unsigned b = Key[((i + 11) | 31) % lk];
        const unsigned product = a * b + static_cast<unsigned>(i);
        EKey[i] = static_cast<uint8_t>((*FMatrix)[i % 256][a] ^ product);
    }
    return s;
}

bool THBox::Init(bool MakeRandom, bool Check, const TIdBytes &InitKey, uint16_t KeySize)
{
    if (InitKey.empty()) {
        throw ECrypterError(KEmptyKey);
    }
    TIdBytes expanded;
    const uint16_t s = ExpandKey(InitKey, KeySize, expanded);
    // With KeySize below MinKeyLength the bytes from KeySize on stay 0.
    TIdBytes key(s, 0);
    std::copy_n(expanded.begin(), KeySize, key.begin());
    const uint8_t keyCS = FCheckSum(key);

    InitMatrix(MakeRandom, key, keyCS); // may throw; nothing has changed yet then
    FKey = std::move(key);
    FKeyCS = keyCS;
    FActive = true;
    return !Check || CheckMatrix();
}

// ---------------------------------------------------------------------------
// Tables

void THBox::InitMatrix(bool MakeRandom, const TIdBytes &Key, uint8_t KeyCS)
{
    auto TMP = std::make_unique<TTempArray>();
    if (MakeRandom) {
        FillRandom(*TMP);
    } else {
        FillRow(Key, *TMP);
        FillMatrix(Key, KeyCS, *TMP);
    }
    TTable &m = *FMatrix;
    TTable &m1 = *FMatrix_1;
    for (int r = 0; r < N; ++r) {
        for (int c = 0; c < N; ++c) {
            const uint8_t v = static_cast<uint8_t>(TMP->A[r][c] & 0xFF);
            m[r][c] = v;
            m1[v][c] = static_cast<uint8_t>(r);
        }
    }
}

// The base permutation in column 0, driven by the key. State: z and x (bytes),
// m (key position), i (next row). Each iteration adds Key[j] + x to z for j from
// ks - 1 down to m, advances m, and stores z in row i unless z is already
// there; on such a collision x goes up by one instead.
//
// The sum over j is taken from suffix sums: mod 256, adding Key[j] + x for
// j = m..ks-1 is adding suffix[m] + x * (ks - m).
//
// Not every key lets the loop finish. While i stays the same the set of stored
// values is fixed, and one colliding step maps (z, x, m) to (z', x + 1, m + 1)
// with z' = z + suffix[m] + x * (ks - m). That map is invertible (m from m',
// then x from x' since z' is known to collide, then z from z'), so the states
// visited without storing lie on a cycle through the state the current i began
// with: the loop can only hang by coming back to exactly that state, and it does
// so within 256 * 256 * ks steps. Coming back to it means the key cannot fill
// the column.
void THBox::FillRow(const TIdBytes &Key, TTempArray &TMP)
{
    const std::size_t ks = Key.size();
    std::vector<uint8_t> suffix(ks + 1, 0);
    for (std::size_t j = ks; j-- > 0;) {
        suffix[j] = static_cast<uint8_t>(suffix[j + 1] + Key[j]);
    }

    std::array<bool, N> used{};
    uint8_t z = 0;
    uint8_t x = 11;
    std::size_t m = 0;
    int i = 0;
    uint8_t z0 = z;
    uint8_t x0 = x;
    std::size_t m0 = m;
    while (i < N) {
        z = static_cast<uint8_t>(z + suffix[m] + x * static_cast<unsigned>(ks - m));
        m = (m + 1) % ks;
        if (used[z]) {
            ++x;
            if (z == z0 && x == x0 && m == m0) {
                throw ECrypterError(KBadKey);
            }
        } else {
            used[z] = true;
            TMP.A[i][0] = z;
            ++i;
            z0 = z;
            x0 = x;
            m0 = m;
        }
    }
}

// Columns 1..255, each a rotation of column 0: at step k the probe
// c = ((Key[(k + 37 + x) mod LK] + x + KeyCS) mod 255) + 1, with x counting up
// across all steps, picks the first still empty column, which gets rotation k.
// The probe never yields column 0.
//
// For a fixed k, c depends on x only through x mod 255 and x mod LK, so the
// probes repeat with period lcm(255, LK): if that many probes in a row find no
// empty column, none ever will (possible when LK shares a factor with 255; never
// with the 32-byte working key of the data files).
void THBox::FillMatrix(const TIdBytes &Key, uint8_t KeyCS, TTempArray &TMP)
{
    const uint64_t lk = Key.size();
    const uint64_t period = std::lcm<uint64_t>(255, lk);
    uint64_t x = 0;
    for (int k = 1; k < N; ++k) {
        int c = 0;
        for (uint64_t probes = 0;; ++probes) {
            if (probes == period) {
                throw ECrypterError(KBadKey);
            }
            ++x;
            c = static_cast<int>((Key[(k + 37 + x) % lk] + x + KeyCS) % 255) + 1;
            if (TMP.A[0][c] == TTempArray::Empty) {
                break;
            }
        }
        CopyRotation(TMP, k, c);
    }
}

// Random tables: a shuffled base permutation and a shuffled column order.
void THBox::FillRandom(TTempArray &TMP)
{
    std::mt19937 gen(std::random_device{}());
    std::array<uint16_t, N> base;
    std::iota(base.begin(), base.end(), uint16_t{0});
    std::shuffle(base.begin(), base.end(), gen);
    for (int r = 0; r < N; ++r) {
        TMP.A[r][0] = base[r];
    }
    std::array<int, N - 1> columns;
    std::iota(columns.begin(), columns.end(), 1);
    std::shuffle(columns.begin(), columns.end(), gen);
    for (int k = 1; k < N; ++k) {
        CopyRotation(TMP, k, columns[k - 1]);
    }
}

void THBox::CopyRotation(TTempArray &TMP, int k, int c)
{
    for (int l = 0; l < N; ++l) {
        TMP.A[l][c] = TMP.A[(k + l) % N][0];
    }
}

// Every row and every column of Matrix must add up to 0 + 1 + ... + 255.
bool THBox::CheckMatrix() const
{
    constexpr unsigned total = 255 * 256 / 2;
    const TTable &m = *FMatrix;
    for (int r = 0; r < N; ++r) {
        unsigned sum = 0;
        for (int c = 0; c < N; ++c) {
            sum += m[r][c];
        }
        if (sum != total) {
            return false;
        }
    }
    for (int c = 0; c < N; ++c) {
        unsigned sum = 0;
        for (int r = 0; r < N; ++r) {
            sum += m[r][c];
        }
        if (sum != total) {
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------
// Units

// First substitution with column KeyCS, forward pass (column: the new previous
// byte), last byte again with column KeyCS XOR 0x55, backward pass (column: the
// new next byte). A 1-byte unit gets the first substitution only.
void THBox::EncryptUnit(const uint8_t *src, uint8_t *dst, std::size_t len) const
{
    const std::array<uint8_t, N> *M = FMatrix->data();
    dst[0] = M[src[0]][FKeyCS];
    if (len == 1) {
        return;
    }
    for (std::size_t j = 1; j < len; ++j) {
        dst[j] = M[src[j]][dst[j - 1]];
    }
    dst[len - 1] = M[dst[len - 1]][FKeyCS ^ 0x55];
    for (std::size_t j = len - 1; j-- > 0;) {
        dst[j] = M[dst[j]][dst[j + 1]];
    }
}

// Undoes the backward pass (ascending, the column is the still enciphered next
// byte), the substitution of the last byte, the forward pass (descending, the
// column is the previous byte as left by the first step) and the first
// substitution.
void THBox::DecryptUnit(const uint8_t *src, uint8_t *dst, std::size_t len) const
{
    const std::array<uint8_t, N> *M1 = FMatrix_1->data();
    if (len == 1) {
        dst[0] = M1[src[0]][FKeyCS];
        return;
    }
    for (std::size_t j = 0; j + 1 < len; ++j) {
        dst[j] = M1[src[j]][src[j + 1]];
    }
    dst[len - 1] = M1[src[len - 1]][FKeyCS ^ 0x55];
    for (std::size_t j = len - 1; j > 0; --j) {
        dst[j] = M1[dst[j]][dst[j - 1]];
    }
    dst[0] = M1[dst[0]][FKeyCS];
}

void THBox::Encrypt(TIdBytes &Src, TIdBytes &Dst) const
{
    if (Src.empty()) {
        return;
    }
    EncryptUnit(Src.data(), Src.data(), Src.size());
    if (&Dst != &Src) {
        Dst = Src;
    }
}

void THBox::Decrypt(const TIdBytes &Src, TIdBytes &Dst) const
{
    if (Src.empty()) {
        return;
    }
    if (&Dst != &Src) {
        Dst.resize(Src.size());
    }
    DecryptUnit(Src.data(), Dst.data(), Src.size());
}

// ---------------------------------------------------------------------------
// Streams

int32_t THBox::RunStream(TCryptStream &InStream, TCryptStream &OutStream, int32_t Size, TUnitOp Op) const
{
    int32_t result = 0;
    if (Size <= 0) {
        return result;
    }
    std::array<uint8_t, FileBlockSize> inBuf;
    std::array<uint8_t, FileBlockSize> outBuf;
    const auto unit = [&](int32_t asked) {
        const int64_t got = InStream.Read(inBuf.data(), asked);
        if (got < 0 || got > asked) {
            throw ECrypterError(KBadRead);
        }
        if (got == 0) {
            return;
        }
        result += static_cast<int32_t>(got);
        (this->*Op)(inBuf.data(), outBuf.data(), static_cast<std::size_t>(got));
        OutStream.Write(outBuf.data(), got);
    };
    for (int32_t n = Size / FileBlockSize; n > 0; --n) {
        unit(FileBlockSize);
    }
    if (const int32_t t = Size % FileBlockSize; t != 0) {
        unit(t);
    }
    return result;
}

int32_t THBox::EncryptStream(TCryptStream &InStream, TCryptStream &OutStream, int32_t Size) const
{
    return RunStream(InStream, OutStream, Size, &THBox::EncryptUnit);
}

int32_t THBox::DecryptStream(TCryptStream &InStream, TCryptStream &OutStream, int32_t Size) const
{
    return RunStream(InStream, OutStream, Size, &THBox::DecryptUnit);
}

TIdBytes THBox::RunBytes(const TIdBytes &Src, TUnitOp Op) const
{
    if (Src.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) {
        throw ECrypterError(KTooLarge);
    }
    TIdBytes result;
    result.reserve(Src.size());
    TBufferReader in(Src);
    TBufferWriter out(result);
    RunStream(in, out, static_cast<int32_t>(Src.size()), Op);
    return result;
}

TIdBytes THBox::EncryptBytes(const TIdBytes &Src) const
{
    return RunBytes(Src, &THBox::EncryptUnit);
}

TIdBytes THBox::DecryptBytes(const TIdBytes &Src) const
{
    return RunBytes(Src, &THBox::DecryptUnit);
}
