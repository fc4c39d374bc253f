// Dialogs made from layouts: a form class streams its layout (an embedded .dfm resource)
// into itself when it is created, as the host's forms read their form resource.
#pragma once

#include <string_view>

namespace vcl {

class TComponent;
class TCustomForm;

// Reads the layout resource `resourceName` into `root`: its values and its components
// (owned by `root`), then fills the published fields of `root`'s class with the
// components of their names and binds every event naming a handler to the published
// method of that name. A handler the class does not publish, or a field whose component
// has another class, raises EReadError with the layout's name and position.
void ReadLayout(TComponent* root, std::string_view resourceName);
// The same with the layout's text given (`name` names it in errors).
void ReadLayoutText(TComponent* root, std::string_view text, std::string_view name);

// ReadLayout, then OnCreate: what creating a dialog does.
void InitDialog(TCustomForm* form, std::string_view resourceName);

}  // namespace vcl
