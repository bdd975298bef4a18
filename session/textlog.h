#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// One of the main window's hidden logs (Memo1, Memo2): an ordered list of
// text lines. Lines live in one buffer, each followed by "\n", so a long
// batch session costs one allocation per many records rather than one per
// line, and the whole log can be handed to a view or a stream in one piece.
//
// A "line" is whatever was appended as one: a formula that itself contains a
// line break stays one line here although Text() then shows it on two.

namespace quorvex {

class TTextLog {
public:
  void Clear() noexcept;
  // Appends one line made of the parts joined without separators.
  void Append(std::initializer_list<std::string_view> parts);

  std::size_t Count() const noexcept { return starts_.size(); }
  bool Empty() const noexcept { return starts_.empty(); }
  // Line i without its "\n". Asserts i < Count().
  std::string_view Line(std::size_t i) const;
  std::vector<std::string> Lines() const;
  // Every line followed by "\n"; empty for an empty log.
  std::string_view Text() const noexcept { return buffer_; }

  // Drops the lines from index count on (no-op if there are fewer). Lets a
  // caller undo a partly written record.
  void Truncate(std::size_t count) noexcept;

private:
  std::string buffer_;
  std::vector<std::size_t> starts_; // offset of each line in buffer_
};

} // namespace quorvex
