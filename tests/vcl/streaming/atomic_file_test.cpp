// Atomic file replacement: the content arrives whole, or the original stays byte for byte.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "vcl/streaming/atomic_file.h"
#include "vcl/sysutils.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

class AtomicFile : public testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::path(testing::TempDir()) / ("atomic_file_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    target_ = (folder_ / "Unit1.pas").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.insert(entry.path().filename().string());
    return names;
  }
  // The message of the EInOutError that writing `bytes` to the target raises; empty when none.
  std::string WriteError(std::string_view bytes) const {
    try {
      WriteFileAtomic(target_, bytes);
    } catch (const EInOutError& e) {
      return e.what();
    }
    return {};
  }

  fs::path folder_;
  std::string target_;
};

// Counts the writes of the injected write call, so that a failure can come after a partial write.
int gWrites = 0;

const std::string kOriginal = "unit Unit1;\r\n\r\ninterface\r\n";
const std::string kNew = std::string("unit Unit1;\n\0binary\xFF\n", 21) + std::string(100000, 'x');

}  // namespace

TEST_F(AtomicFile, WritesAndReplacesExactBytes) {
  WriteFileAtomic(target_, kNew);
  EXPECT_EQ(Read(target_), kNew);
  WriteFileAtomic(target_, kOriginal);
  EXPECT_EQ(Read(target_), kOriginal);
  WriteFileAtomic(target_, "");
  EXPECT_EQ(Read(target_), "");
  EXPECT_EQ(Entries(), std::set<std::string>{"Unit1.pas"});
}

TEST_F(AtomicFile, ContentGivenPieceByPieceArrivesWholeOrNotAtAll) {
  // Pieces small and large, around the size the writer collects before it writes.
  const std::vector<std::string> pieces{"unit ", std::string(70000, 'a'), "", "b", std::string(65536, 'c'),
                                        std::string(65535, 'd'), "\r\n"};
  std::string whole;
  for (const std::string& piece : pieces) whole += piece;
  WriteFileAtomic(target_, [&](const TByteSink& put) {
    for (const std::string& piece : pieces) put(piece);
  });
  EXPECT_EQ(Read(target_), whole);

  // A producer that fails half-way leaves the file as it was and no temporary file.
  EXPECT_THROW(WriteFileAtomic(target_,
                               [&](const TByteSink& put) {
                                 put(std::string(200000, 'x'));
                                 throw EInvalidOperation("The form's root component was destroyed");
                               }),
               EInvalidOperation);
  EXPECT_EQ(Read(target_), whole);
  EXPECT_EQ(Entries(), std::set<std::string>{"Unit1.pas"});
}

TEST_F(AtomicFile, KeepsPermissionsAndSymbolicLinks) {
  Put(target_, kOriginal);
  ASSERT_EQ(::chmod(target_.c_str(), 0640), 0);
  WriteFileAtomic(target_, kNew);
  struct stat info;
  ASSERT_EQ(::stat(target_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  const std::string link = (folder_ / "Link.pas").string();
  fs::create_symlink("Unit1.pas", link);
  WriteFileAtomic(link, kOriginal);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(target_), kOriginal);
  EXPECT_EQ(Entries(), (std::set<std::string>{"Link.pas", "Unit1.pas"}));
}

TEST_F(AtomicFile, KeepsTheOwnerAndGroup) {
  Put(target_, kOriginal);
  // Given away where the process may (as the superuser); otherwise its own ids are checked.
  const uid_t owner = ::geteuid() == 0 ? 1234 : ::geteuid();
  const gid_t group = ::geteuid() == 0 ? 4321 : ::getegid();
  ASSERT_EQ(::chown(target_.c_str(), owner, group), 0);
  ASSERT_EQ(::chmod(target_.c_str(), 02750), 0);  // set-group-id survives the change of owner
  WriteFileAtomic(target_, kNew);
  struct stat info;
  ASSERT_EQ(::stat(target_.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, owner);
  EXPECT_EQ(info.st_gid, group);
  EXPECT_EQ(info.st_mode & 07777, 02750u);

  // A process that may not give the file away writes it as its own.
  FileSystemCalls calls = CurrentFileSystemCalls();
  calls.fchown = [](int, uid_t, gid_t) { return errno = EPERM, -1; };
  {
    ScopedFileSystemCalls scope(calls);
    EXPECT_EQ(WriteError(kOriginal), "");
  }
  EXPECT_EQ(Read(target_), kOriginal);
  calls.fchown = [](int, uid_t, gid_t) { return errno = EIO, -1; };
  ScopedFileSystemCalls scope(calls);
  EXPECT_EQ(WriteError(kNew), "Cannot save \"" + target_ + "\": setting the owner failed: Input/output error");
  EXPECT_EQ(Read(target_), kOriginal);
}

TEST_F(AtomicFile, RefusesReadOnlyFilesAndFolders) {
  Put(target_, kOriginal);
  ASSERT_EQ(::chmod(target_.c_str(), 0444), 0);
  EXPECT_EQ(WriteError(kNew), target_ + " is read-only");  // even for the superuser
  EXPECT_EQ(Read(target_), kOriginal);
  EXPECT_THROW(CheckWritable(target_), EInOutError);

  // Through a symbolic link the file it points to decides.
  const std::string link = (folder_ / "Link.pas").string();
  fs::create_symlink("Unit1.pas", link);
  try {
    WriteFileAtomic(link, kNew);
    ADD_FAILURE() << "a read-only file was replaced through a link";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Message(), link + " is read-only");
  }
  EXPECT_EQ(Read(target_), kOriginal);

  ASSERT_EQ(::chmod(target_.c_str(), 0200), 0);  // writable, not readable: may be replaced
  EXPECT_EQ(WriteError(kNew), "");
  EXPECT_EQ(Read(target_), kNew);

  try {
    WriteFileAtomic(folder_.string(), kNew);
    ADD_FAILURE() << "a folder was replaced";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Message(), folder_.string() + " is a directory");
  }
  EXPECT_NO_THROW(CheckWritable((folder_ / "New.pas").string()));
  EXPECT_EQ(Entries(), (std::set<std::string>{"Link.pas", "Unit1.pas"}));
}

TEST_F(AtomicFile, AFailingStepLeavesTheOriginalAndNoTemporaryFile) {
  Put(target_, kOriginal);
  const auto failingWith = [&](FileSystemCalls calls) {
    gWrites = 0;
    ScopedFileSystemCalls scope(calls);
    return WriteError(kNew);
  };
  const std::string prefix = "Cannot save \"" + target_ + "\": ";

  FileSystemCalls calls = CurrentFileSystemCalls();
  calls.write = [](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; };
  EXPECT_EQ(failingWith(calls), prefix + "writing the temporary file failed: No space left on device");

  // Part of the content is written before the disk fills up.
  calls = CurrentFileSystemCalls();
  calls.write = [](int fd, const void* data, std::size_t size) -> ssize_t {
    if (gWrites++ > 0) return errno = ENOSPC, -1;
    return ::write(fd, data, size / 2);
  };
  EXPECT_EQ(failingWith(calls), prefix + "writing the temporary file failed: No space left on device");

  calls = CurrentFileSystemCalls();
  calls.fsync = [](int) { return errno = EIO, -1; };
  EXPECT_EQ(failingWith(calls), prefix + "flushing the temporary file failed: Input/output error");

  calls = CurrentFileSystemCalls();
  calls.close = [](int fd) {
    ::close(fd);
    return errno = EIO, -1;
  };
  EXPECT_EQ(failingWith(calls), prefix + "closing the temporary file failed: Input/output error");

  calls = CurrentFileSystemCalls();
  calls.rename = [](const char*, const char*) { return errno = EXDEV, -1; };
  EXPECT_EQ(failingWith(calls), prefix + "renaming the temporary file failed: Invalid cross-device link");

  calls = CurrentFileSystemCalls();
  calls.open = [](const char*, int, mode_t) { return errno = EACCES, -1; };
  EXPECT_EQ(failingWith(calls), prefix + "creating the temporary file failed: Permission denied");

  EXPECT_EQ(Read(target_), kOriginal);
  EXPECT_EQ(Entries(), std::set<std::string>{"Unit1.pas"});

  // With the real calls back in force the same write succeeds.
  EXPECT_EQ(WriteError(kNew), "");
  EXPECT_EQ(Read(target_), kNew);
}

TEST_F(AtomicFile, FlushingTheFolder) {
  Put(target_, kOriginal);
  FileSystemCalls calls = CurrentFileSystemCalls();
  // A file system that cannot flush folders is no error; the file was flushed before the rename.
  calls.fsync = [](int fd) {
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) return errno = EINVAL, -1;
    return ::fsync(fd);
  };
  {
    ScopedFileSystemCalls scope(calls);
    EXPECT_EQ(WriteError(kNew), "");
  }
  EXPECT_EQ(Read(target_), kNew);

  calls.fsync = [](int fd) {
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) return errno = EIO, -1;
    return ::fsync(fd);
  };
  {
    ScopedFileSystemCalls scope(calls);
    EXPECT_EQ(WriteError(kOriginal), "Cannot save \"" + target_ +
                                         "\": the new content is in place but flushing its folder failed: "
                                         "Input/output error");
  }
  EXPECT_EQ(Read(target_), kOriginal);
  EXPECT_EQ(Entries(), std::set<std::string>{"Unit1.pas"});
}

TEST_F(AtomicFile, AMissingFolderIsAnErrorNamingTheFile) {
  const std::string path = (folder_ / "missing" / "Unit1.pas").string();
  try {
    WriteFileAtomic(path, kNew);
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot save \"" + path + "\": creating the temporary file failed: No such file or directory");
  }
  EXPECT_TRUE(Entries().empty());
}
