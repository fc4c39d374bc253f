// Storage of the tree's nodes: the arena, where a value's pieces stand, an object's header.
#include <limits>

#include "vcl/streaming/dfm_text_internal.h"

namespace vcl::dfm {

namespace {

constexpr std::size_t kFirstBlock = 1024;
constexpr std::size_t kLargestBlock = 64 * 1024;

}  // namespace

NodeArena::~NodeArena() = default;

std::byte* NodeArena::new_block(std::size_t bytes) {
  blocks_.emplace_back(new std::byte[bytes]);
  return blocks_.back().get();
}

void* NodeArena::do_allocate(std::size_t bytes, std::size_t alignment) {
  const auto align = [alignment](std::byte* at) {
    const auto address = reinterpret_cast<std::uintptr_t>(at);
    return at + ((alignment - address % alignment) % alignment);
  };
  if (next_ && static_cast<std::size_t>(end_ - align(next_)) >= bytes) {
    std::byte* at = align(next_);
    next_ = at + bytes;
    return at;
  }
  // The blocks start aligned for any node; a request of a sixteenth of a block or more gets
  // its own, so that starting a new block leaves little unused in the last one.
  const std::size_t next_size = std::min(block_size_ ? 2 * block_size_ : kFirstBlock, kLargestBlock);
  if (bytes >= next_size / 16) return new_block(bytes);
  block_size_ = next_size;
  next_ = new_block(block_size_);
  end_ = next_ + block_size_;
  std::byte* at = next_;
  next_ += bytes;
  return at;
}

namespace detail {

void Access::set_spans(Value& value, std::string_view leading, std::string_view name,
                       std::string_view prefix, std::string_view text, const Contents* contents,
                       std::pmr::memory_resource& arena) {
  auto* spans = new (arena.allocate(sizeof(Spans), alignof(Spans))) Spans{
      leading.data(),
      name.data(),
      text.data(),
      static_cast<std::uint32_t>(leading.size()),
      static_cast<std::uint32_t>(name.size()),
      static_cast<std::uint32_t>(prefix.size()),
      static_cast<std::uint32_t>(text.size()),
      contents ? *contents : Contents{},
  };
  const void* at = spans;
  std::memcpy(value.at_, &at, sizeof at);
  value.lead_ = value.name_ = value.size_ = 0;
}

}  // namespace detail

Object::Pieces Object::pieces() const {
  if (!start_) return {};
  const char* from = header_start() + keyword_size();
  const char* stop = header_start() + header_size_;
  auto blanks = [stop](const char* at) {
    while (at < stop && detail::is_blank(*at)) ++at;
    return at;
  };
  auto dotted = [stop](const char* at) {
    while (at < stop && (detail::is_ident_char(*at) || *at == '.')) ++at;
    return at;
  };
  using detail::span;
  const char* first = blanks(from);
  const char* first_end = dotted(first);
  const char* colon = blanks(first_end);
  if (colon < stop && *colon == ':') {
    const char* class_name = blanks(colon + 1);
    const char* class_end = dotted(class_name);
    return {span(from, first), span(first, first_end), span(first_end, class_name),
            span(class_name, class_end), span(class_end, stop)};
  }
  return {span(from, first), span(first, first), span(first, first), span(first, first_end),
          span(first_end, stop)};
}

}  // namespace vcl::dfm
