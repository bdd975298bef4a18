#pragma once

#include <string>
#include <vector>

// Runs another program of the build as a child process and times it from the
// parent's side, so that start-up costs (loading, linking) are counted.

namespace quorvex::bench {

struct ChildRun {
  double firstLineSeconds = 0; // until the child's first line of output
  double totalSeconds = 0;     // until the child has exited
  std::string output;          // everything it wrote to stdout
  int exitStatus = -1;         // -1 when it did not exit normally
};

// environment: extra "NAME=value" entries on top of this process's own.
// stdinPath: a file for the child's standard input; empty for /dev/null.
// Throws std::runtime_error when the child cannot be started.
ChildRun runChild(const std::vector<std::string> &arguments,
                  const std::vector<std::string> &environment,
                  const std::string &stdinPath);

// A private runtime directory for the toolkit's children, made on first use
// and removed at exit: Qt complains on every start without one, and a fresh
// one keeps the table's output clean.
std::string runtimeDirectory();

} // namespace quorvex::bench
