#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures are SVG drawings whose colours are the words
// "currentColor" and "accentColor". They are rendered on demand with the
// current palette's text and highlight colours, so they stay legible in dark
// themes and sharp at any scale factor.

namespace quorvex {

// An icon for ":/icons/<name>.svg".
QIcon paletteIcon(const QString &name);

// A picture of the given logical size for ":/icons/<name>.svg", rendered for
// the device pixel ratio given.
QPixmap palettePixmap(const QString &name, QSize size, qreal devicePixelRatio);

} // namespace quorvex
