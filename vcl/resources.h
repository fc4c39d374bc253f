// Resources embedded into the program at build time: dialog layouts (.dfm) and pictures
// (.bmp) of the add-in and of the IDE, looked up by file name.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "vcl/sysutils.h"

namespace vcl {

VCL_EXCEPTION(EResNotFound, Exception);

struct TResourceEntry {
  const char* name;
  std::span<const std::uint8_t> bytes;
};

// The bytes of the resource file `name` (e.g. "dlgAlign.dfm"), matched ignoring case.
// Raises EResNotFound "Resource X not found" when there is none.
std::span<const std::uint8_t> FindResource(std::string_view name);
std::string_view FindResourceText(std::string_view name);

namespace detail {
// The generated table, ended by an entry with a null name.
extern const TResourceEntry kEmbeddedResources[];
}  // namespace detail

}  // namespace vcl
