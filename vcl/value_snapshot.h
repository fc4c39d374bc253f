// A component's published values as last read or written, packed into one buffer: a form
// of many thousands of components keeps one per component, so each value takes a few bytes
// instead of a full TStoredValue.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vcl/form_values.h"

namespace vcl {

class TValueSnapshot {
public:
  TValueSnapshot() = default;
  explicit TValueSnapshot(const std::vector<TStoredValue>& values);

  // Walks the entries in collection order, one per value: equal entries mean the same path
  // with the same value.
  class TCursor {
  public:
    explicit TCursor(const TValueSnapshot& snapshot) : rest_(snapshot.bytes_) {}
    // The next entry; empty past the last one.
    std::string_view Next();

  private:
    std::string_view rest_;
  };

private:
  std::string bytes_;  // per value: its size, then its path's address and its bytes
};

}  // namespace vcl
