// Reading and writing a form of many data grids whose columns have titles, fonts and
// references: the cost per grid should not grow with the number of grids.
#include <benchmark/benchmark.h>

#include <string>

#include "form_shapes.h"
#include "vcl/db/dbgrids.h"
#include "vcl/streaming/form_file.h"

namespace {

// `grids` data grids of `columns` columns each, every column referring to the form's menu.
std::string GridsForm(int grids, int columns) {
  std::string out = bench::FormHeader("GridsForm");
  for (int i = 1; i <= grids; ++i) {
    std::string n = std::to_string(i);
    out += "  object DBGrid" + n + ": TDBGrid\r\n    Left = 8\r\n    Top = 8\r\n    TabOrder = " +
           std::to_string(i - 1) + "\r\n";
    if (columns == 0) {
      out += "  end\r\n";
      continue;
    }
    out += "    Columns = <\r\n";
    for (int c = 1; c <= columns; ++c)
      out += "      item\r\n        FieldName = 'Field" + std::to_string(c) +
             "'\r\n        PopupMenu = PopupMenu1\r\n        Title.Caption = 'Column'\r\n"
             "        Title.Font.Style = [fsBold]\r\n        Width = 80\r\n        Visible = True\r\n      end\r\n";
    out.replace(out.size() - 2, 2, ">\r\n");
    out += "  end\r\n";
  }
  out += "  object PopupMenu1: TPopupMenu\r\n    Left = 8\r\n    Top = 8\r\n  end\r\nend\r\n";
  return out;
}

// Without columns (the second argument 0): the cost of the grids themselves, for comparison.
void BM_ReadGridColumns(benchmark::State& state) {
  const std::string form = GridsForm(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    auto file = vcl::TFormFile::Read(form, "Grids.dfm");
    benchmark::DoNotOptimize(file->Root());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadGridColumns)->Args({500, 0})->Args({2000, 0})->Args({500, 3})->Args({2000, 3})
    ->Unit(benchmark::kMillisecond);

// Every grid's first title changed, then the form written: each collection rewritten.
void BM_WriteEditedGridColumns(benchmark::State& state) {
  const std::string form = GridsForm(static_cast<int>(state.range(0)), 3);
  auto file = vcl::TFormFile::Read(form, "Grids.dfm");
  int round = 0;
  for (auto _ : state) {
    std::string caption = "Edited " + std::to_string(++round);
    for (int i = 0; i < file->Root()->ComponentCount(); ++i)
      if (auto* grid = vcl::Cast<vcl::TDBGrid>(file->Root()->Components(i)))
        grid->Columns()->Items(0)->Title()->SetCaption(caption);
    std::string out = file->Write();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteEditedGridColumns)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
