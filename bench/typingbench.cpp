// What one keystroke in the formula box costs while the completion list
// and the argument hint follow it, at the sizes a user may reach: a
// 50,000-character formula and 5,000 declared variables. The goal, at most
// 5 ms per key, is for the popup and the hint: reading where the caret
// stands, the names that complete, the parentheses, and the two popups
// filled and painted (caretWork, completionPopup, argumentHint). The whole
// key in the started program (keyInTheBox, moveCaret) also counts the line
// edit laying out its 50,000 characters again, which it does with or
// without them. Offscreen; run on its own:
// bench-build/bench/quorvex_typing_bench (make bench builds it).

#include "app/completionpopup.h"
#include "app/formulahint.h"
#include "app/mainwindow.h"
#include "app/program.h"
#include "session/caretcontext.h"
#include "session/formulanames.h"
#include "session/parenthesismarks.h"
#include "session/textposition.h"
#include "session/variablelist.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int variableCount = 5000;
constexpr int formulaLength = 50000;

struct Typing {
  std::unique_ptr<quorvex::QuorvexProgram> program;
  QLineEdit *formula = nullptr;
};

QString assignText() {
  QStringList names;
  for (int i = 0; i < variableCount; ++i)
    names << QStringLiteral("x%1").arg(i);
  return names.join(QLatin1Char(';'));
}

// Ends in a call's second argument, in the name "x" being typed.
QString longFormula() {
  QString text;
  for (int i = 0; text.size() < formulaLength - 20; ++i)
    text += QStringLiteral("x%1+sin(x%2)*power(x%3;(1+pi))-")
                .arg(i % variableCount)
                .arg((i + 1) % variableCount)
                .arg((i + 2) % variableCount);
  return text + QStringLiteral("power(x1;(1+x");
}

Typing &typing() {
  static Typing state = [] {
    Typing made;
    made.program = std::make_unique<quorvex::QuorvexProgram>();
    made.program->show();
    QWidget &window = made.program->mainWindow();
    QApplication::setActiveWindow(&window);
    auto *assign = window.findChild<QLineEdit *>(QStringLiteral("V_Q"));
    assign->setFocus();
    assign->setText(assignText());
    made.formula = window.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    made.formula->setFocus(); // leaving the Assign box applies the list
    made.formula->setText(longFormula());
    QCoreApplication::processEvents();
    return made;
  }();
  return state;
}

void press(QWidget *target, int key, const QString &text = {},
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &down);
  QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &up);
  QCoreApplication::processEvents();
}

// A digit typed into the variable's name at the end, then taken back: each
// key narrows or widens the list of the 5,000 variables that match "x"
// and keeps the hint of power's second argument.
void keyInTheBox(benchmark::State &state) {
  Typing &t = typing();
  t.formula->end(false);
  bool typed = false;
  for (auto _ : state) {
    if (typed)
      press(t.formula, Qt::Key_Backspace);
    else
      press(t.formula, Qt::Key_1, QStringLiteral("1"));
    typed = !typed;
  }
  state.counters["formula_chars"] = double(t.formula->text().size());
}
BENCHMARK(keyInTheBox)->Unit(benchmark::kMillisecond)->UseRealTime();

// The caret moved left and right inside the call: the hint and the
// parentheses follow it, the list closes and stays closed.
void moveCaret(benchmark::State &state) {
  Typing &t = typing();
  t.formula->end(false);
  press(t.formula, Qt::Key_Escape);
  bool left = false;
  for (auto _ : state) {
    press(t.formula, left ? Qt::Key_Right : Qt::Key_Left);
    left = !left;
  }
}
BENCHMARK(moveCaret)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the box's assistant works out on each key, without the toolkit:
// the caret's byte, its name and call, the parentheses, and the names
// that complete "x1" (1,111 of the variables).
void caretWork(benchmark::State &state) {
  const std::string formula = longFormula().toStdString() + "1";
  const std::string assign = assignText().toStdString();
  quorvex::TVariableList list;
  list.Assign(assign);
  quorvex::FormulaNames names;
  names.setVariables(list);
  const auto caret = std::size_t(formula.size());
  std::size_t found = 0;
  for (auto _ : state) {
    const std::size_t byte =
        quorvex::byteOffset(formula, quorvex::utf16Position(formula, caret));
    const quorvex::CaretContext context = quorvex::caretContext(formula, byte, names);
    const quorvex::ParenthesisMarks marks = quorvex::parenthesisMarks(formula, byte);
    const auto completions =
        names.completions(std::string_view(formula).substr(context.name->offset));
    found = completions.size() + marks.unmatched.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["completions"] = double(found);
}
BENCHMARK(caretWork)->Unit(benchmark::kMillisecond);

// The completion list filled with every variable and name and painted.
void completionPopup(benchmark::State &state) {
  QWidget &window = typing().program->mainWindow();
  quorvex::TVariableList list;
  list.Assign(assignText().toStdString());
  quorvex::FormulaNames names;
  names.setVariables(list);
  quorvex::CompletionPopup popup(&window);
  const auto all = names.completions("");
  for (auto _ : state) {
    popup.setNames(all, [](std::size_t) { return QStringLiteral("2"); });
    popup.showAt(window.mapToGlobal(QPoint(60, 50)));
    QCoreApplication::processEvents();
  }
  state.counters["lines"] = double(all.size());
}
BENCHMARK(completionPopup)->Unit(benchmark::kMillisecond);

// The hint of a call's argument, another argument each time, painted.
void argumentHint(benchmark::State &state) {
  QWidget &window = typing().program->mainWindow();
  quorvex::FormulaHint hint(&window);
  int argument = 0;
  for (auto _ : state) {
    argument = 1 - argument;
    hint.showText(QStringLiteral("power(x; <b>z</b>)<br>Domain: x &gt; 0; argument %1")
                      .arg(argument),
                  QStringLiteral("power(x; z), argument %1").arg(argument),
                  window.mapToGlobal(QPoint(60, 50)), 376);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(argumentHint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
