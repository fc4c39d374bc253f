#include "vcl/integer_idents.h"

#include <mutex>
#include <unordered_map>

#include "vcl/colors.h"
#include "vcl/control_types.h"
#include "vcl/font.h"

namespace vcl {

bool IdentToInt(std::string_view ident, int& value, std::span<const TIdentMapEntry> map) {
  for (const auto& entry : map)
    if (SameText(entry.Name, ident)) {
      value = entry.Value;
      return true;
    }
  return false;
}

bool IntToIdent(int value, std::string& ident, std::span<const TIdentMapEntry> map) {
  for (const auto& entry : map)
    if (entry.Value == value) {
      ident = entry.Name;
      return true;
    }
  return false;
}

namespace {
struct Converters {
  TIdentToInt identToInt;
  TIntToIdent intToIdent;
};

struct Registry {
  std::mutex lock;
  std::unordered_map<const TTypeInfo*, Converters> map{
      {TypeInfoColor(), {IdentToColor, ColorToIdent}},
      {TypeInfoCursor(), {IdentToCursor, CursorToIdent}},
      {TypeInfoFontCharset(), {IdentToCharset, CharsetToIdent}},
  };
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

Converters Find(const TTypeInfo* type) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  auto it = r.map.find(type);
  return it == r.map.end() ? Converters{nullptr, nullptr} : it->second;
}
}  // namespace

void RegisterIntegerConsts(const TTypeInfo* type, TIdentToInt identToInt, TIntToIdent intToIdent) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  r.map[type] = Converters{identToInt, intToIdent};
}

TIdentToInt FindIdentToInt(const TTypeInfo* type) { return Find(type).identToInt; }
TIntToIdent FindIntToIdent(const TTypeInfo* type) { return Find(type).intToIdent; }

}  // namespace vcl
