// Binary forms built byte by byte: every value type, object prefixes, exact floats, the
// encodings of edited and new values, and damaged streams.
#include <gtest/gtest.h>

#include <cstring>

#include "vcl/streaming/dfm_binary.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {
namespace {

// Builds a component stream.
struct Stream {
  std::string bytes = "TPF0";

  Stream& raw(std::string_view data) {
    bytes += data;
    return *this;
  }
  Stream& byte(unsigned value) {
    bytes += static_cast<char>(value);
    return *this;
  }
  Stream& le(std::uint64_t value, unsigned size) {
    for (unsigned i = 0; i < size; ++i) byte(static_cast<unsigned char>(value >> (8 * i)));
    return *this;
  }
  Stream& str(std::string_view text) { return byte(static_cast<unsigned>(text.size())).raw(text); }
  Stream& object(std::string_view class_name, std::string_view name) { return str(class_name).str(name); }
  Stream& prop(std::string_view name) { return str(name); }
  Stream& end() { return byte(0); }

  // The stream under a resource header naming `class_name`.
  std::string resource(std::string_view class_name) const {
    std::string out = std::string("\xFF\x0A\x00", 3) + UpperCase(class_name) + '\0' + "\x30\x10";
    for (unsigned i = 0; i < 4; ++i) out += static_cast<char>(bytes.size() >> (8 * i));
    return out + bytes;
  }
};

std::string Extended(long double value) {
  char bytes[sizeof value] = {};
  std::memcpy(bytes, &value, sizeof value);
  return std::string(bytes, 10);
}

// Every value type a stream may hold, one property each.
Stream AllTags() {
  Stream s;
  s.object("TForm1", "Form1");
  s.prop("Null").byte(0);
  s.prop("List").byte(1).byte(2).byte(7).byte(6).str("two").byte(0);
  s.prop("I8").byte(2).byte(0x80);
  s.prop("I16").byte(3).le(0x8000, 2);
  s.prop("I32").byte(4).le(0x80000000u, 4);
  s.prop("Ext").byte(5).raw(Extended(1.0L + 0x1p-63L));
  s.prop("Str").byte(6).str("it's\r\n");
  s.prop("Id").byte(7).str("clBtnFace");
  s.prop("F").byte(8);
  s.prop("T").byte(9);
  s.prop("Bin").byte(10).le(3, 4).raw(std::string("\x00\xAB\xFF", 3));
  s.prop("Set").byte(11).str("fsBold").str("fsItalic").byte(0);
  s.prop("LStr").byte(12).le(300, 4).raw(std::string(300, 'x'));
  s.prop("Nil").byte(13);
  s.prop("Coll").byte(14).byte(2).byte(4).byte(1).prop("Width").byte(2).byte(50).byte(0).byte(1).byte(0).byte(0);
  s.prop("Sgl").byte(15).le(0x3FC00000, 4);                // 1.5
  s.prop("Cur").byte(16).le(125000, 8);                    // 12.5
  s.prop("Date").byte(17).le(0x40E21C2000000000ull, 8);    // 37089
  s.prop("WStr").byte(18).le(2, 4).le(0x0416, 2).le(0x00E9, 2);
  s.prop("I64").byte(19).le(0x100000000ull, 8);
  s.prop("Utf8").byte(20).le(3, 4).raw("\xD0\x96z");
  return s.end().end();
}

TEST(BinaryFormat, EveryValueTypeReadsAsItsText) {
  std::string bytes = AllTags().resource("TForm1");
  BinaryForm form = read_binary(bytes, "all.dfm");
  const Document& doc = form.document;
  EXPECT_EQ(doc.write(),
            "object Form1: TForm1\r\n"
            "  Null = Null\r\n"
            "  List = (\r\n    7\r\n    'two')\r\n"
            "  I8 = -128\r\n  I16 = -32768\r\n  I32 = -2147483648\r\n"
            "  Ext = 1.0000000000000000001\r\n"
            "  Str = 'it'#39's'#13#10\r\n"
            "  Id = clBtnFace\r\n  F = False\r\n  T = True\r\n"
            "  Bin = {00ABFF}\r\n"
            "  Set = [fsBold, fsItalic]\r\n"
            "  LStr = \r\n    '" + std::string(64, 'x') + "' +\r\n    '" + std::string(64, 'x') + "' +\r\n    '" +
                std::string(64, 'x') + "' +\r\n    '" + std::string(64, 'x') + "' +\r\n    '" + std::string(44, 'x') +
                "'\r\n"
            "  Nil = nil\r\n"
            "  Coll = <\r\n    item [4]\r\n      Width = 50\r\n    end\r\n    item\r\n    end>\r\n"
            "  Sgl = 1.5s\r\n  Cur = 125000c\r\n  Date = 37089.0d\r\n"
            "  WStr = #1046'\xE9'\r\n"
            "  I64 = 4294967296\r\n"
            "  Utf8 = #1046'z'\r\n"
            "end\r\n");
  const Object& root = doc.root();
  EXPECT_EQ(doc.as_float(root.find_property("Ext")->value).value, 1.0L + 0x1p-63L);
  EXPECT_EQ(doc.as_float(root.find_property("Cur")->value).value, 12.5L);
  EXPECT_EQ(doc.as_string(root.find_property("WStr")->value), "\xD0\x96\xC3\xA9");
  EXPECT_EQ(doc.as_binary(root.find_property("Bin")->value), std::string("\x00\xAB\xFF", 3));
  EXPECT_TRUE(write_binary(doc, form.origin.get()) == bytes);
}

// A fresh encoding matches the IDE's, except that a string's type follows its characters:
// String in the code page when they fit, WString otherwise.
TEST(BinaryFormat, EncodingAfreshPicksTheIdeEncodings) {
  std::string bytes = AllTags().resource("TForm1");
  BinaryForm form = read_binary(bytes, "all.dfm");
  std::string afresh = write_binary(form.document);
  std::string expected = bytes;
  std::size_t utf8 = expected.find(std::string("\x14\x03\x00\x00\x00\xD0\x96z", 8));
  ASSERT_NE(utf8, std::string::npos);
  expected.replace(utf8, 8, std::string("\x12\x02\x00\x00\x00\x16\x04z\x00", 9));
  expected[12] += 1;  // the resource size
  EXPECT_TRUE(afresh == expected);
  EXPECT_TRUE(write_binary(Document::parse(form.document.write(), "all.dfm")) == expected);
}

TEST(BinaryFormat, ObjectPrefixesAndChildPositions) {
  Stream s;
  s.byte(0xF1).object("TForm2", "Form2").end();
  s.byte(0xF3).byte(3).le(300, 2).object("TPanel", "P").end();
  s.byte(0xF4).object("TFrame1", "Frame").end().end().end();
  s.byte(0xF2).byte(2).byte(0).object("TImage", "").end().end();
  s.end();
  BinaryForm form = read_binary(s.bytes, "prefix.dfm");
  EXPECT_EQ(form.document.write(),
            "inherited Form2: TForm2\r\n"
            "  inherited P: TPanel [300]\r\n"
            "    inline Frame: TFrame1\r\n    end\r\n"
            "  end\r\n"
            "  object TImage [0]\r\n  end\r\n"
            "end\r\n");
  const Object& panel = form.document.root().children[0];
  EXPECT_EQ(panel.kind, ObjectKind::Inherited);
  EXPECT_EQ(panel.position, 300);
  EXPECT_TRUE(write_binary(form.document, form.origin.get()) == s.bytes) << "a bare stream stays bare";
  // Afresh, a position takes the smallest integer: 300 needs Int16 anyway.
  std::string afresh = write_binary(form.document);
  EXPECT_EQ(afresh.substr(afresh.find("TPF0")), s.bytes);
}

TEST(BinaryFormat, ExtendedFloatsSurviveTextExactly) {
  const long double values[] = {0.1L, -0.0L, 1e4932L, 0x1p-16382L /* smallest normal */,
                                3.14159265358979323846264338327950288L, 1.0L, 123456789.0L};
  for (long double value : values) {
    Stream s;
    s.object("TForm1", "Form1").prop("V").byte(5).raw(Extended(value)).end().end();
    SCOPED_TRACE(static_cast<double>(value));
    BinaryForm form = read_binary(s.bytes, "float.dfm");
    std::string text = form.document.write();
    std::string again = write_binary(Document::parse(text, "float.dfm"));
    EXPECT_EQ(again.substr(again.find("TPF0")), s.bytes) << text;
    EXPECT_EQ(Document::parse(text, "float.dfm").root().properties[0].value.kind, ValueKind::Float) << text;
  }
}

TEST(BinaryFormat, ChangedAndNewValuesTakeTheIdeEncodingOthersKeepTheirBytes) {
  Stream s;
  s.object("TForm1", "Form1");
  s.prop("Odd").byte(4).le(5, 4);  // an Int32 where the IDE writes Int8
  s.prop("Left").byte(2).byte(1);
  s.end().end();
  BinaryForm form = read_binary(s.resource("TForm1"), "edit.dfm");
  Document& doc = form.document;
  Object& root = doc.root();
  doc.set_property(root, "Left", Datum::integer(-129));
  doc.set_property(root, "Short", Datum::string(std::string(255, 'a')));
  doc.set_property(root, "Long", Datum::string(std::string(256, 'b')));
  doc.set_property(root, "Big", Datum::integer(32768));
  doc.set_property(root, "Huge", Datum::integer(-2147483649LL));
  doc.set_property(root, "Wide", Datum::string("\xD0\x96"));
  doc.set_property(root, "Flag", Datum::ident("true"));
  std::string out = write_binary(doc, form.origin.get());

  Stream expected;
  expected.object("TForm1", "Form1");
  expected.prop("Odd").byte(4).le(5, 4);
  expected.prop("Left").byte(3).le(static_cast<std::uint16_t>(-129), 2);
  expected.prop("Short").byte(6).str(std::string(255, 'a'));
  expected.prop("Long").byte(12).le(256, 4).raw(std::string(256, 'b'));
  expected.prop("Big").byte(4).le(32768, 4);
  expected.prop("Huge").byte(19).le(static_cast<std::uint64_t>(-2147483649LL), 8);
  expected.prop("Wide").byte(18).le(1, 4).le(0x416, 2);
  expected.prop("Flag").byte(9);
  expected.end().end();
  EXPECT_TRUE(out == expected.resource("TForm1")) << "the header's size follows the longer stream";
}

TEST(BinaryFormat, RenamingTheRootClassRenamesTheResource) {
  Stream s;
  s.object("TForm1", "Form1").end().end();
  BinaryForm form = read_binary(s.resource("TForm1"), "rename.dfm");
  form.document.set_class(form.document.root(), "TMainForm");
  form.document.rename(form.document.root(), "MainForm");
  Stream expected;
  expected.object("TMainForm", "MainForm").end().end();
  EXPECT_TRUE(write_binary(form.document, form.origin.get()) == expected.resource("TMainForm"));
}

TEST(BinaryFormat, TextFormsWriteAsTheIdeWritesThem) {
  Document doc = Document::parse(
      "object Form1: TForm1\r\n  Left = 200\r\n  Caption = 'Hi'\r\n  Ratio = 2.5\r\n"
      "  Items.Strings = (\r\n    'a')\r\n  object B: TButton\r\n    OnClick = BClick\r\n  end\r\nend\r\n",
      "text.dfm");
  Stream expected;
  expected.object("TForm1", "Form1");
  expected.prop("Left").byte(3).le(200, 2);
  expected.prop("Caption").byte(6).str("Hi");
  expected.prop("Ratio").byte(5).raw(Extended(2.5L));
  expected.prop("Items.Strings").byte(1).byte(6).str("a").byte(0);
  expected.end();
  expected.object("TButton", "B").prop("OnClick").byte(7).str("BClick").end().end();
  expected.end();
  EXPECT_TRUE(write_binary(doc) == expected.resource("TForm1"));
}

TEST(BinaryFormat, ValuesABinaryFormCannotHoldAreRefused) {
  Document doc = Document::parse("object F: TF\n  L = (\n    Null)\nend\n", "null.dfm");
  EXPECT_THROW(write_binary(doc), EWriteError) << "Null would end the list";
  Document long_name = Document::parse("object F: T" + std::string(300, 'x') + "\nend\n", "long.dfm");
  EXPECT_THROW(write_binary(long_name), EWriteError);
}

// The message of reading `bytes`, which must fail.
std::string ReadError(const std::string& bytes) {
  try {
    read_binary(bytes, "bad.dfm");
  } catch (const EReadError& error) {
    return error.what();
  }
  return "read without error";
}

TEST(BinaryFormat, DamagedStreamsAreRefusedWithTheOffset) {
  Stream good;
  good.object("TForm1", "Form1").prop("Caption").byte(6).str("Hello").end().end();
  // FF 0A 00 "TFORM1" 00, the flags at 10, the size at 12, the stream from 16.
  std::string resource = good.resource("TForm1");
  EXPECT_EQ(ReadError(resource + "x"),
            "bad.dfm: offset 12: the resource header gives a size of 34 bytes but 35 follow");
  EXPECT_EQ(ReadError(resource.substr(0, 30)),
            "bad.dfm: offset 12: the resource header gives a size of 34 bytes but 14 follow");
  EXPECT_EQ(ReadError(good.bytes + "x"), "bad.dfm: offset 34: 1 unexpected bytes after the end of the root object");

  std::string bytes = good.bytes;
  bytes[26] = 40;  // the string's length
  EXPECT_EQ(ReadError(bytes), "bad.dfm: offset 27: a string needs 40 bytes but the form ends after 7");
  bytes = good.bytes;
  bytes[25] = 22;
  EXPECT_EQ(ReadError(bytes), "bad.dfm: offset 25: unknown value type 22");
  bytes[25] = 21;
  EXPECT_NE(ReadError(bytes).find("offset 25: value type 21 means a Double to some writers"), std::string::npos);
  EXPECT_EQ(ReadError(good.bytes.substr(0, good.bytes.size() - 1)),
            "bad.dfm: offset 33: the form ends before the end of the list of child objects");
  EXPECT_EQ(ReadError("TPF0\x06TForm1\x05" "Form1\x05" "Cap\ntion\x06\x00\x00\x00"),
            "bad.dfm: offset 17: the property name 'Cap#10t' is not a valid identifier");
  EXPECT_EQ(ReadError("\xFF\x0B"), "bad.dfm: offset 1: the resource type must be 10 (raw data)");
  EXPECT_EQ(ReadError(std::string("\xFF\x0A\x00TFORM1", 9)), "bad.dfm: offset 3: the resource name has no end");
  EXPECT_EQ(ReadError("TPF1"), "bad.dfm: offset 0: the component stream does not start with TPF0");

  Stream nan;
  long double not_a_number = __builtin_nanl("");
  nan.object("TForm1", "Form1").prop("V").byte(5).raw(Extended(not_a_number)).end().end();
  EXPECT_EQ(ReadError(nan.bytes), "bad.dfm: offset 19: the Extended float is not a finite number");
  Stream tiny;
  tiny.object("TForm1", "Form1").prop("V").byte(5).raw(Extended(0x1p-16400L)).end().end();
  EXPECT_EQ(ReadError(tiny.bytes), "bad.dfm: offset 19: the float is too small to be written as text");
}

TEST(BinaryFormat, DeepNestingIsRefusedNotOverflowed) {
  Stream s;
  s.object("TForm1", "Form1").prop("L");
  for (int i = 0; i < 5000; ++i) s.byte(1);
  EXPECT_NE(ReadError(s.bytes).find("nesting deeper than"), std::string::npos);
}

TEST(BinaryFormat, FormsAreToldApartByTheirFirstBytes) {
  EXPECT_TRUE(is_binary_form("TPF0"));
  EXPECT_TRUE(is_binary_form("\xFF\x0A"));
  EXPECT_FALSE(is_binary_form("object Form1: TForm1"));
  EXPECT_FALSE(is_binary_form("TPF"));
}

}  // namespace
}  // namespace vcl::dfm
