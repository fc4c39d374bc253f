#include "vcl/streaming/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "vcl/sysutils.h"

namespace vcl {
namespace {

const FileSystemCalls kSystemCalls = {
    [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
    [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); },
    [](int fd, mode_t mode) { return ::fchmod(fd, mode); },
    [](int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); },
    [](int fd) { return ::fsync(fd); },
    [](int fd) { return ::close(fd); },
    [](const char* from, const char* to) { return ::rename(from, to); },
    [](const char* path) { return ::unlink(path); },
};

FileSystemCalls gCalls = kSystemCalls;

[[noreturn]] void Fail(const std::string& path, const std::string& step, int error) {
  throw EInOutError("Cannot save \"" + path + "\": " + step + " failed: " + std::strerror(error));
}

// The file a path names, following symbolic links; the path itself when it does not exist yet.
std::string ResolveTarget(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Owns the temporary file: closes it and, unless committed, deletes it on every way out.
class TemporaryFile {
public:
  TemporaryFile(const std::string& target, const std::string& displayPath) : displayPath_(displayPath) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0;; ++attempt) {
      path_ = folder + "." + base + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
      fd_ = gCalls.open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) return;
      if (errno != EEXIST || attempt == 100) Fail(displayPath_, "creating the temporary file", errno);
    }
  }
  ~TemporaryFile() {
    if (fd_ >= 0) gCalls.close(fd_);
    if (!committed_) gCalls.unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Collects small pieces into one write; a large one goes straight to the file.
  void Put(std::string_view bytes) {
    if (buffer_.size() + bytes.size() <= kBuffered) {
      buffer_.append(bytes);
      return;
    }
    WriteBuffer();
    if (bytes.size() < kBuffered)
      buffer_.append(bytes);
    else
      Write(bytes);
  }
  // Gives the temporary file the target's owner, group and mode. Owner first: changing it may
  // clear the set-id bits, which the mode then restores. A process that may not give the file
  // away (EPERM) writes it as its own, as any editor would.
  void CopyOwnerAndPermissions(const std::string& target) {
    struct stat info;
    if (::stat(target.c_str(), &info) != 0) return;  // a new file keeps the default permissions
    if (gCalls.fchown(fd_, info.st_uid, info.st_gid) != 0 && errno != EPERM)
      Fail(displayPath_, "setting the owner", errno);
    if (gCalls.fchmod(fd_, info.st_mode & 07777) != 0) Fail(displayPath_, "setting permissions", errno);
  }
  void Flush() {
    WriteBuffer();
    if (gCalls.fsync(fd_) != 0) Fail(displayPath_, "flushing the temporary file", errno);
    const int fd = fd_;
    fd_ = -1;  // closed even when close reports an error
    if (gCalls.close(fd) != 0) Fail(displayPath_, "closing the temporary file", errno);
  }
  void RenameOver(const std::string& target) {
    if (gCalls.rename(path_.c_str(), target.c_str()) != 0) Fail(displayPath_, "renaming the temporary file", errno);
    committed_ = true;
  }

private:
  static constexpr std::size_t kBuffered = 64 * 1024;
  void WriteBuffer() {
    Write(buffer_);
    buffer_.clear();
  }
  void Write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = gCalls.write(fd_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) Fail(displayPath_, "writing the temporary file", written < 0 ? errno : EIO);
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }

  std::string displayPath_;
  std::string path_;
  int fd_ = -1;
  bool committed_ = false;
  std::string buffer_;
};

// Makes the new name in the folder durable. File systems that cannot flush a folder say EINVAL;
// for them there is nothing more to do.
void FlushFolder(const std::string& folder, const std::string& displayPath) {
  const int fd = gCalls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) Fail(displayPath, "the new content is in place but opening its folder", errno);
  const bool flushed = gCalls.fsync(fd) == 0 || errno == EINVAL;
  const int error = errno;
  gCalls.close(fd);
  if (!flushed) Fail(displayPath, "the new content is in place but flushing its folder", error);
}

}  // namespace

const FileSystemCalls& CurrentFileSystemCalls() { return gCalls; }

ScopedFileSystemCalls::ScopedFileSystemCalls(const FileSystemCalls& calls) : saved_(gCalls) { gCalls = calls; }
ScopedFileSystemCalls::~ScopedFileSystemCalls() { gCalls = saved_; }

void CheckWritable(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return;
  if (S_ISDIR(info.st_mode)) throw EInOutError(path + " is a directory");
  const bool writable = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
  if (!writable) throw EInOutError(path + " is read-only");
}

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
  WriteFileAtomic(path, [bytes](const TByteSink& put) { put(bytes); });
}

void WriteFileAtomic(const std::string& path, const std::function<void(const TByteSink& put)>& produce) {
  CheckWritable(path);
  const std::string target = ResolveTarget(path);
  {
    TemporaryFile temporary(target, path);
    produce([&temporary](std::string_view piece) { temporary.Put(piece); });
    temporary.CopyOwnerAndPermissions(target);
    temporary.Flush();
    temporary.RenameOver(target);
  }
  FlushFolder(FolderOf(target), path);
}

}  // namespace vcl
