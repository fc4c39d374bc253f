// The prefix store: one component-name prefix per class, kept per user in the settings
// section "Prefix" (value name = class name, value = prefix as typed).
#pragma once

#include <string>

namespace zolt {

// The settings section of the prefixes, below the package's key.
inline constexpr const char* PrefixSection = "Prefix";

// The prefix stored for `className` (class names ignore case), or the empty text when the
// class has none or its stored prefix is empty.
std::string FindPrefix(std::string className);

// The classes whose stored prefix equals `prefix` byte for byte, in the store's listing
// order: the first two joined by " and ", every further one added with ", "; the empty text
// when no class uses it.
std::string PrefixUsers(std::string prefix);

}  // namespace zolt
