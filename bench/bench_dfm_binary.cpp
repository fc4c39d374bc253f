// Binary form reading and writing on the binary form of the generated 30 MB form.
//
// The generator is the model benchmark's, included whole so that the form is the same; its
// text benchmark (BM_ReadWriteThroughModel) then runs here too, as the baseline.
#include "bench_form_file.cpp"

#include "vcl/streaming/dfm_binary.h"

namespace {

const std::string& BinaryForm() {
  static const std::string form = vcl::dfm::write_binary(vcl::dfm::Document::parse(Form(), "Generated.dfm"));
  return form;
}

void report(benchmark::State& state, const std::string& form) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * form.size()));
  state.counters["file_MB"] = static_cast<double>(form.size()) / (1 << 20);
}

// The syntax tree alone: read (checked, rendered as text, parsed) and written back.
void BM_BinaryReadWrite(benchmark::State& state) {
  const std::string& form = BinaryForm();
  for (auto _ : state) {
    state.PauseTiming();
    std::string bytes = form;
    state.ResumeTiming();
    vcl::dfm::BinaryForm read = vcl::dfm::read_binary(std::move(bytes), "Generated.dfm");
    std::string out = vcl::dfm::write_binary(read.document, read.origin.get());
    benchmark::DoNotOptimize(out.data());
    if (out != form) state.SkipWithError("round trip changed the form");
  }
  report(state, form);
}
BENCHMARK(BM_BinaryReadWrite)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_BinaryReadWriteThroughModel(benchmark::State& state) {
  const std::string& form = BinaryForm();
  for (auto _ : state) {
    auto file = vcl::TFormFile::Read(form, "Generated.dfm");
    std::string out = file->Write();
    benchmark::DoNotOptimize(out.data());
    if (out != form) state.SkipWithError("round trip changed the form");
  }
  report(state, form);
}
BENCHMARK(BM_BinaryReadWriteThroughModel)->Unit(benchmark::kMillisecond)->MinTime(3);

// Every value encoded afresh, as when a text form is saved as binary.
void BM_TextToBinary(benchmark::State& state) {
  vcl::dfm::Document document = vcl::dfm::Document::parse(Form(), "Generated.dfm");
  for (auto _ : state) {
    std::string out = vcl::dfm::write_binary(document);
    benchmark::DoNotOptimize(out.data());
  }
  report(state, BinaryForm());
}
BENCHMARK(BM_TextToBinary)->Unit(benchmark::kMillisecond);

}  // namespace
