// A string list's lines as an 8-bit text file: the line breaks it splits at, the NUL that
// ends it, the code page, and what a failure leaves.
#include "vcl/streaming/strings_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "vcl/sysutils.h"

namespace {

namespace fs = std::filesystem;
using vcl::TStringList;

class StringsFile : public testing::Test {
protected:
  fs::path dir = fs::temp_directory_path() / ("zolt-strings-file-" + std::to_string(::getpid()));
  StringsFile() { fs::create_directories(dir); }
  ~StringsFile() override { fs::remove_all(dir); }
  std::string Path(const char* name) const { return (dir / name).string(); }
  void Write(const char* name, std::string_view bytes) const {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string Read(const char* name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string Loaded(std::string_view bytes) {
    Write("in.txt", bytes);
    TStringList lines;
    vcl::LoadStringsFromFile(lines, Path("in.txt"));
    return lines.CommaText();
  }
};

TEST_F(StringsFile, ReadingSplitsAtCrLfLoneCrAndLoneLfAndKeepsLinesAsTheyAre) {
  EXPECT_EQ(Loaded("a=1\r\nb=2\rc=3\nd=4"), "a=1,b=2,c=3,d=4");
  EXPECT_EQ(Loaded("a\r\n\r\n  b \r\n"), "a,,\"  b \"") << "blank lines kept, nothing trimmed";
  EXPECT_EQ(Loaded("\n\r"), ",\"\"") << "LF then CR: two breaks";
  EXPECT_EQ(Loaded(""), "");
  EXPECT_EQ(Loaded(std::string_view("a=1\r\nb=\0c\r\nd=4", 14)), "a=1,b=") << "a NUL ends the text";
}

TEST_F(StringsFile, WritingEndsEveryLineWithCrLfAndAnEmptyListGivesZeroBytes) {
  TStringList lines;
  vcl::SaveStringsToFile(lines, Path("empty.txt"));
  EXPECT_TRUE(fs::exists(Path("empty.txt")));
  EXPECT_EQ(fs::file_size(Path("empty.txt")), 0u);
  lines.Add("TButton=btn");
  lines.Add("");
  lines.Add("x");
  vcl::SaveStringsToFile(lines, Path("out.txt"));
  EXPECT_EQ(Read("out.txt"), "TButton=btn\r\n\r\nx\r\n");
}

TEST_F(StringsFile, TextIsWindows1252OnDiskAndSurvivesARoundTrip) {
  Write("cp.txt", "T\xC4rger=\x80\x81\r\n");  // Ä, the euro sign and an unassigned byte
  TStringList lines;
  vcl::LoadStringsFromFile(lines, Path("cp.txt"));
  ASSERT_EQ(lines.Count(), 1);
  EXPECT_EQ(lines.Strings(0), "TÄrger=€\u0081");
  vcl::SaveStringsToFile(lines, Path("back.txt"));
  EXPECT_EQ(Read("back.txt"), "T\xC4rger=\x80\x81\r\n");
}

TEST_F(StringsFile, FailuresNameTheFileAndChangeNothing) {
  TStringList lines;
  lines.Add("kept");
  EXPECT_THROW(vcl::LoadStringsFromFile(lines, Path("missing.txt")), vcl::EInOutError);
  EXPECT_EQ(lines.CommaText(), "kept");

  Write("target.txt", "old\r\n");
  lines.Add("Ω");  // Greek: not in the code page
  try {
    vcl::SaveStringsToFile(lines, Path("target.txt"));
    FAIL() << "a character outside the code page was written";
  } catch (const vcl::EConvertError& e) {
    EXPECT_NE(std::string(e.what()).find(Path("target.txt")), std::string::npos);
  }
  EXPECT_EQ(Read("target.txt"), "old\r\n");
  EXPECT_THROW(vcl::SaveStringsToFile(lines, Path("no/such/folder.txt")), vcl::Exception);
}

}  // namespace
