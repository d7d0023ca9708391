// SPDX-License-Identifier: EUPL-1.2
// The bytes as a plain XML file: loaded, then read into the records.
#include "FuzzReading.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    return FuzzRead([&](TDatosRegistroZOV &datos) { return datos.ReadXMLBytes(bytes); });
}
