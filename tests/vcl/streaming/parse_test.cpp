// Reading text forms: the tree, decoded values, lossless bytes and positioned errors.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "vcl/streaming/dfm_text.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

Document read(std::string text, std::string name = "form.dfm") {
  return Document::parse(std::move(text), std::move(name));
}

// The message of the EReadError that reading `text` raises.
std::string read_error(std::string text) {
  try {
    read(std::move(text));
  } catch (const EReadError& error) {
    return error.what();
  }
  return "no error";
}

const char* const kForm =
    "object Form1: TForm1\r\n"
    "  Left = -8\r\n"
    "  Tag = $7FFF\r\n"
    "  Big = 9223372036854775807\r\n"
    "  Ratio = 2.500000000000000000\r\n"
    "  Price = 12345c\r\n"
    "  Font.Style = [fsBold, fsItalic]\r\n"
    "  Empty = []\r\n"
    "  Caption = 'It'#39's'#13#10'done' +\r\n"
    "    ' here'\r\n"
    "  DataSource = DM.dsCustomers\r\n"
    "  Visible = True\r\n"
    "  DesignSize = (\r\n"
    "    320\r\n"
    "    (1 'two'))\r\n"
    "  Glyph.Data = {\r\n"
    "    0A0B 0c\r\n"
    "    FF}\r\n"
    "  Columns = <\r\n"
    "    item\r\n"
    "      Width = 64\r\n"
    "    end\r\n"
    "    item [3]\r\n"
    "      Nested = <>\r\n"
    "    end>\r\n"
    "  object Label1: TLabel\r\n"
    "    Caption = ''\r\n"
    "  end\r\n"
    "end\r\n";

TEST(DfmParse, BuildsTheTreeAndDecodesEveryKindOfValue) {
  Document document = read(kForm);
  const Object& root = document.root();
  EXPECT_EQ(root.name(), "Form1");
  EXPECT_EQ(root.class_name(), "TForm1");
  ASSERT_EQ(root.properties.size(), 13u);
  auto value = [&](std::string_view name) -> const Value& {
    const Property* property = root.find_property(name);
    EXPECT_NE(property, nullptr) << name;
    return property->value;
  };
  EXPECT_EQ(document.as_integer(value("left")), -8);
  EXPECT_EQ(document.as_integer(value("Tag")), 0x7FFF);
  EXPECT_EQ(document.as_integer(value("Big")), INT64_MAX);
  EXPECT_EQ(document.as_float(value("Ratio")).value, 2.5L);
  EXPECT_EQ(value("Ratio").text(), "2.500000000000000000");
  Float price = document.as_float(value("Price"));
  EXPECT_EQ(price.suffix, FloatSuffix::Currency);
  EXPECT_EQ(price.value, 1.2345L);
  EXPECT_THAT(document.as_set(value("Font.Style")), ElementsAre("fsBold", "fsItalic"));
  EXPECT_TRUE(document.as_set(value("Empty")).empty());
  EXPECT_EQ(document.as_string(value("Caption")), "It's\r\ndone here");
  EXPECT_EQ(document.as_ident(value("DataSource")), "DM.dsCustomers");
  EXPECT_EQ(document.as_ident(value("Visible")), "True");
  EXPECT_EQ(document.as_binary(value("Glyph.Data")), std::string("\x0A\x0B\x0C\xFF", 4));

  const Value& design = value("DesignSize");
  ASSERT_EQ(design.items().size(), 2u);
  EXPECT_EQ(design.items()[1].kind, ValueKind::List);
  EXPECT_EQ(
      document.decode(design),
      Datum::list({Datum::integer(320), Datum::list({Datum::integer(1), Datum::string("two")})}));

  const Value& columns = value("Columns");
  ASSERT_EQ(columns.entries().size(), 2u);
  EXPECT_FALSE(columns.entries()[0].position.has_value());
  EXPECT_EQ(columns.entries()[1].position, 3);
  EXPECT_EQ(columns.entries()[1].properties[0].value.kind, ValueKind::Collection);

  ASSERT_EQ(root.children.size(), 1u);
  EXPECT_EQ(root.children[0].level, 1u);
  EXPECT_EQ(document.as_string(root.find_child("label1")->properties[0].value), "");
  EXPECT_EQ(document.write(), kForm);
}

TEST(DfmParse, ValueOfTheWrongKindIsAPositionedError) {
  Document document = read("object A: TA\n  Caption = 12\nend\n", "a.dfm");
  EXPECT_EQ(document.location(document.root().properties[0].value.text()).line, 2u);
  EXPECT_THROW(
      {
        try {
          document.as_string(document.root().properties[0].value);
        } catch (const EReadError& error) {
          EXPECT_STREQ(error.what(), "a.dfm:2:13: string value expected");
          throw;
        }
      },
      EReadError);
}

TEST(DfmParse, ReadsEveryFormOfObjectHeader) {
  Document document = read(
      "INHERITED Form2: TForm2\n"
      "  object TLabel\n  END\n"
      "  inline Frame1: TFrame1 [0]\n  end\n"
      "  Object Image1: TImage[2]\n  end\n"
      "  object Grid: Vcl.Grids.TStringGrid\n  end\n"
      "End");
  const Object& root = document.root();
  EXPECT_EQ(root.kind, ObjectKind::Inherited);
  ASSERT_EQ(root.children.size(), 4u);
  EXPECT_EQ(root.children[0].name(), "");
  EXPECT_EQ(root.children[0].class_name(), "TLabel");
  EXPECT_EQ(root.children[1].kind, ObjectKind::Inline);
  EXPECT_EQ(root.children[1].position, 0);
  EXPECT_EQ(root.children[1].position_text(), " [0]");
  EXPECT_EQ(root.children[2].position, 2);
  EXPECT_EQ(root.children[3].class_name(), "Vcl.Grids.TStringGrid");
}

TEST(DfmParse, DottedNamesMayHaveBlanksAroundTheirDots) {
  const std::string text = "object A: TA\n  Font . Name = 'Arial'\nend\n";
  Document document = read(text);
  EXPECT_EQ(document.root().properties[0].name(), "Font.Name");
  EXPECT_NE(document.root().find_property("FONT.NAME"), nullptr);
  EXPECT_EQ(document.write(), text);
}

TEST(DfmParse, EveryByteBelow33IsBlank) {
  const std::string text =
      std::string("object\tA:\x01TA\x1F\n") + '\0' + "Left\v=\f1\x02" + '\0' + "end";
  Document document = read(text);
  EXPECT_EQ(document.as_integer(document.root().properties[0].value), 1);
  EXPECT_EQ(document.write(), text);
}

TEST(DfmParse, LongRunsOfBlanksEndAtTheFirstOtherByte) {
  const std::string indent(37, ' ');
  const std::string text = "object A: TA\r\n" + indent + '\t' + '\0' + indent + "Left = 1\r\n" + indent +
                           "Caption = \xC3\xA9\r\n" + indent + "end";
  Document document = read(text);
  EXPECT_EQ(document.root().properties[0].name(), "Left");
  EXPECT_EQ(document.root().properties[1].leading(), "\r\n" + indent);
  EXPECT_EQ(document.root().properties[1].value.text(), "\xC3\xA9");
  EXPECT_EQ(document.write(), text);
  EXPECT_EQ(read_error("object A: TA\n" + indent + "%\nend"), "form.dfm:2:38: property name or 'end' expected");
  EXPECT_EQ(read_error("object A: TA\n  Left = " + indent), "form.dfm:2:47: unexpected end of file, property value expected");
}

TEST(DfmParse, KeywordsAreWholeWordsInAnyCase) {
  Document document = read(
      "object A: TA\n  Eng = 1\n  Objekt = 2\n  Inlined = 3\n  Inheritor = 4\n  Ends = 5\n"
      "  OBJECT B: TB\n    Inherited_ = 6\n  END\n  Inline C: TC\n  eNd\n  INHERITED D: TD\n  end\nEnd");
  const Object& root = document.root();
  ASSERT_EQ(root.properties.size(), 5u);
  EXPECT_EQ(root.properties[4].name(), "Ends");
  ASSERT_EQ(root.children.size(), 3u);
  EXPECT_EQ(root.children[0].properties[0].name(), "Inherited_");
  EXPECT_EQ(root.children[1].kind, ObjectKind::Inline);
  EXPECT_EQ(root.children[2].kind, ObjectKind::Inherited);
  EXPECT_EQ(read_error("object A: TA\n  object B: TB\n  end\n  Left = 1\nend"), "form.dfm:4:3: 'end' expected");
}

TEST(DfmParse, KeepsEveryByteOfUnusualFiles) {
  for (std::string text : {
           std::string("\xEF\xBB\xBFobject A: TA\r\nend\r\n"),
           std::string("object A: TA\r\n  Left = 1   \nend"),
           std::string("object A: TA\r\n  Left = 1\r\nend\r"),
           std::string("\n\n  object A: TA\n\n\n  end  \n\n"),
       }) {
    EXPECT_EQ(read(text).write(), text);
  }
  EXPECT_TRUE(read("\xEF\xBB\xBFobject A: TA\r\nend\r\n").flavour().bom);
}

TEST(DfmParse, FloatsKeepTheirSpellingAndSuffix) {
  Document document =
      read("object A: TA\n  S = 1.5s\n  D = 36892.4147108796D\n  E = -1.5E+3\n  P = 5s\nend\n");
  const auto& properties = document.root().properties;
  EXPECT_EQ(document.as_float(properties[0].value).suffix, FloatSuffix::Single);
  EXPECT_EQ(document.as_float(properties[1].value).suffix, FloatSuffix::Date);
  EXPECT_EQ(properties[1].value.text(), "36892.4147108796D");
  EXPECT_EQ(document.as_float(properties[2].value).value, -1500.0L);
  EXPECT_EQ(properties[3].value.kind, ValueKind::Float);
  EXPECT_FALSE(document.flavour().fixed_floats);
}

TEST(DfmParse, IntegersOutsideSixtyFourBitsAreErrors) {
  EXPECT_EQ(read("object A: TA\n  X = -9223372036854775808\nend").root().properties[0].value.kind,
            ValueKind::Integer);
  EXPECT_EQ(read_error("object A: TA\n  X = 9223372036854775808\nend"),
            "form.dfm:2:7: integer out of range");
  EXPECT_EQ(read_error("object A: TA\n  X = $10000000000000000\nend"),
            "form.dfm:2:7: integer out of range");
  Document hex = read("object A: TA\n  X = $FFFFFFFFFFFFFFFF\nend");
  EXPECT_EQ(hex.as_integer(hex.root().properties[0].value), -1);
  Document edges = read(
      "object A: TA\n  A = -9223372036854775808\n  B = 999999999999999999\n  C = 1000000000000000000\n"
      "  D = 00000000000000000000042\n  E = 0\nend");
  auto integer = [&edges](std::size_t i) { return edges.as_integer(edges.root().properties[i].value); };
  EXPECT_EQ(integer(0), INT64_MIN);
  EXPECT_EQ(integer(1), 999999999999999999);
  EXPECT_EQ(integer(2), 1000000000000000000);
  EXPECT_EQ(integer(3), 42);
  EXPECT_EQ(integer(4), 0);
  EXPECT_EQ(read_error("object A: TA\n  X = 99999999999999999999\nend"), "form.dfm:2:7: integer out of range");
}

TEST(DfmParse, MalformedInputNamesFileLineAndColumn) {
  EXPECT_EQ(read_error(""),
            "form.dfm:1:1: unexpected end of file, 'object', 'inherited' or 'inline' expected");
  EXPECT_EQ(read_error("form A: TA\nend"),
            "form.dfm:1:1: 'object', 'inherited' or 'inline' expected");
  EXPECT_EQ(read_error("object A: TA\r\n  Left 1\r\nend"), "form.dfm:2:8: '=' expected");
  EXPECT_EQ(read_error("object A: TA\r  Caption = 'abc\r  end"),
            "form.dfm:2:13: unterminated string");
  EXPECT_EQ(read_error("object A: TA\n  Caption = 'a' +\n  Left = 1\nend"),
            "form.dfm:3:3: string after '+' expected");
  EXPECT_EQ(read_error("object A: TA\n  Left = 1.2.3\nend"),
            "form.dfm:2:10: invalid floating-point number");
  EXPECT_EQ(read_error("object A: TA\n  Left = %\nend"), "form.dfm:2:10: invalid property value");
  EXPECT_EQ(read_error("object A: TA\n  Data = {ABC}\nend"), "form.dfm:2:13: invalid binary data");
  EXPECT_EQ(read_error("object A: TA\n  C = #65536\nend"),
            "form.dfm:2:7: character code out of range");
  EXPECT_EQ(read_error("object A: TA\n  S = [a b]\nend"), "form.dfm:2:10: ',' or ']' expected");
  EXPECT_EQ(read_error("object A: TA\n  C = <\n    thing\n  >\nend"),
            "form.dfm:3:5: 'item' or '>' expected");
  EXPECT_EQ(read_error("object A: TA\n  object B: TB\n  end\n  Left = 1\nend"),
            "form.dfm:4:3: 'end' expected");
  EXPECT_EQ(read_error("object A: TA\n  Left = 1\n"),
            "form.dfm:3:1: unexpected end of file, property name or 'end' expected");
  EXPECT_EQ(read_error("object A: TA\nend\nobject B: TB\nend\n"),
            "form.dfm:3:1: end of file expected after the root object");
  EXPECT_EQ(read_error("object A: TA\n  L = (1 2\nend"),
            "form.dfm:3:4: unexpected end of file, ')' expected");
}

std::string nested_objects(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "object TA\n";
  for (int i = 0; i < depth; ++i) text += "end\n";
  return text;
}

TEST(DfmParse, NestingIsLimitedWithoutExhaustingTheStack) {
  EXPECT_EQ(read(nested_objects(1000)).write(), nested_objects(1000));
  EXPECT_THAT(read_error(nested_objects(1001)),
              HasSubstr("form.dfm:1001:1: nesting deeper than 1000 levels"));
  EXPECT_THAT(read_error(nested_objects(200000)), HasSubstr("nesting deeper than 1000 levels"));
  const std::string lists = "object A: TA\n  L = " + std::string(100000, '(') + "\nend";
  EXPECT_THAT(read_error(lists), HasSubstr("nesting deeper than 1000 levels"));
  std::string collections = "object A: TA\n  C = ";
  for (int i = 0; i < 5000; ++i) collections += "<item X = ";
  EXPECT_THAT(read_error(collections), HasSubstr("nesting deeper than 1000 levels"));
}

}  // namespace
}  // namespace vcl::dfm
