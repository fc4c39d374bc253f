#include "ide/unit_sync.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "vcl/streaming/atomic_file.h"

namespace ide {
namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && !IsLineBreak(c); }

bool IsVisibility(std::string_view word) {
  static constexpr std::string_view kWords[] = {"private", "protected", "public", "published", "automated"};
  return std::ranges::any_of(kWords, [&](std::string_view w) { return vcl::SameText(w, word); });
}

// Reserved words that may appear in the type of a field.
bool IsTypeKeyword(std::string_view word) {
  static constexpr std::string_view kWords[] = {"array", "of", "string", "set", "file", "packed"};
  return std::ranges::any_of(kWords, [&](std::string_view w) { return vcl::SameText(w, word); });
}

}  // namespace

void CheckIdentifier(std::string_view name) {
  if (!vcl::IsValidIdent(name) || IsPascalKeyword(name))
    throw vcl::EInvalidOperation("'" + std::string(name) + "' is not a valid identifier");
}

TUnitSource::TUnitSource(std::string name, std::string bytes, std::string formClass)
    : name_(std::move(name)), text_(std::move(bytes)), formClass_(std::move(formClass)) {
  Analyse();
}

TUnitSource TUnitSource::Load(const std::string& path, std::string formClass) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw vcl::EInOutError("Cannot read \"" + path + "\": " + std::strerror(errno));
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw vcl::EInOutError("Cannot read \"" + path + "\": read error");
  return TUnitSource(path, std::move(bytes), std::move(formClass));
}

std::vector<std::string> TUnitSource::FieldNames() const {
  std::vector<std::string> names;
  for (const FieldDeclaration& field : fields_)
    for (const Token& name : field.names) names.emplace_back(name.Text(text_));
  return names;
}

bool TUnitSource::RenameField(std::string_view oldName, std::string_view newName) {
  CheckIdentifier(newName);
  std::size_t index = 0;
  const FieldDeclaration* field = FindField(oldName, &index);
  if (!field) return false;
  Replace(field->names[index].begin, field->names[index].end, newName);
  return true;
}

bool TUnitSource::AddField(std::string_view name, std::string_view className) {
  CheckIdentifier(name);
  CheckIdentifier(className);
  std::size_t index = 0;
  if (!found_ || FindField(name, &index)) return false;
  // After the last field (or the class header) and whatever comments close its line.
  const std::size_t anchor = fields_.empty() ? headerEnd_.end : fields_.back().semicolon.end;
  std::size_t at = QuietLineEnd(anchor);
  if (at == std::string::npos) at = anchor;
  const std::string line = LineBreakAt(at) + FieldIndent() + std::string(name) + ": " + std::string(className) + ";";
  Replace(at, at, line);
  return true;
}

bool TUnitSource::RemoveField(std::string_view name) {
  std::size_t index = 0;
  const FieldDeclaration* field = FindField(name, &index);
  if (!field) return false;
  const std::vector<Token>& names = field->names;
  if (names.size() > 1) {
    // Take the name with the comma after it, or the last name with the comma before it.
    if (index + 1 < names.size())
      Replace(names[index].begin, names[index + 1].begin, "");
    else
      Replace(names[index - 1].end, names[index].end, "");
    return true;
  }
  const std::size_t begin = names.front().begin;
  const std::size_t end = field->semicolon.end;
  const std::size_t lineStart = LineStart(begin);
  const bool aloneBefore = std::all_of(text_.begin() + lineStart, text_.begin() + begin, IsBlank);
  const std::size_t lineEnd = QuietLineEnd(end);
  if (aloneBefore && lineEnd != std::string::npos) {
    Replace(lineStart, lineEnd + LineBreakLength(lineEnd), "");  // the whole line, with its comment
  } else if (lineEnd == std::string::npos) {
    std::size_t stop = end;  // more follows it on the line: take the blanks after it
    while (stop < text_.size() && IsBlank(text_[stop])) ++stop;
    Replace(begin, stop, "");
  } else {
    std::size_t start = begin;  // more precedes it on the line: take the blanks before it
    while (start > lineStart && IsBlank(text_[start - 1])) --start;
    Replace(start, end, "");
  }
  return true;
}

bool TUnitSource::RenameClass(std::string_view oldClass, std::string_view newClass, std::string_view oldVar,
                              std::string_view newVar) {
  CheckIdentifier(newClass);
  if (!oldVar.empty()) CheckIdentifier(newVar);
  if (!found_ || !vcl::SameText(oldClass, formClass_)) return false;
  std::string renamed;
  std::size_t copied = 0;
  for (const Token& token : tokens_) {
    if (token.kind != TokenKind::Identifier) continue;
    const std::string_view word = token.Text(text_);
    std::string_view replacement;
    if (vcl::SameText(word, oldClass))
      replacement = newClass;
    else if (!oldVar.empty() && vcl::SameText(word, oldVar))
      replacement = newVar;
    else
      continue;
    renamed.append(text_, copied, token.begin - copied).append(replacement);
    copied = token.end;
  }
  renamed.append(text_, copied);
  text_ = std::move(renamed);
  formClass_ = newClass;
  modified_ = true;
  Analyse();
  return true;
}

void TUnitSource::Save(const std::string& path) const { vcl::WriteFileAtomic(path, text_); }

void TUnitSource::Analyse() {
  found_ = false;
  warning_.clear();
  fields_.clear();
  try {
    tokens_ = TokenizePascal(text_);
  } catch (const EPascalSyntaxError& e) {
    tokens_.clear();
    warning_ = name_ + "(" + std::to_string(e.Line()) + "," + std::to_string(e.Column()) + "): " + e.Problem() +
               "; the unit is not updated";
    return;
  }
  std::vector<Token> code;
  std::copy_if(tokens_.begin(), tokens_.end(), std::back_inserter(code),
               [](const Token& t) { return t.kind != TokenKind::Comment && t.kind != TokenKind::Directive; });
  found_ = FindDeclaration(code);
  if (found_) return;
  fields_.clear();
  warning_ = name_ + ": no declaration of " + formClass_ + " in the interface section; the unit is not updated";
}

// Finds "FormClass = class(Ancestor)" in the interface section and reads the fields of its
// first section. `code` holds the tokens without comments and directives.
bool TUnitSource::FindDeclaration(const std::vector<Token>& code) {
  const auto is = [&](std::size_t i, TokenKind kind, std::string_view text) {
    return i < code.size() && code[i].kind == kind && vcl::SameText(code[i].Text(text_), text);
  };
  const auto isSymbol = [&](std::size_t i, std::string_view text) { return is(i, TokenKind::Symbol, text); };
  std::size_t i = 0;
  while (i < code.size() && !is(i, TokenKind::Keyword, "interface")) ++i;
  for (++i; i < code.size() && !is(i, TokenKind::Keyword, "implementation"); ++i) {
    if (!is(i, TokenKind::Identifier, formClass_) || !isSymbol(i + 1, "=") || !is(i + 2, TokenKind::Keyword, "class") ||
        !isSymbol(i + 3, "("))
      continue;
    std::size_t k = i + 4;  // the ancestor and interfaces: names, dots and commas
    while (k < code.size() && (code[k].kind == TokenKind::Identifier || isSymbol(k, ".") || isSymbol(k, ","))) {
      if (code[k].kind == TokenKind::Identifier && (isSymbol(k + 1, ",") || isSymbol(k + 1, ")")) && ancestor_.empty())
        ancestor_ = std::string(code[k].Text(text_));
      ++k;
    }
    if (!isSymbol(k, ")") || isSymbol(k + 1, ";")) {  // "class(TForm);" has no body to edit
      ancestor_.clear();
      continue;
    }
    classToken_ = code[i];
    headerEnd_ = code[k++];

    // Fields: "Name {, Name}: Type;" until a method, property, visibility keyword or "end".
    while (k < code.size() && code[k].kind == TokenKind::Identifier && !IsVisibility(code[k].Text(text_))) {
      FieldDeclaration field;
      field.names.push_back(code[k++]);
      while (isSymbol(k, ",") && k + 1 < code.size() && code[k + 1].kind == TokenKind::Identifier) {
        field.names.push_back(code[k + 1]);
        k += 2;
      }
      if (!isSymbol(k, ":")) return false;
      for (++k; k < code.size() && !isSymbol(k, ";"); ++k)
        if (code[k].kind == TokenKind::Keyword && !IsTypeKeyword(code[k].Text(text_))) return false;
      if (k >= code.size()) return false;
      field.semicolon = code[k++];
      fields_.push_back(std::move(field));
    }
    return k < code.size();
  }
  return false;
}

const TUnitSource::FieldDeclaration* TUnitSource::FindField(std::string_view name, std::size_t* index) const {
  for (const FieldDeclaration& field : fields_) {
    for (std::size_t i = 0; i < field.names.size(); ++i) {
      if (vcl::SameText(field.names[i].Text(text_), name)) {
        *index = i;
        return &field;
      }
    }
  }
  return nullptr;
}

void TUnitSource::Replace(std::size_t begin, std::size_t end, std::string_view with) {
  text_.replace(begin, end - begin, with);
  modified_ = true;
  Analyse();
}

std::size_t TUnitSource::LineStart(std::size_t offset) const {
  while (offset > 0 && !IsLineBreak(text_[offset - 1])) --offset;
  return offset;
}

// The offset of the line break (or the end of the text) that ends the line holding `offset`,
// when only blanks and comments lie between them; npos when something else does.
std::size_t TUnitSource::QuietLineEnd(std::size_t offset) const {
  auto next = std::lower_bound(tokens_.begin(), tokens_.end(), offset,
                               [](const Token& t, std::size_t at) { return t.begin < at; });
  for (std::size_t pos = offset;;) {
    while (pos < text_.size() && IsBlank(text_[pos])) ++pos;
    if (pos >= text_.size() || IsLineBreak(text_[pos])) return pos;
    while (next != tokens_.end() && next->begin < pos) ++next;
    if (next == tokens_.end() || next->begin != pos || next->kind != TokenKind::Comment) return std::string::npos;
    pos = next->end;
  }
}

std::size_t TUnitSource::LineBreakLength(std::size_t offset) const {
  if (text_.compare(offset, 2, "\r\n") == 0) return 2;
  return offset < text_.size() && IsLineBreak(text_[offset]) ? 1 : 0;
}

// The line break at `offset`, or else the unit's first one, or else CRLF.
std::string TUnitSource::LineBreakAt(std::size_t offset) const {
  if (const std::size_t length = LineBreakLength(offset)) return text_.substr(offset, length);
  const std::size_t first = text_.find_first_of("\r\n");
  if (first == std::string::npos) return "\r\n";
  return text_.substr(first, LineBreakLength(first));
}

// The indentation of the last field that starts its line, or two blanks more than the class line.
std::string TUnitSource::FieldIndent() const {
  for (auto field = fields_.rbegin(); field != fields_.rend(); ++field) {
    const std::size_t begin = field->names.front().begin;
    const std::size_t lineStart = LineStart(begin);
    if (std::all_of(text_.begin() + lineStart, text_.begin() + begin, IsBlank))
      return text_.substr(lineStart, begin - lineStart);
  }
  const std::size_t lineStart = LineStart(classToken_.begin);
  std::size_t end = lineStart;
  while (end < classToken_.begin && IsBlank(text_[end])) ++end;
  return text_.substr(lineStart, end - lineStart) + "  ";
}

}  // namespace ide
