// The plot window as the user opens it from Tools > Plot...: the curve's
// gaps, the error report, zooming, exports and the table.

#include "apptest.h"

#include "app/plotview.h"
#include "app/plotwindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QXmlStreamReader>

#include <cmath>
#include <sys/resource.h>
#include <unistd.h>

using namespace quorvex;
using namespace quorvex::test;

namespace {

// The text of every character run of an SVG file, trimmed; a file that is
// not well-formed XML gives an error line instead.
QStringList svgTexts(const QString &path) {
  QFile svg(path);
  if (!svg.open(QIODevice::ReadOnly))
    return {"<cannot open " + path + ">"};
  QXmlStreamReader xml(&svg);
  QStringList texts;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::Characters)
      texts.append(xml.text().toString().trimmed());
  if (xml.hasError())
    return {"<" + xml.errorString() + ">"};
  return texts;
}

// Opens the plot window on formula over From..To at the given points.
PlotWindow &plotFromMenu(TF_Main_LSF &window, const QString &formula, const QString &from,
                         const QString &to, int points = 500) {
  setFormula(window, formula, 0);
  control<QAction>(window, "plotAction")->trigger();
  auto &plot = *control<PlotWindow>(window, "plotWindow");
  control<QLineEdit>(plot, "fromEdit")->setText(from);
  control<QLineEdit>(plot, "toEdit")->setText(to);
  control<QSpinBox>(plot, "pointsBox")->setValue(points);
  click(control<QAbstractButton>(plot, "plotButton"));
  return plot;
}

// The share of the column of pixels at x, over the plot area's height, whose
// colour is near colour.
double shareNear(const QImage &image, const QRectF &area, double x,
                 const QColor &colour) {
  int near = 0, all = 0;
  for (int y = int(area.top()) + 2; y < int(area.bottom()) - 2; ++y, ++all) {
    const QColor pixel = image.pixelColor(int(x), y);
    if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
            std::abs(pixel.blue() - colour.blue()) <
        60)
      ++near;
  }
  return all ? double(near) / all : 0;
}

// The share of two pictures of one size whose colours differ clearly, each
// seen a quarter as sharp: the edges of lines and letters, which
// antialiasing draws a little differently in every engine, blur away.
double shareDiffering(const QImage &a, const QImage &b) {
  const QSize seen = a.size() / 4;
  const QImage p = a.scaled(seen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QImage q = b.scaled(seen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  int differing = 0;
  for (int y = 0; y < seen.height(); ++y)
    for (int x = 0; x < seen.width(); ++x) {
      const QColor c = p.pixelColor(x, y), d = q.pixelColor(x, y);
      if (std::abs(c.red() - d.red()) + std::abs(c.green() - d.green()) +
              std::abs(c.blue() - d.blue()) >
          60)
        ++differing;
    }
  return double(differing) / (seen.width() * seen.height());
}

// Collects the warnings Qt writes while it lives.
class WarningCapture {
public:
  WarningCapture() : previous_(qInstallMessageHandler(&WarningCapture::handle)) {
    current() = this;
  }
  ~WarningCapture() {
    qInstallMessageHandler(previous_);
    current() = nullptr;
  }
  WarningCapture(const WarningCapture &) = delete;
  WarningCapture &operator=(const WarningCapture &) = delete;

  QStringList warnings;

private:
  static WarningCapture *&current() {
    static WarningCapture *capture = nullptr;
    return capture;
  }
  static void handle(QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type != QtDebugMsg && type != QtInfoMsg && current())
      current()->warnings.append(text);
  }
  QtMessageHandler previous_;
};

// The pointer resting at a position of the view.
void hover(QWidget &view, QPointF at) {
  QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &move);
}

bool near(const QColor &c, const QColor &d) {
  return std::abs(c.red() - d.red()) + std::abs(c.green() - d.green()) +
             std::abs(c.blue() - d.blue()) <
         60;
}

} // namespace

class PlotTest final : public QObject {
  Q_OBJECT

private slots:
  void reciprocalHasTwoBranchesAndAMarkedGapAtZero() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    // A computation before, so that the plot can be seen to leave it alone.
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    const QString result = control<QLineEdit>(window, "EditYValue")->text();
    const auto memo2 = window.Session().Memo2().Lines();

    ReportCapture reports;
    PlotWindow &plot = plotFromMenu(window, "1/x", "-1", "1");
    QCOMPARE(reports.messages, QStringList());
    QVERIFY(plot.isVisible());
    QVERIFY(!plot.isModal());
    auto &view = *control<PlotView>(plot, "plotView");
    const PlotSamples &samples = view.samples();
    QCOMPARE(samples.points.size(), std::size_t(501));
    QCOMPARE(samples.points[250].x, 0.0);
    QVERIFY(!samples.points[250].defined());
    QVERIFY(samples.points[249].defined() && samples.points[251].defined());
    QCOMPARE(view.legendEntries(),
             QStringList({"F = 1/x", "1/x: Floating point division by zero"}));

    // Drawn: the stretch at 0 is shaded over the whole height and no curve
    // crosses it; beside it the background shows. Few points, so that the
    // branches end far from 0 and a joining line would stand alone there.
    control<QSpinBox>(plot, "pointsBox")->setValue(11);
    click(control<QAbstractButton>(plot, "plotButton"));
    view.resize(600, 400);
    const QImage image = view.toImage(1);
    const QRectF area = view.plotArea();
    const auto xAt = [&](double x) {
      return area.left() +
             (x - view.viewLeft()) / (view.viewRight() - view.viewLeft()) * area.width();
    };
    const QColor base = view.palette().color(QPalette::Base);
    const QColor curve = view.palette().color(QPalette::Highlight);
    QVERIFY(shareNear(image, area, xAt(0), base) < 0.05);
    QCOMPARE(shareNear(image, area, xAt(0), curve), 0.0);
    QVERIFY(shareNear(image, area, xAt(-0.5), base) > 0.8);
    QVERIFY(shareNear(image, area, xAt(-0.5), curve) > 0);

    // The value under the pointer.
    const QPointF atZero(xAt(0), area.center().y());
    QMouseEvent move(QEvent::MouseMove, atZero, view.mapToGlobal(atZero), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QCOMPARE(control<QLabel>(plot, "readoutLabel")->text(),
             "(0, Floating point division by zero)");

    // The table copies as the table mode prints.
    click(control<QAbstractButton>(plot, "copyTableButton"));
    const QStringList csv = QApplication::clipboard()->text().split('\n');
    QCOMPARE(csv.size(), 13); // header, 11 rows, the empty end
    QCOMPARE(csv[0], "x,F,error");
    QCOMPARE(csv[1], "-1,-1,");
    QCOMPARE(csv[6], "0,,Floating point division by zero.");

    // Plotting left the session as it was.
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), result);
    QCOMPARE(window.Session().Memo2().Lines(), memo2);
    QCOMPARE(window.Session().ComputeCount(), 1);
  }

  void formulaErrorsAreReportedAsComputeReportsThem_data() {
    QTest::addColumn<QString>("assign");
    QTest::addColumn<QString>("formula");
    QTest::newRow("parse error") << "x"
                                 << "1/x+";
    QTest::newRow("unknown name") << "x"
                                  << "x*k";
    QTest::newRow("duplicate name") << "x;X"
                                    << "x";
    QTest::newRow("no formula") << "x"
                                << "";
  }
  void formulaErrorsAreReportedAsComputeReportsThem() {
    QFETCH(QString, assign);
    QFETCH(QString, formula);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    control<QLineEdit>(window, "V_Q")->setText(assign);
    ReportCapture reports;
    setFormula(window, formula, 0);
    control<QAction>(window, "plotAction")->trigger();
    auto &plot = *control<PlotWindow>(window, "plotWindow");
    QVERIFY(plot.isVisible());
    QVERIFY(!control<PlotView>(plot, "plotView")->hasPlot());
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(reports.messages.size(), 2);
    QCOMPARE(reports.messages[0], reports.messages[1]);
  }

  void zoomSamplesAfreshAndResets() {
    auto program = startProgram();
    PlotWindow &plot = plotFromMenu(program->mainWindow(), "sqrt(x)", "-4", "4", 101);
    auto &view = *control<PlotView>(plot, "plotView");
    view.resize(600, 400);
    const QPointF middle = view.plotArea().center();
    QWheelEvent wheel(middle, view.mapToGlobal(middle), QPoint(), QPoint(0, 120 * 4),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    QVERIFY(view.viewRight() - view.viewLeft() < 8 / 2.0);
    QCOMPARE(view.samples().points.front().x, view.viewLeft());
    QCOMPARE(view.samples().points.back().x, view.viewRight());

    const QRectF area = view.plotArea();
    QTest::mousePress(&view, Qt::LeftButton, {}, area.topLeft().toPoint() + QPoint(5, 5));
    QTest::mouseMove(&view, area.center().toPoint());
    QTest::mouseRelease(&view, Qt::LeftButton, {}, area.center().toPoint());
    const double zoomed = view.viewRight() - view.viewLeft();
    QVERIFY(zoomed < 8 / 2.0 / 1.9);

    click(control<QAbstractButton>(plot, "resetZoomButton"));
    QCOMPARE(view.viewLeft(), -4.0);
    QCOMPARE(view.viewRight(), 4.0);
    QCOMPARE(view.samples().points.size(), std::size_t(101));
  }

  // The SVG export draws what the PNG export shows: rendered at the same
  // size, the two differ only at the edges of lines and letters, also where
  // hatching fills an undefined stretch or the curve leaves the plot.
  void svgDrawsWhatThePngShows_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("a hatched point") << "1/x"
                                     << "-10"
                                     << "10";
    QTest::newRow("a hatched half") << "ln(x)"
                                    << "-4"
                                    << "4";
    QTest::newRow("branches leaving") << "tan(x)"
                                      << "-10"
                                      << "10";
  }
  void svgDrawsWhatThePngShows() {
    QFETCH(QString, formula);
    QFETCH(QString, from);
    QFETCH(QString, to);
    auto program = startProgram();
    PlotWindow &plot = plotFromMenu(program->mainWindow(), formula, from, to);
    auto &view = *control<PlotView>(plot, "plotView");
    view.resize(640, 400);
    QTemporaryDir dir;
    plot.exportSvg(dir.filePath("plot.svg"));
    plot.exportPng(dir.filePath("plot.png"));
    const QImage png =
        QImage(dir.filePath("plot.png")).convertToFormat(QImage::Format_RGB32);
    QImage svg(png.size(), QImage::Format_RGB32);
    svg.fill(Qt::magenta);
    QPainter painter(&svg);
    QSvgRenderer(dir.filePath("plot.svg"))
        .render(&painter, QRectF(QPointF(0, 0), png.size()));
    painter.end();
    const double differing = shareDiffering(png, svg);
    QVERIFY2(differing < 0.05, qPrintable(QString::number(differing)));
    // Neither draws the curve outside the plot area, where it leaves it.
    const QRect outside = view.plotArea().toAlignedRect().adjusted(-2, -2, 2, 2);
    const QColor curve = view.palette().color(QPalette::Highlight);
    for (const QImage *image : {&png, static_cast<const QImage *>(&svg)})
      for (int y = 0; y < image->height(); ++y)
        for (int x = 0; x < image->width(); ++x) {
          if (!outside.contains(x, y) && near(image->pixelColor(x, y), curve))
            QFAIL(qPrintable(QStringLiteral("curve at %1, %2").arg(x).arg(y)));
        }
  }

  // From and To may be any finite doubles: the plot is drawn without a
  // warning, its ends are labelled with as many digits as tell them apart,
  // the last label is not cut, and the readout in the middle reads the
  // middle.
  void extremeRanges_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("readout"); // how it starts; empty: not checked
    QTest::newRow("both ends of the doubles")
        << "-1.7976931348623157E308"
        << "1.7976931348623157E308" << QStringList{"-1E308", "0", "1E308"} << "(0, ";
    QTest::newRow("-1E308 to 1E308")
        << "-1E308"
        << "1E308" << QStringList{"-1E308", "1E308"} << "(0, ";
    QTest::newRow("0 to 1E308") << "0"
                                << "1E308" << QStringList{"0", "1E308"} << "(5E307, ";
    QTest::newRow("neighbouring doubles")
        << "1"
        << "1.0000000000000002" << QStringList{"1", "1.0000000000000002"} << "";
    QTest::newRow("subnormal") << "1E-320"
                               << "2E-320" << QStringList{"1E-320", "2E-320"} << "";
  }
  void extremeRanges() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, labels);
    QFETCH(QString, readout);
    auto program = startProgram();
    PlotWindow &plot = plotFromMenu(program->mainWindow(), "sin(x)", "-1", "1", 501);
    auto &view = *control<PlotView>(plot, "plotView");
    view.resize(640, 400);
    ReportCapture reports;
    WarningCapture warnings;
    control<QLineEdit>(plot, "fromEdit")->setText(from);
    control<QLineEdit>(plot, "toEdit")->setText(to);
    click(control<QAbstractButton>(plot, "plotButton"));
    QVERIFY(view.hasPlot());
    // Painted with the point under the pointer marked.
    hover(view, view.plotArea().center());
    const QString shown = control<QLabel>(plot, "readoutLabel")->text();
    const QImage image = view.toImage(1);
    QTemporaryDir dir;
    plot.exportSvg(dir.filePath("plot.svg"));
    QCOMPARE(reports.messages, QStringList());
    QCOMPARE(warnings.warnings, QStringList());

    const QStringList texts = svgTexts(dir.filePath("plot.svg"));
    for (const QString &label : labels)
      QVERIFY2(texts.contains(label), qPrintable(label + " not in " + texts.join('|')));
    if (!readout.isEmpty())
      QVERIFY2(shown.startsWith(readout), qPrintable(shown));
    // The labels' row ends inside the picture: its last columns are bare.
    const QColor base = view.palette().color(QPalette::Base);
    const int labelsTop = int(view.plotArea().bottom()) + 5;
    for (int y = labelsTop; y < labelsTop + view.fontMetrics().height(); ++y)
      for (int x = image.width() - 3; x < image.width(); ++x)
        QVERIFY2(near(image.pixelColor(x, y), base), qPrintable(QString::number(y)));
  }

  // tan(x) over -10..10: the curve is not joined across its six poles, and
  // the values beside them do not squash its branches flat; arrowheads
  // show where it leaves the plot.
  void polesAreNotJoined() {
    auto program = startProgram();
    PlotWindow &plot = plotFromMenu(program->mainWindow(), "tan(x)", "-10", "10");
    auto &view = *control<PlotView>(plot, "plotView");
    view.resize(640, 400);
    QVERIFY(view.viewTop() - view.viewBottom() < 200);
    QVERIFY(view.viewTop() > 5 && view.viewBottom() < -5);
    const QImage image = view.toImage(1);
    const QRectF area = view.plotArea();
    const auto xAt = [&](double x) {
      return area.left() +
             (x - view.viewLeft()) / (view.viewRight() - view.viewLeft()) * area.width();
    };
    const QColor curve = view.palette().color(QPalette::Highlight);
    const double pi = std::acos(-1.0);
    for (int k = -3; k <= 2; ++k) {
      const double pole = (k + 0.5) * pi;
      QVERIFY2(shareNear(image, area, xAt(pole), curve) < 0.3,
               qPrintable(QString::number(pole)));
      // Between poles the branch climbs from near the bottom to near the top.
      QVERIFY(shareNear(image, area, xAt(pole + pi / 2), curve) > 0);
    }
    QCOMPARE(view.exitMarks().size(), std::size_t(12));
  }

  // The readout follows the points under a resting pointer: a zoom, and a
  // plot over another variable, change them.
  void readoutFollowsThePoints() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    control<QLineEdit>(window, "V_Q")->setText("x;y");
    PlotWindow &plot = plotFromMenu(window, "x*x+y", "-4", "4", 101);
    auto &view = *control<PlotView>(plot, "plotView");
    view.resize(600, 400);
    auto *readout = control<QLabel>(plot, "readoutLabel");
    const QRectF area = view.plotArea();
    const QPointF at(area.left() + 0.3137 * area.width(), area.center().y());
    hover(view, at);
    const QString before = readout->text();
    QCOMPARE(before, view.readoutAt(at));

    QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, 120 * 4),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    QVERIFY(view.readoutAt(at) != before);
    QCOMPARE(readout->text(), view.readoutAt(at));

    const QString zoomed = readout->text();
    control<QComboBox>(plot, "variableBox")->setCurrentIndex(1); // plots over y
    QVERIFY(view.readoutAt(at) != zoomed);
    QCOMPARE(readout->text(), view.readoutAt(at));
  }

  // A point count Plot cannot take is refused with a message, not replaced
  // by the last one that could.
  void pointCountOutsideItsRangeIsReported_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("1") << "1";
    QTest::newRow("0") << "0";
    QTest::newRow("1000001") << "1000001";
  }
  void pointCountOutsideItsRangeIsReported() {
    QFETCH(QString, typed);
    auto program = startProgram();
    PlotWindow &plot = plotFromMenu(program->mainWindow(), "x", "-1", "1");
    auto *points = control<QSpinBox>(plot, "pointsBox");
    points->setFocus();
    points->selectAll();
    QTest::keyClicks(points, typed);
    ReportCapture reports;
    click(control<QAbstractButton>(plot, "plotButton"));
    QCOMPARE(reports.messages, QStringList{"A plot needs from 2 to 1000000 points."});
    QVERIFY(!control<PlotView>(plot, "plotView")->hasPlot());
  }

  // Opened over a main window near a corner of the screen, the plot window
  // still lies wholly on it.
  void opensWithinTheScreen() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    const QRect available = window.screen()->availableGeometry();
    window.move(available.bottomRight() -
                QPoint(window.width() / 2, window.height() / 2));
    setFormula(window, "x", 0);
    control<QAction>(window, "plotAction")->trigger();
    auto &plot = *control<PlotWindow>(window, "plotWindow");
    QVERIFY(plot.isVisible());
    QVERIFY2(available.contains(plot.frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(plot.frameGeometry().x())
                            .arg(plot.frameGeometry().y())
                            .arg(plot.frameGeometry().width())
                            .arg(plot.frameGeometry().height())));
  }

  // At its smallest the window still shows "auto" whole. Export PNG asks
  // for the picture's size, the size on screen at first; a picture the
  // memory cannot hold is reported.
  void smallestWindowAndExportPng() {
    auto program = startProgram();
    PlotWindow &plot = plotFromMenu(program->mainWindow(), "x", "-1", "1");
    plot.resize(1, 1);
    const auto *yTo = control<QLineEdit>(plot, "yToEdit");
    const int frame = yTo->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    QVERIFY(yTo->fontMetrics().horizontalAdvance("auto") + 2 * frame + 4 <= yTo->width());
    QTemporaryDir dir;
    QSize offered;
    const auto answer = [&](QWidget &modal) {
      if (auto *chooser = qobject_cast<QFileDialog *>(&modal))
        chooser->selectFile(dir.filePath("plot.png"));
      else if (auto *width = control<QSpinBox>(modal, "pngWidthBox")) {
        offered = {width->value(), control<QSpinBox>(modal, "pngHeightBox")->value()};
        QCOMPARE(width->maximum(), PlotWindow::maxPngSide);
        width->setValue(1000);
      }
      static_cast<QDialog &>(modal).accept();
    };
    whenModal("the size of the picture", answer);
    whenModal("the file chooser", answer);
    click(control<QAbstractButton>(plot, "exportPngButton"));
    QCOMPARE(offered,
             control<PlotView>(plot, "plotView")->size() * plot.devicePixelRatio());
    QCOMPARE(QImage(dir.filePath("plot.png")).size(), QSize(1000, offered.height()));
    if (qEnvironmentVariableIsSet("ASAN_OPTIONS"))
      QSKIP("the sanitizer's allocator ends the program instead of failing");
    rlimit before{};
    getrlimit(RLIMIT_AS, &before);
    QFile statm("/proc/self/statm");
    QVERIFY(statm.open(QIODevice::ReadOnly));
    const auto used = statm.readLine().split(' ')[0].toULong() * sysconf(_SC_PAGESIZE);
    const rlimit tight{used + (256ul << 20), before.rlim_max};
    setrlimit(RLIMIT_AS, &tight);
    const auto restore = qScopeGuard([&] { setrlimit(RLIMIT_AS, &before); });
    QString message;
    try {
      plot.exportPng(dir.filePath("huge.png"), QSize(16384, 16384));
    } catch (const EPlotExportError &error) {
      message = error.what();
    }
    QVERIFY2(message.endsWith("is too large for the memory available"),
             qPrintable(message));
  }

  void exportsAnSvgThatParsesAndAPng() {
    auto program = startProgram();
    PlotWindow &plot = plotFromMenu(program->mainWindow(), "ln(x)", "-4", "4");
    QTemporaryDir dir;
    ReportCapture reports;
    plot.exportSvg(dir.filePath("plot.svg"));
    plot.exportPng(dir.filePath("plot.png"));
    QCOMPARE(reports.messages, QStringList());

    const QStringList texts = svgTexts(dir.filePath("plot.svg"));
    QVERIFY2(texts.join(' ').contains("Invalid floating point operation"),
             qPrintable(texts.join('|')));
    QVERIFY(QSvgRenderer(dir.filePath("plot.svg")).isValid());
    QVERIFY(!QImage(dir.filePath("plot.png")).isNull());

    QVERIFY_THROWS_EXCEPTION(EPlotExportError,
                             plot.exportSvg("/nonexistent-folder/plot.svg"));
  }
};

QUORVEX_TEST_MAIN(PlotTest)
#include "plot_test.moc"
