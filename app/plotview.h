#pragma once

#include "session/plotsampling.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QFontMetricsF;
class QRubberBand;

// The plot window's drawing: the curve of F over one variable, broken at
// every point where F is undefined, the undefined stretches shaded with a
// legend entry naming each error, round ticks labelled with the current
// decimal separator, and the point nearest the pointer read out as (x, F).
// The wheel zooms around the pointer, a dragged rectangle zooms to it, a
// double click (or resetZoom) shows the whole range again. A zoomed view is
// sampled afresh, so the curve keeps its detail.
//
// Everything is painted with QPainter from the palette, at the device's
// resolution: the same painting fills the widget, a PNG image and an SVG
// file.

namespace quorvex {

class PlotView final : public QWidget {
  Q_OBJECT
public:
  // Samples over [from, to] with the plot's point count.
  using Sampler = std::function<PlotSamples(Float from, Float to)>;

  explicit PlotView(QWidget *parent = nullptr);
  ~PlotView() override;

  // Shows samples of formula over their whole range. The axes are named
  // variableName and "F", the curve's legend entry is "F = formula", and
  // each error's names the part of the formula that raised it; sampler
  // (which may be empty) draws zoomed views.
  void setPlot(PlotSamples samples, const QString &variableName,
               const std::string &formula, Sampler sampler);
  // The ends of F's range that the user fixed; the others follow the
  // points (autoValueRange). Taken by the next setPlot or resetZoom.
  void setValueLimits(std::optional<Float> low, std::optional<Float> high);
  // Shows message instead of a plot.
  void clearPlot(const QString &message);
  bool hasPlot() const noexcept { return hasPlot_; }

  // The points drawn now (those of the zoomed range while zoomed).
  const PlotSamples &samples() const noexcept { return samples_; }
  // The curve's name, then each error's message, after the part of the
  // formula whose operation raised it ("1/x: Floating point division by
  // zero").
  QStringList legendEntries() const;
  // The shown range: x from left to right, F from bottom to top.
  Float viewLeft() const noexcept { return x0_; }
  Float viewRight() const noexcept { return x1_; }
  Float viewBottom() const noexcept { return y0_; }
  Float viewTop() const noexcept { return y1_; }
  // Where the plot area lies in the widget.
  QRectF plotArea() const;

  void resetZoom();
  // factor > 1 zooms in, around the widget position at.
  void zoomAt(double factor, QPointF at);
  // Zooms to a rectangle of widget positions inside the plot area.
  void zoomTo(const QRectF &rectangle);

  // The readout for the point nearest to a widget position: "(x, F)", or
  // "(x, message)" where F is undefined; empty off the plot. The view
  // announces it with readoutChanged whenever it changes under the pointer:
  // as the pointer moves, and as the points change beneath it (a zoom, a
  // new plot).
  QString readoutAt(QPointF at) const;
  // Where the curve leaves the plot area through its top or bottom edge,
  // in widget positions, as drawn now.
  std::vector<QPointF> exitMarks() const;

  // Paints the view as the widget shows it into the rectangle of painter.
  void paintPlot(QPainter &painter, const QRectF &area) const;
  // The view as an image at the given device pixel ratio.
  QImage toImage(qreal devicePixelRatio) const;
  // The view as an image of that many pixels: laid out as at the size of
  // the view scaled by as much as fits, and widened or heightened to fill
  // it. A null image when it cannot be allocated.
  QImage toImage(QSize pixels) const;
  // Writes the view as an SVG file; false when the file cannot be written.
  bool writeSvg(const QString &path, const QString &title) const;

signals:
  void readoutChanged(const QString &text);

protected:
  void paintEvent(QPaintEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void leaveEvent(QEvent *event) override;
  void changeEvent(QEvent *event) override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

private:
  struct Frame;
  Frame frameFor(const QRectF &area) const;
  void showRange(Float x0, Float x1, Float y0, Float y1);
  void fitValues();
  void setHover(int index);
  // After the points changed: the readout and the hover mark for the
  // pointer where it rests, or none when it is not over the view.
  void followPointer();
  QString errorName(std::size_t error) const;
  // The curve of each defined run, mapped into frame: one line per run
  // (or a dot for a run of one point), and the marks where it leaves the
  // plot area through the top or the bottom.
  void traceCurve(const Frame &frame, double pixelRatio, std::vector<QPolygonF> &lines,
                  std::vector<QPointF> &dots, std::vector<QPointF> &exits) const;
  // The phases of paintPlot, in the order they paint.
  void paintGrid(QPainter &painter, const Frame &frame) const;
  void paintUndefinedStretches(QPainter &painter, const Frame &frame) const;
  void paintCurve(QPainter &painter, const Frame &frame) const;
  void paintPointerMark(QPainter &painter, const Frame &frame) const;
  void paintAxes(QPainter &painter, const Frame &frame, const QRectF &area,
                 const QFontMetricsF &metrics) const;
  void paintLegend(QPainter &painter, const Frame &frame,
                   const QFontMetricsF &metrics) const;
  QRectF legendRect(const Frame &frame, const QSizeF &size) const;

  PlotSamples samples_;
  std::vector<PlotRun> runs_;
  Sampler sampler_;
  QString variableName_;
  std::string formula_;
  QString message_;
  std::optional<Float> lowLimit_, highLimit_;
  std::optional<QPointF> pointer_; // where the pointer rests over the view
  bool hasPlot_ = false;
  Float fullLeft_ = 0, fullRight_ = 1;
  Float x0_ = 0, x1_ = 1, y0_ = 0, y1_ = 1;
  int hover_ = -1;
  QPoint dragStart_;
  QRubberBand *rubberBand_ = nullptr;
};

} // namespace quorvex
