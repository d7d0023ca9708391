// SPDX-License-Identifier: EUPL-1.2
#include "UParticipantes.h"

#include "Iconos.h"
#include "Prompts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using TCampo = TCampoTexto<TDatosMiembro>;

const TCampo kIdentificacion[] = {
    {"txtRazonSocial", "RAZÓN SOCIAL", 0, true, TAlignEdit::eaLeft,
     [](TDatosMiembro &m) -> QString & { return m.Miembro.RazonSocial; },
     "La razón social del miembro es un dato requerido.", NoVacio},
    {"txtCIF", "NIF", 10, true, TAlignEdit::eaLeft, [](TDatosMiembro &m) -> QString & { return m.Miembro.CIF; },
     "El NIF del miembro no es correcto.", VacioOCIF},
};

constexpr int kProductosPorMiembro = 3;

QToolButton *BotonNavegador(const char *name, const char *icon, const char *text, const char *tooltip, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(QString::fromUtf8(text));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(IconoSvg(QString::fromLatin1(icon)));
    b->setIconSize(QSize(24, 24));
    b->setToolTip(QString::fromUtf8(tooltip));
    b->setAutoRaise(true);
    return b;
}

QString NombreEnLista(const TDatosMiembro &m, int numero)
{
    const QString nombre = m.Miembro.RazonSocial.trimmed();
    return QStringLiteral("%1. %2").arg(numero).arg(nombre.isEmpty() ? QStringLiteral("(sin nombre)") : nombre);
}

} // namespace

TFMiembros::TFMiembros(TPrompts &prompts, QWidget *parent)
    : TPaginaBase(QStringLiteral("Cuestionario de Miembros de la ZOV"),
                  QStringLiteral("CUESTIONARIO DE DATOS DE LOS MIEMBROS (UNO POR CADA MIEMBRO)  DE LA ENTIDAD "
                                 "SOLICITANTE"),
                  parent),
      _prompts(prompts),
      _identificacion(kIdentificacion, QStringLiteral("1.1. IDENTIFICACIÓN DE LA ENTIDAD SOLICITANTE"), this,
                      [this] { MiembroEditado(); }),
      _lista(new QListWidget(this)),
      _sbAdd(BotonNavegador("sbAdd", "user-plus", "Añadir", "Alta de nueva entidad miembro", this)),
      _sbRemove(
          BotonNavegador("sbRemove", "user-minus", "Borrar", "Borrar la entidad actual de la lista de miembros.", this))
{
    setObjectName(QStringLiteral("FMiembros"));
    _lista->setObjectName(QStringLiteral("lstMiembros"));
    _lista->setMaximumWidth(320);
    _lista->setMinimumHeight(160);

    auto *navegador = new QWidget(this);
    navegador->setObjectName(QStringLiteral("pnlNavigator"));
    auto *botones = new QHBoxLayout(navegador);
    botones->setContentsMargins(0, 0, 0, 0);
    botones->addWidget(_sbAdd);
    botones->addWidget(_sbRemove);
    botones->addStretch();

    auto *izquierda = new QVBoxLayout;
    izquierda->addWidget(_lista);
    izquierda->addWidget(navegador);
    auto *fila = new QHBoxLayout;
    fila->addLayout(izquierda);
    fila->addWidget(_identificacion.Grupo(), 1, Qt::AlignTop);
    Contenido()->addLayout(fila);
    Contenido()->addStretch();

    connect(_sbAdd, &QToolButton::clicked, this, &TFMiembros::sbAddClick);
    connect(_sbRemove, &QToolButton::clicked, this, &TFMiembros::sbRemoveClick);
    connect(_lista, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != _index && IndiceValido(row))
            SetIndice(row);
    });
    UpdateViewControls();
}

void TFMiembros::SetZOV(TDatosRegistroZOV *zov)
{
    if (zov == Datos())
        return;
    SetDatos(zov);
    _miembros.clear();
    ReloadZOV();
}

TDatosRegistroZOV *TFMiembros::GetZOV()
{
    if (!Datos())
        return nullptr;
    RefreshData();
    Datos()->ZOV.Miembros = _miembros;
    return Datos();
}

void TFMiembros::RefreshData()
{
    if (Datos() && IndiceValido(_index))
        _identificacion.Copiar(_miembros[_index]);
}

void TFMiembros::ReloadZOV()
{
    _miembros = Datos() ? Datos()->ZOV.Miembros : TDatosMiembros();
    // The position shown before stays when the new list is long enough.
    if (!IndiceValido(_index))
        _index = _miembros.isEmpty() ? -1 : 0;
    MostrarNombres();
    UpdateViewControls();
    setEnabled(Datos() != nullptr);
}

void TFMiembros::RefreshView()
{
    if (IndiceValido(_index))
        _identificacion.Mostrar(_miembros[_index]);
    else
        _identificacion.Vaciar();
    _identificacion.Grupo()->setEnabled(IndiceValido(_index));
    setEnabled(Datos() != nullptr);
}

void TFMiembros::UpdateViewControls()
{
    _sbAdd->setEnabled(true);
    _sbRemove->setEnabled(IndiceValido(_index));
    _lista->setCurrentRow(_index);
    RefreshView();
}

void TFMiembros::MostrarNombres()
{
    const QSignalBlocker sinSenales(_lista);
    _lista->clear();
    for (int i = 0; i < _miembros.size(); ++i)
        _lista->addItem(NombreEnLista(_miembros[i], i + 1));
}

void TFMiembros::SetIndice(int i)
{
    RefreshData();
    _index = i;
    MostrarNombres();
    UpdateViewControls();
}

void TFMiembros::MiembroEditado()
{
    SetModified(true);
    // The list follows the name as it is typed.
    RefreshData();
    if (QListWidgetItem *item = _lista->item(_index))
        item->setText(NombreEnLista(_miembros[_index], _index + 1));
}

void TFMiembros::sbAddClick()
{
    TDatosMiembro nuevo;
    nuevo.ProductosLineas.resize(kProductosPorMiembro);
    RefreshData();
    _miembros.append(nuevo);
    SetIndice(_miembros.size() - 1);
    SetModified(true);
    _identificacion.Box(0)->setFocus();
}

void TFMiembros::sbRemoveClick()
{
    if (!IndiceValido(_index))
        return;
    if (_prompts.Message(TMsgKind::Confirmation, TMsgButtons::YesNo,
                         QStringLiteral("Esta acción borrará los datos de este miembro.\n\r¿Confirma la orden?")) !=
        TMsgResult::Yes)
        return;
    // The member's unsaved edits go with it: nothing is written back.
    _miembros.removeAt(_index);
    if (!IndiceValido(_index))
        _index = _miembros.isEmpty() ? -1 : 0;
    SetModified(true);
    MostrarNombres();
    UpdateViewControls();
}

QWidget *TFMiembros::ValidateView()
{
    SetMsgError({});
    if (!Datos())
        return nullptr;
    AlOcultar();
    for (int i = 0; i < _miembros.size(); ++i) {
        SetIndice(i);
        if (QWidget *campo = _identificacion.Validar())
            return campo;
    }
    return nullptr;
}

QString TFMiembros::FieldMessage(const QWidget *field) const
{
    return _identificacion.Mensaje(field);
}
