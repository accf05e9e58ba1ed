// The recording's file: appended line by line (so a pipe takes it), locked
// against a second recorder, and cut back to its last whole line when a
// write fails.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/sdl/file_recording.h"

namespace vantorix::sdl {
namespace {

std::string temporaryPath(const char* name) {
  return (std::filesystem::temp_directory_path() /
          (std::string(name) + "." + std::to_string(::getpid()) + ".sim"))
      .string();
}

std::string contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(SdlFileRecording, AFileBeingRecordedIsLockedAgainstASecondRecorder) {
  const std::string path = temporaryPath("locked");
  std::string error;
  {
    FileRecording first;
    ASSERT_TRUE(first.open(path, error)) << error;
    EXPECT_TRUE(first.addLine("tick 3"));
    FileRecording second;
    EXPECT_FALSE(second.open(path, error));
    EXPECT_EQ(error,
              "vantorix: cannot record into " + path + ": another program is recording into it");
    EXPECT_TRUE(first.addLine("key left"));
    EXPECT_EQ(contents(path), "tick 3\nkey left\n") << "the refused one cut nothing";
  }
  FileRecording again;
  EXPECT_TRUE(again.open(path, error)) << "free once the first has ended";
  EXPECT_EQ(contents(path), "");
  std::filesystem::remove(path);
}

TEST(SdlFileRecording, WritesIntoAPipe) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  std::string error;
  {
    FileRecording piped;
    ASSERT_TRUE(piped.open("/dev/fd/" + std::to_string(ends[1]), error)) << error;
    EXPECT_TRUE(piped.addLine("tick 64"));
    EXPECT_TRUE(piped.addLine("digest"));
  }
  ::close(ends[1]);
  char read[64] = {};
  EXPECT_EQ(::read(ends[0], read, sizeof read), 15);
  EXPECT_STREQ(read, "tick 64\ndigest\n");
  ::close(ends[0]);
}

TEST(SdlFileRecording, AFailedWriteLeavesTheWholeLinesAndSaysSo) {
  std::string error;
  FileRecording full;
  ASSERT_TRUE(full.open("/dev/full", error)) << error;
  EXPECT_FALSE(full.addLine("tick 1"));
  EXPECT_TRUE(full.failed());

  // A file size limit cuts the third line short.
  const std::string path = temporaryPath("cut");
  rlimit before{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
  {
    FileRecording cut;
    ASSERT_TRUE(cut.open(path, error)) << error;
    rlimit limit = before;
    limit.rlim_cur = 20;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    EXPECT_TRUE(cut.addLine("command 302"));  // 12 bytes
    EXPECT_FALSE(cut.addLine("tick 1234"));   // 10 more pass 20: 8 are written
    EXPECT_FALSE(cut.addLine("key left"));
    EXPECT_TRUE(cut.failed());
    ::setrlimit(RLIMIT_FSIZE, &before);
  }
  std::signal(SIGXFSZ, signalBefore);
  EXPECT_EQ(contents(path), "command 302\n");
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace vantorix::sdl
