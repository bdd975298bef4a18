#pragma once

#include "mathlib/catalogue.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

// Random formulas of the whole language over the variables x, y and z:
// numbers from tiny to huge, the constants and functions of the standard
// context, the four operators, prefix signs, the six comparisons and
// parentheses, nested to a given depth; and values for the variables that
// make the arithmetic and the routines fault now and then. Every choice is
// pick(n), a number below n, so that a seeded random engine (the tests) or
// a fuzzer's bytes (the fuzz targets) can drive it; a pick that always
// answers 0 ends the formula early.

namespace quorvex::fuzz {

template <class Pick> class FormulaGenerator {
public:
  explicit FormulaGenerator(Pick &pick) : pick_(pick) {}

  // With routines false, plain arithmetic and comparisons only: formulas
  // whose rows mostly compute, where those with routines mostly fault.
  std::string formula(int depth, bool routines = true) {
    routines_ = routines;
    std::string text;
    expression(depth, text);
    return text;
  }

  // A value for a variable: mostly a moderate one, now and then one that is
  // zero, huge, tiny, not finite, or outside a routine's domain.
  double value() {
    static constexpr double special[] = {0.0,
                                         -0.0,
                                         1.0,
                                         -1.0,
                                         0.5,
                                         2.0,
                                         -3.0,
                                         1e-300,
                                         1e300,
                                         std::numeric_limits<double>::max(),
                                         std::numeric_limits<double>::denorm_min(),
                                         710.0,
                                         1e10,
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity(),
                                         std::numeric_limits<double>::quiet_NaN()};
    constexpr unsigned count = sizeof special / sizeof special[0];
    const unsigned choice = pick_(4 * count);
    if (choice < count)
      return special[choice];
    // Otherwise a moderate value with a few significant bits.
    const double mantissa = static_cast<double>(pick_(2001)) - 1000.0;
    return std::ldexp(mantissa, static_cast<int>(pick_(21)) - 13);
  }

private:
  // Variables most often, then everyday numbers; named constants and
  // numbers at the ends of the doubles' range now and then.
  void leaf(std::string &text) {
    static constexpr std::string_view everyday[] = {"0",  "1",    "2", "0.5",
                                                    "10", "3.25", "7", "0.25"};
    static constexpr std::string_view extreme[] = {"1E200", "1E-200", "1E308", "4.9E-324",
                                                   "710"};
    const unsigned choice = pick_(8);
    if (choice < 4) {
      text += "xyz"[pick_(3)];
    } else if (choice == 4) {
      const auto constants = catalogueConstants();
      text += constants[pick_(static_cast<unsigned>(constants.size()))].name;
    } else if (choice < 7) {
      text += everyday[pick_(sizeof everyday / sizeof everyday[0])];
    } else {
      text += extreme[pick_(sizeof extreme / sizeof extreme[0])];
    }
  }

  void expression(int depth, std::string &text) {
    if (depth <= 0) {
      leaf(text);
      return;
    }
    static constexpr std::string_view operators[] = {"+", "-", "*", "/"};
    static constexpr std::string_view comparisons[] = {"<", ">", "=", "<>", "<=", ">="};
    unsigned choice = pick_(8);
    if (!routines_ && choice >= 6)
      choice -= 5;
    switch (choice) {
    case 0:
      leaf(text);
      break;
    case 1:
    case 2: // an operator, its operands bound as the grammar binds them
      expression(depth - 1, text);
      text += operators[pick_(4)];
      expression(depth - 1, text);
      break;
    case 3:
      text += '(';
      expression(depth - 1, text);
      text += operators[pick_(4)];
      expression(depth - 1, text);
      text += ')';
      break;
    case 4:
      text += '(';
      expression(depth - 1, text);
      text += comparisons[pick_(6)];
      expression(depth - 1, text);
      text += ')';
      break;
    case 5:
      text += "-+"[pick_(2)];
      expression(depth - 1, text);
      break;
    default: {
      const auto functions = catalogueFunctions();
      const CatalogueFunction &function =
          functions[pick_(static_cast<unsigned>(functions.size()))];
      text += function.name;
      text += '(';
      expression(depth - 1, text);
      if (function.argumentCount() == 2) {
        text += ';';
        expression(depth - 1, text);
      }
      text += ')';
      break;
    }
    }
  }

  Pick &pick_;
  bool routines_ = true;
};

} // namespace quorvex::fuzz
