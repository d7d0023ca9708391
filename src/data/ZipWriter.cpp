// SPDX-License-Identifier: EUPL-1.2
#include "ZipWriter.h"

#include "Cp1252.h"
#include "ZovError.h"

#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int kLevel = 6;
constexpr int kMemLevel = 8;
constexpr uLong kVersionMadeBy = 20;
constexpr uLong kUtf8NameFlag = 0x0800;

[[noreturn]] void Fail(const QString &what, int code)
{
    throw EZipError(QStringLiteral("%1 (código %2).").arg(what).arg(code));
}

} // namespace

// The archive's bytes, written by minizip through the callbacks below. minizip
// seeks back to fill in each local header, so this is a file in memory, not an
// append-only buffer.
struct TZipWriter::TMemory
{
    QByteArray bytes;
    qint64 pos = 0;

    static voidpf Open(voidpf opaque, const void *, int) { return opaque; }

    static uLong Write(voidpf, voidpf stream, const void *buf, uLong size)
    {
        TMemory &m = *static_cast<TMemory *>(stream);
        try {
            const qint64 end = m.pos + qint64(size);
            if (end > m.bytes.size())
                m.bytes.resize(end);
            std::memcpy(m.bytes.data() + m.pos, buf, size);
            m.pos = end;
            return size;
        } catch (...) {
            return 0; // out of memory: minizip sees a short write and fails
        }
    }

    static uLong Read(voidpf, voidpf stream, void *buf, uLong size)
    {
        TMemory &m = *static_cast<TMemory *>(stream);
        const qint64 available = std::max<qint64>(0, m.bytes.size() - m.pos);
        const qint64 n = std::min<qint64>(available, qint64(size));
        std::memcpy(buf, m.bytes.constData() + m.pos, size_t(n));
        m.pos += n;
        return uLong(n);
    }

    static ZPOS64_T Tell(voidpf, voidpf stream) { return ZPOS64_T(static_cast<TMemory *>(stream)->pos); }

    static long Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
    {
        TMemory &m = *static_cast<TMemory *>(stream);
        const qint64 bases[] = {0, m.pos, m.bytes.size()}; // SEEK_SET, SEEK_CUR, SEEK_END
        if (origin < 0 || origin > 2 || offset > ZPOS64_T(std::numeric_limits<qint64>::max() / 2))
            return -1;
        const qint64 target = bases[origin] + qint64(offset);
        if (target < 0 || target > m.bytes.size())
            return -1;
        m.pos = target;
        return 0;
    }

    static int Close(voidpf, voidpf) { return 0; }
    static int Error(voidpf, voidpf) { return 0; }
};

QByteArray RawDeflate(const QByteArray &data)
{
    z_stream z{};
    // Negative window bits: a raw deflate stream, without the zlib header and trailer.
    int rc = deflateInit2(&z, kLevel, Z_DEFLATED, -MAX_WBITS, kMemLevel, Z_DEFAULT_STRATEGY);
    if (rc != Z_OK)
        Fail(QStringLiteral("No se pudo preparar la compresión"), rc);
    QByteArray out(qsizetype(deflateBound(&z, uLong(data.size()))), Qt::Uninitialized);
    // zlib only reads the input; its API predates const.
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    rc = deflate(&z, Z_FINISH);
    const uLong produced = z.total_out;
    deflateEnd(&z);
    if (rc != Z_STREAM_END)
        Fail(QStringLiteral("No se pudo comprimir el contenido"), rc);
    out.truncate(qsizetype(produced));
    return out;
}

TZipWriter::TZipWriter() : _memory(std::make_unique<TMemory>())
{
    zlib_filefunc64_def io{};
    io.zopen64_file = &TMemory::Open;
    io.zread_file = &TMemory::Read;
    io.zwrite_file = &TMemory::Write;
    io.ztell64_file = &TMemory::Tell;
    io.zseek64_file = &TMemory::Seek;
    io.zclose_file = &TMemory::Close;
    io.zerror_file = &TMemory::Error;
    io.opaque = _memory.get();
    _zip = zipOpen2_64("zip", APPEND_STATUS_CREATE, nullptr, &io);
    if (!_zip)
        Fail(QStringLiteral("No se pudo crear el fichero zip"), ZIP_INTERNALERROR);
}

TZipWriter::~TZipWriter()
{
    if (_zip)
        zipClose(_zip, nullptr);
}

void TZipWriter::Add(const QString &name, const QByteArray &content)
{
    const bool ascii = Cp1252::IsPlainAscii(name);
    const QByteArray stored = ascii ? name.toLatin1() : Cp1252::Restrict(name).toUtf8();
    // minizip takes the name as a C string and stores its length in 16 bits.
    if (stored.isEmpty() || stored.contains('\0') || stored.size() > 0xFFFF)
        throw EZipError(QStringLiteral("El nombre «%1» no es válido en un fichero zip.").arg(name));
    if (content.size() > qsizetype(std::numeric_limits<uInt>::max()))
        Fail(QStringLiteral("El contenido de «%1» es demasiado grande").arg(name), ZIP_PARAMERROR);

    const QByteArray deflated = RawDeflate(content);
    const uLong crc = crc32_z(0, reinterpret_cast<const Bytef *>(content.constData()), size_t(content.size()));

    zip_fileinfo info{};
    info.dosDate = kDosStamp;
    // Raw mode: minizip writes the deflated bytes as given and takes the CRC and
    // size from the close; it then marks no entry as text (internal attribute 0).
    int rc = zipOpenNewFileInZip4_64(_zip, stored.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                     kLevel, 1, -MAX_WBITS, kMemLevel, Z_DEFAULT_STRATEGY, nullptr, 0, kVersionMadeBy,
                                     ascii ? 0 : kUtf8NameFlag, 0);
    if (rc == ZIP_OK && !deflated.isEmpty())
        rc = zipWriteInFileInZip(_zip, deflated.constData(), unsigned(deflated.size()));
    if (rc == ZIP_OK)
        rc = zipCloseFileInZipRaw64(_zip, ZPOS64_T(content.size()), crc);
    if (rc != ZIP_OK)
        Fail(QStringLiteral("No se pudo añadir «%1» al fichero zip").arg(name), rc);
}

QByteArray TZipWriter::Finish()
{
    const int rc = zipClose(_zip, nullptr);
    _zip = nullptr;
    if (rc != ZIP_OK)
        Fail(QStringLiteral("No se pudo cerrar el fichero zip"), rc);
    return std::move(_memory->bytes);
}
