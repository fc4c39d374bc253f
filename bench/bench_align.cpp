// The column layout on containers holding N labelled controls (every tenth a check box that
// carries its own caption), alternating between vertical-fit and fixed three-column layouts
// so that every run moves the controls.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

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

Container MakeContainer(int count) {
  Container c;
  c.panel = new TPanel(c.form.get());
  c.panel->SetParent(c.form.get());
  c.panel->SetBounds(0, 0, 800, 600);
  c.panel->DisableAlign();
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
      label->SetParent(c.panel);
      control = edit;
    }
    control->SetParent(c.panel);
    c.names += control->Name() + ',';
  }
  c.panel->EnableAlign();
  return c;
}

void BM_AlignLabelledControls(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  Container c = MakeContainer(count);
  bool verticalFit = true;
  for (auto _ : state) {
    zolt::Align(c.panel, verticalFit, 3, 8, 8, 4, 4, 2, 15, -2, c.names, "TCheckBox,TRadiobutton,TDBCheckBox", true);
    verticalFit = !verticalFit;
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AlignLabelledControls)
    ->Arg(1'000)
    ->Arg(4'000)
    ->Arg(10'000)
    ->Arg(40'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
