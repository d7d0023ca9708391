// SPDX-License-Identifier: EUPL-1.2
#include "UGestionSolicitudes.h"

#include "Cp1252.h"
#include "FicherosDatos.h"
#include "Iconos.h"
#include "Prompts.h"
#include "UAuxiliar.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *BotonLateral(const char *name, const char *icon, const char *tooltip, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(IconoSvg(QString::fromLatin1(icon)));
    b->setIconSize(QSize(32, 32));
    b->setToolTip(QString::fromUtf8(tooltip));
    b->setAutoRaise(true);
    return b;
}

bool CaracterAdmitido(char32_t c)
{
    static const QString kMayusculasAcentuadas = QStringLiteral("ÁÇÉÍÑÓÚÜ");
    return c == U' ' || c == U'&' || (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') ||
           (c <= 0xFFFF && kMayusculasAcentuadas.contains(QChar(char16_t(c))));
}

} // namespace

TFSolicitudes::TFSolicitudes(TPrompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), _prompts(prompts)
{
    setObjectName(QStringLiteral("FSolicitudes"));
    setWindowTitle(QStringLiteral("Lista de solicitudes"));
    setModal(true);
    resize(520, 380);
    // Without a title bar the window draws its own frame.
    setStyleSheet(QStringLiteral("#FSolicitudes { background: #f7f9fb; border: 1px solid #1f4e79; }"
                                 "#pnlTitulo { background: #1f4e79; }"
                                 "#lblTitulo { color: white; font-weight: bold; letter-spacing: 1px; }"
                                 "#sbSalir { color: white; font-weight: bold; border: none; padding: 2px 8px; }"
                                 "#sbSalir:hover { background: #c0392b; }"
                                 "#sgSolicitudes::item { padding: 4px 6px; }"
                                 "#lblVacia { color: #5a6b7d; }"));

    auto *banda = new QFrame(this);
    banda->setObjectName(QStringLiteral("pnlTitulo"));
    auto *titulo = new QLabel(QStringLiteral("LISTA DE SOLICITUDES"), banda);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    sbSalir = new QToolButton(banda);
    sbSalir->setObjectName(QStringLiteral("sbSalir"));
    sbSalir->setText(QStringLiteral("X"));
    sbSalir->setToolTip(QStringLiteral("Cerrar"));
    auto *bandaLayout = new QHBoxLayout(banda);
    bandaLayout->setContentsMargins(12, 6, 6, 6);
    bandaLayout->addWidget(titulo);
    bandaLayout->addStretch();
    bandaLayout->addWidget(sbSalir);

    sgSolicitudes = new QListWidget(this);
    sgSolicitudes->setObjectName(QStringLiteral("sgSolicitudes"));
    sgSolicitudes->setSelectionMode(QAbstractItemView::SingleSelection);
    // Said over the empty list, so that a new user knows where to start.
    lblVacia = new QLabel(QStringLiteral("No hay solicitudes guardadas.\nPulse el botón «Nueva solicitud» para "
                                         "empezar una."),
                          sgSolicitudes);
    lblVacia->setObjectName(QStringLiteral("lblVacia"));
    lblVacia->setAlignment(Qt::AlignCenter);
    lblVacia->setWordWrap(true);
    lblVacia->setAttribute(Qt::WA_TransparentForMouseEvents);
    sgSolicitudes->viewport()->installEventFilter(this);
    sbCrear = BotonLateral("sbCrear", "file-plus", "Nueva solicitud", this);
    sbAbrir = BotonLateral("sbAbrir", "folder-open", "Editar solicitud", this);
    sbBorrar = BotonLateral("sbBorrar", "trash-2", "Eliminar solicitud", this);
    auto *columnaBotones = new QVBoxLayout;
    for (QToolButton *b : {sbCrear, sbAbrir, sbBorrar})
        columnaBotones->addWidget(b);
    columnaBotones->addStretch();

    auto *cuerpo = new QHBoxLayout;
    cuerpo->setContentsMargins(12, 12, 12, 12);
    cuerpo->addWidget(sgSolicitudes, 1);
    cuerpo->addLayout(columnaBotones);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(banda);
    layout->addLayout(cuerpo, 1);

    // Commands of the window run guarded, like the main window's.
    const auto guardado = [this](void (TFSolicitudes::*handler)()) {
        return [this, handler] { RunGuarded(_prompts, [&] { (this->*handler)(); }); };
    };
    connect(sbCrear, &QToolButton::clicked, this, guardado(&TFSolicitudes::sbCrearClick));
    connect(sbAbrir, &QToolButton::clicked, this, guardado(&TFSolicitudes::sbAbrirClick));
    connect(sbBorrar, &QToolButton::clicked, this, guardado(&TFSolicitudes::sbBorrarClick));
    connect(sbSalir, &QToolButton::clicked, this, guardado(&TFSolicitudes::sbSalirClick));
    connect(sgSolicitudes, &QListWidget::itemSelectionChanged, this, &TFSolicitudes::RefreshButtonsState);
    connect(sgSolicitudes, &QListWidget::itemDoubleClicked, this, guardado(&TFSolicitudes::sbAbrirClick));
    // Enter on a name opens it, as a double click does.
    for (const Qt::Key tecla : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *atajo = new QShortcut(QKeySequence(tecla), sgSolicitudes, nullptr, nullptr, Qt::WidgetShortcut);
        connect(atajo, &QShortcut::activated, this, guardado(&TFSolicitudes::sbAbrirClick));
    }
    RefreshView();
}

QString TFSolicitudes::Solicitante() const
{
    const QList<QListWidgetItem *> elegidos = sgSolicitudes->selectedItems();
    return elegidos.isEmpty() ? QString() : elegidos.constFirst()->text();
}

void TFSolicitudes::showEvent(QShowEvent *event)
{
    // The folder may have changed since the last showing.
    RefreshView();
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    sgSolicitudes->setFocus();
    QDialog::showEvent(event);
}

void TFSolicitudes::RefreshView()
{
    sgSolicitudes->clear();
    QStringList nombres;
    FindFilesNames(GetDataPath(), QStringLiteral("*.zov"), false, nombres);
    sgSolicitudes->addItems(nombres);
    if (sgSolicitudes->count() > 0)
        sgSolicitudes->setCurrentRow(0);
    RefreshButtonsState();
}

bool TFSolicitudes::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == sgSolicitudes->viewport() && event->type() == QEvent::Resize)
        lblVacia->setGeometry(sgSolicitudes->viewport()->geometry().adjusted(12, 0, -12, 0));
    return QDialog::eventFilter(watched, event);
}

void TFSolicitudes::RefreshButtonsState()
{
    lblVacia->setVisible(sgSolicitudes->count() == 0);
    const bool elegido = !sgSolicitudes->selectedItems().isEmpty();
    sbCrear->setEnabled(true);
    sbAbrir->setEnabled(elegido);
    sbBorrar->setEnabled(elegido);
}

void TFSolicitudes::sbAbrirClick()
{
    done(Solicitante().isEmpty() ? QDialog::Rejected : QDialog::Accepted);
}

void TFSolicitudes::sbSalirClick()
{
    reject();
}

QString TFSolicitudes::NombreNormalizado(const QString &typed)
{
    QString nombre;
    for (const char32_t c : Cp1252::UpperAscii(typed).toUcs4())
        nombre += CaracterAdmitido(c) ? QChar(char16_t(c)) : QChar(u' ');
    return nombre;
}

bool TFSolicitudes::Existe(const QString &nombre) const
{
    for (int i = 0; i < sgSolicitudes->count(); ++i) {
        if (sgSolicitudes->item(i)->text().compare(nombre, Qt::CaseInsensitive) == 0)
            return true;
    }
    // A file written since the list was read counts too.
    return FicheroDatosExistente(nombre).has_value();
}

void TFSolicitudes::sbCrearClick()
{
    const QString nombre = NombreNormalizado(
        _prompts.InputText(QStringLiteral("Nueva solicitud"), QStringLiteral("Razón Social del solicitante"), QString())
            .value_or(QString()));
    if (nombre.isEmpty())
        return;
    if (Existe(nombre)) {
        MsgWarning(_prompts, QStringLiteral("Ya existe una solicitud de inscripción para esa ZOV."));
        return;
    }
    sgSolicitudes->addItem(nombre);
    sgSolicitudes->setCurrentRow(sgSolicitudes->count() - 1);
    sbAbrirClick();
}

void TFSolicitudes::sbBorrarClick()
{
    if (Solicitante().isEmpty())
        return;
    if (!MsgConfirm(_prompts, QStringLiteral("Esta acción borrará definitivamente todos los datos de la solicitud de "
                                             "inscripción. ¿Desea continuar?")))
        return;
    // A file that cannot be deleted stays listed; nothing is said.
    if (const std::optional<QString> fichero = FicheroDatosExistente(Solicitante()))
        QFile::remove(*fichero);
    RefreshView();
}
