// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The errors of the data layer. Their message is the text the user sees
// ("Error: 5001. No es un fichero de datos válido.").

#include <QByteArray>
#include <QString>

#include <exception>

// An error carrying a Spanish message.
class ETextError : public std::exception
{
public:
    explicit ETextError(const QString &message) : _message(message), _utf8(message.toUtf8()) {}
    const QString &Message() const { return _message; }
    const char *what() const noexcept override { return _utf8.constData(); }

private:
    QString _message;
    QByteArray _utf8;
};

// The numbered errors the data object raises.
class EZOVError : public ETextError
{
public:
    using ETextError::ETextError;
    // outer + CR LF + "Error interno(" + kind of inner + "): " + inner's message.
    EZOVError(const QString &outer, const std::exception &inner);
};

// An error of the XML layer (a parse error, a leaf that holds elements).
class EXMLDocError : public ETextError
{
public:
    using ETextError::ETextError;
};

// An error of the file system (a file that cannot be created, written or read).
class EFileError : public ETextError
{
public:
    using ETextError::ETextError;
};

// An error of the ZIP writer or of the compression of an entry.
class EZipError : public ETextError
{
public:
    using ETextError::ETextError;
};

// A stable name for the kind of an error, used inside wrapped messages.
QString ErrorKind(const std::exception &error);
// The user-facing text of any error.
QString ErrorText(const std::exception &error);
