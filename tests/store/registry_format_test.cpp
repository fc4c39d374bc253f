// The registry file's text: what is written, what is read, and what is refused.
#include "ide/registry_format.h"
#include "store_fixture.h"
#include "vcl/strings.h"

using host::TRegIniFile;
using host::TRegistryValue;
using namespace store_test;
using namespace std::string_literals;

namespace {

const std::string kKey = "HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t";

std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}


}  // namespace

TEST_F(StoreTest, WritesTheExportFormatWithEscapes) {
  TRegIniFile store(kRoot);
  store.WriteString("", "Multi-line", "1");
  store.WriteString("Align\\TPanel", "Columns", "2");
  store.WriteString("", "Path \"quoted\"", "C:\\Temp\\\"x\"");
  store.WriteString("", "", "unnamed");
  store.WriteString("", "Lines", "one\r\ntwo");
  store.WriteString("", "Umlaut", "Größe");
  EXPECT_EQ(ReadFile(), kHeader + "\n" + kRootKey +
                            "\n"
                            "\"Multi-line\"=\"1\"\n"
                            "\"Path \\\"quoted\\\"\"=\"C:\\\\Temp\\\\\\\"x\\\"\"\n"
                            "@=\"unnamed\"\n"
                            "\"Lines\"=\"one\\r\\ntwo\"\n"
                            "\"Umlaut\"=\"Größe\"\n"
                            "\n[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t\\Align\\TPanel]\n"
                            "\"Columns\"=\"2\"\n");
}

TEST(RegistryFormat, WhatIsWrittenParsesBackUnchanged) {
  ide::RegistryTree tree;
  const std::string awkward[] = {"", "\\", "\"", "a\\\"b", "\\n", "line\nbreak\r", "ä€😀", "=;[x]@"};
  for (const auto& text : awkward) tree.SetValue(kKey, "name " + text, {TRegistryValue::Kind::String, text, 0});
  tree.SetValue(kKey, "", {TRegistryValue::Kind::String, "default", 0});
  tree.SetValue(kKey + "\\Sub", "Number", {TRegistryValue::Kind::DWord, {}, 0xFFFFFFFF});
  tree.SetValue(kKey + "\\Sub", "Binary", {TRegistryValue::Kind::Other, "hex:00,ff", 0});
  const std::string text = ide::FormatRegistryText(tree);
  const ide::RegistryTree parsed = ide::ParseRegistryText(text, "registry.reg");
  EXPECT_EQ(ide::FormatRegistryText(parsed), text);
  for (const auto& value : awkward) {
    const TRegistryValue* found = parsed.FindValue(kKey, "NAME " + value);
    ASSERT_NE(found, nullptr) << value;
    EXPECT_EQ(found->text, value);
  }
  EXPECT_EQ(parsed.FindValue(kKey + "\\sub", "number")->dword, 0xFFFFFFFFu);
}

TEST_F(StoreTest, ReadsOlderFormsAndTypedValues) {
  PutFile(
      "REGEDIT4\r\n"
      "\r\n"
      "; written by hand\r\n"
      "[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t]\r\n"
      "\"Columns\"=dword:0000000c\r\n"
      "\"Negative\"=DWORD:FFFFFFFF\r\n"
      "\"Multi-line\"=dword:00000001\r\n"
      "  \"Spaced\" = \"text\"  \r\n"
      "\"Blob\"=hex:01,02,\\\r\n"
      "  03,04\r\n"
      "@=\"default\"\r\n"
      "\r\n"
      "[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t\\Gone]\r\n"
      "\"x\"=\"1\"\r\n"
      "[-HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t\\Gone]\r\n"
      "[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t\\Prefix]\r\n"
      "\"TPanel\"=\"pnl\"\r\n"
      "\"TEdit\"=\"edt\"\r\n"
      "\"TPanel\"=-\r\n");
  TRegIniFile store(kRoot);
  EXPECT_EQ(store.ReadInteger("", "Columns", 0), 12);
  EXPECT_EQ(store.ReadInteger("", "Negative", 0), -1);
  EXPECT_TRUE(store.ReadBool("", "Multi-line", false));
  EXPECT_EQ(store.ReadString("", "Columns", ""), "12");
  EXPECT_EQ(store.ReadString("", "Spaced", ""), "text");
  EXPECT_EQ(store.ReadString("", "Blob", "not text"), "not text");
  EXPECT_EQ(store.ReadString("", "", ""), "default");
  EXPECT_EQ(store.ReadString("Gone", "x", "none"), "none");
  vcl::TStringList lines;
  store.ReadSectionValues("", lines);
  EXPECT_EQ(lines.CommaText(), "Columns=12,Negative=-1,Multi-line=1,Spaced=text,=default");
  lines.Clear();
  store.ReadSectionValues("Prefix", lines);
  EXPECT_EQ(lines.CommaText(), "TEdit=edt");

  // A write rewrites the file in the current form and keeps every value, typed ones included.
  store.WriteString("", "New", "v");
  EXPECT_EQ(ReadFile(), kHeader + "\n" + kRootKey +
                            "\n"
                            "\"Columns\"=dword:0000000c\n"
                            "\"Negative\"=dword:ffffffff\n"
                            "\"Multi-line\"=dword:00000001\n"
                            "\"Spaced\"=\"text\"\n"
                            "\"Blob\"=hex:01,02,03,04\n"
                            "@=\"default\"\n"
                            "\"New\"=\"v\"\n"
                            "\n[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t\\Prefix]\n"
                            "\"TEdit\"=\"edt\"\n");
}

TEST_F(StoreTest, KeepsTheSpellingFoundInTheFile) {
  PutFile(kHeader + "\n[HKEY_CURRENT_USER\\SOFTWARE\\borland\\Delphi\\Zol-t\\ALIGN]\n\"EXCLUDE\"=\"x\"\n");
  TRegIniFile store(kRoot);
  EXPECT_EQ(store.ReadString("Align", "Exclude", ""), "x");
  store.WriteString("align", "exclude", "y");
  store.WriteString("align\\tpanel", "Columns", "3");
  EXPECT_EQ(ReadFile(), kHeader +
                            "\n[HKEY_CURRENT_USER\\SOFTWARE\\borland\\Delphi\\Zol-t\\ALIGN]\n\"EXCLUDE\"=\"y\"\n"
                            "\n[HKEY_CURRENT_USER\\SOFTWARE\\borland\\Delphi\\Zol-t\\ALIGN\\tpanel]\n"
                            "\"Columns\"=\"3\"\n");
}

TEST_F(StoreTest, ReadsUtf16AndUtf8WithByteOrderMarks) {
  const std::u16string text = u"Windows Registry Editor Version 5.00\r\n\r\n"
                              u"[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t]\r\n"
                              u"\"Größe\"=\"€ 😀\"\r\n";
  for (const std::string& bytes :
       {Utf16(text, false), Utf16(text, true),
        "\xEF\xBB\xBF" + kHeader + kRootKey + "\n\"Größe\"=\"€ 😀\"\n"}) {
    PutFile(bytes);
    EXPECT_EQ(TRegIniFile(kRoot).ReadString("", "GRÖßE", ""), "€ 😀");
  }
  // Written back as UTF-8.
  TRegIniFile(kRoot).WriteString("", "x", "y");
  EXPECT_EQ(ReadFile(), kHeader + "\n" + kRootKey + "\n\"Größe\"=\"€ 😀\"\n\"x\"=\"y\"\n");
}

TEST(RegistryFormat, AnEmptyFileIsAnEmptyRegistry) {
  EXPECT_TRUE(ide::ParseRegistryText("", "r.reg").Keys().empty());
  EXPECT_TRUE(ide::ParseRegistryText("\xFF\xFE", "r.reg").Keys().empty());
  EXPECT_TRUE(ide::ParseRegistryText("REGEDIT4\n", "r.reg").Keys().empty());
}

TEST(RegistryFormat, ErrorsNameTheFileAndTheLine) {
  const std::string header = "Windows Registry Editor Version 5.00\n";
  const std::string key = "[HKEY_CURRENT_USER\\Software]\n";
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"[HKEY_CURRENT_USER\\Software]\n", "line 1: not a registry file"},
      {header + "\n\"Orphan\"=\"x\"\n", "line 3: a value must follow a key line"},
      {header + key + "\"Open\"=\"never closed\n", "line 3: missing closing double quote"},
      {header + key + "\"Open=\"x\"\n", "line 3: expected '=' after the value name"},
      {header + key + "\"Path\"=\"C:\\Temp\"\n", "line 3: invalid escape \\T"},
      {header + key + "\"n\"=\"x\" trailing\n", "line 3: unexpected text after the closing double quote"},
      {header + key + "\"n\"=dword:123456789\n", "line 3: a dword value needs 1 to 8 hexadecimal digits"},
      {header + key + "\"n\"=dword:12g4\n", "line 3: a dword value needs 1 to 8 hexadecimal digits"},
      {header + key + "\"n\"=hex:01,zz\n", "line 3: invalid hex value"},
      {header + key + "\"n\"=hex:01,\\\n", "line 3: the hex value continues past the end of the file"},
      {header + key + "\"n\"=12\n", "line 3: expected a quoted text, dword: or hex: value"},
      {header + "[HKEY_CURRENT_USER\\Software\n", "line 2: a key line must end with ']'"},
      {header + "[HKEY_CURRENT_USER\\\\Software]\n", "line 2: invalid key path"},
      {header + "[]\n", "line 2: invalid key path"},
      {header + key + "junk\n", "line 3: expected a key in brackets or a quoted value name"},
      {"\xFF\xFE" "R\0E\0G\0" "E\0D\0I\0T\0" "4\0\n\0\0\xD8" "\n\0"s, "line 2: invalid UTF-16 text"},
      {"\xFF\xFE" "R\0E\0G\0" "E\0D\0I\0T\0" "4\0\n\0!"s, "line 2: the UTF-16 text ends in half a character"},
  };
  for (const auto& c : cases) {
    const std::string message = ErrorOf([&] { ide::ParseRegistryText(c.text, "/home/u/registry.reg"); });
    EXPECT_NE(message.find("\"/home/u/registry.reg\": " + c.message), std::string::npos)
        << "message: " << message << "\nexpected: " << c.message;
  }
}
