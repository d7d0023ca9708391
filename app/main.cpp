// SPDX-License-Identifier: EUPL-1.2
// TELVO: the start-up lives in the shell (RegZOV).
#include "RegZOV.h"
#include "Regional.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("telvo"));
    Regional::LoadFromSystemLocale();
    return RegZOV(app);
}
