// Stored align parameters: defaults, sections per container class and shared, round trip.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "align/ZoltAlign.h"
#include "host/reg_ini_file.h"
#include "ide/registry_file.h"

namespace {

namespace fs = std::filesystem;

struct Settings {
  bool verticalFit = false;
  int columns = 0, horColumnOffset = 0, vertColumnOffset = 0, horLabelOffset = 0, vertControlOffset = 0,
      vertLabelOffset = 0, customButtonWidth = 0, customButtonOffset = 0;
  std::string exclude, customButtonControls;
  bool specialAlignCustomButtons = false;

  bool operator==(const Settings&) const = default;
};

Settings Read(const std::string& containerType) {
  Settings s;
  zolt::ReadAlignFromRegistry(containerType, s.verticalFit, s.columns, s.horColumnOffset, s.vertColumnOffset,
                              s.horLabelOffset, s.vertControlOffset, s.vertLabelOffset, s.customButtonWidth,
                              s.customButtonOffset, s.exclude, s.customButtonControls,
                              s.specialAlignCustomButtons);
  return s;
}

void Write(const std::string& containerType, const Settings& s) {
  zolt::WriteAlignToRegistry(containerType, s.verticalFit, s.columns, s.horColumnOffset, s.vertColumnOffset,
                             s.horLabelOffset, s.vertControlOffset, s.vertLabelOffset, s.customButtonWidth,
                             s.customButtonOffset, s.exclude, s.customButtonControls, s.specialAlignCustomButtons);
}

// Every value differs from its default; the button offset is negative.
Settings Custom() {
  Settings s;
  s.verticalFit = false;
  s.columns = 3;
  s.horColumnOffset = 11;
  s.vertColumnOffset = 12;
  s.horLabelOffset = 13;
  s.vertControlOffset = 14;
  s.vertLabelOffset = 15;
  s.customButtonWidth = 16;
  s.customButtonOffset = -7;
  s.exclude = "TButton,TBitBtn";
  s.customButtonControls = "TCheckBox,\"My Box\"";
  s.specialAlignCustomButtons = false;
  return s;
}

Settings Defaults() {
  return {true, 1, 8, 8, 4, 4, 2, 15, -2, "TButton,TDBNavigator", "TCheckBox,TRadiobutton,TDBCheckBox", true};
}

// Points the settings store at a registry file in a fresh temporary folder.
class AlignSettingsTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "zolt-align-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) oldConfigHome = old;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    oldFactory = host::GetRegistrySessionFactory();
    ide::InstallRegistryFile();
  }
  void TearDown() override {
    host::SetRegistrySessionFactory(oldFactory);
    if (oldConfigHome)
      setenv("XDG_CONFIG_HOME", oldConfigHome->c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(folder);
  }

  // A stored value as text, or "absent".
  static std::string Stored(const std::string& section, const std::string& name) {
    host::TRegIniFile store("Software\\Borland\\Delphi\\Zol-t");
    return store.ReadString(section, name, "absent");
  }

  fs::path folder;
  std::optional<std::string> oldConfigHome;
  host::TRegistrySessionFactory oldFactory = nullptr;
};

TEST_F(AlignSettingsTest, AnEmptyStoreGivesTheDefaults) {
  Settings filled = Custom();  // outputs are overwritten, not left as they were
  zolt::ReadAlignFromRegistry("TPanel", filled.verticalFit, filled.columns, filled.horColumnOffset,
                              filled.vertColumnOffset, filled.horLabelOffset, filled.vertControlOffset,
                              filled.vertLabelOffset, filled.customButtonWidth, filled.customButtonOffset,
                              filled.exclude, filled.customButtonControls, filled.specialAlignCustomButtons);
  EXPECT_EQ(filled, Defaults());
}

TEST_F(AlignSettingsTest, WrittenValuesReadBackForTheSameContainerClass) {
  Write("TPanel", Custom());
  EXPECT_EQ(Read("TPanel"), Custom());
  EXPECT_EQ(Read("tpanel"), Custom()) << "sections match ignoring case";
}

TEST_F(AlignSettingsTest, PerClassValuesStayWithTheirClassAndTheRestIsShared) {
  Write("TPanel", Custom());
  Settings expected = Defaults();
  expected.exclude = Custom().exclude;
  expected.customButtonControls = Custom().customButtonControls;
  expected.customButtonWidth = Custom().customButtonWidth;
  expected.customButtonOffset = Custom().customButtonOffset;
  EXPECT_EQ(Read("TGroupBox"), expected);
}

TEST_F(AlignSettingsTest, ValuesLiveInTheirSectionsUnderTheirNames) {
  Write("TScrollBox", Custom());
  const std::string type = "Align\\TScrollBox";
  EXPECT_EQ(Stored(type, "Vertical fit"), "0");
  EXPECT_EQ(Stored(type, "Columns"), "3");
  EXPECT_EQ(Stored(type, "Horizontral column offset"), "11");
  EXPECT_EQ(Stored(type, "Horizontal column offset"), "absent");
  EXPECT_EQ(Stored(type, "Vertical column offset"), "12");
  EXPECT_EQ(Stored(type, "Horizontal label offset"), "13");
  EXPECT_EQ(Stored(type, "Vertical control offset"), "14");
  EXPECT_EQ(Stored(type, "Vertical label offset"), "15");
  EXPECT_EQ(Stored(type, "Special align custom button controls"), "0");
  EXPECT_EQ(Stored("Align", "Exclude"), "TButton,TBitBtn");
  EXPECT_EQ(Stored("Align", "Custom button width"), "16");
  EXPECT_EQ(Stored("Align", "Custom button offset"), "-7");
  EXPECT_EQ(Stored("", "Custom button controls"), "TCheckBox,\"My Box\"");
  EXPECT_EQ(Stored("Align", "Custom button controls"), "absent");
  EXPECT_EQ(Stored(type, "Exclude"), "absent");
}

TEST_F(AlignSettingsTest, StoredValuesAreReadWithoutRangeChecks) {
  {
    host::TRegIniFile store("Software\\Borland\\Delphi\\Zol-t");
    store.WriteInteger("Align\\TTabSheet", "Columns", 0);
    store.WriteInteger("Align\\TTabSheet", "Vertical column offset", -5);
  }
  Settings s = Read("TTabSheet");
  EXPECT_EQ(s.columns, 0);
  EXPECT_EQ(s.vertColumnOffset, -5);
}

TEST_F(AlignSettingsTest, StoreFailuresReachTheCaller) {
  host::SetRegistrySessionFactory(nullptr);
  EXPECT_THROW(Read("TPanel"), host::ERegistryException);
  EXPECT_THROW(Write("TPanel", Custom()), host::ERegistryException);
}

}  // namespace
