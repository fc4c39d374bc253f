// Splitting Object Pascal source into tokens with their byte ranges, for editing it in place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/sysutils.h"

namespace ide {

enum class TokenKind {
  Identifier,  // letters, digits and '_' (bytes of UTF-8 characters count as letters)
  Keyword,     // a reserved word, in any case
  Number,      // 12, 1.5e3, $FF
  String,      // 'it''s' or a character code #13, #$0D
  Comment,     // { }, (* *) or // to the end of the line
  Directive,   // {$...} or (*$...*)
  Symbol,      // := .. <= >= <> (. .) or any other single byte
};

struct Token {
  TokenKind kind;
  std::size_t begin;  // offset of the first byte
  std::size_t end;    // offset one past the last byte

  std::string_view Text(std::string_view source) const { return source.substr(begin, end - begin); }
};

// A comment or string that never closes. The message reads "Line L, column C: PROBLEM".
class EPascalSyntaxError : public vcl::EReadError {
public:
  EPascalSyntaxError(std::string problem, int line, int column);
  const std::string& Problem() const { return problem_; }
  int Line() const { return line_; }
  int Column() const { return column_; }

private:
  std::string problem_;
  int line_;
  int column_;
};

// The tokens of `source` in order. Blanks and line breaks lie between tokens; a UTF-8 byte
// order mark at the start is skipped. Raises EPascalSyntaxError for an unterminated comment
// or string.
std::vector<Token> TokenizePascal(std::string_view source);

bool IsPascalKeyword(std::string_view word);

struct SourcePosition {
  int line;    // from 1; CRLF, LF and a lone CR each end a line
  int column;  // from 1, in bytes
};
SourcePosition PositionOf(std::string_view source, std::size_t offset);

}  // namespace ide
