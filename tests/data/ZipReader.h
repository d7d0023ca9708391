// SPDX-License-Identifier: EUPL-1.2
#pragma once

// A small reader of ZIP archives, written from the PKWARE application note and
// independent of the writer under test: every field of the local headers, the
// central directory and the end record as stored, and a raw inflate.

#include <QByteArray>
#include <QList>

#include <zlib.h>

#include <stdexcept>

// The fields a local header and a central-directory header share.
struct TZipHeader
{
    quint16 versionNeeded = 0;
    quint16 flags = 0;
    quint16 method = 0;
    quint16 time = 0;
    quint16 date = 0;
    quint32 crc = 0;
    quint32 compressedSize = 0;
    quint32 size = 0;
    QByteArray name;
    quint16 extraLength = 0;

    bool operator==(const TZipHeader &) const = default;
};

struct TZipCentral
{
    quint16 versionMadeBy = 0;
    TZipHeader header;
    quint16 commentLength = 0;
    quint16 disk = 0;
    quint16 internal = 0;
    quint32 external = 0;
    quint32 offset = 0;

    bool operator==(const TZipCentral &) const = default;
};

struct TZipEnd
{
    quint16 disk = 0;
    quint16 centralDisk = 0;
    quint16 entriesOnDisk = 0;
    quint16 entries = 0;
    quint32 centralSize = 0;
    quint32 centralOffset = 0;
    quint16 commentLength = 0;

    bool operator==(const TZipEnd &) const = default;
};

struct TZipArchive
{
    QList<quint32> localOffsets;
    QList<TZipHeader> locals;
    QList<QByteArray> payloads; // the stored (compressed) bytes of each entry
    QList<TZipCentral> centrals;
    TZipEnd end;
};

namespace ZipReading {

class Cursor
{
public:
    explicit Cursor(const QByteArray &bytes) : _bytes(bytes) {}
    qsizetype Pos() const { return _pos; }
    bool AtEnd() const { return _pos == _bytes.size(); }
    quint32 Peek32() const { return _pos + 4 <= _bytes.size() ? Value(_pos, 4) : 0; }
    quint16 U16() { return quint16(Take(2)); }
    quint32 U32() { return quint32(Take(4)); }
    QByteArray Bytes(qsizetype n)
    {
        Need(n);
        const QByteArray part = _bytes.mid(_pos, n);
        _pos += n;
        return part;
    }

private:
    void Need(qsizetype n) const
    {
        if (n < 0 || _pos + n > _bytes.size())
            throw std::runtime_error("ZIP: truncated archive");
    }
    quint32 Value(qsizetype at, int n) const
    {
        quint32 v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = (v << 8) | quint8(_bytes[at + i]);
        return v;
    }
    quint32 Take(int n)
    {
        Need(n);
        const quint32 v = Value(_pos, n);
        _pos += n;
        return v;
    }
    const QByteArray &_bytes;
    qsizetype _pos = 0;
};

constexpr quint32 kLocalSignature = 0x04034b50;
constexpr quint32 kCentralSignature = 0x02014b50;
constexpr quint32 kEndSignature = 0x06054b50;

// The shared fields from "version needed" to the extra length; the name length.
inline quint16 ReadShared(Cursor &c, TZipHeader &h)
{
    h.versionNeeded = c.U16();
    h.flags = c.U16();
    h.method = c.U16();
    h.time = c.U16();
    h.date = c.U16();
    h.crc = c.U32();
    h.compressedSize = c.U32();
    h.size = c.U32();
    const quint16 nameLength = c.U16();
    h.extraLength = c.U16();
    return nameLength;
}

} // namespace ZipReading

// Throws std::runtime_error for anything that is not a plain single-disk archive.
inline TZipArchive ReadZip(const QByteArray &bytes)
{
    using namespace ZipReading;
    TZipArchive zip;
    Cursor c(bytes);
    while (c.Peek32() == kLocalSignature) {
        zip.localOffsets.append(quint32(c.Pos()));
        c.U32();
        TZipHeader h;
        h.name = c.Bytes(ReadShared(c, h));
        c.Bytes(h.extraLength);
        zip.payloads.append(c.Bytes(h.compressedSize));
        zip.locals.append(h);
    }
    const qsizetype centralStart = c.Pos();
    while (c.Peek32() == kCentralSignature) {
        c.U32();
        TZipCentral e;
        e.versionMadeBy = c.U16();
        // In a central header the name follows the fixed part, which ends with the offset.
        const quint16 nameLength = ReadShared(c, e.header);
        e.commentLength = c.U16();
        e.disk = c.U16();
        e.internal = c.U16();
        e.external = c.U32();
        e.offset = c.U32();
        e.header.name = c.Bytes(nameLength);
        c.Bytes(e.header.extraLength);
        c.Bytes(e.commentLength);
        zip.centrals.append(e);
    }
    const qsizetype centralEnd = c.Pos();
    if (c.U32() != kEndSignature)
        throw std::runtime_error("ZIP: no end of central directory where expected");
    TZipEnd &end = zip.end;
    end.disk = c.U16();
    end.centralDisk = c.U16();
    end.entriesOnDisk = c.U16();
    end.entries = c.U16();
    end.centralSize = c.U32();
    end.centralOffset = c.U32();
    end.commentLength = c.U16();
    c.Bytes(end.commentLength);
    if (!c.AtEnd())
        throw std::runtime_error("ZIP: bytes after the end record");
    if (end.centralOffset != quint32(centralStart) || end.centralSize != quint32(centralEnd - centralStart))
        throw std::runtime_error("ZIP: the end record does not point at the central directory");
    return zip;
}

// Inflates a raw deflate stream that must end exactly where the data ends.
inline QByteArray RawInflate(const QByteArray &deflated)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        throw std::runtime_error("inflateInit2");
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(deflated.constData()));
    z.avail_in = uInt(deflated.size());
    QByteArray out;
    int rc = Z_OK;
    char buffer[16384];
    while (rc == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(buffer);
        z.avail_out = sizeof buffer;
        rc = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, qsizetype(sizeof buffer - z.avail_out));
    }
    const uInt left = z.avail_in;
    inflateEnd(&z);
    if (rc != Z_STREAM_END || left != 0)
        throw std::runtime_error("inflate: not one complete raw deflate stream");
    return out;
}

// The raw deflate stream zlib makes with the package's parameters.
inline QByteArray ReferenceDeflate(const QByteArray &data)
{
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&z, uLong(data.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.truncate(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}
