// The settings store with 10,000 values stored: opening it and reading one value, which is what
// every caller does; parsing the file after another process changed it; and storing one value.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/reg_ini_file.h"
#include "ide/registry_file.h"

namespace {

namespace fs = std::filesystem;

const std::string kRoot = "Software\\Borland\\Delphi\\Zol-t";
constexpr int kValues = 10000;

// A registry file of its own in a temporary folder, filled once with kValues values.
class RegistryFixture {
public:
  RegistryFixture() : folder_(fs::temp_directory_path() / ("zolt_bench_registry_" + std::to_string(::getpid()))) {
    fs::remove_all(folder_);
    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    ide::InstallRegistryFile();
    path_ = ide::RegistryFilePath();
    // One write per section keeps the set-up quick: 100 sections of 100 values each.
    std::string text = "Windows Registry Editor Version 5.00\n";
    for (int section = 0; section < 100; ++section) {
      text += "\n[HKEY_CURRENT_USER\\" + kRoot + "\\Section" + std::to_string(section) + "]\n";
      for (int i = 0; i < kValues / 100; ++i)
        text += "\"Value " + std::to_string(i) + "\"=\"" + std::to_string(section * 1000 + i) + "\"\n";
    }
    fs::create_directories(fs::path(path_).parent_path());
    std::ofstream(path_) << text;
  }
  ~RegistryFixture() { fs::remove_all(folder_); }

  // Makes the file look changed, as after a write by another process.
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

RegistryFixture& Fixture() {
  static RegistryFixture fixture;
  return fixture;
}

void BM_OpenAndReadOneValue(benchmark::State& state) {
  Fixture();
  for (auto _ : state) {
    const host::TRegIniFile store(kRoot);
    benchmark::DoNotOptimize(store.ReadInteger("Section50", "Value 50", 0));
  }
}
BENCHMARK(BM_OpenAndReadOneValue);

void BM_OpenAfterAnotherProcessWrote(benchmark::State& state) {
  auto& fixture = Fixture();
  for (auto _ : state) {
    fixture.Touch();
    const host::TRegIniFile store(kRoot);
    benchmark::DoNotOptimize(store.ReadInteger("Section50", "Value 50", 0));
  }
}
BENCHMARK(BM_OpenAfterAnotherProcessWrote)->Unit(benchmark::kMillisecond);

void BM_WriteOneValue(benchmark::State& state) {
  Fixture();
  int value = 0;
  for (auto _ : state) {
    host::TRegIniFile store(kRoot);
    store.WriteInteger("Section50", "Value 50", ++value);
  }
}
BENCHMARK(BM_WriteOneValue)->Unit(benchmark::kMillisecond);

}  // namespace
