// The values a form file holds for a component: its published properties flattened into
// dotted paths ("Font.Name", "Items.Strings"), read from and written to the model, and
// converted to and from the values of the form-file syntax.
#pragma once

#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "vcl/classes.h"
#include "vcl/streaming/dfm_text.h"
#include "vcl/typinfo.h"

namespace vcl {

class TCollection;

// A property's value as the model holds it: an ordinal (integers, enumerations, sets,
// characters, component references and collections as pointers), text (strings, handler
// names, the bytes of a binary value), a float, or the lines of a string list.
using TPropValue = std::variant<NativeInt, std::string, long double, std::vector<std::string>>;

struct TStoredValue {
  std::string_view Path;  // "Caption", "Font.Style", "Lines.Strings" (kept for the program's life)
  TObject* Instance;     // the component or the sub-object that has the property
  PPropInfo Prop;        // null for the lines of a string list and for binary values
  TPropValue Value;
  bool Unstored = false;  // part of a sub-object that its owner does not store
};

// Every value of `instance` (a component or a collection item) that can appear in a form
// file, in published order, sub-objects expanded in place, each object's binary values after
// its published ones, stored or not; `out` is cleared first and its storage reused.
void CollectValues(TObject* instance, std::vector<TStoredValue>& out);

// True when the IDE leaves the value out of a form file (it equals the default, is empty,
// zero, null or unassigned, or the property says it is not stored).
bool IsDefaultValue(const TStoredValue& value);

// The form-file spelling of a model value. References name their target: a bare name for
// a component of `root` (or the root itself), "Owner.Name" for one of another module.
dfm::Datum ToDatum(const TStoredValue& value, const TComponent* root);
// A collection as the IDE writes it: per item, its values that are not at their default.
dfm::Datum CollectionDatum(const TCollection& items, const TComponent* root);

// The sub-object and property that a dotted path names on `object` (a component or a
// collection item), or a null `Prop`
// when the model does not publish it. "X.Strings" of a string list gives that list with a
// null `Prop` and `Lines` set.
struct TPathTarget {
  TObject* Instance = nullptr;
  PPropInfo Prop = nullptr;
  bool Lines = false;
};
// Finds the published properties of the objects a form file is read into by name. The
// file gives each object's values in the order the IDE writes them, which objects of one
// class mostly share: the property that followed the last one found, the last time, is
// tried before the class's index.
class TPropertyGuide {
public:
  // The values of an object of `cls` follow.
  void Begin(TClass cls);
  // The published property `name` of the class begun, or null.
  PPropInfo Find(std::string_view name);

private:
  // Per class, by property index (and one more entry, for the first value of an object):
  // the index of the property found after it, or -1.
  std::unordered_map<TClass, std::vector<int>> next_;
  TClass class_ = nullptr;
  std::vector<int>* followers_ = nullptr;
  std::size_t last_ = 0;
};

// With a `guide`, begun for `object`'s class, the first name of the path is looked up by it.
TPathTarget ResolvePath(TObject* object, std::string_view path, TPropertyGuide* guide = nullptr);

}  // namespace vcl
