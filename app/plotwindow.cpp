#include "plotwindow.h"

#include "errorreport.h"
#include "plottablemodel.h"
#include "plotview.h"

#include "engine/decimalseparator.h"
#include "engine/numberconversion.h"
#include "session/resultformat.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

namespace quorvex {

namespace {

constexpr int defaultPoints = 500;
constexpr Float defaultHalfRange = 10;

QString textOf(Float value) {
  return QString::fromStdString(formatResult(value, decimalSeparator()));
}

// From and To convert like a value cell, with the same message on failure.
Float valueOf(const QLineEdit &edit) {
  return valueTextToFloat(edit.text().toStdString());
}

// What a "Y from" or "Y to" field holds: "auto" in the user's language (or
// in English, or nothing) lets the points decide, anything else converts
// like From and To.
QString automatic() {
  //: Shown in the Y from and Y to fields, and typed there, for a limit the plotted
  //: points decide; the fields are about 8 characters wide
  return PlotWindow::tr("auto");
}
std::optional<Float> limitOf(const QLineEdit &edit) {
  const QString text = edit.text().trimmed();
  if (text.isEmpty() || text.compare(automatic(), Qt::CaseInsensitive) == 0 ||
      text.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0)
    return std::nullopt;
  return valueOf(edit);
}

QPushButton *button(const QString &caption, const char *name, const QString &accessible,
                    QWidget *parent) {
  auto *b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setAccessibleName(accessible);
  b->setAutoDefault(false);
  return b;
}

// Wide enough for "auto" and a short number whole; a longer text scrolls.
void fitShortText(QLineEdit &edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth =
      edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
  // 4: the line edit's own margin on each side of its text.
  const QSize text(edit.fontMetrics().horizontalAdvance(QStringLiteral("-888.888")) + 4,
                   edit.fontMetrics().height());
  edit.setMinimumWidth(
      edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &edit).width());
}

// The frame the window system draws around a window.
QMargins frameMargins(const QWidget &window) {
  const QRect outer = window.frameGeometry(), inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(),
          outer.right() - inner.right(), outer.bottom() - inner.bottom()};
}

// Every button runs its command as one action: a failure ends it and goes to
// the error report.
template <class Command> void onClick(QPushButton *b, QWidget *window, Command command) {
  QObject::connect(b, &QPushButton::clicked, window, [command] { runAction(command); });
}

} // namespace

PlotWindow::PlotWindow(Source source, QWidget *parent)
    : QWidget(parent, Qt::Window), source_(std::move(source)) {
  setObjectName(QStringLiteral("plotWindow"));
  setWindowTitle(tr("Plot - Quorvex"));
  setAccessibleName(tr("Plot"));
  buildControls();
  auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  resize(760, 560);
}

PlotWindow::~PlotWindow() = default;

void PlotWindow::buildControls() {
  buildRangeFields();
  QGridLayout *range = layOutRange();
  QWidget *plotPage = buildPlotPage();
  QWidget *tablePage = buildTablePage();
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("plotTabs"));
  tabs_->setAccessibleName(tr("Plot and table"));
  tabs_->addTab(plotPage, tr("Plot"));
  tabs_->addTab(tablePage, tr("Table"));
  auto *column = new QVBoxLayout(this);
  column->addLayout(range);
  column->addWidget(tabs_, 1);
  // The minimum is the controls' own, unless the screen is smaller still
  // (keepOnScreen).
  column->setSizeConstraint(QLayout::SetNoConstraint);
  setMinimumSize(minimumSizeHint());
  connectRangeFields();
}

void PlotWindow::buildRangeFields() {
  variableBox_ = new QComboBox(this);
  variableBox_->setObjectName(QStringLiteral("variableBox"));
  variableBox_->setAccessibleName(tr("Variable"));
  variableBox_->setMinimumContentsLength(6);
  fromEdit_ = new QLineEdit(this);
  fromEdit_->setObjectName(QStringLiteral("fromEdit"));
  fromEdit_->setAccessibleName(tr("From"));
  toEdit_ = new QLineEdit(this);
  toEdit_->setObjectName(QStringLiteral("toEdit"));
  toEdit_->setAccessibleName(tr("To"));
  pointsBox_ = new QSpinBox(this);
  pointsBox_->setObjectName(QStringLiteral("pointsBox"));
  pointsBox_->setAccessibleName(tr("Points"));
  // Any count can be typed; Plot says which ones it takes, rather than the
  // box quietly keeping its last count.
  pointsBox_->setRange(0, std::numeric_limits<int>::max());
  pointsBox_->setValue(defaultPoints);
  pointsBox_->setGroupSeparatorShown(false);
  yFromEdit_ = new QLineEdit(automatic(), this);
  yFromEdit_->setObjectName(QStringLiteral("yFromEdit"));
  yFromEdit_->setAccessibleName(tr("Y from"));
  yToEdit_ = new QLineEdit(automatic(), this);
  yToEdit_->setObjectName(QStringLiteral("yToEdit"));
  yToEdit_->setAccessibleName(tr("Y to"));
  plotButton_ =
      button(tr("&Plot"), "plotButton", tr("Plot", "the button that draws"), this);
  for (QLineEdit *field : {fromEdit_, toEdit_, yFromEdit_, yToEdit_})
    fitShortText(*field);
}

// Two rows: the variable's range, then the count and F's range.
QGridLayout *PlotWindow::layOutRange() {
  auto *range = new QGridLayout;
  range->setHorizontalSpacing(6);
  const struct {
    const char *caption;
    QWidget *field;
    int row, column;
  } fields[] = {{QT_TR_NOOP("&Variable"), variableBox_, 0, 0},
                {QT_TR_NOOP("&From"), fromEdit_, 0, 2},
                {QT_TR_NOOP("&To"), toEdit_, 0, 4},
                {QT_TR_NOOP("Po&ints"), pointsBox_, 1, 0},
                {QT_TR_NOOP("&Y from"), yFromEdit_, 1, 2},
                {QT_TR_NOOP("Y t&o"), yToEdit_, 1, 4}};
  for (const auto &field : fields) {
    auto *label = new QLabel(tr(field.caption), this);
    label->setBuddy(field.field);
    // The underlined letter splits the text in two runs, which loses the
    // kerning its measured width assumes ("To" would be cut); a little room
    // more keeps the last letter whole.
    label->setMinimumWidth(label->sizeHint().width() +
                           label->fontMetrics().averageCharWidth());
    range->addWidget(label, field.row, field.column);
    range->addWidget(field.field, field.row, field.column + 1);
  }
  range->setColumnStretch(3, 1);
  range->setColumnStretch(5, 1);
  range->addWidget(plotButton_, 0, 6, 2, 1);
  return range;
}

// The plot, the readout under it and the buttons that act on the picture.
QWidget *PlotWindow::buildPlotPage() {
  view_ = new PlotView(this);
  view_->setObjectName(QStringLiteral("plotView"));
  view_->setAccessibleName(tr("Plot of F"));
  //: Shown in the empty plot; "Plot" is the button
  view_->clearPlot(tr("Choose a variable and a range, then press Plot."));
  readout_ = new QLabel(this);
  readout_->setObjectName(QStringLiteral("readoutLabel"));
  readout_->setAccessibleName(tr("Value under the pointer"));
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  connect(view_, &PlotView::readoutChanged, readout_, &QLabel::setText);
  auto *reset = button(tr("&Reset zoom"), "resetZoomButton", tr("Reset zoom"), this);
  auto *png = button(tr("Export P&NG..."), "exportPngButton", tr("Export as PNG"), this);
  auto *svg = button(tr("Export &SVG..."), "exportSvgButton", tr("Export as SVG"), this);
  auto *copy =
      button(tr("&Copy"), "copyImageButton", tr("Copy the plot as an image"), this);
  auto *plotButtons = new QHBoxLayout;
  plotButtons->addWidget(readout_, 1);
  for (QPushButton *b : {reset, png, svg, copy})
    plotButtons->addWidget(b);
  auto *plotPage = new QWidget(this);
  auto *plotColumn = new QVBoxLayout(plotPage);
  plotColumn->addWidget(view_, 1);
  plotColumn->addLayout(plotButtons);

  onClick(reset, this, [this] { resetZoom(); });
  onClick(png, this, [this] { exportPngClick(); });
  onClick(svg, this, [this] {
    exportClick(QStringLiteral("SVG"), tr("SVG drawings (*.svg)"),
                [this](const QString &path) { exportSvg(path); });
  });
  onClick(copy, this, [this] { copyImage(); });
  return plotPage;
}

// The points as a table, and the button that copies them as CSV.
QWidget *PlotWindow::buildTablePage() {
  model_ = new PlotTableModel(this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("tableView"));
  table_->setAccessibleName(tr("Points of the plot"));
  table_->setModel(model_);
  table_->horizontalHeader()->setStretchLastSection(true);
  // Room for the widest number the result box writes, 15 digits and an
  // exponent, so no value is cut.
  const int numberWidth = table_->fontMetrics().horizontalAdvance(
                              QStringLiteral("-0.000888888888888888E-888")) +
                          12;
  table_->setColumnWidth(0, numberWidth);
  table_->setColumnWidth(1, numberWidth);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto *copyCsv =
      button(tr("Copy &as CSV"), "copyTableButton", tr("Copy the table as CSV"), this);
  auto *tablePage = new QWidget(this);
  auto *tableColumn = new QVBoxLayout(tablePage);
  tableColumn->addWidget(table_, 1);
  auto *tableButtons = new QHBoxLayout;
  tableButtons->addStretch(1);
  tableButtons->addWidget(copyCsv);
  tableColumn->addLayout(tableButtons);
  // Copy in the table copies what the button copies.
  auto *copyShortcut = new QShortcut(QKeySequence::Copy, table_);
  copyShortcut->setContext(Qt::WidgetShortcut);
  connect(copyShortcut, &QShortcut::activated, this,
          [this] { runAction([this] { copyTable(); }); });
  onClick(copyCsv, this, [this] { copyTable(); });
  return tablePage;
}

void PlotWindow::connectRangeFields() {
  onClick(plotButton_, this, [this] { plot(); });
  // Enter in any of the range's fields plots, as in a dialog (this window
  // is not one, so it has no default button of its own).
  for (QWidget *field :
       {static_cast<QWidget *>(fromEdit_), static_cast<QWidget *>(toEdit_),
        static_cast<QWidget *>(pointsBox_), static_cast<QWidget *>(yFromEdit_),
        static_cast<QWidget *>(yToEdit_)})
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
      auto *enter = new QShortcut(QKeySequence(key), field);
      enter->setContext(Qt::WidgetShortcut);
      connect(enter, &QShortcut::activated, plotButton_, &QPushButton::click);
    }
  connect(variableBox_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_)
      runAction([this] { variableChosen(); });
  });
}

void PlotWindow::showAndPlot() {
  if (!placed_ && parentWidget()) {
    // Over the middle of the window it was opened from, the first time;
    // after that where the user left it.
    placeOver(*parentWidget());
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
  plot();
}

bool PlotWindow::event(QEvent *event) {
  // The window system frames the window once it shows, and only then tells
  // how wide the frame is; the first move after that settles the place.
  if (framing_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
      frameGeometry() != geometry()) {
    framing_ = false;
    keepOnScreen(frameMargins(*this));
  }
  return QWidget::event(event);
}

void PlotWindow::placeOver(const QWidget &opener) {
  // The window system's frame around the opener stands for this window's
  // own until that is known.
  QRect frame(QPoint(), size());
  frame.moveCenter(opener.frameGeometry().center());
  move(frame.topLeft());
  keepOnScreen(frameMargins(opener));
  framing_ = true;
}

void PlotWindow::keepOnScreen(const QMargins &decoration) {
  const QRect available = screen()->availableGeometry();
  const QSize room = available.size().shrunkBy(decoration);
  // On a screen too small for the controls (a large scale factor) the window
  // still lies on it, its controls squeezed.
  setMinimumSize(minimumSizeHint().boundedTo(room));
  resize(size().boundedTo(room).expandedTo(minimumSize()));
  // Wholly on the screen where it fits; where it cannot, its title bar is.
  QRect frame(geometry().topLeft(), size());
  frame = frame.marginsAdded(decoration);
  frame.moveLeft(
      std::clamp(frame.left(), available.left(),
                 std::max(available.left(), available.right() + 1 - frame.width())));
  frame.moveTop(
      std::clamp(frame.top(), available.top(),
                 std::max(available.top(), available.bottom() + 1 - frame.height())));
  move(frame.topLeft());
}

int PlotWindow::chooseVariable() {
  filling_ = true;
  variableBox_->clear();
  int chosen = -1;
  for (std::size_t i = 0; i < screen_.names.size(); ++i) {
    const QString name = QString::fromStdString(screen_.names[i]);
    variableBox_->addItem(name);
    if (chosen < 0 && name == variable_)
      chosen = static_cast<int>(i);
  }
  const bool known = chosen >= 0;
  if (!known && !screen_.names.empty())
    chosen = 0;
  variableBox_->setCurrentIndex(chosen);
  filling_ = false;
  if (chosen >= 0 && !known)
    setDefaultRange(chosen);
  return chosen;
}

void PlotWindow::setDefaultRange(int index) {
  // The range centres on the variable's value; a cell that does not convert
  // is no reason not to plot, so it centres on 0 then.
  Float centre = 0;
  try {
    centre = valueTextToFloat(screen_.valueTexts[static_cast<std::size_t>(index)]);
  } catch (const Exception &) {
  }
  fromEdit_->setText(textOf(centre - defaultHalfRange));
  toEdit_->setText(textOf(centre + defaultHalfRange));
  variable_ = variableBox_->itemText(index);
}

void PlotWindow::variableChosen() {
  const int index = variableBox_->currentIndex();
  if (index < 0)
    return;
  setDefaultRange(index);
  plot();
}

void PlotWindow::plot() {
  screen_ = source_();
  const int index = chooseVariable();
  // Whatever fails from here on, no earlier plot stays up as if it were
  // this one.
  evaluator_.reset();
  samples_ = {};
  model_->setSamples(&samples_, QString());
  view_->clearPlot(QString());
  if (index < 0) {
    //: Shown in the empty plot; "Assign" is the main window's box of variable names
    view_->clearPlot(tr("No variable to plot over: declare one in the Assign box."));
    return;
  }
  const auto slot = static_cast<std::size_t>(index);
  const QString name = QString::fromStdString(screen_.names[slot]);
  variable_ = name;
  evaluator_ = plotEvaluator(screen_, slot);
  const Float from = valueOf(*fromEdit_);
  const Float to = valueOf(*toEdit_);
  const std::optional<Float> yFrom = limitOf(*yFromEdit_);
  const std::optional<Float> yTo = limitOf(*yToEdit_);
  const int count = pointsBox_->value();
  PlotSamples samples = samplePlot(*evaluator_, slot, from, to, count);
  plotValueRange(samples, yFrom, yTo); // refuses an empty one before it shows
  samples_ = std::move(samples);
  model_->setSamples(&samples_, name);
  RowEvaluator *evaluator = evaluator_.get();
  view_->setValueLimits(yFrom, yTo);
  view_->setPlot(samples_, name, screen_.formula,
                 [evaluator, slot, count](Float a, Float b) {
                   return samplePlot(*evaluator, slot, a, b, count);
                 });
}

void PlotWindow::resetZoom() {
  view_->resetZoom();
}

QString PlotWindow::plotTitle() const {
  return QStringLiteral("F = ") + QString::fromStdString(screen_.formula);
}

QSize PlotWindow::pngSize() const {
  return (QSizeF(view_->size()) * devicePixelRatioF()).toSize();
}

void PlotWindow::exportPng(const QString &path, QSize pixels) const {
  if (pixels.isEmpty())
    pixels = pngSize();
  if (pixels.width() > maxPngSide || pixels.height() > maxPngSide)
    throw EPlotExportError(
        tr("A picture of %1 x %2 pixels is larger than %3 pixels a side")
            .arg(pixels.width())
            .arg(pixels.height())
            .arg(maxPngSide)
            .toStdString());
  const QImage image = view_->toImage(pixels);
  if (image.isNull())
    throw EPlotExportError(
        tr("A picture of %1 x %2 pixels is too large for the memory available")
            .arg(pixels.width())
            .arg(pixels.height())
            .toStdString());
  if (!image.save(path, "PNG"))
    throw EPlotExportError(
        tr("Cannot write the image file '%1'").arg(path).toStdString());
}

void PlotWindow::exportPngClick() {
  QDialog ask(this);
  ask.setWindowTitle(tr("Export plot as PNG"));
  auto *form = new QFormLayout(&ask);
  const QSize shown = pngSize();
  QSpinBox *sides[2] = {};
  const struct {
    const char *caption, *name;
    int value;
  } fields[] = {{QT_TR_NOOP("&Width (pixels)"), "pngWidthBox", shown.width()},
                {QT_TR_NOOP("&Height (pixels)"), "pngHeightBox", shown.height()}};
  for (std::size_t i = 0; i < 2; ++i) {
    sides[i] = new QSpinBox(&ask);
    sides[i]->setObjectName(QLatin1String(fields[i].name));
    sides[i]->setRange(1, maxPngSide);
    sides[i]->setValue(fields[i].value);
    sides[i]->setGroupSeparatorShown(false);
    form->addRow(tr(fields[i].caption), sides[i]);
  }
  auto *buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
  connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
  form->addRow(buttons);
  if (ask.exec() != QDialog::Accepted)
    return;
  const QSize pixels(sides[0]->value(), sides[1]->value());
  exportClick(QStringLiteral("PNG"), tr("PNG images (*.png)"),
              [this, pixels](const QString &path) { exportPng(path, pixels); });
}

void PlotWindow::exportSvg(const QString &path) const {
  if (!view_->writeSvg(path, plotTitle()))
    throw EPlotExportError(tr("Cannot write the SVG file '%1'").arg(path).toStdString());
}

void PlotWindow::exportClick(const QString &kind, const QString &filter,
                             const std::function<void(const QString &)> &write) {
  //: File dialog title; %1 is the kind of file, PNG or SVG
  const QString path =
      QFileDialog::getSaveFileName(this, tr("Export plot as %1").arg(kind),
                                   QStringLiteral("plot.") + kind.toLower(), filter);
  if (!path.isEmpty())
    write(path);
}

void PlotWindow::copyImage() const {
  QApplication::clipboard()->setImage(view_->toImage(devicePixelRatioF()));
}

void PlotWindow::copyTable() const {
  if (samples_.points.empty())
    return;
  QApplication::clipboard()->setText(
      QString::fromStdString(plotTableCsv(samples_, variable_.toStdString())));
}

} // namespace quorvex
