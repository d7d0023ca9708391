// SPDX-License-Identifier: EUPL-1.2
#include "ZovError.h"

#include "UCrypter.h"

#include <new>

namespace {

QString Wrapped(const QString &outer, const std::exception &inner)
{
    return outer + QStringLiteral("\r\nError interno(") + ErrorKind(inner) + QStringLiteral("): ") + ErrorText(inner);
}

} // namespace

EZOVError::EZOVError(const QString &outer, const std::exception &inner) : ETextError(Wrapped(outer, inner)) {}

QString ErrorKind(const std::exception &error)
{
    if (dynamic_cast<const EZOVError *>(&error))
        return QStringLiteral("EZOVError");
    if (dynamic_cast<const EXMLDocError *>(&error))
        return QStringLiteral("EXMLDocError");
    if (dynamic_cast<const EFileError *>(&error))
        return QStringLiteral("EFileError");
    if (dynamic_cast<const EZipError *>(&error))
        return QStringLiteral("EZipError");
    if (dynamic_cast<const ECrypterError *>(&error))
        return QStringLiteral("ECrypterError");
    if (dynamic_cast<const std::bad_alloc *>(&error))
        return QStringLiteral("EOutOfMemory");
    return QStringLiteral("Exception");
}

QString ErrorText(const std::exception &error)
{
    return QString::fromUtf8(error.what());
}
