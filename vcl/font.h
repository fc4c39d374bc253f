// Fonts: TGraphicsObject (a persistent drawing attribute with a change event) and TFont.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vcl/classes.h"
#include "vcl/colors.h"

namespace vcl {

// Base of fonts, pens and brushes: a change runs OnChange, once per Lock/Unlock bracket.
class TGraphicsObject : public TPersistent {
  VCL_CLASS(TGraphicsObject, TPersistent)
  TNotifyEvent OnChange;

protected:
  TGraphicsObject() = default;
  void Changed();
  // Reports a change: runs OnChange. An object held by another overrides it to tell its
  // holder first, without binding an event.
  virtual void ReportChange() { OnChange(this); }
  // While locked, changes are collected and reported once by the last Unlock.
  void Lock() { ++lockCount_; }
  void Unlock();

private:
  // Beside the one-byte event, so that a font's name follows without padding.
  bool changedWhileLocked_ = false;
  int lockCount_ = 0;
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
// A set of TFontStyle, bit n for value n.
using TFontStyles = std::uint8_t;
constexpr TFontStyles FontStyleOf(TFontStyle s) { return static_cast<TFontStyles>(1u << s); }

enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = std::uint8_t;

constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset MAC_CHARSET = 77;
constexpr TFontCharset SHIFTJIS_CHARSET = 128;
constexpr TFontCharset HANGEUL_CHARSET = 129;
constexpr TFontCharset JOHAB_CHARSET = 130;
constexpr TFontCharset GB2312_CHARSET = 134;
constexpr TFontCharset CHINESEBIG5_CHARSET = 136;
constexpr TFontCharset GREEK_CHARSET = 161;
constexpr TFontCharset TURKISH_CHARSET = 162;
constexpr TFontCharset VIETNAMESE_CHARSET = 163;
constexpr TFontCharset HEBREW_CHARSET = 177;
constexpr TFontCharset ARABIC_CHARSET = 178;
constexpr TFontCharset BALTIC_CHARSET = 186;
constexpr TFontCharset RUSSIAN_CHARSET = 204;
constexpr TFontCharset THAI_CHARSET = 222;
constexpr TFontCharset EASTEUROPE_CHARSET = 238;
constexpr TFontCharset OEM_CHARSET = 255;

const TTypeInfo* TypeInfoFontCharset();  // `TFontCharset`, written by name when it has one
const TTypeInfo* TypeInfoFontName();     // `TFontName`
const TTypeInfo* TypeInfoFontStyles();   // `TFontStyles`, a set of fsBold..fsStrikeOut
const TTypeInfo* TypeInfoFontPitch();

// "DEFAULT_CHARSET" <-> 1; names compare ignoring case. False when there is no such name.
bool CharsetToIdent(int charset, std::string& ident);
bool IdentToCharset(std::string_view ident, int& charset);

// The logical pixels per inch of the screen this library models.
constexpr int ScreenPixelsPerInch = 96;

// A font: name, size, style, colour, character set and pitch. Size is in points and
// Height in pixels (negative: the character height without internal leading); each is
// derived from the other with the font's PixelsPerInch, rounded as the host's MulDiv.
class TFont : public TGraphicsObject {
  VCL_CLASS(TFont, TGraphicsObject)
  TFont() = default;

  // Copies another font's attributes, reporting one change.
  void Assign(TPersistent* source) override;
  void Assign(const TFont& source);

  const std::string& Name() const { return *name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;
  void SetSize(int size);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  bool HasStyle(TFontStyle s) const { return (style_ & FontStyleOf(s)) != 0; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }

  // Same attributes (what Assign copies).
  bool SameAs(const TFont& other) const;

private:
  // Names are shared: a form's thousands of fonts use a few names.
  static const std::string* InternName(const std::string& name);
  void SetInternedName(const std::string* name);

  const std::string* name_ = InternName("MS Sans Serif");
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  TFontCharset charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  int pixelsPerInch_ = ScreenPixelsPerInch;
};

}  // namespace vcl
