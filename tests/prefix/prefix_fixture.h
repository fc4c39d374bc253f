// The IDE with the package loaded, a settings file of the test's own and a scripted user,
// for the prefix editors and dialogs.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "host/reg_ini_file.h"
#include "ide/form_designer.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "ide/scripted_driver.h"

namespace prefix_test {

namespace fs = std::filesystem;

class PrefixIdeTest : public testing::Test {
protected:
  PrefixIdeTest()
      : dir_(fs::temp_directory_path() /
             ("zolt-prefix-" + std::to_string(::getpid()) + "-" +
              testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ::setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
    ide_ = std::make_unique<ide::TIde>();
    package_ = std::make_unique<ide::TLoadedPackage>(ide::ZoltPackage(), ide_->Editors());
  }
  ~PrefixIdeTest() override {
    designer_.reset();
    package_.reset();
    ide_.reset();
    fs::remove_all(dir_);
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  static void Store(const std::string& className, const std::string& prefix) {
    host::TRegIniFile("Software\\Borland\\Delphi\\Zol-t").WriteString("Prefix", className, prefix);
  }
  // The stored value, or "(none)" when the class has no entry at all.
  static std::string Stored(const std::string& className) {
    return host::TRegIniFile("Software\\Borland\\Delphi\\Zol-t").ReadString("Prefix", className, "(none)");
  }
  // The section listed as the store lists it, empty prefixes included, one "name=value" each.
  static std::string Section() {
    vcl::TStringList values;
    host::TRegIniFile("Software\\Borland\\Delphi\\Zol-t").ReadSectionValues("Prefix", values);
    return values.CommaText();
  }

  fs::path dir_;
  ide::TScriptedDriver driver_;
  std::unique_ptr<ide::TIde> ide_;
  std::unique_ptr<ide::TLoadedPackage> package_;
  std::unique_ptr<ide::TFormDesigner> designer_;
};

}  // namespace prefix_test
