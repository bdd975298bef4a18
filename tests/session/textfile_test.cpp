#include "session/textfile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace quorvex;
namespace fs = std::filesystem;

namespace {

class TextFile : public testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/quorvex-textfile-XXXXXX";
    folder_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string path(const char *name) const { return (folder_ / name).string(); }
  static std::string contents(const std::string &path) { return readFileStart(path, 99); }
  static EFileError::Problem refusal(const std::string &path, bool reading = false) {
    try {
      reading ? (void)readFileStart(path, 10) : replaceFile(path, "new");
    } catch (const EFileError &e) {
      return e.problem();
    }
    ADD_FAILURE() << path;
    return EFileError::Problem::System;
  }
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

} // namespace

TEST_F(TextFile, AFailedWriteLeavesTheOldFileAndNoTemporaryOne) {
  replaceFile(path("sheet"), "old");
  ASSERT_EQ(chmod(path("sheet").c_str(), 0640), 0);
  // A file size limit fails the write part-way, as a full disk would.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 4;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_THROW(replaceFile(path("sheet"), "longer than four bytes"), EFileError);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(contents(path("sheet")), "old");
  EXPECT_EQ(entries(), 1u);

  replaceFile(path("sheet"), "new");
  EXPECT_EQ(contents(path("sheet")), "new");
  EXPECT_EQ(fs::status(path("sheet")).permissions(), fs::perms(0640));
  EXPECT_EQ(readFileStart(path("sheet"), 2), "ne");
}

TEST_F(TextFile, ALinkIsWrittenThroughToTheFileItNames) {
  fs::create_directory(folder_ / "real");
  fs::create_symlink("real/sheet", folder_ / "link");
  replaceFile(path("link"), "made"); // the link named no file yet
  replaceFile(path("link"), "replaced");
  EXPECT_TRUE(fs::is_symlink(folder_ / "link"));
  EXPECT_EQ(contents(path("real/sheet")), "replaced");
  EXPECT_EQ(entries(), 2u);
}

TEST_F(TextFile, WhatIsNotAWritableFileIsRefused) {
  replaceFile(path("kept"), "old");
  ASSERT_EQ(chmod(path("kept").c_str(), 0444), 0);
  EXPECT_EQ(refusal(path("kept")), EFileError::Problem::ReadOnly);
  EXPECT_EQ(contents(path("kept")), "old");
  EXPECT_EQ(refusal(folder_.string()), EFileError::Problem::NotAFile);
  EXPECT_EQ(refusal(folder_.string(), true), EFileError::Problem::NotAFile);
  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
  EXPECT_EQ(refusal(path("pipe"), true), EFileError::Problem::NotAFile); // not waiting
  EXPECT_EQ(refusal(path("none/sheet")), EFileError::Problem::System);
  EXPECT_EQ(refusal(path("none"), true), EFileError::Problem::System);
}
