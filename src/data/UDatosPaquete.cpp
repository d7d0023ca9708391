// SPDX-License-Identifier: EUPL-1.2
// The submission package: one ZIP archive holding the application's XML
// document and, when given, the PDF of the printed questionnaires.
#include "DiskFile.h"
#include "UDatos.h"
#include "ZipWriter.h"

#include <utility>

namespace {

const QString kZipFailed = QStringLiteral("Error: 4096. Error al guardar el fichero zip.");
const QString kReparseFailed = QStringLiteral("Error: 4099. Error al generar el fichero XML.");

constexpr std::pair<char16_t, char16_t> kPlainCapitals[] = {
    {u'Á', u'A'}, {u'É', u'E'}, {u'Í', u'I'}, {u'Ó', u'O'}, {u'Ú', u'U'},
};

} // namespace

QString TDatosRegistroZOV::EncodingFileName(const QString &filename)
{
    QString name = filename;
    for (const auto &[accented, plain] : kPlainCapitals)
        name.replace(QChar(accented), QChar(plain));
    return name;
}

bool TDatosRegistroZOV::SaveToZip(const QString &argFile, const QByteArray *tsPDFMem)
{
    try {
        const QByteArray xml = BuildCheckedXml(kReparseFailed);
        const QString name = ZOV.Solicitud.Entidad.RazonSocial;
        TZipWriter zip;
        zip.Add(EncodingFileName(name + QStringLiteral(".xml")), xml);
        if (tsPDFMem)
            zip.Add(EncodingFileName(name + QStringLiteral(".pdf")), *tsPDFMem);
        SaveBytes(argFile, zip.Finish(), AccessFor(argFile, false));
    } catch (const std::exception &e) {
        throw EZOVError(kZipFailed, e);
    }
    return true;
}
