#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// The block reading under the tool's line and CSV readers: input arrives in
// large blocks, and the part of the buffer not yet handed out moves to the
// front first, so the buffer grows only with the longest line or record.

namespace quorvex {

// Drops buffer's first start bytes (setting start to 0), then appends up to
// blockSize bytes read from fd, retrying when interrupted. Returns the count
// read: 0 at the end of the input, -1 on a read error.
ssize_t readBlock(int fd, std::string &buffer, std::size_t &start, std::size_t blockSize);

} // namespace quorvex
