#include "vcl/resources.h"

#include <fmt/format.h>

namespace vcl {

std::span<const std::uint8_t> FindResource(std::string_view name) {
  for (const TResourceEntry* entry = detail::kEmbeddedResources; entry->name; ++entry)
    if (SameText(entry->name, name)) return entry->bytes;
  throw EResNotFound(fmt::format("Resource {} not found", name));
}

std::string_view FindResourceText(std::string_view name) {
  auto bytes = FindResource(name);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace vcl
