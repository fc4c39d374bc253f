// How a class's values are walked for a form file, worked out once per class: its published
// properties in order with their dotted paths and kinds, sub-objects looked up by their class
// as they are met. Every component of a form walks its class's plan instead of deciding per
// property what to do.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/classes.h"
#include "vcl/collections.h"
#include "vcl/strings.h"
#include "vcl/typinfo.h"

namespace vcl {

// The dotted path of `name` under `prefix` ("Font." + "Name"), kept for the program's life:
// equal paths have the same address.
std::string_view InternPath(std::string_view prefix, std::string_view name);

struct TValuePlan;

struct TPlanEntry {
  enum class TKind : std::uint8_t { Event, String, Float, Ordinal, Reference, Object };
  TKind Kind;
  PPropInfo Prop;
  std::string_view Path;
  // For a sub-object: the prefix of its values' paths ("Font."), and whether they are walked
  // (sub-objects nest only a few levels; a cycle would be a modelling fault).
  std::string_view Prefix;
  bool Expand = false;
  // The plan of the sub-object's class under Prefix; the last one found is kept.
  const TValuePlan& PlanOf(TClass cls) const;

private:
  mutable TClass lastClass_ = nullptr;
  mutable const TValuePlan* lastPlan_ = nullptr;
  mutable std::uint64_t lastGeneration_ = 0;
};

struct TValuePlan {
  // A string list: its lines are its one value, at LinesPath.
  bool Lines = false;
  std::string_view LinesPath;
  // A collection: a value of its own, its items walked by theirs.
  bool Collection = false;
  // A persistent object may give binary values, after its published ones, under Prefix.
  bool Persistent = false;
  std::string_view Prefix;
  std::vector<TPlanEntry> Entries;
};

// The plan of the values of an object of `cls` whose paths start with `prefix` (interned;
// empty for a component or a collection item, whose name is not among its values).
const TValuePlan& ValuePlan(TClass cls, std::string_view prefix = {});

// Visits every published value of `instance` that a form file can hold, in published order,
// sub-objects expanded in place and each object's binary values after its published ones:
// `visit` gets the path, the object holding the property, the property (null for a string
// list's lines and for binary values), whether the value is stored, and the value. Shape gets
// what decides which values follow: a sub-object's class (null when it has none) and each
// binary value's path.
template <class Visitor>
void WalkValues(TObject* instance, const TValuePlan& plan, bool stored, Visitor& visit) {
  if (plan.Lines) return visit.Lines(plan.LinesPath, static_cast<TStrings*>(instance), stored);
  for (const TPlanEntry& entry : plan.Entries) {
    PPropInfo prop = entry.Prop;
    switch (entry.Kind) {
      case TPlanEntry::TKind::Event:
        visit.Text(entry.Path, instance, prop, stored, prop->Event(instance)->HandlerName());
        break;
      case TPlanEntry::TKind::String:
        // Most getters give the string the object holds: read in place, not copied.
        if (prop->ViewStr)
          visit.Text(entry.Path, instance, prop, stored, prop->ViewStr(instance));
        else
          visit.Text(entry.Path, instance, prop, stored, GetStrProp(instance, prop));
        break;
      case TPlanEntry::TKind::Float:
        visit.Float(entry.Path, instance, prop, stored, GetFloatProp(instance, prop));
        break;
      case TPlanEntry::TKind::Ordinal:
        visit.Ordinal(entry.Path, instance, prop, stored, prop->GetOrd(instance));
        break;
      case TPlanEntry::TKind::Reference:
        visit.Reference(entry.Path, instance, prop, stored, prop->GetOrd(instance));
        break;
      case TPlanEntry::TKind::Object: {
        // The walk only reads: a sub-object made on its first change is not made for it.
        auto* sub = const_cast<TObject*>(ReadObjectProp(instance, prop));
        visit.Shape(sub ? sub->ClassType() : nullptr);
        if (!sub) break;
        if (!entry.Expand) {
          if (auto* items = Cast<TCollection>(sub)) visit.Collection(entry.Path, instance, prop, stored, *items);
          break;
        }
        const TValuePlan& subPlan = entry.PlanOf(sub->ClassType());
        if (subPlan.Collection)
          visit.Collection(entry.Path, instance, prop, stored, *static_cast<TCollection*>(sub));
        else
          WalkValues(sub, subPlan, stored && prop->IsStoredOn(instance), visit);
        break;
      }
    }
  }
  if (plan.Persistent) {
    auto binary = [&](std::string_view name, std::string bytes) {
      std::string_view path = InternPath(plan.Prefix, name);
      visit.Shape(path.data());
      visit.Binary(path, instance, stored, std::move(bytes));
    };
    static_cast<TPersistent*>(instance)->WriteBinaryProperties(std::ref(binary));  // by reference: nothing allocated
  }
}

}  // namespace vcl
