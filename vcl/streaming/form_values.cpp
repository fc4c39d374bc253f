#include "vcl/streaming/form_values.h"

#include <cstdint>

#include "vcl/collections.h"
#include "vcl/integer_idents.h"
#include "vcl/streaming/value_plan.h"
#include "vcl/streaming/value_snapshot.h"
#include "vcl/strings.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {

bool IsSubObject(PPropInfo prop) { return prop->Kind() == TTypeKind::tkClass && !prop->IsComponentReference(); }

// Gathers the values as TStoredValue.
struct TCollector {
  std::vector<TStoredValue>& out;
  void Shape(const void*) {}
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
  void Reference(std::string_view path, TObject* instance, PPropInfo prop, bool stored, NativeInt value) {
    out.push_back({path, instance, prop, value, !stored});
  }
  void Collection(std::string_view path, TObject* instance, PPropInfo prop, bool stored, TCollection& items) {
    out.push_back({path, instance, prop, ObjectToOrd(&items), !stored});
  }
  void Binary(std::string_view path, TObject* instance, bool stored, std::string bytes) {
    out.push_back({path, instance, nullptr, std::move(bytes), !stored});
  }
};

// Packs the values straight into a snapshot.
struct TPacker {
  TValueSnapshot::TBuilder& builder;
  void Shape(const void* decision) { builder.Shape(decision); }
  void Lines(std::string_view, TStrings* list, bool) {
    builder.BeginLines(static_cast<std::size_t>(list->Count()));
    for (int i = 0; i < list->Count(); ++i) builder.Line(list->Strings(i));
    builder.EndLines();
  }
  void Text(std::string_view, TObject*, PPropInfo, bool, const std::string& value) { builder.Text(value); }
  void Float(std::string_view, TObject*, PPropInfo, bool, long double value) { builder.Float(value); }
  void Ordinal(std::string_view, TObject*, PPropInfo, bool, NativeInt value) { builder.Ordinal(value); }
  void Reference(std::string_view, TObject*, PPropInfo, bool, NativeInt value) { builder.Reference(value); }
  void Collection(std::string_view, TObject*, PPropInfo, bool, TCollection& items) { builder.Collection(items); }
  void Binary(std::string_view, TObject*, bool, const std::string& bytes) { builder.Text(bytes); }
};

// Packs the values as TPacker does and compares each entry with the one a snapshot taken
// before holds: the values whose entries differ are collected.
struct TDiffer {
  TPacker now;
  TValueSnapshot::TReader before;
  TCollector changed;
  bool Same(bool ordinal) {
    if (ordinal) return before.Ordinal() == now.builder.LastOrdinal();
    return before.Sized() == now.builder.Last();
  }
  void Shape(const void* decision) { now.Shape(decision); }
  void Lines(std::string_view path, TStrings* list, bool stored) {
    now.Lines(path, list, stored);
    if (!Same(false)) changed.Lines(path, list, stored);
  }
  void Text(std::string_view path, TObject* instance, PPropInfo prop, bool stored, const std::string& value) {
    now.Text(path, instance, prop, stored, value);
    if (!Same(false)) changed.Text(path, instance, prop, stored, value);
  }
  void Float(std::string_view path, TObject* instance, PPropInfo prop, bool stored, long double value) {
    now.Float(path, instance, prop, stored, value);
    if (!Same(false)) changed.Float(path, instance, prop, stored, value);
  }
  void Ordinal(std::string_view path, TObject* instance, PPropInfo prop, bool stored, NativeInt value) {
    now.Ordinal(path, instance, prop, stored, value);
    if (!Same(true)) changed.Ordinal(path, instance, prop, stored, value);
  }
  void Reference(std::string_view path, TObject* instance, PPropInfo prop, bool stored, NativeInt value) {
    now.Reference(path, instance, prop, stored, value);
    if (!Same(false)) changed.Reference(path, instance, prop, stored, value);
  }
  void Collection(std::string_view path, TObject* instance, PPropInfo prop, bool stored, TCollection& items) {
    now.Collection(path, instance, prop, stored, items);
    if (!Same(false)) changed.Collection(path, instance, prop, stored, items);
  }
  void Binary(std::string_view path, TObject* instance, bool stored, std::string bytes) {
    now.Binary(path, instance, stored, bytes);
    if (!Same(false)) changed.Binary(path, instance, stored, std::move(bytes));
  }
};

}  // namespace

void CollectValues(TObject* instance, std::vector<TStoredValue>& out) {
  out.clear();
  TCollector collector{out};
  WalkValues(instance, ValuePlan(instance->ClassType()), true, collector);
}

namespace {
// Walks the values of `instance` with a visitor that packs them into `builder`.
template <class Visitor>
void Pack(TObject* instance, TValueSnapshot::TBuilder& builder, Visitor&& visit) {
  builder.Reset();
  builder.Shape(instance->ClassType());
  WalkValues(instance, ValuePlan(instance->ClassType()), true, visit);
}
}  // namespace

void PackValues(TObject* instance, TValueSnapshot::TBuilder& builder) { Pack(instance, builder, TPacker{builder}); }

TValueSnapshot SnapshotValues(TObject* instance, TValueSnapshot::TBuilder& builder) {
  PackValues(instance, builder);
  return builder.Finish();
}

TValueSnapshot SnapshotValues(TObject* instance) {
  TValueSnapshot::TBuilder builder;
  return SnapshotValues(instance, builder);
}

bool ChangedValues(TObject* instance, const TValueSnapshot& before, TValueSnapshot::TBuilder& now,
                   std::vector<TStoredValue>& changed) {
  changed.clear();
  // Most components are saved unchanged: one walk and one comparison tell so.
  Pack(instance, now, TPacker{now});
  if (now.Holds(before)) return false;
  // Of another shape, the entries do not correspond: every value counts as changed.
  if (!now.SameShape(before)) {
    CollectValues(instance, changed);
    return true;
  }
  Pack(instance, now, TDiffer{{now}, TValueSnapshot::TReader(before), {changed}});
  return true;
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

void TPropertyGuide::Begin(TClass cls) {
  if (cls != class_) {
    class_ = cls;
    followers_ = &next_[cls];
  }
  // Sized for the properties the class has now (so for every index found until the next Begin).
  if (followers_->size() != cls->Properties().size() + 1) followers_->assign(cls->Properties().size() + 1, -1);
  last_ = followers_->size() - 1;
}

PPropInfo TPropertyGuide::Find(std::string_view name) {
  const std::vector<PPropInfo>& props = class_->Properties();
  int& follower = (*followers_)[last_];
  // Files mostly spell a name as the class does: compared as it is before ignoring case.
  auto named = [name](PPropInfo p) { return std::string_view(p->Name) == name || SameText(p->Name, name); };
  PPropInfo prop = follower >= 0 && static_cast<std::size_t>(follower) < props.size() &&
                           named(props[static_cast<std::size_t>(follower)])
                       ? props[static_cast<std::size_t>(follower)]
                       : class_->FindProperty(name);
  if (!prop) return nullptr;
  follower = prop->Index;
  last_ = static_cast<std::size_t>(prop->Index);
  return prop;
}

TPathTarget ResolvePath(TObject* object, std::string_view path, TPropertyGuide* guide) {
  TObject* instance = object;
  while (true) {
    std::size_t dot = path.find('.');
    std::string_view head = path.substr(0, dot);
    PPropInfo prop = guide ? guide->Find(head) : GetPropInfo(instance, head);
    guide = nullptr;  // the rest of the path names properties of sub-objects
    if (dot == std::string_view::npos) {
      // A string list publishes nothing: its lines are asked for far less often than properties.
      if (prop) return {instance, prop, false};
      if (Cast<TStrings>(instance)) return SameText(head, "Strings") ? TPathTarget{instance, nullptr, true} : TPathTarget{};
      return {instance, nullptr, false};
    }
    if (!prop || !IsSubObject(prop)) return {};
    instance = GetObjectProp(instance, prop);
    if (!instance) return {};
    path.remove_prefix(dot + 1);
  }
}

}  // namespace vcl
