// SPDX-License-Identifier: EUPL-1.2
#include "Splash.h"

#include "Iconos.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QSize kTamano(460, 260);

QLabel *Etiqueta(const QString &text, const QString &style, QWidget *parent, const char *name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(style);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TFSplash::TFSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FSplash"));
    setFixedSize(kTamano);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlSplash"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setStyleSheet(QStringLiteral("#pnlSplash { background: white; }"));

    auto *imgFondo = new QLabel(panel);
    imgFondo->setObjectName(QStringLiteral("imgFondo"));
    imgFondo->setAlignment(Qt::AlignCenter);
    imgFondo->setPixmap(ImagenSvg(QStringLiteral(":/logos/telvo.svg"), 72, devicePixelRatioF()));

    // The title over a grey shadow copy of itself, slightly offset.
    auto *titulo = new QWidget(panel);
    titulo->setFixedHeight(34);
    const QString estilo = QStringLiteral("font-size: 15pt; font-weight: bold; color: %1;");
    auto *sombra = Etiqueta(QStringLiteral("Cargando módulos..."), estilo.arg(QStringLiteral("#b8c0c8")), titulo,
                            "lblSombraTitulo");
    auto *lblTitulo =
        Etiqueta(QStringLiteral("Cargando módulos..."), estilo.arg(QStringLiteral("#1f4e79")), titulo, "lblTitulo");
    sombra->setGeometry(2, 2, kTamano.width() - 40, 32);
    lblTitulo->setGeometry(0, 0, kTamano.width() - 40, 32);

    auto *cargando = Etiqueta(QString(), QString(), panel, "LBLCargando");
    PBSplash = new QProgressBar(panel);
    PBSplash->setObjectName(QStringLiteral("PBSplash"));
    PBSplash->setRange(0, 10);
    PBSplash->setValue(1);
    PBSplash->setTextVisible(false);
    PBSplash->setFixedHeight(14);

    auto *columna = new QVBoxLayout(panel);
    columna->setContentsMargins(18, 18, 18, 18);
    columna->addWidget(imgFondo, 1);
    columna->addWidget(titulo);
    columna->addWidget(cargando);
    columna->addWidget(PBSplash);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);

    tmrSplash = new QTimer(this);
    tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    tmrSplash->setInterval(500);
    connect(tmrSplash, &QTimer::timeout, this, &TFSplash::tmrSplashTimer);

    const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
    move(pantalla.center() - rect().center());
}

void TFSplash::SetProgreso(int position)
{
    PBSplash->setValue(position);
    // Windows are created without the event loop running: paint now.
    PBSplash->repaint();
}

int TFSplash::Progreso() const
{
    return PBSplash->value();
}

void TFSplash::tmrSplashTimer()
{
    if (PBSplash->value() != PBSplash->maximum())
        return;
    tmrSplash->stop();
    close();
}
