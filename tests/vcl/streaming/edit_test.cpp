// Edits: given this input, running this edit, produces this output.
#include <gtest/gtest.h>

#include <functional>

#include "vcl/streaming/dfm_text.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {
namespace {

std::string edited(const std::string& input, const std::function<void(Document&)>& edit,
                   const std::string& file_name = "form.dfm") {
  Document document = Document::parse(input, file_name);
  edit(document);
  std::string output = document.write();
  Document::parse(output, file_name);  // what an edit writes reads back
  return output;
}

const std::string kMemo =
    "object Form1: TForm1\r\n"
    "  Left=8\r\n"
    "  object Memo1: TMemo\r\n"
    "    Left = $10\r\n"
    "    Lines.Strings = (\r\n"
    "      'old')\r\n"
    "    Tag = 1\r\n"
    "  end\r\n"
    "end\r\n";

Object& memo(Document& document) { return document.root().children[0]; }

TEST(DfmEdit, SetValueRewritesOnlyThatValue) {
  EXPECT_EQ(edited(kMemo, [](Document& d) { d.set_value(memo(d), 0, Datum::integer(-16)); }),
            "object Form1: TForm1\r\n"
            "  Left=8\r\n"
            "  object Memo1: TMemo\r\n"
            "    Left = -16\r\n"
            "    Lines.Strings = (\r\n"
            "      'old')\r\n"
            "    Tag = 1\r\n"
            "  end\r\n"
            "end\r\n");
  EXPECT_EQ(
      edited(kMemo, [](Document& d) { d.set_property(d.root(), "LEFT", Datum::ident("clRed")); }),
      "object Form1: TForm1\r\n"
      "  Left = clRed\r\n"
      "  object Memo1: TMemo\r\n"
      "    Left = $10\r\n"
      "    Lines.Strings = (\r\n"
      "      'old')\r\n"
      "    Tag = 1\r\n"
      "  end\r\n"
      "end\r\n");
}

TEST(DfmEdit, StringListsOneItemALineWithLongItemsWrapped) {
  const std::string a64(64, 'a');
  EXPECT_EQ(edited(kMemo,
                   [&](Document& d) {
                     d.set_value(memo(d), 1, Datum::strings({"one", "it's", a64 + "bb", ""}));
                   }),
            "object Form1: TForm1\r\n"
            "  Left=8\r\n"
            "  object Memo1: TMemo\r\n"
            "    Left = $10\r\n"
            "    Lines.Strings = (\r\n"
            "      'one'\r\n"
            "      'it'#39's'\r\n"
            "      \r\n"
            "        '" +
                a64 +
                "' +\r\n"
                "        'bb'\r\n"
                "      '')\r\n"
                "    Tag = 1\r\n"
                "  end\r\n"
                "end\r\n");
  EXPECT_EQ(edited(kMemo, [](Document& d) { d.set_value(memo(d), 1, Datum::strings({})); }),
            "object Form1: TForm1\r\n  Left=8\r\n  object Memo1: TMemo\r\n    Left = $10\r\n"
            "    Lines.Strings = ()\r\n    Tag = 1\r\n  end\r\nend\r\n");
}

TEST(DfmEdit, LazarusClosesListsOnALineOfTheirOwn) {
  EXPECT_EQ(edited(
                "object A: TA\n  Items.Strings = ()\nend\n",
                [](Document& d) {
                  d.set_value(d.root(), 0, Datum::strings({"a", "b"}));
                },
                "a.lfm"),
            "object A: TA\n  Items.Strings = (\n    'a'\n    'b'\n  )\nend\n");
}

TEST(DfmEdit, BinaryInlineUnder32BytesElse64DigitsALine) {
  const std::string form =
      "object A: TA\r\n  object I: TImage\r\n    Data = {}\r\n  end\r\nend\r\n";
  EXPECT_EQ(
      edited(form,
             [](Document& d) { d.set_value(d.root().children[0], 0, Datum::binary("\x0A\xFF")); }),
      "object A: TA\r\n  object I: TImage\r\n    Data = {0AFF}\r\n  end\r\nend\r\n");
  std::string bytes;
  for (int i = 0; i < 40; ++i) bytes += static_cast<char>(i);
  EXPECT_EQ(
      edited(form,
             [&](Document& d) { d.set_value(d.root().children[0], 0, Datum::binary(bytes)); }),
      "object A: TA\r\n  object I: TImage\r\n    Data = {\r\n"
      "      000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\r\n"
      "      2021222324252627}\r\n  end\r\nend\r\n");
  EXPECT_EQ(edited(
                "object A: TA\n  Data = {}\nend\n",
                [](Document& d) { d.set_value(d.root(), 0, Datum::binary("\x0A")); }, "a.lfm"),
            "object A: TA\n  Data = {\n    0A\n  }\nend\n");
}

TEST(DfmEdit, SetsOnOneLine) {
  const std::string form = "object A: TA\r\n  Anchors = [akLeft]\r\nend\r\n";
  EXPECT_EQ(edited(form,
                   [](Document& d) {
                     d.set_value(d.root(), 0, Datum::set({"akTop", "akRight"}));
                   }),
            "object A: TA\r\n  Anchors = [akTop, akRight]\r\nend\r\n");
  EXPECT_EQ(edited(form, [](Document& d) { d.set_value(d.root(), 0, Datum::set({})); }),
            "object A: TA\r\n  Anchors = []\r\nend\r\n");
}

DatumItem column(std::optional<std::int32_t> position, std::string name, Datum value) {
  return DatumItem{position, {DatumProperty{std::move(name), std::move(value)}}};
}

TEST(DfmEdit, CollectionsAsTheIdeWritesThem) {
  const auto columns = Datum::collection({column(std::nullopt, "Width", Datum::integer(64)),
                                          column(2, "Title.Caption", Datum::string("Name"))});
  EXPECT_EQ(edited("object A: TA\r\n  Columns = <>\r\nend\r\n",
                   [&](Document& d) { d.set_value(d.root(), 0, columns); }),
            "object A: TA\r\n  Columns = <\r\n"
            "    item\r\n      Width = 64\r\n    end\r\n"
            "    item [2]\r\n      Title.Caption = 'Name'\r\n    end>\r\nend\r\n");
  EXPECT_EQ(edited(
                "object A: TA\n  Columns = <>\nend\n",
                [&](Document& d) { d.set_value(d.root(), 0, columns); }, "a.lfm"),
            "object A: TA\n  Columns = <  \n"
            "    item\n      Width = 64\n    end  \n"
            "    item[2]\n      Title.Caption = 'Name'\n    end>\nend\n");
  Document document =
      Document::parse(edited("object A: TA\r\n  Columns = <>\r\nend\r\n",
                             [&](Document& d) { d.set_value(d.root(), 0, columns); }),
                      "form.dfm");
  EXPECT_EQ(document.decode(document.root().properties[0].value), columns);
}

TEST(DfmEdit, FloatsInTheFilesStyle) {
  auto with = [](const std::string& form, Datum value) {
    return edited(form, [&](Document& d) { d.set_value(d.root(), 0, value); });
  };
  const std::string shortest = "object A: TA\n  X = 1.5\nend\n";
  EXPECT_EQ(with(shortest, Datum::real(2.25L)), "object A: TA\n  X = 2.25\nend\n");
  EXPECT_EQ(with(shortest, Datum::real(1e-7L)), "object A: TA\n  X = 1E-7\nend\n");
  EXPECT_EQ(with(shortest, Datum::real(1.5L, FloatSuffix::Currency)),
            "object A: TA\n  X = 15000c\nend\n");
  EXPECT_EQ(with(shortest, Datum::real(0.5L, FloatSuffix::Single)),
            "object A: TA\n  X = 0.5s\nend\n");
  const std::string fixed = "object A: TA\n  X = 1.000000000000000000\nend\n";
  EXPECT_EQ(with(fixed, Datum::real(37089.0379922107L)),
            "object A: TA\n  X = 37089.037992210700000000\nend\n");
  EXPECT_EQ(with(fixed, Datum::real(-2.5L)), "object A: TA\n  X = -2.500000000000000000\nend\n");
  EXPECT_EQ(with(fixed, Datum::real(1.23456789012345678e-5L)),
            "object A: TA\n  X = 0.000012345678901235\nend\n");
  EXPECT_EQ(with(fixed, Datum::real(0.9999999999999999999L)),
            "object A: TA\n  X = 1.000000000000000000\nend\n");
  EXPECT_EQ(with(fixed, Datum::real(9999999999999999.9L)),
            "object A: TA\n  X = 10000000000000000.000000000000000000\nend\n");
}

TEST(DfmEdit, InsertPropertyAtAnIndex) {
  EXPECT_EQ(
      edited(kMemo, [](Document& d) { d.insert_property(memo(d), 1, "Top", Datum::integer(4)); }),
      "object Form1: TForm1\r\n  Left=8\r\n  object Memo1: TMemo\r\n    Left = $10\r\n"
      "    Top = 4\r\n"
      "    Lines.Strings = (\r\n      'old')\r\n    Tag = 1\r\n  end\r\nend\r\n");
  EXPECT_EQ(
      edited(kMemo, [](Document& d) { d.set_property(d.root(), "Caption", Datum::string("Hi")); }),
      "object Form1: TForm1\r\n  Left=8\r\n"
      "  Caption = 'Hi'\r\n"
      "  object Memo1: TMemo\r\n    Left = $10\r\n    Lines.Strings = (\r\n      'old')\r\n"
      "    Tag = 1\r\n  end\r\nend\r\n");
  EXPECT_EQ(edited("object A: TA\nend",
                   [](Document& d) { d.insert_property(d.root(), 0, "Left", Datum::integer(1)); }),
            "object A: TA\n  Left = 1\nend");
  EXPECT_EQ(edited("object A: TA end\n",
                   [](Document& d) { d.insert_property(d.root(), 0, "Left", Datum::integer(1)); }),
            "object A: TA\n  Left = 1\nend\n");
}

TEST(DfmEdit, RemovePropertyTakesItsLinesOnly) {
  EXPECT_EQ(edited(kMemo, [](Document& d) { d.remove_property(memo(d), 1); }),
            "object Form1: TForm1\r\n  Left=8\r\n  object Memo1: TMemo\r\n    Left = $10\r\n"
            "    Tag = 1\r\n  end\r\nend\r\n");
  EXPECT_EQ(edited(kMemo, [](Document& d) { d.remove_property(memo(d), 2); }),
            "object Form1: TForm1\r\n  Left=8\r\n  object Memo1: TMemo\r\n    Left = $10\r\n"
            "    Lines.Strings = (\r\n      'old')\r\n  end\r\nend\r\n");
  EXPECT_EQ(edited("object A: TA\n  A = 1  \n  X = 2 \n  B = 3\nend\n",
                   [](Document& d) { d.remove_property(d.root(), 1); }),
            "object A: TA\n  A = 1  \n  B = 3\nend\n");
  EXPECT_EQ(edited(kMemo, [](Document& d) { d.remove_property(d.root(), 0); }),
            "object Form1: TForm1\r\n  object Memo1: TMemo\r\n    Left = $10\r\n"
            "    Lines.Strings = (\r\n      'old')\r\n    Tag = 1\r\n  end\r\nend\r\n");
}

TEST(DfmEdit, NewChildObjectsAsTheIdeWritesThem) {
  const std::string form = "object Form1: TForm1\r\n  object Panel1: TPanel\r\n  end\r\nend\r\n";
  EXPECT_EQ(edited(form,
                   [](Document& d) {
                     Object& button = d.insert_child(d.root().children[0], 0, "TButton", "Button1");
                     d.set_property(button, "Left", Datum::integer(8));
                     d.set_property(button, "Caption", Datum::string("OK"));
                   }),
            "object Form1: TForm1\r\n  object Panel1: TPanel\r\n"
            "    object Button1: TButton\r\n      Left = 8\r\n      Caption = 'OK'\r\n    end\r\n"
            "  end\r\nend\r\n");
  EXPECT_EQ(
      edited(
          "object Form1: TForm1\n  object Panel1: TPanel\n  end\nend\n",
          [](Document& d) { d.insert_child(d.root(), 0, "TLabel", "", ObjectKind::Inherited, 3); }),
      "object Form1: TForm1\n  inherited TLabel [3]\n  end\n  object Panel1: TPanel\n  end\nend\n");
}

TEST(DfmEdit, RemoveChildTakesAllItsLines) {
  const std::string form =
      "object Form1: TForm1\n  object Panel1: TPanel\n    object B: TButton\n      Left = 1\n"
      "    end\n  end\n  object L: TLabel\n  end\nend\n";
  EXPECT_EQ(edited(form, [](Document& d) { d.remove_child(d.root(), 0); }),
            "object Form1: TForm1\n  object L: TLabel\n  end\nend\n");
  EXPECT_EQ(edited(form, [](Document& d) { d.remove_child(d.root(), 1); }),
            "object Form1: TForm1\n  object Panel1: TPanel\n    object B: TButton\n      Left = 1\n"
            "    end\n  end\nend\n");
}

TEST(DfmEdit, RenameAndChangeClassKeepTheRestOfTheHeader) {
  const std::string form =
      "object Form1: TForm1\n  object  Button1 :TButton [1]\n  end\n  object TLabel\n  end\nend\n";
  EXPECT_EQ(edited(form,
                   [](Document& d) {
                     d.rename(d.root().children[0], "OkButton");
                     d.set_class(d.root().children[0], "TBitBtn");
                     d.rename(d.root().children[1], "Label1");
                   }),
            "object Form1: TForm1\n  object  OkButton :TBitBtn [1]\n  end\n  object Label1: "
            "TLabel\n  end\nend\n");
  EXPECT_EQ(edited(form, [](Document& d) { d.rename(d.root().children[0], ""); }),
            "object Form1: TForm1\n  object  TButton [1]\n  end\n  object TLabel\n  end\nend\n");
}

TEST(DfmEdit, BadNamesAndIndexesAreRefused) {
  Document document = Document::parse(kMemo, "form.dfm");
  EXPECT_THROW(document.rename(document.root(), "1st"), EInvalidOperation);
  EXPECT_THROW(document.set_class(document.root(), "T Form"), EInvalidOperation);
  EXPECT_THROW(document.set_property(document.root(), "Font..Name", Datum::integer(1)),
               EInvalidOperation);
  EXPECT_THROW(document.set_value(document.root(), 0, Datum::ident("two words")),
               EInvalidOperation);
  EXPECT_THROW(document.set_value(document.root(), 0, Datum::set({"a", "b c"})), EInvalidOperation);
  EXPECT_THROW(document.set_value(document.root(), 0, Datum::string("\xFF")), EConvertError);
  EXPECT_THROW(document.set_value(document.root(), 1, Datum::integer(1)), EListError);
  EXPECT_THROW(document.remove_child(document.root(), 1), EListError);
  EXPECT_THROW(document.insert_property(document.root(), 2, "Top", Datum::integer(1)), EListError);
  EXPECT_EQ(document.write(), kMemo);
}

TEST(DfmEdit, UntouchedTextKeepsItsOddities) {
  const std::string form = "\xEF\xBB\xBFobject A: TA\r\n  X  =  1   \n  Y = 2\r  Z = 3\r\nend";
  EXPECT_EQ(edited(form, [](Document& d) { d.set_value(d.root(), 1, Datum::integer(5)); }),
            "\xEF\xBB\xBFobject A: TA\r\n  X  =  1   \n  Y = 5\r  Z = 3\r\nend");
}

TEST(DfmEdit, NewLinesUseTheFilesLineBreakAndBomChoice) {
  EXPECT_EQ(edited("object A: TA\r  Left = 1\rend\r",
                   [](Document& d) { d.insert_property(d.root(), 1, "Top", Datum::integer(2)); }),
            "object A: TA\r  Left = 1\r  Top = 2\rend\r");
  EXPECT_EQ(edited("\xEF\xBB\xBFobject A: TA\nend\n", [](Document& d) { d.flavour().bom = false; }),
            "object A: TA\nend\n");
  EXPECT_EQ(edited("object A: TA\nend\n", [](Document& d) { d.flavour().bom = true; }),
            "\xEF\xBB\xBFobject A: TA\nend\n");
}

TEST(DfmEdit, NameSpelledWithBlanksSurvivesAnEditOfItsValue) {
  EXPECT_EQ(edited("object A: TA\n  Font . Size = 8\nend\n",
                   [](Document& d) { d.set_property(d.root(), "font.size", Datum::integer(10)); }),
            "object A: TA\n  Font . Size = 10\nend\n");
}

TEST(DfmEdit, NodesNextToAnEditKeepTheirSpellingAndPlace) {
  // The name written with blanks takes over the removed property's line.
  Document document = Document::parse("object A: TA\n  X = 1 Font . Size = 8\n  Y = 2\nend\n", "form.dfm");
  document.remove_property(document.root(), 0);
  EXPECT_EQ(document.write(), "object A: TA\n  Font . Size = 8\n  Y = 2\nend\n");
  ASSERT_NE(document.root().find_property("font.size"), nullptr);
  EXPECT_EQ(document.location(document.root().properties[0].value.text()).line, 2u);
  // A property whose line stays keeps its place in the file for messages.
  document.remove_property(document.root(), 0);
  EXPECT_EQ(document.write(), "object A: TA\n  Y = 2\nend\n");
  Location where = document.location(document.root().properties[0].name());
  EXPECT_EQ(where.line, 3u);
  EXPECT_EQ(where.column, 3u);
}

TEST(DfmEdit, ContainersGrowAndShrinkOneNodeAtATime) {
  Document document = Document::parse("object A: TA\n  Last = 0\n  object B: TB\n  end\nend\n", "form.dfm");
  std::string expected;
  // Names are built by appending: g++ 12 at -O3 misreads "literal" + string as an overlapping copy.
  auto numbered = [](std::string prefix, int i) { return prefix.append(std::to_string(i)); };
  for (int i = 1; i <= 100; ++i) {
    std::string name = numbered("P", i);
    document.insert_property(document.root(), 0, name, Datum::integer(i));
    expected = numbered("\n  " + name + " = ", i).append(expected);
  }
  for (int i = 0; i < 50; ++i) document.insert_child(document.root(), 0, "TC", numbered("C", i));
  for (int i = 0; i < 50; ++i) document.remove_child(document.root(), 0);
  for (int i = 0; i < 50; ++i) document.remove_property(document.root(), 50);
  const Object& root = document.root();
  ASSERT_EQ(root.properties.size(), 51u);
  EXPECT_EQ(root.properties[0].name(), "P100");
  EXPECT_EQ(root.properties[49].name(), "P51");
  EXPECT_EQ(root.properties[50].name(), "Last");
  EXPECT_EQ(document.as_integer(root.properties[49].value), 51);
  ASSERT_EQ(root.children.size(), 1u);
  EXPECT_EQ(root.children[0].name(), "B");
  expected = expected.substr(0, expected.find("\n  P50 ="));
  EXPECT_EQ(document.write(), "object A: TA" + expected + "\n  Last = 0\n  object B: TB\n  end\nend\n");
}

TEST(DfmEdit, MovedDocumentKeepsItsTreeAndEdits) {
  Document first = Document::parse(kMemo, "form.dfm");
  first.rename(first.root(), "Main");
  Document second = std::move(first);
  second.remove_child(second.root(), 0);
  EXPECT_EQ(second.write(), "object Main: TForm1\r\n  Left=8\r\nend\r\n");
}

// Children on odd lines: some share a line with what stands before them, one file ends
// without a line break after the last "end".
const std::string kSiblings =
    "object F: TF\r\n"
    "  object A: TA\r\n"
    "  end\r\n"
    "  object B: TB\r\n"
    "  end object C: TC end\r\n"
    "  object D: TD\r\n"
    "    Tag = 1\r\n"
    "  end\r\n"
    "  object E: TE\r\n"
    "  end\r\n"
    "end";

TEST(DfmEdit, RemovingManyChildrenAtOnceEqualsRemovingThemOneByOne) {
  for (const std::vector<std::size_t>& indexes :
       std::vector<std::vector<std::size_t>>{{0}, {1, 2}, {2, 3}, {0, 2, 4}, {4}, {3, 4}, {0, 1, 2, 3, 4}, {}}) {
    std::string one_by_one = edited(kSiblings, [&](Document& d) {
      for (std::size_t i = indexes.size(); i-- > 0;) d.remove_child(d.root(), indexes[i]);
    });
    EXPECT_EQ(edited(kSiblings, [&](Document& d) { d.remove_children(d.root(), indexes); }), one_by_one)
        << "removing " << indexes.size() << " children";
  }
  Document document = Document::parse(kSiblings, "form.dfm");
  EXPECT_THROW(document.remove_children(document.root(), {5}), EListError);
  EXPECT_THROW(document.remove_children(document.root(), {2, 1}), EListError);
  EXPECT_EQ(document.write(), kSiblings);  // a refused edit changes nothing
}

TEST(DfmEdit, InsertingManyChildrenAtOnceEqualsInsertingThemOneByOne) {
  using Plan = std::vector<std::pair<std::size_t, std::string>>;
  for (const Plan& plan : {Plan{{0, "X"}}, Plan{{2, "X"}, {2, "Y"}}, Plan{{3, "X"}, {5, "Y"}}, Plan{{5, "X"}},
                           Plan{{0, "X"}, {1, "Y"}, {5, "Z"}}}) {
    std::string one_by_one = edited(kSiblings, [&](Document& d) {
      // Last first: each goes before those after it at its own index.
      for (std::size_t i = plan.size(); i-- > 0;) {
        Object& child = d.insert_child(d.root(), plan[i].first, "T" + plan[i].second, plan[i].second);
        d.insert_property(child, 0, "Tag", Datum::integer(7));
      }
    });
    EXPECT_EQ(edited(kSiblings,
                     [&](Document& d) {
                       std::vector<std::pair<std::size_t, Object>> inserts;
                       for (const auto& [index, name] : plan) {
                         Object child = d.make_child(d.root(), "T" + name, name);
                         d.insert_property(child, 0, "Tag", Datum::integer(7));
                         inserts.emplace_back(index, std::move(child));
                       }
                       d.insert_children(d.root(), std::move(inserts));
                     }),
              one_by_one);
  }
  Document document = Document::parse(kSiblings, "form.dfm");
  std::vector<std::pair<std::size_t, Object>> late;
  late.emplace_back(6, document.make_child(document.root(), "TX", "X"));
  EXPECT_THROW(document.insert_children(document.root(), std::move(late)), EListError);
}

}  // namespace
}  // namespace vcl::dfm
