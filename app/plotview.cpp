#include "plotview.h"

#include "errorreport.h"

#include "engine/decimalseparator.h"
#include "session/axisticks.h"
#include "session/legendcorner.h"
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

// An error of the points in the user's language, as the error report words it.
QString errorText(const PlotError &error) {
  return ErrorReport::message(error.message, error.parts);
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
  return {mix(base.red(), text.red()), mix(base.green(), text.green()),
          mix(base.blue(), text.blue())};
}

// The part of the segment from a to b inside box (Liang-Barsky); false when
// none is. Vector output (SVG) does not keep a painter's clip, so whatever
// must stay inside a rectangle is cut to it here.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &box) {
  double enter = 0, leave = 1;
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                      box.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0)
        return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      enter = std::max(enter, t);
    else
      leave = std::min(leave, t);
  }
  if (enter > leave)
    return false;
  const QPointF from = a;
  a = from + enter * QPointF(dx, dy);
  b = from + leave * QPointF(dx, dy);
  return true;
}

// Appends the pieces of line that lie inside box, each a polyline.
void appendClipped(const QPolygonF &line, const QRectF &box,
                   std::vector<QPolygonF> &pieces) {
  bool open = false; // the last piece ends where this segment starts
  for (qsizetype i = 1; i < line.size(); ++i) {
    QPointF a = line[i - 1], b = line[i];
    if (!clipSegment(a, b, box)) {
      open = false;
      continue;
    }
    if (!open || pieces.back().back() != a)
      pieces.emplace_back(QPolygonF{a});
    pieces.back().append(b);
    open = b == line[i];
  }
}

void paintHatch(QPainter &painter, const QRectF &area, int error,
                const QPalette &palette) {
  painter.save();
  painter.setPen(QPen(textTone(palette, 120), 1));
  const int kind = error % hatchKinds;
  const double h = area.height();
  auto line = [&](QPointF a, QPointF b) {
    if (clipSegment(a, b, area))
      painter.drawLine(a, b);
  };
  auto lines = [&](bool rising) {
    for (double x = area.left() - h; x < area.right() + hatchSpacing; x += hatchSpacing)
      line(QPointF(x, rising ? area.bottom() : area.top()),
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
void drawCurve(QPainter &painter, const QPolygonF &line, const QColor &colour,
               double ratio) {
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
  const long centre = (width - 1) / 2; // a whole pixel: an even width leans right
  for (long i = 0; i < width; ++i)
    for (long j = 0; j < width; ++j) {
      const bool corner = (i == 0 || i == width - 1) && (j == 0 || j == width - 1);
      if (width >= 3 && corner)
        continue;
      const QPointF offset(static_cast<double>(i - centre) / ratio,
                           static_cast<double>(j - centre) / ratio);
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
  std::vector<AxisTick> xTicks, yTicks;
  Float x0 = 0, x1 = 1, y0 = 0, y1 = 1;

  // Positions far outside the area are held at a distance that keeps a
  // line's direction while the painter's coordinates stay finite and small.
  double mapX(Float x) const {
    return std::clamp(plot.left() + xScale.position(x), plot.left() - 1e5,
                      plot.right() + 1e5);
  }
  double mapY(Float y) const {
    return std::clamp(plot.bottom() - yScale.position(y), plot.top() - 1e5,
                      plot.bottom() + 1e5);
  }
  Float unmapX(double p) const { return xScale.value(p - plot.left()); }
  Float unmapY(double p) const { return yScale.value(plot.bottom() - p); }

  // Set with the plot area.
  AxisScale xScale{0, 1, 1}, yScale{0, 1, 1};
};

PlotView::PlotView(QWidget *parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  rubberBand_ = new QRubberBand(QRubberBand::Rectangle, this);
}

PlotView::~PlotView() = default;

QSize PlotView::sizeHint() const {
  return {640, 400};
}
QSize PlotView::minimumSizeHint() const {
  return {240, 160};
}

void PlotView::setPlot(PlotSamples samples, const QString &variableName,
                       const std::string &formula, Sampler sampler) {
  sampler_ = std::move(sampler);
  variableName_ = variableName;
  formula_ = formula;
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
  followPointer();
  update();
}

void PlotView::setValueLimits(std::optional<Float> low, std::optional<Float> high) {
  lowLimit_ = low;
  highLimit_ = high;
}

void PlotView::clearPlot(const QString &message) {
  samples_ = {};
  runs_.clear();
  sampler_ = {};
  hasPlot_ = false;
  message_ = message;
  followPointer();
  update();
}

QString PlotView::errorName(std::size_t error) const {
  const PlotError &e = samples_.errors[error];
  QString name = errorText(e);
  if (!e.span || e.span->offset >= formula_.size())
    return name;
  // The part as it reads in the formula; a long one keeps its two ends.
  QString part = QString::fromStdString(formula_.substr(e.span->offset, e.span->length));
  constexpr qsizetype longest = 40;
  if (part.size() > longest)
    part = part.left(longest / 2 - 1) + QChar(0x2026) + part.right(longest / 2 - 1);
  //: Plot legend entry: %1 is the part of the formula, %2 the error it raised
  return tr("%1: %2").arg(part, name);
}

QStringList PlotView::legendEntries() const {
  QStringList entries;
  if (!hasPlot_)
    return entries;
  entries.append(QStringLiteral("F = ") + QString::fromStdString(formula_));
  for (std::size_t i = 0; i < samples_.errors.size(); ++i)
    entries.append(errorName(i));
  return entries;
}

void PlotView::fitValues() {
  ValueRange range = autoValueRange(samples_);
  // The window checked the limits against these very points before it
  // plotted them; should they fail all the same, the points decide.
  try {
    range = plotValueRange(samples_, lowLimit_, highLimit_);
  } catch (const EPlotRangeError &) {
  }
  y0_ = range.low;
  y1_ = range.high;
}

void PlotView::showRange(Float x0, Float x1, Float y0, Float y1) {
  // A range of fewer doubles than this can no longer be told apart on the
  // axis; nor can a range wider than the doubles be sampled.
  constexpr std::uint64_t fewest = 8;
  auto usable = [](Float a, Float b) {
    return std::isfinite(a) && std::isfinite(b) && a < b &&
           doublesBetween(a, b) >= fewest;
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
  followPointer();
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
  followPointer();
  update();
}

void PlotView::zoomAt(double factor, QPointF at) {
  if (!hasPlot_ || !(factor > 0))
    return;
  const Frame frame = frameFor(rect());
  Float x0 = x0_, x1 = x1_, y0 = y0_, y1 = y1_;
  zoomRange(x0, x1, frame.unmapX(at.x()), factor);
  zoomRange(y0, y1, frame.unmapY(at.y()), factor);
  showRange(x0, x1, y0, y1);
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

QRectF PlotView::plotArea() const {
  return frameFor(rect()).plot;
}

QString PlotView::readoutAt(QPointF at) const {
  if (!hasPlot_ || samples_.points.empty())
    return {};
  const Frame frame = frameFor(rect());
  if (!frame.plot.contains(at))
    return {};
  const PlotPoint &point = samples_.points[nearestPoint(samples_, frame.unmapX(at.x()))];
  const QString value =
      point.defined() ? number(point.y) : errorText(samples_.errors[point.error]);
  return QStringLiteral("(") + number(point.x) + pairSeparator() + value +
         QStringLiteral(")");
}

void PlotView::setHover(int index) {
  if (index == hover_)
    return;
  hover_ = index;
  update();
}

void PlotView::followPointer() {
  QString readout;
  int index = -1;
  if (pointer_) {
    readout = readoutAt(*pointer_);
    if (!readout.isEmpty())
      index = static_cast<int>(
          nearestPoint(samples_, frameFor(rect()).unmapX(pointer_->x())));
  }
  setHover(index);
  emit readoutChanged(readout);
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
    frame.yTicks = axisTicks(y0_, y1_, yCount, separator);
  double labelWidth = 0;
  for (const AxisTick &tick : frame.yTicks)
    labelWidth = std::max(labelWidth,
                          metrics.horizontalAdvance(QString::fromStdString(tick.label)));
  const double left = area.left() + 8 + metrics.horizontalAdvance(QStringLiteral("F")) +
                      8 + labelWidth + 6;
  const double right = area.right() - std::max(14.0, line);
  frame.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
  if (frame.plot.width() < 10 || frame.plot.height() < 10)
    frame.plot = QRectF(area.topLeft(), QSizeF(std::max(10.0, area.width()),
                                               std::max(10.0, area.height())));
  frame.xScale = AxisScale(x0_, x1_, frame.plot.width());
  frame.yScale = AxisScale(y0_, y1_, frame.plot.height());

  // As many x ticks as leave room between their labels: fewer while the
  // labels (round numbers, so mostly short) would touch.
  if (!hasPlot_)
    return frame;
  for (int xCount = std::max(1, static_cast<int>(frame.plot.width() / (3 * line)));
       xCount >= 1; --xCount) {
    frame.xTicks = axisTicks(x0_, x1_, xCount, separator);
    double widest = 0;
    for (const AxisTick &tick : frame.xTicks)
      widest =
          std::max(widest, metrics.horizontalAdvance(QString::fromStdString(tick.label)));
    if (static_cast<double>(frame.xTicks.size()) * (widest + 1.5 * line) <=
        frame.plot.width())
      break;
  }
  return frame;
}

void PlotView::traceCurve(const Frame &frame, double pixelRatio,
                          std::vector<QPolygonF> &lines, std::vector<QPointF> &dots,
                          std::vector<QPointF> &exits) const {
  const QRectF &plot = frame.plot;
  // The line may reach the edges by its width: it is cut there, not at
  // the points' own positions.
  const QRectF reach = plot.adjusted(-curveWidth, -curveWidth, curveWidth, curveWidth);
  const std::vector<PlotPoint> &points = samples_.points;
  QPolygonF polyline;
  for (const PlotRun &run : runs_) {
    if (run.error >= 0)
      continue;
    if (run.first == run.last) {
      const QPointF at(frame.mapX(points[run.first].x), frame.mapY(points[run.first].y));
      if (plot.contains(at))
        dots.push_back(at);
      continue;
    }
    // Many more points than device pixel columns would cost painting time
    // and add nothing that shows.
    polyline.clear();
    ColumnStretch stretch(polyline);
    QPointF previous;
    for (std::size_t i = run.first; i <= run.last; ++i) {
      const QPointF at(frame.mapX(points[i].x), frame.mapY(points[i].y));
      stretch.add(at, std::lround(std::floor(at.x() * pixelRatio)));
      // Crossing the top or the bottom edge, in either direction.
      if (i > run.first) {
        for (const double edge : {plot.top(), plot.bottom()}) {
          // A point on the edge has not left yet.
          const auto beyond = [&](QPointF p) {
            return edge == plot.top() ? p.y() < edge : p.y() > edge;
          };
          if (beyond(previous) == beyond(at))
            continue;
          const double t = (edge - previous.y()) / (at.y() - previous.y());
          const QPointF exit(previous.x() + t * (at.x() - previous.x()), edge);
          const bool near = !exits.empty() && exits.back().y() == edge &&
                            std::fabs(exits.back().x() - exit.x()) < 6;
          if (exit.x() >= plot.left() && exit.x() <= plot.right() && !near)
            exits.push_back(exit);
        }
      }
      previous = at;
    }
    stretch.flush();
    appendClipped(polyline, reach, lines);
  }
}

std::vector<QPointF> PlotView::exitMarks() const {
  std::vector<QPolygonF> lines;
  std::vector<QPointF> dots, exits;
  if (hasPlot_)
    traceCurve(frameFor(rect()), devicePixelRatioF(), lines, dots, exits);
  return exits;
}

void PlotView::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  paintPlot(painter, rect());
}

void PlotView::paintPlot(QPainter &painter, const QRectF &area) const {
  const QPalette &colours = palette();
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
  const QFontMetricsF metrics(font(), this);
  paintGrid(painter, frame);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  paintUndefinedStretches(painter, frame);
  paintCurve(painter, frame);
  paintPointerMark(painter, frame);
  painter.restore();
  paintAxes(painter, frame, area, metrics);
  paintLegend(painter, frame, metrics);
  painter.restore();
}

// Grid lines at the ticks, the zero lines a little stronger. They run along
// the pixel grid and need no antialiasing, which would cost more than all
// the rest of the painting.
void PlotView::paintGrid(QPainter &painter, const Frame &frame) const {
  const QPalette &colours = palette();
  const QRectF &plot = frame.plot;
  painter.setPen(QPen(textTone(colours, 36), 1));
  for (const AxisTick &tick : frame.xTicks)
    painter.drawLine(QPointF(frame.mapX(tick.value), plot.top()),
                     QPointF(frame.mapX(tick.value), plot.bottom()));
  for (const AxisTick &tick : frame.yTicks)
    painter.drawLine(QPointF(plot.left(), frame.mapY(tick.value)),
                     QPointF(plot.right(), frame.mapY(tick.value)));
  painter.setPen(QPen(textTone(colours, 110), 1));
  if (x0_ < 0 && x1_ > 0)
    painter.drawLine(QPointF(frame.mapX(0), plot.top()),
                     QPointF(frame.mapX(0), plot.bottom()));
  if (y0_ < 0 && y1_ > 0)
    painter.drawLine(QPointF(plot.left(), frame.mapY(0)),
                     QPointF(plot.right(), frame.mapY(0)));
}

// Undefined stretches: from the first to the last failing point of each run,
// across the whole height.
void PlotView::paintUndefinedStretches(QPainter &painter, const Frame &frame) const {
  const QPalette &colours = palette();
  const QRectF &plot = frame.plot;
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
    const QRectF band =
        QRectF(QPointF(from, plot.top()), QPointF(to, plot.bottom())).intersected(plot);
    if (band.isEmpty())
      continue;
    painter.fillRect(band, bandFill(colours));
    paintHatch(painter, band, run.error, colours);
  }
}

// The curve, one polyline per defined run: never joined across a point where
// F is undefined, nor across a pole. A run of one point is a dot. Where the
// curve leaves through the top or the bottom, an arrowhead on the edge
// points the way it went.
void PlotView::paintCurve(QPainter &painter, const Frame &frame) const {
  const QPalette &colours = palette();
  const QColor curve = colours.color(QPalette::Highlight);
  const double pixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
  std::vector<QPolygonF> lines;
  std::vector<QPointF> dots, exits;
  traceCurve(frame, pixelRatio, lines, dots, exits);
  for (const QPolygonF &piece : lines)
    drawCurve(painter, piece, curve, pixelRatio);
  painter.setBrush(curve);
  painter.setPen(Qt::NoPen);
  for (const QPointF &dot : dots)
    painter.drawEllipse(dot, 1.8, 1.8);
  for (const QPointF &exit : exits) {
    const double inward = exit.y() <= frame.plot.top() ? 7 : -7;
    const QPointF arrow[] = {exit, exit + QPointF(-4, inward), exit + QPointF(4, inward)};
    painter.drawPolygon(arrow, 3);
  }
}

// The point read out under the pointer: a ring on the curve, or a dashed
// line where F is undefined.
void PlotView::paintPointerMark(QPainter &painter, const Frame &frame) const {
  const QPalette &colours = palette();
  const std::vector<PlotPoint> &points = samples_.points;
  if (hover_ < 0 || static_cast<std::size_t>(hover_) >= points.size())
    return;
  const QRectF &plot = frame.plot;
  const PlotPoint &point = points[static_cast<std::size_t>(hover_)];
  const double x = frame.mapX(point.x);
  if (point.defined()) {
    const QPointF at(x, frame.mapY(point.y));
    if (plot.contains(at)) {
      painter.setPen(QPen(colours.color(QPalette::Highlight), 1.5));
      painter.setBrush(colours.color(QPalette::Base));
      painter.drawEllipse(at, 4, 4);
    }
  } else {
    painter.setPen(QPen(colours.color(QPalette::Text), 1, Qt::DashLine));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  }
}

// The frame, the ticks and their labels, and the axes' names.
void PlotView::paintAxes(QPainter &painter, const Frame &frame, const QRectF &area,
                         const QFontMetricsF &metrics) const {
  const QPalette &colours = palette();
  const QRectF &plot = frame.plot;
  const double line = metrics.height();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(textTone(colours, 150), 1));
  painter.drawRect(plot);
  painter.setPen(colours.color(QPalette::Text));
  for (const AxisTick &tick : frame.xTicks) {
    const double x = frame.mapX(tick.value);
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
    // Centred under its tick, but never past the edges of the picture.
    const QString label = QString::fromStdString(tick.label);
    const double width = metrics.horizontalAdvance(label) + 4;
    const double left = std::clamp(x - width / 2, area.left() + 2,
                                   std::max(area.left() + 2, area.right() - 2 - width));
    painter.drawText(QRectF(left, plot.bottom() + 5, width, line), Qt::AlignCenter,
                     label);
  }
  for (const AxisTick &tick : frame.yTicks) {
    const double y = frame.mapY(tick.value);
    painter.drawLine(QPointF(plot.left() - 4, y), QPointF(plot.left(), y));
    painter.drawText(
        QRectF(area.left(), y - line / 2, plot.left() - 6 - area.left(), line),
        Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(tick.label));
  }
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(QRectF(plot.left(), plot.bottom() + line + 6, plot.width(), line + 2),
                   Qt::AlignCenter, variableName_);
  painter.drawText(QRectF(area.left() + 6, plot.top(), line, plot.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("F"));
  painter.setFont(font());
}

// The legend: the curve, then every error of the points shown, each entry
// cut in the middle where it would take more than most of the plot's width.
void PlotView::paintLegend(QPainter &painter, const Frame &frame,
                           const QFontMetricsF &metrics) const {
  const QPalette &colours = palette();
  const double line = metrics.height();
  const double swatch = line * 1.6;
  const double maxText = std::max(40.0, frame.plot.width() * 0.6 - swatch - 16);
  double textWidth = 0;
  QStringList shown;
  for (const QString &entry : legendEntries()) {
    shown.append(metrics.elidedText(entry, Qt::ElideMiddle, maxText));
    textWidth = std::max(textWidth, metrics.horizontalAdvance(shown.back()));
  }
  const QRectF box =
      legendRect(frame, QSizeF(swatch + textWidth + 18,
                               static_cast<double>(shown.size()) * (line + 4) + 6));
  const QColor text = colours.color(QPalette::Text);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(textTone(colours, 90), 1));
  painter.setBrush(colours.color(QPalette::Base));
  painter.drawRoundedRect(box, 3, 3);
  for (int i = 0; i < shown.size(); ++i) {
    const double y = box.top() + 5 + i * (line + 4);
    const QRectF sample(box.left() + 6, y + 2, swatch, line - 2);
    if (i == 0) {
      painter.setPen(QPen(colours.color(QPalette::Highlight), curveWidth));
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
}

// Where a legend of that size goes: inside the plot's corner where it hides
// the fewest points of the curve.
QRectF PlotView::legendRect(const Frame &frame, const QSizeF &size) const {
  std::vector<PlotPosition> curve;
  curve.reserve(samples_.points.size());
  for (const PlotPoint &point : samples_.points)
    if (point.defined())
      curve.push_back({frame.mapX(point.x), frame.mapY(point.y)});
  const QRectF inner = frame.plot.adjusted(8, 8, -8, -8);
  const PlotRect area{inner.left(), inner.top(), inner.width(), inner.height()};
  const LegendCorner corner = legendCorner(area, size.width(), size.height(), curve);
  const PlotRect box = legendBox(area, size.width(), size.height(), corner);
  return {box.left, box.top, box.width, box.height};
}

QImage PlotView::toImage(qreal devicePixelRatio) const {
  return toImage((QSizeF(size()) * devicePixelRatio).toSize());
}

QImage PlotView::toImage(QSize pixels) const {
  // Text and lines keep their size relative to the plot as on screen.
  const qreal ratio = std::min(qreal(pixels.width()) / std::max(1, width()),
                               qreal(pixels.height()) / std::max(1, height()));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull())
    return image;
  image.setDevicePixelRatio(ratio);
  QPainter painter(&image);
  paintPlot(painter, QRectF(QPointF(0, 0), QSizeF(pixels) / ratio));
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
  pointer_ = event->position();
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
  pointer_ = event->position();
  if (rubberBand_->isVisible())
    rubberBand_->setGeometry(QRect(dragStart_, pointer_->toPoint()).normalized());
  followPointer();
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
  pointer_.reset();
  followPointer();
  QWidget::leaveEvent(event);
}

void PlotView::changeEvent(QEvent *event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
    update();
  QWidget::changeEvent(event);
}

} // namespace quorvex
