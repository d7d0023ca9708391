// SPDX-License-Identifier: EUPL-1.2
// Cost of the data-file cipher: building the tables once per file, and
// enciphering / deciphering a 1 MiB document through the stream operations.
#include "UCrypter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const std::string KPassPhrase = "QKW:Carpetado-Formularios_Paquetes";
constexpr int32_t KDocumentSize = 1 << 20;

TIdBytes PassPhraseBytes()
{
    return TIdBytes(KPassPhrase.begin(), KPassPhrase.end());
}

// Reads from a fixed buffer and writes into a preallocated one, so that the
// measurement is the cipher and not the stream.
struct TFixedStream : TCryptStream
{
    explicit TFixedStream(TIdBytes data) : Data(std::move(data)) {}

    int64_t Read(uint8_t *buf, int64_t n) override
    {
        const auto count = std::min<int64_t>(n, static_cast<int64_t>(Data.size() - Pos));
        std::memcpy(buf, Data.data() + Pos, static_cast<std::size_t>(count));
        Pos += static_cast<std::size_t>(count);
        return count;
    }

    void Write(const uint8_t *buf, int64_t n) override
    {
        std::memcpy(Data.data() + Pos, buf, static_cast<std::size_t>(n));
        Pos += static_cast<std::size_t>(n);
    }

    TIdBytes Data;
    std::size_t Pos = 0;
};

// Arbitrary bytes (every table row in use), or printable text like the XML
// documents of the data files (about a third of the rows in use).
TIdBytes Document(bool text)
{
    TIdBytes doc(KDocumentSize);
    uint32_t seed = 1;
    for (auto &b : doc) {
        seed = seed * 1103515245u + 12345u;
        const auto r = static_cast<uint8_t>(seed >> 16);
        b = text ? static_cast<uint8_t>(32 + r % 95) : r;
    }
    return doc;
}

void BM_Init(benchmark::State &state)
{
    const TIdBytes key = PassPhraseBytes();
    for (auto _ : state) {
        THBox box;
        benchmark::DoNotOptimize(box.Init(false, false, key, 32));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Init)->Unit(benchmark::kMicrosecond);

template <bool Encipher> void BM_Stream(benchmark::State &state)
{
    THBox box;
    box.Init(false, false, PassPhraseBytes(), 32);
    TFixedStream in(Document(state.range(0) != 0));
    TFixedStream out{TIdBytes(KDocumentSize)};
    for (auto _ : state) {
        in.Pos = 0;
        out.Pos = 0;
        const int32_t n =
            Encipher ? box.EncryptStream(in, out, KDocumentSize) : box.DecryptStream(in, out, KDocumentSize);
        benchmark::DoNotOptimize(n);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t{KDocumentSize});
}
// Argument 0: arbitrary bytes, 1: printable text.
BENCHMARK(BM_Stream<true>)->Name("BM_EncryptStream_1MiB")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stream<false>)->Name("BM_DecryptStream_1MiB")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
