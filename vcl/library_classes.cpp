// Registers every class of the library, so that FindClass knows them before first use.
#include "vcl/classes.h"

namespace vcl {

void RegisterLibraryClasses() {
  static const bool done = [] {
    for (auto info : {&TPersistent::ClassInfo, &TComponent::ClassInfo}) info();
    return true;
  }();
  (void)done;
}

}  // namespace vcl
