#include "ide/pascal_lexer.h"

#include <algorithm>
#include <iterator>

namespace ide {
namespace {

// Reserved words. Directives such as private or published are identifiers that mean something
// only in certain places.
constexpr std::string_view kKeywords[] = {
    "and", "array", "as", "asm", "begin", "case", "class", "const", "constructor", "destructor",
    "dispinterface", "div", "do", "downto", "else", "end", "except", "exports", "file",
    "finalization", "finally", "for", "function", "goto", "if", "implementation", "in", "inherited",
    "initialization", "inline", "interface", "is", "label", "library", "mod", "nil", "not",
    "object", "of", "or", "out", "packed", "procedure", "program", "property", "raise", "record",
    "repeat", "resourcestring", "set", "shl", "shr", "string", "then", "threadvar", "to", "try",
    "type", "unit", "until", "uses", "var", "while", "with", "xor",
};

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

class Lexer {
public:
  explicit Lexer(std::string_view source) : s_(source) {
    if (s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  }

  std::vector<Token> Run() {
    std::vector<Token> tokens;
    for (;;) {
      while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
      if (pos_ >= s_.size()) return tokens;
      const std::size_t begin = pos_;
      const TokenKind kind = Scan();
      tokens.push_back({kind, begin, pos_});
    }
  }

private:
  char At(std::size_t i) const { return i < s_.size() ? s_[i] : '\0'; }

  // Reads one token starting at pos_ and returns its kind.
  TokenKind Scan() {
    const char c = s_[pos_];
    if (c == '{') return BlockComment(1, "}");
    if (c == '(' && At(pos_ + 1) == '*') return BlockComment(2, "*)");
    if (c == '/' && At(pos_ + 1) == '/') {
      while (pos_ < s_.size() && !IsLineBreak(s_[pos_])) ++pos_;
      return TokenKind::Comment;
    }
    if (c == '\'') return QuotedString();
    if (c == '#') return CharacterCode();
    if (IsLetter(c)) {
      const std::size_t begin = pos_;
      while (pos_ < s_.size() && (IsLetter(s_[pos_]) || IsDigit(s_[pos_]))) ++pos_;
      return IsPascalKeyword(s_.substr(begin, pos_ - begin)) ? TokenKind::Keyword : TokenKind::Identifier;
    }
    if (IsDigit(c)) return DecimalNumber();
    if (c == '$' && IsHexDigit(At(pos_ + 1))) {
      ++pos_;
      while (IsHexDigit(At(pos_))) ++pos_;
      return TokenKind::Number;
    }
    static constexpr std::string_view kPairs[] = {":=", "..", "<=", ">=", "<>", "(.", ".)"};
    const bool pair = std::ranges::find(kPairs, s_.substr(pos_, 2)) != std::end(kPairs);
    pos_ += pair ? 2 : 1;
    return TokenKind::Symbol;
  }

  // A comment whose opener is `openLength` bytes long; a '$' right after the opener makes it a
  // compiler directive.
  TokenKind BlockComment(std::size_t openLength, std::string_view close) {
    const std::size_t begin = pos_;
    const bool directive = At(pos_ + openLength) == '$';
    const std::size_t found = s_.find(close, pos_ + openLength);
    if (found == std::string_view::npos) Fail(begin, directive ? "unterminated compiler directive" : "unterminated comment");
    pos_ = found + close.size();
    return directive ? TokenKind::Directive : TokenKind::Comment;
  }

  // 'text' where '' stands for one quote; it cannot span lines.
  TokenKind QuotedString() {
    const std::size_t begin = pos_++;
    for (;;) {
      if (pos_ >= s_.size() || IsLineBreak(s_[pos_])) Fail(begin, "unterminated string");
      if (s_[pos_++] != '\'') continue;
      if (At(pos_) != '\'') return TokenKind::String;
      ++pos_;
    }
  }

  // #13 or #$0D.
  TokenKind CharacterCode() {
    const std::size_t begin = pos_++;
    if (At(pos_) == '$' && IsHexDigit(At(pos_ + 1))) {
      ++pos_;
      while (IsHexDigit(At(pos_))) ++pos_;
    } else if (IsDigit(At(pos_))) {
      while (IsDigit(At(pos_))) ++pos_;
    } else {
      Fail(begin, "character code expected after '#'");
    }
    return TokenKind::String;
  }

  // 12, 1.5, 1e-3; "1..5" is a number followed by "..".
  TokenKind DecimalNumber() {
    while (IsDigit(At(pos_))) ++pos_;
    if (At(pos_) == '.' && IsDigit(At(pos_ + 1))) {
      ++pos_;
      while (IsDigit(At(pos_))) ++pos_;
    }
    if (At(pos_) == 'e' || At(pos_) == 'E') {
      std::size_t next = pos_ + 1;
      if (At(next) == '+' || At(next) == '-') ++next;
      if (IsDigit(At(next))) {
        pos_ = next;
        while (IsDigit(At(pos_))) ++pos_;
      }
    }
    return TokenKind::Number;
  }

  [[noreturn]] void Fail(std::size_t offset, const std::string& problem) const {
    const SourcePosition where = PositionOf(s_, offset);
    throw EPascalSyntaxError(problem, where.line, where.column);
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace

EPascalSyntaxError::EPascalSyntaxError(std::string problem, int line, int column)
    : vcl::EReadError("Line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + problem),
      problem_(std::move(problem)),
      line_(line),
      column_(column) {}

std::vector<Token> TokenizePascal(std::string_view source) { return Lexer(source).Run(); }

bool IsPascalKeyword(std::string_view word) {
  return std::ranges::any_of(kKeywords, [&](std::string_view k) { return vcl::SameText(k, word); });
}

SourcePosition PositionOf(std::string_view source, std::size_t offset) {
  offset = std::min(offset, source.size());
  SourcePosition where{1, 1};
  for (std::size_t i = 0; i < offset; ++i) {
    const bool lineEnds = source[i] == '\n' || (source[i] == '\r' && (i + 1 >= source.size() || source[i + 1] != '\n'));
    if (lineEnds) {
      ++where.line;
      where.column = 1;
    } else {
      ++where.column;
    }
  }
  return where;
}

}  // namespace ide
