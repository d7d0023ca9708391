// SPDX-License-Identifier: EUPL-1.2
#include "UAcercaDe.h"

#include "Iconos.h"
#include "UDatos.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct TTexto
{
    const char *nombre;
    const char *texto;
    const char *estilo;
    Qt::Alignment alineacion;
};

const TTexto kCabecera[] = {
    {"Label4", "Registro de ZOVs", "font-size: 18pt; font-weight: bold; color: #1f4e79;", Qt::AlignCenter},
    {"Label1", "", "font-weight: bold;", Qt::AlignCenter},
    {"Label2", "(Aplicación del Registro de ZOV)", "font-weight: bold;", Qt::AlignCenter},
    {"Label5",
     "Esta aplicación se ha desarrollado y se distribuye para ayudar a las entidades ZOV a reunir sus datos y a "
     "preparar los impresos de la solicitud de inscripción en el Registro de entidades ZOV, creado por el ministerio "
     "competente mediante la orden que regula dicho registro.",
     "", Qt::AlignJustify},
};

const TTexto kFabricante[] = {
    {"Label6", "Desarrollo y mantenimiento:", "color: #5a6b7d;", Qt::AlignRight},
    {"Label7", "Equipo de desarrollo de TELVO", "font-weight: bold;", Qt::AlignRight},
    {"Label8", "Distribuido con la licencia EUPL 1.2", "color: #5a6b7d;", Qt::AlignRight},
};

const TTexto kCredito = {"Label9",
                         "Los documentos PDF se generan con las bibliotecas Qt, distribuidas con la licencia "
                         "GNU LGPL 3.",
                         "color: gray; font-size: 8pt;", Qt::AlignCenter};

QLabel *Etiqueta(const TTexto &t, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(t.texto), parent);
    label->setObjectName(QString::fromLatin1(t.nombre));
    label->setStyleSheet(QString::fromLatin1(t.estilo));
    label->setAlignment(t.alineacion);
    label->setWordWrap(true);
    return label;
}

QLabel *Imagen(const QString &recurso, int alto, const char *nombre, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(nombre));
    label->setPixmap(ImagenSvg(recurso, alto, parent->devicePixelRatioF()));
    return label;
}

} // namespace

TFAcercaDe::TFAcercaDe(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FAcercaDe"));
    setWindowTitle(QStringLiteral("Acerca de TELVO"));
    setStyleSheet(QStringLiteral("#FAcercaDe { background: white; }"));

    auto *imagenes = new QHBoxLayout;
    imagenes->addWidget(Imagen(QStringLiteral(":/logos/telvo.svg"), 56, "Image1", this));
    imagenes->addStretch();
    imagenes->addWidget(Imagen(QStringLiteral(":/logos/zov.svg"), 56, "Image2", this));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->addLayout(imagenes);
    layout->addSpacing(8);
    for (const TTexto &t : kCabecera)
        layout->addWidget(Etiqueta(t, this));
    findChild<QLabel *>(QStringLiteral("Label1"))
        ->setText(QStringLiteral("TELVO Versión ") + TDatosRegistroZOV::getVersion());

    auto *fabricante = new QVBoxLayout;
    fabricante->setSpacing(0);
    for (const TTexto &t : kFabricante) {
        QLabel *linea = Etiqueta(t, this);
        linea->setWordWrap(false);
        fabricante->addWidget(linea);
    }
    auto *pie = new QHBoxLayout;
    auto *image3 = new QLabel(this);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->setPixmap(IconoSvg(QStringLiteral("landmark")).pixmap(QSize(40, 40), devicePixelRatioF()));
    pie->addWidget(image3, 0, Qt::AlignBottom);
    pie->addStretch();
    pie->addLayout(fabricante);
    layout->addSpacing(8);
    layout->addLayout(pie);

    auto *btnAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    btnAceptar->setObjectName(QStringLiteral("btnAceptar"));
    btnAceptar->setDefault(true);
    connect(btnAceptar, &QPushButton::clicked, this, &QDialog::accept);
    layout->addSpacing(8);
    layout->addWidget(btnAceptar, 0, Qt::AlignCenter);
    layout->addWidget(Etiqueta(kCredito, this));
    constexpr int kAncho = 520;
    setFixedSize(kAncho, layout->hasHeightForWidth() ? layout->totalHeightForWidth(kAncho) : sizeHint().height());
}

void TFAcercaDe::showEvent(QShowEvent *event)
{
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}
