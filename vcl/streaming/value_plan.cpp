#include "vcl/streaming/value_plan.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>
#include <utility>

#include "vcl/class_listeners.h"

namespace vcl {

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
  // The same few paths are asked for with the same pieces (interned prefixes, the names a
  // class gives its binary values): a small table by the pieces' addresses answers most asks
  // without hashing their text. Its entries are checked by content, so a reused address is
  // harmless.
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

namespace {

// Sub-objects nest at most this deep below a component.
constexpr int kMaxDepth = 4;

std::unique_ptr<TValuePlan> MakePlan(TClass cls, std::string_view prefix) {
  auto plan = std::make_unique<TValuePlan>();
  plan->Prefix = prefix;
  if (cls->InheritsFrom(TStrings::ClassInfo())) {
    plan->Lines = true;
    plan->LinesPath = InternPath(prefix, "Strings");
    return plan;
  }
  plan->Collection = cls->InheritsFrom(TCollection::ClassInfo());
  plan->Persistent = cls->InheritsFrom(TPersistent::ClassInfo());
  const int depth = static_cast<int>(std::count(prefix.begin(), prefix.end(), '.'));
  for (PPropInfo prop : cls->Properties()) {
    // A component's name stands in its object's header, not among its values.
    if (prefix.empty() && prop->Name == "Name") continue;
    TPlanEntry entry{};
    entry.Prop = prop;
    entry.Path = prefix.empty() ? std::string_view(prop->Name) : InternPath(prefix, prop->Name);
    switch (prop->Kind()) {
      case TTypeKind::tkMethod:
        entry.Kind = TPlanEntry::TKind::Event;
        break;
      case TTypeKind::tkString:
        entry.Kind = TPlanEntry::TKind::String;
        break;
      case TTypeKind::tkFloat:
        entry.Kind = TPlanEntry::TKind::Float;
        break;
      case TTypeKind::tkClass:
        if (!prop->IsComponentReference()) {
          entry.Kind = TPlanEntry::TKind::Object;
          entry.Prefix = InternPath(entry.Path, ".");
          entry.Expand = depth < kMaxDepth;
          break;
        }
        if (!prop->GetOrd) continue;
        entry.Kind = TPlanEntry::TKind::Reference;
        break;
      default:
        if (!prop->GetOrd) continue;
        entry.Kind = TPlanEntry::TKind::Ordinal;
        break;
    }
    plan->Entries.push_back(entry);
  }
  return plan;
}

// The plans of each class, by the prefixes it was met under. Plans of a destroyed class go
// with it, and every plan's memory of the last class its sub-object had is then out of date.
struct TPlans {
  std::unordered_map<TClass, std::vector<std::pair<std::string_view, std::unique_ptr<TValuePlan>>>> byClass;
  std::uint64_t generation = 1;
};

TPlans& Plans() {
  // Left for the program's end: classes destroyed at exit still look in it.
  static TPlans* plans = [] {
    ListenForDestroyedClasses([](TClass cls) {
      Plans().byClass.erase(cls);
      ++Plans().generation;
    });
    return new TPlans;
  }();
  return *plans;
}

const TValuePlan& PlanFor(TClass cls, std::string_view prefix) {
  auto& plans = Plans().byClass[cls];
  for (const auto& [known, plan] : plans)
    if (known.data() == prefix.data() && known.size() == prefix.size()) return *plan;
  plans.emplace_back(prefix, MakePlan(cls, prefix));
  return *plans.back().second;
}

}  // namespace

const TValuePlan& ValuePlan(TClass cls, std::string_view prefix) {
  // A form's components are of a few classes, asked for again and again: the plans last
  // found are kept by the class's address, while no class has gone since.
  struct TFound {
    TClass cls = nullptr;
    std::string_view prefix;
    std::uint64_t generation = 0;
    const TValuePlan* plan = nullptr;
  };
  static std::array<TFound, 64> found{};
  TFound& hit = found[(reinterpret_cast<std::uintptr_t>(cls) >> 4) % found.size()];
  const std::uint64_t generation = Plans().generation;
  if (hit.cls == cls && hit.generation == generation && hit.prefix.data() == prefix.data() &&
      hit.prefix.size() == prefix.size())
    return *hit.plan;
  hit = {cls, prefix, generation, &PlanFor(cls, prefix)};
  return *hit.plan;
}

const TValuePlan& TPlanEntry::PlanOf(TClass cls) const {
  if (cls != lastClass_ || lastGeneration_ != Plans().generation) {
    lastPlan_ = &ValuePlan(cls, Prefix);
    lastClass_ = cls;
    lastGeneration_ = Plans().generation;
  }
  return *lastPlan_;
}

}  // namespace vcl
