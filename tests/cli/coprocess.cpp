#include "coprocess.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

CoProcess::CoProcess(const std::string &program, const std::vector<std::string> &args)
    : savedPipeHandler_(std::signal(SIGPIPE, SIG_IGN)) {
  int toChild[2], fromChild[2];
  if (::pipe(toChild) != 0)
    throw std::runtime_error("pipe failed");
  if (::pipe(fromChild) != 0) {
    ::close(toChild[0]);
    ::close(toChild[1]);
    throw std::runtime_error("pipe failed");
  }
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char *> pointers;
  pointers.reserve(argv.size() + 1);
  for (std::string &a : argv)
    pointers.push_back(a.data());
  pointers.push_back(nullptr);

  pid_ = ::fork();
  if (pid_ == 0) {
    if (::dup2(toChild[0], 0) < 0 || ::dup2(fromChild[1], 1) < 0)
      ::_exit(127);
    for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]})
      ::close(fd);
    ::execve(program.c_str(), pointers.data(), environ);
    ::_exit(127);
  }
  ::close(toChild[0]);
  ::close(fromChild[1]);
  in_ = toChild[1];
  out_ = fromChild[0];
  if (pid_ < 0) {
    closeInput();
    ::close(out_);
    throw std::runtime_error("fork failed");
  }
}

CoProcess::~CoProcess() {
  wait();
  if (out_ >= 0)
    ::close(out_);
  std::signal(SIGPIPE, savedPipeHandler_);
}

bool CoProcess::write(const std::string &text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(in_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::optional<std::string> CoProcess::readLine(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0)
      return std::nullopt;
    pollfd p{out_, POLLIN, 0};
    const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR)
      continue;
    if (ready <= 0)
      return std::nullopt;
    char buffer[4096];
    const ssize_t n = ::read(out_, buffer, sizeof buffer);
    if (n <= 0)
      return std::nullopt;
    pending_.append(buffer, static_cast<std::size_t>(n));
  }
}

void CoProcess::closeInput() {
  if (in_ >= 0)
    ::close(in_);
  in_ = -1;
}

int CoProcess::wait() {
  closeInput();
  if (pid_ <= 0)
    return -1;
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0) {
    if (errno != EINTR) {
      pid_ = -1;
      return -1;
    }
  }
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
