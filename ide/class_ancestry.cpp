#include "ide/class_ancestry.h"

#include <filesystem>

#include "host/reg_ini_file.h"
#include "ide/pascal_lexer.h"
#include "vcl/classes.h"
#include "vcl/streaming/read_file.h"
#include "vcl/strings.h"

namespace ide {
namespace {

constexpr const char* kSettingsKey = "Software\\Borland\\Delphi\\Zol-t";
constexpr const char* kClassesSection = "Classes";

// Every "Name = class(Ancestor" of the unit: the ancestor is the first name of the list, its
// unit prefix dropped ("class(ExtCtrls.TPanel, IFoo)" gives TPanel). A unit that cannot be
// read as Pascal declares nothing.
void ReadDeclarations(std::string_view text, vcl::TextMap<std::string>& into) {
  std::vector<Token> code;
  try {
    for (const Token& token : TokenizePascal(text))
      if (token.kind != TokenKind::Comment && token.kind != TokenKind::Directive) code.push_back(token);
  } catch (const EPascalSyntaxError&) {
    return;
  }
  const auto is = [&](std::size_t i, TokenKind kind, std::string_view word) {
    return i < code.size() && code[i].kind == kind && vcl::SameText(code[i].Text(text), word);
  };
  const auto isName = [&](std::size_t i) { return i < code.size() && code[i].kind == TokenKind::Identifier; };
  for (std::size_t i = 0; i + 4 < code.size(); ++i) {
    if (!isName(i) || !is(i + 1, TokenKind::Symbol, "=")) continue;
    std::size_t k = i + 2;
    if (is(k, TokenKind::Keyword, "packed")) ++k;
    if (!is(k, TokenKind::Keyword, "class") || !is(k + 1, TokenKind::Symbol, "(")) continue;
    for (k += 2; isName(k) && is(k + 1, TokenKind::Symbol, "."); k += 2) {
    }
    if (isName(k)) into.emplace(std::string(code[i].Text(text)), std::string(code[k].Text(text)));
  }
}

bool IsModelledComponentClass(vcl::TClass cls) {
  return cls && cls->InheritsFrom(vcl::TComponent::ClassInfo()) && !cls->IsAbstract();
}

// The settings section as name/ancestor pairs in their order; empty without an installed store.
std::vector<std::pair<std::string, std::string>> ReadSettings() {
  std::vector<std::pair<std::string, std::string>> pairs;
  if (!host::GetRegistrySessionFactory()) return pairs;
  host::TRegIniFile store(kSettingsKey);
  vcl::TStringList lines;
  store.ReadSectionValues(kClassesSection, lines);
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string line = lines.Strings(i);
    const std::size_t equals = line.find('=');
    pairs.emplace_back(line.substr(0, equals), line.substr(equals + 1));
  }
  return pairs;
}

// Follows `className` through the maps, the first that declares a class deciding, until a
// modelled class is reached. Every step uses a declaration at most once, so a circle ends.
vcl::TClass Resolve(std::string_view className, std::initializer_list<const vcl::TextMap<std::string>*> maps) {
  std::size_t steps = 0;
  for (const auto* map : maps) steps += map->size();
  std::string name(className);
  for (std::size_t step = 0; step <= steps; ++step) {
    const std::string* ancestor = nullptr;
    for (const auto* map : maps) {
      auto found = map->find(name);
      if (found != map->end()) {
        ancestor = &found->second;
        break;
      }
    }
    if (!ancestor) return nullptr;
    vcl::TClass cls = vcl::GetClass(*ancestor);
    if (cls) return IsModelledComponentClass(cls) ? cls : nullptr;
    name = *ancestor;
  }
  return nullptr;
}

}  // namespace

TClassAncestry::TClassAncestry(std::string folder) : folder_(std::move(folder)) {
  for (auto& [name, ancestor] : ReadSettings()) settings_.emplace(std::move(name), std::move(ancestor));
}

void TClassAncestry::LoadUnits() {
  unitsLoaded_ = true;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    if (!vcl::SameText(entry.path().extension().string(), ".pas")) continue;
    // A unit that cannot be read does not stop the form from opening: it declares nothing.
    try {
      ReadDeclarations(vcl::ReadWholeFile(entry.path().string()), units_);
    } catch (const vcl::EInOutError&) {
    }
  }
}

vcl::TClass TClassAncestry::ModelledAncestor(std::string_view className) {
  if (!unitsLoaded_) LoadUnits();
  return Resolve(className, {&units_, &settings_});
}

std::vector<std::pair<std::string, std::string>> DeclaredClasses() { return ReadSettings(); }

void DeclareClass(const std::string& className, const std::string& ancestor) {
  for (const std::string& name : {className, ancestor})
    if (!vcl::IsValidIdent(name))
      throw vcl::EInvalidOperation("'" + name + "' is not a valid class name");
  if (vcl::GetClass(className))
    throw vcl::EInvalidOperation(className + " is a class of the component library; its ancestry is known");
  vcl::TextMap<std::string> settings;
  for (auto& [name, parent] : ReadSettings()) settings.emplace(std::move(name), std::move(parent));
  settings.insert_or_assign(className, ancestor);
  if (!Resolve(className, {&settings}))
    throw vcl::EInvalidOperation(ancestor + " leads to no component class of the library, so " + className +
                                 " cannot descend from it");
  host::TRegIniFile(kSettingsKey).WriteString(kClassesSection, className, ancestor);
}

void ForgetClass(const std::string& className) {
  host::TRegIniFile store(kSettingsKey);
  if (store.ReadString(kClassesSection, className, "").empty())
    throw vcl::EInvalidOperation(className + " is not declared");
  store.DeleteKey(kClassesSection, className);
}

}  // namespace ide
