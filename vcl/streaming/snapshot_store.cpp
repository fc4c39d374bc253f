#include "vcl/streaming/snapshot_store.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "vcl/streaming/varint.h"

namespace vcl {

namespace {

// What telling one more run of differences costs at least: where it starts, what it replaces
// and its size, a byte each.
constexpr std::size_t kRunBytes = 3;

// How many bytes `a` and `b` start with alike, told eight at a time.
std::size_t Common(std::string_view a, std::string_view b) {
  const std::size_t size = std::min(a.size(), b.size());
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    std::uint64_t x, y;
    std::memcpy(&x, a.data() + i, 8);
    std::memcpy(&y, b.data() + i, 8);
    if (x == y) continue;
    // Read little-endian, the first byte that differs holds the lowest bit that does.
    if constexpr (std::endian::native == std::endian::little) return i + static_cast<std::size_t>(std::countr_zero(x ^ y)) / 8;
    break;
  }
  while (i < size && a[i] == b[i]) ++i;
  return i;
}

// Whether the `size` bytes at `a` and at `b` are alike; most entries take a byte or two.
bool SameBytes(const char* a, const char* b, std::size_t size) {
  if (size > 8) return std::memcmp(a, b, size) == 0;
  for (std::size_t i = 0; i < size; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

[[gnu::noinline]] std::size_t TakeLongSize(std::string_view& in) {
  return static_cast<std::size_t>(VarintValue(TakeVarint(in)));
}

// Sizes mostly take a byte.
inline std::size_t TakeSize(std::string_view& in) {
  if (!in.empty() && static_cast<unsigned char>(in[0]) < 0x80) {
    const auto size = static_cast<std::size_t>(in[0]);
    in.remove_prefix(1);
    return size;
  }
  return TakeLongSize(in);
}

}  // namespace

std::uint32_t TSnapshotStore::TemplateFor(const TValueSnapshot::TBuilder& builder) {
  auto [known, added] = templateOf_.try_emplace(builder.ShapeKey(), static_cast<std::uint32_t>(templates_.size()));
  if (added) {
    std::span<const std::uint32_t> starts = builder.Starts();
    std::span<const std::uint64_t> ordinals = builder.Ordinals();
    templates_.push_back({builder.ShapeKey(), {ordinals.begin(), ordinals.end()}, std::string(builder.Written()),
                          {starts.begin(), starts.end()}});
  }
  return known->second;
}

// The ordinals, when as many as the template's: 0, then for each that differs, how many
// alike come before it and its value; else 1, then every value. Then runs of the other
// entries that differ from the template's, each as: the template's bytes to take before it,
// the template's bytes it replaces, its own size and bytes. The rest of the template follows
// the last run. Runs apart by fewer bytes than a run costs are joined.
std::string_view TSnapshotStore::Encode(const TTemplate& model, const TValueSnapshot::TBuilder& builder) {
  const std::span<const std::uint64_t> ordinals = builder.Ordinals();
  const std::string_view now = builder.Written(), was = model.Bytes;
  const std::span<const std::uint32_t> nowStarts = builder.Starts();
  const std::size_t count = nowStarts.size();
  // Room for the two sizes in front, for the ordinals, and for the most the runs take: each
  // entry's bytes once, and a run's three sizes at most once per entry.
  const std::size_t room = (3 + 2 * ordinals.size() + 3 * (count + 1)) * kMaxVarint + now.size();
  if (encoding_.size() < room) encoding_.resize(std::max(room, 2 * encoding_.size()));
  char* const body = encoding_.data() + 2 * kMaxVarint;
  char* out = body;
  if (ordinals.size() == model.Ordinals.size()) {
    *out++ = 0;
    std::size_t alike = 0;  // the first not yet told
    for (std::size_t i = 0; i < ordinals.size(); ++i) {
      if (ordinals[i] == model.Ordinals[i]) continue;
      out = PutVarint(PutVarint(out, i - alike), ZigZag(ordinals[i]));
      alike = i + 1;
    }
  } else {
    *out++ = 1;
    for (std::uint64_t ordinal : ordinals) out = PutVarint(out, ZigZag(ordinal));
  }
  const auto ordinalBytes = static_cast<std::size_t>(out - body);
  char* const part = body - VarintSize(ordinalBytes);
  PutVarint(part, ordinalBytes);
  char* const runs = out;
  auto nowAt = [&](std::size_t i) -> std::size_t { return i < count ? nowStarts[i] : now.size(); };
  auto wasAt = [&](std::size_t i) -> std::size_t { return i < count ? model.Starts[i] : was.size(); };
  auto same = [&](std::size_t i) {
    const std::size_t size = nowAt(i + 1) - nowAt(i);
    return size == wasAt(i + 1) - wasAt(i) && SameBytes(now.data() + nowAt(i), was.data() + wasAt(i), size);
  };
  auto run = [&out](std::size_t take, std::size_t replaced, std::string_view bytes) {
    out = PutVarint(PutVarint(PutVarint(out, take), replaced), bytes.size());
    out = std::copy(bytes.begin(), bytes.end(), out);
  };
  // Only a hash of the shapes was compared: whether the entries correspond is checked.
  bool corresponds = count == model.Starts.size();
  std::size_t taken = 0;  // of the template
  for (std::size_t i = 0; corresponds && i < count;) {
    // The entries are alike up to the first byte that differs: the run starts with the entry
    // that holds it, which starts where the template's does when their kinds correspond.
    const std::size_t common = Common(now.substr(nowAt(i)), was.substr(wasAt(i)));
    if (nowAt(i) + common == now.size() && wasAt(i) + common == was.size()) break;
    const auto holding = std::upper_bound(nowStarts.begin() + static_cast<std::ptrdiff_t>(i), nowStarts.end(),
                                          nowAt(i) + common);
    const auto first = static_cast<std::size_t>(holding - nowStarts.begin()) - 1;
    corresponds = nowAt(first) - nowAt(i) == wasAt(first) - wasAt(i);
    if (!corresponds) break;
    std::size_t end = first + 1;  // the run is [first, end)
    for (std::size_t j = end; j < count; ++j) {
      if (!same(j))
        end = j + 1;
      else if (nowAt(j + 1) - nowAt(end) >= kRunBytes)
        break;
    }
    run(wasAt(first) - taken, wasAt(end) - wasAt(first), now.substr(nowAt(first), nowAt(end) - nowAt(first)));
    taken = wasAt(end);
    i = end;
  }
  if (!corresponds) {
    // All of them anew.
    out = runs;
    run(0, was.size(), now);
  }
  const auto size = static_cast<std::size_t>(out - part);
  char* const start = part - VarintSize(size);
  PutVarint(start, size);
  return {start, static_cast<std::size_t>(out - start)};
}

std::string_view TSnapshotStore::Encoded(std::uint32_t at) const {
  const TBlock& block = blocks_.Blocks[blocks_.Holding[at / kBlock]];
  std::string_view rest(block.Bytes.get() + (at - block.Base), block.Used - (at - block.Base));
  std::string_view body = rest;
  std::size_t size = std::min(TakeSize(body), body.size());
  return rest.substr(0, rest.size() - body.size() + size);
}

std::uint32_t TSnapshotStore::Append(TBlocks& blocks, std::string_view encoding) {
  if (blocks.Blocks.empty() || blocks.Blocks.back().Size - blocks.Blocks.back().Used < encoding.size()) {
    const std::size_t base = blocks.Blocks.empty() ? 0 : blocks.Blocks.back().Base + blocks.Blocks.back().Size;
    const std::size_t size = (std::max(kBlock, encoding.size()) + kBlock - 1) / kBlock * kBlock;
    if (base + size > std::numeric_limits<std::uint32_t>::max())
      throw std::length_error("The form's values take more than 4 GB");
    blocks.Holding.resize(blocks.Holding.size() + size / kBlock, static_cast<std::uint32_t>(blocks.Blocks.size()));
    blocks.Blocks.push_back({base, 0, size, std::make_unique_for_overwrite<char[]>(size)});
  }
  TBlock& block = blocks.Blocks.back();
  std::copy(encoding.begin(), encoding.end(), block.Bytes.get() + block.Used);
  const auto at = static_cast<std::uint32_t>(block.Base + block.Used);
  block.Used += encoding.size();
  return at;
}

void TSnapshotStore::Keep(std::uint32_t slot, const TValueSnapshot::TBuilder& builder) {
  if (slot >= slots_.size()) slots_.resize(std::size_t{slot} + 1);
  const std::uint32_t model = TemplateFor(builder);
  const std::string_view encoding = Encode(templates_[model], builder);
  TSlot& kept = slots_[slot];
  kept_ += encoding.size();
  if (kept.Template != kNone) {
    std::string_view old = Encoded(kept.At);
    kept_ -= old.size();
    if (old.size() >= encoding.size()) {
      // In its old place: the rest of that stays unused.
      std::copy(encoding.begin(), encoding.end(), const_cast<char*>(old.data()));
      kept.Template = model;
      return PackIfSparse();
    }
  }
  kept = {Append(blocks_, encoding), model};
  PackIfSparse();
}

TSnapshotStore::TParts TSnapshotStore::Parts(const TSlot& slot) const {
  std::string_view in = Encoded(slot.At);
  TakeSize(in);
  const std::size_t ordinals = std::min(TakeSize(in), in.size());
  return {in.substr(0, ordinals), in.substr(ordinals)};
}

template <class Words>
bool TSnapshotStore::OrdinalPieces(const TSlot& slot, std::string_view in, Words&& words) const {
  const std::vector<std::uint64_t>& was = templates_[slot.Template].Ordinals;
  const bool anew = TakeSize(in) != 0;
  std::size_t at = 0;  // in the template
  while (!in.empty()) {
    if (!anew) {
      const std::size_t alike = std::min(TakeSize(in), was.size() - at);
      if (!words(std::span(was).subspan(at, alike))) return false;
      at = std::min(at + alike + 1, was.size());
    }
    const std::uint64_t value = UnZigZag(VarintValue(TakeVarint(in)));
    if (!words(std::span(&value, 1))) return false;
  }
  return anew || words(std::span(was).subspan(at));
}

template <class Piece>
bool TSnapshotStore::Pieces(const TSlot& slot, std::string_view in, Piece&& piece) const {
  const std::string_view was = templates_[slot.Template].Bytes;
  std::size_t at = 0;  // in the template
  while (!in.empty()) {
    const std::size_t take = std::min(TakeSize(in), was.size() - at);
    if (!piece(was.substr(at, take))) return false;
    at += take;
    at += std::min(TakeSize(in), was.size() - at);
    const std::size_t size = std::min(TakeSize(in), in.size());
    if (!piece(in.substr(0, size))) return false;
    in.remove_prefix(size);
  }
  return piece(was.substr(at));
}

bool TSnapshotStore::Holds(std::uint32_t slot, const TValueSnapshot::TBuilder& builder) const {
  if (slot >= slots_.size() || slots_[slot].Template == kNone) return false;
  const TSlot& kept = slots_[slot];
  if (templates_[kept.Template].Shape != builder.ShapeKey()) return false;
  const TParts parts = Parts(kept);
  std::span<const std::uint64_t> ordinals = builder.Ordinals();
  auto sameWords = [&ordinals](std::span<const std::uint64_t> words) {
    if (ordinals.size() < words.size() || !std::equal(words.begin(), words.end(), ordinals.begin())) return false;
    ordinals = ordinals.subspan(words.size());
    return true;
  };
  if (!OrdinalPieces(kept, parts.Ordinals, sameWords) || !ordinals.empty()) return false;
  std::string_view now = builder.Written();
  auto same = [&now](std::string_view piece) {
    if (now.size() < piece.size() || !SameBytes(now.data(), piece.data(), piece.size())) return false;
    now.remove_prefix(piece.size());
    return true;
  };
  return Pieces(kept, parts.Runs, same) && now.empty();
}

void TSnapshotStore::Load(std::uint32_t slot, TValueSnapshot& out) const {
  out.ordinals_.clear();
  out.bytes_.clear();
  out.shape_ = 0;
  if (slot >= slots_.size() || slots_[slot].Template == kNone) return;
  const TParts parts = Parts(slots_[slot]);
  OrdinalPieces(slots_[slot], parts.Ordinals, [&out](std::span<const std::uint64_t> words) {
    out.ordinals_.append(reinterpret_cast<const char*>(words.data()), words.size_bytes());
    return true;
  });
  Pieces(slots_[slot], parts.Runs, [&out](std::string_view piece) {
    out.bytes_.append(piece);
    return true;
  });
  out.shape_ = templates_[slots_[slot].Template].Shape;
}

void TSnapshotStore::Forget(std::uint32_t slot) {
  if (slot >= slots_.size() || slots_[slot].Template == kNone) return;
  kept_ -= Encoded(slots_[slot].At).size();
  slots_[slot] = {};
  PackIfSparse();
}

std::size_t TSnapshotStore::Allocated() const {
  return blocks_.Blocks.empty() ? 0 : blocks_.Blocks.back().Base + blocks_.Blocks.back().Size;
}

// Once most of the blocks are out of use, the snapshots in use are copied into new ones: the
// blocks stay within twice what the snapshots take, and copying costs no more than the
// replacements that made it necessary.
void TSnapshotStore::PackIfSparse() {
  if (Allocated() <= 2 * kept_ + 2 * kBlock) return;
  TBlocks packed;
  for (TSlot& slot : slots_)
    if (slot.Template != kNone) slot.At = Append(packed, Encoded(slot.At));
  blocks_ = std::move(packed);
}

}  // namespace vcl
