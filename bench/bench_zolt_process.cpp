// `zolt convert` and `zolt align` as processes, from start to exit, on generated forms and on
// a typical form of the corpus: the time a user waits. Each iteration runs the command once;
// the counter "peak_x_file" is the process's peak resident memory divided by the form's size.
// Run with ZOLT_BENCH_BINARY=path to time another build of zolt the same way.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "form_shapes.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A folder for the forms, the outputs and the settings, removed at exit.
const fs::path& WorkDir() {
  static const struct Dir {
    fs::path path = fs::temp_directory_path() / ("zolt-bench-process-" + std::to_string(::getpid()));
    Dir() { fs::create_directories(path / "config"); }
    ~Dir() { fs::remove_all(path); }
  } dir;
  return dir.path;
}

std::string WriteForm(const std::string& name, const std::string& text) {
  fs::path path = WorkDir() / name;
  if (!fs::exists(path)) std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

struct Outcome {
  int status = -1;
  double seconds = 0;
  double cpuSeconds = 0;  // user and system time of the process
  long peakKilobytes = 0;
};

// Runs zolt with `args` (output thrown away), waiting for it; settings go to the work folder.
Outcome RunZolt(const std::vector<std::string>& args) {
  // ZOLT_BENCH_BINARY runs another build of zolt (a baseline) through the same benchmarks.
  const char* binary = std::getenv("ZOLT_BENCH_BINARY");
  std::vector<std::string> owned{binary ? binary : ZOLT_BINARY};
  owned.insert(owned.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : owned) argv.push_back(arg.data());
  argv.push_back(nullptr);
  ::setenv("XDG_CONFIG_HOME", (WorkDir() / "config").c_str(), 1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  Outcome outcome;
  auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    rusage usage{};
    int status = 0;
    if (::wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
    outcome.peakKilobytes = usage.ru_maxrss;
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    outcome.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  }
  outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  return outcome;
}

// On a busy machine the process waits for a core most of the time: "cpu_ms" tells its own work.
void RunCommand(benchmark::State& state, const std::string& form, std::vector<std::string> args) {
  double peak = 0, cpu = 0;
  for (auto _ : state) {
    Outcome run = RunZolt(args);
    if (run.status != 0) return state.SkipWithError("zolt failed");
    state.SetIterationTime(run.seconds);
    peak = std::max(peak, static_cast<double>(run.peakKilobytes) * 1024);
    cpu += run.cpuSeconds;
  }
  state.counters["cpu_ms"] = 1000 * cpu / static_cast<double>(state.iterations());
  auto size = static_cast<double>(fs::file_size(form));
  state.counters["peak_MB"] = peak / (1 << 20);
  state.counters["peak_x_file"] = peak / size;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

std::string OnePanel(int controls) {
  return WriteForm("panel" + std::to_string(controls) + ".dfm", bench::OnePanelForm(controls));
}

void BM_ConvertOnePanel(benchmark::State& state) {
  std::string form = OnePanel(static_cast<int>(state.range(0)));
  RunCommand(state, form, {"convert", form, "-o", (WorkDir() / "out.dfm").string()});
}
BENCHMARK(BM_ConvertOnePanel)->Arg(4'000)->Arg(40'000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_AlignOnePanel(benchmark::State& state) {
  std::string form = OnePanel(static_cast<int>(state.range(0)));
  RunCommand(state, form, {"align", form, "Panel1", "-o", (WorkDir() / "out.dfm").string()});
}
BENCHMARK(BM_AlignOnePanel)->Arg(4'000)->Arg(40'000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ConvertThirtyMegabytes(benchmark::State& state) {
  std::string form = WriteForm("panels30.dfm", bench::PanelsForm(std::size_t{30} << 20));
  RunCommand(state, form, {"convert", form, "-o", (WorkDir() / "out.dfm").string()});
}
BENCHMARK(BM_ConvertThirtyMegabytes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// A large text form of the corpus (258 KB), as the goal for typical forms asks.
constexpr const char* kCorpusForm = "winscp__winscp__source__forms__Progress.dfm";

std::string CorpusForm(benchmark::State& state) {
  fs::path source = fs::path(ZOLT_SOURCE_DIR) / ".." / "shared" / "corpus" / "forms" / kCorpusForm;
  if (const char* shared = std::getenv("ZOLT_SHARED_DIR")) source = fs::path(shared) / "corpus" / "forms" / kCorpusForm;
  if (!fs::exists(source)) {
    state.SkipWithError("the shared corpus is absent");
    return {};
  }
  fs::path copy = WorkDir() / kCorpusForm;
  fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
  return copy.string();
}

void BM_ConvertCorpusForm(benchmark::State& state) {
  std::string form = CorpusForm(state);
  if (!form.empty()) RunCommand(state, form, {"convert", form, "-o", (WorkDir() / "out.dfm").string()});
}
BENCHMARK(BM_ConvertCorpusForm)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same form through the align dialog: the IDE starts, the package loads, the dialog opens.
void BM_AlignCorpusForm(benchmark::State& state) {
  std::string form = CorpusForm(state);
  if (!form.empty()) RunCommand(state, form, {"align", form, "MainPanel", "-o", (WorkDir() / "out.dfm").string()});
}
BENCHMARK(BM_AlignCorpusForm)->UseManualTime()->Unit(benchmark::kMillisecond);

// A folder of 200 forms of 40 components each (buttons, labelled edits, check boxes), the
// starter prefixes stored: every component renamed and every form written. The forms are laid
// anew before each run, outside the measured time.
bool LoadStarterPrefixes(benchmark::State& state) {
  if (RunZolt({"prefixes", "load", (fs::path(ZOLT_SOURCE_DIR) / "examples/prefixes/Zol-t.prl").string(), "--yes"})
          .status == 0)
    return true;
  state.SkipWithError("the starter prefixes could not be loaded");
  return false;
}

void BM_NameAllTwoHundredForms(benchmark::State& state) {
  const fs::path folder = WorkDir() / "forms200";
  const std::string form = bench::OnePanelForm(40);
  if (!LoadStarterPrefixes(state)) return;
  double cpu = 0;
  for (auto _ : state) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (int i = 0; i < 200; ++i) std::ofstream(folder / ("Form" + std::to_string(i) + ".dfm")) << form;
    Outcome run = RunZolt({"name", folder.string(), "--all"});
    if (run.status != 0) return state.SkipWithError("zolt failed");
    state.SetIterationTime(run.seconds);
    cpu += run.cpuSeconds;
  }
  state.counters["cpu_ms"] = 1000 * cpu / static_cast<double>(state.iterations());
}
BENCHMARK(BM_NameAllTwoHundredForms)->UseManualTime()->Unit(benchmark::kMillisecond);

// Every component of one panel of N controls renamed, the starter prefixes stored: the labels,
// the edits and the check boxes each numbered after one prefix. A dry run, so that the form
// stays as generated.
void BM_NameAllOnePanel(benchmark::State& state) {
  std::string form = OnePanel(static_cast<int>(state.range(0)));
  if (LoadStarterPrefixes(state)) RunCommand(state, form, {"name", form, "--all", "--dry-run"});
}
BENCHMARK(BM_NameAllOnePanel)->Arg(4'000)->Arg(40'000)->UseManualTime()->Unit(benchmark::kMillisecond);

// A command without a form, from start to exit.
void RunBare(benchmark::State& state, const std::vector<std::string>& args) {
  double cpu = 0;
  for (auto _ : state) {
    Outcome run = RunZolt(args);
    if (run.status != 0) return state.SkipWithError("zolt failed");
    state.SetIterationTime(run.seconds);
    cpu += run.cpuSeconds;
  }
  state.counters["cpu_ms"] = 1000 * cpu / static_cast<double>(state.iterations());
}

// The IDE with the package, and the about box.
void BM_ZoltAbout(benchmark::State& state) { RunBare(state, {"about"}); }
BENCHMARK(BM_ZoltAbout)->UseManualTime()->Unit(benchmark::kMillisecond);

// Loading the program and parsing the command line only: the floor under every command.
void BM_ZoltVersion(benchmark::State& state) { RunBare(state, {"--version"}); }
BENCHMARK(BM_ZoltVersion)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
