#pragma once

#include "engine/errors.h"

#include <cstddef>
#include <string>
#include <string_view>

// Whole files read and written for the user, on the user's request only.
// Writing never leaves a half-written file behind: the bytes go to a new
// file beside the target, which replaces the target only once it is
// complete and on the disk, so a full disk, a crash or a failed write leave
// whatever was there before as it was.

namespace quorvex {

class EFileError final : public Exception {
public:
  enum class Problem {
    System,   // the system's own reason, systemError()
    NotAFile, // a folder, a device or a pipe
    ReadOnly, // a file without write permission, which saving never replaces
  };
  EFileError(Problem problem, int systemError);

  Problem problem() const noexcept { return problem_; }
  int systemError() const noexcept { return systemError_; }

private:
  Problem problem_;
  int systemError_;
};

// The file's first bytes, at most maxBytes of them, so that a file far too
// large for its purpose is never read whole. Throws EFileError.
std::string readFileStart(const std::string &path, std::size_t maxBytes);

// Makes bytes the contents of the file at path, creating it if need be. A
// symbolic link is followed to the file it names, which is replaced in its
// own folder; a replaced file keeps its permissions. A file without write
// permission is refused. Throws EFileError.
void replaceFile(const std::string &path, std::string_view bytes);

} // namespace quorvex
