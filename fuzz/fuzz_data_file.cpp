// SPDX-License-Identifier: EUPL-1.2
// The bytes as a data file: deciphered under the data files' pass phrase,
// loaded, then read into the records, as the load command does.
#include "FuzzReading.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    return FuzzRead([&](TDatosRegistroZOV &datos) { return datos.ReadDataBytes(bytes, kDataFilePassPhrase); });
}
