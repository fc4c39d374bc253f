// Strings: decoding #n codes and raw bytes, and writing them in each file's flavour.
#include <gtest/gtest.h>

#include "vcl/streaming/dfm_text.h"

namespace vcl::dfm {
namespace {

// The decoded Caption of a one-property form written as `caption`.
std::string decoded(std::string caption, std::string file_name = "form.dfm",
                    CodePage code_page = CodePage::Windows1252) {
  ReadOptions options;
  options.code_page = code_page;
  Document document = Document::parse("object A: TA\r\n  Caption = " + caption + "\r\nend\r\n",
                                      std::move(file_name), options);
  return document.as_string(document.root().properties[0].value);
}

TEST(DfmStringDecoding, CodesAreUtf16UnitsAndPairsJoin) {
  EXPECT_EQ(decoded("'Gr'#252#223'e'"), "Grüße");
  EXPECT_EQ(decoded("#1055#1088#1080"), "При");
  EXPECT_EQ(decoded("#55357#56832"), "\U0001F600");
  EXPECT_EQ(decoded("'a'#55357 +\r\n    #56832'b'"), "a\U0001F600b");
  EXPECT_EQ(decoded("#55357'x'"), "\uFFFDx");
  EXPECT_EQ(decoded("#56832#55357"), "\uFFFD\uFFFD");
  EXPECT_EQ(decoded("'It''s'#39"), "It's'");
  EXPECT_EQ(decoded("#0#9"), std::string("\0\t", 2));
  EXPECT_EQ(decoded("''"), "");
}

TEST(DfmStringDecoding, OnePieceAndQuotesInsideOrBetweenPieces) {
  EXPECT_EQ(decoded("'Value 12_3'"), "Value 12_3");
  EXPECT_EQ(decoded("'It''s'"), "It's");
  EXPECT_EQ(decoded("''''"), "'");
  EXPECT_EQ(decoded("'a' +\r\n    'b'"), "ab");
  EXPECT_EQ(decoded("'a'#9'b'"), "a\tb");
}

TEST(DfmStringDecoding, RawBytesAreUtf8OrTheCodePage) {
  EXPECT_EQ(decoded("'Grüße'"), "Grüße");          // valid UTF-8
  EXPECT_EQ(decoded("'caf\xE9 \x80'"), "café €");  // not UTF-8: Windows-1252
  EXPECT_EQ(decoded("'\x81'"), "\u0081");          // undefined in 1252: kept as a control
  EXPECT_EQ(decoded("'\xCF\xF0\xE8'", "form.lfm", CodePage::Windows1251), "При");
  EXPECT_EQ(decoded("'\xA3\xF3"
                    "d\x9F'",
                    "form.dfm", CodePage::Windows1250),
            "Łódź");
}

// The file `before` with `caption` stored as its first property's value.
std::string with_caption(const std::string& before, const std::string& caption,
                         const std::string& file_name = "form.dfm") {
  Document document = Document::parse(before, file_name);
  document.set_value(document.root(), 0, Datum::string(caption));
  return document.write();
}

const std::string kDelphi = "object A: TA\r\n  Caption = 'x'\r\nend\r\n";

std::string delphi_caption(const std::string& rendered) {
  return "object A: TA\r\n  Caption = " + rendered + "\r\nend\r\n";
}

TEST(DfmStringRendering, DelphiQuotesControlsAndNonAsciiAsCodes) {
  EXPECT_EQ(with_caption(kDelphi, "It's"), delphi_caption("'It'#39's'"));
  EXPECT_EQ(with_caption(kDelphi, "a\r\nb"), delphi_caption("'a'#13#10'b'"));
  EXPECT_EQ(with_caption(kDelphi, "\t"), delphi_caption("#9"));
  EXPECT_EQ(with_caption(kDelphi, "Grüße"), delphi_caption("'Gr'#252#223'e'"));
  EXPECT_EQ(with_caption(kDelphi, "\U0001F600"), delphi_caption("#55357#56832"));
  EXPECT_EQ(with_caption(kDelphi, ""), delphi_caption("''"));
}

TEST(DfmStringRendering, DelphiWrapsLongStringsEvery64Characters) {
  const std::string a64(64, 'a');
  EXPECT_EQ(with_caption(kDelphi, a64), delphi_caption("'" + a64 + "'"));
  EXPECT_EQ(with_caption(kDelphi, a64 + "bc"),
            delphi_caption("\r\n    '" + a64 + "' +\r\n    'bc'"));
  // A code counts as one character.
  const std::string a63(63, 'a');
  EXPECT_EQ(with_caption(kDelphi, a63 + "\rbb"),
            delphi_caption("\r\n    '" + a63 + "'#13 +\r\n    'bb'"));
  EXPECT_EQ(with_caption(kDelphi, a64 + a64 + a64),
            delphi_caption("\r\n    '" + a64 + "' +\r\n    '" + a64 + "' +\r\n    '" + a64 + "'"));
  // The wrapped string reads back whole.
  Document document = Document::parse(with_caption(kDelphi, a63 + "\r" + a64 + "Ω"), "form.dfm");
  EXPECT_EQ(document.as_string(document.root().properties[0].value), a63 + "\r" + a64 + "Ω");
}

TEST(DfmStringRendering, AncientDelphiWritesCodePageBytesRaw) {
  const std::string ancient = "object A: TA\r\n  Caption = 'caf\xE9'\r\nend\r\n";
  ASSERT_EQ(Document::parse(ancient, "form.dfm").flavour().dialect, Dialect::DelphiAncient);
  EXPECT_EQ(with_caption(ancient, "Größe € Ω'"), delphi_caption("'Gr\xF6\xDF"
                                                                "e \x80 '#937#39"));
}

TEST(DfmStringRendering, LazarusDoublesQuotesAndNeverWraps) {
  const std::string lazarus = "object A: TA\n  Caption = 'x'\nend\n";
  const std::string long_text(100, 'z');
  EXPECT_EQ(with_caption(lazarus, "It's Grüße", "form.lfm"),
            "object A: TA\n  Caption = 'It''s Grüße'\nend\n");
  EXPECT_EQ(with_caption(lazarus, "\r\nx\t", "form.lfm"),
            "object A: TA\n  Caption = #13#10'x'#9\nend\n");
  EXPECT_EQ(with_caption(lazarus, long_text, "form.lfm"),
            "object A: TA\n  Caption = '" + long_text + "'\nend\n");
}

TEST(DfmStringRendering, DecodingWhatWasRenderedGivesTheTextBack) {
  const std::string texts[] = {"plain",       "It's",   "\x01\x1F\x7F",
                               "ÄÖÜ äöü ß €", "日本語", "\U0001F600 x"};
  for (const char* file_name : {"form.dfm", "form.lfm"}) {
    for (const std::string& text : texts) {
      Document document = Document::parse(with_caption(kDelphi, text, file_name), file_name);
      EXPECT_EQ(document.as_string(document.root().properties[0].value), text) << file_name;
    }
  }
}

}  // namespace
}  // namespace vcl::dfm
