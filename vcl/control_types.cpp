#include "vcl/control_types.h"

#include <deque>
#include <mutex>

#include "vcl/integer_idents.h"

namespace vcl {

TAnchors AnchorAlign(TAlign align) {
  constexpr TAnchors left = AnchorOf(akLeft), top = AnchorOf(akTop), right = AnchorOf(akRight),
                     bottom = AnchorOf(akBottom);
  switch (align) {
    case alTop: return left | top | right;
    case alBottom: return left | right | bottom;
    case alLeft: return left | top | bottom;
    case alRight: return right | top | bottom;
    case alClient: return left | top | right | bottom;
    default: return left | top;
  }
}

namespace {
constexpr TIdentMapEntry kCursors[] = {
    {crDefault, "crDefault"},   {crArrow, "crArrow"},         {crCross, "crCross"},
    {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"},   {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},       {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},         {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},       {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},   {crNo, "crNo"},               {crAppStart, "crAppStart"},
    {crHelp, "crHelp"},         {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
    {crNone, "crNone"},
};
}  // namespace

bool CursorToIdent(int cursor, std::string& ident) { return IntToIdent(cursor, ident, kCursors); }
bool IdentToCursor(std::string_view ident, int& cursor) { return IdentToInt(ident, cursor, kCursors); }

const TTypeInfo* NamedIntegerType(std::string_view name) {
  static std::deque<TTypeInfo> types;
  static std::mutex lock;
  std::lock_guard guard(lock);
  for (const TTypeInfo& t : types)
    if (t.Name == name) return &t;
  types.push_back(TTypeInfo{TTypeKind::tkInteger, std::string(name), {}, nullptr, nullptr});
  return &types.back();
}

const TTypeInfo* TypeInfoAlign() {
  static auto t = MakeEnumType("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
  return t;
}
const TTypeInfo* TypeInfoAnchors() {
  static auto t = MakeSetType("TAnchors", MakeEnumType("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}));
  return t;
}
const TTypeInfo* TypeInfoLeftRight() {
  static auto t = MakeEnumType("TLeftRight", {"taLeftJustify", "taRightJustify"});
  return t;
}
const TTypeInfo* TypeInfoBiDiMode() {
  static auto t = MakeEnumType(
      "TBiDiMode", {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"});
  return t;
}
const TTypeInfo* TypeInfoDragKind() {
  static auto t = MakeEnumType("TDragKind", {"dkDrag", "dkDock"});
  return t;
}
const TTypeInfo* TypeInfoDragMode() {
  static auto t = MakeEnumType("TDragMode", {"dmManual", "dmAutomatic"});
  return t;
}
const TTypeInfo* TypeInfoImeMode() {
  static auto t = MakeEnumType("TImeMode", {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha",
                                            "imHira", "imSKata", "imKata", "imChinese", "imSHanguel", "imHanguel"});
  return t;
}
const TTypeInfo* TypeInfoImeName() {
  static const TTypeInfo t{TTypeKind::tkString, "TImeName", {}, nullptr, nullptr};
  return &t;
}
const TTypeInfo* TypeInfoBorderStyle() {
  static auto t = MakeEnumType("TBorderStyle", {"bsNone", "bsSingle"});
  return t;
}
const TTypeInfo* TypeInfoFormBorderStyle() {
  static auto t = MakeEnumType("TFormBorderStyle",
                               {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
  return t;
}
const TTypeInfo* TypeInfoBevelCut() {
  static auto t = MakeEnumType("TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return t;
}
const TTypeInfo* TypeInfoTextLayout() {
  static auto t = MakeEnumType("TTextLayout", {"tlTop", "tlCenter", "tlBottom"});
  return t;
}
const TTypeInfo* TypeInfoCursor() { return NamedIntegerType("TCursor"); }
const TTypeInfo* TypeInfoModalResult() { return NamedIntegerType("TModalResult"); }
const TTypeInfo* TypeInfoTabOrder() { return NamedIntegerType("TTabOrder"); }

}  // namespace vcl
