// Reading a generated 30 MB form into the component model and writing it back.
#include <benchmark/benchmark.h>

#include <string>

#include "vcl/form_file.h"

namespace {

constexpr std::size_t kTargetBytes = 30u << 20;

// A form of nested panels, each holding labelled edits, check boxes and a memo.
std::string GenerateForm() {
  std::string out = "object MainForm: TMainForm\r\n  Left = 192\r\n  Top = 107\r\n  Width = 1024\r\n"
                    "  Height = 768\r\n  Caption = 'Generated form'\r\n  Color = clBtnFace\r\n"
                    "  Font.Charset = DEFAULT_CHARSET\r\n  Font.Height = -11\r\n  Font.Name = 'MS Sans Serif'\r\n"
                    "  Font.Style = []\r\n  OldCreateOrder = False\r\n  PixelsPerInch = 96\r\n  TextHeight = 13\r\n";
  int n = 0;
  while (out.size() < kTargetBytes) {
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

}  // namespace
