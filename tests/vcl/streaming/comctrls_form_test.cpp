// The common controls in form files: what a new one writes, collections and tree nodes
// read into the model, and the corpus forms that use them.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "form_test_util.h"
#include "vcl/comctrls.h"
#include "vcl/comctrls_bars.h"
#include "vcl/comctrls_combo_ex.h"
#include "vcl/comctrls_pickers.h"
#include "vcl/comctrls_ranges.h"
#include "vcl/comctrls_views.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/dfm_binary.h"
#include "vcl/streaming/form_file.h"

using namespace vcl;

namespace {

const std::string kEmptyForm =
    "object Form1: TForm1\r\n"
    "  Left = 192\r\n"
    "  Top = 107\r\n"
    "  Width = 435\r\n"
    "  Height = 300\r\n"
    "  Caption = 'Form1'\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "end\r\n";

std::unique_ptr<TFormFile> Load(const std::string& text) { return TFormFile::Read(text, "Unit1.dfm"); }

// The names of the values written for `component` (after a Write).
std::vector<std::string> WrittenNames(const TFormFile& form, const TComponent* component) {
  std::vector<std::string> names;
  if (const dfm::Object* node = form.Node(component))
    for (const dfm::Property& property : node->properties) names.emplace_back(property.name());
  return names;
}

template <class C>
C* Add(TFormFile& form, const std::string& name, TWinControl* parent = nullptr) {
  auto* control = new C(form.Root());
  control->SetName(name);
  control->SetParent(parent ? parent : As<TWinControl>(form.Root()));
  return control;
}

using Names = std::vector<std::string>;

TEST(CommonControls, NewControlsWriteOnlyWhatTheIdeWrites) {
  auto form = Load(kEmptyForm);
  auto* status = Add<TStatusBar>(*form, "StatusBar1");
  auto* tool = Add<TToolBar>(*form, "ToolBar1");
  auto* button = Add<TToolButton>(*form, "ToolButton1", tool);
  auto* track = Add<TTrackBar>(*form, "TrackBar1");
  auto* progress = Add<TProgressBar>(*form, "ProgressBar1");
  auto* updown = Add<TUpDown>(*form, "UpDown1");
  auto* tree = Add<TTreeView>(*form, "TreeView1");
  auto* list = Add<TListView>(*form, "ListView1");
  auto* rich = Add<TRichEdit>(*form, "RichEdit1");
  auto* picker = Add<TDateTimePicker>(*form, "DateTimePicker1");
  auto* hotKey = Add<THotKey>(*form, "HotKey1");
  auto* header = Add<THeaderControl>(*form, "HeaderControl1");
  auto* animate = Add<TAnimate>(*form, "Animate1");
  form->Write();
  // Docked bars write their bounds but not their alignment, which is their default.
  // Collections are written even when empty; a list view's columns only in a report.
  EXPECT_EQ(WrittenNames(*form, status), (Names{"Left", "Top", "Width", "Height", "Panels"}));
  EXPECT_EQ(WrittenNames(*form, tool), (Names{"Left", "Top", "Width", "Height", "Caption", "TabOrder"}));
  EXPECT_EQ(WrittenNames(*form, header), (Names{"Left", "Top", "Width", "Height", "Sections"}));
  // The bar sizes its buttons: they write their place and caption only.
  EXPECT_EQ(WrittenNames(*form, button), (Names{"Left", "Top", "Caption"}));
  for (TWinControl* control : std::initializer_list<TWinControl*>{track, progress, updown, list, hotKey})
    EXPECT_EQ(WrittenNames(*form, control), (Names{"Left", "Top", "Width", "Height", "TabOrder"})) << control->Name();
  // A tree's indent has no default: it is always written.
  EXPECT_EQ(WrittenNames(*form, tree), (Names{"Left", "Top", "Width", "Height", "Indent", "TabOrder"}));
  EXPECT_EQ(WrittenNames(*form, rich), (Names{"Left", "Top", "Width", "Height", "Lines.Strings", "TabOrder"}));
  // A picker starts at the moment it is made, which its date and time record.
  EXPECT_EQ(WrittenNames(*form, picker), (Names{"Left", "Top", "Width", "Height", "Date", "Time", "TabOrder"}));
  EXPECT_EQ(WrittenNames(*form, animate), (Names{"Left", "Top", "Width", "Height"}));
}

TEST(CommonControls, DefaultSizesAndAlignments) {
  struct Expected {
    TClass cls;
    int width, height;
    TAlign align;
  };
  for (auto [cls, width, height, align] : {Expected{TStatusBar::ClassInfo(), 150, 19, alBottom},
                                            Expected{TToolBar::ClassInfo(), 150, 29, alTop},
                                            Expected{THeaderControl::ClassInfo(), 250, 17, alTop},
                                            Expected{TTrackBar::ClassInfo(), 150, 45, alNone},
                                            Expected{TProgressBar::ClassInfo(), 150, 16, alNone},
                                            Expected{TUpDown::ClassInfo(), 16, 24, alNone},
                                            Expected{TTreeView::ClassInfo(), 121, 97, alNone},
                                            Expected{TListView::ClassInfo(), 250, 150, alNone},
                                            Expected{TDateTimePicker::ClassInfo(), 186, 21, alNone},
                                            Expected{THotKey::ClassInfo(), 121, 19, alNone},
                                            Expected{TMonthCalendar::ClassInfo(), 191, 154, alNone},
                                            Expected{TAnimate::ClassInfo(), 100, 80, alNone}}) {
    auto* control = As<TControl>(cls->Create(nullptr));
    EXPECT_EQ(control->Width(), width) << cls->ClassName();
    EXPECT_EQ(control->Height(), height) << cls->ClassName();
    EXPECT_EQ(control->Align(), align) << cls->ClassName();
    control->Free();
  }
}

const std::string kBars =
    "object Form1: TForm1\r\n"
    "  Left = 0\r\n"
    "  Top = 0\r\n"
    "  Width = 400\r\n"
    "  Height = 300\r\n"
    "  Caption = 'Form1'\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object ListView1: TListView\r\n"
    "    Left = 0\r\n"
    "    Top = 0\r\n"
    "    Width = 392\r\n"
    "    Height = 100\r\n"
    "    Columns = <\r\n"
    "      item\r\n"
    "        Caption = 'Name'\r\n"
    "        Width = 120\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Alignment = taRightJustify\r\n"
    "        Caption = 'Size'\r\n"
    "        Sparkle = 3\r\n"
    "      end>\r\n"
    "    TabOrder = 0\r\n"
    "    ViewStyle = vsReport\r\n"
    "  end\r\n"
    "  object StatusBar1: TStatusBar\r\n"
    "    Left = 0\r\n"
    "    Top = 254\r\n"
    "    Width = 392\r\n"
    "    Height = 19\r\n"
    "    Panels = <\r\n"
    "      item\r\n"
    "        Text = 'Ready'\r\n"
    "        Width = 50\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Bevel = pbRaised\r\n"
    "        Width = 50\r\n"
    "      end>\r\n"
    "    SimplePanel = False\r\n"
    "  end\r\n"
    "end\r\n";

TEST(CommonControls, CollectionsAreReadAndTheFileKeepsThem) {
  auto form = Load(kBars);
  auto* list = As<TListView>(form->Root()->FindComponent("ListView1"));
  ASSERT_EQ(list->Columns()->Count(), 2);
  EXPECT_EQ(list->Columns()->Items(0)->Caption(), "Name");
  EXPECT_EQ(list->Columns()->Items(0)->Width(), 120);
  EXPECT_EQ(list->Columns()->Items(1)->Alignment(), taRightJustify);
  EXPECT_EQ(list->Columns()->Items(1)->Width(), 50);  // the default
  EXPECT_EQ(list->ViewStyle(), vsReport);
  auto* status = As<TStatusBar>(form->Root()->FindComponent("StatusBar1"));
  ASSERT_EQ(status->Panels()->Count(), 2);
  EXPECT_EQ(status->Panels()->Items(0)->Text(), "Ready");
  EXPECT_EQ(status->Panels()->Items(1)->Bevel(), pbRaised);
  // Unchanged, byte for byte (the item value the model does not know included); a change
  // of the bar rewrites that value only.
  EXPECT_EQ(form->Write(), kBars);
  status->SetSimplePanel(true);
  status->SetSimpleText("Busy");
  std::string expected = kBars;
  expected.replace(expected.find("    SimplePanel = False\r\n"), 25,
                   "    SimplePanel = True\r\n    SimpleText = 'Busy'\r\n");
  EXPECT_EQ(form->Write(), expected);
}

TEST(CommonControls, ACollectionValueOfTheWrongKindNamesItsPlace) {
  std::string scalar = kEmptyForm;
  scalar.replace(scalar.find("end\r\n"), 5,
                 "  object StatusBar1: TStatusBar\r\n    Panels = 3\r\n  end\r\nend\r\n");
  try {
    Load(scalar);
    ADD_FAILURE() << "read";
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find("Unit1.dfm:10:"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("StatusBar1.Panels"), std::string::npos) << e.what();
  }
}

// kBars with its status panels as given.
std::string WithPanels(const std::string& panels) {
  std::string text = kBars;
  std::size_t from = text.find("    Panels = <");
  std::size_t to = text.find("    SimplePanel");
  return text.replace(from, to - from, panels);
}

const std::string kPanelsTail =
    "      item\r\n"
    "        Bevel = pbRaised\r\n"
    "        Width = 50\r\n"
    "      end>\r\n";

std::string BinaryOf(const std::string& text) { return dfm::write_binary(dfm::Document::parse(text, "Unit1.dfm")); }

std::vector<std::string> PanelTexts(const TFormFile& form) {
  std::vector<std::string> texts;
  auto* status = As<TStatusBar>(form.Root()->FindComponent("StatusBar1"));
  for (int i = 0; i < status->Panels()->Count(); ++i) texts.push_back(status->Panels()->Items(i)->Text());
  return texts;
}

TEST(CollectionEdits, ChangedAddedDeletedAndEmptiedItemsAreSavedInTextAndBinary) {
  struct Edit {
    const char* what;
    std::function<void(TStatusPanels&)> apply;
    std::string panels;  // the value expected in the file
    std::vector<std::string> texts;  // the panels' texts read back
  };
  const std::vector<Edit> edits = {
      {"text changed", [](TStatusPanels& p) { p.Items(0)->SetText("Done"); },
       "    Panels = <\r\n      item\r\n        Text = 'Done'\r\n        Width = 50\r\n      end\r\n" + kPanelsTail,
       {"Done", ""}},
      {"item added", [](TStatusPanels& p) {
         TStatusPanel* added = p.Add();
         added->SetText("Line 1");
         added->SetWidth(120);
         added->SetAlignment(taCenter);
       },
       "    Panels = <\r\n      item\r\n        Text = 'Ready'\r\n        Width = 50\r\n      end\r\n"
       "      item\r\n        Bevel = pbRaised\r\n        Width = 50\r\n      end\r\n"
       "      item\r\n        Alignment = taCenter\r\n        Text = 'Line 1'\r\n        Width = 120\r\n      end>\r\n",
       {"Ready", "", "Line 1"}},
      {"item deleted", [](TStatusPanels& p) { p.Delete(0); }, "    Panels = <\r\n" + kPanelsTail, {""}},
      {"emptied", [](TStatusPanels& p) { p.Clear(); }, "    Panels = <>\r\n", {}},
  };
  for (bool binary : {false, true}) {
    for (const Edit& edit : edits) {
      SCOPED_TRACE(std::string(edit.what) + (binary ? " (binary)" : " (text)"));
      auto form = TFormFile::Read(binary ? BinaryOf(kBars) : kBars, "Unit1.dfm");
      edit.apply(*As<TStatusBar>(form->Root()->FindComponent("StatusBar1"))->Panels());
      std::string saved = form->Write();
      std::string expected = WithPanels(edit.panels);
      EXPECT_TRUE(saved == (binary ? BinaryOf(expected) : expected)) << saved;
      // Saved again unchanged, and read back: the same.
      EXPECT_TRUE(form->Write() == saved);
      auto again = TFormFile::Read(saved, "Unit1.dfm");
      EXPECT_EQ(PanelTexts(*again), edit.texts);
      EXPECT_TRUE(again->Write() == saved);
    }
  }
}

TEST(CollectionEdits, ValuesTheModelDoesNotKnowStayWithTheirItem) {
  auto form = Load(kBars);
  auto* columns = As<TListView>(form->Root()->FindComponent("ListView1"))->Columns();
  columns->Items(1)->SetWidth(70);
  std::string expected = kBars;
  expected.replace(expected.find("        Sparkle = 3\r\n"), 21, "        Width = 70\r\n        Sparkle = 3\r\n");
  EXPECT_EQ(form->Write(), expected);
  // A deleted item takes them along; the others keep theirs, whatever case the file names
  // the collection in.
  std::string lower = expected;
  lower.replace(lower.find("Columns = <"), 7, "columns");
  auto cased = Load(lower);
  As<TListView>(cased->Root()->FindComponent("ListView1"))->Columns()->Items(0)->SetWidth(90);
  EXPECT_NE(cased->Write().find("Sparkle = 3"), std::string::npos);
  columns->Delete(0);
  columns->Add()->SetCaption("Date");
  std::string after = form->Write();
  EXPECT_NE(after.find("Sparkle = 3"), std::string::npos);
  auto again = Load(after);
  auto* read = As<TListView>(again->Root()->FindComponent("ListView1"))->Columns();
  ASSERT_EQ(read->Count(), 2);
  EXPECT_EQ(read->Items(0)->Caption(), "Size");
  EXPECT_EQ(read->Items(0)->Width(), 70);
  EXPECT_EQ(read->Items(1)->Caption(), "Date");
}

TEST(CollectionEdits, NewComponentsWriteTheirCollections) {
  auto form = Load(kEmptyForm);
  auto* list = Add<TListView>(*form, "ListView1");
  list->SetViewStyle(vsReport);
  TListColumn* column = list->Columns()->Add();
  column->SetCaption("Name");
  column->SetWidth(80);
  list->Columns()->Add();
  auto* header = Add<THeaderControl>(*form, "HeaderControl1");
  header->Sections()->Add()->SetText("First");
  std::string saved = form->Write();
  EXPECT_NE(saved.find("    Columns = <\r\n"
                       "      item\r\n"
                       "        Caption = 'Name'\r\n"
                       "        Width = 80\r\n"
                       "      end\r\n"
                       "      item\r\n"
                       "      end>\r\n"),
            std::string::npos)
      << saved;
  auto again = Load(saved);
  auto* sections = As<THeaderControl>(again->Root()->FindComponent("HeaderControl1"))->Sections();
  ASSERT_EQ(sections->Count(), 1);
  EXPECT_EQ(sections->Items(0)->Text(), "First");
  EXPECT_EQ(As<TListView>(again->Root()->FindComponent("ListView1"))->Columns()->Count(), 2);
  // Icons show no columns, which are then not stored.
  list->SetViewStyle(vsIcon);
  list->Columns()->Add();
  EXPECT_EQ(form->Write().find("Columns ="), std::string::npos);
}

// Little-endian integers, for building node lists.
std::string Int32(std::int32_t v) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
  return bytes;
}

std::string ClassicNode(const std::string& text, int image, int children) {
  return Int32(25 + static_cast<int>(text.size())) + Int32(image) + Int32(image + 1) + Int32(-1) + Int32(-1) +
         Int32(0) + Int32(children) + static_cast<char>(text.size()) + text;
}

std::string LazarusNode(const std::string& text, int children, bool expanded) {
  return Int32(-1) + Int32(-1) + Int32(-1) + Int32(-1) + Int32(children) + Int32(0) + static_cast<char>(expanded) +
         Int32(static_cast<int>(text.size())) + text;
}

TEST(TreeNodes, BothFileLayoutsAreDecodedAndDamageLeavesNoNodes) {
  TTreeNodes nodes;
  std::string classic = Int32(2) + ClassicNode("Root", 3, 1) + ClassicNode("Child", 4, 0) + ClassicNode("Second", 0, 0);
  ASSERT_TRUE(nodes.ReadData(classic));
  ASSERT_EQ(nodes.TopNodes().size(), 2u);
  EXPECT_EQ(nodes.TopNodes()[0]->Text, "Root");
  EXPECT_EQ(nodes.TopNodes()[0]->ImageIndex, 3);
  EXPECT_EQ(nodes.TopNodes()[0]->SelectedIndex, 4);
  ASSERT_EQ(nodes.TopNodes()[0]->Children.size(), 1u);
  EXPECT_EQ(nodes.TopNodes()[0]->Children[0]->Text, "Child");
  EXPECT_EQ(nodes.TopNodes()[1]->Text, "Second");

  std::string lazarus = Int32(-7) + std::string("\x02\x00", 2) + Int32(1) + LazarusNode("Top \xC3\xA9", 1, true) +
                        LazarusNode("Leaf", 0, false);
  ASSERT_TRUE(nodes.ReadData(lazarus));
  ASSERT_EQ(nodes.TopNodes().size(), 1u);
  EXPECT_EQ(nodes.TopNodes()[0]->Text, "Top \xC3\xA9");
  EXPECT_TRUE(nodes.TopNodes()[0]->Expanded);
  EXPECT_EQ(nodes.TopNodes()[0]->Children[0]->Text, "Leaf");

  // Cut short, a child count past the bytes, trailing bytes, a huge count: no nodes at all.
  for (std::string damaged : {classic.substr(0, classic.size() - 3), Int32(1) + ClassicNode("Root", 0, 5),
                              classic + "x", Int32(0x7FFFFFFF) + ClassicNode("Root", 0, 0), std::string()}) {
    EXPECT_FALSE(nodes.ReadData(damaged));
    EXPECT_TRUE(nodes.TopNodes().empty());
  }
}

TEST(TreeNodes, LaterLibrariesNodeDataInUtf16) {
  auto node = [](const std::u16string& text, int children) {
    std::string units;
    for (char16_t c : text) units += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return Int32(30 + static_cast<int>(units.size())) + Int32(1) + Int32(2) + Int32(-1) + Int32(-1) +
           std::string(8, '\0') + Int32(children) + '\x01' + static_cast<char>(text.size()) + units;
  };
  TTreeNodes nodes;
  ASSERT_TRUE(nodes.ReadNodeData(std::string(1, '\x03').append(Int32(1)) + node(u"Gr\u00FC\u00DFe", 1) + node(u"\U0001F600", 0)));
  EXPECT_EQ(nodes.TopNodes()[0]->Text, "Gr\xC3\xBC\xC3\x9F" "e");
  EXPECT_EQ(nodes.TopNodes()[0]->Children[0]->Text, "\xF0\x9F\x98\x80");
  EXPECT_FALSE(nodes.ReadNodeData(std::string(1, '\x02').append(Int32(0))));
}

// The texts of a tree's nodes, depth first, children in brackets.
std::string Outline(const std::vector<std::unique_ptr<TTreeNode>>& nodes) {
  std::string out;
  for (const auto& node : nodes) {
    out += node->Text;
    if (!node->Children.empty()) out.append(1, '(').append(Outline(node->Children)).append(1, ')');
    out += ";";
  }
  return out;
}

std::string TreeForm(const std::string& name, const std::string& bytes) {
  dfm::Document doc = dfm::Document::parse(kEmptyForm, "Unit1.dfm");
  dfm::Object& tree = doc.insert_child(doc.root(), 0, "TTreeView", "TreeView1");
  doc.set_property(tree, "Indent", dfm::Datum::integer(19));
  doc.set_property(tree, "TabOrder", dfm::Datum::integer(0));
  if (!bytes.empty()) doc.set_property(tree, name, dfm::Datum::binary(bytes));
  return doc.write();
}

TTreeView* Tree(const TFormFile& form) { return As<TTreeView>(form.Root()->FindComponent("TreeView1")); }

std::string SavedNodes(const std::string& saved, const std::string& name) {
  dfm::Document doc = dfm::is_binary_form(saved) ? dfm::read_binary(saved, "Unit1.dfm").document
                                                 : dfm::Document::parse(saved, "Unit1.dfm");
  const dfm::Property* property = doc.root().find_child("TreeView1")->find_property(name);
  return property ? doc.as_binary(property->value) : std::string();
}

TEST(TreeNodeEdits, ChangedNodesAreSavedInTheLayoutTheyWereReadIn) {
  std::string classic = Int32(2) + ClassicNode("Root", 3, 1) + ClassicNode("Child", 4, 0) + ClassicNode("Second", 0, 0);
  std::string lazarus =
      Int32(-7) + std::string("\x02\x00", 2) + Int32(1) + LazarusNode("Top", 1, true) + LazarusNode("Leaf", 0, false);
  for (bool binary : {false, true}) {
    SCOPED_TRACE(binary ? "binary" : "text");
    auto read = [&](const std::string& text) {
      return TFormFile::Read(binary ? BinaryOf(text) : text, "Unit1.dfm");
    };
    // Untouched: byte for byte.
    std::string source = binary ? BinaryOf(TreeForm("Items.Data", classic)) : TreeForm("Items.Data", classic);
    EXPECT_TRUE(read(TreeForm("Items.Data", classic))->Write() == source);

    auto form = read(TreeForm("Items.Data", classic));
    TTreeNodes& items = *Tree(*form)->Items();
    items.TopNodes()[0]->Children[0]->Text = "Kid";
    TTreeNode* added = items.Add("Third");
    added->ImageIndex = 5;
    added->SelectedIndex = 6;
    std::string saved = form->Write();
    EXPECT_EQ(SavedNodes(saved, "Items.Data"), Int32(3) + ClassicNode("Root", 3, 1) + ClassicNode("Kid", 4, 0) +
                                                   ClassicNode("Second", 0, 0) + ClassicNode("Third", 5, 0));
    EXPECT_EQ(Outline(Tree(*TFormFile::Read(saved, "Unit1.dfm"))->Items()->TopNodes()), "Root(Kid;);Second;Third;");

    auto lazarusForm = read(TreeForm("Items.Data", lazarus));
    Tree(*lazarusForm)->Items()->TopNodes()[0]->Text = "Top \xC3\xA9";
    EXPECT_EQ(SavedNodes(lazarusForm->Write(), "Items.Data"), Int32(-7) + std::string("\x02\x00", 2) + Int32(1) +
                                                                  LazarusNode("Top \xC3\xA9", 1, true) +
                                                                  LazarusNode("Leaf", 0, false));

    // Later libraries' layout: rewritten in UTF-16 under its own name.
    auto laterForm = read(TreeForm("Items.NodeData", std::string(1, '\x03') + Int32(0)));
    Tree(*laterForm)->Items()->Add("Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80");
    std::string later = laterForm->Write();
    EXPECT_EQ(SavedNodes(later, "Items.Data"), "");
    EXPECT_EQ(Outline(Tree(*TFormFile::Read(later, "Unit1.dfm"))->Items()->TopNodes()),
              "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80;");

    // Removing every node removes the value.
    Tree(*form)->Items()->TopNodes().clear();
    EXPECT_EQ(form->Write().find("Items.Data"), std::string::npos);
  }
}

TEST(TreeNodeEdits, ANewTreeWritesItsNodesLastAndATooLongTextIsRefused) {
  auto form = Load(kEmptyForm);
  auto* tree = Add<TTreeView>(*form, "TreeView1");
  tree->Items()->Add("One")->Children.push_back(std::make_unique<TTreeNode>());
  tree->Items()->TopNodes()[0]->Children[0]->Text = "Two";
  tree->OnChange.SetHandlerName("TreeView1Change");
  form->Write();
  EXPECT_EQ(WrittenNames(*form, tree), (Names{"Left", "Top", "Width", "Height", "Indent", "TabOrder", "OnChange",
                                              "Items.Data"}));
  auto again = Load(form->Write());
  EXPECT_EQ(Outline(Tree(*again)->Items()->TopNodes()), "One(Two;);");

  tree->Items()->Add(std::string(256, 'x'));
  EXPECT_THROW(form->Write(), EWriteError);
}

TEST(CommonControls, UpDownAttachesToItsAssociateAndShowsThePosition) {
  auto form = Load(kEmptyForm);
  auto* edit = Add<TEdit>(*form, "Edit1");
  edit->SetBounds(10, 20, 100, 21);
  auto* updown = Add<TUpDown>(*form, "UpDown1");
  updown->SetMax(5000);
  updown->SetAssociate(edit);
  EXPECT_EQ(edit->Width(), 84);
  EXPECT_EQ(updown->BoundsRect(), Rect(94, 20, 110, 41));
  updown->SetPosition(1234);
  EXPECT_EQ(edit->Text(), "1,234");
  updown->SetThousands(false);
  EXPECT_EQ(edit->Text(), "1234");
  updown->SetPosition(5000);
  updown->ClickButton(btNext);
  EXPECT_EQ(updown->Position(), 5000);  // stops at the end
  updown->SetWrap(true);
  updown->ClickButton(btNext);
  EXPECT_EQ(updown->Position(), 0);
  // The edit going clears the reference.
  edit->Free();
  EXPECT_EQ(updown->Associate(), nullptr);
}

TEST(CommonControls, ToolButtonsTakeTheBarsSizeButSeparatorsKeepTheirWidth) {
  auto form = Load(kEmptyForm);
  auto* bar = Add<TToolBar>(*form, "ToolBar1");
  auto* button = Add<TToolButton>(*form, "ToolButton1", bar);
  auto* separator = Add<TToolButton>(*form, "ToolButton2", bar);
  separator->SetStyle(tbsSeparator);
  auto* drop = Add<TToolButton>(*form, "ToolButton3", bar);
  drop->SetStyle(tbsDropDown);
  bar->SetButtonWidth(30);
  bar->SetButtonHeight(28);
  EXPECT_EQ(button->Width(), 30);
  EXPECT_EQ(button->Height(), 28);
  EXPECT_EQ(separator->Width(), 8);
  EXPECT_EQ(separator->Height(), 28);
  EXPECT_EQ(drop->Width(), 44);
  form->Write();
  EXPECT_EQ(WrittenNames(*form, separator), (Names{"Left", "Top", "Width", "Caption", "Style"}));
}

TEST(CommonControls, DateAndTimeAreOneMoment) {
  TDateTimePicker picker(nullptr);
  picker.SetDate(36526.75);  // 1 January 2000
  picker.SetTime(0.5);
  EXPECT_DOUBLE_EQ(picker.DateTime(), 36526.5);
  EXPECT_EQ(picker.DisplayText(), "1/1/00");
  picker.SetDateFormat(dfLong);
  EXPECT_EQ(picker.DisplayText(), "1 January 2000");
  picker.SetDate(2.0);  // 1 January 1900
  EXPECT_EQ(picker.DisplayText(), "1 January 1900");
  picker.SetKind(dtkTime);
  picker.SetTime(0.75);
  EXPECT_EQ(picker.DisplayText(), "18:00:00");
  for (auto [year, month, day, weekday] :
       {std::array{1899, 12, 30, 6}, std::array{2000, 2, 29, 2}, std::array{1600, 3, 1, 3}, std::array{2026, 12, 9, 3}}) {
    double date = EncodeDate(year, month, day);
    TDateParts parts = DecodeDate(date + 0.99);
    EXPECT_EQ(parts.Year, year);
    EXPECT_EQ(parts.Month, month);
    EXPECT_EQ(parts.Day, day);
    EXPECT_EQ(DayOfWeek(date), weekday) << year << "-" << month << "-" << day;
  }
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  THotKey key(nullptr);
  EXPECT_EQ(key.DisplayText(), "Alt+A");
  key.SetHotKey(0);
  EXPECT_EQ(key.DisplayText(), "None");
}

// Items.Data of a list view in the first library's layout: the block's size and the count,
// each item's indexes, sub-item count and data, its caption and sub-items as short
// strings; later libraries append an image index per sub-item.
std::string ListItemsData(const std::vector<std::pair<std::string, Names>>& items, const std::vector<int>& images = {}) {
  std::string body, out;
  auto int32 = [](std::string& to, int v) {
    for (int i = 0; i < 4; ++i) to += static_cast<char>((static_cast<unsigned>(v) >> (8 * i)) & 0xFF);
  };
  auto shortString = [&](const std::string& text) {
    body += static_cast<char>(text.size());
    body += text;
  };
  for (const auto& [caption, subItems] : items) {
    for (int v : {static_cast<int>(caption.size()), 2, -1, static_cast<int>(subItems.size()), 0}) int32(body, v);
    shortString(caption);
    for (const std::string& sub : subItems) shortString(sub);
  }
  int32(out, 8 + static_cast<int>(body.size()));
  int32(out, static_cast<int>(items.size()));
  out += body;
  for (int image : images) int32(out, image);
  return out;
}

TEST(CommonControls, ListViewItemsFromItemsData) {
  TListItems items;
  ASSERT_TRUE(items.ReadData(ListItemsData({{"Alpha", {"12 KB", "File"}}, {"Beta", {}}})));
  ASSERT_EQ(items.Count(), 2);
  const TListItem& alpha = items.Items()[0];
  EXPECT_EQ(alpha.Caption, "Alpha");
  EXPECT_EQ(alpha.ImageIndex, 5);
  EXPECT_EQ(alpha.StateIndex, 2);
  EXPECT_EQ(alpha.OverlayIndex, -1);
  EXPECT_EQ(alpha.SubItems, (Names{"12 KB", "File"}));
  EXPECT_TRUE(alpha.SubItemImages.empty());
  EXPECT_EQ(items.Items()[1].Caption, "Beta");
  EXPECT_TRUE(items.Items()[1].SubItems.empty());
  // Sub-item images after the items.
  ASSERT_TRUE(items.ReadData(ListItemsData({{"Alpha", {"12 KB", "File"}}, {"Beta", {}}}, {3, -1})));
  EXPECT_EQ(items.Items()[0].SubItemImages, (std::vector<int>{3, -1}));
  EXPECT_TRUE(items.ReadData(ListItemsData({})));
  EXPECT_EQ(items.Count(), 0);

  // Damaged blocks give no items: cut short, a count or size beyond the bytes, a sub-item
  // count beyond them, trailing bytes that are not one image per sub-item.
  std::string good = ListItemsData({{"Alpha", {"12 KB"}}, {"Beta", {}}});
  std::string manySubItems = good;
  manySubItems[8 + 12] = '\x7F';
  std::string bigCount = good;
  bigCount[4] = '\x40';
  std::string bigSize = good;
  bigSize[1] = '\x10';
  for (const std::string& bad : {good.substr(0, good.size() - 1), bigCount, bigSize, manySubItems, good + "xy",
                                 std::string("\x01\x00", 2)}) {
    ASSERT_TRUE(items.ReadData(good));
    EXPECT_FALSE(items.ReadData(bad));
    EXPECT_EQ(items.Count(), 0);
  }

  // In a form: the items read, and damaged bytes kept for the save.
  std::string hex;
  for (unsigned char c : good.substr(0, good.size() - 3)) hex += fmt::format("{:02X}", c);
  const std::string text = kEmptyForm.substr(0, kEmptyForm.size() - 5) +
                           "  object ListView1: TListView\r\n"
                           "    Left = 8\r\n"
                           "    Top = 8\r\n"
                           "    Width = 250\r\n"
                           "    Height = 150\r\n"
                           "    Items.Data = {\r\n"
                           "      " + hex + "}\r\n"
                           "    TabOrder = 0\r\n"
                           "  end\r\n"
                           "end\r\n";
  auto form = Load(text);
  EXPECT_EQ(As<TListView>(form->Root()->FindComponent("ListView1"))->Items()->Count(), 0);
  EXPECT_EQ(form->Write(), text);
}

std::string ListViewForm(const std::string& bytes) {
  dfm::Document doc = dfm::Document::parse(kEmptyForm, "Unit1.dfm");
  dfm::Object& list = doc.insert_child(doc.root(), 0, "TListView", "ListView1");
  doc.set_property(list, "Left", dfm::Datum::integer(8));
  doc.set_property(list, "Items.Data", dfm::Datum::binary(bytes));
  doc.set_property(list, "TabOrder", dfm::Datum::integer(0));
  return doc.write();
}

std::string SavedListItems(const std::string& saved) {
  dfm::Document doc = dfm::is_binary_form(saved) ? dfm::read_binary(saved, "Unit1.dfm").document
                                                 : dfm::Document::parse(saved, "Unit1.dfm");
  const dfm::Property* property = doc.root().find_child("ListView1")->find_property("Items.Data");
  return property ? doc.as_binary(property->value) : std::string();
}

TEST(ListViewItemEdits, EditedItemsAreSavedInTheLayoutTheyWereReadIn) {
  for (bool binary : {false, true}) {
    for (bool images : {false, true}) {
      SCOPED_TRACE(std::string(binary ? "binary" : "text") + (images ? ", sub-item images" : ""));
      const std::string text =
          ListViewForm(ListItemsData({{"Alpha", {"12 KB", "File"}}, {"Beta", {}}}, images ? std::vector{3, -1}
                                                                                          : std::vector<int>{}));
      const std::string source = binary ? BinaryOf(text) : text;
      auto form = TFormFile::Read(source, "Unit1.dfm");
      EXPECT_TRUE(form->Write() == source) << "untouched: byte for byte";
      TListItems& items = *As<TListView>(form->Root()->FindComponent("ListView1"))->Items();
      items.Item(0).Caption = "Omega";
      items.Item(0).SubItems[1] = "Dir";
      items.Delete(1);
      TListItem& added = items.Add("Gamma");
      added.ImageIndex = 5;
      added.StateIndex = 2;
      added.SubItems = {"x"};
      added.SubItemImages = {7};
      std::string saved = form->Write();
      EXPECT_TRUE(dfm::is_binary_form(saved) == binary);
      EXPECT_EQ(SavedListItems(saved), ListItemsData({{"Omega", {"12 KB", "Dir"}}, {"Gamma", {"x"}}},
                                                     images ? std::vector{3, -1, 7} : std::vector<int>{}));
      auto again = TFormFile::Read(saved, "Unit1.dfm");
      const auto& read = As<TListView>(again->Root()->FindComponent("ListView1"))->Items()->Items();
      ASSERT_EQ(read.size(), 2u);
      EXPECT_EQ(read[1].Caption, "Gamma");
      EXPECT_EQ(read[1].SubItems, Names{"x"});
      EXPECT_TRUE(again->Write() == saved);
      // No items left: no value.
      items.Clear();
      EXPECT_EQ(SavedListItems(form->Write()), "");
    }
  }
  EXPECT_THROW(TListItems().Item(0), EListError);
}

TEST(ListViewItemEdits, NewListsWriteTheFirstLayoutAndDamagedBytesStayUntilItemsAreAdded) {
  auto form = Load(kEmptyForm);
  auto* list = Add<TListView>(*form, "ListView1");
  TListItem& item = list->Items()->Add("Alpha");
  item.ImageIndex = 5;
  item.StateIndex = 2;
  EXPECT_EQ(SavedListItems(form->Write()), ListItemsData({{"Alpha", {}}}));

  std::string damaged = ListItemsData({{"Alpha", {"12 KB"}}});
  damaged.resize(damaged.size() - 3);
  const std::string text = ListViewForm(damaged);
  auto kept = Load(text);
  TListItems& items = *As<TListView>(kept->Root()->FindComponent("ListView1"))->Items();
  EXPECT_EQ(items.Count(), 0);
  As<TListView>(kept->Root()->FindComponent("ListView1"))->SetLeft(20);
  EXPECT_EQ(SavedListItems(kept->Write()), damaged) << "another value changed: the bytes stay";
  TListItem& beta = items.Add("Beta");
  beta.ImageIndex = 4;
  beta.StateIndex = 2;
  EXPECT_EQ(SavedListItems(kept->Write()), ListItemsData({{"Beta", {}}}));
  items.Item(0).Caption = std::string(256, 'x');
  EXPECT_THROW(kept->Write(), EWriteError);
}

// An extended combo box: its items are a collection, their captions its Items once the form
// is loaded; the style maps onto the combo box's own; values of later libraries stay.
TEST(CommonControls, ExtendedComboBoxItemsAndStyles) {
  const std::string text = kEmptyForm.substr(0, kEmptyForm.size() - 5) +
      "  object ComboBoxEx1: TComboBoxEx\r\n"
      "    Left = 8\r\n"
      "    Top = 8\r\n"
      "    Width = 145\r\n"
      "    Height = 22\r\n"
      "    ItemsEx = <\r\n"
      "      item\r\n"
      "        Caption = 'Excel CSV'\r\n"
      "        ImageIndex = 49\r\n"
      "        SelectedImageIndex = 48\r\n"
      "      end\r\n"
      "      item\r\n"
      "        Caption = 'CSV'\r\n"
      "        Indent = 1\r\n"
      "      end>\r\n"
      "    Style = csExDropDownList\r\n"
      "    StyleEx = [csExNoEditImage]\r\n"
      "    TabOrder = 0\r\n"
      "    Text = 'CSV'\r\n"
      "    OnSelect = ComboBoxEx1Select\r\n"
      "    DropDownCount = 12\r\n"
      "  end\r\n"
      "end\r\n";
  auto form = Load(text);
  auto* combo = As<TComboBoxEx>(form->Root()->FindComponent("ComboBoxEx1"));
  ASSERT_EQ(combo->ItemsEx()->Count(), 2);
  TComboExItem* first = combo->ItemsEx()->Items(0);
  EXPECT_EQ(first->Caption(), "Excel CSV");
  EXPECT_EQ(first->ImageIndex(), 49);
  EXPECT_EQ(first->ShownImageIndex(), 48);
  EXPECT_EQ(first->OverlayImageIndex(), -1);
  EXPECT_EQ(combo->ItemsEx()->Items(1)->Indent(), 1);
  EXPECT_EQ(combo->ItemsEx()->Items(1)->ShownImageIndex(), -1);
  EXPECT_EQ(combo->Items()->CommaText(), "\"Excel CSV\",CSV");
  EXPECT_EQ(combo->Style(), csExDropDownList);
  EXPECT_EQ(static_cast<TCustomComboBox*>(combo)->Style(), csDropDownList);
  EXPECT_EQ(combo->StyleEx(), NativeInt{1} << csExNoEditImage);
  EXPECT_EQ(combo->DropDownCount(), 12);
  EXPECT_EQ(combo->SelectedItem(), combo->ItemsEx()->Items(1));
  EXPECT_EQ(form->Write(), text);

  // Items changed after loading show at once; the selection follows the text.
  combo->ItemsEx()->Items(1)->SetCaption("Tab separated");
  EXPECT_EQ(combo->Items()->Strings(1), "Tab separated");
  EXPECT_EQ(combo->SelectedItem(), nullptr);
  combo->ItemsEx()->Add()->SetCaption("CSV");
  EXPECT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->SelectedItem(), combo->ItemsEx()->Items(2));
  combo->SetStyle(csExSimple);
  EXPECT_EQ(static_cast<TCustomComboBox*>(combo)->Style(), csSimple);

  // A new one writes what the IDE writes for it: its empty items, and like a combo box its
  // name as its text.
  auto* added = Add<TComboBoxEx>(*form, "ComboBoxEx2");
  form->Write();
  EXPECT_EQ(WrittenNames(*form, added), (Names{"Left", "Top", "Width", "Height", "ItemsEx", "TabOrder", "Text"}));
  EXPECT_EQ(GetPropInfo(TComboBoxEx::ClassInfo(), "Style")->Default, csExDropDown);
  EXPECT_EQ(GetPropInfo(TComboBoxEx::ClassInfo(), "DropDownCount")->Default, 8);
  EXPECT_TRUE(GetPropInfo(TComboBoxEx::ClassInfo(), "Images")->IsComponentReference());
  EXPECT_EQ(GetPropInfo(TComboBoxEx::ClassInfo(), "Caption"), nullptr);
}

// The classes of the palette's Win32 page (and the tool buttons of its tool bars).
const std::set<std::string> kCommonClasses = {
    "TStatusBar", "TUpDown",   "TTrackBar", "TProgressBar",    "TToolBar", "TToolButton",    "TTreeView",
    "TListView",  "TRichEdit", "THotKey",   "TDateTimePicker", "TAnimate", "THeaderControl", "TMonthCalendar",
    "TComboBoxEx"};

TEST(CommonControls, CorpusFormsGiveRealComponentsAndStillRoundTrip) {
  auto entries = formtest::CorpusEntries();
  if (entries.empty()) GTEST_SKIP() << "corpus not found at " << formtest::CorpusDir();
  std::map<std::string, int> real, placeholders;
  for (const auto& entry : entries) {
    if (entry.corrupt) continue;
    std::string bytes = formtest::ReadAll(formtest::CorpusDir() / entry.file);
    try {
      auto form = TFormFile::Read(bytes, entry.file);
      std::vector<TComponent*> pending{form->Root()};
      while (!pending.empty()) {
        TComponent* component = pending.back();
        pending.pop_back();
        for (int i = 0; i < component->ComponentCount(); ++i) pending.push_back(component->Components(i));
        const std::string& name = component->ClassName();
        if (!kCommonClasses.count(name)) continue;
        // A real component is of the registered class itself, not of a stand-in named so.
        bool isReal = component->ClassType() == GetClass(name);
        ++(isReal ? real : placeholders)[name];
        EXPECT_TRUE(isReal) << entry.file << ": " << component->Name() << " of " << name << " is a placeholder";
      }
      EXPECT_TRUE(form->Write() == bytes) << entry.file << " changed on the way through";
    } catch (const std::exception& e) {
      ADD_FAILURE() << entry.file << ": " << e.what();
    }
  }
  int total = 0;
  for (const auto& [name, count] : real) {
    std::cout << "  " << name << ": " << count << " real, " << placeholders[name] << " placeholders\n";
    total += count;
  }
  EXPECT_GT(total, 200);
}

// Every collection of every corpus form gets an item and every tree a changed first node:
// saved in the form's format and read back, each holds what the model had, and every other
// component reads back as before.
TEST(CollectionEdits, CorpusCollectionsAndTreesSurviveAnEdit) {
  auto entries = formtest::CorpusEntries();
  if (entries.empty()) GTEST_SKIP() << "corpus not found at " << formtest::CorpusDir();
  // Per component (by name path): each collection's item count, or the tree's outline.
  auto describe = [](TComponent* root) {
    std::map<std::string, std::string> state;
    std::vector<TComponent*> pending{root};
    while (!pending.empty()) {
      TComponent* component = pending.back();
      pending.pop_back();
      for (int i = 0; i < component->ComponentCount(); ++i) pending.push_back(component->Components(i));
      for (PPropInfo prop : component->ClassType()->Properties())
        if (prop->Kind() == TTypeKind::tkClass && !prop->IsComponentReference())
          if (auto* items = Cast<TCollection>(GetObjectProp(component, prop)))
            state[component->GetNamePath() + "." + prop->Name] = std::to_string(items->Count());
      if (auto* tree = Cast<TTreeView>(component)) state[tree->GetNamePath()] = Outline(tree->Items()->TopNodes());
    }
    return state;
  };
  int edited = 0;
  for (const auto& entry : entries) {
    if (entry.corrupt) continue;
    try {
      auto form = TFormFile::Read(formtest::ReadAll(formtest::CorpusDir() / entry.file), entry.file);
      std::map<std::string, std::string> before = describe(form->Root());
      bool any = false;
      std::vector<TComponent*> pending{form->Root()};
      while (!pending.empty()) {
        TComponent* component = pending.back();
        pending.pop_back();
        for (int i = 0; i < component->ComponentCount(); ++i) pending.push_back(component->Components(i));
        for (PPropInfo prop : component->ClassType()->Properties())
          if (prop->Kind() == TTypeKind::tkClass && !prop->IsComponentReference())
            if (auto* items = Cast<TCollection>(GetObjectProp(component, prop)); items && items->Count() > 0) {
              items->Add();
              before[component->GetNamePath() + "." + prop->Name] = std::to_string(items->Count());
              any = true;
            }
        if (auto* tree = Cast<TTreeView>(component); tree && !tree->Items()->TopNodes().empty()) {
          tree->Items()->TopNodes()[0]->Text = "Edited";
          before[tree->GetNamePath()] = Outline(tree->Items()->TopNodes());
          any = true;
        }
      }
      if (!any) continue;
      ++edited;
      auto again = TFormFile::Read(form->Write(), entry.file);
      EXPECT_EQ(again->Format(), form->Format()) << entry.file;
      EXPECT_EQ(describe(again->Root()), before) << entry.file;
    } catch (const std::exception& e) {
      ADD_FAILURE() << entry.file << ": " << e.what();
    }
  }
  EXPECT_GT(edited, 20);
}

}  // namespace
