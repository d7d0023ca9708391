// SPDX-License-Identifier: EUPL-1.2
#include "Iconos.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// Resources compiled into a static library must be registered by hand.
static void RegistrarRecursos()
{
    static const bool registrados = [] {
        Q_INIT_RESOURCE(telvo);
        return true;
    }();
    (void)registrados;
}

namespace {

QByteArray LeerRecurso(const QString &resource)
{
    RegistrarRecursos();
    QFile fichero(resource);
    return fichero.open(QIODevice::ReadOnly) ? fichero.readAll() : QByteArray();
}

QPixmap Pintar(const QByteArray &svg, QSize size, qreal ratio)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

// The icon set draws with "currentColor"; it becomes a colour of ours.
QByteArray Coloreado(const QByteArray &svg, const QColor &color)
{
    QByteArray result = svg;
    return result.replace("currentColor", color.name().toLatin1());
}

} // namespace

QIcon IconoSvg(const QString &name, const QColor &color)
{
    const QByteArray svg = LeerRecurso(QStringLiteral(":/icons/%1.svg").arg(name));
    if (svg.isEmpty())
        return {};
    static constexpr int kSizes[] = {16, 24, 32, 48};
    QIcon icon;
    for (const int side : kSizes) {
        const QSize size(side, side);
        icon.addPixmap(Pintar(Coloreado(svg, color), size, 1.0), QIcon::Normal);
        icon.addPixmap(Pintar(Coloreado(svg, QColor(0xa9, 0xb1, 0xbb)), size, 1.0), QIcon::Disabled);
    }
    return icon;
}

QPixmap ImagenSvg(const QString &resource, int height, qreal ratio)
{
    const QByteArray svg = LeerRecurso(resource);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    const QSize natural = renderer.defaultSize();
    const int width = natural.height() > 0 ? natural.width() * height / natural.height() : height;
    return Pintar(svg, QSize(width, height), ratio);
}
