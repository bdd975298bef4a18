#include "textlog.h"

#include "engine/errors.h"

namespace quorvex {

void TTextLog::Clear() noexcept {
  // Keeps the capacity: Memo1 is cleared and refilled on every Compute.
  buffer_.clear();
  starts_.clear();
}

void TTextLog::Append(std::initializer_list<std::string_view> parts) {
  starts_.push_back(buffer_.size());
  for (std::string_view part : parts)
    buffer_.append(part);
  buffer_.push_back('\n');
}

std::string_view TTextLog::Line(std::size_t i) const {
  QV_ASSERT(i < starts_.size(), "Log line index out of range");
  const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : buffer_.size();
  return std::string_view(buffer_).substr(starts_[i], end - starts_[i] - 1);
}

std::vector<std::string> TTextLog::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(Count());
  for (std::size_t i = 0; i < Count(); ++i)
    lines.emplace_back(Line(i));
  return lines;
}

void TTextLog::Truncate(std::size_t count) noexcept {
  if (count >= starts_.size())
    return;
  buffer_.resize(starts_[count]);
  starts_.resize(count);
}

} // namespace quorvex
