// SPDX-License-Identifier: EUPL-1.2
#include "DiskFile.h"

#include "UAuxiliar.h"
#include "ZovError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

// Spanish texts for the causes the user is likely to meet. Qt reports a cause as
// the system's English text of the error number, so the text is matched.
struct Cause
{
    int error;
    const char16_t *text;
};
constexpr Cause kCauses[] = {
    {EACCES, u"permiso denegado"},
    {EPERM, u"operación no permitida"},
    {ENOENT, u"no existe el fichero o la carpeta"},
    {ENOTDIR, u"una parte de la ruta no es una carpeta"},
    {EISDIR, u"es una carpeta"},
    {ENOSPC, u"no queda espacio en el disco"},
    {EDQUOT, u"se ha superado la cuota de disco"},
    {EFBIG, u"el fichero es demasiado grande"},
    {EROFS, u"el sistema de ficheros es de solo lectura"},
    {ENAMETOOLONG, u"el nombre es demasiado largo"},
    {EIO, u"error de entrada/salida"},
};

// Texts Qt gives of its own for some of these causes.
constexpr std::pair<const char *, const char16_t *> kQtCauses[] = {
    {"Filename refers to a directory", u"es una carpeta"},
    {"file to open is a directory", u"es una carpeta"},
};

QString SpanishCause(const QString &systemText)
{
    if (systemText.isEmpty())
        return QStringLiteral("causa desconocida");
    for (const Cause &c : kCauses)
        if (systemText.compare(qt_error_string(c.error), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(c.text);
    for (const auto &[qt, text] : kQtCauses)
        if (systemText.compare(QLatin1String(qt), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(text);
    return systemText;
}

[[noreturn]] void Fail(const char16_t *what, const QString &fileName, const QString &systemText)
{
    throw EFileError(QString::fromUtf16(what).arg(QDir::toNativeSeparators(fileName), SpanishCause(systemText)));
}

constexpr char16_t kCannotCreate[] = u"No se puede crear el fichero «%1»: %2.";
constexpr char16_t kCannotWrite[] = u"No se puede escribir el fichero «%1»: %2.";
constexpr char16_t kCannotReplace[] = u"No se puede guardar el fichero «%1»: %2.";
constexpr char16_t kCannotRead[] = u"No se puede leer el fichero «%1»: %2.";

constexpr qint64 kReadChunk = qint64(1) << 20;

} // namespace

TAtomicFile::TAtomicFile(const QString &fileName, TFileAccess access) : _file(fileName)
{
    // Unbuffered, so that a failing write shows in Write and not later in Commit.
    if (!_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        Fail(kCannotCreate, fileName, _file.errorString());
    // Before the first byte, so that the content is never readable by others.
    if (access == TFileAccess::OwnerOnly && !_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        Fail(kCannotCreate, fileName, _file.errorString());
}

void TAtomicFile::Write(const QByteArray &bytes)
{
    WriteAll(_file, bytes, _file.fileName());
}

void TAtomicFile::Commit()
{
    if (!_file.commit())
        Fail(kCannotReplace, _file.fileName(), _file.errorString());
}

void SaveBytes(const QString &fileName, const QByteArray &bytes, TFileAccess access)
{
    TAtomicFile file(fileName, access);
    file.Write(bytes);
    file.Commit();
}

void WriteAll(QIODevice &device, const QByteArray &bytes, const QString &fileName)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = device.write(data, left);
        if (written <= 0)
            Fail(kCannotWrite, fileName, device.errorString());
        data += written;
        left -= written;
    }
}

QByteArray ReadWholeFile(const QString &fileName, qint64 maxSize)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        Fail(kCannotRead, fileName, file.errorString());
    const QString tooLarge = QStringLiteral("es mayor de %1 bytes").arg(maxSize);
    if (file.size() > maxSize)
        Fail(kCannotRead, fileName, tooLarge);
    // In chunks, so that a file that is not a regular one cannot make it read without end.
    QByteArray bytes;
    while (bytes.size() <= maxSize) {
        const QByteArray chunk = file.read(std::min(kReadChunk, maxSize + 1 - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            Fail(kCannotRead, fileName, file.errorString());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (bytes.size() > maxSize)
        Fail(kCannotRead, fileName, tooLarge);
    return bytes;
}

TFileAccess AccessFor(const QString &fileName, bool privateContent)
{
    if (privateContent)
        return TFileAccess::OwnerOnly;
    const QString dataFolder = QDir(GetDataPath()).canonicalPath();
    const QString folder = QFileInfo(fileName).absoluteDir().canonicalPath();
    return !dataFolder.isEmpty() && folder == dataFolder ? TFileAccess::OwnerOnly : TFileAccess::Default;
}
