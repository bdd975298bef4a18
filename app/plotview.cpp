#include "plotview.h"

#include "engine/decimalseparator.h"
#include "session/axisticks.h"
#include "session/resultformat.h"

#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRubberBand>
#include <QSvgGenerator>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvex {

namespace {

// Undefined stretches of different errors differ in their hatching: rising,
// falling, both, upright. Drawn as lines, not as a pattern brush, so that
// they keep their spacing at any scale and survive in SVG.
constexpr int hatchKinds = 4;
constexpr double hatchSpacing = 6;
// A single undefined point is shaded this wide, so that it can be seen.
constexpr double minimumBand = 5;
constexpr double wheelStep = 1.2;

QString number(Float value) {
  return QString::fromStdString(formatResult(value, decimalSeparator()));
}

// Between the two numbers of "(x, F)": a comma would be ambiguous where it is
// the decimal separator, so the formula's argument separator stands there.
QString pairSeparator() {
  return decimalSeparator() == ',' ? QStringLiteral("; ") : QStringLiteral(", ");
}

// The text colour faded toward the background by share (of 255), as an
// opaque colour: painting with translucent colours costs the raster engine
// many times more, enough to miss a frame.
QColor textTone(const QPalette &palette, int share) {
  const QColor text = palette.color(QPalette::Text);
  const QColor base = palette.color(QPalette::Base);
  auto mix = [share](int from, int to) { return from + (to - from) * share / 255; };
  return QColor(mix(base.red(), text.red()), mix(base.green(), text.green()),
                mix(base.blue(), text.blue()));
}

void paintHatch(QPainter &painter, const QRectF &area, int error, const QPalette &palette) {
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.setPen(QPen(textTone(palette, 120), 1));
  const int kind = error % hatchKinds;
  const double h = area.height();
  auto lines = [&](bool rising) {
    for (double x = area.left() - h; x < area.right() + hatchSpacing; x += hatchSpacing)
      painter.drawLine(QPointF(x, rising ? area.bottom() : area.top()),
                       QPointF(x + h, rising ? area.top() : area.bottom()));
  };
  if (kind == 0 || kind == 2)
    lines(true);
  if (kind == 1 || kind == 2)
    lines(false);
  if (kind == 3)
    for (double x = area.left() + hatchSpacing / 2; x < area.right(); x += hatchSpacing)
      painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  painter.restore();
}

QColor bandFill(const QPalette &palette) {
  return textTone(palette, 34);
}

constexpr double curveWidth = 1.6;

// Draws the curve curveWidth wide. A wide pen sends every segment through
// the stroker, which for a few thousand segments takes longer than a frame;
// on a pixel device the same line is drawn as one-device-pixel lines side by
// side, which the raster engine draws about ten times faster. Vector output
// (SVG) keeps the one wide line an editor expects.
void drawCurve(QPainter &painter, const QPolygonF &line, const QColor &colour, double ratio) {
  if (painter.paintEngine() == nullptr ||
      painter.paintEngine()->type() != QPaintEngine::Raster) {
    painter.setPen(QPen(colour, curveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
    return;
  }
  QPen thin(colour, 1);
  thin.setCosmetic(true);
  painter.setPen(thin);
  // Offsets of a square as wide as the line, its corners left out from
  // three pixels up: they add no width, only time.
  const long width = std::max(1L, std::lround(curveWidth * ratio));
  for (long i = 0; i < width; ++i)
    for (long j = 0; j < width; ++j) {
      const bool corner = (i == 0 || i == width - 1) && (j == 0 || j == width - 1);
      if (width >= 3 && corner)
        continue;
      const QPointF offset((i - (width - 1) / 2) / ratio, (j - (width - 1) / 2) / ratio);
      painter.translate(offset);
      painter.drawPolyline(line);
      painter.translate(-offset);
    }
}

// One pixel column's stretch of a curve: where it enters and leaves the
// column and its lowest and highest points. Those four, in the order met,
// draw the same pixels as every point of the stretch.
class ColumnStretch {
public:
  explicit ColumnStretch(QPolygonF &line) : line_(line) {}

  void add(QPointF point, long column) {
    if (count_ > 0 && column != column_)
      flush();
    if (count_ == 0) {
      column_ = column;
      enter_ = low_ = high_ = point;
      lowIndex_ = highIndex_ = 0;
    }
    if (point.y() < low_.y()) {
      low_ = point;
      lowIndex_ = count_;
    }
    if (point.y() > high_.y()) {
      high_ = point;
      highIndex_ = count_;
    }
    leave_ = point;
    ++count_;
  }
  void flush() {
    if (count_ == 0)
      return;
    line_.append(enter_);
    const bool lowFirst = lowIndex_ <= highIndex_;
    for (const QPointF &p : {lowFirst ? low_ : high_, lowFirst ? high_ : low_, leave_})
      if (p != line_.back())
        line_.append(p);
    count_ = 0;
  }

private:
  QPolygonF &line_;
  long column_ = 0;
  int count_ = 0, lowIndex_ = 0, highIndex_ = 0;
  QPointF enter_, low_, high_, leave_;
};

} // namespace

// Where the plot area lies inside a painted rectangle, the ticks and their
// labels, and the mapping between values and positions.
struct PlotView::Frame {
  QRectF plot;
  std::vector<Float> xTicks, yTicks;
  QStringList xLabels, yLabels;
  Float x0 = 0, x1 = 1, y0 = 0, y1 = 1;

  // Positions far outside the area are held at a distance that keeps a
  // line's direction while the painter's coordinates stay finite and small.
  double mapX(Float x) const {
    const double p = plot.left() + (x - x0) / (x1 - x0) * plot.width();
    return std::clamp(p, plot.left() - 1e5, plot.right() + 1e5);
  }
  double mapY(Float y) const {
    const double p = plot.bottom() - (y - y0) / (y1 - y0) * plot.height();
    return std::clamp(p, plot.top() - 1e5, plot.bottom() + 1e5);
  }
  Float unmapX(double p) const { return x0 + (p - plot.left()) / plot.width() * (x1 - x0); }
  Float unmapY(double p) const {
    return y0 + (plot.bottom() - p) / plot.height() * (y1 - y0);
  }
};

PlotView::PlotView(QWidget *parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  rubberBand_ = new QRubberBand(QRubberBand::Rectangle, this);
}

PlotView::~PlotView() = default;

QSize PlotView::sizeHint() const { return {640, 400}; }
QSize PlotView::minimumSizeHint() const { return {240, 160}; }

void PlotView::setPlot(PlotSamples samples, const QString &variableName,
                       const QString &curveName, Sampler sampler) {
  sampler_ = std::move(sampler);
  variableName_ = variableName;
  curveName_ = curveName;
  message_.clear();
  hasPlot_ = !samples.points.empty();
  samples_ = std::move(samples);
  runs_ = plotRuns(samples_);
  if (hasPlot_) {
    fullLeft_ = samples_.points.front().x;
    fullRight_ = samples_.points.back().x;
  }
  x0_ = fullLeft_;
  x1_ = fullRight_;
  fitValues();
  setHover(-1);
  update();
}

void PlotView::clearPlot(const QString &message) {
  samples_ = {};
  runs_.clear();
  sampler_ = {};
  hasPlot_ = false;
  message_ = message;
  setHover(-1);
  update();
}

QStringList PlotView::legendEntries() const {
  QStringList entries;
  if (!hasPlot_)
    return entries;
  entries.append(curveName_);
  for (const std::string &error : samples_.errors)
    entries.append(QString::fromStdString(error));
  return entries;
}

void PlotView::fitValues() {
  Float low = 0, high = 0;
  if (!valueRange(samples_, low, high)) {
    low = -1;
    high = 1;
  }
  const Float span = high - low;
  if (!(span > 0) || !std::isfinite(span)) {
    // A constant: a band around it, wide enough to read its ticks.
    const Float half = std::max(1.0, std::fabs(low) / 10);
    y0_ = low - half;
    y1_ = high + half;
    return;
  }
  y0_ = low - span / 20;
  y1_ = high + span / 20;
}

void PlotView::showRange(Float x0, Float x1, Float y0, Float y1) {
  // A range so narrow that its ends are (nearly) the same double, or so
  // wide that its span is no longer finite, cannot be shown.
  auto usable = [](Float a, Float b) {
    const Float span = b - a;
    const Float magnitude = std::max(std::fabs(a), std::fabs(b));
    return std::isfinite(span) && span > 64 * magnitude * std::numeric_limits<Float>::epsilon() &&
           span > 1e-300;
  };
  if (!usable(x0, x1) || !usable(y0, y1))
    return;
  x0_ = x0;
  x1_ = x1;
  y0_ = y0;
  y1_ = y1;
  if (sampler_) {
    samples_ = sampler_(x0, x1);
    runs_ = plotRuns(samples_);
  }
  setHover(-1);
  update();
}

void PlotView::resetZoom() {
  if (!hasPlot_)
    return;
  if (sampler_) {
    samples_ = sampler_(fullLeft_, fullRight_);
    runs_ = plotRuns(samples_);
  }
  x0_ = fullLeft_;
  x1_ = fullRight_;
  fitValues();
  setHover(-1);
  update();
}

void PlotView::zoomAt(double factor, QPointF at) {
  if (!hasPlot_ || !(factor > 0))
    return;
  const Frame frame = frameFor(rect());
  const Float x = frame.unmapX(at.x());
  const Float y = frame.unmapY(at.y());
  showRange(x - (x - x0_) / factor, x + (x1_ - x) / factor, y - (y - y0_) / factor,
            y + (y1_ - y) / factor);
}

void PlotView::zoomTo(const QRectF &rectangle) {
  if (!hasPlot_)
    return;
  const Frame frame = frameFor(rect());
  const QRectF r = rectangle.intersected(frame.plot);
  if (r.width() < 3 || r.height() < 3)
    return;
  showRange(frame.unmapX(r.left()), frame.unmapX(r.right()), frame.unmapY(r.bottom()),
            frame.unmapY(r.top()));
}

QRectF PlotView::plotArea() const { return frameFor(rect()).plot; }

QString PlotView::readoutAt(QPointF at) const {
  if (!hasPlot_ || samples_.points.empty())
    return {};
  const Frame frame = frameFor(rect());
  if (!frame.plot.contains(at))
    return {};
  const PlotPoint &point = samples_.points[nearestPoint(samples_, frame.unmapX(at.x()))];
  const QString value = point.defined()
                            ? number(point.y)
                            : QString::fromStdString(samples_.errors[point.error]);
  return QStringLiteral("(") + number(point.x) + pairSeparator() + value +
         QStringLiteral(")");
}

void PlotView::setHover(int index) {
  if (index == hover_)
    return;
  hover_ = index;
  update();
}

PlotView::Frame PlotView::frameFor(const QRectF &area) const {
  const QFontMetricsF metrics(font(), const_cast<PlotView *>(this));
  const double line = metrics.height();
  Frame frame;
  frame.x0 = x0_;
  frame.x1 = x1_;
  frame.y0 = y0_;
  frame.y1 = y1_;
  const double top = area.top() + line * 0.75;
  const double bottom = area.bottom() - 2 * line - 10;
  const char separator = decimalSeparator();

  // As many value ticks as fit with two lines of room each; their widest
  // label decides the left margin.
  const int yCount = std::max(2, static_cast<int>((bottom - top) / (line * 2.2)));
  if (hasPlot_)
    frame.yTicks = axisTicks(y0_, y1_, yCount);
  double labelWidth = 0;
  for (const Float tick : frame.yTicks) {
    frame.yLabels.append(QString::fromStdString(formatResult(tick, separator)));
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(frame.yLabels.back()));
  }
  const double left =
      area.left() + 8 + metrics.horizontalAdvance(QStringLiteral("F")) + 8 + labelWidth + 6;
  const double right = area.right() - std::max(14.0, line);
  frame.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
  if (frame.plot.width() < 10 || frame.plot.height() < 10)
    frame.plot = QRectF(area.topLeft(), QSizeF(std::max(10.0, area.width()),
                                                 std::max(10.0, area.height())));

  // As many x ticks as leave room between their labels: fewer while the
  // labels (round numbers, so mostly short) would touch.
  if (!hasPlot_)
    return frame;
  for (int xCount = std::max(1, static_cast<int>(frame.plot.width() / (3 * line)));
       xCount >= 1; --xCount) {
    frame.xTicks = axisTicks(x0_, x1_, xCount);
    frame.xLabels.clear();
    double widest = 0;
    for (const Float tick : frame.xTicks) {
      frame.xLabels.append(QString::fromStdString(formatResult(tick, separator)));
      widest = std::max(widest, metrics.horizontalAdvance(frame.xLabels.back()));
    }
    if (frame.xTicks.size() * (widest + 1.5 * line) <= frame.plot.width())
      break;
  }
  return frame;
}

void PlotView::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  paintPlot(painter, rect());
}

void PlotView::paintPlot(QPainter &painter, const QRectF &area) const {
  const QPalette &colours = palette();
  const QColor text = colours.color(QPalette::Text);
  painter.save();
  painter.setFont(font());
  painter.fillRect(area, colours.color(QPalette::Base));
  if (!hasPlot_) {
    painter.setPen(colours.color(QPalette::PlaceholderText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, message_);
    painter.restore();
    return;
  }
  const Frame frame = frameFor(area);
  const QRectF &plot = frame.plot;
  const QFontMetricsF metrics(font(), const_cast<PlotView *>(this));
  const double line = metrics.height();

  // Grid lines at the ticks, the zero lines a little stronger. They run
  // along the pixel grid and need no antialiasing, which would cost more
  // than all the rest of the painting.
  painter.setPen(QPen(textTone(colours, 36), 1));
  for (const Float tick : frame.xTicks)
    painter.drawLine(QPointF(frame.mapX(tick), plot.top()),
                     QPointF(frame.mapX(tick), plot.bottom()));
  for (const Float tick : frame.yTicks)
    painter.drawLine(QPointF(plot.left(), frame.mapY(tick)),
                     QPointF(plot.right(), frame.mapY(tick)));
  painter.setPen(QPen(textTone(colours, 110), 1));
  if (x0_ < 0 && x1_ > 0)
    painter.drawLine(QPointF(frame.mapX(0), plot.top()), QPointF(frame.mapX(0), plot.bottom()));
  if (y0_ < 0 && y1_ > 0)
    painter.drawLine(QPointF(plot.left(), frame.mapY(0)), QPointF(plot.right(), frame.mapY(0)));

  painter.save();
  painter.setClipRect(plot);
  painter.setRenderHint(QPainter::Antialiasing, true);
  // Undefined stretches: from the first to the last failing point of each
  // run, across the whole height.
  const std::vector<PlotPoint> &points = samples_.points;
  for (const PlotRun &run : runs_) {
    if (run.error < 0)
      continue;
    double from = frame.mapX(points[run.first].x);
    double to = frame.mapX(points[run.last].x);
    if (to - from < minimumBand) {
      const double middle = (from + to) / 2;
      from = middle - minimumBand / 2;
      to = middle + minimumBand / 2;
    }
    const QRectF band(QPointF(from, plot.top()), QPointF(to, plot.bottom()));
    painter.fillRect(band, bandFill(colours));
    paintHatch(painter, band, run.error, colours);
  }
  // The curve, one polyline per defined run: never joined across a point
  // where F is undefined. A run of one point is a dot.
  const QColor curve = colours.color(QPalette::Highlight);
  const double pixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
  QPolygonF polyline;
  for (const PlotRun &run : runs_) {
    if (run.error >= 0)
      continue;
    if (run.first == run.last) {
      const QPointF at(frame.mapX(points[run.first].x), frame.mapY(points[run.first].y));
      painter.save();
      painter.setBrush(curve);
      painter.setPen(Qt::NoPen);
      painter.drawEllipse(at, 1.8, 1.8);
      painter.restore();
      continue;
    }
    // Many more points than device pixel columns would cost painting time
    // and add nothing that shows.
    polyline.clear();
    ColumnStretch stretch(polyline);
    for (std::size_t i = run.first; i <= run.last; ++i) {
      const QPointF at(frame.mapX(points[i].x), frame.mapY(points[i].y));
      stretch.add(at, std::lround(std::floor(at.x() * pixelRatio)));
    }
    stretch.flush();
    drawCurve(painter, polyline, curve, pixelRatio);
  }
  // The point read out under the pointer.
  if (hover_ >= 0 && static_cast<std::size_t>(hover_) < points.size()) {
    const PlotPoint &point = points[static_cast<std::size_t>(hover_)];
    const double x = frame.mapX(point.x);
    if (point.defined()) {
      painter.setPen(QPen(curve, 1.5));
      painter.setBrush(colours.color(QPalette::Base));
      painter.drawEllipse(QPointF(x, frame.mapY(point.y)), 4, 4);
    } else {
      painter.setPen(QPen(text, 1, Qt::DashLine));
      painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
  }
  painter.restore();

  // Frame, ticks, labels and the axes' names.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(textTone(colours, 150), 1));
  painter.drawRect(plot);
  painter.setPen(text);
  for (std::size_t i = 0; i < frame.xTicks.size(); ++i) {
    const double x = frame.mapX(frame.xTicks[i]);
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
    const double width = metrics.horizontalAdvance(frame.xLabels[int(i)]);
    painter.drawText(QRectF(x - width / 2 - 2, plot.bottom() + 5, width + 4, line),
                     Qt::AlignCenter, frame.xLabels[int(i)]);
  }
  for (std::size_t i = 0; i < frame.yTicks.size(); ++i) {
    const double y = frame.mapY(frame.yTicks[i]);
    painter.drawLine(QPointF(plot.left() - 4, y), QPointF(plot.left(), y));
    painter.drawText(QRectF(area.left(), y - line / 2, plot.left() - 6 - area.left(), line),
                     Qt::AlignRight | Qt::AlignVCenter, frame.yLabels[int(i)]);
  }
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(QRectF(plot.left(), plot.bottom() + line + 6, plot.width(), line + 2),
                   Qt::AlignCenter, variableName_);
  painter.drawText(QRectF(area.left() + 6, plot.top(), line, plot.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("F"));
  painter.setFont(font());

  // The legend: the curve, then every error of the points shown.
  const QStringList entries = legendEntries();
  const double swatch = line * 1.6;
  const double maxText = std::max(40.0, plot.width() * 0.6 - swatch - 16);
  double textWidth = 0;
  QStringList shown;
  for (const QString &entry : entries) {
    shown.append(metrics.elidedText(entry, Qt::ElideMiddle, maxText));
    textWidth = std::max(textWidth, metrics.horizontalAdvance(shown.back()));
  }
  // In the corner the curve crosses least, top right on a tie.
  const QSizeF boxSize(swatch + textWidth + 18, shown.size() * (line + 4) + 6);
  const QRectF inner = plot.adjusted(8, 8, -8, -8);
  const QPointF corners[] = {
      {inner.right() - boxSize.width(), inner.top()},
      {inner.left(), inner.top()},
      {inner.right() - boxSize.width(), inner.bottom() - boxSize.height()},
      {inner.left(), inner.bottom() - boxSize.height()},
  };
  QRectF box(corners[0], boxSize);
  std::size_t fewest = std::numeric_limits<std::size_t>::max();
  for (const QPointF &corner : corners) {
    const QRectF candidate(corner, boxSize);
    std::size_t crossing = 0;
    for (const PlotPoint &point : points)
      if (point.defined() &&
          candidate.contains(QPointF(frame.mapX(point.x), frame.mapY(point.y))))
        ++crossing;
    if (crossing < fewest) {
      fewest = crossing;
      box = candidate;
    }
  }
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(textTone(colours, 90), 1));
  painter.setBrush(colours.color(QPalette::Base));
  painter.drawRoundedRect(box, 3, 3);
  for (int i = 0; i < shown.size(); ++i) {
    const double y = box.top() + 5 + i * (line + 4);
    const QRectF sample(box.left() + 6, y + 2, swatch, line - 2);
    if (i == 0) {
      painter.setPen(QPen(curve, curveWidth));
      painter.drawLine(QPointF(sample.left(), sample.center().y()),
                       QPointF(sample.right(), sample.center().y()));
    } else {
      painter.setPen(QPen(textTone(colours, 120), 1));
      painter.setBrush(bandFill(colours));
      painter.drawRect(sample);
      paintHatch(painter, sample, i - 1, colours);
    }
    painter.setPen(text);
    painter.drawText(QRectF(sample.right() + 6, y, textWidth + 4, line),
                     Qt::AlignLeft | Qt::AlignVCenter, shown[i]);
  }
  painter.restore();
}

QImage PlotView::toImage(qreal devicePixelRatio) const {
  QImage image(size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  QPainter painter(&image);
  paintPlot(painter, QRectF(QPointF(0, 0), QSizeF(size())));
  return image;
}

bool PlotView::writeSvg(const QString &path, const QString &title) const {
  QSvgGenerator generator;
  generator.setFileName(path);
  generator.setSize(size());
  generator.setViewBox(QRect(QPoint(0, 0), size()));
  generator.setResolution(logicalDpiX());
  generator.setTitle(title);
  generator.setDescription(QStringLiteral("Plot drawn by Quorvex"));
  QPainter painter;
  if (!painter.begin(&generator))
    return false;
  paintPlot(painter, QRectF(QPointF(0, 0), QSizeF(size())));
  return painter.end() && QFileInfo(path).size() > 0;
}

void PlotView::wheelEvent(QWheelEvent *event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches != 0)
    zoomAt(std::pow(wheelStep, notches), event->position());
  event->accept();
}

void PlotView::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton || !hasPlot_)
    return QWidget::mousePressEvent(event);
  dragStart_ = event->position().toPoint();
  rubberBand_->setGeometry(QRect(dragStart_, QSize()));
  rubberBand_->show();
}

void PlotView::mouseMoveEvent(QMouseEvent *event) {
  const QPointF at = event->position();
  if (rubberBand_->isVisible())
    rubberBand_->setGeometry(QRect(dragStart_, at.toPoint()).normalized());
  int index = -1;
  const QString readout = readoutAt(at);
  if (!readout.isEmpty())
    index = static_cast<int>(nearestPoint(samples_, frameFor(rect()).unmapX(at.x())));
  setHover(index);
  emit readoutChanged(readout);
}

void PlotView::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton || !rubberBand_->isVisible())
    return QWidget::mouseReleaseEvent(event);
  rubberBand_->hide();
  zoomTo(rubberBand_->geometry());
}

void PlotView::mouseDoubleClickEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton)
    resetZoom();
}

void PlotView::leaveEvent(QEvent *event) {
  setHover(-1);
  emit readoutChanged(QString());
  QWidget::leaveEvent(event);
}

void PlotView::changeEvent(QEvent *event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
    update();
  QWidget::changeEvent(event);
}

} // namespace quorvex
