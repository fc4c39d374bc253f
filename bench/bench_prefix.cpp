// The prefix store with 10,000 prefixes stored: FindPrefix as the Name editor and the batch
// call it (the store opened afresh on each call), beside the same lookup after another process
// changed the file (parsed again), and PrefixUsers, which lists the whole section.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ide/registry_file.h"
#include "prefix/ZoltPrefix.h"

namespace {

namespace fs = std::filesystem;
constexpr int kPrefixes = 10000;

class PrefixFixture {
public:
  PrefixFixture() : folder_(fs::temp_directory_path() / ("zolt_bench_prefix_" + std::to_string(::getpid()))) {
    fs::remove_all(folder_);
    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    ide::InstallRegistryFile();
    path_ = ide::RegistryFilePath();
    std::string text = "Windows Registry Editor Version 5.00\n\n"
                       "[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t\\Prefix]\n";
    for (int i = 0; i < kPrefixes; ++i) text += "\"TClass" + std::to_string(i) + "\"=\"p" + std::to_string(i) + "\"\n";
    fs::create_directories(fs::path(path_).parent_path());
    std::ofstream(path_) << text;
  }
  ~PrefixFixture() { fs::remove_all(folder_); }

  void Touch() {
    ++tick_;
    const timespec times[2] = {{tick_, 0}, {tick_, 0}};
    ::utimensat(AT_FDCWD, path_.c_str(), times, 0);
  }

private:
  fs::path folder_;
  std::string path_;
  time_t tick_ = 1000000;
};

PrefixFixture& Fixture() {
  static PrefixFixture fixture;
  return fixture;
}

void BM_FindPrefix(benchmark::State& state) {
  Fixture();
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zolt::FindPrefix("tclass" + std::to_string(i)));
    i = (i + 7919) % kPrefixes;
  }
}
BENCHMARK(BM_FindPrefix)->Unit(benchmark::kMicrosecond);

// The baseline: each lookup finds the file changed and parses it again.
void BM_FindPrefixAfterAChange(benchmark::State& state) {
  PrefixFixture& fixture = Fixture();
  for (auto _ : state) {
    state.PauseTiming();
    fixture.Touch();
    state.ResumeTiming();
    benchmark::DoNotOptimize(zolt::FindPrefix("TClass5000"));
  }
}
BENCHMARK(BM_FindPrefixAfterAChange)->Unit(benchmark::kMicrosecond);

void BM_PrefixUsers(benchmark::State& state) {
  Fixture();
  for (auto _ : state) benchmark::DoNotOptimize(zolt::PrefixUsers("p5000"));
}
BENCHMARK(BM_PrefixUsers)->Unit(benchmark::kMicrosecond);

}  // namespace
