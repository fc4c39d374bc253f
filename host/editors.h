// Design-time editors as the add-in writes them: component editors (the verbs of a
// component's context menu in the form designer) and property editors (a property's row in
// the Object Inspector), and their registration with the IDE.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/designer.h"
#include "vcl/classes.h"
#include "vcl/typinfo.h"

namespace host {

// The editor of one component of the designed form. The designer makes one per use.
class TComponentEditor {
public:
  TComponentEditor(vcl::TComponent* component, IFormDesigner* designer);
  TComponentEditor(const TComponentEditor&) = delete;
  TComponentEditor& operator=(const TComponentEditor&) = delete;
  virtual ~TComponentEditor() = default;

  // A double click on the component: runs the first verb when there is one.
  virtual void Edit();
  // Runs verb `index` (0 to GetVerbCount - 1). None by default.
  virtual void ExecuteVerb(int index);
  // The caption of verb `index` on the context menu.
  virtual std::string GetVerb(int index);
  virtual int GetVerbCount();
  // Copies the component to the clipboard in formats of the editor's own; none by default.
  virtual void Copy();

  vcl::TComponent* Component() const { return component_; }
  IFormDesigner* GetDesigner() const { return designer_; }

private:
  vcl::TComponent* component_;
  IFormDesigner* designer_;
};

// What the Object Inspector offers for a property (a set: bit n for attribute n).
enum TPropertyAttribute {
  paValueList,      // a drop-down list of values (GetValues)
  paSubProperties,  // an expandable list of sub-properties (GetProperties)
  paDialog,         // an ellipsis button that calls Edit
  paMultiSelect,    // shown when several components are selected
  paAutoUpdate,     // SetValue after every change of the text
  paSortList,       // the value list is sorted
  paReadOnly,       // the text cannot be edited
  paRevertable,     // the value can be reverted to the inherited one
};
using TPropertyAttributes = std::uint32_t;
constexpr TPropertyAttributes AttributeOf(TPropertyAttribute a) { return 1u << a; }

// The editor of one property of the selected components. The Object Inspector makes one
// per use, for the property `prop` shared by every edited component.
class TPropertyEditor {
public:
  TPropertyEditor(IFormDesigner* designer, std::vector<vcl::TPersistent*> components, const vcl::TPropInfo* prop);
  TPropertyEditor(const TPropertyEditor&) = delete;
  TPropertyEditor& operator=(const TPropertyEditor&) = delete;
  virtual ~TPropertyEditor() = default;

  // Called when the property's row is selected; nothing by default.
  virtual void Activate();
  // True when every edited component shows the same text for the property.
  virtual bool AllEqual();
  // True when typing in the row completes the text from the value list.
  virtual bool AutoFill();
  // The ellipsis button or a double click; nothing by default.
  virtual void Edit();
  // Multi-selection and revert by default.
  virtual TPropertyAttributes GetAttributes();
  // The longest text the row accepts.
  virtual int GetEditLimit();
  // The row's title: the property's name.
  virtual std::string GetName();
  // Calls `proc` with an editor for each sub-property; none by default.
  virtual void GetProperties(const std::function<void(TPropertyEditor&)>& proc);
  // The row's text; "(unknown)" by default.
  virtual std::string GetValue();
  // Calls `proc` with each entry of the value list; none by default.
  virtual void GetValues(const std::function<void(const std::string&)>& proc);
  // Called once, after construction, before any other call; nothing by default.
  virtual void Initialize();
  // The text typed into the row; ignored by default.
  virtual void SetValue(const std::string& value);

  // Edited component `index` (0 to PropCount - 1); raises EListError otherwise.
  vcl::TPersistent* GetComponent(int index) const;
  int PropCount() const { return static_cast<int>(components_.size()); }
  IFormDesigner* Designer() const { return designer_; }
  const vcl::TPropInfo* GetPropInfo() const { return prop_; }
  const vcl::TTypeInfo* GetPropType() const { return prop_->PropType; }

protected:
  // The property's text in the first edited component (in component `index`).
  std::string GetStrValue() const { return GetStrValueAt(0); }
  std::string GetStrValueAt(int index) const;
  // Stores the text into the property of every edited component through its setter, then
  // tells the designer that the form changed. A setter's error passes to the caller.
  void SetStrValue(const std::string& value);
  vcl::NativeInt GetOrdValue() const { return GetOrdValueAt(0); }
  vcl::NativeInt GetOrdValueAt(int index) const;
  void SetOrdValue(vcl::NativeInt value);
  // Tells the designer that the form changed.
  void Modified();

private:
  IFormDesigner* designer_;
  std::vector<vcl::TPersistent*> components_;
  const vcl::TPropInfo* prop_;
};

using TComponentEditorFactory =
    std::function<std::unique_ptr<TComponentEditor>(vcl::TComponent* component, IFormDesigner* designer)>;
using TPropertyEditorFactory = std::function<std::unique_ptr<TPropertyEditor>(
    IFormDesigner* designer, std::vector<vcl::TPersistent*> components, const vcl::TPropInfo* prop)>;

// The factory of an editor class: `ComponentEditorClass<TAlignEditor>()`.
template <class Editor>
TComponentEditorFactory ComponentEditorClass() {
  return [](vcl::TComponent* component, IFormDesigner* designer) {
    return std::make_unique<Editor>(component, designer);
  };
}
template <class Editor>
TPropertyEditorFactory PropertyEditorClass() {
  return [](IFormDesigner* designer, std::vector<vcl::TPersistent*> components, const vcl::TPropInfo* prop) {
    return std::make_unique<Editor>(designer, std::move(components), prop);
  };
}

// The IDE's side of registration, installed by the IDE while it runs.
class IEditorRegistrar {
public:
  virtual ~IEditorRegistrar() = default;
  virtual void RegisterComponentEditor(vcl::TClass componentClass, TComponentEditorFactory factory) = 0;
  virtual void RegisterPropertyEditor(const vcl::TTypeInfo* propertyType, vcl::TClass componentClass,
                                      const std::string& propertyName, TPropertyEditorFactory factory) = 0;
};
// Installs the IDE's registrar (null: none).
void SetEditorRegistrar(IEditorRegistrar* registrar);

// The designer uses the editor for components of `componentClass` and its descendants.
// Raises EInvalidOperation when no IDE runs.
void RegisterComponentEditor(vcl::TClass componentClass, TComponentEditorFactory factory);
// The Object Inspector uses the editor for properties of `propertyType` named `propertyName`
// (empty: any name) of components of `componentClass` (null: any class) and its descendants.
// Raises EInvalidOperation when no IDE runs.
void RegisterPropertyEditor(const vcl::TTypeInfo* propertyType, vcl::TClass componentClass,
                            const std::string& propertyName, TPropertyEditorFactory factory);

}  // namespace host
