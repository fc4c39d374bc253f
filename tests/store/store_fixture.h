// A registry file of its own for every test: XDG_CONFIG_HOME points at a fresh temporary
// folder, so no test touches the user's settings.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>

#include "host/reg_ini_file.h"
#include "ide/registry_file.h"

namespace store_test {

namespace fs = std::filesystem;

inline const std::string kRoot = "Software\\Borland\\Delphi\\Zol-t";
inline const std::string kRootKey = "[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t]";
inline const std::string kHeader = "Windows Registry Editor Version 5.00\n";

// The message of the ERegistryException that `action` raises; empty when none.
template <typename Action>
std::string ErrorOf(Action action) {
  try {
    action();
  } catch (const host::ERegistryException& e) {
    return e.what();
  }
  return {};
}

// Sets an environment variable for its lifetime and restores the previous state after.
class ScopedEnvironment {
public:
  ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    Set(value);
  }
  ~ScopedEnvironment() { Set(saved_); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
  void Set(const std::optional<std::string>& value) {
    if (value)
      ::setenv(name_, value->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  const char* name_;
  std::optional<std::string> saved_;
};

class StoreTest : public testing::Test {
protected:
  StoreTest()
      : folder_(fs::path(testing::TempDir()) /
                ("zolt_store_" + std::to_string(::getpid()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name())),
        config_("XDG_CONFIG_HOME", (folder_ / "config").string()),
        path_((folder_ / "config" / "zolt" / "registry.reg").string()) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    ide::InstallRegistryFile();
  }
  ~StoreTest() override { fs::remove_all(folder_); }

  std::string ReadFile() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Replaces the registry file as another program would: a new file renamed over the old one.
  void PutFile(const std::string& bytes) const {
    fs::create_directories(fs::path(path_).parent_path());
    const std::string temporary = path_ + ".new";
    std::ofstream(temporary, std::ios::binary) << bytes;
    fs::rename(temporary, path_);
  }
  std::set<std::string> FolderEntries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(path_).parent_path()))
      names.insert(entry.path().filename().string());
    return names;
  }

  fs::path folder_;
  ScopedEnvironment config_;
  std::string path_;
};

}  // namespace store_test
