#include "cli/bufferedoutput.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

using namespace quorvex;

namespace {

// What the pipe holds now; its read end does not wait.
std::string pending(int fd) {
  std::string text;
  char buffer[256];
  ssize_t n = 0;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
    text.append(buffer, static_cast<std::size_t>(n));
  EXPECT_TRUE(n < 0 && errno == EAGAIN);
  return text;
}

} // namespace

// A batch run writes a line per formula: they go out together, when a block
// is full or at a flush, which reports whether every write succeeded.
TEST(BufferedOutput, HoldsWritesUntilAFlush) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ASSERT_EQ(::fcntl(fds[0], F_SETFL, O_NONBLOCK), 0);
  {
    BufferedOutput out(fds[1]);
    out.write('7');
    EXPECT_EQ(pending(fds[0]), "");
    EXPECT_TRUE(out.flush());
    EXPECT_EQ(pending(fds[0]), "7");
    out.write("1+1=");
    out.write('2');
    out.write("\n");
    EXPECT_EQ(pending(fds[0]), "");
    EXPECT_TRUE(out.flush());
    EXPECT_FALSE(out.failed());
    EXPECT_EQ(pending(fds[0]), "1+1=2\n");
  }
  ::close(fds[0]);
  ::close(fds[1]);
}
