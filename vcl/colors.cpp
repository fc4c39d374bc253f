#include "vcl/colors.h"

#include <fmt/format.h>

#include "vcl/integer_idents.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {
constexpr TIdentMapEntry kColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

// The classic Windows scheme, indexed by system colour number.
constexpr TColor kSystemScheme[] = {
    0xC0C0C0, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0xE1FFFF,
};
}  // namespace

const TTypeInfo* TypeInfoColor() {
  static const TTypeInfo type{TTypeKind::tkInteger, "TColor", {}, nullptr, nullptr};
  return &type;
}

bool ColorToIdent(int color, std::string& ident) { return IntToIdent(color, ident, kColors); }
bool IdentToColor(std::string_view ident, int& color) { return IdentToInt(ident, color, kColors); }

std::string ColorToString(TColor color) {
  std::string ident;
  if (ColorToIdent(color, ident)) return ident;
  return fmt::format("${}", IntToHex(static_cast<std::uint32_t>(color), 8));
}

TColor StringToColor(std::string_view text) {
  int color;
  if (IdentToColor(text, color)) return color;
  return static_cast<TColor>(StrToInt(text));
}

TColor ColorToRGB(TColor color) {
  if (color >= 0) return color;
  unsigned index = static_cast<unsigned>(color) & 0xFF;
  return index < std::size(kSystemScheme) ? kSystemScheme[index] : clBlack;
}

}  // namespace vcl
