// SPDX-License-Identifier: EUPL-1.2
#include "USolicitud.h"

#include "Cp1252.h"

#include <QVBoxLayout>

namespace {

using TCampo = TCampoTexto<TDatosZOV>;

const TCampo kEntidad[] = {
    {"txtRazonSocial", "RAZÓN SOCIAL", 0, true, TAlignEdit::eaLeft,
     [](TDatosZOV &z) -> QString & { return z.Solicitud.Entidad.RazonSocial; },
     "No se ha introducido la Razón Social en la solicitud.", NoVacio},
    {"txtCIF", "NIF", 10, true, TAlignEdit::eaLeft, [](TDatosZOV &z) -> QString & { return z.Solicitud.Entidad.CIF; },
     "Se debe intorducir un CIF válido.", VacioOCIF},
};

} // namespace

TFSolicitud::TFSolicitud(QWidget *parent)
    : TPaginaBase(QStringLiteral("Solicitud de Registro ZOV"),
                  QStringLiteral("SOLICITUD DE INSCRIPCIÓN EN EL REGISTRO DE ZOV (ZOV)"), parent),
      _entidad(kEntidad, QStringLiteral("DATOS DE LA ENTIDAD SOLICITANTE"), this, [this] { SetModified(true); }),
      _txtTipo(new TAlignEdit(_entidad.Grupo()))
{
    setObjectName(QStringLiteral("FSolicitud"));
    _txtTipo->setObjectName(QStringLiteral("txtTipo"));
    _txtTipo->setReadOnly(true);
    _txtTipo->setFocusPolicy(Qt::NoFocus);
    static_cast<QFormLayout *>(_entidad.Grupo()->layout())->addRow(QStringLiteral("TIPO DE SOLICITUD"), _txtTipo);
    Contenido()->addWidget(_entidad.Grupo());
    Contenido()->addStretch();
}

TDatosRegistroZOV *TFSolicitud::GetZOV()
{
    if (Datos())
        _entidad.Copiar(Datos()->ZOV);
    return Datos();
}

void TFSolicitud::RefreshView()
{
    if (Datos()) {
        _entidad.Mostrar(Datos()->ZOV);
        _txtTipo->setText(Datos()->ZOV.Solicitud.Tipo);
    }
    setEnabled(Datos() != nullptr);
    SetModified(false);
}

QWidget *TFSolicitud::ValidateView()
{
    SetMsgError({});
    GetZOV();
    TAlignEdit *razonSocial = _entidad.Box(0);
    razonSocial->setText(Cp1252::Trim(razonSocial->text()));
    return _entidad.Validar();
}

QString TFSolicitud::FieldMessage(const QWidget *field) const
{
    return _entidad.Mensaje(field);
}
