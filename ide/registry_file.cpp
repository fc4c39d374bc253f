#include "ide/registry_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>

#include "ide/registry_format.h"
#include "vcl/streaming/atomic_file.h"
#include "vcl/streaming/file_descriptor.h"

namespace ide {
namespace {

// Keys of a session are below this one; the file names them in full.
constexpr std::string_view kUserHive = "HKEY_CURRENT_USER\\";

[[noreturn]] void Fail(const std::string& action, const std::string& path, int error) {
  throw host::ERegistryException("Cannot " + action + " the registry file \"" + path + "\": " + std::strerror(error));
}

// What tells one version of the file from another: a write replaces the file, so a new version
// has a new identity, and an edit in place changes its size or modification time.
struct FileVersion {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modified = 0;  // nanoseconds

  explicit FileVersion(const struct stat& info)
      : device(info.st_dev), inode(info.st_ino), size(info.st_size),
        modified(static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec) {}
  FileVersion() = default;
  bool operator==(const FileVersion&) const = default;
};

// The file as this process last parsed or wrote it.
struct ParsedFile {
  std::string path;
  FileVersion version;
  std::shared_ptr<const RegistryTree> tree;
};
ParsedFile gLastParsed;


// The registry in the file as it is now; an absent file is an empty registry.
std::shared_ptr<const RegistryTree> LoadRegistry(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return std::make_shared<const RegistryTree>();
    Fail("open", path, errno);
  }
  const vcl::TFileDescriptor file(fd);
  struct stat info;
  if (::fstat(fd, &info) != 0) Fail("read", path, errno);
  const FileVersion version(info);
  if (gLastParsed.tree && gLastParsed.path == path && gLastParsed.version == version) return gLastParsed.tree;

  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t length = 0;
  for (;;) {
    if (length == bytes.size()) bytes.resize(bytes.size() + 4096);
    const ssize_t count = ::read(fd, bytes.data() + length, bytes.size() - length);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) Fail("read", path, errno);
    if (count == 0) break;
    length += static_cast<std::size_t>(count);
  }
  bytes.resize(length);
  auto tree = std::make_shared<const RegistryTree>(ParseRegistryText(bytes, path));
  gLastParsed = {path, version, tree};
  return tree;
}

// Remembers what was just written, so that the next session need not parse it again.
void RememberWritten(const std::string& path, std::shared_ptr<const RegistryTree> tree) {
  struct stat info;
  if (::stat(path.c_str(), &info) == 0)
    gLastParsed = {path, FileVersion(info), std::move(tree)};
  else
    gLastParsed = {};
}

// Holds the exclusive lock on the lock file beside the registry file, whose folder it creates
// when missing. Writers take it; readers need not, since every write replaces the file whole.
class WriterLock {
public:
  explicit WriterLock(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error)
      throw host::ERegistryException("Cannot create the folder of the registry file \"" + path +
                                     "\": " + error.message());
    fd_ = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) Fail("lock", path, errno);
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      const int reason = errno;
      ::close(fd_);
      Fail("lock", path, reason);
    }
  }
  ~WriterLock() { ::close(fd_); }  // closing releases the lock
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;

private:
  int fd_ = -1;
};

// A key path the file can hold: parts that are not empty and contain no line break.
void CheckKeyPath(std::string_view key) {
  const bool emptyPart = key.empty() || key.front() == '\\' || key.back() == '\\' || key.find("\\\\") != key.npos;
  if (emptyPart || key.find_first_of("\r\n") != key.npos)
    throw host::ERegistryException("Invalid registry key \"" + std::string(key) + "\"");
}

// The registry of a dry run: the file as it was when the run began, with the run's writes,
// none of which reach the file. Null while writes go to the file.
std::shared_ptr<const RegistryTree> unsavedRegistry;

class RegistryFileSession final : public host::IRegistrySession {
public:
  explicit RegistryFileSession(std::string path)
      : path_(std::move(path)), snapshot_(unsavedRegistry ? unsavedRegistry : LoadRegistry(path_)) {}

  std::optional<host::TRegistryValue> ReadValue(std::string_view key, std::string_view name) const override {
    const host::TRegistryValue* value = snapshot_->FindValue(FullPath(key), name);
    return value ? std::optional(*value) : std::nullopt;
  }

  std::vector<std::pair<std::string, host::TRegistryValue>> ReadValues(std::string_view key) const override {
    std::vector<std::pair<std::string, host::TRegistryValue>> values;
    if (const RegistryTree::Key* found = snapshot_->FindKey(FullPath(key)))
      for (const auto& value : found->Values()) values.emplace_back(value.name, value.data);
    return values;
  }

  void WriteValue(std::string_view key, std::string_view name, const host::TRegistryValue& value) override {
    CheckKeyPath(key);
    if (value.kind == host::TRegistryValue::Kind::Other)
      throw host::ERegistryException("Cannot write \"" + std::string(name) + "\": only texts and numbers are written");
    Commit([&](RegistryTree& tree) { return tree.SetValue(FullPath(key), name, value); });
  }

  void DeleteValue(std::string_view key, std::string_view name) override {
    Commit([&](RegistryTree& tree) { return tree.DeleteValue(FullPath(key), name); });
  }

  void DeleteKey(std::string_view key) override {
    CheckKeyPath(key);
    Commit([&](RegistryTree& tree) { return tree.DeleteKey(FullPath(key)); });
  }

private:
  static std::string FullPath(std::string_view key) { return std::string(kUserHive).append(key); }

  // Applies the change to the file as it is now, under the lock, and to this session's snapshot.
  void Commit(const std::function<bool(RegistryTree&)>& change) {
    if (unsavedRegistry) {
      auto next = std::make_shared<RegistryTree>(*unsavedRegistry);
      if (change(*next)) unsavedRegistry = snapshot_ = std::move(next);
      return;
    }
    std::shared_ptr<const RegistryTree> current;
    {
      const WriterLock lock(path_);
      current = LoadRegistry(path_);
      auto next = std::make_shared<RegistryTree>(*current);
      if (change(*next)) {
        try {
          vcl::WriteFileAtomic(path_, FormatRegistryText(*next));
        } catch (const vcl::EInOutError& e) {
          throw host::ERegistryException(e.Message());
        }
        RememberWritten(path_, next);
        if (snapshot_ == current) {
          snapshot_ = std::move(next);
          return;
        }
      }
    }
    if (snapshot_ == current) return;  // unchanged here as in the file
    auto mine = std::make_shared<RegistryTree>(*snapshot_);
    if (change(*mine)) snapshot_ = std::move(mine);
  }

  std::string path_;
  std::shared_ptr<const RegistryTree> snapshot_;
};

}  // namespace

std::string RegistryFilePath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return std::string(config) + "/zolt/registry.reg";
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* user = ::getpwuid(::getuid());
    home = user ? user->pw_dir : nullptr;
  }
  if (!home || !*home) throw host::ERegistryException("Cannot find the registry file: no home folder is known");
  return std::string(home) + "/.config/zolt/registry.reg";
}

std::unique_ptr<host::IRegistrySession> OpenRegistryFile(const std::string& path) {
  return std::make_unique<RegistryFileSession>(path);
}

void InstallRegistryFile() {
  unsavedRegistry.reset();
  host::SetRegistrySessionFactory([]() -> std::unique_ptr<host::IRegistrySession> {
    return OpenRegistryFile(RegistryFilePath());
  });
}

void InstallUnsavedRegistryFile() {
  InstallRegistryFile();
  unsavedRegistry = LoadRegistry(RegistryFilePath());
}

}  // namespace ide
