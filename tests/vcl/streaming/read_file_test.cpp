// Reading a named input file whole: regular files only, of a bounded size, with messages that
// say what the path names instead.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "vcl/streaming/read_file.h"
#include "vcl/sysutils.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

class ReadFile : public testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::path(testing::TempDir()) / ("read_file_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  // The message ReadWholeFile raises for `path`; empty when it reads the file.
  static std::string ErrorOf(const std::string& path) {
    try {
      ReadWholeFile(path);
    } catch (const EInOutError& e) {
      return e.Message();
    }
    return {};
  }

  fs::path folder_;
};

}  // namespace

TEST_F(ReadFile, ReadsARegularFileByteForByte) {
  const std::string bytes = std::string("object Form1\0\xFF\r\n", 17) + std::string(70000, 'x');
  std::ofstream(Path("Form1.dfm"), std::ios::binary) << bytes;
  EXPECT_EQ(ReadWholeFile(Path("Form1.dfm")), bytes);
  std::ofstream(Path("Empty.dfm"), std::ios::binary);
  EXPECT_EQ(ReadWholeFile(Path("Empty.dfm")), "");
}

TEST_F(ReadFile, SaysWhatThePathNamesWhenItIsNoFileToRead) {
  EXPECT_EQ(ErrorOf(Path("Missing.dfm")), "Cannot open " + Path("Missing.dfm") + ": No such file or directory");
  EXPECT_EQ(ErrorOf(folder_.string()), folder_.string() + " is a directory, not a file");
  EXPECT_EQ(ErrorOf("/dev/null"), "/dev/null is not a regular file (a device, pipe or socket)");
  // A pipe nobody writes to would block a reader that opened it.
  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
  EXPECT_EQ(ErrorOf(Path("pipe")), Path("pipe") + " is not a regular file (a device, pipe or socket)");
}

TEST_F(ReadFile, RefusesFilesOverTheSizeLimit) {
  // Sparse files: no disk space is used, the size is what counts.
  const std::string big = Path("Big.dfm");
  std::ofstream(big, std::ios::binary);
  fs::resize_file(big, kMaxInputFileSize + 1);
  EXPECT_EQ(ErrorOf(big), big + " is larger than 256 MB");
  fs::resize_file(big, 1 << 20);
  EXPECT_EQ(ReadWholeFile(big).size(), std::size_t{1} << 20);
}

TEST_F(ReadFile, TakesNoMoreMemoryThanTheFile) {
  // Finding the end of the file must not grow the string: a form of 30 MB would take 60.
  const std::string form = Path("Form1.dfm");
  std::ofstream(form, std::ios::binary) << std::string(100'000, 'x');
  std::string bytes = ReadWholeFile(form);
  EXPECT_EQ(bytes.size(), 100'000u);
  EXPECT_LT(bytes.capacity(), 100'000u + 4096u);
}
