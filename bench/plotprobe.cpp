// Times what one plot costs the plot window, F4 at 10,000 points: the
// evaluation, and the painting of the result into an image the size of a
// large plot window (at 1x and 2x device pixels), each the median of 21
// runs in process CPU time (all threads), which a busy neighbour on the
// machine disturbs less than the wall clock. Prints "evaluate_ms", "draw_ms",
// "draw_2x_ms" and "total_ms" lines for quorvex_bench, which reads them.

#include "app/plotview.h"
#include "session/plotsampling.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

template <class Work> double medianMs(Work &&work) {
  std::vector<double> times;
  for (int i = 0; i < 21; ++i) {
    const double start = cpuMs();
    work();
    times.push_back(cpuMs() - start);
  }
  std::nth_element(times.begin(), times.begin() + 10, times.end());
  return times[10];
}

} // namespace

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  using namespace quorvex;
  const FormulaOnScreen screen{"sin(x)*cos(y) + sqrt(square(x)+square(y)) - arctan2(y;x)",
                               {"x", "y"},
                               {"0.7", "1.3"}};
  const auto evaluator = plotEvaluator(screen, 0);
  constexpr int points = 10000;
  PlotSamples samples;
  const double evaluate =
      medianMs([&] { samples = samplePlot(*evaluator, 0, -10, 10, points); });

  PlotView view;
  view.resize(1000, 640);
  view.setPlot(samples, QStringLiteral("x"), screen.formula, {});
  auto drawAt = [&](qreal ratio) {
    QImage image(view.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return medianMs([&] {
      QPainter painter(&image);
      view.paintPlot(painter, QRectF(QPointF(0, 0), QSizeF(view.size())));
    });
  };
  const double draw = drawAt(1);
  const double draw2x = drawAt(2);
  std::printf("evaluate_ms %.3f\ndraw_ms %.3f\ndraw_2x_ms %.3f\ntotal_ms %.3f\n",
              evaluate, draw, draw2x, evaluate + std::max(draw, draw2x));
  return 0;
}
