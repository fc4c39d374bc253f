// Forms, data modules, frames and scroll boxes; page, tab and radio-group containers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vcl/comctrls.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/menus.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"

using namespace vcl;

namespace {

template <class T>
T* Make(TComponent* owner, TWinControl* parent, const std::string& name = "") {
  auto* control = new T(owner);
  if (!name.empty()) control->SetName(name);
  if (parent) control->SetParent(parent);
  return control;
}

std::vector<std::string> StreamedChildren(const TComponent* component, TComponent* root) {
  std::vector<std::string> names;
  component->GetChildren([&](TComponent* c) { names.push_back(c->Name()); }, root);
  return names;
}

// ---- forms

TEST(Form, StartsAsTheHostsNewForm) {
  TForm form(nullptr);
  form.SetName("Form1");
  EXPECT_EQ(form.Caption(), "Form1");
  EXPECT_EQ(form.Color(), clBtnFace);
  EXPECT_FALSE(form.ParentColor());
  EXPECT_FALSE(form.ParentFont());
  EXPECT_EQ(form.Font()->Name(), "MS Sans Serif");
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(form.Ctl3D());
  EXPECT_EQ(form.BorderStyle(), bsSizeable);
  EXPECT_EQ(form.Position(), poDesigned);
  EXPECT_EQ(form.PixelsPerInch(), 96);
  EXPECT_EQ(form.TextHeight(), 13);
  // The colour and font are written; the form is not visible by default.
  EXPECT_TRUE(GetPropInfo(&form, "Color")->IsStoredOn(&form));
  EXPECT_FALSE(GetPropInfo(&form, "Color")->Default.has_value());
  EXPECT_TRUE(GetPropInfo(&form, "Font")->IsStoredOn(&form));
  EXPECT_EQ(GetPropInfo(&form, "Visible")->Default, 0);
  EXPECT_FALSE(GetPropInfo(&form, "PixelsPerInch")->IsStoredOn(&form));
  EXPECT_FALSE(GetPropInfo(&form, "OldCreateOrder")->Default.has_value());
}

TEST(Form, ClientSizeLiesInsideTheBorderAndCaption) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 435, 300);
  EXPECT_EQ(form.ClientWidth(), 427);
  EXPECT_EQ(form.ClientHeight(), 273);
  form.SetBorderStyle(bsDialog);
  EXPECT_EQ(form.ClientWidth(), 429);
  EXPECT_EQ(form.ClientHeight(), 275);
  form.SetClientWidth(400);
  form.SetClientHeight(200);
  EXPECT_EQ(form.Width(), 406);
  EXPECT_EQ(form.Height(), 225);
  form.SetBorderStyle(bsToolWindow);
  EXPECT_EQ(form.ClientHeight(), 203);
  TMainMenu menu(nullptr);
  form.SetMenu(&menu);
  EXPECT_EQ(form.ClientHeight(), 184);
  form.SetBorderStyle(bsNone);
  form.SetMenu(nullptr);
  EXPECT_EQ(form.ClientHeight(), 225);
  form.SetBorderWidth(5);
  EXPECT_EQ(form.ClientWidth(), 396);
}

TEST(Form, KeepsTheClientSizeReadBeforeItsMenu) {
  TForm form(nullptr);
  TMainMenu menu(nullptr);
  form.Loading();
  form.SetAutoScroll(false);
  form.SetFormClientHeight(200);
  form.SetMenu(&menu);  // references are set after the properties
  form.Loaded();
  EXPECT_EQ(form.ClientHeight(), 200);
  EXPECT_EQ(form.Height(), 200 + 27 + 19);
  form.SetMenu(nullptr);  // after loading the outer size stays
  EXPECT_EQ(form.ClientHeight(), 219);

  // A form file that stores the outer size keeps it: the menu bar takes client room.
  TForm sized(nullptr);
  sized.Loading();
  sized.SetHeight(300);
  sized.SetMenu(&menu);
  sized.Loaded();
  EXPECT_EQ(sized.Height(), 300);
  EXPECT_EQ(sized.ClientHeight(), 300 - 27 - 19);
}

TEST(Form, WritesEitherItsSizeOrItsClientSize) {
  TForm form(nullptr);
  PPropInfo width = GetPropInfo(&form, "Width");
  PPropInfo clientWidth = GetPropInfo(&form, "ClientWidth");
  EXPECT_TRUE(width->IsStoredOn(&form));
  EXPECT_FALSE(clientWidth->IsStoredOn(&form));
  form.SetAutoScroll(false);
  EXPECT_FALSE(width->IsStoredOn(&form));
  EXPECT_TRUE(clientWidth->IsStoredOn(&form));
  form.HorzScrollBar()->SetRange(500);
  EXPECT_TRUE(width->IsStoredOn(&form));
  // The client size comes after the caption, as form files list it.
  EXPECT_GT(clientWidth->Index, GetPropInfo(&form, "Caption")->Index);
  EXPECT_LT(GetPropInfo(&form, "HorzScrollBar")->Index, GetPropInfo(&form, "ActiveControl")->Index);
}

TEST(Form, ActiveControlMustBeAFocusableControlOfTheForm) {
  TForm form(nullptr);
  TForm other(nullptr);
  auto* edit = Make<TEdit>(&form, &form);
  auto* hidden = Make<TEdit>(&form, &form);
  hidden->SetVisible(false);
  auto* foreign = Make<TEdit>(&other, &other);
  form.SetActiveControl(edit);
  EXPECT_EQ(form.ActiveControl(), edit);
  EXPECT_TRUE(edit->Focused());
  try {
    form.SetActiveControl(hidden);
    FAIL();
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Cannot focus a disabled or invisible window");
  }
  EXPECT_THROW(form.SetActiveControl(foreign), EInvalidOperation);
  EXPECT_EQ(form.ActiveControl(), edit);
  // While loading, a control that cannot take the focus yet is accepted.
  form.Loading();
  form.SetActiveControl(hidden);
  form.Loaded();
  EXPECT_EQ(form.ActiveControl(), hidden);
  form.SetActiveControl(nullptr);
  EXPECT_EQ(form.ActiveControl(), nullptr);
  // Focusing through the control, and without a form.
  edit->SetFocus();
  EXPECT_EQ(form.ActiveControl(), edit);
  TEdit loose(nullptr);
  EXPECT_THROW(loose.SetFocus(), EInvalidOperation);
  EXPECT_FALSE(loose.CanFocus());
}

TEST(Form, FocusChangesRunExitAndEnterOfTheContainersCrossed) {
  TForm form(nullptr);
  auto* group1 = Make<TGroupBox>(&form, &form, "Group1");
  auto* edit1 = Make<TEdit>(&form, group1, "Edit1");
  auto* group2 = Make<TGroupBox>(&form, &form, "Group2");
  auto* edit2 = Make<TEdit>(&form, group2, "Edit2");
  auto* edit3 = Make<TEdit>(&form, group2, "Edit3");
  std::vector<std::string> log;
  for (TWinControl* c : std::initializer_list<TWinControl*>{group1, edit1, group2, edit2, edit3}) {
    c->OnEnter = [&log, c](TObject*) { log.push_back("enter " + c->Name()); };
    c->OnExit = [&log, c](TObject*) { log.push_back("exit " + c->Name()); };
  }
  form.SetActiveControl(edit1);
  form.SetActiveControl(edit2);
  form.SetActiveControl(edit3);
  EXPECT_EQ(log, (std::vector<std::string>{"enter Group1", "enter Edit1", "exit Edit1", "exit Group1",
                                           "enter Group2", "enter Edit2", "exit Edit2", "enter Edit3"}));
  // A handler that refuses to let go keeps the focus where it was.
  edit3->OnExit = [](TObject*) { throw EInvalidOperation("Value required"); };
  EXPECT_THROW(form.SetActiveControl(edit1), EInvalidOperation);
  EXPECT_EQ(form.ActiveControl(), edit3);
}

TEST(Form, HidingOrRemovingTheFocusedControlsContainerDefocusesIt) {
  TForm form(nullptr);
  auto* panel = Make<TPanel>(&form, &form);
  auto* edit = Make<TEdit>(&form, panel);
  form.SetActiveControl(edit);
  panel->SetParent(nullptr);
  EXPECT_EQ(form.ActiveControl(), nullptr);
  delete panel;
}

TEST(Form, StreamsControlsThenOwnedComponentsWithoutAParent) {
  TForm form(nullptr);
  form.SetName("Form1");
  auto* panel = Make<TPanel>(&form, &form, "Panel1");
  Make<TButton>(&form, panel, "Button1");
  Make<TLabel>(&form, &form, "Label1");
  auto* menu = new TPopupMenu(&form);
  menu->SetName("PopupMenu1");
  Make<TEdit>(&form, &form, "Edit1");
  auto* unparented = new TEdit(&form);
  unparented->SetName("Loose");
  EXPECT_EQ(StreamedChildren(&form, &form), (std::vector<std::string>{"Label1", "Panel1", "Edit1", "PopupMenu1"}));
  EXPECT_EQ(StreamedChildren(panel, &form), (std::vector<std::string>{"Button1"}));
  // Written as part of another root, a form writes only its controls owned by that root.
  EXPECT_TRUE(StreamedChildren(&form, nullptr).empty());
  EXPECT_EQ(panel->GetParentComponent(), &form);
  EXPECT_TRUE(panel->HasParent());
  EXPECT_FALSE(menu->HasParent());
}

TEST(Form, OnDestroyRunsBeforeTheComponentsGo) {
  int count = -1;
  auto* form = new TForm(nullptr);
  Make<TButton>(form, form);
  form->OnDestroy = [&](TObject* sender) { count = static_cast<TForm*>(sender)->ComponentCount(); };
  form->Free();
  EXPECT_EQ(count, 1);
  TForm created(nullptr);
  bool ran = false;
  created.OnCreate = [&](TObject*) { ran = true; };
  created.DoCreate();
  EXPECT_TRUE(ran);
}

TEST(Form, CloseQueryAsksTheHandler) {
  TForm form(nullptr);
  EXPECT_TRUE(form.CloseQuery());
  form.OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };
  EXPECT_FALSE(form.CloseQuery());
}

// ---- data modules, frames, scroll boxes

TEST(DataModule, IsAComponentThatWritesEveryOwnedComponent) {
  TDataModule module(nullptr);
  module.SetName("DataModule1");
  auto* menu = new TPopupMenu(&module);
  menu->SetName("PopupMenu1");
  auto* list = new TActionList(&module);
  list->SetName("ActionList1");
  EXPECT_FALSE(module.Is<TControl>());
  EXPECT_EQ(StreamedChildren(&module, &module), (std::vector<std::string>{"PopupMenu1", "ActionList1"}));
  std::vector<std::string> names;
  for (PPropInfo p : TDataModule::ClassInfo()->Properties()) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "OldCreateOrder", "OnCreate", "OnDestroy"}));
  module.SetDesignOffset(Point(285, 161));
  module.SetDesignSize(Point(696, 480));
  EXPECT_EQ(module.DesignSize().Y, 480);
  int destroyed = 0;
  auto* other = new TDataModule(nullptr);
  other->OnDestroy = [&](TObject*) { ++destroyed; };
  other->Free();
  EXPECT_EQ(destroyed, 1);
}

TEST(Frame, WritesItsOwnComponentsWhenItIsTheRoot) {
  TFrame frame(nullptr);
  frame.SetName("Frame1");
  Make<TEdit>(&frame, &frame, "Edit1");
  auto* menu = new TPopupMenu(&frame);
  menu->SetName("PopupMenu1");
  EXPECT_EQ(StreamedChildren(&frame, &frame), (std::vector<std::string>{"Edit1", "PopupMenu1"}));
  TForm form(nullptr);
  auto* placed = new TFrame(&form);
  placed->SetParent(&form);
  Make<TButton>(&form, placed, "Button1");
  EXPECT_EQ(StreamedChildren(placed, &form), (std::vector<std::string>{"Button1"}));
  EXPECT_FALSE(GetPropInfo(&frame, "Color")->Default.has_value());
}

TEST(ScrollBox, HasASunkenBorder) {
  TForm form(nullptr);
  auto* box = Make<TScrollBox>(&form, &form);
  EXPECT_EQ(box->ClientWidth(), 181);
  auto* memo = Make<TMemo>(&form, box);
  memo->SetAlign(alClient);
  EXPECT_EQ(memo->BoundsRect(), Rect(0, 0, 181, 37));
  box->SetBorderStyle(bsNone);
  EXPECT_EQ(memo->Width(), 185);
  EXPECT_EQ(GetPropInfo(box, "BorderStyle")->Default, bsSingle);
}

// ---- page and tab controls

TEST(PageControl, PagesShowOneAtATimeInsideTheTabs) {
  TForm form(nullptr);
  auto* pages = Make<TPageControl>(&form, &form, "PageControl1");
  auto* sheet1 = new TTabSheet(&form);
  sheet1->SetName("TabSheet1");
  sheet1->SetPageControl(pages);
  auto* sheet2 = new TTabSheet(&form);
  sheet2->SetName("TabSheet2");
  sheet2->SetPageControl(pages);
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePage(), nullptr);
  EXPECT_EQ(pages->Tabs()->CommaText(), "TabSheet1,TabSheet2");
  EXPECT_EQ(sheet1->BoundsRect(), Rect(4, 24, 285, 189));
  EXPECT_EQ(pages->DisplayRect(), sheet1->BoundsRect());
  pages->SetActivePage(sheet2);
  EXPECT_TRUE(sheet2->Visible());
  EXPECT_FALSE(sheet1->Visible());
  EXPECT_EQ(pages->TabIndex(), 1);
  // Resizing the control resizes its pages.
  pages->SetBounds(0, 0, 400, 300);
  EXPECT_EQ(sheet2->BoundsRect(), Rect(4, 24, 396, 296));
  // Captions are the tab texts; a hidden tab leaves the tab list.
  sheet1->SetCaption("&General");
  sheet1->SetTabVisible(false);
  EXPECT_EQ(pages->Tabs()->CommaText(), "TabSheet2");
  EXPECT_EQ(pages->TabIndex(), 0);
  EXPECT_EQ(sheet1->TabIndex(), -1);
  sheet1->SetTabVisible(true);
  sheet2->SetPageIndex(0);
  EXPECT_EQ(pages->Pages(0), sheet2);
  EXPECT_EQ(pages->Tabs()->CommaText(), "TabSheet2,&General");
  EXPECT_EQ(StreamedChildren(pages, &form), (std::vector<std::string>{"TabSheet2", "TabSheet1"}));
  // Bounds of pages are not written.
  EXPECT_FALSE(GetPropInfo(sheet1, "Left")->IsStoredOn(sheet1));
  EXPECT_FALSE(GetPropInfo(sheet1, "PageIndex")->IsStoredOn(sheet1));
}

TEST(PageControl, UserTabChangesCanBeRefused) {
  TForm form(nullptr);
  auto* pages = Make<TPageControl>(&form, &form);
  std::vector<TTabSheet*> sheets;
  for (int i = 0; i < 3; ++i) {
    sheets.push_back(new TTabSheet(&form));
    sheets.back()->SetPageControl(pages);
  }
  pages->SetActivePage(sheets[0]);
  bool allow = false;
  int changes = 0;
  pages->OnChanging = [&](TObject*, bool& allowChange) { allowChange = allow; };
  pages->OnChange = [&](TObject*) { ++changes; };
  EXPECT_FALSE(pages->SelectTab(2));
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  allow = true;
  EXPECT_TRUE(pages->SelectTab(2));
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  pages->SelectNextPage(true);
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_EQ(changes, 2);
  pages->SetActivePage(nullptr);
  EXPECT_EQ(pages->TabIndex(), -1);
}

TEST(PageControl, RemovingAPageActivatesTheNextOne) {
  TForm form(nullptr);
  auto* pages = Make<TPageControl>(&form, &form);
  auto* a = new TTabSheet(&form);
  auto* b = new TTabSheet(&form);
  auto* c = new TTabSheet(&form);
  for (TTabSheet* s : {a, b, c}) s->SetPageControl(pages);
  pages->SetActivePage(b);
  delete b;
  EXPECT_EQ(pages->ActivePage(), c);
  EXPECT_EQ(pages->PageCount(), 2);
  c->SetPageControl(nullptr);
  EXPECT_EQ(pages->ActivePage(), a);
  EXPECT_FALSE(c->Visible());
  delete c;
  // The page control goes with its remaining pages.
  delete pages;
  EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(PageControl, LoadedPagesTakeTheDisplayAreaAndKeepTheirChildren) {
  TForm form(nullptr);
  auto* pages = new TPageControl(&form);
  auto* sheet = new TTabSheet(&form);
  auto* memo = new TMemo(&form);
  for (TComponent* c : std::initializer_list<TComponent*>{&form, pages, sheet, memo}) c->Loading();
  pages->SetParent(&form);
  pages->SetBounds(0, 0, 300, 200);
  sheet->SetParentComponent(pages);
  memo->SetParent(sheet);
  memo->SetAlign(alClient);
  memo->SetBounds(0, 0, 290, 170);  // as the file has it
  pages->SetActivePage(sheet);
  for (TComponent* c : std::initializer_list<TComponent*>{&form, pages, sheet, memo}) c->Loaded();
  EXPECT_EQ(sheet->BoundsRect(), Rect(4, 24, 296, 196));
  EXPECT_EQ(memo->BoundsRect(), Rect(0, 0, 290, 170));
  EXPECT_TRUE(sheet->Visible());
}

TEST(PageControl, PagesFindTheirControlWhenStreamed) {
  TForm form(nullptr);
  auto* pages = Make<TPageControl>(&form, &form);
  auto* sheet = new TTabSheet(&form);
  sheet->SetParentComponent(pages);
  EXPECT_EQ(sheet->PageControl(), pages);
  EXPECT_EQ(sheet->Parent(), pages);
  EXPECT_EQ(pages->ActivePageIndex(), -1);
  pages->SetActivePageIndex(0);
  EXPECT_EQ(pages->ActivePage(), sheet);
}

TEST(TabControl, TabsAndDisplayRect) {
  TForm form(nullptr);
  auto* tabs = Make<TTabControl>(&form, &form);
  EXPECT_EQ(tabs->TabIndex(), -1);
  tabs->Tabs()->SetCommaText("Standard,Additional,Win32,System,Internet,\"Data Access\",\"Data Controls\",QReport");
  EXPECT_EQ(tabs->TabIndex(), 0);  // the first tab added is selected
  tabs->SetTabIndex(20);
  EXPECT_EQ(tabs->TabIndex(), -1);
  tabs->SetTabIndex(3);
  tabs->Tabs()->Delete(7);
  tabs->Tabs()->Delete(6);
  tabs->Tabs()->Delete(5);
  tabs->Tabs()->Delete(4);
  EXPECT_EQ(tabs->TabIndex(), 3);
  tabs->Tabs()->Delete(3);
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_EQ(tabs->DisplayRect().Top, 24);
  // Several rows when multi-line and narrow.
  tabs->Tabs()->SetCommaText("Standard,Additional,Win32,System,Internet,\"Data Access\",\"Data Controls\",QReport");
  tabs->SetWidth(200);
  EXPECT_EQ(tabs->DisplayRect().Top, 24);
  tabs->SetMultiLine(true);
  int rows = tabs->RowCount();
  EXPECT_GT(rows, 2);
  EXPECT_EQ(tabs->DisplayRect().Top, rows * 18 + 6);
  tabs->SetTabHeight(20);
  EXPECT_EQ(tabs->DisplayRect().Top, rows * 20 + 6);
  tabs->SetTabPosition(tpBottom);
  EXPECT_EQ(tabs->DisplayRect(), Rect(4, 4, 196, 193 - rows * 20 - 6));
  // Children are aligned in the display area.
  auto* panel = Make<TPanel>(&form, tabs);
  panel->SetAlign(alClient);
  EXPECT_EQ(panel->BoundsRect(), tabs->DisplayRect());
}

// ---- radio groups

TEST(RadioGroup, MakesOneButtonPerItem) {
  TForm form(nullptr);
  auto* group = Make<TRadioGroup>(&form, &form, "RadioGroup1");
  int clicks = 0;
  group->OnClick = [&](TObject*) { ++clicks; };
  group->Items()->SetCommaText("Red,Green,Blue");
  ASSERT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->ControlCount(), 3);
  EXPECT_EQ(group->Buttons(1)->Caption(), "Green");
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetItemIndex(2);
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_EQ(clicks, 1);
  group->Buttons(0)->SetChecked(true);  // as a click on the button
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_FALSE(group->Buttons(2)->Checked());
  EXPECT_EQ(clicks, 2);
  group->SetItemIndex(9);
  EXPECT_EQ(group->ItemIndex(), 2);
  // The buttons are the group's own: not written, gone with it.
  EXPECT_TRUE(StreamedChildren(group, &form).empty());
  group->Items()->Delete(2);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(group->ButtonCount(), 2);
  // Two columns of one button each.
  group->SetColumns(2);
  EXPECT_EQ(group->Buttons(1)->Left(), 8 + (185 - 10) / 2);
  EXPECT_EQ(group->Buttons(0)->Top(), group->Buttons(1)->Top());
  delete group;
  EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(RadioGroup, ItemIndexReadBeforeItemsIsKept) {
  TForm form(nullptr);
  auto* group = new TRadioGroup(&form);
  group->Loading();
  group->SetParent(&form);
  group->SetItemIndex(1);
  group->Items()->SetCommaText("a,b,c");
  EXPECT_EQ(group->ButtonCount(), 0);
  group->Loaded();
  EXPECT_EQ(group->ItemIndex(), 1);
  ASSERT_EQ(group->ButtonCount(), 3);
  EXPECT_TRUE(group->Buttons(1)->Checked());
}

// ---- the class registry

TEST(LibraryClasses, AreRegisteredByName) {
  for (const char* name :
       {"TForm", "TDataModule", "TFrame", "TScrollBox", "TPanel", "TGroupBox", "TPageControl", "TTabSheet",
        "TTabControl", "TLabel", "TStaticText", "TEdit", "TMemo", "TButton", "TBitBtn", "TSpeedButton", "TCheckBox",
        "TRadioButton", "TComboBox", "TListBox", "TCheckListBox", "TRadioGroup", "TSpinEdit", "TImage", "TPaintBox",
        "TBevel", "TShape", "TSplitter", "TFont", "TBitmap", "TPicture", "TSizeConstraints"}) {
    TClass cls = GetClass(name);
    ASSERT_NE(cls, nullptr) << name;
    EXPECT_FALSE(cls->IsAbstract()) << name;
  }
  EXPECT_TRUE(FindClass("TCustomLabel")->IsAbstract());
  EXPECT_TRUE(FindClass("tcheckbox")->InheritsFrom(TButtonControl::ClassInfo()));
}

}  // namespace
