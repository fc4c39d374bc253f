// Keeping a form's Pascal unit in step with the form designer: the form class declaration's
// component fields, and the names of the form class and its global variable.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ide/pascal_lexer.h"

namespace ide {

// Names written into a unit must be plain identifiers, or the edit would corrupt the source:
// raises EInvalidOperation otherwise.
void CheckIdentifier(std::string_view name);

// The bytes of one unit and the declaration of its form class, "TForm1 = class(TForm)" (any
// ancestor) in the interface section. The component fields are those of the class's first,
// unnamed section, before any method, property or visibility keyword.
//
// Edits change only the bytes they concern; everything else, line endings and encoding
// included, is kept. When the declaration cannot be found (or the unit cannot be read as
// Pascal, such as an unterminated comment), Found() is false, every edit returns false and
// changes nothing, and Warning() holds one line naming the unit and the reason, so that the
// caller can save the form anyway and print that line. A new name that is not a plain
// identifier raises EInvalidOperation, as writing it would corrupt the unit.
class TUnitSource {
public:
  // `name` labels the unit in warnings (usually its path); `formClass` is the class name of
  // the form's root component.
  TUnitSource(std::string name, std::string bytes, std::string formClass);
  // Reads the unit at `path`; raises EInOutError naming it when it cannot be read.
  static TUnitSource Load(const std::string& path, std::string formClass);

  bool Found() const { return found_; }
  const std::string& Warning() const { return warning_; }
  const std::string& FormClass() const { return formClass_; }
  // The form class's ancestor as declared ("TForm" of "class(Forms.TForm)"); empty when not found.
  const std::string& Ancestor() const { return ancestor_; }
  // The names of the component fields, in order.
  std::vector<std::string> FieldNames() const;
  // True once an edit changed the text.
  bool Modified() const { return modified_; }

  // "Button1: TButton;" becomes "btnSave: TButton;" (also in a list "A, Button1: TButton;").
  // False when no component field has that name.
  bool RenameField(std::string_view oldName, std::string_view newName);
  // Adds "Name: TClass;" on its own line after the last component field, indented and ended
  // like the fields around it.
  bool AddField(std::string_view name, std::string_view className);
  // Removes the field's line, or only its name from a list. False when there is no such field.
  bool RemoveField(std::string_view name);
  // Renames the form class and its global variable wherever the unit uses them as
  // identifiers (declaration, method implementations, the variable, other code), never in
  // comments, strings or compiler directives, and never inside a longer identifier. False,
  // and nothing changed, when `oldClass` is not the declared form class. An empty `oldVar`
  // leaves variables alone.
  bool RenameClass(std::string_view oldClass, std::string_view newClass, std::string_view oldVar,
                   std::string_view newVar);

  // Code in the implementation section follows renamed components: each identifier equal to
  // an old name (ignoring case) that starts a designator, or follows "Self." in a method of
  // the form class or the form variable `formVar` and ".", takes the new name, all renames at
  // once. Never in comments, strings, directives or declarations (routine headings, parameters,
  // local declarations); a name declared by a routine shadows the component there, and in
  // methods of other classes only "formVar." reaches it. Returns the number of tokens renamed.
  int RenameReferences(const std::vector<std::pair<std::string, std::string>>& renames, std::string_view formVar);

  const std::string& Text() const { return text_; }
  // Writes Text() to `path` atomically.
  void Save(const std::string& path) const;

private:
  struct FieldDeclaration {
    std::vector<Token> names;
    Token semicolon;
  };

  void Analyse();
  bool FindDeclaration(const std::vector<Token>& code);
  const FieldDeclaration* FindField(std::string_view name, std::size_t* index) const;
  void Replace(std::size_t begin, std::size_t end, std::string_view with);

  std::size_t LineStart(std::size_t offset) const;
  std::size_t QuietLineEnd(std::size_t offset) const;
  std::size_t LineBreakLength(std::size_t offset) const;
  std::string LineBreakAt(std::size_t offset) const;
  std::string FieldIndent() const;

  std::string name_;
  std::string text_;
  std::string formClass_;
  bool modified_ = false;

  // Filled by Analyse() from text_.
  std::vector<Token> tokens_;
  bool found_ = false;
  std::string warning_;
  Token classToken_{};
  Token headerEnd_{};
  std::string ancestor_;  // the ')' closing the ancestor list
  std::vector<FieldDeclaration> fields_;
};

}  // namespace ide
