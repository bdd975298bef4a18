#include "session/resultformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace quorvex;

namespace {

struct FormatCase {
  double value;
  const char *point; // with "." as separator
  const char *comma; // with ","
};

const FormatCase formatCases[] = {
    {5.66336, "5.66336", "5,66336"},
    {100, "100", "100"},
    {0.0005, "0.0005", "0,0005"},
    {0.00005, "5E-5", "5E-5"},
    {1.0 / 3.0, "0.333333333333333", "0,333333333333333"},
    {1e15, "1E15", "1E15"},
    {1.5e-20, "1.5E-20", "1,5E-20"},
    {-2.5, "-2.5", "-2,5"},
    {0.0001, "0.0001", "0,0001"},
    {1e-5, "1E-5", "1E-5"},
    {123.456, "123.456", "123,456"},
    {1e14, "100000000000000", "100000000000000"},
    {999999999999999, "999999999999999", "999999999999999"},
    // 16 digits: rounded to 15, so scientific although below 1E15 exactly.
    {1234567890123456, "1.23456789012346E15", "1,23456789012346E15"},
    // A 16th digit of 5 rounds up, not to even.
    {1234567890123465, "1.23456789012347E15", "1,23456789012347E15"},
    // Rounding carries out of the first digit and into the next decade.
    {999999999999999.5, "1E15", "1E15"},
    {0.00009999999999999999, "0.0001", "0,0001"},
    {-0.9999999999999999, "-1", "-1"},
    // Rounding carries into the first digit but not out of it.
    {0.3, "0.3", "0,3"},
    {0.7, "0.7", "0,7"},
    {1.9999999999999998, "2", "2"},
    {1.5e300, "1.5E300", "1,5E300"},
    {-1e-300, "-1E-300", "-1E-300"},
    {std::numeric_limits<double>::max(), "1.79769313486232E308", "1,79769313486232E308"},
    {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324",
     "4,94065645841247E-324"},
    {0.0, "0", "0"},
    {-0.0, "0", "0"},
    {std::numeric_limits<double>::infinity(), "INF", "INF"},
    {-std::numeric_limits<double>::infinity(), "-INF", "-INF"},
    {std::numeric_limits<double>::quiet_NaN(), "NAN", "NAN"},
    {-std::numeric_limits<double>::quiet_NaN(), "-NAN", "-NAN"},
};

} // namespace

TEST(ResultFormat, ExamplesWithPointAndComma) {
  for (const FormatCase &c : formatCases) {
    SCOPED_TRACE(c.point);
    EXPECT_EQ(formatResult(c.value, '.'), c.point);
    EXPECT_EQ(formatResult(c.value, ','), c.comma);
  }
}

TEST(ResultFormat, ReusedBufferIsReplacedNotAppended) {
  std::string out = "left over text";
  formatResult(2, '.', out);
  EXPECT_EQ(out, "2");
  formatResult(std::numeric_limits<double>::infinity(), '.', out);
  EXPECT_EQ(out, "INF");
}

TEST(ResultFormat, RoundTripTextReadsBackAsTheSameDouble) {
  const double values[] = {
      0.1,       1.0 / 3.0, 5.66336,       1e300,
      -2.5e-310, 1e15,      123456789.125, std::numeric_limits<double>::max()};
  for (double v : values) {
    const std::string text = formatRoundTrip(v);
    SCOPED_TRACE(text);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), v);
    EXPECT_EQ(text.find(','), std::string::npos);
  }
  EXPECT_EQ(formatRoundTrip(0.1), "0.1");
  EXPECT_EQ(formatRoundTrip(-0.0), "-0");
  EXPECT_EQ(formatRoundTrip(std::numeric_limits<double>::infinity()), "INF");
}
