// SPDX-License-Identifier: EUPL-1.2
// The save helper and the bounded reader every file of the data layer goes through.
#include "DiskFile.h"
#include "FileTesting.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

// A device that accepts capacity bytes and then fails as a full disk does.
class TFailDevice : public QIODevice
{
public:
    explicit TFailDevice(qint64 capacity) : _capacity(capacity) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 len) override
    {
        const qint64 n = std::min(len, _capacity - written.size());
        if (n <= 0) {
            setErrorString(qt_error_string(ENOSPC));
            return -1;
        }
        written.append(data, n);
        return n;
    }

private:
    qint64 _capacity;
};

QByteArray Numbered(int size)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i)
        bytes += QByteArray::number(i) + ' ';
    bytes.truncate(size);
    return bytes;
}

} // namespace

TEST(SaveHelper, DeviceThatFailsAfterSomeBytesIsReported)
{
    const QByteArray bytes = Numbered(5000);
    for (const qint64 capacity : {0, 1, 1023, 1024, 4999}) {
        SCOPED_TRACE(capacity);
        TFailDevice device(capacity);
        EXPECT_EQ(ErrorOf([&] { WriteAll(device, bytes, QStringLiteral("destino.ZOV")); }),
                  QStringLiteral("No se puede escribir el fichero «destino.ZOV»: no queda espacio en el disco."));
        EXPECT_EQ(device.written, bytes.left(capacity));
    }
    TFailDevice roomy(bytes.size());
    WriteAll(roomy, bytes, QStringLiteral("destino.ZOV"));
    EXPECT_EQ(roomy.written, bytes);
}

TEST(SaveHelper, FileIsReplacedWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fichero"));
    SaveBytes(file, Numbered(3000), TFileAccess::Default);
    SaveBytes(file, "corto", TFileAccess::Default);
    EXPECT_EQ(FileBytes(file), QByteArray("corto"));

    {
        // Written but never committed: the file stays as it was.
        TAtomicFile abandoned(file, TFileAccess::Default);
        abandoned.Write("a medias");
    }
    EXPECT_EQ(FileBytes(file), QByteArray("corto"));
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("fichero")});
}

TEST(SaveHelper, ReaderRefusesFilesAboveTheLimit)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fichero"));
    struct Case
    {
        int size;
        bool read;
    };
    for (const Case &c : {Case{0, true}, Case{10, true}, Case{11, false}}) {
        SCOPED_TRACE(c.size);
        ASSERT_TRUE(WriteFileBytes(file, Numbered(c.size)));
        const QString error = ErrorOf([&] { EXPECT_EQ(ReadWholeFile(file, 10), Numbered(c.size)); });
        EXPECT_EQ(error, c.read ? QString()
                                : QStringLiteral("No se puede leer el fichero «%1»: es mayor de 10 bytes.").arg(file));
    }
    // A device without a size of its own is cut at the limit too, not read without end.
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(QStringLiteral("/dev/zero"), 10); }),
              QStringLiteral("No se puede leer el fichero «/dev/zero»: es mayor de 10 bytes."));
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(dir.filePath(QStringLiteral("no")), 10); }),
              QStringLiteral("No se puede leer el fichero «%1»: no existe el fichero o la carpeta.")
                  .arg(dir.filePath(QStringLiteral("no"))));
}
