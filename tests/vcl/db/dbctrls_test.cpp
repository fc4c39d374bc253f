// Data-aware controls: what they publish, their default sizes, their links to data
// sources and fields, and the sizing rules of the navigator, lookup list and control grid.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vcl/db/db.h"
#include "vcl/db/dbcgrids.h"
#include "vcl/db/dbctrls.h"
#include "vcl/db/dbgrids.h"
#include "vcl/db/dbtables.h"
#include "vcl/forms.h"
#include "vcl/text_metrics.h"
#include "vcl/typinfo.h"

using namespace vcl;

namespace {

using Names = std::vector<std::string>;

const char* const kDataControls[] = {"TDBText",          "TDBEdit",           "TDBCheckBox",      "TDBMemo",
                                     "TDBImage",         "TDBRichEdit",       "TDBComboBox",      "TDBListBox",
                                     "TDBRadioGroup",    "TDBLookupComboBox", "TDBLookupListBox", "TDBNavigator",
                                     "TDBGrid",          "TDBCtrlGrid"};

Names PublishedNames(TClass cls) {
  Names names;
  for (PPropInfo p : cls->Properties()) names.push_back(p->Name);
  return names;
}

bool Publishes(TClass cls, const char* name) { return GetPropInfo(cls, name) != nullptr; }

template <class T>
T* Make(TComponent* owner, TWinControl* parent, const std::string& name = "") {
  auto* control = new T(owner);
  if (!name.empty()) control->SetName(name);
  if (parent) control->SetParent(parent);
  return control;
}

std::string DatabaseErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EDatabaseError& e) {
    return e.Message();
  }
  return "";
}

// ---- published properties

TEST(DataControlsPublish, DataSourceEverywhereAndDataFieldWhereAFieldIsShown) {
  for (const char* name : kDataControls) {
    TClass cls = FindClass(name);
    PPropInfo source = GetPropInfo(cls, "DataSource");
    ASSERT_NE(source, nullptr) << name;
    EXPECT_TRUE(source->IsComponentReference()) << name;
    EXPECT_EQ(source->PropType->ClassType(), TDataSource::ClassInfo()) << name;
    bool showsAField = std::string(name) != "TDBNavigator" && std::string(name) != "TDBGrid" &&
                       std::string(name) != "TDBCtrlGrid";
    EXPECT_EQ(Publishes(cls, "DataField"), showsAField) << name;
    if (showsAField) {
      EXPECT_EQ(GetPropInfo(cls, "DataField")->Index + 1, source->Index) << name;
    }
  }
}

TEST(DataControlsPublish, TheWizardsWindowedDataControls) {
  // Windowed controls with both DataSource and DataField: what a data controls wizard offers.
  Names offered;
  for (const char* name : kDataControls) {
    TClass cls = FindClass(name);
    if (cls->InheritsFrom(TWinControl::ClassInfo()) && Publishes(cls, "DataSource") && Publishes(cls, "DataField"))
      offered.push_back(name);
  }
  EXPECT_EQ(offered, (Names{"TDBEdit", "TDBCheckBox", "TDBMemo", "TDBImage", "TDBRichEdit", "TDBComboBox",
                            "TDBListBox", "TDBRadioGroup", "TDBLookupComboBox", "TDBLookupListBox"}));
}

TEST(DataControlsPublish, TextsEditsAndCheckBoxes) {
  TClass text = TDBText::ClassInfo();
  EXPECT_TRUE(text->InheritsFrom(TCustomLabel::ClassInfo()));
  EXPECT_FALSE(text->InheritsFrom(TWinControl::ClassInfo()));
  EXPECT_FALSE(Publishes(text, "Caption"));
  EXPECT_FALSE(Publishes(text, "FocusControl"));
  EXPECT_EQ(GetPropInfo(text, "AutoSize")->Default, 0);

  EXPECT_FALSE(Publishes(TDBEdit::ClassInfo(), "Caption"));
  EXPECT_FALSE(Publishes(TDBEdit::ClassInfo(), "Text"));
  EXPECT_EQ(PublishedNames(TDBEdit::ClassInfo()),
            (Names{"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "HelpContext", "TabStop",
                   "Anchors", "AutoSelect", "AutoSize", "BiDiMode", "BorderStyle", "CharCase", "Color",
                   "Constraints", "Ctl3D", "DataField", "DataSource", "DragCursor", "DragKind", "DragMode", "Enabled",
                   "Font", "ImeMode", "ImeName", "MaxLength", "ParentBiDiMode", "ParentColor", "ParentCtl3D",
                   "ParentFont", "ParentShowHint", "PasswordChar", "PopupMenu", "ReadOnly", "ShowHint", "TabOrder",
                   "Visible", "OnChange", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                   "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                   "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"}));

  TClass box = TDBCheckBox::ClassInfo();
  PPropInfo alignment = GetPropInfo(box, "Alignment");
  ASSERT_NE(alignment, nullptr);
  EXPECT_EQ(alignment->PropType->Name, "TLeftRight");
  EXPECT_EQ(alignment->Default, taRightJustify);
  EXPECT_EQ(GetPropInfo(box, "Caption")->PropType->Name, "TCaption");
  EXPECT_TRUE(box->InheritsFrom(TCustomCheckBox::ClassInfo()));
  EXPECT_FALSE(Publishes(box, "Checked")) << "the field decides";
  EXPECT_FALSE(Publishes(box, "State"));
}

TEST(DataControlsPublish, ListsLookupsAndGrids) {
  EXPECT_EQ(GetPropInfo(TDBComboBox::ClassInfo(), "Style")->Index,
            GetPropInfo(TDBComboBox::ClassInfo(), "Name")->Index + 9)
      << "the style comes before everything the combo box itself publishes";
  EXPECT_LT(GetPropInfo(TDBComboBox::ClassInfo(), "Style")->Index, GetPropInfo(TDBComboBox::ClassInfo(), "Items")->Index);
  EXPECT_TRUE(Publishes(TDBListBox::ClassInfo(), "Items"));
  EXPECT_EQ(GetPropInfo(TDBRadioGroup::ClassInfo(), "Values")->PropType->ClassType(), TStrings::ClassInfo());
  EXPECT_TRUE(Publishes(TDBRadioGroup::ClassInfo(), "Caption"));
  EXPECT_FALSE(Publishes(TDBRadioGroup::ClassInfo(), "ItemIndex"));

  for (TClass lookup : {TDBLookupComboBox::ClassInfo(), TDBLookupListBox::ClassInfo()}) {
    Names names = PublishedNames(lookup);
    auto at = std::find(names.begin(), names.end(), "KeyField");
    ASSERT_NE(at, names.end()) << lookup->ClassName();
    EXPECT_EQ(Names(at, at + 4), (Names{"KeyField", "ListField", "ListFieldIndex", "ListSource"}));
    EXPECT_TRUE(GetPropInfo(lookup, "ListSource")->IsComponentReference());
    EXPECT_EQ(GetPropInfo(lookup, "ListFieldIndex")->Default, 0);
  }
  TDBLookupListBox list(nullptr);
  EXPECT_FALSE(GetPropInfo(&list, "RowCount")->IsStoredOn(&list)) << "the height gives it";

  TClass navigator = TDBNavigator::ClassInfo();
  EXPECT_EQ(PublishedNames(navigator)[9], "DataSource") << "first of its own";
  EXPECT_EQ(SetToString(GetPropInfo(navigator, "VisibleButtons")->PropType,
                        *GetPropInfo(navigator, "VisibleButtons")->Default),
            "[nbFirst,nbPrior,nbNext,nbLast,nbInsert,nbDelete,nbEdit,nbPost,nbCancel,nbRefresh]");
  EXPECT_EQ(GetPropInfo(navigator, "OnClick")->PropType->Name, "ENavClick");
  EXPECT_FALSE(Publishes(navigator, "Caption"));

  EXPECT_EQ(SetToString(GetPropInfo(TDBGrid::ClassInfo(), "Options")->PropType, DefaultDBGridOptions),
            "[dgEditing,dgTitles,dgIndicator,dgColumnResize,dgColLines,dgRowLines,dgTabs,dgConfirmDelete,"
            "dgCancelOnExit]");
  EXPECT_EQ(GetPropInfo(TDBGrid::ClassInfo(), "FixedColor")->Default, clBtnFace);
  for (const char* name : {"ColCount", "RowCount", "PanelHeight", "PanelWidth"})
    EXPECT_FALSE(GetPropInfo(TDBCtrlGrid::ClassInfo(), name)->Default.has_value()) << name << " is always stored";
}

// ---- default sizes

TEST(DataControlDefaults, SizesAreWhatTheHostsConstructorsSet) {
  struct Expected {
    const char* cls;
    int width;
    int height;
  };
  for (const Expected& e : std::initializer_list<Expected>{
           {"TDBText", 65, 17}, {"TDBEdit", 121, 21}, {"TDBCheckBox", 97, 17}, {"TDBMemo", 185, 89},
           {"TDBRichEdit", 185, 89}, {"TDBImage", 105, 105}, {"TDBListBox", 121, 97}, {"TDBComboBox", 145, 21},
           {"TDBRadioGroup", 185, 105}, {"TDBLookupListBox", 121, 95}, {"TDBLookupComboBox", 145, 21},
           {"TDBNavigator", 240, 25}, {"TDBGrid", 320, 120}, {"TDBCtrlGrid", 216, 216}}) {
    std::unique_ptr<TObject> object(FindClass(e.cls)->Create(nullptr));
    auto* control = As<TControl>(object.get());
    EXPECT_EQ(control->Width(), e.width) << e.cls;
    EXPECT_EQ(control->Height(), e.height) << e.cls;
  }
}

TEST(DataControlDefaults, ValuesThatDifferFromTheirAncestors) {
  TDBText text(nullptr);
  EXPECT_FALSE(text.AutoSize());
  EXPECT_FALSE(text.ShowAccelChar());
  text.SetName("DBText1");
  EXPECT_EQ(text.Width(), 65) << "no auto-sizing by default";

  TDBCheckBox box(nullptr);
  EXPECT_EQ(box.ValueChecked(), "True");
  EXPECT_EQ(box.ValueUnchecked(), "False");
  EXPECT_EQ(box.Alignment(), taRightJustify);
  PPropInfo checked = GetPropInfo(&box, "ValueChecked");
  EXPECT_FALSE(checked->IsStoredOn(&box));
  box.SetValueChecked("TRUE");
  EXPECT_FALSE(checked->IsStoredOn(&box)) << "compared ignoring case";
  box.SetValueChecked("Yes;Y");
  EXPECT_TRUE(checked->IsStoredOn(&box));

  TDBImage image(nullptr);
  EXPECT_TRUE(image.Center());
  EXPECT_TRUE(image.TabStop());
  EXPECT_FALSE(image.ParentColor());
  EXPECT_EQ(image.Caption(), "");
  image.SetName("DBImage1");
  EXPECT_EQ(image.Caption(), "") << "no caption to follow the name";

  TDBNavigator navigator(nullptr);
  navigator.SetName("DBNavigator1");
  EXPECT_EQ(navigator.Caption(), "");
  EXPECT_EQ(navigator.BevelOuter(), bvNone);
  EXPECT_TRUE(navigator.ConfirmDelete());
}

// ---- links to data sources and fields

class DataLinks : public ::testing::Test {
protected:
  DataLinks() {
    table = new TTable(form.get());
    table->SetName("Table1");
    table->SetTableName("orders");
    for (const char* name : {"OrderNo", "Customer"}) {
      auto* field = As<TField>(TStringField::ClassInfo()->Create(form.get()));
      field->SetFieldName(name);
      field->SetDataSet(table);
    }
    source = new TDataSource(form.get());
    source->SetName("DataSource1");
    source->SetDataSet(table);
  }
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  TTable* table;
  TDataSource* source;
};

TEST_F(DataLinks, DestroyingTheDataSourceClearsEveryControlsReference) {
  auto* edit = Make<TDBEdit>(form.get(), form.get());
  auto* text = Make<TDBText>(form.get(), form.get());
  auto* lookup = Make<TDBLookupComboBox>(form.get(), form.get());
  auto* navigator = Make<TDBNavigator>(form.get(), form.get());
  auto* grid = Make<TDBGrid>(form.get(), form.get());
  auto* ctrlGrid = Make<TDBCtrlGrid>(form.get(), form.get());
  edit->SetDataSource(source);
  text->SetDataSource(source);
  lookup->SetDataSource(source);
  lookup->SetListSource(source);
  navigator->SetDataSource(source);
  grid->SetDataSource(source);
  ctrlGrid->SetDataSource(source);
  EXPECT_EQ(edit->DataSource(), source);
  EXPECT_EQ(lookup->ListSource(), source);

  source->Free();
  EXPECT_EQ(edit->DataSource(), nullptr);
  EXPECT_EQ(text->DataSource(), nullptr);
  EXPECT_EQ(lookup->DataSource(), nullptr);
  EXPECT_EQ(lookup->ListSource(), nullptr);
  EXPECT_EQ(navigator->DataSource(), nullptr);
  EXPECT_EQ(grid->DataSource(), nullptr);
  EXPECT_EQ(ctrlGrid->DataSource(), nullptr);
}

TEST_F(DataLinks, AControlDestroyedFirstLeavesTheDataSourceIntact) {
  auto* edit = Make<TDBEdit>(form.get(), form.get());
  edit->SetDataSource(source);
  edit->Free();
  EXPECT_EQ(source->DataSet(), table);
  source->Free();  // must not reach the freed control
  EXPECT_EQ(table->FieldCount(), 2);
}

TEST_F(DataLinks, PropertiesByNameAsTheWizardSetsThem) {
  auto* edit = Make<TDBEdit>(form.get(), form.get());
  PPropInfo dataSource = GetPropInfo(edit, "datasource");
  PPropInfo dataField = GetPropInfo(edit, "DataField");
  ASSERT_TRUE(dataSource && dataField);
  EXPECT_TRUE(dataSource->IsOrdinal());
  SetOrdProp(edit, dataSource, ObjectToOrd(source));
  SetStrProp(edit, dataField, "Customer");
  EXPECT_EQ(edit->DataSource(), source);
  EXPECT_EQ(GetOrdProp(edit, dataSource), ObjectToOrd(source));
  EXPECT_EQ(GetStrProp(edit, dataField), "Customer");
  SetOrdProp(edit, dataSource, 0);
  EXPECT_EQ(edit->DataSource(), nullptr);

  auto* box = Make<TDBCheckBox>(form.get(), form.get(), "DBCheckBox1");
  EXPECT_EQ(box->Caption(), "DBCheckBox1");
  SetOrdProp(box, GetPropInfo(box, "Alignment"), taLeftJustify);
  SetStrProp(box, GetPropInfo(box, "Caption"), "Paid:");
  EXPECT_EQ(box->Alignment(), taLeftJustify);
  EXPECT_EQ(box->Caption(), "Paid:");
}

TEST_F(DataLinks, TheFieldIsKnownWhileTheDataSetIsOpen) {
  auto* edit = Make<TDBEdit>(form.get(), form.get());
  edit->SetDataSource(source);
  edit->SetDataField("customer");
  EXPECT_EQ(edit->Field(), nullptr) << "closed";
  table->Open();
  ASSERT_NE(edit->Field(), nullptr);
  EXPECT_EQ(edit->Field()->FieldName(), "Customer");
  source->SetEnabled(false);
  EXPECT_EQ(edit->Field(), nullptr) << "disabled source";
  source->SetEnabled(true);

  EXPECT_EQ(DatabaseErrorOf([&] { edit->SetDataField("Total"); }), "Table1: Field 'Total' not found");
  EXPECT_EQ(edit->DataField(), "Total") << "the name is kept, as the host keeps it";
  EXPECT_EQ(edit->Field(), nullptr);

  auto* other = Make<TDBText>(form.get(), form.get());
  other->SetDataField("Total");
  EXPECT_EQ(DatabaseErrorOf([&] { other->SetDataSource(source); }), "Table1: Field 'Total' not found");

  table->Close();
  edit->SetDataField("Anything");  // no data set open: nothing to check
  EXPECT_EQ(edit->Field(), nullptr);
}

TEST_F(DataLinks, ADataTextBeingDesignedShowsItsName) {
  auto* text = new TDBText(form.get());
  text->SetDesigning(true);
  text->Loading();
  text->SetName("DBText1");
  text->SetParent(form.get());
  text->Loaded();
  EXPECT_EQ(text->Caption(), "DBText1");
  text->SetAutoSize(true);
  EXPECT_EQ(text->Width(), MeasureTextWidth(*text->Font(), "DBText1"));
  text->SetName("txtTotal");
  EXPECT_EQ(text->Caption(), "txtTotal");
  EXPECT_EQ(text->Width(), MeasureTextWidth(*text->Font(), "txtTotal")) << "a label's auto-sizing";
}

// ---- the radio group's values

TEST(DBRadioGroup, ButtonsStandForValuesOrTheirItems) {
  TForm form(nullptr);
  auto* group = Make<TDBRadioGroup>(&form, &form);
  group->Items()->SetText("Cash\nCheque\nCard");
  group->Values()->SetText("C\n\nK");
  int changes = 0, clicks = 0;
  group->OnChange = [&](TObject*) { ++changes; };
  group->OnClick = [&](TObject*) { ++clicks; };

  EXPECT_EQ(group->ButtonValue(1), "Cheque") << "an empty value falls back to the item";
  EXPECT_EQ(group->ButtonValue(3), "");
  group->SetValue("K");
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(group->Value(), "K");
  group->SetValue("Cheque");
  EXPECT_EQ(group->ItemIndex(), 1);
  group->SetValue("unknown");
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(clicks, 0) << "setting the value is no click";

  group->Buttons(0)->SetChecked(true);  // as a click on the first button does
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_EQ(group->Value(), "C");
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(changes, 4);
}

// ---- sizing rules

TEST(DBNavigatorSize, ButtonsShareTheWidthEqually) {
  TForm form(nullptr);
  auto* navigator = Make<TDBNavigator>(&form, &form);
  EXPECT_EQ(navigator->ButtonWidth(), 24);
  navigator->SetWidth(259);
  EXPECT_EQ(navigator->Width(), 250) << "ten buttons of 25 pixels";
  navigator->SetVisibleButtons((1u << nbFirst) | (1u << nbPrior) | (1u << nbNext) | (1u << nbLast) |
                               (1u << nbRefresh));
  EXPECT_EQ(navigator->Width(), 250);
  EXPECT_EQ(navigator->ButtonWidth(), 50);
  navigator->SetWidth(203);
  EXPECT_EQ(navigator->Width(), 200);
  navigator->SetBounds(0, 0, 50, 10);
  EXPECT_EQ(navigator->Width(), 100) << "at least 20 pixels a button";
  EXPECT_EQ(navigator->Height(), 18);
  navigator->SetVisibleButtons(0);
  EXPECT_EQ(navigator->Width(), 100) << "no visible button counts as one";

  navigator->SetVisibleButtons(AllNavigateButtons);
  EXPECT_EQ(navigator->Width(), 200) << "at least 20 pixels a button";
  form.SetClientWidth(403);
  navigator->SetAlign(alTop);
  EXPECT_EQ(navigator->Width(), 403) << "aligned: the width is the parent's";
  EXPECT_EQ(navigator->ButtonWidth(), 40);
}

TEST(DBNavigatorSize, SizesReadFromAFormAreFittedOnceLoaded) {
  TDBNavigator navigator(nullptr);
  navigator.Loading();
  navigator.SetBounds(8, 8, 185, 21);
  navigator.SetVisibleButtons((1u << nbFirst) | (1u << nbPrior) | (1u << nbNext) | (1u << nbLast));
  EXPECT_EQ(navigator.Width(), 185) << "nothing fitted while loading";
  navigator.Loaded();
  EXPECT_EQ(navigator.Width(), 184);
  EXPECT_EQ(navigator.ButtonWidth(), 46);
}

TEST(DBLookupListBoxSize, TheHeightIsAWholeNumberOfRows) {
  TForm form(nullptr);
  form.SetCtl3D(true);
  auto* list = Make<TDBLookupListBox>(&form, &form);
  int row = MeasureTextHeight(*list->Font());
  EXPECT_EQ(list->Height(), 7 * row + 4);
  list->SetHeight(100);
  EXPECT_EQ(list->RowCount(), (100 - 4) / row);
  EXPECT_EQ(list->Height(), list->RowCount() * row + 4);
  list->SetRowCount(3);
  EXPECT_EQ(list->Height(), 3 * row + 4);
  list->SetRowCount(0);
  EXPECT_EQ(list->RowCount(), 1);

  list->SetRowCount(3);
  list->Font()->SetSize(14);
  int bigRow = MeasureTextHeight(*list->Font());
  ASSERT_GT(bigRow, row);
  EXPECT_EQ(list->Height(), 3 * bigRow + 4) << "the rows stay";
  list->SetBorderStyle(bsNone);
  EXPECT_EQ(list->Height(), 3 * bigRow);
  list->SetBorderStyle(bsSingle);
  list->SetCtl3D(false);
  EXPECT_EQ(list->Height(), 3 * bigRow + 2);
}

TEST(DBLookupComboBoxSize, TheHeightFollowsTheFont) {
  TForm form(nullptr);
  form.SetCtl3D(true);
  auto* combo = Make<TDBLookupComboBox>(&form, &form);
  EXPECT_EQ(combo->Height(), 21);
  combo->Font()->SetHeight(-13);
  EXPECT_EQ(combo->Height(), MeasureTextHeight(*combo->Font()) + 8);
}

TEST(DBCtrlGridSize, PanelsAndGridSizeEachOther) {
  TForm form(nullptr);
  auto* grid = Make<TDBCtrlGrid>(&form, &form);
  EXPECT_EQ(grid->PanelWidth(), 200);
  EXPECT_EQ(grid->PanelHeight(), 72);
  grid->SetColCount(2);
  EXPECT_EQ(grid->Width(), 2 * 200 + 16);
  grid->SetRowCount(2);
  EXPECT_EQ(grid->Height(), 2 * 72);
  grid->SetWidth(317);
  EXPECT_EQ(grid->PanelWidth(), 150) << "(317 - 16) / 2";
  grid->SetOrientation(goHorizontal);
  EXPECT_EQ(grid->Width(), 300);
  EXPECT_EQ(grid->Height(), 2 * 72 + 16);
  grid->SetColCount(0);
  EXPECT_EQ(grid->ColCount(), 1);

  // Read from a form file: the values are kept as they are, whatever their order.
  TDBCtrlGrid read(nullptr);
  read.Loading();
  read.SetBounds(0, 0, 300, 200);
  read.SetColCount(3);
  read.SetPanelHeight(50);
  read.Loaded();
  EXPECT_EQ(read.Width(), 300);
  EXPECT_EQ(read.Height(), 200);
  EXPECT_EQ(read.ColCount(), 3);
  EXPECT_EQ(read.PanelHeight(), 50);
}

TEST(DBCtrlGridColors, TheSelectedColorFollowsTheGridsUntilSet) {
  TDBCtrlGrid grid(nullptr);
  PPropInfo selected = GetPropInfo(&grid, "SelectedColor");
  EXPECT_EQ(grid.SelectedColor(), grid.Color());
  grid.SetColor(clYellow);
  EXPECT_EQ(grid.SelectedColor(), clYellow);
  EXPECT_FALSE(selected->IsStoredOn(&grid));
  grid.SetSelectedColor(clRed);
  grid.SetColor(clBlue);
  EXPECT_EQ(grid.SelectedColor(), clRed);
  EXPECT_TRUE(selected->IsStoredOn(&grid));
}

TEST(DBGridFonts, TitlesFollowTheParentsFontUntilChangedThemselves) {
  TForm form(nullptr);
  form.Font()->SetName("Arial");
  auto* grid = Make<TDBGrid>(&form, &form);
  EXPECT_EQ(grid->TitleFont()->Name(), "Arial");
  form.Font()->SetSize(12);
  EXPECT_EQ(grid->TitleFont()->Size(), 12);
  EXPECT_TRUE(grid->ParentFont());

  grid->TitleFont()->SetStyle(FontStyleOf(fsBold));
  EXPECT_FALSE(grid->ParentFont()) << "a title font of its own";
  form.Font()->SetName("Tahoma");
  EXPECT_EQ(grid->TitleFont()->Name(), "Arial");

  auto* other = Make<TDBGrid>(&form, &form);
  other->Font()->SetName("Courier New");
  EXPECT_EQ(other->TitleFont()->Name(), "Tahoma") << "the grid's own font leaves the titles";
}

}  // namespace
