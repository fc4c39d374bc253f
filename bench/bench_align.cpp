// The column layout on containers holding N labelled controls (every tenth a check box that
// carries its own caption), alternating between vertical-fit and fixed three-column layouts
// so that every run moves the controls.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "align/ZoltAlign.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"

using namespace vcl;

namespace {

struct Container {
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  TPanel* panel = nullptr;
  std::string names;
};

// The controls in creation order, which is also their tab order; `inOrder` false lists the
// names backwards and makes the labels last, backwards, so that no look-up finds its item
// where the one before it left off.
Container MakeContainer(int count, bool inOrder) {
  Container c;
  c.panel = new TPanel(c.form.get());
  c.panel->SetParent(c.form.get());
  c.panel->SetBounds(0, 0, 800, 600);
  c.panel->DisableAlign();
  std::vector<TLabel*> labels;
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::string suffix = std::to_string(i + 1);
    TWinControl* control;
    if (i % 10 == 9) {
      auto* box = new TCheckBox(c.form.get());
      box->SetName("chb" + suffix);
      box->SetCaption("Option " + suffix);
      control = box;
    } else {
      auto* edit = new TEdit(c.form.get());
      edit->SetName("edt" + suffix);
      auto* label = new TLabel(c.form.get());
      label->SetName("lbl" + suffix);
      label->SetCaption("Field " + suffix + ":");
      label->SetFocusControl(edit);
      if (inOrder)
        label->SetParent(c.panel);
      else
        labels.push_back(label);
      control = edit;
    }
    control->SetParent(c.panel);
    names.push_back(control->Name());
  }
  if (!inOrder) {
    std::reverse(labels.begin(), labels.end());
    for (TLabel* label : labels) label->SetParent(c.panel);
    std::reverse(names.begin(), names.end());
  }
  for (const std::string& name : names) c.names += name + ',';
  c.panel->EnableAlign();
  return c;
}

void AlignLabelledControls(benchmark::State& state, bool inOrder) {
  const int count = static_cast<int>(state.range(0));
  Container c = MakeContainer(count, inOrder);
  bool verticalFit = true;
  for (auto _ : state) {
    zolt::Align(c.panel, verticalFit, 3, 8, 8, 4, 4, 2, 15, -2, c.names, "TCheckBox,TRadiobutton,TDBCheckBox", true);
    verticalFit = !verticalFit;
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_AlignLabelledControls(benchmark::State& state) { AlignLabelledControls(state, true); }
BENCHMARK(BM_AlignLabelledControls)
    ->Arg(1'000)
    ->Arg(4'000)
    ->Arg(10'000)
    ->Arg(40'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

void BM_AlignLabelledControlsInMixedOrder(benchmark::State& state) { AlignLabelledControls(state, false); }
BENCHMARK(BM_AlignLabelledControlsInMixedOrder)->Arg(4'000)->Arg(40'000)->Unit(benchmark::kMillisecond);

}  // namespace
