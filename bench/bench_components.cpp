// Property lookup and write by name; creating and destroying many components, references
// between them and event handlers.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "package/ZoltProps.h"
#include "vcl/classes.h"
#include "vcl/controls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/typinfo.h"

using namespace vcl;

namespace {

// Looks up and writes the component's "Tag" through the run-time type information.
void BM_WriteOrdPropByName(benchmark::State& state) {
  TComponent component(nullptr);
  NativeInt value = 0;
  for (auto _ : state) {
    zolt::SetCompOrdPropByName(&component, "tag", ++value);
    benchmark::DoNotOptimize(component.Tag());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WriteOrdPropByName);

void BM_LookupMissingProperty(benchmark::State& state) {
  TClass cls = TComponent::ClassInfo();
  for (auto _ : state) benchmark::DoNotOptimize(GetPropInfo(cls, "NoSuchProperty"));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupMissingProperty);

// Looks up by name every property an edit publishes, then every one a label does: what reading
// a form of edits and labels does for each of their values.
void BM_LookupPropertiesOfTwoClasses(benchmark::State& state) {
  std::vector<std::pair<TClass, std::string>> asks;
  for (const char* name : {"TEdit", "TLabel"})
    for (PPropInfo prop : FindClass(name)->Properties()) asks.emplace_back(FindClass(name), prop->Name);
  for (auto _ : state)
    for (const auto& [cls, name] : asks) benchmark::DoNotOptimize(GetPropInfo(cls, name));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(asks.size()));
}
BENCHMARK(BM_LookupPropertiesOfTwoClasses);

// Creates N named components owned by one owner, then destroys the owner.
void BM_CreateDestroyComponents(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  std::vector<std::string> names;
  names.reserve(count);
  for (int i = 0; i < count; ++i) names.push_back("Component" + std::to_string(i + 1));
  for (auto _ : state) {
    auto* owner = new TComponent(nullptr);
    for (int i = 0; i < count; ++i) (new TComponent(owner))->SetName(names[i]);
    owner->Free();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_CreateDestroyComponents)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The least a form reader does per component, without reading or setting any value: N panels
// of 8 labels, 8 edits, a check box and a memo (19 components each, the shape of the
// generated form of the form-file benchmark) created by class name through the class
// registry, named, parented, and destroyed with their form.
void BM_CreateFormShapedComponents(benchmark::State& state) {
  const int panels = static_cast<int>(state.range(0));
  TClass panelClass = FindClass("TPanel"), labelClass = FindClass("TLabel"), editClass = FindClass("TEdit");
  TClass checkBoxClass = FindClass("TCheckBox"), memoClass = FindClass("TMemo");
  auto make = [](TClass cls, TComponent* owner, TWinControl* parent, const std::string& name) {
    auto* control = static_cast<TControl*>(FindClass(cls->ClassName())->Create(owner));
    control->SetName(name);
    control->SetParent(parent);
    return control;
  };
  for (auto _ : state) {
    auto form = std::make_unique<TForm>(nullptr);
    for (int p = 1; p <= panels; ++p) {
      std::string suffix = std::to_string(p);
      auto* panel = static_cast<TWinControl*>(make(panelClass, form.get(), form.get(), "Panel" + suffix));
      for (int i = 0; i < 8; ++i) {
        std::string c = suffix + "_" + std::to_string(i);
        make(labelClass, form.get(), panel, "Label" + c);
        make(editClass, form.get(), panel, "Edit" + c);
      }
      make(checkBoxClass, form.get(), panel, "CheckBox" + suffix);
      make(memoClass, form.get(), panel, "Memo" + suffix);
    }
  }
  state.SetItemsProcessed(state.iterations() * panels * 19);
}
BENCHMARK(BM_CreateFormShapedComponents)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

// N labels each referring to an edit (FocusControl), both kept apart by free notification,
// then destroyed with their owner: the links a reference makes at both ends.
void BM_ReferencesBetweenComponents(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto* owner = new TComponent(nullptr);
    for (int i = 0; i < count; ++i) {
      auto* edit = new TEdit(owner);
      (new TLabel(owner))->SetFocusControl(edit);
    }
    owner->Free();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ReferencesBetweenComponents)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// N event slots given handler names, each name read back, then all cleared.
void BM_EventHandlers(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  std::vector<std::string> names;
  for (std::size_t i = 0; i < count; ++i) names.push_back("Handler" + std::to_string(i));
  for (auto _ : state) {
    std::vector<TNotifyEvent> events(count);
    for (std::size_t i = 0; i < count; ++i) events[i].SetHandlerName(names[i]);
    std::size_t length = 0;
    for (const TNotifyEvent& event : events) length += event.HandlerName().size();
    benchmark::DoNotOptimize(length);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EventHandlers)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
