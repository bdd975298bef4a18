#include "childprocess.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace quorvex::bench {

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<char *> pointers(std::vector<std::string> &texts) {
  std::vector<char *> result;
  result.reserve(texts.size() + 1);
  for (std::string &text : texts)
    result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

} // namespace

ChildRun runChild(const std::vector<std::string> &arguments,
                  const std::vector<std::string> &environment,
                  const std::string &stdinPath) {
  std::vector<std::string> argv = arguments;
  std::vector<std::string> envp;
  for (char **e = environ; *e != nullptr; ++e)
    envp.emplace_back(*e);
  envp.insert(envp.end(), environment.begin(), environment.end());
  std::vector<char *> argvPointers = pointers(argv);
  std::vector<char *> envPointers = pointers(envp);

  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO,
                                   stdinPath.empty() ? "/dev/null" : stdinPath.c_str(),
                                   O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);

  ChildRun run;
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argvPointers[0], &actions, nullptr,
                                  argvPointers.data(), envPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    throw std::runtime_error("cannot start " + arguments.front());
  }
  bool sawLine = false;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
    if (n <= 0)
      break;
    if (!sawLine) {
      for (ssize_t i = 0; i < n; ++i)
        if (buffer[i] == '\n') {
          run.firstLineSeconds = secondsSince(start);
          sawLine = true;
          break;
        }
    }
    run.output.append(buffer, static_cast<std::size_t>(n));
  }
  close(pipeEnds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  run.totalSeconds = secondsSince(start);
  if (!sawLine)
    run.firstLineSeconds = run.totalSeconds;
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string runtimeDirectory() {
  static char name[] = "/tmp/quorvex-bench-runtime-XXXXXX";
  static const bool made = [] {
    if (mkdtemp(name) == nullptr)
      return false;
    std::atexit([] { std::filesystem::remove_all(name); });
    return true;
  }();
  return made ? std::string(name) : std::string("/tmp");
}

} // namespace quorvex::bench
