#include "paletteicon.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>

namespace quorvex {
namespace {

QByteArray coloured(const QString &name, QIcon::Mode mode) {
  QFile file(QStringLiteral(":/icons/%1.svg").arg(name));
  if (!file.open(QIODevice::ReadOnly))
    return {};
  const QPalette palette = QApplication::palette();
  const QPalette::ColorGroup group =
      mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
  QByteArray svg = file.readAll();
  svg.replace("currentColor",
              palette.color(group, QPalette::WindowText).name().toLatin1());
  // A disabled picture loses its accent so that it reads as disabled.
  const QPalette::ColorRole accent =
      mode == QIcon::Disabled ? QPalette::WindowText : QPalette::Highlight;
  svg.replace("accentColor", palette.color(group, accent).name().toLatin1());
  return svg;
}

void render(const QString &name, QIcon::Mode mode, QPainter *painter,
            const QRectF &rect) {
  QSvgRenderer renderer(coloured(name, mode));
  renderer.setAspectRatioMode(Qt::KeepAspectRatio);
  renderer.render(painter, rect);
}

class PaletteIconEngine final : public QIconEngine {
public:
  explicit PaletteIconEngine(QString name) : name_(std::move(name)) {}

  void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
             QIcon::State) override {
    render(name_, mode, painter, rect);
  }
  QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State,
                       qreal scale) override {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      render(name_, mode, &painter, QRectF(QPointF(0, 0), size * scale));
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }
  QIconEngine *clone() const override { return new PaletteIconEngine(name_); }
  QString key() const override { return QStringLiteral("quorvex-palette"); }

private:
  QString name_;
};

} // namespace

QIcon paletteIcon(const QString &name) {
  // QIcon takes ownership of its engine.
  return QIcon(new PaletteIconEngine(name));
}

QPixmap palettePixmap(const QString &name, QSize size, qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.fill(Qt::transparent);
  {
    QPainter painter(&pixmap);
    render(name, QIcon::Normal, &painter, QRectF(QPointF(0, 0), size * devicePixelRatio));
  }
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

} // namespace quorvex
