// Actions and action lists, menu items linked to actions, and image lists.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vcl/actnlist.h"
#include "vcl/menus.h"
#include "vcl/typinfo.h"

using namespace vcl;

namespace {

using V = std::vector<std::string>;

std::vector<std::string> PublishedNames(TClass cls) {
  std::vector<std::string> names;
  for (PPropInfo p : cls->Properties()) names.push_back(p->Name);
  return names;
}

TAction* NewAction(TComponent* owner, TCustomActionList* list, const std::string& name) {
  auto* action = new TAction(owner);
  action->SetName(name);
  action->SetActionList(list);
  return action;
}

// A bitmap of `width` by `height` whose column x has colour RGB(x, y, 0) in row y.
std::unique_ptr<TBitmap> Gradient(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->SetPixel(x, y, RGB(x, y, 0));
  return bitmap;
}

}  // namespace

// ---- action lists

TEST(Actions, ListListsActionsThatTheFormOwns) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  auto* open = NewAction(&form, list, "actOpen");
  auto* save = NewAction(&form, list, "actSave");
  EXPECT_EQ(list->ActionCount(), 2);
  EXPECT_EQ(list->Actions(0), open);
  EXPECT_EQ(list->Actions(1), save);
  EXPECT_EQ(open->ActionList(), list);
  EXPECT_EQ(open->Owner(), &form);
  EXPECT_THROW(list->Actions(2), EListError);

  save->SetIndex(0);
  EXPECT_EQ(list->Actions(0), save);
  EXPECT_EQ(open->Index(), 1);

  open->Free();
  EXPECT_EQ(list->ActionCount(), 1) << "a freed action leaves its list";

  auto* other = new TActionList(&form);
  save->SetActionList(other);
  EXPECT_EQ(list->ActionCount(), 0);
  EXPECT_EQ(other->Actions(0), save);
  save->SetActionList(nullptr);
  EXPECT_EQ(save->Index(), -1);
}

TEST(Actions, FreeingTheListFreesItsActions) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  NewAction(&form, list, "actA");
  NewAction(&form, list, "actB");
  auto* loose = NewAction(&form, nullptr, "actLoose");
  EXPECT_EQ(form.ComponentCount(), 4);
  list->Free();
  EXPECT_EQ(form.ComponentCount(), 1);
  EXPECT_EQ(form.Components(0), loose);
}

TEST(Actions, ExecuteAsksTheListFirst) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  auto* action = NewAction(&form, list, "actGo");
  EXPECT_FALSE(action->Execute()) << "no handler anywhere";

  std::vector<std::string> calls;
  action->OnExecute = [&](TObject* sender) {
    EXPECT_EQ(sender, action);
    calls.push_back("action");
  };
  bool handle = false;
  list->OnExecute = [&](TBasicAction* a, bool& handled) {
    EXPECT_EQ(a, action);
    calls.push_back("list");
    handled = handle;
  };
  EXPECT_TRUE(action->Execute());
  handle = true;
  EXPECT_TRUE(action->Execute());
  EXPECT_EQ(calls, (V{"list", "action", "list"}));

  int updates = 0;
  action->OnUpdate = [&](TObject*) { ++updates; };
  EXPECT_TRUE(action->Update());
  EXPECT_EQ(updates, 1);
}

TEST(Actions, FormFilesNestTheFormsActionsInsideTheirList) {
  TComponent form(nullptr);
  TComponent elsewhere(nullptr);
  auto* list = new TActionList(&form);
  auto* action = NewAction(&form, nullptr, "actOpen");
  EXPECT_FALSE(action->HasParent()) << "outside a list an action is written at the top";
  action->SetParentComponent(list);
  EXPECT_EQ(action->ActionList(), list);
  EXPECT_EQ(action->GetParentComponent(), list);
  EXPECT_TRUE(action->HasParent());
  NewAction(&elsewhere, list, "actForeign");

  std::vector<TComponent*> children;
  list->GetChildren([&](TComponent* c) { children.push_back(c); }, &form);
  EXPECT_EQ(children, (std::vector<TComponent*>{action})) << "only what the form owns is its to write";
}

TEST(Actions, ImagesAreClearedWhenTheImageListGoes) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  auto* images = new TImageList(&form);
  list->SetImages(images);
  EXPECT_EQ(list->Images(), images);
  images->Free();
  EXPECT_EQ(list->Images(), nullptr);
}

TEST(Actions, PublishTheHostsPropertiesInOrder) {
  EXPECT_EQ(PublishedNames(FindClass("TAction")),
            (V{"Name", "Tag", "Category", "Caption", "Checked", "Enabled", "HelpContext", "Hint", "ImageIndex",
               "ShortCut", "Visible", "OnExecute", "OnUpdate"}));
  EXPECT_EQ(PublishedNames(FindClass("TActionList")), (V{"Name", "Tag", "Images", "OnChange", "OnExecute", "OnUpdate"}));
  PPropInfo imageIndex = GetPropInfo(TAction::ClassInfo(), "ImageIndex");
  EXPECT_EQ(imageIndex->Default, -1);
  EXPECT_EQ(imageIndex->PropType->TypeName(), "TImageIndex");
  EXPECT_TRUE(TAction::ClassInfo()->InheritsFrom(TCustomAction::ClassInfo()));
}

// ---- menu items linked to actions

class LinkedItem : public ::testing::Test {
protected:
  LinkedItem() {
    list = new TActionList(&form);
    action = NewAction(&form, list, "actSave");
    action->SetCaption("&Save");
    action->SetHint("Save the file");
    action->SetShortCut(TextToShortCut("Ctrl+S"));
    action->SetImageIndex(3);
    item = new TMenuItem(&form);
    item->SetName("mniSave");
  }
  TComponent form{nullptr};
  TActionList* list;
  TAction* action;
  TMenuItem* item;
};

TEST_F(LinkedItem, TakesTheActionsProperties) {
  item->SetAction(action);
  EXPECT_EQ(item->Action(), action);
  EXPECT_EQ(item->Caption(), "&Save");
  EXPECT_EQ(item->Hint(), "Save the file");
  EXPECT_EQ(item->ShortCut(), 0x4053);
  EXPECT_EQ(item->ImageIndex(), 3);
  EXPECT_TRUE(item->Enabled());
  // Linked values come from the action and are not written with the item.
  for (const char* name : {"Caption", "Hint", "ShortCut", "ImageIndex", "Enabled", "Checked"})
    EXPECT_FALSE(GetPropInfo(item, name)->IsStoredOn(item)) << name;
}

TEST_F(LinkedItem, FollowsTheActionsChanges) {
  item->SetAction(action);
  action->SetCaption("Save &as");
  action->SetShortCut(TextToShortCut("Shift+Ctrl+S"));
  action->SetChecked(true);
  action->SetImageIndex(7);
  action->SetHint("Save under another name");
  action->SetEnabled(false);
  action->SetVisible(false);
  EXPECT_EQ(item->Caption(), "Save &as");
  EXPECT_EQ(ShortCutToText(item->ShortCut()), "Shift+Ctrl+S");
  EXPECT_TRUE(item->Checked());
  EXPECT_EQ(item->ImageIndex(), 7);
  EXPECT_EQ(item->Hint(), "Save under another name");
  EXPECT_FALSE(item->Enabled());
  EXPECT_FALSE(item->Visible());
}

TEST_F(LinkedItem, AValueChangedOnTheItemStopsFollowing) {
  item->SetAction(action);
  item->SetCaption("My own");
  action->SetCaption("Other");
  action->SetHint("New hint");
  EXPECT_EQ(item->Caption(), "My own");
  EXPECT_EQ(item->Hint(), "New hint") << "the other properties still follow";
  EXPECT_TRUE(GetPropInfo(item, "Caption")->IsStoredOn(item));
  EXPECT_FALSE(GetPropInfo(item, "Hint")->IsStoredOn(item));
}

TEST_F(LinkedItem, WhileLoadingItKeepsItsOwnValues) {
  item->SetCaption("Stored caption");
  action->Loading();
  item->SetAction(action);
  action->Loaded();
  EXPECT_EQ(item->Caption(), "Stored caption");
  EXPECT_EQ(item->Hint(), "Save the file") << "a default value still takes the action's";
}

TEST_F(LinkedItem, ClickRunsTheActionUnlessTheItemHasItsOwnHandler) {
  item->SetAction(action);
  std::vector<TObject*> executed, clicked;
  action->OnExecute = [&](TObject* sender) { executed.push_back(sender); };
  item->Click();
  EXPECT_EQ(executed, (std::vector<TObject*>{action}));

  item->OnClick = [&](TObject* sender) { clicked.push_back(sender); };
  item->Click();
  EXPECT_EQ(executed.size(), 1u);
  EXPECT_EQ(clicked, (std::vector<TObject*>{item}));

  action->SetEnabled(false);
  item->Click();
  EXPECT_EQ(clicked.size(), 1u) << "a disabled action disables the item";
}

TEST_F(LinkedItem, DestroyingTheActionClearsTheItemsAction) {
  item->SetAction(action);
  int executed = 0;
  action->OnExecute = [&](TObject*) { ++executed; };
  action->Free();
  EXPECT_EQ(item->Action(), nullptr);
  EXPECT_EQ(item->Caption(), "&Save") << "the item keeps what it showed";
  item->Click();
  EXPECT_EQ(executed, 0);
  EXPECT_EQ(list->ActionCount(), 0);
  EXPECT_TRUE(GetPropInfo(item, "Caption")->IsStoredOn(item)) << "now the item's own value";
}

TEST_F(LinkedItem, DestroyingTheItemUnlinksIt) {
  auto* other = new TMenuItem(&form);
  item->SetAction(action);
  other->SetAction(action);
  item->Free();
  action->SetCaption("After");  // the sanitizer build catches a dangling link here
  EXPECT_EQ(other->Caption(), "After");
  other->SetAction(nullptr);
  action->SetCaption("Again");
  EXPECT_EQ(other->Caption(), "After") << "an unlinked item no longer follows";
  EXPECT_EQ(other->Action(), nullptr);
}

TEST_F(LinkedItem, ActionPropertyIsAReferenceByName) {
  PPropInfo prop = GetPropInfo(item, "Action");
  ASSERT_NE(prop, nullptr);
  EXPECT_TRUE(prop->IsComponentReference());
  SetObjectProp(item, prop, action);
  EXPECT_EQ(GetObjectProp(item, prop), action);
  EXPECT_EQ(item->Caption(), "&Save");
  EXPECT_THROW(SetObjectProp(item, prop, list), EInvalidCast) << "an action list is no action";
}

// ---- image lists

TEST(ImageLists, AddCutsWideImagesAndReturnsTheFirstIndex) {
  TComponent form(nullptr);
  TImageList images(&form);
  EXPECT_EQ(images.Width(), 16);
  EXPECT_EQ(images.Height(), 16);
  auto one = Gradient(16, 16);
  auto three = Gradient(48, 16);
  EXPECT_EQ(images.Add(one.get(), nullptr), 0);
  EXPECT_EQ(images.Add(three.get(), one.get()), 1);
  EXPECT_EQ(images.Count(), 4);

  TBitmap copy;
  images.GetBitmap(3, &copy);
  EXPECT_EQ(copy.Width(), 16);
  EXPECT_EQ(copy.Pixel(0, 5), RGB(32, 5, 0)) << "the third slice of the wide image";
  images.GetMask(0, &copy);
  EXPECT_EQ(copy.Pixel(4, 4), clBlack) << "no mask: every pixel drawn";

  TBitmap empty;
  EXPECT_EQ(images.Add(&empty, nullptr), -1);
  EXPECT_THROW(images.Add(nullptr, nullptr), EInvalidOperation);
  EXPECT_EQ(images.Count(), 4);
}

TEST(ImageLists, DeleteShiftsAndChecksTheIndex) {
  TComponent form(nullptr);
  TImageList images(&form);
  images.SetWidth(2);
  images.SetHeight(1);
  auto strip = Gradient(6, 1);  // three images: columns 0-1, 2-3, 4-5
  images.Add(strip.get(), nullptr);
  int changes = 0;
  images.OnChange = [&](TObject*) { ++changes; };
  images.Delete(1);
  TBitmap copy;
  images.GetBitmap(1, &copy);
  EXPECT_EQ(copy.Pixel(0, 0), RGB(4, 0, 0));
  EXPECT_THROW(images.Delete(2), EInvalidOperation);
  EXPECT_THROW(images.Delete(-2), EInvalidOperation);
  EXPECT_THROW(images.GetBitmap(5, &copy), EInvalidOperation);
  images.Delete(-1);
  EXPECT_EQ(images.Count(), 0);
  EXPECT_EQ(changes, 2);

  images.Add(strip.get(), nullptr);
  images.SetHeight(4);
  EXPECT_EQ(images.Count(), 0) << "a new size empties the list";
  EXPECT_THROW(images.SetWidth(0), EInvalidOperation);
}

TEST(ImageLists, DrawRecordsTheImageOnTheCanvas) {
  TComponent form(nullptr);
  TImageList images(&form);
  auto picture = Gradient(32, 16);
  images.Add(picture.get(), nullptr);
  TCanvas canvas;
  images.Draw(&canvas, 5, 7, 1);
  images.Draw(&canvas, 0, 0, 9);  // no such image: nothing drawn
  ASSERT_EQ(canvas.Operations().size(), 1u);
  const TCanvasOp& op = canvas.Operations()[0];
  EXPECT_EQ(op.kind, TCanvasOp::opDraw);
  EXPECT_EQ(op.points.at(0), Point(5, 7));
  EXPECT_EQ(op.graphicWidth, 16);
  ASSERT_TRUE(op.pixels);
  EXPECT_EQ(op.pixels->at(0), RGB(16, 0, 0)) << "the second image's top-left pixel";
}

TEST(ImageLists, PublishTheHostsDefaults) {
  EXPECT_EQ(PublishedNames(FindClass("TImageList")),
            (V{"Name", "Tag", "BlendColor", "BkColor", "AllocBy", "DrawingStyle", "Height", "ImageType", "Masked",
               "OnChange", "ShareImages", "Width"}));
  TClass cls = TImageList::ClassInfo();
  EXPECT_EQ(GetPropInfo(cls, "Width")->Default, 16);
  EXPECT_EQ(GetPropInfo(cls, "Height")->Default, 16);
  EXPECT_EQ(GetPropInfo(cls, "Masked")->Default, 1);
  EXPECT_EQ(GetPropInfo(cls, "BkColor")->Default, clNone);
}
