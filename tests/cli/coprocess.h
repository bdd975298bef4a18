#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A program driven the way other programs drive quorvex-eval: its standard
// input and output are pipes, written and read while it runs. The test
// process ignores SIGPIPE while one exists, so a child that dies early fails
// the test instead of killing it.
class CoProcess {
public:
  CoProcess(const std::string &program, const std::vector<std::string> &args);
  ~CoProcess(); // closes both pipes and reaps the child
  CoProcess(const CoProcess &) = delete;
  CoProcess &operator=(const CoProcess &) = delete;

  bool write(const std::string &text);
  // The next line without its "\n", or none when the child closed its output
  // or sent no complete line within the timeout.
  std::optional<std::string> readLine(std::chrono::milliseconds timeout);
  void closeInput();
  // Closes the input and waits for the exit status (-1: no normal exit).
  int wait();
  pid_t pid() const noexcept { return pid_; }

private:
  pid_t pid_ = -1;
  int in_ = -1;  // the child's standard input, our end
  int out_ = -1; // the child's standard output, our end
  std::string pending_;
  void (*savedPipeHandler_)(int) = nullptr;
};
