// Real form files: lossless round trips, detected flavours, and damaged copies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "vcl/streaming/dfm_text.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {
namespace {

const std::filesystem::path kForms = std::filesystem::path(ZOLT_SHARED_DIR) / "corpus" / "forms";

std::string read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct CorpusFile {
  std::string name;
  std::string kind;
};

// The text forms listed in the corpus manifest (kinds dfm-text and lfm).
std::vector<CorpusFile> text_forms() {
  std::vector<CorpusFile> files;
  std::ifstream manifest(kForms / "MANIFEST.tsv");
  std::string line;
  std::getline(manifest, line);  // header
  while (std::getline(manifest, line)) {
    std::vector<std::string> fields;
    std::stringstream columns(line);
    for (std::string field; std::getline(columns, field, '\t');) fields.push_back(field);
    if (fields.size() >= 6 && (fields[5] == "dfm-text" || fields[5] == "lfm"))
      files.push_back({fields[0], fields[5]});
  }
  return files;
}

#define SKIP_WITHOUT_CORPUS()                            \
  if (!std::filesystem::exists(kForms / "MANIFEST.tsv")) \
  GTEST_SKIP() << "form corpus not found at " << kForms

TEST(DfmCorpus, EveryTextFormRoundTripsByteForByte) {
  SKIP_WITHOUT_CORPUS();
  std::vector<CorpusFile> files = text_forms();
  ASSERT_GT(files.size(), 200u);
  for (const CorpusFile& file : files) {
    std::string bytes = read_bytes(kForms / file.name);
    try {
      Document document = Document::parse(bytes, file.name);
      EXPECT_TRUE(document.write() == bytes) << file.name << " changed on the way through";
      EXPECT_EQ(document.flavour().dialect == Dialect::Lazarus, file.kind == "lfm") << file.name;
    } catch (const EReadError& error) {
      ADD_FAILURE() << error.what();
    }
  }
}

TEST(DfmCorpus, EveryStringAndBinaryValueDecodes) {
  SKIP_WITHOUT_CORPUS();
  std::size_t strings = 0;
  for (const CorpusFile& file : text_forms()) {
    Document document = Document::parse(read_bytes(kForms / file.name), file.name);
    std::vector<const Object*> pending{&document.root()};
    while (!pending.empty()) {
      const Object* object = pending.back();
      pending.pop_back();
      for (const Object& child : object->children) pending.push_back(&child);
      for (const Property& property : object->properties) {
        Datum datum = document.decode(property.value);
        if (datum.kind == ValueKind::String) {
          ++strings;
          if (document.flavour().utf8) {
            ASSERT_NO_THROW(Datum::string(datum.text));
          }
        }
      }
    }
  }
  EXPECT_GT(strings, 1000u);
}

Document parse_corpus_file(const std::string& name) {
  return Document::parse(read_bytes(kForms / name), name);
}

TEST(DfmCorpus, DetectsTheFlavourOfEachKindOfFile) {
  SKIP_WITHOUT_CORPUS();
  const Flavour lazarus_cp1251 = parse_corpus_file("doublecmd__doublecmd__dmdialogs.lfm").flavour();
  EXPECT_EQ(lazarus_cp1251.dialect, Dialect::Lazarus);
  EXPECT_FALSE(lazarus_cp1251.utf8);
  EXPECT_EQ(lazarus_cp1251.newline, Newline::CRLF);

  const Flavour ancient =
      parse_corpus_file("project-jedi__jvcl__tests__archive__jvcl__examples__RxDemo__TOOLS.dfm")
          .flavour();
  EXPECT_EQ(ancient.dialect, Dialect::DelphiAncient);
  EXPECT_FALSE(ancient.utf8);

  const Flavour modern = parse_corpus_file("HeidiSQL__HeidiSQL__source__connections.dfm").flavour();
  EXPECT_EQ(modern.dialect, Dialect::DelphiModern);
  EXPECT_TRUE(modern.utf8);
  EXPECT_FALSE(modern.mixed_newlines);
  EXPECT_FALSE(modern.fixed_floats);
  EXPECT_TRUE(
      parse_corpus_file("HeidiSQL__HeidiSQL__source__event_editor.dfm").flavour().fixed_floats);

  const Flavour mixed =
      parse_corpus_file("winscp__winscp__source__forms__CopyParams.dfm").flavour();
  EXPECT_TRUE(mixed.mixed_newlines);

  const Flavour lf = parse_corpus_file("doublecmd__doublecmd__src__flinker.lfm").flavour();
  EXPECT_EQ(lf.newline, Newline::LF);
}

TEST(DfmCorpus, CodePageTextDecodesWithTheChosenCodePage) {
  SKIP_WITHOUT_CORPUS();
  const std::string name = "doublecmd__doublecmd__dmdialogs.lfm";
  ReadOptions options;
  options.code_page = CodePage::Windows1251;
  Document document = Document::parse(read_bytes(kForms / name), name, options);
  const Property* title = document.root().find_child("OpenDialog")->find_property("Title");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(document.as_string(title->value), "Открыть существующий файл");
}

// A damaged file either reads (and then writes back unchanged) or raises EReadError.
void expect_reads_or_fails_cleanly(const std::string& bytes, const std::string& what) {
  try {
    Document document = Document::parse(bytes, "damaged.dfm");
    ASSERT_TRUE(document.write() == bytes) << what;
  } catch (const EReadError& error) {
    ASSERT_EQ(std::string(error.what()).rfind("damaged.dfm:", 0), 0u) << error.what();
  }
}

const char* const kDamageSamples[] = {
    "HeidiSQL__HeidiSQL__source__connections.dfm",
    "doublecmd__doublecmd__fFindDlg.lfm",
    "project-jedi__jvcl__tests__archive__jvcl__examples__RxDemo__TOOLS.dfm",
    "winscp__winscp__source__forms__CopyParams.dfm",
};

TEST(DfmCorpus, EveryTruncationReadsOrFailsCleanly) {
  SKIP_WITHOUT_CORPUS();
  for (const char* name : kDamageSamples) {
    std::string bytes = read_bytes(kForms / name);
    ASSERT_FALSE(bytes.empty()) << name;
    const std::size_t step = bytes.size() > 20000 ? 7 : 1;
    for (std::size_t length = 0; length < bytes.size(); length += step)
      expect_reads_or_fails_cleanly(bytes.substr(0, length),
                                    std::string(name) + " cut at " + std::to_string(length));
  }
}

TEST(DfmCorpus, SingleByteCorruptionsReadOrFailCleanly) {
  SKIP_WITHOUT_CORPUS();
  const std::string replacements("'#()<>{}[]=+-$.:,\0\xFF\r\n a9_", 25);
  std::uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
  for (const char* name : kDamageSamples) {
    const std::string bytes = read_bytes(kForms / name);
    for (int trial = 0; trial < 600; ++trial) {
      std::string damaged = bytes;
      std::size_t at = next() % damaged.size();
      damaged[at] = replacements[next() % replacements.size()];
      expect_reads_or_fails_cleanly(damaged, std::string(name) + " byte " + std::to_string(at));
    }
  }
}

}  // namespace
}  // namespace vcl::dfm
