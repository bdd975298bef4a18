#include "blockread.h"

#include <cerrno>
#include <unistd.h>

namespace quorvex {

ssize_t readBlock(int fd, std::string &buffer, std::size_t &start,
                  std::size_t blockSize) {
  buffer.erase(0, start);
  start = 0;
  const std::size_t used = buffer.size();
  buffer.resize(used + blockSize);
  ssize_t n;
  do {
    n = ::read(fd, buffer.data() + used, blockSize);
  } while (n < 0 && errno == EINTR);
  buffer.resize(used + static_cast<std::size_t>(n > 0 ? n : 0));
  return n;
}

} // namespace quorvex
