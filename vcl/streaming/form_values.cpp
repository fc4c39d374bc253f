#include "vcl/streaming/form_values.h"

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "vcl/collections.h"
#include "vcl/integer_idents.h"
#include "vcl/streaming/value_snapshot.h"
#include "vcl/strings.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {

// The dotted path of `name` under `prefix` ("Font." + "Name"), made once: the same few
// paths recur for every component of a form.
std::string_view InternPath(std::string_view prefix, std::string_view name) {
  using Key = std::pair<std::string_view, std::string_view>;
  struct KeyHash {
    std::size_t operator()(const Key& key) const noexcept {
      return std::hash<std::string_view>()(key.first) * 31 + std::hash<std::string_view>()(key.second);
    }
  };
  struct Entry {
    std::string prefix, name, path;
  };
  static std::unordered_map<Key, std::unique_ptr<Entry>, KeyHash> paths;
  // Every component asks for the same paths with the same pieces (interned prefixes, the
  // properties' own names): a small table by the pieces' addresses answers most asks without
  // hashing their text. Its entries are checked by content, so a reused address is harmless.
  static std::array<const Entry*, 512> recent{};
  const std::uint64_t mixed = reinterpret_cast<std::uintptr_t>(prefix.data()) * 0x9E3779B97F4A7C15u ^
                              reinterpret_cast<std::uintptr_t>(name.data()) * 0xC2B2AE3D27D4EB4Fu;
  const std::size_t slot = static_cast<std::size_t>(mixed >> 55);  // the top 9 bits: 0..511
  if (const Entry* hit = recent[slot]; hit && hit->prefix == prefix && hit->name == name) return hit->path;
  auto found = paths.find({prefix, name});
  if (found == paths.end()) {
    auto entry = std::make_unique<Entry>(Entry{std::string(prefix), std::string(name), std::string(prefix).append(name)});
    found = paths.emplace(Key{entry->prefix, entry->name}, std::move(entry)).first;
  }
  recent[slot] = found->second.get();
  return found->second->path;
}

bool IsSubObject(PPropInfo prop) { return prop->Kind() == TTypeKind::tkClass && !prop->IsComponentReference(); }

// Visits every published value of `instance` that a form file can hold, in published order,
// sub-objects expanded in place and each object's binary values after its published ones:
// `visit` gets the path, the object holding the property, the property (null for a string
// list's lines and for binary values), whether the value is stored, and the value.
template <class Visitor>
void Walk(TObject* instance, std::string_view prefix, int depth, bool stored, Visitor& visit) {
  static const std::string dot = ".", strings = "Strings";
  if (auto* list = Cast<TStrings>(instance)) return visit.Lines(InternPath(prefix, strings), list, stored);
  for (PPropInfo prop : instance->ClassType()->Properties()) {
    // A component's name stands in its object's header, not among its values.
    if (depth == 0 && prop->Name == "Name") continue;
    std::string_view path = depth == 0 ? std::string_view(prop->Name) : InternPath(prefix, prop->Name);
    switch (prop->Kind()) {
      case TTypeKind::tkMethod:
        visit.Text(path, instance, prop, stored, prop->Event(instance)->HandlerName());
        break;
      case TTypeKind::tkString:
        visit.Text(path, instance, prop, stored, GetStrProp(instance, prop));
        break;
      case TTypeKind::tkFloat:
        visit.Float(path, instance, prop, stored, GetFloatProp(instance, prop));
        break;
      case TTypeKind::tkClass:
        if (!prop->IsComponentReference()) {
          TObject* sub = GetObjectProp(instance, prop);
          if (auto* items = Cast<TCollection>(sub))
            visit.Collection(path, instance, prop, stored, *items);
          // Sub-objects nest only a few levels; a cycle would be a modelling fault.
          else if (sub && depth < 4)
            Walk(sub, InternPath(path, dot), depth + 1, stored && prop->IsStoredOn(instance), visit);
          break;
        }
        [[fallthrough]];
      default:
        if (prop->GetOrd) visit.Ordinal(path, instance, prop, stored, GetOrdProp(instance, prop));
        break;
    }
  }
  if (auto* persistent = Cast<TPersistent>(instance)) {
    auto binary = [&](std::string_view name, std::string bytes) {
      visit.Binary(InternPath(prefix, name), instance, stored, std::move(bytes));
    };
    persistent->WriteBinaryProperties(std::ref(binary));  // by reference: nothing allocated
  }
}

// Gathers the values as TStoredValue.
struct TCollector {
  std::vector<TStoredValue>& out;
  void Lines(std::string_view path, TStrings* list, bool stored) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list->Count()));
    for (int i = 0; i < list->Count(); ++i) lines.push_back(list->Strings(i));
    out.push_back({path, list, nullptr, std::move(lines), !stored});
  }
  void Text(std::string_view path, TObject* instance, PPropInfo prop, bool stored, const std::string& value) {
    out.push_back({path, instance, prop, value, !stored});
  }
  void Float(std::string_view path, TObject* instance, PPropInfo prop, bool stored, long double value) {
    out.push_back({path, instance, prop, value, !stored});
  }
  void Ordinal(std::string_view path, TObject* instance, PPropInfo prop, bool stored, NativeInt value) {
    out.push_back({path, instance, prop, value, !stored});
  }
  void Collection(std::string_view path, TObject* instance, PPropInfo prop, bool stored, TCollection& items) {
    out.push_back({path, instance, prop, ObjectToOrd(&items), !stored});
  }
  void Binary(std::string_view path, TObject* instance, bool stored, std::string bytes) {
    out.push_back({path, instance, nullptr, std::move(bytes), !stored});
  }
};

// Packs the values straight into a snapshot, as TValueSnapshot packs TStoredValues.
struct TPacker {
  TValueSnapshot::TBuilder builder;
  void Lines(std::string_view path, TStrings* list, bool) {
    builder.BeginLines(path, static_cast<std::size_t>(list->Count()));
    for (int i = 0; i < list->Count(); ++i) builder.Line(list->Strings(i));
    builder.EndLines();
  }
  void Text(std::string_view path, TObject*, PPropInfo, bool, const std::string& value) { builder.Text(path, value); }
  void Float(std::string_view path, TObject*, PPropInfo, bool, long double value) { builder.Float(path, value); }
  void Ordinal(std::string_view path, TObject*, PPropInfo prop, bool, NativeInt value) {
    // Walk hands on no class-typed value but a component reference.
    if (prop->Kind() == TTypeKind::tkClass)
      builder.Reference(path, value);
    else
      builder.Ordinal(path, value);
  }
  void Collection(std::string_view path, TObject*, PPropInfo, bool, TCollection& items) {
    builder.Collection(path, items);
  }
  void Binary(std::string_view path, TObject*, bool, const std::string& bytes) { builder.Text(path, bytes); }
};

}  // namespace

void CollectValues(TObject* instance, std::vector<TStoredValue>& out) {
  out.clear();
  TCollector collector{out};
  Walk(instance, {}, 0, true, collector);
}

TValueSnapshot SnapshotValues(TObject* instance) {
  TPacker packer;
  Walk(instance, {}, 0, true, packer);
  return packer.builder.Finish();
}

bool IsDefaultValue(const TStoredValue& value) {
  if (value.Unstored) return true;
  if (value.Prop && !value.Prop->IsStoredOn(value.Instance)) return true;
  return std::visit(
      [&](const auto& v) -> bool {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, NativeInt>) {
          if (value.Prop->Kind() == TTypeKind::tkClass) return v == 0;
          return value.Prop->Default && *value.Prop->Default == v;
        } else if constexpr (std::is_same_v<V, long double>) {
          return v == 0;
        } else {
          return v.empty();
        }
      },
      value.Value);
}

dfm::Datum ToDatum(const TStoredValue& value, const TComponent* root) {
  if (!value.Prop) {
    if (const auto* bytes = std::get_if<std::string>(&value.Value)) return dfm::Datum::binary(*bytes);
    return dfm::Datum::strings(std::get<std::vector<std::string>>(value.Value));
  }
  const TTypeInfo* type = value.Prop->PropType;
  switch (type->Kind) {
    case TTypeKind::tkMethod:
      return dfm::Datum::ident(std::get<std::string>(value.Value));
    case TTypeKind::tkString:
      return dfm::Datum::string(std::get<std::string>(value.Value));
    case TTypeKind::tkFloat:
      return dfm::Datum::real(std::get<long double>(value.Value));
    default:
      break;
  }
  NativeInt ord = std::get<NativeInt>(value.Value);
  switch (type->Kind) {
    case TTypeKind::tkEnumeration:
      return dfm::Datum::ident(type->EnumName(static_cast<int>(ord)));
    case TTypeKind::tkSet: {
      std::vector<std::string> names;
      for (std::size_t bit = 0; bit < type->CompType->EnumNames.size(); ++bit)
        if (static_cast<std::uint64_t>(ord) & (std::uint64_t{1} << bit)) names.push_back(type->CompType->EnumNames[bit]);
      return dfm::Datum::set(std::move(names));
    }
    case TTypeKind::tkChar:
      return dfm::Datum::string(std::string(1, static_cast<char>(ord)));
    case TTypeKind::tkClass: {
      if (!value.Prop->IsComponentReference()) return CollectionDatum(*static_cast<TCollection*>(OrdToObject(ord)), root);
      auto* target = static_cast<const TComponent*>(OrdToObject(ord));
      if (target == root || target->Owner() == root || !target->Owner()) return dfm::Datum::ident(target->Name());
      return dfm::Datum::ident(target->Owner()->Name() + "." + target->Name());
    }
    default: {
      std::string ident;
      if (TIntToIdent toIdent = FindIntToIdent(type); toIdent && toIdent(static_cast<int>(ord), ident))
        return dfm::Datum::ident(ident);
      return dfm::Datum::integer(ord);
    }
  }
}

dfm::Datum CollectionDatum(const TCollection& items, const TComponent* root) {
  std::vector<dfm::DatumItem> entries(static_cast<std::size_t>(items.Count()));
  std::vector<TStoredValue> values;
  for (int i = 0; i < items.Count(); ++i) {
    CollectValues(items.Items(i), values);
    for (const TStoredValue& value : values)
      if (!IsDefaultValue(value))
        entries[static_cast<std::size_t>(i)].properties.push_back({std::string(value.Path), ToDatum(value, root)});
  }
  return dfm::Datum::collection(std::move(entries));
}

TPathTarget ResolvePath(TObject* object, std::string_view path) {
  TObject* instance = object;
  while (true) {
    std::size_t dot = path.find('.');
    std::string_view head = path.substr(0, dot);
    if (dot == std::string_view::npos) {
      if (Cast<TStrings>(instance)) return SameText(head, "Strings") ? TPathTarget{instance, nullptr, true} : TPathTarget{};
      return {instance, GetPropInfo(instance, head), false};
    }
    PPropInfo prop = GetPropInfo(instance, head);
    if (!prop || !IsSubObject(prop)) return {};
    instance = GetObjectProp(instance, prop);
    if (!instance) return {};
    path.remove_prefix(dot + 1);
  }
}

}  // namespace vcl
