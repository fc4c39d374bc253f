// Replacing a file so that a crash or a failure never leaves it half written.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vcl {

// The system calls that WriteFileAtomic makes, behind one seam so that tests can make any of
// them fail and check that the target survives.
struct FileSystemCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* data, std::size_t size);
  int (*fchmod)(int fd, mode_t mode);
  int (*fchown)(int fd, uid_t owner, gid_t group);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*unlink)(const char* path);
};

// The calls in force: the operating system's, unless a ScopedFileSystemCalls replaced them.
const FileSystemCalls& CurrentFileSystemCalls();

// Puts other calls in force for its lifetime and restores the previous ones after.
class ScopedFileSystemCalls {
public:
  explicit ScopedFileSystemCalls(const FileSystemCalls& calls);
  ~ScopedFileSystemCalls();
  ScopedFileSystemCalls(const ScopedFileSystemCalls&) = delete;
  ScopedFileSystemCalls& operator=(const ScopedFileSystemCalls&) = delete;

private:
  FileSystemCalls saved_;
};

// Replaces the content of the file at `path` (created when missing) with `bytes`: writes a
// temporary file beside it, flushes it to disk, renames it over the target and flushes the
// folder, so that readers and crashes see the old content or the new, never a mix. An existing
// file keeps its permission bits; a symbolic link is written through, so it stays a link.
// On failure the target is untouched, the temporary file is gone and EInOutError names the
// file, the step that failed and the system's reason. Should only the final folder flush fail,
// the new content is already in place, and the error says so. An existing file also keeps its
// owner and group where the process may give them; a read-only one is refused (CheckWritable).
void WriteFileAtomic(const std::string& path, std::string_view bytes);
// The same for content that `produce` gives piece by piece to the sink it is handed, written
// to the temporary file as it comes, so that no copy of the whole content is held. Should
// `produce` raise, the target is untouched, the temporary file is gone and the error passes on.
using TByteSink = std::function<void(std::string_view bytes)>;
void WriteFileAtomic(const std::string& path, const std::function<void(const TByteSink& put)>& produce);

// Raises EInOutError "PATH is read-only" when `path` names an existing file that must not be
// replaced: one without any write permission bit (so that even the superuser leaves it alone,
// as a read-only file is treated by the tools users know) or one the process may not write;
// "PATH is a directory" for a folder. A path that does not exist yet passes.
void CheckWritable(const std::string& path);

}  // namespace vcl
