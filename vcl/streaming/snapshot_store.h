// The value snapshots of a form's components, kept together. The components of a class share
// most of their values, so each snapshot is kept as the entries in which it differs from the
// first snapshot of its shape, and all of them in a few large blocks: a snapshot costs little
// more than the values that set its component apart, and no allocation of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "vcl/streaming/value_snapshot.h"

namespace vcl {

class TSnapshotStore {
public:
  // Keeps what `builder` holds as the snapshot of `slot` (a small index: slots are kept in
  // a table by index), in place of the one it had.
  void Keep(std::uint32_t slot, const TValueSnapshot::TBuilder& builder);
  // Whether `builder` holds what `slot`'s snapshot does, told without making a copy of it.
  bool Holds(std::uint32_t slot, const TValueSnapshot::TBuilder& builder) const;
  // The snapshot of `slot`, into `out`, whose storage serves again; empty when none is kept.
  void Load(std::uint32_t slot, TValueSnapshot& out) const;
  void Forget(std::uint32_t slot);
  // Room for the slots up to `slots`, made at once.
  void Reserve(std::size_t slots) { slots_.reserve(slots); }
  // The bytes of the blocks: the snapshots' and those not in use (a snapshot replaced by a
  // longer one leaves its old place empty until the blocks are packed again).
  std::size_t Allocated() const;

private:
  static constexpr std::uint32_t kNone = ~std::uint32_t{0};
  // The first snapshot of a shape, which the later ones are told against.
  struct TTemplate {
    std::uint64_t Shape;
    std::vector<std::uint64_t> Ordinals;
    std::string Bytes;                  // the other entries
    std::vector<std::uint32_t> Starts;  // of those
  };
  struct TSlot {
    std::uint32_t At = 0;  // of its encoding, counted through the blocks one after another
    std::uint32_t Template = kNone;
  };
  struct TBlock {
    std::size_t Base;  // where it starts, counted as At is
    std::size_t Used;
    std::size_t Size;  // a multiple of kBlock
    std::unique_ptr<char[]> Bytes;
  };
  // The blocks one after another, and which one holds each kBlock of them, so that an
  // encoding is found by its place without a search.
  struct TBlocks {
    std::vector<TBlock> Blocks;
    std::vector<std::uint32_t> Holding;
  };
  static constexpr std::size_t kBlock = std::size_t{64} << 10;

  std::uint32_t TemplateFor(const TValueSnapshot::TBuilder& builder);
  // An encoding's two parts: how its ordinals differ from the template's, and how its other
  // entries do.
  struct TParts {
    std::string_view Ordinals, Runs;
  };
  TParts Parts(const TSlot& slot) const;
  // Gives the ordinals of the snapshot `slot` keeps, run by run in order, to `words` while it
  // returns true; whether it took them all.
  template <class Words>
  bool OrdinalPieces(const TSlot& slot, std::string_view in, Words&& words) const;
  // Gives the bytes of its other entries, piece by piece in order, to `piece` likewise.
  template <class Piece>
  bool Pieces(const TSlot& slot, std::string_view in, Piece&& piece) const;
  // The encoding of what `builder` holds against `model`; valid until the next one is made.
  std::string_view Encode(const TTemplate& model, const TValueSnapshot::TBuilder& builder);
  // The encoding at `at`: its size, then its parts (the size of the first, then each).
  std::string_view Encoded(std::uint32_t at) const;
  // Writes `encoding` at the end of `blocks`, in a new block when the last has no room; where.
  static std::uint32_t Append(TBlocks& blocks, std::string_view encoding);
  void PackIfSparse();

  std::vector<TTemplate> templates_;
  std::unordered_map<std::uint64_t, std::uint32_t> templateOf_;  // by shape
  std::vector<TSlot> slots_;
  TBlocks blocks_;
  std::size_t kept_ = 0;  // bytes of the encodings in use
  std::string encoding_;  // room for the one being made
};

}  // namespace vcl
