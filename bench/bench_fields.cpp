// Freeing a data set with N persistent fields: the data set freeing its fields, and the form
// freeing its components (the fields first, last to first, each leaving its data set). The
// fields are made outside the timing, afresh for each run. For scale: a form of N plain
// named components freed.
#include <benchmark/benchmark.h>

#include <string>

#include "vcl/db/db_fields.h"
#include "vcl/db/dbtables.h"

using namespace vcl;

namespace {

// A form owning a table and `count` string fields of it.
TComponent* FormWithFields(int count) {
  auto* form = new TComponent(nullptr);
  auto* table = new TTable(form);
  table->SetName("Table1");
  for (int i = 1; i <= count; ++i) {
    auto* field = new TStringField(form);
    field->SetName("Table1Field" + std::to_string(i));
    field->SetFieldName("Field " + std::to_string(i));
    field->SetDataSet(table);
  }
  return form;
}

void FreeDataSet(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    TComponent* form = FormWithFields(count);
    auto* table = form->FindComponent("Table1");
    state.ResumeTiming();
    table->Free();
    state.PauseTiming();
    form->Free();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void FreeForm(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    TComponent* form = FormWithFields(count);
    state.ResumeTiming();
    form->Free();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void FreePlainForm(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto* form = new TComponent(nullptr);
    for (int i = 1; i <= count; ++i) (new TComponent(form))->SetName("Component" + std::to_string(i));
    state.ResumeTiming();
    form->Free();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(FreeDataSet)->Arg(500)->Arg(5'000)->Arg(50'000)->Unit(benchmark::kMillisecond);
BENCHMARK(FreeForm)->Arg(500)->Arg(5'000)->Arg(50'000)->Unit(benchmark::kMillisecond);
BENCHMARK(FreePlainForm)->Arg(500)->Arg(5'000)->Arg(50'000)->Unit(benchmark::kMillisecond);
