// SPDX-License-Identifier: EUPL-1.2
#pragma once

// What both fuzz targets check once a reader has loaded the bytes: the records
// fill without anything but our own errors, and whatever they hold can be
// saved again (the writer's document parses), so an imported file never blocks
// the next save.

#include "UDatos.h"

#include <cstdlib>

template <class Load> int FuzzRead(Load &&load)
{
    TDatosRegistroZOV datos;
    datos.ClearZOV();
    try {
        if (!load(datos))
            return 0;
        datos.ParserXmlToZOV();
    } catch (const ETextError &) {
        return 0; // a refused file: the user gets its message
    }
    datos.ParserZOVToXml();
    TXmlDocument again;
    try {
        again.LoadFromBytes(datos.SerializedXml());
    } catch (const ETextError &) {
        std::abort();
    }
    return 0;
}
