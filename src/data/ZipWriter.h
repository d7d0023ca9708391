// SPDX-License-Identifier: EUPL-1.2
#pragma once

// A ZIP archive built in memory, as the submission package needs it: every entry
// deflated whole by zlib before it is written (so each local header carries the
// CRC-32 and both sizes, with no data descriptor), no extra fields, no comments,
// version 2.0, attributes 0 and one fixed modification stamp. Errors are
// EZipError.

#include <QByteArray>
#include <QString>

#include <memory>

class TZipWriter
{
public:
    // The modification stamp of every entry: time word 0x3C21, date word 0.
    static constexpr unsigned long kDosStamp = 15393;

    TZipWriter();
    ~TZipWriter();
    TZipWriter(const TZipWriter &) = delete;
    TZipWriter &operator=(const TZipWriter &) = delete;

    // Adds an entry. A name of characters below 127 is stored as is; any other
    // as UTF-8 with general-purpose flag bit 11 set.
    void Add(const QString &name, const QByteArray &content);
    // Writes the central directory and the end record; the archive's bytes.
    QByteArray Finish();

private:
    struct TMemory;
    std::unique_ptr<TMemory> _memory;
    void *_zip = nullptr;
};

// The raw deflate stream of data (level 6, window bits 15, memory level 8,
// default strategy); EZipError when zlib fails.
QByteArray RawDeflate(const QByteArray &data);
