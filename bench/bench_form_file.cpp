// Reading a generated 30 MB form into the component model and writing it back.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "vcl/streaming/form_file.h"

namespace {

// 30 MB, or ZOLT_BENCH_FORM_MB megabytes (for profiling runs).
std::size_t TargetBytes() {
  const char* mb = std::getenv("ZOLT_BENCH_FORM_MB");
  return (mb ? std::stoul(mb) : 30u) << 20;
}

// A form of nested panels, each holding labelled edits, check boxes and a memo.
std::string GenerateForm() {
  std::string out = "object MainForm: TMainForm\r\n  Left = 192\r\n  Top = 107\r\n  Width = 1024\r\n"
                    "  Height = 768\r\n  Caption = 'Generated form'\r\n  Color = clBtnFace\r\n"
                    "  Font.Charset = DEFAULT_CHARSET\r\n  Font.Height = -11\r\n  Font.Name = 'MS Sans Serif'\r\n"
                    "  Font.Style = []\r\n  OldCreateOrder = False\r\n  PixelsPerInch = 96\r\n  TextHeight = 13\r\n";
  int n = 0;
  for (std::size_t target = TargetBytes(); out.size() < target;) {
    std::string p = std::to_string(++n);
    out += "  object Panel" + p + ": TPanel\r\n    Left = 8\r\n    Top = 8\r\n    Width = 500\r\n    Height = 400\r\n"
           "    TabOrder = 0\r\n";
    for (int i = 0; i < 8; ++i) {
      std::string c = p + "_" + std::to_string(i);
      std::string top = std::to_string(8 + 28 * i);
      out += "    object Label" + c + ": TLabel\r\n      Left = 8\r\n      Top = " + top +
             "\r\n      Width = 60\r\n      Height = 13\r\n      Caption = 'Field " + c + ":'\r\n"
             "      FocusControl = Edit" + c + "\r\n    end\r\n";
      out += "    object Edit" + c + ": TEdit\r\n      Left = 80\r\n      Top = " + top +
             "\r\n      Width = 121\r\n      Height = 21\r\n      TabOrder = " + std::to_string(i) +
             "\r\n      Text = 'Value " + c + "'\r\n      OnChange = EditChange\r\n    end\r\n";
    }
    out += "    object CheckBox" + p + ": TCheckBox\r\n      Left = 8\r\n      Top = 240\r\n      Width = 97\r\n"
           "      Height = 17\r\n      Alignment = taLeftJustify\r\n      Caption = 'Active'\r\n      TabOrder = 8\r\n    end\r\n";
    out += "    object Memo" + p + ": TMemo\r\n      Left = 8\r\n      Top = 270\r\n      Width = 185\r\n"
           "      Height = 89\r\n      Lines.Strings = (\r\n        'First line'\r\n        'Second line')\r\n"
           "      TabOrder = 9\r\n    end\r\n  end\r\n";
  }
  out += "end\r\n";
  return out;
}

const std::string& Form() {
  static const std::string form = GenerateForm();
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
