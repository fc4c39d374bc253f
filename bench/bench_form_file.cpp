// Reading a generated 30 MB form into the component model and writing it back.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "form_shapes.h"
#include "vcl/streaming/form_file.h"

namespace {

// 30 MB, or ZOLT_BENCH_FORM_MB megabytes (for profiling runs).
std::size_t TargetBytes() {
  const char* mb = std::getenv("ZOLT_BENCH_FORM_MB");
  return (mb ? std::stoul(mb) : 30u) << 20;
}

const std::string& Form() {
  static const std::string form = bench::PanelsForm(TargetBytes());
  return form;
}

void BM_ReadWriteThroughModel(benchmark::State& state) {
  const std::string& form = Form();
  for (auto _ : state) {
    auto file = vcl::TFormFile::Read(form, "Generated.dfm");
    std::string out = file->Write();
    benchmark::DoNotOptimize(out.data());
    if (out.size() != form.size()) state.SkipWithError("round trip changed the form");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * form.size()));
}
BENCHMARK(BM_ReadWriteThroughModel)->Unit(benchmark::kMillisecond)->MinTime(3);

// The same form through Free Pascal's ObjectTextToBinary (text in, binary stream out), for
// comparison in the same run: bench/fpc_text_to_binary.pas compiled with fpc into a temporary
// folder, timed by the program itself (so that starting it does not count). Skipped without fpc.
void BM_FreePascalObjectTextToBinary(benchmark::State& state) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("zolt-bench-fpc-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string program = (dir / "fpc_text_to_binary").string();
  std::string compile = "fpc -O2 -FE" + dir.string() + " " ZOLT_SOURCE_DIR "/bench/fpc_text_to_binary.pas >/dev/null 2>&1";
  if (std::system(compile.c_str()) != 0) {
    fs::remove_all(dir);
    return state.SkipWithError("fpc is not available");
  }
  std::string form = (dir / "Generated.dfm").string();
  std::ofstream(form, std::ios::binary) << Form();
  for (auto _ : state) {
    std::string command = program + " " + form + " 1";
    FILE* pipe = popen(command.c_str(), "r");
    long milliseconds = -1;
    if (pipe && std::fscanf(pipe, "%ld", &milliseconds) != 1) milliseconds = -1;
    if (pipe) pclose(pipe);
    if (milliseconds < 0) {
      state.SkipWithError("the Free Pascal conversion failed");
      break;
    }
    state.SetIterationTime(static_cast<double>(milliseconds) / 1000.0);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Form().size()));
  fs::remove_all(dir);
}
BENCHMARK(BM_FreePascalObjectTextToBinary)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
