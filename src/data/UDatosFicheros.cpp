// SPDX-License-Identifier: EUPL-1.2
// The data files: the application document enciphered with THBox under a pass
// phrase (a data file), or in plain form (an XML export). Files are read whole
// into memory and written whole through the atomic save helper.
#include "Cp1252.h"
#include "DiskFile.h"
#include "UCrypter.h"
#include "UDatos.h"

namespace {

const QString kReparseFailed = QStringLiteral("Error: 4099. Error al generar el documento XML.");
const QString kPlainWriteFailed = QStringLiteral("Error: 4093. Error al guardar el fichero de datos.");
const QString kEncipherFailed = QStringLiteral("Error: 4097. Error al encriptar el fichero de datos.");
const QString kNotADataFile = QStringLiteral("Error: 5001. No es un fichero de datos válido.");

// The working-key length every data file is enciphered with.
constexpr uint16_t kKeySize = 32;

QByteArray ToByteArray(const TIdBytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

TIdBytes ToIdBytes(const QByteArray &bytes)
{
    return TIdBytes(bytes.begin(), bytes.end());
}

// A new cipher for one operation; the key bytes are the pass phrase in Windows-1252.
std::unique_ptr<THBox> DataFileCipher(const QString &pass)
{
    auto cipher = std::make_unique<THBox>();
    if (!cipher->Init(false, false, ToIdBytes(Cp1252::ToBytes(pass)), kKeySize))
        throw ECrypterError("THBox: Init failed");
    return cipher;
}

QByteArray Encipher(const QByteArray &plain, const QString &pass)
{
    return ToByteArray(DataFileCipher(pass)->EncryptBytes(ToIdBytes(plain)));
}

QByteArray Decipher(const QByteArray &enciphered, const QString &pass)
{
    return ToByteArray(DataFileCipher(pass)->DecryptBytes(ToIdBytes(enciphered)));
}

// The plain form: a file that cannot be created reports the file system's own
// error; a failure after that is wrapped.
void SavePlain(const QString &fileName, const QByteArray &xml)
{
    TAtomicFile file(fileName, AccessFor(fileName, false));
    try {
        file.Write(xml);
        file.Commit();
    } catch (const std::exception &e) {
        throw EZOVError(kPlainWriteFailed, e);
    }
}

void SaveEnciphered(const QString &fileName, const QByteArray &xml, const QString &pass)
{
    try {
        SaveBytes(fileName, Encipher(xml, pass), AccessFor(fileName, true));
    } catch (const std::exception &e) {
        throw EZOVError(kEncipherFailed, e);
    }
}

// The deciphered bytes of a data file whose document did not load, for
// diagnosis; it replaces the one a previous failure left.
void WriteDiagnostic(const QString &dataFile, const QByteArray &deciphered)
{
    const QString fileName = dataFile + QStringLiteral(".err");
    SaveBytes(fileName, deciphered, AccessFor(fileName, true));
}

} // namespace

template <class F> void TDatosRegistroZOV::LoadOrReset(F &&load)
{
    try {
        load();
    } catch (const std::exception &) {
        _objXML->Clear();
        throw EZOVError(kNotADataFile);
    }
}

QByteArray TDatosRegistroZOV::BuildCheckedXml(const QString &reparseMessage)
{
    ParserZOVToXml();
    try {
        QByteArray xml = SerializedXml();
        // What is written must read back: a scratch document proves it parses.
        TXmlDocument scratch;
        scratch.LoadFromBytes(xml);
        scratch.Clear();
        return xml;
    } catch (const std::exception &e) {
        throw EZOVError(reparseMessage, e);
    }
}

bool TDatosRegistroZOV::SaveToFile(const QString &argFile, const QString &argPass)
{
    const QByteArray xml = BuildCheckedXml(kReparseFailed);
    if (argPass.isEmpty()) {
        SavePlain(argFile, xml);
        return false;
    }
    SaveEnciphered(argFile, xml, argPass);
    return true;
}

bool TDatosRegistroZOV::ReadDataFile(const QString &argFile, const QString &argPass)
{
    if (!_objXML)
        return false;
    LoadOrReset([&] {
        const QByteArray deciphered = Decipher(ReadWholeFile(argFile, kMaxDataFileSize), argPass);
        try {
            _objXML->LoadFromBytes(deciphered);
        } catch (const std::exception &) {
            WriteDiagnostic(argFile, deciphered);
            throw;
        }
    });
    return true;
}

bool TDatosRegistroZOV::ReadDataBytes(const QByteArray &fileBytes, const QString &argPass)
{
    if (!_objXML)
        return false;
    LoadOrReset([&] { _objXML->LoadFromBytes(Decipher(fileBytes, argPass)); });
    return true;
}

bool TDatosRegistroZOV::ReadFromFile(const QString &argFile, const QString &argPass)
{
    if (!ReadDataFile(argFile, argPass))
        return false;
    ParserXmlToZOV();
    return true;
}

bool TDatosRegistroZOV::ReadXMLFile(const QString &argFile)
{
    if (!_objXML)
        return false;
    LoadOrReset([&] { _objXML->LoadFromBytes(ReadWholeFile(argFile, kMaxDataFileSize)); });
    return true;
}

bool TDatosRegistroZOV::ReadXMLBytes(const QByteArray &xml)
{
    if (!_objXML)
        return false;
    LoadOrReset([&] { _objXML->LoadFromBytes(xml); });
    return true;
}

bool TDatosRegistroZOV::ReadFromXMLFile(const QString &argFile)
{
    if (!ReadXMLFile(argFile))
        return false;
    ParserXmlToZOV();
    return true;
}

int TDatosRegistroZOV::LoadDataMembers(const QString &argFile, const QString &argPass)
{
    if (!_objXML)
        return 0;
    if (ReadDataFile(argFile, argPass))
        ParserXmlToMiembros(true);
    return int(ZOV.Miembros.size()) - 1;
}
