// SPDX-License-Identifier: EUPL-1.2
#include "USolicitante.h"

#include <QVBoxLayout>

namespace {

using TCampo = TCampoTexto<TDatosZOV>;

const TCampo kIdentificacion[] = {
    {"txtRazonSocial", "RAZÓN SOCIAL", 0, true, TAlignEdit::eaLeft,
     [](TDatosZOV &z) -> QString & { return z.Solicitante.Entidad.RazonSocial; },
     "Debe introducir la razón social de la entidad solicitante.", NoVacio},
    {"txtCIF", "NIF", 10, true, TAlignEdit::eaLeft, [](TDatosZOV &z) -> QString & { return z.Solicitante.Entidad.CIF; },
     "", VacioOCIF},
};

} // namespace

TFSolicitante::TFSolicitante(QWidget *parent)
    : TPaginaBase(QStringLiteral("Cuestionario de Datos de la Entidad Solicitante"),
                  QStringLiteral("CUESTIONARIO DE DATOS DE LA ENTIDAD SOLICITANTE"), parent),
      _identificacion(kIdentificacion, QStringLiteral("1.1 IDENTIFICACIÓN DE LA ENTIDAD SOLICITANTE"), this,
                      [this] { SetModified(true); })
{
    setObjectName(QStringLiteral("FSolicitante"));
    Contenido()->addWidget(_identificacion.Grupo());
    Contenido()->addStretch();
}

TDatosRegistroZOV *TFSolicitante::GetZOV()
{
    if (Datos())
        _identificacion.Copiar(Datos()->ZOV);
    return Datos();
}

void TFSolicitante::RefreshView()
{
    if (Datos())
        _identificacion.Mostrar(Datos()->ZOV);
    setEnabled(Datos() != nullptr);
    SetModified(false);
}

QWidget *TFSolicitante::ValidateView()
{
    SetMsgError({});
    GetZOV();
    TAlignEdit *campo = _identificacion.Validar();
    if (campo)
        SetMsgError(_identificacion.Mensaje(campo));
    return campo;
}
