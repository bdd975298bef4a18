#include "session/textposition.h"

#include <gtest/gtest.h>

#include <string>

using namespace quorvex;

// Bytes on the left, the box's UTF-16 positions on the right.
TEST(TextPosition, ByteOffsetsToUtf16Positions) {
  const std::string text = "a\xCE\xB1"
                           "\xE2\x80\x94"
                           "\xF0\x9D\x9C\x8B"
                           "b";
  //                         a  alpha(2)  dash(3)         math pi(4, 2 units)  b
  const struct {
    std::size_t byte, unit;
  } rows[] = {
      {0, 0},  {1, 1}, {3, 2}, {6, 3}, {10, 5}, {11, 6}, {2, 2}, // inside alpha: past it
      {7, 5},  // inside the four-byte character: past both units
      {99, 6}, // past the end
  };
  for (const auto &row : rows)
    EXPECT_EQ(utf16Position(text, row.byte), row.unit) << "byte " << row.byte;
}

// The other way, and many offsets of one text in one pass.
TEST(TextPosition, Utf16PositionsToByteOffsetsAndBack) {
  const std::string text = "a\xCE\xB1"
                           "\xF0\x9D\x9C\x8B"
                           "b";
  const struct {
    std::size_t unit, byte;
  } rows[] = {{0, 0}, {1, 1}, {2, 3}, {3, 7}, {4, 7}, {5, 8}, {9, 8}}; // 3: mid-pi
  Utf16Positions positions(text);
  for (const auto &row : rows) {
    EXPECT_EQ(byteOffset(text, row.unit), row.byte) << "unit " << row.unit;
    EXPECT_EQ(positions.of(row.byte), utf16Position(text, row.byte))
        << "byte " << row.byte;
  }
}
