// Real binary forms: lossless round trips, conversion to text and back, damaged copies.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

#include "tests/vcl/streaming/form_test_util.h"
#include "vcl/streaming/dfm_binary.h"
#include "vcl/streaming/dfm_binary_internal.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {
namespace {

using formtest::CorpusDir;
using formtest::CorpusEntries;
using formtest::ReadAll;

#define SKIP_WITHOUT_CORPUS()                                   \
  if (!std::filesystem::exists(CorpusDir() / "MANIFEST.tsv")) \
  GTEST_SKIP() << "form corpus not found at " << CorpusDir()

// The readable binary forms of the corpus, with their bytes.
std::vector<std::pair<std::string, std::string>> BinaryForms() {
  std::vector<std::pair<std::string, std::string>> forms;
  for (const formtest::CorpusEntry& entry : CorpusEntries())
    if (entry.kind == "dfm-binary" && !entry.corrupt) forms.emplace_back(entry.file, ReadAll(CorpusDir() / entry.file));
  return forms;
}

// The two trees hold the same objects and the same decoded values.
void ExpectSameValues(const Document& a, const Object& x, const Document& b, const Object& y,
                      const std::string& where) {
  const std::string path = where + "/" + std::string(x.name());
  EXPECT_EQ(x.kind, y.kind) << path;
  EXPECT_EQ(x.name(), y.name()) << path;
  EXPECT_EQ(x.class_name(), y.class_name()) << path;
  EXPECT_EQ(x.position, y.position) << path;
  ASSERT_EQ(x.properties.size(), y.properties.size()) << path;
  for (std::size_t i = 0; i < x.properties.size(); ++i) {
    EXPECT_EQ(x.properties[i].name(), y.properties[i].name()) << path;
    EXPECT_TRUE(a.decode(x.properties[i].value) == b.decode(y.properties[i].value))
        << path << "." << x.properties[i].name() << ": " << x.properties[i].value.text() << " <> "
        << y.properties[i].value.text();
  }
  ASSERT_EQ(x.children.size(), y.children.size()) << path;
  for (std::size_t i = 0; i < x.children.size(); ++i)
    ExpectSameValues(a, x.children[i], b, y.children[i], path);
}

TEST(BinaryCorpus, EveryBinaryFormRoundTripsByteForByte) {
  SKIP_WITHOUT_CORPUS();
  auto forms = BinaryForms();
  ASSERT_GT(forms.size(), 50u);
  for (const auto& [name, bytes] : forms) {
    try {
      BinaryForm form = read_binary(bytes, name);
      EXPECT_TRUE(write_binary(form.document, form.origin.get()) == bytes) << name;
    } catch (const Exception& error) {
      ADD_FAILURE() << error.what();
    }
  }
}

// Encoding every value afresh (no origin) gives the IDE's own bytes back, and so does a trip
// through the text form. Later writers store a string as WString or UTF8String by the
// property's declared type, which the text form does not say: those forms keep their values.
TEST(BinaryCorpus, EncodingAfreshAndThroughTextGivesTheOriginalBytes) {
  SKIP_WITHOUT_CORPUS();
  constexpr std::uint32_t kTypedStrings = 1u << 18 | 1u << 20;
  int exact = 0;
  for (const auto& [name, bytes] : BinaryForms()) {
    try {
      BinaryForm form = read_binary(bytes, name);
      std::string text = form.document.write();
      Document reread = Document::parse(text, name);
      EXPECT_EQ(reread.write(), text) << name;
      std::string afresh = write_binary(form.document), through_text = write_binary(reread);
      if (form.origin->tags & kTypedStrings) {
        BinaryForm again = read_binary(through_text, name);
        ExpectSameValues(form.document, form.document.root(), again.document, again.document.root(), name);
        continue;
      }
      ++exact;
      EXPECT_TRUE(afresh == bytes) << name << " encoded afresh";
      EXPECT_TRUE(through_text == bytes) << name << " through text";
    } catch (const Exception& error) {
      ADD_FAILURE() << error.what();
    }
  }
  EXPECT_GT(exact, 60);
}

TEST(BinaryCorpus, TheDamagedFormIsRefusedWithItsOffset) {
  SKIP_WITHOUT_CORPUS();
  int damaged = 0;
  for (const formtest::CorpusEntry& entry : CorpusEntries()) {
    if (entry.kind != "dfm-binary" || !entry.corrupt) continue;
    ++damaged;
    try {
      read_binary(ReadAll(CorpusDir() / entry.file), entry.file);
      ADD_FAILURE() << entry.file << " was read";
    } catch (const EReadError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(entry.file + ": offset ", 0), 0u) << error.what();
    }
  }
  EXPECT_EQ(damaged, 1);
}

void ExpectRefusedWithOffset(const std::string& name, const std::string& bytes, std::size_t length) {
  try {
    read_binary(bytes, name);
    ADD_FAILURE() << name << " cut at " << length << " was read";
  } catch (const EReadError& error) {
    std::string message = error.what();
    EXPECT_EQ(message.rfind(name + ": offset ", 0), 0u) << message;
  }
}

// A cut form no longer matches its header's size; a cut bare stream runs into the end of the
// data. Either way: a positioned error, never a read outside the buffer (the sanitizers watch).
TEST(BinaryCorpus, EveryTruncationIsRefusedWithAnOffset) {
  SKIP_WITHOUT_CORPUS();
  std::size_t cuts = 0;
  for (const auto& [name, bytes] : BinaryForms()) {
    if (bytes.size() > 4000) continue;
    std::string stream = bytes.substr(bytes.find("TPF0"));
    for (std::size_t length = 0; length < bytes.size(); ++length, ++cuts) {
      ExpectRefusedWithOffset(name, bytes.substr(0, length), length);
      if (length < stream.size()) ExpectRefusedWithOffset(name, stream.substr(0, length), length);
    }
  }
  EXPECT_GT(cuts, 20000u);
}

TEST(BinaryCorpus, SingleByteCorruptionsNeverCrash) {
  SKIP_WITHOUT_CORPUS();
  std::mt19937 random(20261207);
  std::size_t refused = 0, trials = 0;
  for (const auto& [name, bytes] : BinaryForms()) {
    std::uniform_int_distribution<std::size_t> position(0, bytes.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    for (int i = 0; i < 300; ++i, ++trials) {
      std::string damaged = bytes;
      damaged[position(random)] = static_cast<char>(value(random));
      try {
        BinaryForm form = read_binary(damaged, name);
        EXPECT_TRUE(write_binary(form.document, form.origin.get()) == damaged) << name;
      } catch (const EReadError& error) {
        ++refused;
        ASSERT_EQ(std::string(error.what()).rfind(name + ": offset ", 0), 0u) << error.what();
      }
    }
  }
  EXPECT_GT(refused, trials / 20) << "most corruptions of lengths and tags are caught";
}

// Free Pascal's converter, built from tests/vcl/streaming/binary_to_text.pas into a temporary folder.
class FreePascalConverter {
public:
  FreePascalConverter() {
    if (std::system("command -v fpc >/dev/null 2>&1") != 0) return;
    std::filesystem::create_directories(dir_);
    std::string command = "fpc -O1 -FE" + dir_.string() + " -FU" + dir_.string() + " " ZOLT_SOURCE_DIR
                          "/tests/vcl/streaming/binary_to_text.pas >" + (dir_ / "build.log").string() + " 2>&1";
    built_ = std::system(command.c_str()) == 0;
  }
  ~FreePascalConverter() { std::filesystem::remove_all(dir_); }

  bool available() const { return built_; }
  std::string text(const std::filesystem::path& form) const {
    std::string out;
    FILE* pipe = popen(((dir_ / "binary_to_text").string() + " '" + form.string() + "'").c_str(), "r");
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    if (pipe) pclose(pipe);
    return out;
  }

private:
  std::filesystem::path dir_ =
      std::filesystem::temp_directory_path() / ("zolt-fpc-" + std::to_string(::getpid()));
  bool built_ = false;
};

TEST(BinaryCorpus, OurTextAgreesWithFreePascalValueByValue) {
  SKIP_WITHOUT_CORPUS();
  FreePascalConverter fpc;
  if (!fpc.available()) GTEST_SKIP() << "fpc not found or failed to build the converter";
  int compared = 0;
  for (const auto& [name, bytes] : BinaryForms()) {
    std::string theirs = fpc.text(CorpusDir() / name);
    ASSERT_FALSE(theirs.empty()) << name;
    try {
      BinaryForm ours = read_binary(bytes, name);
      Document reference = Document::parse(theirs, name + " (fpc)");
      ExpectSameValues(ours.document, ours.document.root(), reference, reference.root(), name);
      ++compared;
    } catch (const Exception& error) {
      ADD_FAILURE() << error.what();
    }
  }
  EXPECT_GT(compared, 60);
}

// The value types the corpus lacks (floats, Int64, WString, nil), written by us. Free Pascal's
// converter stops at a Single, a Currency and a Date, so those are left to our own tests.
TEST(BinaryCorpus, FreePascalReadsWhatWeWrite) {
  FreePascalConverter fpc;
  if (!fpc.available()) GTEST_SKIP() << "fpc not found or failed to build the converter";
  Document text = Document::parse(
      "object Form1: TForm1\r\n  Ext = 0.1\r\n  Neg = -2.5E-300\r\n"
      "  Big = 4294967296\r\n  Small = -9223372036854775807\r\n"
      "  Wide = #1046#1078'z'\r\n  Ref = nil\r\n  Values = (\r\n    1.5\r\n    -3)\r\nend\r\n",
      "written.dfm");
  std::string bytes = write_binary(text);
  std::filesystem::path file = std::filesystem::temp_directory_path() / ("zolt-written-" + std::to_string(::getpid()) + ".dfm");
  std::ofstream(file, std::ios::binary) << bytes;
  std::string theirs = fpc.text(file);
  std::filesystem::remove(file);
  BinaryForm ours = read_binary(bytes, "written.dfm");
  Document reference = Document::parse(theirs, "written.dfm (fpc)");
  ExpectSameValues(ours.document, ours.document.root(), reference, reference.root(), "written.dfm");
  ExpectSameValues(ours.document, ours.document.root(), text, text.root(), "written.dfm");
}

}  // namespace
}  // namespace vcl::dfm
