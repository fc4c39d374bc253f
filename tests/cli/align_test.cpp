// zolt align and zolt about end to end, on copies of the example form with a settings
// folder of the test's own.
#include <gtest/gtest.h>

#include <cstdlib>

#include "run_zolt.h"
#include "temp_files.h"

namespace fs = std::filesystem;

namespace {

struct ZoltAlign : ::testing::Test {
  TempDir dir{"align"};
  std::string form = dir / "CustomerForm.dfm";
  std::string original;

  ZoltAlign() {
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    for (const char* name : {"CustomerForm.dfm", "CustomerForm.pas"})
      fs::copy_file(fs::path(ZOLT_SOURCE_DIR) / "examples/customers" / name, dir.path / name);
    original = ReadText(form);
  }

  ZoltRun Align(const std::string& options) { return RunZolt("align " + form + " pnlCustomer " + options); }
  // The value of `property` in the form's object `name` (its first line after the header).
  std::string ValueOf(const std::string& text, const std::string& name, const std::string& property) {
    std::size_t object = text.find(" " + name + ": ");
    std::size_t at = text.find(property + " = ", object);
    std::size_t end = text.find_first_of("\r\n", at);
    return text.substr(at + property.size() + 3, end - at - property.size() - 3);
  }
};

}  // namespace

TEST_F(ZoltAlign, AlignsTheCheckedControlsAndWritesOnlyTheForm) {
  std::string unit = ReadText(dir / "CustomerForm.pas");
  ZoltRun run = Align("--svg " + (dir / "panel.svg"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  std::string aligned = ReadText(form);
  EXPECT_NE(aligned, original);
  EXPECT_EQ(ValueOf(aligned, "lblCustNo", "Left"), "8");
  EXPECT_EQ(ValueOf(aligned, "edtCustNo", "Top"), "8");
  EXPECT_EQ(ValueOf(aligned, "lblCustNo", "Top"), "10");  // the label sits 2 pixels lower
  EXPECT_EQ(ReadText(dir / "CustomerForm.pas"), unit);
  EXPECT_NE(ReadText(dir / "panel.svg").find("<svg"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "config/zolt/registry.reg")) << "nothing stored without --save";
}

TEST_F(ZoltAlign, OptionsSetTheDialogAndSaveStoresThemForLaterRuns) {
  ZoltRun run = Align("--columns 2 --hor-column-offset 20 --save -o " + (dir / "out.dfm"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(ReadText(form), original) << "-o leaves the form itself alone";
  std::string first = ReadText(dir / "out.dfm");
  EXPECT_EQ(ValueOf(first, "lblCustNo", "Left"), "20");
  std::string settings = ReadText(dir / "config/zolt/registry.reg");
  EXPECT_NE(settings.find("\"Horizontral column offset\"=\"20\""), std::string::npos) << settings;
  EXPECT_NE(settings.find("\"Vertical fit\"=\"0\""), std::string::npos) << settings;
  run = Align("-o " + (dir / "again.dfm"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(ReadText(dir / "again.dfm"), first) << "the stored settings were used";
}

TEST_F(ZoltAlign, ABinaryFormStaysBinaryAndAlignsAsItsText) {
  ASSERT_EQ(RunZolt("convert " + form + " -o " + form + " --binary").exitCode, 0);
  std::string binary = ReadText(form);
  ASSERT_EQ(binary.substr(0, 3), std::string("\xFF\x0A\x00", 3));
  ZoltRun run = Align("");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  std::string aligned = ReadText(form);
  EXPECT_EQ(aligned.substr(0, 3), binary.substr(0, 3)) << "the form was saved as text";
  EXPECT_NE(aligned, binary);

  // The same run on the text form gives the same form, value for value.
  WriteText(dir / "text.dfm", original);
  ASSERT_EQ(RunZolt("align " + (dir / "text.dfm") + " pnlCustomer").exitCode, 0);
  ASSERT_EQ(RunZolt("convert " + form + " -o " + (dir / "back.dfm") + " --text").exitCode, 0);
  EXPECT_EQ(ReadText(dir / "back.dfm"), ReadText(dir / "text.dfm"));
}

TEST_F(ZoltAlign, OutOfRangeValuesAndUnknownNamesAreRefusedAndNothingChanges) {
  ZoltRun run = Align("--columns 100 --save");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "--columns 100 is out of range: the value must be from 1 to 99\n");
  run = Align("--uncheck edtNowhere");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("edtNowhere"), std::string::npos) << run.out;
  run = RunZolt("align " + form + " pnlNowhere");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "Component pnlNowhere not found in " + form + "\n");
  run = RunZolt("align " + form + " edtCity");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("has no verb \"Align controls\""), std::string::npos) << run.out;
  EXPECT_EQ(ReadText(form), original);
  EXPECT_FALSE(fs::exists(dir / "config/zolt/registry.reg"));
}

TEST_F(ZoltAlign, ExcludingAClassUnchecksItsControls) {
  ZoltRun run = Align("--exclude TEdit,TButton");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  std::string aligned = ReadText(form);
  EXPECT_EQ(ValueOf(aligned, "edtCustNo", "Left"), ValueOf(original, "edtCustNo", "Left"));
  EXPECT_NE(ValueOf(aligned, "chbTaxExempt", "Left"), ValueOf(original, "chbTaxExempt", "Left"));
}

TEST(ZoltAbout, PrintsWhatTheAboutBoxShows) {
  ZoltRun run = RunZolt("about");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "About Zol-t\n[picture 159 x 95]\nProgramming\nVersion\n0.9ß\n[OK]\n");
}
