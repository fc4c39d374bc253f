#include "vcl/font.h"

#include <mutex>
#include <unordered_set>

#include "vcl/class_builder.h"
#include "vcl/geometry.h"
#include "vcl/integer_idents.h"

namespace vcl {

// ---- TGraphicsObject

TClass TGraphicsObject::ClassInfo() {
  static TClass cls = TClassBuilder<TGraphicsObject>("TGraphicsObject", TPersistent::ClassInfo()).Build();
  return cls;
}

void TGraphicsObject::Changed() {
  if (lockCount_ > 0) {
    changedWhileLocked_ = true;
    return;
  }
  ReportChange();
}

void TGraphicsObject::Unlock() {
  if (--lockCount_ == 0 && changedWhileLocked_) {
    changedWhileLocked_ = false;
    ReportChange();
  }
}

// ---- types and charset names

namespace {
constexpr TIdentMapEntry kCharsets[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
};
}  // namespace

bool CharsetToIdent(int charset, std::string& ident) { return IntToIdent(charset, ident, kCharsets); }
bool IdentToCharset(std::string_view ident, int& charset) { return IdentToInt(ident, charset, kCharsets); }

const TTypeInfo* TypeInfoFontCharset() {
  static const TTypeInfo type{TTypeKind::tkInteger, "TFontCharset", {}, nullptr, nullptr};
  return &type;
}
const TTypeInfo* TypeInfoFontName() {
  static const TTypeInfo type{TTypeKind::tkString, "TFontName", {}, nullptr, nullptr};
  return &type;
}
const TTypeInfo* TypeInfoFontStyles() {
  static auto type =
      MakeSetType("TFontStyles", MakeEnumType("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}));
  return type;
}
const TTypeInfo* TypeInfoFontPitch() {
  static auto type = MakeEnumType("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
  return type;
}

// ---- TFont

TClass TFont::ClassInfo() {
  // Size is derived from Height, so only Height is stored.
  static TClass cls =
      TClassBuilder<TFont>("TFont", TGraphicsObject::ClassInfo())
          .Creatable()
          .Integer("Charset", &TFont::Charset, &TFont::SetCharset, std::nullopt, TypeInfoFontCharset())
          .Integer("Color", &TFont::Color, &TFont::SetColor, std::nullopt, TypeInfoColor())
          .Integer("Height", &TFont::Height, &TFont::SetHeight)
          .String("Name", &TFont::Name, &TFont::SetName, TypeInfoFontName())
          .Enum<TFontPitch>("Pitch", TypeInfoFontPitch(), &TFont::Pitch, &TFont::SetPitch, fpDefault)
          .Integer("Size", &TFont::Size, &TFont::SetSize)
          .StoredWhen([](TFont&) { return false; })
          .Set("Style", TypeInfoFontStyles(), &TFont::Style, &TFont::SetStyle, std::nullopt)
          .Build();
  return cls;
}

void TFont::Assign(TPersistent* source) {
  if (auto* font = Cast<TFont>(source)) return Assign(*font);
  TGraphicsObject::Assign(source);
}

void TFont::Assign(const TFont& source) {
  Lock();
  SetInternedName(source.name_);
  // A font from a screen of another resolution keeps its point size.
  if (source.pixelsPerInch_ != pixelsPerInch_)
    SetSize(source.Size());
  else
    SetHeight(source.height_);
  SetStyle(source.style_);
  SetColor(source.color_);
  SetCharset(source.charset_);
  SetPitch(source.pitch_);
  Unlock();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ && color_ == other.color_ &&
         charset_ == other.charset_ && pitch_ == other.pitch_;
}

const std::string* TFont::InternName(const std::string& name) {
  // Never destroyed: fonts of static storage may outlive it.
  static auto* names = new std::unordered_set<std::string>;
  static std::mutex lock;
  std::lock_guard guard(lock);
  return &*names->insert(name).first;
}

void TFont::SetName(const std::string& name) {
  if (!name.empty() && name != *name_) SetInternedName(InternName(name));
}

void TFont::SetInternedName(const std::string* name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int size) { SetHeight(-MulDiv(size, pixelsPerInch_, 72)); }

void TFont::SetStyle(TFontStyles style) {
  style &= 0x0F;
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(TFontCharset charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

}  // namespace vcl
