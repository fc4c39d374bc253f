// Tables that keep what they derive from a class by the class's address hear when a class is
// destroyed, so that a class made later at the same address is not taken for it (a form's
// own class goes with its form file, and the next form's may take its place).
#pragma once

#include "vcl/object.h"

namespace vcl {

using TClassDestroyed = void (*)(TClass cls);
// Adds a listener for the rest of the program; a few at most.
void ListenForDestroyedClasses(TClassDestroyed listener);

}  // namespace vcl
