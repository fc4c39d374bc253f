// A component's published values as last read or written, packed into one buffer: a form
// of many thousands of components keeps one per component, so each value takes a few bytes
// (an ordinal usually three) instead of a full TStoredValue.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/streaming/form_values.h"

namespace vcl {

class TValueSnapshot {
public:
  TValueSnapshot() = default;
  explicit TValueSnapshot(const std::vector<TStoredValue>& values);

  // True when both hold the same paths in the same order; only then do their entries
  // correspond one to one.
  bool SamePaths(const TValueSnapshot& other) const { return paths_ == other.paths_; }
  // Same paths and same values: nothing changed between the two.
  bool operator==(const TValueSnapshot& other) const { return paths_ == other.paths_ && bytes_ == other.bytes_; }

  // Makes a snapshot value by value, without holding the values themselves: each call adds
  // the entry that a TStoredValue of that path and value gives.
  class TBuilder {
  public:
    void Ordinal(std::string_view path, NativeInt value);
    // A component reference: the component and the names it is written with, so that a
    // renamed target counts as a changed value.
    void Reference(std::string_view path, NativeInt value);
    void Text(std::string_view path, std::string_view value);
    void Float(std::string_view path, long double value);
    // A string list: its count, then each of its lines by Line, then EndLines.
    void BeginLines(std::string_view path, std::size_t count);
    void Line(std::string_view line);
    void EndLines();
    // A collection: its items' values, item by item.
    void Collection(std::string_view path, const TCollection& items);
    TValueSnapshot Finish();

  private:
    void Begin(std::string_view path, std::size_t kind);
    void End();
    std::size_t paths_ = 0;
    std::string bytes_;
    std::size_t entry_ = 0;  // where the entry being written starts
    std::size_t count_ = 0;
  };

  // Walks the entries in collection order, one per value: between snapshots with the same
  // paths, equal entries mean equal values.
  class TCursor {
  public:
    explicit TCursor(const TValueSnapshot& snapshot) : rest_(snapshot.bytes_) {}
    // The next entry; empty past the last one.
    std::string_view Next();

  private:
    std::string_view rest_;
  };

private:
  std::size_t paths_ = 0;  // a hash of the sequence of paths (interned: their addresses)
  std::string bytes_;      // per value: its size, then its kind and its bytes
};

// The snapshot of the values CollectValues gives for `instance`, made without collecting
// them.
TValueSnapshot SnapshotValues(TObject* instance);

}  // namespace vcl
