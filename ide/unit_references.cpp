// Renaming a form's component references in its unit's code: a small walk over the
// implementation section that knows routines, their parameters and local declarations,
// and the statements of their bodies.
#include <unordered_map>
#include <unordered_set>

#include "ide/unit_sync.h"
#include "vcl/object.h"

namespace ide {

namespace {

using vcl::TextEqual;
using vcl::TextHash;
using TNameSet = std::unordered_set<std::string_view, TextHash, TextEqual>;

// Where code runs, which decides what a bare name and "Self." reach.
enum class TScope {
  FormMethod,   // a method of the form class (or a routine nested in one): the fields are in scope
  OtherMethod,  // a method of another class: bare names and Self are that class's
  Standalone,   // a plain routine, or the initialization and finalization parts
};

class TReferenceWalk {
public:
  TReferenceWalk(std::string_view text, std::vector<Token> code, std::string_view formClass, std::string_view formVar,
                 const std::unordered_map<std::string_view, std::string_view, TextHash, TextEqual>& renames)
      : text_(text), code_(std::move(code)), formClass_(formClass), formVar_(formVar), renames_(renames) {}

  // The renamed tokens, in text order, with their new names.
  std::vector<std::pair<Token, std::string_view>> Run() {
    std::size_t i = 0;
    while (i < code_.size() && !IsKeyword(i, "implementation")) ++i;
    while (i < code_.size()) {
      if (IsRoutineKeyword(i)) {
        i = Routine(i, TScope::Standalone, {});
      } else if (IsTypeBody(i)) {
        i = SkipType(i);
      } else if (IsKeyword(i, "initialization") || IsKeyword(i, "finalization") || IsKeyword(i, "begin")) {
        i = Statements(i + 1, TScope::Standalone, {}, /*depth=*/1);
      } else {
        ++i;
      }
    }
    return std::move(renamed_);
  }

private:
  std::string_view Text(std::size_t i) const { return code_[i].Text(text_); }
  bool Is(std::size_t i, TokenKind kind, std::string_view word) const {
    return i < code_.size() && code_[i].kind == kind && vcl::SameText(Text(i), word);
  }
  bool IsKeyword(std::size_t i, std::string_view word) const { return Is(i, TokenKind::Keyword, word); }
  bool IsSymbol(std::size_t i, std::string_view symbol) const { return Is(i, TokenKind::Symbol, symbol); }
  bool IsIdentifier(std::size_t i) const { return i < code_.size() && code_[i].kind == TokenKind::Identifier; }
  bool IsRoutineKeyword(std::size_t i) const {
    return IsKeyword(i, "procedure") || IsKeyword(i, "function") || IsKeyword(i, "constructor") ||
           IsKeyword(i, "destructor");
  }
  bool IsDirective(std::size_t i) const {
    static const TNameSet directives = {"overload", "virtual", "override", "reintroduce", "dynamic", "abstract",
                                        "stdcall", "cdecl", "register", "pascal", "safecall", "assembler",
                                        "far", "near", "export", "message", "inline", "static", "platform",
                                        "deprecated", "forward", "external"};
    return (IsIdentifier(i) || code_[i].kind == TokenKind::Keyword) && directives.count(Text(i)) != 0;
  }
  // "class", "record", "object" or "interface" opening a type, rather than "class procedure"
  // or "class of".
  bool IsTypeBody(std::size_t i) const {
    if (IsKeyword(i, "class")) return !IsRoutineKeyword(i + 1) && !IsKeyword(i + 1, "of");
    return IsKeyword(i, "record") || IsKeyword(i, "object") || IsKeyword(i, "interface");
  }
  // Past a type's body up to its "end"; "class(TBase);" has none.
  std::size_t SkipType(std::size_t i) const {
    ++i;
    if (IsSymbol(i, "(")) i = SkipTo(i, ")") + 1;
    if (IsSymbol(i, ";")) return i;
    for (int depth = 1; i < code_.size(); ++i) {
      if (IsTypeBody(i) && !IsKeyword(i, "interface")) ++depth;
      else if (IsKeyword(i, "end") && --depth == 0) return i + 1;
    }
    return i;
  }
  std::size_t SkipTo(std::size_t i, std::string_view symbol) const {
    while (i < code_.size() && !IsSymbol(i, symbol)) ++i;
    return i;
  }

  // A routine from its keyword: heading, parameters, local declarations (nested routines
  // included) and body. Returns the index after it.
  std::size_t Routine(std::size_t i, TScope outer, TNameSet shadows) {
    ++i;
    TScope scope = outer;
    if (IsIdentifier(i) && IsSymbol(i + 1, ".") && IsIdentifier(i + 2)) {
      scope = vcl::SameText(Text(i), formClass_) ? TScope::FormMethod : TScope::OtherMethod;
      i += 2;
    }
    if (IsIdentifier(i)) ++i;
    if (IsSymbol(i, "(")) i = Parameters(i + 1, shadows);
    i = SkipTo(i, ";");
    bool bodiless = false;
    while (i < code_.size() && IsSymbol(i, ";") && i + 1 < code_.size() && IsDirective(i + 1)) {
      bodiless = bodiless || vcl::SameText(Text(i + 1), "forward") || vcl::SameText(Text(i + 1), "external");
      i = SkipTo(i + 1, ";");
    }
    ++i;
    if (bodiless) return i;
    return Declarations(i, scope, std::move(shadows));
  }

  // Parameter groups up to the closing ")": the names before each ":" are declared.
  std::size_t Parameters(std::size_t i, TNameSet& shadows) const {
    bool inNames = true;
    for (; i < code_.size() && !IsSymbol(i, ")"); ++i) {
      if (IsSymbol(i, ";")) inNames = true;
      else if (IsSymbol(i, ":") || IsSymbol(i, "=")) inNames = false;
      else if (inNames && IsIdentifier(i)) shadows.insert(Text(i));
    }
    return i + 1;
  }

  // Local declarations until the body: names declared at the start of each declaration
  // shadow components; nested routines are walked with what is declared so far.
  std::size_t Declarations(std::size_t i, TScope scope, TNameSet shadows) {
    bool atDeclaration = false;
    while (i < code_.size()) {
      if (IsKeyword(i, "begin") || IsKeyword(i, "asm")) return Statements(i + 1, scope, shadows, /*depth=*/1);
      if (IsRoutineKeyword(i)) {
        i = Routine(i, scope, shadows);
        continue;
      }
      if (IsTypeBody(i)) {
        i = SkipType(i);
        atDeclaration = false;
        continue;
      }
      if (IsKeyword(i, "var") || IsKeyword(i, "const") || IsKeyword(i, "type") || IsKeyword(i, "label") ||
          IsKeyword(i, "threadvar") || IsKeyword(i, "resourcestring")) {
        atDeclaration = true;
      } else if (IsSymbol(i, ";") || IsSymbol(i, ",")) {
        atDeclaration = true;
      } else {
        if (atDeclaration && IsIdentifier(i)) shadows.insert(Text(i));
        atDeclaration = false;
      }
      ++i;
    }
    return i;
  }

  // Statements until the "end" that closes `depth` blocks. Returns the index after it.
  std::size_t Statements(std::size_t i, TScope scope, const TNameSet& shadows, int depth) {
    for (; i < code_.size(); ++i) {
      if (IsKeyword(i, "begin") || IsKeyword(i, "case") || IsKeyword(i, "try") || IsKeyword(i, "asm")) {
        ++depth;
      } else if (IsKeyword(i, "end")) {
        if (--depth == 0) return i + 1;
      } else if (IsIdentifier(i)) {
        Reference(i, scope, shadows);
      }
    }
    return i;
  }

  void Reference(std::size_t i, TScope scope, const TNameSet& shadows) {
    auto found = renames_.find(Text(i));
    if (found == renames_.end()) return;
    bool reaches;
    if (i > 0 && IsSymbol(i - 1, ".")) {
      // Qualified: only by the form variable, or by Self in a method of the form class.
      const bool single = i < 3 || !IsSymbol(i - 3, ".");
      reaches = i >= 2 && IsIdentifier(i - 2) && single &&
                ((!formVar_.empty() && vcl::SameText(Text(i - 2), formVar_)) ||
                 (scope == TScope::FormMethod && vcl::SameText(Text(i - 2), "Self")));
    } else {
      reaches = scope != TScope::OtherMethod && shadows.count(Text(i)) == 0;
    }
    if (reaches) renamed_.emplace_back(code_[i], found->second);
  }

  std::string_view text_;
  std::vector<Token> code_;
  std::string_view formClass_;
  std::string_view formVar_;
  const std::unordered_map<std::string_view, std::string_view, TextHash, TextEqual>& renames_;
  std::vector<std::pair<Token, std::string_view>> renamed_;
};

}  // namespace

int TUnitSource::RenameReferences(const std::vector<std::pair<std::string, std::string>>& renames,
                                  std::string_view formVar) {
  if (!found_ || renames.empty()) return 0;
  std::unordered_map<std::string_view, std::string_view, TextHash, TextEqual> byOldName;
  for (const auto& [oldName, newName] : renames) {
    CheckIdentifier(newName);
    byOldName.emplace(oldName, newName);
  }
  std::vector<Token> code;
  for (const Token& token : tokens_)
    if (token.kind != TokenKind::Comment && token.kind != TokenKind::Directive) code.push_back(token);
  const auto renamed = TReferenceWalk(text_, std::move(code), formClass_, formVar, byOldName).Run();
  if (renamed.empty()) return 0;
  std::string text;
  text.reserve(text_.size());
  std::size_t copied = 0;
  for (const auto& [token, newName] : renamed) {
    text.append(text_, copied, token.begin - copied).append(newName);
    copied = token.end;
  }
  text.append(text_, copied);
  text_ = std::move(text);
  modified_ = true;
  Analyse();
  return static_cast<int>(renamed.size());
}

}  // namespace ide
