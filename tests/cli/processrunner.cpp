#include "processrunner.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A file in the temporary directory, removed when it goes out of scope.
class TempFile {
public:
  TempFile() {
    const char *dir = std::getenv("TMPDIR");
    path_ = std::string(dir && *dir ? dir : "/tmp") + "/quorvex-cli-XXXXXX";
    const int fd = ::mkstemp(path_.data());
    if (fd < 0)
      throw std::runtime_error("mkstemp failed");
    ::close(fd);
  }
  ~TempFile() { std::remove(path_.c_str()); }
  TempFile(const TempFile &) = delete;
  TempFile &operator=(const TempFile &) = delete;

  const std::string &path() const { return path_; }
  std::string read() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void write(const std::string &text) const {
    std::ofstream(path_, std::ios::binary) << text;
  }

private:
  std::string path_;
};

std::vector<char *> pointers(std::vector<std::string> &texts) {
  std::vector<char *> result;
  result.reserve(texts.size() + 1);
  for (std::string &t : texts)
    result.push_back(t.data());
  result.push_back(nullptr);
  return result;
}

} // namespace

ProcessResult runProcess(const std::string &program, const std::vector<std::string> &args,
                         const std::string &input,
                         const std::vector<std::string> &environment) {
  TempFile in, out, err;
  in.write(input);
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> envp = environment;
  auto argvPtrs = pointers(argv);
  auto envpPtrs = pointers(envp);

  const pid_t pid = ::fork();
  if (pid < 0)
    throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int inFd = ::open(in.path().c_str(), O_RDONLY);
    const int outFd = ::open(out.path().c_str(), O_WRONLY | O_TRUNC);
    const int errFd = ::open(err.path().c_str(), O_WRONLY | O_TRUNC);
    if (inFd < 0 || outFd < 0 || errFd < 0 || ::dup2(inFd, 0) < 0 ||
        ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0)
      ::_exit(127);
    ::execve(program.c_str(), argvPtrs.data(), envpPtrs.data());
    ::_exit(127);
  }
  int wstatus = 0;
  while (::waitpid(pid, &wstatus, 0) < 0) {
    if (errno != EINTR)
      throw std::runtime_error("waitpid failed");
  }
  ProcessResult result;
  result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  result.out = out.read();
  result.err = err.read();
  return result;
}

std::vector<std::string> environmentWithLocale(const std::string &locale) {
  std::vector<std::string> env;
  for (char **e = environ; *e != nullptr; ++e) {
    const std::string_view entry(*e);
    if (!entry.starts_with("LC_") && !entry.starts_with("LANG"))
      env.emplace_back(entry);
  }
  env.push_back("LC_ALL=" + locale);
  return env;
}
