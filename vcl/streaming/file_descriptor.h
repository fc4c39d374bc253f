// An open file descriptor, closed when it goes out of scope.
#pragma once

#include <unistd.h>

namespace vcl {

class TFileDescriptor {
public:
  explicit TFileDescriptor(int fd) : fd_(fd) {}
  ~TFileDescriptor() { ::close(fd_); }
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  int Get() const { return fd_; }

private:
  int fd_;
};

}  // namespace vcl
