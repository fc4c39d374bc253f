#include "vcl/streaming/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "vcl/streaming/file_descriptor.h"
#include "vcl/sysutils.h"

namespace vcl {
namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& what, int error) {
  throw EInOutError("Cannot " + what + " " + path + ": " + std::strerror(error));
}

// Refuses what is not a regular file of acceptable size, from what stat or fstat reported.
void CheckKind(const std::string& path, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) throw EInOutError(path + " is a directory, not a file");
  if (!S_ISREG(info.st_mode)) throw EInOutError(path + " is not a regular file (a device, pipe or socket)");
  if (static_cast<std::uint64_t>(info.st_size) > kMaxInputFileSize) throw EInOutError(path + " is larger than 256 MB");
}


}  // namespace

std::string ReadWholeFile(const std::string& path) {
  // Looked at before opening: opening a pipe or some devices would block or have effects.
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) Fail(path, "open", errno);
  CheckKind(path, info);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) Fail(path, "open", errno);
  const vcl::TFileDescriptor file(fd);
  if (::fstat(fd, &info) != 0) Fail(path, "read", errno);
  CheckKind(path, info);  // the file opened may not be the one looked at

  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t length = 0;
  // Reads into the string where it has room, else into `spare`: the end of a file of the size
  // stat gave is found without growing the string (which would double its memory).
  char spare[4096];
  for (;;) {
    const bool full = length == bytes.size();
    const ssize_t count = full ? ::read(fd, spare, sizeof spare) : ::read(fd, bytes.data() + length, bytes.size() - length);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) Fail(path, "read", errno);
    if (count == 0) break;
    if (full) {
      // The file grew while being read: it stays bounded all the same.
      if (bytes.size() >= kMaxInputFileSize) throw EInOutError(path + " is larger than 256 MB");
      bytes.append(spare, static_cast<std::size_t>(count));
    }
    length += static_cast<std::size_t>(count);
  }
  bytes.resize(length);
  return bytes;
}

}  // namespace vcl
