// The per-component steps of reading and saving a form's values: looking up the properties
// a file names, in the order it names them, and walking every published value of a
// component into its snapshot (after a load) or against it (before a save).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/form_values.h"
#include "vcl/streaming/snapshot_store.h"
#include "vcl/streaming/value_snapshot.h"

using namespace vcl;

namespace {

// A form owning `count` edits, each with a handler named for its OnChange event, as the
// generated forms of the other benchmarks have them.
std::unique_ptr<TForm> FormOfEdits(int count) {
  auto form = std::make_unique<TForm>(nullptr);
  for (int i = 0; i < count; ++i) {
    auto* edit = new TEdit(form.get());
    edit->SetName("Edit" + std::to_string(i + 1));
    edit->SetParent(form.get());
    edit->SetText("Value " + std::to_string(i + 1));
    edit->OnChange.SetHandlerName("EditChange");
  }
  return form;
}

// The names an edit's object in a form file gives, in its order, looked up for each of
// `count` edits: through a guide (Arg 1) or the class's index alone (Arg 0).
void BM_ResolveEditValues(benchmark::State& state) {
  const bool guided = state.range(0) != 0;
  const int count = 10'000;
  auto form = FormOfEdits(1);
  TObject* edit = form->Components(0);
  const std::vector<std::string> names = {"Left", "Top", "Width", "Height", "TabOrder", "Text", "OnChange"};
  for (auto _ : state) {
    TPropertyGuide guide;
    for (int i = 0; i < count; ++i) {
      guide.Begin(edit->ClassType());
      for (const std::string& name : names)
        benchmark::DoNotOptimize(ResolvePath(edit, name, guided ? &guide : nullptr).Prop);
    }
  }
  state.SetItemsProcessed(state.iterations() * count * static_cast<std::int64_t>(names.size()));
}
BENCHMARK(BM_ResolveEditValues)->Arg(0)->Arg(1);

// Every edit's values into its snapshot, as a loaded form does once per component.
void BM_SnapshotEdits(benchmark::State& state) {
  auto form = FormOfEdits(static_cast<int>(state.range(0)));
  TValueSnapshot::TBuilder builder;
  for (auto _ : state)
    for (int i = 0; i < form->ComponentCount(); ++i)
      benchmark::DoNotOptimize(SnapshotValues(form->Components(i), builder));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SnapshotEdits)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMicrosecond);

// Every edit's values against its snapshot, unchanged, as a save does once per component.
void BM_CompareEdits(benchmark::State& state) {
  auto form = FormOfEdits(static_cast<int>(state.range(0)));
  std::vector<TValueSnapshot> snapshots;
  for (int i = 0; i < form->ComponentCount(); ++i) snapshots.push_back(SnapshotValues(form->Components(i)));
  TValueSnapshot::TBuilder builder;
  std::vector<TStoredValue> changed;
  for (auto _ : state)
    for (int i = 0; i < form->ComponentCount(); ++i)
      if (ChangedValues(form->Components(i), snapshots[static_cast<std::size_t>(i)], builder, changed))
        state.SkipWithError("an unchanged edit counted as changed");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CompareEdits)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMicrosecond);

// Every edit's values kept in a form file's store after a load (Arg 0), and told unchanged
// against it before a save (Arg 1): the walk and the store together, as a form file does them.
void BM_StoreEdits(benchmark::State& state) {
  const bool compare = state.range(0) != 0;
  const int count = 10'000;
  auto form = FormOfEdits(count);
  TValueSnapshot::TBuilder builder;
  TSnapshotStore store;
  auto keepAll = [&] {
    for (int i = 0; i < count; ++i) {
      PackValues(form->Components(i), builder);
      store.Keep(static_cast<std::uint32_t>(i + 1), builder);
    }
  };
  keepAll();
  for (auto _ : state) {
    if (!compare) {
      keepAll();
      continue;
    }
    for (int i = 0; i < count; ++i) {
      PackValues(form->Components(i), builder);
      if (!store.Holds(static_cast<std::uint32_t>(i + 1), builder)) state.SkipWithError("an unchanged edit counted as changed");
    }
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_StoreEdits)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
