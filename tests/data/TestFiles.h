// SPDX-License-Identifier: EUPL-1.2
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file under tests/fixtures (empty when missing).
inline QByteArray Fixture(const QString &name)
{
    QFile file(QStringLiteral(TELVO_FIXTURES "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The complete example application shipped with the program.
inline QByteArray ExampleXml()
{
    QFile file(QStringLiteral(TELVO_EXAMPLE_XML));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
