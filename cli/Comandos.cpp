// SPDX-License-Identifier: EUPL-1.2
#include "Comandos.h"

#include "UAuxiliar.h"
#include "UDatos.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

QTextStream &Out()
{
    static QTextStream out(stdout);
    return out;
}

QTextStream &Err()
{
    static QTextStream err(stderr);
    return err;
}

// A mistake in the command line; the message says what to type instead.
class EUsageError : public ETextError
{
public:
    using ETextError::ETextError;
};

// The two forms an application is stored in, chosen by the file's extension.
enum class TFormato
{
    FicheroDeDatos,
    Xml
};

TFormato FormatoDe(const QString &fichero)
{
    const QString extension = QFileInfo(fichero).suffix();
    if (extension.compare(kDataFileExtension.mid(1), Qt::CaseInsensitive) == 0)
        return TFormato::FicheroDeDatos;
    if (extension.compare(u"xml", Qt::CaseInsensitive) == 0)
        return TFormato::Xml;
    throw EUsageError(QStringLiteral("«%1» no es un fichero de solicitud: se admiten las extensiones .ZOV (fichero "
                                     "de datos) y .xml (documento XML).")
                          .arg(QDir::toNativeSeparators(fichero)));
}

// Runs action; an error of the data layer gets a first line naming the file.
template <class F> void SobreFichero(const char16_t *que, const QString &fichero, F &&action)
{
    try {
        action();
    } catch (const EUsageError &) {
        throw;
    } catch (const std::exception &e) {
        throw ETextError(QString::fromUtf16(que).arg(QDir::toNativeSeparators(fichero)) + u'\n' + ErrorText(e));
    }
}

void Leer(TDatosRegistroZOV &datos, const QString &fichero)
{
    const TFormato formato = FormatoDe(fichero);
    datos.ClearZOV();
    SobreFichero(u"No se puede leer la solicitud de «%1».", fichero, [&] {
        if (formato == TFormato::FicheroDeDatos)
            datos.ReadFromFile(fichero, kDataFilePassPhrase);
        else
            datos.ReadFromXMLFile(fichero);
    });
}

void Convertir(const QStringList &args)
{
    const QString &entrada = args[0];
    const QString &salida = args[1];
    // Both names are checked before anything is read.
    FormatoDe(entrada);
    const QString clave = FormatoDe(salida) == TFormato::FicheroDeDatos ? kDataFilePassPhrase : QString();
    TDatosRegistroZOV datos;
    Leer(datos, entrada);
    SobreFichero(u"No se puede guardar la solicitud en «%1».", salida, [&] { datos.SaveToFile(salida, clave); });
    Out() << QStringLiteral("Solicitud guardada en «%1».").arg(QDir::toNativeSeparators(salida)) << Qt::endl;
}

void Lista(const QStringList &)
{
    QStringList nombres;
    FindFilesNames(GetDataPath(), u'*' + kDataFileExtension, false, nombres);
    for (const QString &nombre : nombres)
        Out() << nombre << Qt::endl;
}

void Paquete(const QStringList &args)
{
    TDatosRegistroZOV datos;
    Leer(datos, args[0]);
    if (datos.ZOV.Solicitud.Control.isEmpty())
        datos.GenerateControlID();
    SobreFichero(u"No se puede guardar el paquete en «%1».", args[1], [&] { datos.SaveToZip(args[1], nullptr); });
    Out() << QStringLiteral("Paquete guardado en «%1».").arg(QDir::toNativeSeparators(args[1])) << Qt::endl;
}

struct TOrden
{
    const char16_t *nombre;
    const char16_t *argumentos;
    qsizetype cuantos;
    void (*ejecutar)(const QStringList &);
    const char16_t *descripcion;
};

constexpr TOrden kOrdenes[] = {
    {u"convertir", u"ENTRADA SALIDA", 2, Convertir,
     u"Lee una solicitud de un fichero de datos (.ZOV) o de un documento XML (.xml)\n"
     u"      y la guarda como uno u otro, según la extensión de SALIDA."},
    {u"lista", u"", 0, Lista, u"Muestra las solicitudes de la carpeta de datos, una por línea."},
    {u"paquete", u"ENTRADA SALIDA.zip", 2, Paquete,
     u"Genera el paquete de presentación (el documento XML, sin PDF) de la solicitud\n"
     u"      ENTRADA; si no tiene identificador de control, se le asigna uno nuevo."},
};

const QStringList kAyuda = {QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("ayuda")};
const QStringList kDetalle = {QStringLiteral("--detalle"), QStringLiteral("-v")};

void MostrarAyuda()
{
    QTextStream &out = Out();
    out << "Uso: telvo-cli [--detalle] ORDEN [ARGUMENTOS]\n\nÓrdenes:\n";
    for (const TOrden &o : kOrdenes)
        out << "  " << (QString::fromUtf16(o.nombre) + u' ' + QString::fromUtf16(o.argumentos)).trimmed() << "\n      "
            << QString::fromUtf16(o.descripcion) << '\n';
    out << "  ayuda, --help, -h\n      Muestra esta ayuda.\n\n"
        << "Opciones:\n  --detalle, -v\n      Muestra los mensajes de estado en la salida de errores.\n\n"
        << "Carpeta de datos: " << QDir::toNativeSeparators(GetDataPath()) << Qt::endl;
}

const TOrden &BuscarOrden(const QString &nombre)
{
    for (const TOrden &o : kOrdenes)
        if (nombre == QStringView(o.nombre))
            return o;
    throw EUsageError(QStringLiteral("Orden desconocida: «%1».").arg(nombre));
}

// Runs the command after the options were taken out.
void EjecutarOrden(const QStringList &args)
{
    if (args.isEmpty())
        throw EUsageError(QStringLiteral("Falta la orden."));
    if (args[0].startsWith(u'-'))
        throw EUsageError(QStringLiteral("Opción desconocida: «%1».").arg(args[0]));
    const TOrden &orden = BuscarOrden(args[0]);
    const QStringList argumentos = args.mid(1);
    if (argumentos.size() != orden.cuantos)
        throw EUsageError(QStringLiteral("Uso: telvo-cli %1 %2")
                              .arg(QString::fromUtf16(orden.nombre), QString::fromUtf16(orden.argumentos))
                              .trimmed());
    orden.ejecutar(argumentos);
}

// The data layer's messages break lines with CR LF; a terminal wants LF.
QString ParaTerminal(const QString &mensaje)
{
    QString texto = mensaje;
    return texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

int Comandos::Ejecutar(const QStringList &args)
{
    QStringList resto = args;
    if (resto.removeIf([](const QString &a) { return kDetalle.contains(a); }) > 0)
        SetMsgBarSink([](const QString &mensaje) { Err() << mensaje << Qt::endl; });
    if (!resto.isEmpty() && kAyuda.contains(resto[0])) {
        MostrarAyuda();
        return 0;
    }
    try {
        EjecutarOrden(resto);
        return 0;
    } catch (const EUsageError &e) {
        Err() << e.Message() << "\nEscriba «telvo-cli --help» para ver la ayuda." << Qt::endl;
    } catch (const std::exception &e) {
        Err() << ParaTerminal(ErrorText(e)) << Qt::endl;
    }
    return 1;
}
