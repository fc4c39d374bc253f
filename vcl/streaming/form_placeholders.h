// Stand-ins for classes the model does not know, so that any form file can be read:
// the form file keeps all their values for the save.
#pragma once

#include <memory>

#include "vcl/object.h"
#include "vcl/streaming/dfm_text.h"

namespace vcl {

// A class named as the object's class: windowed when the object has child objects or a
// tab order, a control when it has a size, otherwise a plain component.
std::unique_ptr<TMetaClass> MakePlaceholderClass(const dfm::Object& node);

bool IsControlClass(TClass cls);

}  // namespace vcl
