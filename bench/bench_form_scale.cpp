// Loading, saving and destroying forms of the shapes that used to cost more than linear time:
// one panel of many controls (wide), panels nested 500 deep, many references between
// components, many components destroyed and made before a save. Each step is timed on its
// own and the three together; compare the per-component figures across sizes.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "form_shapes.h"
#include "vcl/extctrls.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/form_file.h"

namespace {

using vcl::TFormFile;

enum class Step { Load, Save, Destroy, RoundTrip };

void Measure(benchmark::State& state, const std::string& form, Step step) {
  for (auto _ : state) {
    if (step == Step::Save || step == Step::Destroy) state.PauseTiming();
    auto file = TFormFile::Read(form, "Generated.dfm");
    if (step == Step::Save || step == Step::Destroy) state.ResumeTiming();
    if (step == Step::Load || step == Step::Destroy) state.PauseTiming();
    std::string out = file->Write();
    if (out.size() != form.size()) state.SkipWithError("the round trip changed the form");
    if (step == Step::Load || step == Step::Destroy) state.ResumeTiming();
    if (step == Step::Load || step == Step::Save) state.PauseTiming();
    file.reset();
    if (step == Step::Load || step == Step::Save) state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * form.size()));
}

// A generated form of size `n`, made once per size.
template <std::string (*Make)(int)>
const std::string& Cached(int n) {
  static std::map<int, std::string> forms;
  auto [it, made] = forms.try_emplace(n);
  if (made) it->second = Make(n);
  return it->second;
}

const std::string& OnePanel(int controls, bool reversed = false) {
  static std::map<std::pair<int, bool>, std::string> forms;
  auto [it, made] = forms.try_emplace({controls, reversed});
  if (made) it->second = bench::OnePanelForm(controls, reversed);
  return it->second;
}

void BM_OnePanelLoad(benchmark::State& state) { Measure(state, OnePanel(int(state.range(0))), Step::Load); }
void BM_OnePanelSave(benchmark::State& state) { Measure(state, OnePanel(int(state.range(0))), Step::Save); }
void BM_OnePanelDestroy(benchmark::State& state) { Measure(state, OnePanel(int(state.range(0))), Step::Destroy); }
void BM_OnePanelRoundTrip(benchmark::State& state) {
  Measure(state, OnePanel(int(state.range(0))), Step::RoundTrip);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OnePanelLoad)->Arg(4'000)->Arg(40'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnePanelSave)->Arg(4'000)->Arg(40'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnePanelDestroy)->Arg(4'000)->Arg(40'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnePanelRoundTrip)->Arg(4'000)->Arg(40'000)->Unit(benchmark::kMillisecond);

// The same panel with its tab orders opposite to the order the controls were made in: the
// form destroys its components last made first, so each leaves the front of the tab list.
void BM_OnePanelReversedTabOrderDestroy(benchmark::State& state) {
  Measure(state, OnePanel(int(state.range(0)), true), Step::Destroy);
}
BENCHMARK(BM_OnePanelReversedTabOrderDestroy)->Arg(4'000)->Arg(40'000)->Unit(benchmark::kMillisecond);

// Every control of that panel freed while the panel stays, the last made first (as a designer
// deletes a selection or a window clears a panel): each leaves the front of the tab list.
void BM_OnePanelReversedTabOrderFreeChildren(benchmark::State& state) {
  const std::string& form = OnePanel(int(state.range(0)), true);
  for (auto _ : state) {
    state.PauseTiming();
    auto file = TFormFile::Read(form, "Generated.dfm");
    auto* panel = static_cast<vcl::TPanel*>(file->Root()->FindComponent("Panel1"));
    state.ResumeTiming();
    while (panel->ControlCount() > 0) panel->Controls(panel->ControlCount() - 1)->Free();
    state.PauseTiming();
    file.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OnePanelReversedTabOrderFreeChildren)->Arg(4'000)->Arg(40'000)->Unit(benchmark::kMillisecond);

// 30 MB of panels (some 190,000 components), each step apart.
const std::string& ThirtyMegabytes() {
  static const std::string form = bench::PanelsForm(std::size_t{30} << 20);
  return form;
}
void BM_PanelsLoad(benchmark::State& state) { Measure(state, ThirtyMegabytes(), Step::Load); }
void BM_PanelsSave(benchmark::State& state) { Measure(state, ThirtyMegabytes(), Step::Save); }
void BM_PanelsDestroy(benchmark::State& state) { Measure(state, ThirtyMegabytes(), Step::Destroy); }
BENCHMARK(BM_PanelsLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PanelsSave)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PanelsDestroy)->Unit(benchmark::kMillisecond)->Iterations(3);

// Nesting: depth 50 and 500 (the form's text grows with the square of the depth, through
// its indentation; the components grow with the depth).
void BM_DeepRoundTrip(benchmark::State& state) {
  Measure(state, Cached<bench::DeepForm>(int(state.range(0))), Step::RoundTrip);
  state.SetItemsProcessed(state.iterations() * state.range(0) * 3);
}
BENCHMARK(BM_DeepRoundTrip)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

// Many small parents: 2,000 and 20,000 panels of one labelled edit each.
void BM_SmallPanelsRoundTrip(benchmark::State& state) {
  Measure(state, Cached<bench::SmallPanelsForm>(int(state.range(0))), Step::RoundTrip);
  state.SetItemsProcessed(state.iterations() * state.range(0) * 3);
}
BENCHMARK(BM_SmallPanelsRoundTrip)->Arg(2'000)->Arg(20'000)->Unit(benchmark::kMillisecond);

// References: every control refers to one pop-up menu, every label to its edit, every
// button to its action.
void BM_ReferencesRoundTrip(benchmark::State& state) {
  Measure(state, Cached<bench::ReferenceForm>(int(state.range(0))), Step::RoundTrip);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReferencesRoundTrip)->Arg(3'000)->Arg(30'000)->Unit(benchmark::kMillisecond);

// A save after every third control of the panel was destroyed and as many new edits made.
void BM_OnePanelSaveAfterEdits(benchmark::State& state) {
  const std::string& form = OnePanel(int(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto file = TFormFile::Read(form, "Generated.dfm");
    vcl::TComponent* root = file->Root();
    auto* panel = static_cast<vcl::TPanel*>(root->FindComponent("Panel1"));
    int destroyed = 0;
    for (int i = panel->ControlCount() - 1; i >= 0; i -= 3, ++destroyed) panel->Controls(i)->Free();
    for (int i = 0; i < destroyed; ++i) {
      auto* edit = new vcl::TEdit(root);
      edit->SetName("NewEdit" + std::to_string(i));
      edit->SetParent(panel);
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(file->Write());
    state.PauseTiming();
    file.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OnePanelSaveAfterEdits)->Arg(4'000)->Arg(40'000)->Unit(benchmark::kMillisecond);

}  // namespace
