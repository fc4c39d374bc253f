// Binary forms through the component model: read, changed, written back in their format.
#include <gtest/gtest.h>

#include "tests/vcl/streaming/form_test_util.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/dfm_binary.h"
#include "vcl/streaming/form_file.h"
#include "vcl/sysutils.h"

namespace vcl {
namespace {

const char* const kText =
    "object Form1: TForm1\r\n"
    "  Caption = 'Customers'\r\n"
    "  Color = clBtnFace\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object Label1: TLabel\r\n"
    "    Top = 12\r\n"
    "    Caption = 'Name:'\r\n"
    "  end\r\n"
    "end\r\n";

std::string BinaryOf(const std::string& text) { return dfm::write_binary(dfm::Document::parse(text, "form.dfm")); }

TEST(BinaryFormFile, ReadsIntoTheModelAsTheTextDoes) {
  auto form = TFormFile::Read(BinaryOf(kText), "form.dfm");
  EXPECT_EQ(form->Format(), TFormFormat::Binary);
  auto* root = Cast<TForm>(form->Root());
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->Name(), "Form1");
  EXPECT_EQ(root->ClassName(), "TForm1");
  auto* label = Cast<TLabel>(root->FindComponent("Label1"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), "Name:");
  EXPECT_EQ(label->Top(), 12);
}

TEST(BinaryFormFile, ChangesAreWrittenInBinaryAndTheRestKeepsItsBytes) {
  std::string bytes = BinaryOf(kText);
  auto form = TFormFile::Read(bytes, "form.dfm");
  EXPECT_TRUE(form->Write() == bytes) << "unchanged";
  Cast<TForm>(form->Root())->SetCaption(std::string(300, 'n'));
  std::string out = form->Write();
  std::string text = kText;
  text.replace(text.find("'Customers'"), 11, "'" + std::string(300, 'n') + "'");
  EXPECT_TRUE(out == BinaryOf(text)) << "an LString and a new resource size";

  auto again = TFormFile::Read(out, "form.dfm");
  EXPECT_EQ(Cast<TForm>(again->Root())->Caption(), std::string(300, 'n'));
}

TEST(BinaryFormFile, TheFormatCanBeChanged) {
  auto binary = TFormFile::Read(BinaryOf(kText), "form.dfm");
  binary->SetFormat(TFormFormat::Text);
  EXPECT_EQ(binary->Write(), kText);
  auto text = TFormFile::Read(kText, "form.dfm");
  EXPECT_EQ(text->Format(), TFormFormat::Text);
  text->SetFormat(TFormFormat::Binary);
  EXPECT_TRUE(text->Write() == BinaryOf(kText));
}

TEST(BinaryFormFile, ModelErrorsNameTheOffset) {
  std::string text = kText;
  text.replace(text.find("Top = 12"), 8, "Top = 'x'");
  std::string bytes = BinaryOf(text);
  try {
    TFormFile::Read(bytes, "form.dfm");
    FAIL() << "read";
  } catch (const EReadError& error) {
    const std::size_t value = bytes.find("\x06\x01x");
    EXPECT_EQ(std::string(error.what()),
              "form.dfm: offset " + std::to_string(value) + ": Error reading Label1.Top: integer value expected");
  }
}

TEST(BinaryFormFile, CorpusBinaryFormsRoundTripThroughTheModel) {
  auto entries = formtest::CorpusEntries();
  if (entries.empty()) GTEST_SKIP() << "corpus not found at " << formtest::CorpusDir();
  int checked = 0;
  for (const auto& entry : entries) {
    if (entry.kind != "dfm-binary" || entry.corrupt) continue;
    std::string bytes = formtest::ReadAll(formtest::CorpusDir() / entry.file);
    try {
      auto form = TFormFile::Read(bytes, entry.file);
      EXPECT_TRUE(form->Write() == bytes) << entry.file;
      ++checked;
    } catch (const std::exception& e) {
      ADD_FAILURE() << entry.file << ": " << e.what();
    }
  }
  EXPECT_GT(checked, 60);
}

}  // namespace
}  // namespace vcl
