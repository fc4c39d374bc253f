// The registry file on disk: where it lives, when it is parsed again, and that neither a
// concurrent writer, a corrupt file nor a failing write loses anything.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <vector>

#include "store_fixture.h"
#include "vcl/streaming/atomic_file.h"

using host::TRegIniFile;
using namespace store_test;

namespace {

void SetModificationTime(const std::string& path, const timespec& time) {
  const timespec times[2] = {time, time};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

timespec ModificationTime(const std::string& path) {
  struct stat info;
  EXPECT_EQ(::stat(path.c_str(), &info), 0);
  return info.st_mtim;
}

}  // namespace

TEST(RegistryFilePath, FollowsXdgConfigHomeOrTheHomeFolder) {
  {
    const ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/cfg");
    EXPECT_EQ(ide::RegistryFilePath(), "/tmp/cfg/zolt/registry.reg");
  }
  const ScopedEnvironment home("HOME", "/home/someone");
  for (const std::optional<std::string>& config : {std::optional<std::string>(), std::optional<std::string>(""),
                                                   std::optional<std::string>("relative/cfg")}) {
    const ScopedEnvironment unset("XDG_CONFIG_HOME", config);
    EXPECT_EQ(ide::RegistryFilePath(), "/home/someone/.config/zolt/registry.reg");
  }
}

TEST_F(StoreTest, TheFirstWriteCreatesTheFolderAndTheFile) {
  TRegIniFile(kRoot).WriteBool("", "Multi-line", true);
  EXPECT_EQ(ReadFile(), kHeader + "\n" + kRootKey + "\n\"Multi-line\"=\"1\"\n");
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(StoreTest, TheFileIsParsedAgainOnlyWhenItChanged) {
  TRegIniFile(kRoot).WriteString("", "Value", "1");
  const timespec written = ModificationTime(path_);

  // The same file, same size and same time, edited in place: this process keeps its last parse.
  std::string text = ReadFile();
  text.replace(text.find("\"1\""), 3, "\"2\"");
  {
    std::ofstream(path_, std::ios::binary | std::ios::in | std::ios::out) << text;
  }
  SetModificationTime(path_, written);
  EXPECT_EQ(TRegIniFile(kRoot).ReadString("", "Value", ""), "1");

  // A new modification time makes it parse the file again.
  SetModificationTime(path_, {written.tv_sec + 1, written.tv_nsec});
  EXPECT_EQ(TRegIniFile(kRoot).ReadString("", "Value", ""), "2");

  // So does another size, even with the same time.
  text.replace(text.find("\"2\""), 3, "\"33\"");
  {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << text;
  }
  SetModificationTime(path_, {written.tv_sec + 1, written.tv_nsec});
  EXPECT_EQ(TRegIniFile(kRoot).ReadString("", "Value", ""), "33");

  // And another file of the same size and time renamed over it.
  text.replace(text.find("\"33\""), 4, "\"44\"");
  PutFile(text);
  SetModificationTime(path_, {written.tv_sec + 1, written.tv_nsec});
  EXPECT_EQ(TRegIniFile(kRoot).ReadString("", "Value", ""), "44");
}

TEST_F(StoreTest, ACorruptFileIsReportedWithItsLineAndNeverOverwritten) {
  TRegIniFile before(kRoot);  // opened while the file was sound (absent)
  const std::string corrupt = kHeader + kRootKey + "\n\"Columns\"=\"12\n\"Other\"=\"x\"\n";
  PutFile(corrupt);

  const std::string opening = ErrorOf([] { TRegIniFile store(kRoot); });
  EXPECT_NE(opening.find("\"" + path_ + "\": line 3: missing closing double quote"), std::string::npos) << opening;

  const std::string writing = ErrorOf([&] { before.WriteString("", "Columns", "3"); });
  EXPECT_NE(writing.find(path_), std::string::npos) << writing;
  EXPECT_NE(writing.find("line 3"), std::string::npos) << writing;
  EXPECT_NE(ErrorOf([&] { before.EraseSection("Align"); }), "");
  EXPECT_EQ(ReadFile(), corrupt);
  EXPECT_EQ(before.ReadString("", "Columns", "none"), "none");
}

TEST_F(StoreTest, AFailedWriteLosesNothing) {
  TRegIniFile store(kRoot);
  store.WriteString("", "Kept", "old");
  store.WriteString("Align", "Exclude", "TLabel");
  const std::string original = ReadFile();

  // Each step of the atomic replacement fails in turn.
  for (int step = 0; step < 3; ++step) {
    vcl::FileSystemCalls calls = vcl::CurrentFileSystemCalls();
    if (step == 0) calls.write = [](int, const void*, std::size_t) -> ssize_t {
      errno = ENOSPC;
      return -1;
    };
    if (step == 1) calls.fsync = [](int) {
      errno = EIO;
      return -1;
    };
    if (step == 2) calls.rename = [](const char*, const char*) {
      errno = EACCES;
      return -1;
    };
    const vcl::ScopedFileSystemCalls failing(calls);
    const std::string message = ErrorOf([&] { store.WriteString("", "Kept", "new"); });
    EXPECT_NE(message.find(path_), std::string::npos) << step << ": " << message;
    EXPECT_NE(ErrorOf([&] { store.EraseSection("Align"); }), "") << step;
  }
  EXPECT_EQ(ReadFile(), original);
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{"registry.reg", "registry.reg.lock"}));
  EXPECT_EQ(store.ReadString("", "Kept", ""), "old");
  EXPECT_EQ(store.ReadString("Align", "Exclude", ""), "TLabel");

  // Once writing works again, the next write stores exactly what it says.
  store.WriteString("", "Other", "x");
  const TRegIniFile later(kRoot);
  EXPECT_EQ(later.ReadString("", "Kept", ""), "old");
  EXPECT_EQ(later.ReadString("Align", "Exclude", ""), "TLabel");
  EXPECT_EQ(later.ReadString("", "Other", ""), "x");
}

TEST_F(StoreTest, ProcessesWritingAtOnceLoseNoUpdate) {
  constexpr int kProcesses = 4;
  constexpr int kWrites = 25;
  TRegIniFile(kRoot).WriteString("", "Before", "kept");
  std::vector<pid_t> children;
  for (int process = 0; process < kProcesses; ++process) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int status = 0;
      try {
        for (int i = 0; i < kWrites; ++i) {
          TRegIniFile store(kRoot);
          store.WriteInteger("Process" + std::to_string(process), "Value" + std::to_string(i), i);
          store.WriteInteger("", "Last of " + std::to_string(process), i);
        }
      } catch (...) {
        status = 1;
      }
      ::_exit(status);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const TRegIniFile store(kRoot);
  EXPECT_EQ(store.ReadString("", "Before", ""), "kept");
  for (int process = 0; process < kProcesses; ++process) {
    EXPECT_EQ(store.ReadInteger("", "Last of " + std::to_string(process), -1), kWrites - 1);
    for (int i = 0; i < kWrites; ++i)
      EXPECT_EQ(store.ReadInteger("Process" + std::to_string(process), "Value" + std::to_string(i), -1), i)
          << process << " " << i;
  }
}
