// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The commands of telvo-cli.

#include <QStringList>

namespace Comandos {

// Runs the command line (without the program name): 0 on success; 1 with the
// message on standard error on any failure, usage errors included.
int Ejecutar(const QStringList &args);

} // namespace Comandos
