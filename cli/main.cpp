// SPDX-License-Identifier: EUPL-1.2
// telvo-cli: converts, lists and packs applications without the windows.
#include "Comandos.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("telvo"));
    return Comandos::Ejecutar(QCoreApplication::arguments().mid(1));
}
