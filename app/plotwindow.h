#pragma once

#include "engine/errors.h"
#include "session/plotsampling.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QGridLayout;
class QMargins;
class QLabel;
class QLineEdit;
class QPushButton;
class QSize;
class QSpinBox;
class QTabWidget;
class QTableView;

// The plot window (Tools > Plot...): the formula on screen over a range of
// one declared variable, the others at their grid values. The formula is
// compiled once per plot and evaluated at every point by rewriting only that
// variable's slot. Modeless and resizable; plotting reads the main window's
// boxes but never changes the session's logs, counter or result box.
//
// Its commands throw on failure (a formula that does not compile, a value
// or range that does not convert, a file that cannot be written); the
// buttons run them as actions, so the error report shows the message as a
// Compute would show it.

namespace quorvex {

class PlotTableModel;
class PlotView;

// An image or table that could not be written or copied.
class EPlotExportError final : public Exception {
public:
  using Exception::Exception;
};

class PlotWindow final : public QWidget {
  Q_OBJECT
public:
  // Reads the formula and the variables as they are on screen now.
  using Source = std::function<FormulaOnScreen()>;

  explicit PlotWindow(Source source, QWidget *parent = nullptr);
  ~PlotWindow() override;

  // Shows the window in front and plots (the menu command).
  void showAndPlot();
  // Reads the screen again and plots the chosen variable over From..To at
  // the chosen number of points, F over Y from..Y to where they are not
  // "auto". A variable chosen for the first time, or again after it was
  // gone, starts at its value +/- 10.
  void plot();
  void resetZoom();
  // The picture exported as PNG unless another size is asked for: the
  // plot's size on screen in device pixels.
  QSize pngSize() const;
  // Writes the plot as a PNG picture of the given size (pngSize() when
  // empty), laid out as on screen and scaled to fill it. Throws
  // EPlotExportError for a side beyond maxPngSide or a picture too large
  // to allocate.
  void exportPng(const QString &path, QSize pixels = {}) const;
  static constexpr int maxPngSide = 16384;
  void exportSvg(const QString &path) const;
  // The plot as an image, at the screen's resolution, on the clipboard.
  void copyImage() const;
  // The Table tab as CSV on the clipboard.
  void copyTable() const;

  const PlotSamples &tableSamples() const noexcept { return samples_; }

protected:
  bool event(QEvent *event) override;

private:
  // The window's controls, built in phases in the order their focus
  // follows.
  void buildControls();
  void buildRangeFields();
  QGridLayout *layOutRange();
  QWidget *buildPlotPage();
  QWidget *buildTablePage();
  // What the range's fields and the Plot button do.
  void connectRangeFields();
  // Fills the variable box from the screen; returns the index to plot, or
  // -1 when no variable is declared.
  int chooseVariable();
  void setDefaultRange(int index);
  // Sizes and moves the window to open over opener, within the screen.
  void placeOver(const QWidget &opener);
  // Sizes and moves the window so that with a frame of decoration around it
  // it lies on its screen.
  void keepOnScreen(const QMargins &decoration);
  void variableChosen();
  // Asks for a file of the kind ("PNG", "SVG") and writes it.
  void exportClick(const QString &kind, const QString &filter,
                   const std::function<void(const QString &)> &write);
  // Export PNG...: asks for the picture's size, then for the file.
  void exportPngClick();
  QString plotTitle() const;

  Source source_;
  FormulaOnScreen screen_;
  std::unique_ptr<RowEvaluator> evaluator_;
  PlotSamples samples_;
  QString variable_; // the name plotted last

  QComboBox *variableBox_ = nullptr;
  QLineEdit *fromEdit_ = nullptr;
  QLineEdit *toEdit_ = nullptr;
  QSpinBox *pointsBox_ = nullptr;
  QLineEdit *yFromEdit_ = nullptr;
  QLineEdit *yToEdit_ = nullptr;
  QPushButton *plotButton_ = nullptr;
  QTabWidget *tabs_ = nullptr;
  PlotView *view_ = nullptr;
  QLabel *readout_ = nullptr;
  QTableView *table_ = nullptr;
  PlotTableModel *model_ = nullptr;
  bool filling_ = false; // the variable box is being filled, not chosen in
  bool placed_ = false;
  bool framing_ = false; // placed, but the frame around it not known yet
};

} // namespace quorvex
