// Colours, fonts, text metrics, the recording canvas and bitmaps.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "vcl/graphics.h"
#include "vcl/icon.h"
#include "vcl/imglist.h"
#include "vcl/integer_idents.h"

using namespace vcl;

namespace {

// ---- colours and character sets

TEST(Colors, SystemColorsHaveTheHostsValuesAndNames) {
  EXPECT_EQ(clBtnFace, -2147483633);
  EXPECT_EQ(clWindow, static_cast<TColor>(0x80000005u));
  std::string ident;
  ASSERT_TRUE(ColorToIdent(clBtnFace, ident));
  EXPECT_EQ(ident, "clBtnFace");
  ASSERT_TRUE(ColorToIdent(clSilver, ident));
  EXPECT_EQ(ident, "clSilver");  // clLtGray is only an alias
  int value = 0;
  ASSERT_TRUE(IdentToColor("CLWINDOWTEXT", value));
  EXPECT_EQ(value, clWindowText);
  EXPECT_FALSE(IdentToColor("clNoSuchColour", value));
  EXPECT_FALSE(ColorToIdent(0x123456, ident));
}

TEST(Colors, StringFormsRoundTrip) {
  EXPECT_EQ(ColorToString(clRed), "clRed");
  EXPECT_EQ(ColorToString(0x00C08040), "$00C08040");
  EXPECT_EQ(StringToColor("$00C08040"), 0x00C08040);
  EXPECT_EQ(StringToColor("clInfoBk"), clInfoBk);
  EXPECT_EQ(StringToColor("255"), 255);
  EXPECT_THROW(StringToColor("reddish"), EConvertError);
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xC0C0C0);
  EXPECT_EQ(ColorToRGB(clBlue), clBlue);
}

TEST(Colors, IntegerTypesFindTheirConverters) {
  std::string ident;
  TIntToIdent colorToIdent = FindIntToIdent(TypeInfoColor());
  ASSERT_NE(colorToIdent, nullptr);
  ASSERT_TRUE(colorToIdent(clBtnFace, ident));
  EXPECT_EQ(ident, "clBtnFace");
  TIdentToInt identToCharset = FindIdentToInt(TypeInfoFontCharset());
  ASSERT_NE(identToCharset, nullptr);
  int value = -1;
  ASSERT_TRUE(identToCharset("default_charset", value));
  EXPECT_EQ(value, DEFAULT_CHARSET);
  ASSERT_TRUE(CharsetToIdent(RUSSIAN_CHARSET, ident));
  EXPECT_EQ(ident, "RUSSIAN_CHARSET");
  EXPECT_FALSE(CharsetToIdent(5, ident));
  EXPECT_EQ(FindIntToIdent(TypeInfoInteger()), nullptr);
}

// ---- fonts

TEST(Font, DefaultsAreMsSansSerifEightPoint) {
  TFont font;
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Color(), clWindowText);
  EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(font.Pitch(), fpDefault);
  EXPECT_EQ(font.Style(), 0);
}

TEST(Font, SizeAndHeightConvertWithMulDivRounding) {
  TFont font;
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);  // 13.33 rounds down
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -12);
  font.SetHeight(-15);
  EXPECT_EQ(font.Size(), 11);  // 11.25
  font.SetHeight(-14);
  EXPECT_EQ(font.Size(), 11);  // 10.5 rounds away from zero
  font.SetHeight(13);
  EXPECT_EQ(font.Size(), -10);  // a positive height gives a negative size, as the host's
  EXPECT_EQ(MulDiv(-7, 3, 2), -11);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(Font, AssignCopiesAndReportsOneChange) {
  TFont a, b;
  b.SetName("Arial");
  b.SetSize(12);
  b.SetStyle(FontStyleOf(fsBold) | FontStyleOf(fsItalic));
  b.SetColor(clRed);
  b.SetCharset(ANSI_CHARSET);
  int changes = 0;
  a.OnChange = [&](TObject*) { ++changes; };
  a.Assign(&b);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(a.SameAs(b));
  a.Assign(&b);
  a.SetColor(clRed);
  EXPECT_EQ(changes, 1);  // assigning or setting the same values changes nothing
  a.SetName("");
  EXPECT_EQ(a.Name(), "Arial");
  TPen pen;
  EXPECT_THROW(a.Assign(&pen), EConvertError);
}

TEST(Font, PublishesTheHostsFontProperties) {
  TPropList props;
  GetPropList(TFont::ClassInfo(), &props);
  std::vector<std::string> names;
  for (PPropInfo p : props) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"}));
  TFont font;
  EXPECT_FALSE(GetPropInfo(&font, "Size")->IsStoredOn(&font));
  EXPECT_EQ(GetPropInfo(&font, "Charset")->PropType, TypeInfoFontCharset());
  EXPECT_EQ(SetToString(GetPropInfo(&font, "Style")->PropType, FontStyleOf(fsBold) | FontStyleOf(fsStrikeOut)),
            "[fsBold,fsStrikeOut]");
}

// ---- text metrics

TEST(TextMetrics, MsSansSerifEightIsTheBaseTable) {
  TFont font;
  EXPECT_EQ(MeasureTextWidth(font, "0123456789"), 60);
  EXPECT_EQ(MeasureTextWidth(font, "Label1"), 32);
  EXPECT_EQ(MeasureTextWidth(font, "Button1"), 37);
  EXPECT_EQ(MeasureTextWidth(font, ""), 0);
  EXPECT_EQ(MeasureTextHeight(font), 13);
}

TEST(TextMetrics, ScalesBySizeWithTheTotalRounded) {
  TFont font;
  font.SetSize(16);
  EXPECT_EQ(MeasureTextWidth(font, "0123456789"), 120);
  font.SetSize(10);
  EXPECT_EQ(MeasureTextWidth(font, "il"), 5);  // (2 + 2) * 10 / 8 = 5
  EXPECT_EQ(MeasureTextWidth(font, "i"), 3);    // 2.5 rounds up
  EXPECT_EQ(MeasureTextHeight(font), 15);       // 13 * 13 / 11
}

TEST(TextMetrics, BoldAddsOnePixelPerCharacter) {
  TFont font;
  font.SetStyle(FontStyleOf(fsBold));
  EXPECT_EQ(MeasureTextWidth(font, "0123456789"), 70);
  font.SetStyle(FontStyleOf(fsItalic) | FontStyleOf(fsUnderline));
  EXPECT_EQ(MeasureTextWidth(font, "0123456789"), 60);
}

TEST(TextMetrics, FamiliesHaveTheirOwnTables) {
  TFont font;
  font.SetName("Courier New");
  EXPECT_EQ(MeasureTextWidth(font, "iiii"), 28);
  EXPECT_EQ(MeasureTextWidth(font, "WWWW"), 28);
  EXPECT_EQ(MeasureTextHeight(font), 14);
  font.SetName("arial");  // names ignore case
  EXPECT_EQ(MeasureTextHeight(font), 14);
  EXPECT_NE(MeasureTextWidth(font, "Mississippi"), MeasureTextWidth(TFont(), "Mississippi"));
  font.SetName("Some Unknown Face");
  EXPECT_EQ(MeasureTextWidth(font, "Label1"), 32);  // falls back to MS Sans Serif
}

TEST(TextMetrics, OtherCharactersCountOnceEach) {
  TFont font;
  int n = MeasureTextWidth(font, "n");
  EXPECT_EQ(MeasureTextWidth(font, "\xC3\xBC"), n);              // one two-byte character
  EXPECT_EQ(MeasureTextWidth(font, "\xE2\x82\xAC"), n);          // one three-byte character
  EXPECT_EQ(MeasureTextWidth(font, std::string("\xFF\xFE", 2)), 2 * n);  // malformed bytes singly
  EXPECT_EQ(MeasureTextWidth(font, "\xE2\x82"), 2 * n);          // cut short
}

TEST(TextMetrics, AcceleratorsAndLayout) {
  EXPECT_EQ(StripAccelChars("&File"), "File");
  EXPECT_EQ(StripAccelChars("Save && Exit"), "Save & Exit");
  EXPECT_EQ(StripAccelChars("Trailing&"), "Trailing");
  TFont font;
  TTextLayoutResult two = LayoutText(font, "ab\r\nlonger line\nx", false, 0);
  ASSERT_EQ(two.lines.size(), 3u);
  EXPECT_EQ(two.width, MeasureTextWidth(font, "longer line"));
  EXPECT_EQ(two.height, 39);
  TTextLayoutResult wrapped = LayoutText(font, "one two three", true, MeasureTextWidth(font, "one two"));
  EXPECT_EQ(wrapped.lines, (std::vector<std::string>{"one two", "three"}));
  TTextLayoutResult longWord = LayoutText(font, "extraordinary", true, 10);
  EXPECT_EQ(longWord.lines.size(), 1u);  // a word longer than the line stays whole
}

// ---- canvas

TEST(Canvas, RecordsCallsWithTheStateInEffect) {
  TCanvas canvas;
  canvas.Brush()->SetColor(clYellow);
  canvas.FillRect(Rect(1, 2, 30, 40));
  canvas.Font()->SetStyle(FontStyleOf(fsBold));
  canvas.Font()->SetColor(clRed);
  canvas.TextOut(5, 6, "Hi");
  canvas.Pen()->SetColor(clBlue);
  canvas.MoveTo(0, 0);
  canvas.LineTo(10, 0);
  const auto& ops = canvas.Operations();
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0].kind, TCanvasOp::opFillRect);
  EXPECT_EQ(ops[0].rect, Rect(1, 2, 30, 40));
  EXPECT_EQ(ops[0].brushColor, clYellow);
  EXPECT_EQ(ops[1].kind, TCanvasOp::opTextOut);
  EXPECT_EQ(ops[1].text, "Hi");
  EXPECT_EQ(ops[1].fontStyle, FontStyleOf(fsBold));
  EXPECT_EQ(ops[1].fontColor, clRed);
  EXPECT_EQ(ops[1].rect, Bounds(5, 6, canvas.TextWidth("Hi"), 13));
  EXPECT_EQ(ops[2].rect, Rect(0, 0, 10, 0));
  EXPECT_EQ(ops[2].penColor, clBlue);
  EXPECT_EQ(canvas.PenPos(), Point(10, 0));
  canvas.ClearOperations();
  EXPECT_TRUE(canvas.Operations().empty());
}

TEST(Canvas, BrushColourMakesAClearBrushSolid) {
  TBrush brush;
  brush.SetStyle(bsClear);
  brush.SetColor(clRed);
  EXPECT_EQ(brush.Style(), bsSolid);
}

// ---- bitmaps

void PutU16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutU32(std::vector<std::uint8_t>& out, unsigned v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

// A BMP file with a 40-byte header; `palette` holds 0x00RRGGBB entries.
std::vector<std::uint8_t> Bmp(int width, int height, int bpp, const std::vector<unsigned>& palette,
                              const std::vector<std::uint8_t>& pixels, unsigned compression = 0) {
  std::vector<std::uint8_t> out = {'B', 'M'};
  unsigned offset = 54 + 4 * static_cast<unsigned>(palette.size());
  PutU32(out, offset + static_cast<unsigned>(pixels.size()));
  PutU32(out, 0);
  PutU32(out, offset);
  PutU32(out, 40);
  PutU32(out, static_cast<unsigned>(width));
  PutU32(out, static_cast<unsigned>(height));
  PutU16(out, 1);
  PutU16(out, static_cast<unsigned>(bpp));
  PutU32(out, compression);
  PutU32(out, static_cast<unsigned>(pixels.size()));
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, static_cast<unsigned>(palette.size()));
  PutU32(out, 0);
  for (unsigned c : palette) PutU32(out, c);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

TEST(Bitmap, Loads24BitRowsBottomUp) {
  // Bottom row: blue, green; top row: red, white. Rows are padded to 4 bytes.
  std::vector<std::uint8_t> pixels = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0};
  TBitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  bitmap.LoadFromBmp(Bmp(2, 2, 24, {}, pixels));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
  EXPECT_EQ(bitmap.Pixel(1, 0), clWhite);
  EXPECT_EQ(bitmap.Pixel(0, 1), clBlue);
  EXPECT_EQ(bitmap.Pixel(1, 1), clLime);
  EXPECT_EQ(bitmap.TransparentColor(), clBlue);
}

TEST(Bitmap, LoadsPalettedAndCompressedPictures) {
  TBitmap mono;
  // 10 pixels wide: bits 1010000000 on the only row.
  mono.LoadFromBmp(Bmp(10, 1, 1, {0x000000, 0xFFFFFF}, {0xA0, 0x00, 0x00, 0x00}));
  EXPECT_EQ(mono.Pixel(0, 0), clWhite);
  EXPECT_EQ(mono.Pixel(1, 0), clBlack);
  EXPECT_EQ(mono.Pixel(2, 0), clWhite);
  EXPECT_EQ(mono.Pixel(9, 0), clBlack);

  TBitmap rle;
  // 4 x 2, RLE8: bottom row four of colour 1, then end of line; top row 2 x colour 2,
  // then absolute run of 2 pixels (1, 0), end of bitmap.
  std::vector<std::uint8_t> data = {4, 1, 0, 0, 2, 2, 0, 3, 1, 0, 2, 0, 0, 1};
  rle.LoadFromBmp(Bmp(4, 2, 8, {0x000000, 0xFF0000, 0x00FF00}, data, 1));
  EXPECT_EQ(rle.Pixel(0, 1), clRed);
  EXPECT_EQ(rle.Pixel(3, 1), clRed);
  EXPECT_EQ(rle.Pixel(0, 0), clLime);
  EXPECT_EQ(rle.Pixel(2, 0), clRed);
  EXPECT_EQ(rle.Pixel(3, 0), clBlack);
}

TEST(Bitmap, BadDataIsRejectedAndLeavesTheBitmapAlone) {
  TBitmap bitmap;
  bitmap.LoadFromBmp(Bmp(1, 1, 24, {}, {1, 2, 3, 0}));
  std::vector<std::uint8_t> cut = Bmp(4, 4, 24, {}, std::vector<std::uint8_t>(8, 0));
  EXPECT_THROW(bitmap.LoadFromBmp(cut), EInvalidGraphic);
  EXPECT_THROW(bitmap.LoadFromBmp(std::vector<std::uint8_t>{'B', 'X', 0, 0}), EInvalidGraphic);
  EXPECT_THROW(bitmap.LoadFromBmp(Bmp(1, 1, 8, {0x000000}, {5, 0, 0, 0})), EInvalidGraphic);  // palette index
  EXPECT_THROW(bitmap.LoadFromBmp(Bmp(100000, 100000, 24, {}, {})), EInvalidGraphic);
  try {
    bitmap.LoadFromBmp(Bmp(1, 1, 7, {}, {0, 0, 0, 0}));
    FAIL();
  } catch (const EInvalidGraphic& e) {
    EXPECT_STREQ(e.what(), "Bitmap image is not valid: unsupported colour depth 7");
  }
  EXPECT_EQ(bitmap.Width(), 1);
  EXPECT_EQ(bitmap.Pixel(0, 0), RGB(3, 2, 1));
}

TEST(Bitmap, FormDataRoundTripsAndKeepsTheLoadedBytes) {
  std::vector<std::uint8_t> file = Bmp(1, 1, 8, {0x123456}, {0, 0, 0, 0});
  TBitmap bitmap;
  bitmap.LoadFromBmp(file);
  EXPECT_EQ(bitmap.SaveToBmp(), file);
  std::vector<std::uint8_t> data = bitmap.WriteData();
  ASSERT_EQ(data.size(), file.size() + 4);
  TBitmap copy;
  copy.ReadData(data);
  EXPECT_EQ(copy.Pixel(0, 0), RGB(0x12, 0x34, 0x56));
  // A changed picture is written anew, as a 24-bit bitmap.
  copy.SetPixel(0, 0, clRed);
  TBitmap again;
  again.LoadFromBmp(copy.SaveToBmp());
  EXPECT_EQ(again.Pixel(0, 0), clRed);
  EXPECT_THROW(copy.ReadData(std::vector<std::uint8_t>{200, 0, 0, 0, 'B'}), EInvalidGraphic);
}

TEST(Bitmap, SetSizeKeepsPixelsThatFit) {
  TBitmap bitmap;
  bitmap.SetSize(2, 2);
  bitmap.SetPixel(1, 1, clRed);
  bitmap.SetSize(3, 3);
  EXPECT_EQ(bitmap.Pixel(1, 1), clRed);
  EXPECT_EQ(bitmap.Pixel(2, 2), clWhite);
  EXPECT_EQ(bitmap.Pixel(5, 5), clNone);
}

TEST(Picture, HoldsACopyAndReadsFormData) {
  TBitmap bitmap;
  bitmap.LoadFromBmp(Bmp(1, 1, 24, {}, {0, 0, 0xFF, 0}));
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.Assign(&bitmap);
  EXPECT_EQ(changes, 1);
  ASSERT_NE(picture.Graphic(), &bitmap);
  EXPECT_EQ(picture.Width(), 1);
  picture.Bitmap()->SetPixel(0, 0, clLime);  // changes of the held graphic reach the picture
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(bitmap.Pixel(0, 0), clRed);

  TPicture copy;
  copy.ReadData(picture.WriteData());
  EXPECT_EQ(copy.Graphic()->ClassName(), "TBitmap");
  EXPECT_EQ(copy.Bitmap()->Pixel(0, 0), clLime);
  std::vector<std::uint8_t> metafile = {9, 'T', 'M', 'e', 't', 'a', 'f', 'i', 'l', 'e'};
  EXPECT_THROW(copy.ReadData(metafile), EInvalidGraphic);
  copy.Assign(nullptr);
  EXPECT_EQ(copy.Graphic(), nullptr);
}

TEST(Canvas, DrawRecordsAPictureCopy) {
  TBitmap bitmap;
  bitmap.SetSize(2, 1);
  bitmap.SetPixel(1, 0, clRed);
  TCanvas canvas;
  canvas.Draw(3, 4, &bitmap);
  bitmap.SetPixel(1, 0, clBlue);
  ASSERT_EQ(canvas.Operations().size(), 1u);
  const TCanvasOp& op = canvas.Operations()[0];
  EXPECT_EQ(op.graphicClass, "TBitmap");
  EXPECT_EQ(op.rect, Rect(3, 4, 5, 5));
  ASSERT_TRUE(op.pixels);
  EXPECT_EQ((*op.pixels)[1], clRed);
  canvas.Draw(0, 0, nullptr);
  EXPECT_EQ(canvas.Operations().size(), 1u);
}

TEST(Icon, KeepsTheIconFile) {
  std::vector<std::uint8_t> ico = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 22, 0, 0, 0};
  TIcon icon;
  icon.LoadFromIco(ico);
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Data(), ico);
  EXPECT_THROW(icon.LoadFromIco(std::vector<std::uint8_t>{0, 0, 1, 0, 3, 0}), EInvalidGraphic);
  EXPECT_EQ(icon.Height(), 32);
}

}  // namespace

// ---- image lists

TEST(ImageLists, AMaskedImageShowsTheBrushWhereTheMaskIsWhite) {
  TImageList images(nullptr);
  TBitmap picture, mask;
  picture.SetSize(16, 16);
  mask.SetSize(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      picture.SetPixel(x, y, clRed);
      mask.SetPixel(x, y, x < 8 ? clWhite : clBlack);
    }
  ASSERT_EQ(images.Add(&picture, &mask), 0);
  ASSERT_EQ(images.Add(&picture, nullptr), 1);
  TCanvas canvas;
  canvas.Brush()->SetColor(clLime);
  images.Draw(&canvas, 3, 4, 0);
  images.Draw(&canvas, 3, 4, 1);
  images.Draw(&canvas, 3, 4, 2);  // no such image: nothing drawn
  ASSERT_EQ(canvas.Operations().size(), 2u);
  const TCanvasOp& masked = canvas.Operations()[0];
  EXPECT_EQ(masked.points[0], Point(3, 4));
  ASSERT_EQ(masked.pixels->size(), 256u);
  EXPECT_EQ((*masked.pixels)[0], ColorToRGB(clLime)) << "transparent: the background";
  EXPECT_EQ((*masked.pixels)[15], clRed) << "opaque: the picture";
  EXPECT_EQ((*canvas.Operations()[1].pixels)[0], clRed) << "without a mask every pixel is drawn";
}
