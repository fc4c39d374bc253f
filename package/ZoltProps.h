// Access to a component's published properties by name, for classes not known in advance.
#pragma once

#include <string>
#include <string_view>

#include "vcl/classes.h"

namespace zolt {

// Each answers true when the component's class publishes a property of that name and of
// the routine's kind (ordinal: integers, enumerations, sets, characters and component
// references; string: text). Otherwise it answers false and changes nothing: neither the
// component nor the out-value. Writes go through the property's setter.
bool SetCompOrdPropByName(vcl::TComponent* component, std::string_view name, vcl::NativeInt value);
bool SetCompStrPropByName(vcl::TComponent* component, std::string_view name, const std::string& value);
bool GetCompOrdPropByName(vcl::TComponent* component, std::string_view name, vcl::NativeInt& value);
bool GetCompStrPropByName(vcl::TComponent* component, std::string_view name, std::string& value);

// True when the class publishes a property of that name (ignoring case) that is not an event.
bool ClassHasProperty(vcl::TClass cls, std::string_view name);

}  // namespace zolt
