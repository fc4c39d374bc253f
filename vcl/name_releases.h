// A count of the component names given up in this process, for caches of taken names.
#pragma once

#include <cstdint>

namespace vcl {

// How many times a component's name has left its owner's names (a rename or a removal),
// in any owner: a record of names found taken stays true while this count stays the same,
// since names only get taken in between.
std::uint64_t ComponentNamesReleased();

}  // namespace vcl
