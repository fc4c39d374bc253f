// Property lookup and write by name; creating and destroying many components.
#include <benchmark/benchmark.h>

#include "package/ZoltProps.h"
#include "vcl/classes.h"
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

}  // namespace
