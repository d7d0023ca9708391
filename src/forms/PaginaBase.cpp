// SPDX-License-Identifier: EUPL-1.2
#include "PaginaBase.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kAnchoContenido = 980;

QLabel *Titulo(const QString &heading)
{
    auto *label = new QLabel(heading);
    label->setObjectName(QStringLiteral("lblTitulo"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #1f4e79; padding: 4px 0 10px 0;"));
    return label;
}

} // namespace

QVBoxLayout *MontarPagina(QWidget *page, const QString &caption, const QString &heading)
{
    page->setWindowTitle(caption);
    page->setAutoFillBackground(true);
    page->setStyleSheet(QStringLiteral("QGroupBox::title { color: #1f4e79; }"));
    auto *scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("scrbFields"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    // The content keeps a readable width and stays centred on wide screens.
    auto *lienzo = new QWidget;
    auto *centrado = new QHBoxLayout(lienzo);
    auto *columna = new QWidget;
    columna->setMaximumWidth(kAnchoContenido);
    auto *contenido = new QVBoxLayout(columna);
    contenido->addWidget(Titulo(heading));
    centrado->addStretch();
    centrado->addWidget(columna, 1);
    centrado->addStretch();
    scroll->setWidget(lienzo);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // Without a data object a page is disabled; it is shown only when hosted.
    page->setEnabled(false);
    page->hide();
    return contenido;
}
