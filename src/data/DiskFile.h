// SPDX-License-Identifier: EUPL-1.2
#pragma once

// Whole files on disk. Every file the data layer writes (data files, XML
// exports, packages, diagnostic files) goes through TAtomicFile: the bytes go to
// a temporary file beside the target, which takes the target's place only when
// all of them were written, so a failure at any point leaves the previous file
// unchanged and no partial file behind. Every error is an EFileError whose
// Spanish message names the file and the cause.

#include <QByteArray>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

// Who may read a written file.
enum class TFileAccess
{
    Default,   // the file system's default, or the permissions of the file replaced
    OwnerOnly, // readable and writable by the user only
};

// A file being written in place of fileName. Destroyed without Commit, nothing
// changes on disk.
class TAtomicFile
{
public:
    // Creates the temporary file; EFileError when that is not possible.
    TAtomicFile(const QString &fileName, TFileAccess access);
    // EFileError on a failed or short write.
    void Write(const QByteArray &bytes);
    // Puts the file in place; EFileError when that fails (the previous file stays).
    void Commit();

private:
    QSaveFile _file;
};

// Writes bytes as the whole content of fileName through a TAtomicFile.
void SaveBytes(const QString &fileName, const QByteArray &bytes, TFileAccess access);

// Writes all bytes to device; EFileError naming fileName on a failed or short write.
void WriteAll(QIODevice &device, const QByteArray &bytes, const QString &fileName);

// The whole content of fileName; EFileError when it cannot be read or holds more
// than maxSize bytes (then nothing is read).
QByteArray ReadWholeFile(const QString &fileName, qint64 maxSize);

// OwnerOnly for private content (data files and their diagnostic files) and for
// every file of the data folder; Default otherwise.
TFileAccess AccessFor(const QString &fileName, bool privateContent);
