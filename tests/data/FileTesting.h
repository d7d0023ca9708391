// SPDX-License-Identifier: EUPL-1.2
#pragma once

// Helpers of the tests that write and read files: file contents, the cipher as
// the data files use it, the error text of a call and a disk that fills up.

#include "Cp1252.h"
#include "UAuxiliar.h"
#include "UCrypter.h"
#include "ZovError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

// The bytes of a file (empty when it cannot be read).
inline QByteArray FileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file directly, as another program would.
inline bool WriteFileBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Every name in a folder, hidden ones included: a left-over temporary file shows.
inline QStringList FolderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The cipher of the data files under pass, independent of the data object.
inline QByteArray DataCipher(const QByteArray &bytes, const QString &pass, bool encipher)
{
    const QByteArray key = Cp1252::ToBytes(pass);
    THBox box;
    box.Init(false, false, TIdBytes(key.begin(), key.end()), 32);
    const TIdBytes in(bytes.begin(), bytes.end());
    const TIdBytes out = encipher ? box.EncryptBytes(in) : box.DecryptBytes(in);
    return QByteArray(reinterpret_cast<const char *>(out.data()), qsizetype(out.size()));
}

// The message of what action throws, or "" when it returns.
template <class F> QString ErrorOf(F &&action)
{
    try {
        action();
        return QString();
    } catch (const std::exception &e) {
        return ErrorText(e);
    }
}

// While it lives, every write of this process beyond limit bytes into one file
// fails as on a full disk (EFBIG instead of a signal).
class TFullDisk
{
public:
    explicit TFullDisk(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &_previous);
        _handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{limit, _previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~TFullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &_previous);
        std::signal(SIGXFSZ, _handler);
    }
    TFullDisk(const TFullDisk &) = delete;
    TFullDisk &operator=(const TFullDisk &) = delete;

private:
    rlimit _previous{};
    void (*_handler)(int) = SIG_DFL;
};

// A data folder of its own for one test, so that no test ever touches the
// user's: XDG_DATA_HOME points into a temporary folder while it lives.
class TScopedDataFolder
{
public:
    TScopedDataFolder() : _previous(qgetenv("XDG_DATA_HOME")), _hadPrevious(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", _home.path().toLocal8Bit());
        QDir().mkpath(GetDataPath());
    }
    ~TScopedDataFolder()
    {
        if (_hadPrevious)
            qputenv("XDG_DATA_HOME", _previous);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    TScopedDataFolder(const TScopedDataFolder &) = delete;
    TScopedDataFolder &operator=(const TScopedDataFolder &) = delete;

private:
    QTemporaryDir _home;
    QByteArray _previous;
    bool _hadPrevious;
};
