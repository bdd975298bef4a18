// The plot window as the user opens it from Tools > Plot...: the curve's
// gaps, the error report, zooming, exports and the table.

#include "apptest.h"

#include "app/plotview.h"
#include "app/plotwindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QXmlStreamReader>

using namespace quorvex;
using namespace quorvex::test;

namespace {

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
double shareNear(const QImage &image, const QRectF &area, double x, const QColor &colour) {
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
    const auto memo2 = window.session().Memo2().Lines();

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
      return area.left() + (x - view.viewLeft()) / (view.viewRight() - view.viewLeft()) *
                               area.width();
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
    QCOMPARE(window.session().Memo2().Lines(), memo2);
    QCOMPARE(window.session().ComputeCount(), 1);
  }

  void formulaErrorsAreReportedAsComputeReportsThem_data() {
    QTest::addColumn<QString>("assign");
    QTest::addColumn<QString>("formula");
    QTest::newRow("parse error") << "x" << "1/x+";
    QTest::newRow("unknown name") << "x" << "x*k";
    QTest::newRow("duplicate name") << "x;X" << "x";
    QTest::newRow("no formula") << "x" << "";
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

  void exportsAnSvgThatParsesAndAPng() {
    auto program = startProgram();
    PlotWindow &plot = plotFromMenu(program->mainWindow(), "ln(x)", "-4", "4");
    QTemporaryDir dir;
    ReportCapture reports;
    plot.exportSvg(dir.filePath("plot.svg"));
    plot.exportPng(dir.filePath("plot.png"));
    QCOMPARE(reports.messages, QStringList());

    QFile svg(dir.filePath("plot.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QStringList texts;
    while (!xml.atEnd())
      if (xml.readNext() == QXmlStreamReader::Characters)
        texts.append(xml.text().toString());
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(texts.join(' ').contains("Invalid floating point operation"));
    QVERIFY(QSvgRenderer(dir.filePath("plot.svg")).isValid());
    QVERIFY(!QImage(dir.filePath("plot.png")).isNull());

    QVERIFY_THROWS_EXCEPTION(EPlotExportError,
                             plot.exportSvg("/nonexistent-folder/plot.svg"));
  }
};

QUORVEX_TEST_MAIN(PlotTest)
#include "tst_plot.moc"
