// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The application-data object: one application held in records (the single
// source of truth), plus the XML document used to convert them to and from files.
// Every operation reports failure by throwing EZOVError (or passing on an
// error of a lower layer where noted); none shows anything but status messages.

#include "XmlDocument.h"
#include "ZovError.h"
#include "ZovRecords.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// The pass phrase of the data files in the data folder.
inline const QString kDataFilePassPhrase = QStringLiteral("QKW:Carpetado-Formularios_Paquetes");
// Data files and XML files larger than this are not read.
inline constexpr qint64 kMaxDataFileSize = qint64(64) * 1024 * 1024;
// The extension of the data files.
inline const QString kDataFileExtension = QStringLiteral(".ZOV");

class TDatosRegistroZOV
{
public:
    TDatosRegistroZOV();
    ~TDatosRegistroZOV();
    TDatosRegistroZOV(const TDatosRegistroZOV &) = delete;
    TDatosRegistroZOV &operator=(const TDatosRegistroZOV &) = delete;

    TDatosZOV ZOV;

    // Resets the application to an empty one; a fixed list of fields stays.
    void ClearZOV();
    // A new control identifier: 32 upper-case hexadecimal digits.
    void GenerateControlID();
    static QString getVersion() { return QStringLiteral("1.2.12"); }

    // --- Writing the XML document --------------------------------------------
    // Rebuilds the document from the records; "Error: 4078. ..." on failure.
    void ParserZOVToXml();
    static void XMLAddStrChild(TXmlNode nodoPadre, const char *argClave, const QString &argValor);

    // --- Reading the XML document --------------------------------------------
    // Fills the records from the loaded document; 5403, 5404 or 5405 when one of
    // the three parts is missing (the records then keep what was read so far).
    void ParserXmlToZOV();
    void ParserXmlToSolicitud();
    void ParserXmlToSolicitante();
    void ParserXmlToMiembros(bool argAdd);

    static QString ReadXMLStringDef(TXmlNode argNodo, const QString &argDefecto);
    static qint32 ReadXMLIntDef(TXmlNode argNodo, qint32 argDefecto);
    static Currency ReadXMLCurrDef(TXmlNode argNodo, Currency argDefecto);
    static bool ReadXMLBoolDef(TXmlNode argNodo, bool argDefecto);

    static void ParseXmlToEntidad(TXmlNode argXmlNode, TEntidad &argDatos);
    static void ParseXmlToDireccion(TXmlNode argXmlNode, TDireccion &argDatos);
    static void ParseXmlToNaturalezaJuridica(TXmlNode argXmlNode, TNaturalezaJuridica &argDatos);
    static void ParseXmlToPersona(TXmlNode argXmlNode, TPersona &argDatos);
    static void ParseXmlToRepresentante(TXmlNode argXmlNode, TRepresentante &argDatos);
    static void ParseXmlToDocumentosSolicitud(TXmlNode argXmlNode, TDocumentosSolicitud &argDatos);
    static void ParseXmlToActividad(TXmlNode argXmlNode, TActividad &argDatos);
    static void ParseXmlToMasaCritica(TXmlNode argXmlNode, TMasaCritica &argDatos);
    static void ParseXmlToComposicionSocios(TXmlNode argXmlNode, TComposicionSocios &argDatos);
    static void ParseXmlToResumenPatrimonio(TXmlNode argXmlNode, TResumenPatrimonio &argDatos);
    static void ParseXmlToDesglosePersonal(TXmlNode argXmlNode, TDesglosePersonal &argDatos);
    static void ParseXmlToDesgloseInversiones(TXmlNode argXmlNode, TDesgloseInversiones &argDatos);
    static void ParseXmlToDesgloseGastos(TXmlNode argXmlNode, TDesgloseGastos &argDatos);
    static void ParseXmlToProductosLineas(TXmlNode argXmlNode, TProductosLineas &argDatos);
    static void ParseXmlToObservaciones(TXmlNode argXmlNode, QString &argDatos);

    // --- Data files ------------------------------------------------------------
    // Writes the records to argFile, enciphered under argPass or plain when it is
    // empty; the previous file stays unchanged on any failure. True after an
    // enciphered write. Errors: 4078 and 4099 (nothing written); plain: the file
    // system's EFileError when the file cannot be created, 4093 when writing it
    // fails; enciphered: 4097.
    bool SaveToFile(const QString &argFile, const QString &argPass);
    // Deciphers the data file into the document; "Error: 5001. ..." on failure,
    // the document then new and empty, the records untouched, and argFile +
    // ".err" holding the deciphered bytes when the file could be read. False
    // (nothing read) only without a document.
    bool ReadDataFile(const QString &argFile, const QString &argPass);
    // ReadDataFile, then ParserXmlToZOV (whose errors pass through).
    bool ReadFromFile(const QString &argFile, const QString &argPass);
    // Loads a plain XML file into the document; 5001 on failure as ReadDataFile,
    // without a diagnostic file.
    bool ReadXMLFile(const QString &argFile);
    // ReadXMLFile, then ParserXmlToZOV.
    bool ReadFromXMLFile(const QString &argFile);
    // Appends the members of another data file; the index of the last member
    // (member count - 1), or 0 without a document. Errors pass through.
    int LoadDataMembers(const QString &argFile, const QString &argPass);

    // The in-memory part of ReadDataFile and ReadXMLFile: the bytes a file holds.
    bool ReadDataBytes(const QByteArray &fileBytes, const QString &argPass);
    bool ReadXMLBytes(const QByteArray &xml);

    // --- Submission package ----------------------------------------------------
    // Writes the ZIP package to argFile: the XML entry, then the PDF entry when
    // tsPDFMem is given. Any failure is "Error: 4096. ..." wrapping the cause; the
    // previous file then stays unchanged. Control is used as it is.
    bool SaveToZip(const QString &argFile, const QByteArray *tsPDFMem);
    // The name with "Á", "É", "Í", "Ó", "Ú" replaced by "A", "E", "I", "O", "U".
    static QString EncodingFileName(const QString &filename);

    // The document serialised as a file holds it (declaration included).
    QByteArray SerializedXml() const;
    const TXmlDocument &Document() const { return *_objXML; }
    TXmlDocument &Document() { return *_objXML; }

private:
    // Builds and serialises the document and checks that it parses again; the
    // re-parse failure is reparseMessage wrapping the cause.
    QByteArray BuildCheckedXml(const QString &reparseMessage);
    // Runs load; on any failure the document becomes new and empty and 5001 is raised.
    template <class F> void LoadOrReset(F &&load);

    std::unique_ptr<TXmlDocument> _objXML;
};
