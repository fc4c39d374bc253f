// The tree's nodes at the edges of what they hold in place: long leading texts, names, values
// and headers, and edits beside them, read, found and written back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "vcl/streaming/dfm_text.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {
namespace {

// A quoted string of `size` characters in all, quotes included.
std::string quoted(std::size_t size) {
  std::string text(size, 'x');
  text.front() = text.back() = '\'';
  return text;
}

TEST(DfmNodes, PiecesOfAnySizeAreFoundAndWrittenBack) {
  const std::string long_name = "Font." + std::string(300, 'N');
  const std::string text = "object A: TA\n" +
                           std::string(300, '\n') + "  Left = 1\n" +        // long leading text
                           "  " + long_name + " = 2\n" +                    // long name
                           "  S255 = " + quoted(255) + "\n" +               // the longest kept in place
                           "  S256 = " + quoted(256) + "\n" +               // the shortest kept apart
                           "  Gap =" + std::string(300, ' ') + "3\n" +      // long prefix
                           "  Lines = (\n    " + quoted(400) + "\n    'b')\n" +
                           "  object" + std::string(300, ' ') + "B" + std::string(300, ' ') + ":" +
                           std::string(300, ' ') + "TB [1]\n  end\nend\n";
  Document document = Document::parse(text, "a.dfm");
  const Object& root = document.root();
  ASSERT_EQ(root.properties.size(), 6u);
  EXPECT_EQ(root.properties[0].leading(), std::string(301, '\n') + "  ");
  EXPECT_EQ(root.properties[0].name(), "Left");
  EXPECT_EQ(root.properties[1].name(), long_name);
  EXPECT_EQ(document.as_integer(root.properties[1].value), 2);
  EXPECT_EQ(root.properties[2].value.text(), quoted(255));
  EXPECT_EQ(root.properties[3].value.text(), quoted(256));
  EXPECT_EQ(document.as_string(root.properties[3].value), std::string(254, 'x'));
  EXPECT_EQ(root.properties[4].value.prefix(), " =" + std::string(300, ' '));
  EXPECT_EQ(document.as_integer(root.properties[4].value), 3);
  ASSERT_EQ(root.properties[5].value.items().size(), 2u);
  EXPECT_EQ(root.properties[5].value.items()[0].text(), quoted(400));
  EXPECT_EQ(root.properties[5].value.items()[1].prefix(), "\n    ");
  const Object& child = root.children[0];
  EXPECT_EQ(child.gap(), std::string(300, ' '));
  EXPECT_EQ(child.name(), "B");
  EXPECT_EQ(child.colon(), std::string(300, ' ') + ":" + std::string(300, ' '));
  EXPECT_EQ(child.class_name(), "TB");
  EXPECT_EQ(child.position_text(), " [1]");
  EXPECT_EQ(child.position, 1);
  EXPECT_EQ(document.location(root.properties[3].value.text()).line, 305u);
  EXPECT_EQ(document.location(child.name()).line, 310u);
  EXPECT_EQ(document.write(), text);
}

TEST(DfmNodes, DeepNestingKeepsEveryLeadingText) {
  std::string text;
  const int depth = 200;  // leading texts of 400 blanks and more
  for (int i = 0; i < depth; ++i) text += std::string(2 * i, ' ') + "object O: T\n" + std::string(2 * i + 2, ' ') + "V = 'v'\n";
  for (int i = depth - 1; i >= 0; --i) text += std::string(2 * i, ' ') + "end\n";
  Document document = Document::parse(text, "deep.dfm");
  const Object* object = &document.root();
  for (int i = 1; i < depth; ++i) object = &object->children[0];
  EXPECT_EQ(object->level, static_cast<std::uint32_t>(depth - 1));
  EXPECT_EQ(object->leading(), "\n" + std::string(2 * depth - 2, ' '));
  EXPECT_EQ(object->properties[0].leading().size(), 2u * depth + 1);
  EXPECT_EQ(object->end_leading(), "\n" + std::string(2 * depth - 2, ' '));
  EXPECT_EQ(document.write(), text);
}

TEST(DfmNodes, AValueOfTheWrongKindKeptApartIsStillAPositionedError) {
  const std::string text = "object A: TA\n  Caption = " + quoted(300) + "\n  Font . Size = 'x'\nend\n";
  Document document = Document::parse(text, "a.dfm");
  try {
    document.as_integer(document.root().properties[0].value);
    ADD_FAILURE() << "no error";
  } catch (const EReadError& error) {
    EXPECT_STREQ(error.what(), "a.dfm:2:13: integer value expected");
  }
  try {
    document.as_integer(document.root().properties[1].value);
    ADD_FAILURE() << "no error";
  } catch (const EReadError& error) {
    EXPECT_STREQ(error.what(), "a.dfm:3:17: integer value expected");
  }
}

TEST(DfmNodes, EditsBesideLongPiecesKeepThem) {
  const std::string long_name = "Font." + std::string(300, 'N');
  Document document = Document::parse("object A: TA\n  X = 1\n  " + long_name + " = 2\n  Y = " + quoted(300) +
                                          "\nend\n",
                                      "a.dfm");
  Object& root = document.root();
  document.set_value(root, 1, Datum::integer(5));
  document.remove_property(root, 0);
  document.set_value(root, 1, Datum::string("short"));
  EXPECT_EQ(root.properties[0].name(), long_name);
  EXPECT_EQ(document.as_integer(root.properties[0].value), 5);
  EXPECT_EQ(document.write(), "object A: TA\n  " + long_name + " = 5\n  Y = 'short'\nend\n");
}

TEST(DfmNodes, AnObjectWhoseLeadingTextWasReplacedKeepsItsHeaderForLaterEdits) {
  // B shares the line of A's header; inserting before it gives B a new line and leading text.
  Document document = Document::parse("object A: TA object B: TB [2]\n  end\nend\n", "a.dfm");
  Object& root = document.root();
  document.insert_child(root, 0, "TC", "C");
  Object& b = root.children[1];
  EXPECT_EQ(b.leading(), "\n  ");
  EXPECT_EQ(b.name(), "B");
  document.rename(b, "B2");
  document.set_class(b, "TB2");
  EXPECT_EQ(b.header(), "object B2: TB2 [2]");
  EXPECT_EQ(b.position, 2);
  EXPECT_EQ(document.write(), "object A: TA\n  object C: TC\n  end\n  object B2: TB2 [2]\n  end\nend\n");
  document.rename(b, "");
  EXPECT_EQ(b.name(), "");
  EXPECT_EQ(b.class_name(), "TB2");
  EXPECT_EQ(document.write(), "object A: TA\n  object C: TC\n  end\n  object TB2 [2]\n  end\nend\n");
}

TEST(DfmNodes, ThousandsOfSiblingsInOneContainer) {
  std::string text = "object A: TA\n";
  for (int i = 0; i < 5000; ++i) text += "  object B" + std::to_string(i) + ": TB\n    Tag = " + std::to_string(i) + "\n  end\n";
  text += "end\n";
  Document document = Document::parse(text, "a.dfm");
  Object& root = document.root();
  ASSERT_EQ(root.children.size(), 5000u);
  EXPECT_EQ(root.children[4999].name(), "B4999");
  EXPECT_EQ(document.as_integer(root.children[4321].properties[0].value), 4321);
  EXPECT_EQ(document.write(), text);
  std::vector<std::size_t> odd;
  for (std::size_t i = 1; i < 5000; i += 2) odd.push_back(i);
  document.remove_children(root, odd);
  ASSERT_EQ(root.children.size(), 2500u);
  EXPECT_EQ(root.children[1].name(), "B2");
  EXPECT_EQ(document.as_integer(root.children[2499].properties[0].value), 4998);
}

}  // namespace
}  // namespace vcl::dfm
