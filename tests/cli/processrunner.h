#pragma once

#include <string>
#include <vector>

// Runs a program with the given arguments, environment and standard input,
// and collects its exit status and both output streams. Files rather than
// pipes carry the streams, so a large output can never deadlock the test.
struct ProcessResult {
  int status = -1; // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProcessResult runProcess(const std::string &program, const std::vector<std::string> &args,
                         const std::string &input,
                         const std::vector<std::string> &environment);

// This process's environment (sanitizer options included) without its
// locale settings, and LC_ALL=locale instead.
std::vector<std::string> environmentWithLocale(const std::string &locale);
