// Registration of component and property editors and the choice of the editor that serves
// a component or a property.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/editors.h"
#include "ide/editor_registry.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"

using namespace vcl;

namespace {

// A designer that only counts Modified calls.
class TCountingDesigner : public host::IFormDesigner {
public:
  int modified = 0;
  void Modified() override { ++modified; }
  std::string UniqueName(const std::string& baseName) override { return baseName + "1"; }
  TComponent* CreateComponent(TClass, TComponent*, int, int, int, int) override { return nullptr; }
  void SetSelections(const TComponentList&) override {}
  void GetSelections(TComponentList&) const override {}
  TComponent* GetRoot() const override { return nullptr; }
};

// A component editor whose verbs are "<label> 0", "<label> 1", ...; it records what runs.
class TLabelledEditor : public host::TComponentEditor {
public:
  TLabelledEditor(TComponent* component, host::IFormDesigner* designer, std::string label, int verbs,
                  std::vector<std::string>* log)
      : TComponentEditor(component, designer), label_(std::move(label)), verbs_(verbs), log_(log) {}
  int GetVerbCount() override { return verbs_; }
  std::string GetVerb(int index) override { return label_ + " " + std::to_string(index); }
  void ExecuteVerb(int index) override { log_->push_back(GetVerb(index) + " on " + Component()->Name()); }

private:
  std::string label_;
  int verbs_;
  std::vector<std::string>* log_;
};

host::TComponentEditorFactory Labelled(std::string label, int verbs = 1, std::vector<std::string>* log = nullptr) {
  return [=](TComponent* component, host::IFormDesigner* designer) {
    return std::make_unique<TLabelledEditor>(component, designer, label, verbs, log);
  };
}

std::string FirstVerb(const ide::TEditorRegistry& registry, TComponent* component) {
  auto editor = registry.GetComponentEditor(component, nullptr);
  return editor ? editor->GetVerb(0) : "(none)";
}

class TTaggedPropertyEditor : public host::TPropertyEditor {
public:
  TTaggedPropertyEditor(host::IFormDesigner* designer, std::vector<TPersistent*> components, const TPropInfo* prop,
                        std::string tag)
      : TPropertyEditor(designer, std::move(components), prop), tag(std::move(tag)) {}
  std::string GetValue() override { return tag + ":" + GetStrValue(); }
  void SetValue(const std::string& value) override { SetStrValue(value); }
  void Initialize() override { initialized = true; }
  bool initialized = false;
  std::string tag;
};

host::TPropertyEditorFactory Tagged(std::string tag) {
  return [=](host::IFormDesigner* designer, std::vector<TPersistent*> components, const TPropInfo* prop) {
    return std::make_unique<TTaggedPropertyEditor>(designer, std::move(components), prop, tag);
  };
}

std::string EditorTag(const ide::TEditorRegistry& registry, TComponent* component, const char* property) {
  auto editor = registry.GetPropertyEditor({component}, GetPropInfo(component, property), nullptr);
  return editor ? static_cast<TTaggedPropertyEditor&>(*editor).tag : "(none)";
}

class EditorRegistryTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterLibraryClasses();
    form = std::make_unique<TForm>(nullptr);
    panel = new TPanel(form.get());
    panel->SetName("Panel1");
    button = new TButton(form.get());
    button->SetName("Button1");
  }
  std::unique_ptr<TForm> form;
  TPanel* panel = nullptr;
  TButton* button = nullptr;
  ide::TEditorRegistry registry;
};

}  // namespace

TEST_F(EditorRegistryTest, ComponentEditorsServeDescendantsAndTheMostSpecificWins) {
  EXPECT_EQ(registry.GetComponentEditor(panel, nullptr), nullptr);
  registry.RegisterComponentEditor(TWinControl::ClassInfo(), Labelled("windowed"));
  registry.RegisterComponentEditor(TPanel::ClassInfo(), Labelled("panel"));
  registry.RegisterComponentEditor(TCustomPanel::ClassInfo(), Labelled("custom panel"));
  EXPECT_EQ(FirstVerb(registry, panel), "panel 0");
  EXPECT_EQ(FirstVerb(registry, button), "windowed 0");
  EXPECT_EQ(FirstVerb(registry, form->FindComponent("Missing")), "(none)");

  // A class made at run time from TPanel gets TPanel's editor.
  auto myPanelClass = TMetaClass::CreateDescendant("TMyPanel", TPanel::ClassInfo());
  auto* myPanel = As<TComponent>(myPanelClass->Create(form.get()));
  EXPECT_EQ(FirstVerb(registry, myPanel), "panel 0");
  myPanel->Free();

  auto timerLike = std::make_unique<TComponent>(nullptr);
  EXPECT_EQ(FirstVerb(registry, timerLike.get()), "(none)");
}

TEST_F(EditorRegistryTest, TheLaterOfTwoRegistrationsForOneClassWins) {
  registry.RegisterComponentEditor(TPanel::ClassInfo(), Labelled("first"));
  registry.RegisterComponentEditor(TPanel::ClassInfo(), Labelled("second"));
  EXPECT_EQ(FirstVerb(registry, panel), "second 0");
  // A later, less specific registration does not displace the nearer one.
  registry.RegisterComponentEditor(TComponent::ClassInfo(), Labelled("any"));
  EXPECT_EQ(FirstVerb(registry, panel), "second 0");
  EXPECT_EQ(FirstVerb(registry, button), "any 0");
}

TEST_F(EditorRegistryTest, EditRunsTheFirstVerbOnlyWhenThereIsOne) {
  std::vector<std::string> log;
  registry.RegisterComponentEditor(TPanel::ClassInfo(), Labelled("align", 2, &log));
  registry.RegisterComponentEditor(TButton::ClassInfo(), Labelled("none", 0, &log));
  TCountingDesigner designer;
  auto editor = registry.GetComponentEditor(panel, &designer);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->Component(), panel);
  EXPECT_EQ(editor->GetDesigner(), &designer);
  editor->Edit();
  registry.GetComponentEditor(button, &designer)->Edit();
  EXPECT_EQ(log, std::vector<std::string>{"align 0 on Panel1"});
}

TEST_F(EditorRegistryTest, GroupsOfRegistrationsAreWithdrawnTogether) {
  registry.RegisterComponentEditor(TPanel::ClassInfo(), Labelled("ide"));
  int group = registry.RegisterGroup([&] {
    registry.RegisterComponentEditor(TPanel::ClassInfo(), Labelled("package"));
    registry.RegisterPropertyEditor(TypeInfoComponentName(), TComponent::ClassInfo(), "Name", Tagged("package"));
  });
  // Registrations after the group closed belong to no group.
  registry.RegisterComponentEditor(TButton::ClassInfo(), Labelled("later"));
  EXPECT_EQ(FirstVerb(registry, panel), "package 0");
  EXPECT_EQ(EditorTag(registry, button, "Name"), "package");
  registry.FreeGroup(group);
  EXPECT_EQ(FirstVerb(registry, panel), "ide 0");
  EXPECT_EQ(EditorTag(registry, button, "Name"), "(none)");
  EXPECT_EQ(FirstVerb(registry, button), "later 0");

  EXPECT_THROW(registry.RegisterGroup([&] {
    registry.RegisterComponentEditor(TPanel::ClassInfo(), Labelled("failing"));
    throw EInvalidOperation("register failed");
  }),
               EInvalidOperation);
  EXPECT_EQ(FirstVerb(registry, panel), "ide 0");
}

TEST_F(EditorRegistryTest, PropertyEditorsMatchTypeClassAndName) {
  registry.RegisterPropertyEditor(TypeInfoComponentName(), nullptr, "", Tagged("any name-typed"));
  registry.RegisterPropertyEditor(TypeInfoComponentName(), TComponent::ClassInfo(), "Name", Tagged("name"));
  registry.RegisterPropertyEditor(TypeInfoCaption(), TButton::ClassInfo(), "", Tagged("button caption"));
  EXPECT_EQ(EditorTag(registry, button, "Name"), "name");
  EXPECT_EQ(EditorTag(registry, panel, "Name"), "name");
  EXPECT_EQ(EditorTag(registry, button, "Caption"), "button caption");
  EXPECT_EQ(EditorTag(registry, panel, "Caption"), "(none)");  // not a button
  EXPECT_EQ(EditorTag(registry, button, "Hint"), "(none)");     // a string, not a caption

  // Naming the property counts before a nearer component class.
  registry.RegisterPropertyEditor(TypeInfoComponentName(), TButton::ClassInfo(), "", Tagged("button names"));
  EXPECT_EQ(EditorTag(registry, button, "Name"), "name");
  registry.RegisterPropertyEditor(TypeInfoComponentName(), TButton::ClassInfo(), "NAME", Tagged("button Name"));
  EXPECT_EQ(EditorTag(registry, button, "Name"), "button Name");
  EXPECT_EQ(EditorTag(registry, panel, "Name"), "name");
  // Equal specificity: the later registration wins.
  registry.RegisterPropertyEditor(TypeInfoComponentName(), TComponent::ClassInfo(), "Name", Tagged("name again"));
  EXPECT_EQ(EditorTag(registry, panel, "Name"), "name again");

  // Several components: only a registration that serves all of them applies.
  auto editor = registry.GetPropertyEditor({button, panel}, GetPropInfo(button, "Name"), nullptr);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetValue(), "name again:Button1");
  EXPECT_TRUE(static_cast<TTaggedPropertyEditor&>(*editor).initialized);
}

TEST_F(EditorRegistryTest, ClassTypedPropertiesAreServedByEditorsOfAncestorTypes) {
  static const TTypeInfo componentType{TTypeKind::tkClass, "", {}, nullptr, &TComponent::ClassInfo};
  static const TTypeInfo controlType{TTypeKind::tkClass, "", {}, nullptr, &TControl::ClassInfo};
  auto* label = new TLabel(form.get());
  registry.RegisterPropertyEditor(&controlType, nullptr, "", Tagged("control"));
  registry.RegisterPropertyEditor(&componentType, nullptr, "", Tagged("component"));
  // FocusControl holds a TWinControl: the nearer ancestor type wins over the later one.
  EXPECT_EQ(EditorTag(registry, label, "FocusControl"), "control");
  EXPECT_EQ(EditorTag(registry, label, "Caption"), "(none)");
}

TEST_F(EditorRegistryTest, ThePropertyEditorBaseReadsAndWritesThroughTheProperty) {
  TCountingDesigner designer;
  const TPropInfo* name = GetPropInfo(button, "Name");
  host::TPropertyEditor editor(&designer, {button, panel}, name);
  EXPECT_EQ(editor.GetName(), "Name");
  EXPECT_EQ(editor.PropCount(), 2);
  EXPECT_EQ(editor.GetComponent(1), panel);
  EXPECT_THROW(editor.GetComponent(2), EListError);
  EXPECT_THROW(editor.GetComponent(-1), EListError);
  EXPECT_EQ(editor.GetAttributes(), host::AttributeOf(host::paMultiSelect) | host::AttributeOf(host::paRevertable));
  EXPECT_EQ(host::AttributeOf(host::paDialog), 4u);
  EXPECT_FALSE(editor.AllEqual());
  EXPECT_EQ(editor.Designer(), &designer);

  TTaggedPropertyEditor renamer(&designer, {button}, name, "t");
  renamer.SetValue("btnSave");
  EXPECT_EQ(button->Name(), "btnSave");
  EXPECT_EQ(designer.modified, 1);
  // A name the component refuses passes the error on and does not count as a change.
  EXPECT_THROW(renamer.SetValue("Panel1"), EComponentError);
  EXPECT_EQ(button->Name(), "btnSave");
  EXPECT_EQ(designer.modified, 1);
}

TEST(EditorRegistration, NeedsARunningIde) {
  RegisterLibraryClasses();
  EXPECT_THROW(host::RegisterComponentEditor(TPanel::ClassInfo(), Labelled("x")), EInvalidOperation);
  EXPECT_THROW(host::RegisterPropertyEditor(TypeInfoComponentName(), nullptr, "", Tagged("x")), EInvalidOperation);
}
