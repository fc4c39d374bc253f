#include "vcl/streaming/layout.h"

#include "vcl/forms.h"
#include "vcl/resources.h"
#include "vcl/streaming/form_file.h"
#include "vcl/typinfo.h"

namespace vcl {

namespace {

// "LAYOUT:LINE:COL: " of a component's property in the layout (or of the component).
std::string PositionOf(const TFormFile& file, const TComponent* component, std::string_view property) {
  std::string_view at;
  if (const dfm::Object* node = file.Node(component)) {
    at = node->name().empty() ? node->keyword() : node->name();
    for (const dfm::Property& p : node->properties)
      if (SameText(p.name(), property)) at = p.name();
  }
  if (at.empty()) return file.FileName() + ": ";
  dfm::Location where = file.Syntax().location(at);
  return file.FileName() + ":" + std::to_string(where.line) + ":" + std::to_string(where.column) + ": ";
}

void BindField(const TFormFile& file, TComponent* root, TComponent* component) {
  const TFieldInfo* field = root->ClassType()->FindField(component->Name());
  if (!field) return;
  if (!component->InheritsFrom(field->FieldClass))
    throw EReadError(PositionOf(file, component, {}) + "Field " + field->Name + " is a " +
                     field->FieldClass->ClassName() + ", not a " + component->ClassName());
  field->Set(root, component);
}

void BindHandlers(const TFormFile& file, TComponent* root, TComponent* component) {
  static const std::vector<TTypeKind> kEvents{TTypeKind::tkMethod};
  TPropList events;
  GetPropList(component->ClassType(), &events, &kEvents);
  for (PPropInfo prop : events) {
    TEventRef slot = prop->Event(component);
    if (slot->HandlerName().empty()) continue;
    const TMethodInfo* method = root->ClassType()->FindMethod(slot->HandlerName());
    if (!method)
      throw EReadError(PositionOf(file, component, prop->Name) + "Error reading " + component->Name() + "." +
                       prop->Name + ": method " + slot->HandlerName() + " not found in " + root->ClassName());
    method->Bind(root, slot);
  }
}

}  // namespace

void ReadLayout(TComponent* root, std::string_view resourceName) {
  ReadLayoutText(root, FindResourceText(resourceName), resourceName);
}

void ReadLayoutText(TComponent* root, std::string_view text, std::string_view name) {
  TFormReadOptions options;
  options.Root = root;
  auto file = TFormFile::Read(std::string(text), std::string(name), options);
  BindHandlers(*file, root, root);
  for (int i = 0; i < root->ComponentCount(); ++i) {
    BindField(*file, root, root->Components(i));
    BindHandlers(*file, root, root->Components(i));
  }
}

void InitDialog(TCustomForm* form, std::string_view resourceName) {
  ReadLayout(form, resourceName);
  form->DoCreate();
}

}  // namespace vcl
