// Run-time type information, class registry and component ownership.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "vcl/class_builder.h"
#include "vcl/classes.h"
#include "vcl/filectrl.h"
#include "vcl/typinfo.h"

using namespace vcl;

namespace {

enum class TWidgetAlign { waLeft, waRight, waCenter };
const TTypeInfo* WidgetAlignType() {
  static auto t = MakeEnumType("TWidgetAlign", {"waLeft", "waRight", "waCenter"});
  return t;
}
const TTypeInfo* WidgetOptionsType() {
  static auto t = MakeSetType("TWidgetOptions", MakeEnumType("TWidgetOption", {"woA", "woB", "woC"}));
  return t;
}

// A component publishing one property of each kind, counting setter calls.
class TWidget : public TComponent {
  VCL_CLASS(TWidget, TComponent)
  explicit TWidget(TComponent* owner) : TComponent(owner) {}
  int Size() const { return size_; }
  void SetSize(int v) { size_ = v; ++writes; }
  TWidgetAlign Alignment() const { return align_; }
  void SetAlignment(TWidgetAlign v) { align_ = v; }
  NativeInt Options() const { return options_; }
  void SetOptions(NativeInt v) { options_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; ++writes; }
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { ratio_ = v; }
  TWidget* Buddy() const { return buddy_.get(); }
  void SetBuddy(TWidget* w) { buddy_.Set(w); }
  TComponent* Link() const { return link_.get(); }
  void SetLink(TComponent* c) { link_.Set(c); }
  void Handler(TObject*) { ++handled; }
  TNotifyEvent OnChange;
  int writes = 0;
  int handled = 0;

private:
  int size_ = 10;
  TWidgetAlign align_ = TWidgetAlign::waLeft;
  NativeInt options_ = 0;
  std::string caption_;
  double ratio_ = 0;
  TComponentRef<TWidget> buddy_{this};
  TComponentRef<TComponent> link_{this};
};

TClass TWidget::ClassInfo() {
  static TClass cls = TClassBuilder<TWidget>("TWidget", TComponent::ClassInfo())
                          .Creatable()
                          .Integer("Size", &TWidget::Size, &TWidget::SetSize, 10)
                          .Enum<TWidgetAlign>("Alignment", WidgetAlignType(), &TWidget::Alignment,
                                              &TWidget::SetAlignment, TWidgetAlign::waLeft)
                          .Set("Options", WidgetOptionsType(), &TWidget::Options, &TWidget::SetOptions, 0)
                          .String("Caption", &TWidget::Caption, &TWidget::SetCaption)
                          .Float("Ratio", &TWidget::Ratio, &TWidget::SetRatio)
                          .Reference("Buddy", &TWidget::Buddy, &TWidget::SetBuddy)
                          .Reference("Link", &TWidget::Link, &TWidget::SetLink)
                          .Event("OnChange", &TWidget::OnChange)
                          .Method("Handler", &TWidget::Handler)
                          .Build();
  return cls;
}

class TSubWidget : public TWidget {
  VCL_CLASS(TSubWidget, TWidget)
  using TWidget::TWidget;
};

TClass TSubWidget::ClassInfo() {
  static TClass cls = TClassBuilder<TSubWidget>("TSubWidget", TWidget::ClassInfo())
                          .Creatable()
                          .Integer("Size", &TSubWidget::Size, &TSubWidget::SetSize, 20)
                          .Build();
  return cls;
}

}  // namespace

TEST(Classes, RegistryFindsClassesIgnoringCase) {
  TClass cls = TWidget::ClassInfo();
  EXPECT_EQ(FindClass("twidget"), cls);
  EXPECT_EQ(FindClass("TComponent"), TComponent::ClassInfo());
  EXPECT_EQ(GetClass("TNoSuchThing"), nullptr);
  try {
    FindClass("TNoSuchThing");
    FAIL() << "expected EClassNotFound";
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TNoSuchThing not found");
  }
}

TEST(Classes, LibraryClassesAreBuiltWhenFirstAskedForByName) {
  // Nothing in this program uses the class before the look-up by name, in any case.
  TClass cls = GetClass("tfilterCOMBOBOX");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->ClassName(), "TFilterComboBox");
  EXPECT_EQ(cls, TFilterComboBox::ClassInfo());
  EXPECT_EQ(FindClass("TFilterComboBox"), cls);
  EXPECT_EQ(cls->ClassParent(), GetClass("TCustomComboBox"));
  // A library class taken out of the registry is not built or registered again by a look-up.
  UnRegisterClass(TDriveComboBox::ClassInfo());
  EXPECT_EQ(GetClass("TDriveComboBox"), nullptr);
  RegisterClass(TDriveComboBox::ClassInfo());
  EXPECT_EQ(GetClass("TDriveComboBox"), TDriveComboBox::ClassInfo());
}

TEST(Classes, NamesMatchIgnoringTheCaseOfAsciiLettersOnly) {
  // Every pair of strings up to 19 bytes over letters of both cases, the bytes beside 'A'-'Z'
  // and 'a'-'z' and accented capitals: the look-ups' equality must agree with CompareText,
  // and equal names must hash alike, wherever in a word the bytes lie.
  const std::string alphabet = "aAzZ@[`{\xC0\xE0\xDA";
  std::uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  auto randomText = [&](std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) text += alphabet[(next() >> 8) % alphabet.size()];
    return text;
  };
  int equalPairs = 0;
  for (int round = 0; round < 20000; ++round) {
    std::size_t size = (next() >> 8) % 20;
    std::string a = randomText(size);
    std::string b = a;
    // Change one byte to one of its case partners or neighbours.
    if (size > 0) b[(next() >> 8) % size] = alphabet[(next() >> 8) % alphabet.size()];
    bool same = CompareText(a, b) == 0;
    ASSERT_EQ(TextEqual{}(a, b), same) << a << " / " << b;
    if (same) {
      ++equalPairs;
      ASSERT_EQ(TextHash{}(a), TextHash{}(b)) << a << " / " << b;
    }
  }
  EXPECT_GT(equalPairs, 1000);
  EXPECT_FALSE(TextEqual{}("abc", "abcd"));
  EXPECT_NE(TextHash{}("Button1"), TextHash{}("Button2"));
}

TEST(Classes, InheritanceAndClassNames) {
  TComponent owner(nullptr);
  EXPECT_EQ(GetClass("TSubWidget"), nullptr) << "not registered before first use";
  RegisterClass(TSubWidget::ClassInfo());
  auto* w = static_cast<TWidget*>(FindClass("TSubWidget")->Create(&owner));
  EXPECT_EQ(w->ClassName(), "TSubWidget");
  EXPECT_TRUE(w->InheritsFrom(TWidget::ClassInfo()));
  EXPECT_TRUE(w->Is<TComponent>());
  EXPECT_FALSE(TWidget::ClassInfo()->InheritsFrom(TSubWidget::ClassInfo()));
  EXPECT_EQ(TSubWidget::ClassInfo()->ClassParent(), TWidget::ClassInfo());
  EXPECT_EQ(w->Owner(), &owner);
  EXPECT_THROW(TComponent::ClassInfo()->ClassParent()->Create(nullptr), EInvalidOperation);
}

TEST(Classes, RuntimeDescendantsCreateTheirParentsObjects) {
  auto form1 = TMetaClass::CreateDescendant("TForm1", TWidget::ClassInfo());
  TComponent owner(nullptr);
  TObject* obj = form1->Create(&owner);
  EXPECT_EQ(obj->ClassName(), "TForm1");
  EXPECT_EQ(obj->ClassType(), form1.get());
  EXPECT_TRUE(obj->InheritsFrom(TWidget::ClassInfo()));
  EXPECT_NE(GetPropInfo(obj, "caption"), nullptr);
  EXPECT_THROW(As<TSubWidget>(obj), EInvalidCast);
  EXPECT_EQ(Cast<TSubWidget>(obj), nullptr);
}

TEST(TypInfo, PropertiesByNameThroughInheritance) {
  TClass sub = TSubWidget::ClassInfo();
  PPropInfo size = GetPropInfo(sub, "SIZE");
  ASSERT_NE(size, nullptr);
  EXPECT_EQ(size->Default, 20) << "a re-published property carries its new default";
  EXPECT_EQ(GetPropInfo(TWidget::ClassInfo(), "size")->Default, 10);
  EXPECT_EQ(GetPropInfo(sub, "Name")->PropType->Name, "TComponentName");
  EXPECT_EQ(GetPropInfo(sub, "Nope"), nullptr);
  // Published order: ancestors first; a re-published property keeps its place.
  const auto& props = sub->Properties();
  ASSERT_GE(props.size(), 4u);
  EXPECT_EQ(props[0]->Name, "Name");
  EXPECT_EQ(props[1]->Name, "Tag");
  EXPECT_EQ(props[2]->Name, "Size");
  EXPECT_EQ(props[2], size);
  TPropList noEvents;
  int count = GetPropList(sub, &noEvents);
  EXPECT_EQ(count, static_cast<int>(noEvents.size()));
  for (PPropInfo p : noEvents) EXPECT_NE(p->Kind(), TTypeKind::tkMethod) << p->Name;
  EXPECT_EQ(count + 1, static_cast<int>(props.size()));
}

TEST(TypInfo, ReadsAndWritesGoThroughAccessors) {
  TWidget w(nullptr);
  PPropInfo size = GetPropInfo(&w, "Size");
  SetOrdProp(&w, size, 42);
  EXPECT_EQ(w.Size(), 42);
  EXPECT_EQ(w.writes, 1);
  EXPECT_EQ(GetOrdProp(&w, size), 42);

  PPropInfo align = GetPropInfo(&w, "Alignment");
  SetEnumProp(&w, align, "wacenter");
  EXPECT_EQ(w.Alignment(), TWidgetAlign::waCenter);
  EXPECT_EQ(GetEnumProp(&w, align), "waCenter");
  EXPECT_THROW(SetEnumProp(&w, align, "waUp"), EPropertyError);

  PPropInfo options = GetPropInfo(&w, "Options");
  SetOrdProp(&w, options, StringToSet(options->PropType, "[woA, woC]"));
  EXPECT_EQ(w.Options(), 5);
  EXPECT_EQ(SetToString(options->PropType, w.Options()), "[woA,woC]");

  SetStrProp(&w, GetPropInfo(&w, "Caption"), "Grüße");
  EXPECT_EQ(w.Caption(), "Grüße");
  SetFloatProp(&w, GetPropInfo(&w, "Ratio"), 2.5L);
  EXPECT_EQ(w.Ratio(), 2.5);
  EXPECT_THROW(GetStrProp(&w, size), EPropertyError);
}

TEST(TypInfo, PublishedMethodsBindToEvents) {
  TWidget w(nullptr);
  PPropInfo onChange = GetPropInfo(&w, "OnChange");
  ASSERT_NE(onChange, nullptr);
  EXPECT_EQ(onChange->Kind(), TTypeKind::tkMethod);
  const TMethodInfo* m = w.ClassType()->FindMethod("handler");
  ASSERT_NE(m, nullptr);
  m->Bind(&w, onChange->Event(&w));
  EXPECT_EQ(w.OnChange.HandlerName(), "Handler");
  w.OnChange(&w);
  EXPECT_EQ(w.handled, 1);
  TKeyPressEvent wrongShape;
  EXPECT_THROW(m->Bind(&w, wrongShape), EPropertyError);
}

TEST(Events, ANamedSlotKeepsItsNameWhenCodeIsBoundAndWhenCopied) {
  TNotifyEvent event;
  EXPECT_FALSE(event.Assigned());
  event.SetHandlerName("btnSaveClick");  // as a form file names it: no code yet
  EXPECT_FALSE(event.Assigned());
  event(nullptr);  // nothing to run
  TNotifyEvent copy = event;
  EXPECT_EQ(copy.HandlerName(), "btnSaveClick");

  int calls = 0;
  event = [&](TObject*) { ++calls; };
  EXPECT_TRUE(event.Assigned());
  EXPECT_EQ(event.HandlerName(), "btnSaveClick");
  event(nullptr);
  copy(nullptr);
  EXPECT_EQ(calls, 1);
  copy = event;
  copy(nullptr);
  EXPECT_EQ(calls, 2);

  event = nullptr;  // the code goes, the name stays
  EXPECT_FALSE(event.Assigned());
  EXPECT_EQ(event.HandlerName(), "btnSaveClick");
  event.SetHandlerName("");
  EXPECT_EQ(event.HandlerName(), "");
}

TEST(Events, EachSlotKeepsItsOwnBindingAmongManyComingAndGoing) {
  // Neighbouring slots, copies made as a vector grows, and slots going in any order.
  std::vector<TNotifyEvent> events;
  for (int i = 0; i < 3000; ++i) {
    events.emplace_back();
    if (i % 3 != 2) events.back().SetHandlerName("Handler" + std::to_string(i));
  }
  int calls = 0;
  for (int i = 0; i < 3000; i += 5) events[static_cast<std::size_t>(i)] = [&calls, i](TObject*) { calls += i; };
  events.erase(events.begin(), events.begin() + 1000);  // the others move down by assignment
  for (int i = 1000; i < 3000; ++i) {
    const TNotifyEvent& event = events[static_cast<std::size_t>(i - 1000)];
    EXPECT_EQ(event.HandlerName(), i % 3 != 2 ? "Handler" + std::to_string(i) : "") << i;
    EXPECT_EQ(event.Assigned(), i % 5 == 0) << i;
  }
  events[0](nullptr);  // slot 1000: bound
  events[1](nullptr);  // slot 1001: named only
  EXPECT_EQ(calls, 1000);
  events.resize(10);
  events[3].Clear();
  EXPECT_EQ(events[3].HandlerName(), "");
  EXPECT_EQ(events[5].HandlerName(), "Handler1005");
}

TEST(Events, ASlotMadeWhereAnotherWentStartsWithoutItsBinding) {
  std::optional<TNotifyEvent> slot;
  for (const char* name : {"First", "Second", "Third"}) {
    slot.emplace();
    EXPECT_EQ(slot->HandlerName(), "");
    EXPECT_FALSE(slot->Assigned());
    slot->SetHandlerName(name);
    *slot = [](TObject*) {};
    EXPECT_EQ(slot->HandlerName(), name);
    slot.reset();
  }
}

TEST(Components, NamesAreValidatedAsTheHostDoes) {
  TComponent owner(nullptr);
  auto* a = new TWidget(&owner);
  auto* b = new TWidget(&owner);
  a->SetName("Button1");
  try {
    b->SetName("1abc");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "'1abc' is not a valid component name");
  }
  try {
    b->SetName("BUTTON1");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named BUTTON1 already exists");
  }
  a->SetName("BUTTON1");  // the same component may change the case of its own name
  EXPECT_EQ(owner.FindComponent("button1"), a);
  b->SetName("Other");
  b->SetName("");
  EXPECT_EQ(owner.FindComponent("Other"), nullptr);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  a->SetName("Renamed");
  EXPECT_EQ(owner.FindComponent("button1"), nullptr);
  EXPECT_EQ(owner.FindComponent("RENAMED"), a);
  TWidget orphan(nullptr);
  orphan.SetName("Button1");  // no owner: only the identifier rule applies
  EXPECT_THROW(orphan.SetName("a b"), EComponentError);
}

TEST(Components, OwnerDestroysOwnedComponentsInOrder) {
  auto* owner = new TComponent(nullptr);
  auto* a = new TWidget(owner);
  auto* b = new TWidget(a);
  auto* c = new TWidget(owner);
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(1), c);
  EXPECT_EQ(a->Components(0), b);
  EXPECT_EQ(c->ComponentIndex(), 1);
  c->SetComponentIndex(0);
  EXPECT_EQ(owner->Components(0), c);
  EXPECT_THROW(owner->Components(2), EListError);
  c->Free();
  EXPECT_EQ(owner->ComponentCount(), 1);
  owner->Free();  // destroys a and, through a, b; the sanitizers check nothing leaks
}

namespace {
// Destroys what it owns itself, last first, while each still has it as owner (as a windowed
// control destroys its child controls).
class TEagerOwner : public TComponent {
public:
  using TComponent::TComponent;
  ~TEagerOwner() override {
    Destroying();
    while (ComponentCount() > 0) Components(ComponentCount() - 1)->Free();
  }
};

// Looks a sibling up by name as it goes.
class TSiblingWatcher : public TComponent {
public:
  TSiblingWatcher(TComponent* owner, std::string sibling, std::vector<bool>& found)
      : TComponent(owner), sibling_(std::move(sibling)), found_(found) {}
  ~TSiblingWatcher() override { found_.push_back(Owner()->FindComponent(sibling_) != nullptr); }

private:
  std::string sibling_;
  std::vector<bool>& found_;
};

// As it goes, renames a sibling and adds one, then looks both up.
class TRenamer : public TComponent {
public:
  TRenamer(TComponent* owner, TComponent* target, std::vector<bool>& found)
      : TComponent(owner), target_(target), found_(found) {}
  ~TRenamer() override {
    target_->SetName("Renamed");
    auto* added = new TComponent(Owner());
    added->SetName("Added");
    found_.push_back(Owner()->FindComponent("ADDED") == added);
    found_.push_back(Owner()->FindComponent("renamed") == target_);
    found_.push_back(Owner()->FindComponent("Before") == nullptr);
  }

private:
  TComponent* target_;
  std::vector<bool>& found_;
};
}  // namespace

TEST(Components, AnOwnerBeingDestroyedFindsByNameTheComponentsLeft) {
  std::vector<bool> found;
  auto* owner = new TEagerOwner(nullptr);
  (new TSiblingWatcher(owner, "SECOND", found))->SetName("First");
  (new TSiblingWatcher(owner, "first", found))->SetName("Second");
  owner->Free();  // Second goes first and finds First; First then finds nothing
  EXPECT_EQ(found, (std::vector<bool>{true, false}));

  found.clear();
  owner = new TEagerOwner(nullptr);
  auto* renamed = new TSiblingWatcher(owner, "Added", found);
  renamed->SetName("Before");
  new TSiblingWatcher(owner, "Renamed", found);
  new TRenamer(owner, renamed, found);
  // The renamer goes first, then what it added; the watcher still finds the renamed one.
  owner->Free();
  EXPECT_EQ(found, (std::vector<bool>{true, true, true, true, false}));
}

TEST(Components, IndexesStayRightWhateverOrderComponentsMoveOrGo) {
  TComponent owner(nullptr);
  std::vector<TWidget*> widgets;
  for (int i = 0; i < 8; ++i) widgets.push_back(new TWidget(&owner));
  widgets[1]->Free();  // a removal before the others moves them down
  widgets[6]->SetComponentIndex(0);
  widgets[2]->SetComponentIndex(5);
  std::vector<TWidget*> expected{widgets[6], widgets[0], widgets[3], widgets[4], widgets[5], widgets[2], widgets[7]};
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    EXPECT_EQ(owner.Components(i), expected[static_cast<std::size_t>(i)]);
    EXPECT_EQ(expected[static_cast<std::size_t>(i)]->ComponentIndex(), i);
  }
  for (std::size_t i : {3u, 0u, 6u, 1u}) expected[i]->Free();  // go in a mixed order
  ASSERT_EQ(owner.ComponentCount(), 3);
  EXPECT_EQ(owner.Components(0), widgets[3]);
  EXPECT_EQ(owner.Components(1), widgets[5]);
  EXPECT_EQ(owner.Components(2), widgets[2]);
}

namespace {
// Frees the components it is given first, in that order, as a parent destroys its windowed
// controls before the owner gets to the rest; the owner then destroys what is left.
class TOrderedOwner : public TComponent {
public:
  using TComponent::TComponent;
  std::vector<TComponent*> freeFirst;
  ~TOrderedOwner() override {
    Destroying();
    for (TComponent* c : freeFirst) c->Free();
  }
};

// As it goes, writes down its owner's list by index and its own place in it (while it has an
// owner: one destroying its components takes each from its list first).
class TListReader : public TComponent {
public:
  TListReader(TComponent* owner, std::vector<std::string>& seen) : TComponent(owner), seen_(seen) {}
  ~TListReader() override {
    std::string list = Name() + " at " + std::to_string(ComponentIndex()) + ":";
    for (int i = 0; i < Owner()->ComponentCount(); ++i) list += " " + Owner()->Components(i)->Name();
    seen_.push_back(list);
  }

private:
  std::vector<std::string>& seen_;
};
}  // namespace

TEST(Components, AnOwnerBeingDestroyedListsOnlyTheComponentsLeft) {
  std::vector<std::string> seen;
  auto* owner = new TOrderedOwner(nullptr);
  std::vector<TComponent*> made;
  for (std::string name : {"A", "B", "C", "D", "E", "F", "G"}) {
    bool reads = name == "B" || name == "E";
    TComponent* c = reads ? new TListReader(owner, seen) : new TComponent(owner);
    c->SetName(name);
    made.push_back(c);
  }
  owner->freeFirst = {made[5], made[3], made[4], made[1]};  // F, D, E and B leave from the middle
  owner->Free();  // then G, C and A, last first, taken from the owner before they go
  EXPECT_EQ(seen, (std::vector<std::string>{"E at 3: A B C E G", "B at 1: A B C G"}));
}

TEST(Components, FreeNotificationClearsReferences) {
  TComponent owner(nullptr);
  auto* a = new TWidget(&owner);
  auto* b = new TWidget(&owner);
  auto* outside = new TWidget(nullptr);
  a->SetBuddy(b);
  a->SetLink(b);
  b->SetLink(outside);
  PPropInfo buddy = GetPropInfo(a, "Buddy");
  EXPECT_EQ(OrdToObject(GetOrdProp(a, buddy)), b);
  b->Free();
  EXPECT_EQ(a->Buddy(), nullptr);
  EXPECT_EQ(a->Link(), nullptr);
  // The reference from a destroyed component no longer ties the outside one to it.
  a->SetLink(outside);
  a->SetLink(nullptr);
  outside->Free();
  EXPECT_EQ(a->Link(), nullptr);
  // A reference through the ordinal routines takes the pointer itself, null included.
  auto* c = new TWidget(&owner);
  SetOrdProp(a, buddy, ObjectToOrd(c));
  EXPECT_EQ(a->Buddy(), c);
  SetOrdProp(a, buddy, 0);
  EXPECT_EQ(a->Buddy(), nullptr);
  EXPECT_THROW(SetObjectProp(a, buddy, &owner), EInvalidCast) << "a TComponent is no TWidget";
}

TEST(Components, AReferenceMovedOrClearedFollowsOnlyItsTarget) {
  TComponent owner(nullptr);
  auto* a = new TWidget(&owner);
  auto* b = new TWidget(&owner);
  auto* c = new TWidget(&owner);
  a->SetBuddy(b);
  a->SetLink(c);
  a->SetBuddy(c);  // both references now point at c, none at b
  b->Free();
  EXPECT_EQ(a->Buddy(), c);
  EXPECT_EQ(a->Link(), c);
  a->SetLink(nullptr);
  c->Free();
  EXPECT_EQ(a->Buddy(), nullptr);
  // Cleared by the destruction, the reference points anew.
  auto* d = new TWidget(&owner);
  a->SetBuddy(d);
  d->Free();
  EXPECT_EQ(a->Buddy(), nullptr);
}

// Records what a listener hears.
class TListener : public TComponent {
public:
  using TComponent::TComponent;
  std::vector<std::string> heard;

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    heard.push_back((operation == opInsert ? "insert " : "remove ") + component->Name());
  }
  void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) override {
    TComponent::ValidateRename(component, curName, newName);
    if (component) heard.push_back("rename " + curName + " " + newName);
  }
};

TEST(Components, AListenerHearsWhatItsComponentOwnsGainAndLose) {
  auto* root = new TComponent(nullptr);
  root->SetName("Root");
  auto* listener = new TListener(nullptr);
  root->AddNotificationListener(listener);
  root->AddNotificationListener(listener);  // once is enough
  auto* gone = new TListener(nullptr);
  root->AddNotificationListener(gone);
  gone->Free();  // stops listening
  auto* a = new TWidget(root);
  a->SetName("A");
  auto* b = new TWidget(root);
  b->SetName("B");
  EXPECT_THROW(a->SetName("b"), EComponentError);  // refused before the listener hears of it
  a->SetName("Alpha");
  auto* nested = new TWidget(a);  // owned by a: the root's listener does not hear of it
  nested->SetName("Nested");
  b->Free();
  root->RemoveComponent(a);
  a->Free();
  EXPECT_EQ(listener->heard, (std::vector<std::string>{"rename  ", "insert ", "rename  A", "rename  ", "insert ",
                                                       "rename  B", "rename A Alpha", "remove B", "remove Alpha"}))
      << "an insertion is validated as a rename from nothing";
  listener->heard.clear();
  root->Free();
  EXPECT_EQ(listener->heard, std::vector<std::string>{"remove Root"}) << "its component's own destruction";
  listener->Free();
}

TEST(Components, HolderDestroyedBeforeTarget) {
  auto* target = new TWidget(nullptr);
  {
    TWidget holder(nullptr);
    holder.SetBuddy(target);
  }
  target->Free();  // must not notify the holder that is gone
}

TEST(Components, MutualReferencesDestroyedWithTheirOwner) {
  auto* owner = new TComponent(nullptr);
  auto* a = new TWidget(owner);
  auto* b = new TWidget(owner);
  a->SetBuddy(b);
  b->SetBuddy(a);
  owner->Free();
}
