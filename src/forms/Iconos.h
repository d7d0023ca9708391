// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The program's pictures: SVG resources (the toolbar icons and our logos)
// rendered with Qt Svg, so they stay sharp at any size and need no icon plugin.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The colour of the icons' strokes.
inline const QColor kColorIconos = QColor(0x1f, 0x4e, 0x79);

// The icon ":/icons/<name>.svg", drawn in the colour, with a grey picture for
// the disabled state. A missing resource gives an empty icon.
QIcon IconoSvg(const QString &name, const QColor &color = kColorIconos);

// A resource picture (e.g. ":/logos/telvo.svg") drawn to fit the height,
// keeping its proportions; ratio is the screen's device pixel ratio.
QPixmap ImagenSvg(const QString &resource, int height, qreal ratio = 1.0);
