#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text the application's error report shows for an error message: the
// message with "." appended when it is not empty and its last character has
// a higher code than "." (so it ends with a full stop after a letter, digit
// or ":" but not after ".", "'", ")" or a blank). Bytes compare unsigned, so
// a message ending in a UTF-8 sequence gets its full stop too.

namespace quorvex {

std::string withFullStop(std::string_view message);

// A message template with each "%1" to "%9" replaced by that argument, in
// one pass, so that an argument holding "%2" stays as it is; a number with
// no argument stays as written.
std::string fillMessage(std::string_view source,
                        const std::vector<std::string> &arguments);

} // namespace quorvex
