// SPDX-License-Identifier: EUPL-1.2
#include "FicherosDatos.h"

#include "UAuxiliar.h"
#include "UDatos.h"

#include <QDir>

std::optional<QString> FicheroDatosExistente(const QString &nombre)
{
    const QString buscado = nombre + kDataFileExtension;
    const QStringList ficheros = QDir(GetDataPath()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    if (ficheros.contains(buscado))
        return GetDataPath() + buscado;
    for (const QString &fichero : ficheros) {
        if (fichero.compare(buscado, Qt::CaseInsensitive) == 0)
            return GetDataPath() + fichero;
    }
    return std::nullopt;
}

QString RutaFicheroDatos(const QString &nombre)
{
    return FicheroDatosExistente(nombre).value_or(GetDataPath() + nombre + kDataFileExtension);
}

bool EsNombreFicheroValido(const QString &nombre)
{
    if (nombre.trimmed().isEmpty() || nombre == u"." || nombre == u"..")
        return false;
    for (const QChar c : nombre) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}
