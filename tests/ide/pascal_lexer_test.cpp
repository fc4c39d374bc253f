// Tokens of Object Pascal source: kinds, byte ranges and errors for unterminated text.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ide/pascal_lexer.h"

using namespace ide;

namespace {

// "Kind:text" for each token, to compare whole token lists at a glance.
std::vector<std::string> Describe(std::string_view source) {
  static const char* const kNames[] = {"Identifier", "Keyword", "Number", "String", "Comment", "Directive", "Symbol"};
  std::vector<std::string> out;
  for (const Token& t : TokenizePascal(source))
    out.push_back(std::string(kNames[static_cast<int>(t.kind)]) + ":" + std::string(t.Text(source)));
  return out;
}

// The message of the syntax error that tokenizing `source` raises; empty when none.
std::string ErrorOf(std::string_view source) {
  try {
    TokenizePascal(source);
  } catch (const EPascalSyntaxError& e) {
    return e.what();
  }
  return {};
}

using Tokens = std::vector<std::string>;

}  // namespace

TEST(PascalLexer, KindsAndRanges) {
  EXPECT_EQ(Describe("procedure TForm1.Button1Click(Sender: TObject);"),
            (Tokens{"Keyword:procedure", "Identifier:TForm1", "Symbol:.", "Identifier:Button1Click", "Symbol:(",
                    "Identifier:Sender", "Symbol::", "Identifier:TObject", "Symbol:)", "Symbol:;"}));
  EXPECT_EQ(Describe("BEGIN x := y <> z; a[1..$1F] := 1.5e-3 End"),
            (Tokens{"Keyword:BEGIN", "Identifier:x", "Symbol::=", "Identifier:y", "Symbol:<>", "Identifier:z",
                    "Symbol:;", "Identifier:a", "Symbol:[", "Number:1", "Symbol:..", "Number:$1F", "Symbol:]",
                    "Symbol::=", "Number:1.5e-3", "Keyword:End"}));
  // Reserved words inside longer identifiers are identifiers; UTF-8 letters belong to identifiers.
  EXPECT_EQ(Describe("Begin1 endx _end Gr\xC3\xB6\xC3\x9F" "e"),
            (Tokens{"Identifier:Begin1", "Identifier:endx", "Identifier:_end", "Identifier:Gr\xC3\xB6\xC3\x9F" "e"}));
  // A byte order mark is not a token; Ctrl-Z and other control bytes are blanks.
  EXPECT_EQ(Describe("\xEF\xBB\xBFunit U;\x1A"), (Tokens{"Keyword:unit", "Identifier:U", "Symbol:;"}));

  const std::string source = "  x{c}y";
  const std::vector<Token> tokens = TokenizePascal(source);
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].begin, 2u);
  EXPECT_EQ(tokens[0].end, 3u);
  EXPECT_EQ(tokens[1].begin, 3u);
  EXPECT_EQ(tokens[1].end, 6u);
  EXPECT_EQ(tokens[2].begin, 6u);
  EXPECT_EQ(tokens[2].end, 7u);
}

TEST(PascalLexer, StringsCommentsAndDirectives) {
  EXPECT_EQ(Describe("s := 'it''s'#13#$0A'x';"),
            (Tokens{"Identifier:s", "Symbol::=", "String:'it''s'", "String:#13", "String:#$0A", "String:'x'",
                    "Symbol:;"}));
  EXPECT_EQ(Describe("'' ''''"), (Tokens{"String:''", "String:''''"}));
  // Each comment closes only with its own closer; "//" runs to the line break, CR or LF.
  EXPECT_EQ(Describe("{ (* } a (* { } *) b // c } d\r\ne // f\rg"),
            (Tokens{"Comment:{ (* }", "Identifier:a", "Comment:(* { } *)", "Identifier:b",
                    "Comment:// c } d", "Identifier:e", "Comment:// f", "Identifier:g"}));
  EXPECT_EQ(Describe("(*)*) x"), (Tokens{"Comment:(*)*)", "Identifier:x"}));
  EXPECT_EQ(Describe("{$R *.DFM} (*$I inc.pas*) {x$}"),
            (Tokens{"Directive:{$R *.DFM}", "Directive:(*$I inc.pas*)", "Comment:{x$}"}));
  // Text inside strings and comments never starts another token.
  EXPECT_EQ(Describe("'{' x '//' y"), (Tokens{"String:'{'", "Identifier:x", "String:'//'", "Identifier:y"}));
}

TEST(PascalLexer, UnterminatedTextIsAPositionedError) {
  EXPECT_EQ(ErrorOf("unit U;\r\n  { never closed"), "Line 2, column 3: unterminated comment");
  EXPECT_EQ(ErrorOf("a\n(* never *"), "Line 2, column 1: unterminated comment");
  EXPECT_EQ(ErrorOf("a\r{$IFDEF X"), "Line 2, column 1: unterminated compiler directive");
  EXPECT_EQ(ErrorOf("s := 'abc\r\n';"), "Line 1, column 6: unterminated string");
  EXPECT_EQ(ErrorOf("s := 'it''"), "Line 1, column 6: unterminated string");
  EXPECT_EQ(ErrorOf("c := #;"), "Line 1, column 6: character code expected after '#'");
  EXPECT_EQ(ErrorOf("c := #$;"), "Line 1, column 6: character code expected after '#'");
  try {
    TokenizePascal("x\n\n   'oops");
    FAIL() << "no error";
  } catch (const EPascalSyntaxError& e) {
    EXPECT_EQ(e.Problem(), "unterminated string");
    EXPECT_EQ(e.Line(), 3);
    EXPECT_EQ(e.Column(), 4);
  }
}

// Every prefix of a source, in a buffer of exactly its size (so the address sanitizer sees any
// read past the end), either tokenizes or raises a syntax error.
TEST(PascalLexer, EveryPrefixIsSafe) {
  const std::string source =
      "unit U; {$R *.DFM} (*$I x*) { c } (* d *) // e\r\n"
      "s := 'it''s'#13#$0A; x := $FF + 1.5e-3 + a[1..2]; (. .) <= >= <> :=";
  for (std::size_t length = 0; length <= source.size(); ++length) {
    const auto buffer = std::make_unique<char[]>(length);
    std::copy_n(source.data(), length, buffer.get());
    const std::string_view view(buffer.get(), length);
    try {
      for (const Token& t : TokenizePascal(view)) {
        EXPECT_LT(t.begin, t.end);
        EXPECT_LE(t.end, length);
      }
    } catch (const EPascalSyntaxError&) {
    }
  }
}

TEST(PascalLexer, PositionsCountEveryKindOfLineBreak) {
  const std::string_view text = "ab\r\ncd\ne\rf";
  EXPECT_EQ(PositionOf(text, 0).line, 1);
  EXPECT_EQ(PositionOf(text, 1).column, 2);
  EXPECT_EQ(PositionOf(text, 4).line, 2);
  EXPECT_EQ(PositionOf(text, 4).column, 1);
  EXPECT_EQ(PositionOf(text, 7).line, 3);
  EXPECT_EQ(PositionOf(text, 9).line, 4);
  EXPECT_EQ(PositionOf(text, 9).column, 1);
}
