// Publishing the standard properties of controls. TControl and TWinControl keep most of
// their properties unpublished; each control class publishes the ones the host publishes
// for it, in its own order. PublishStandard adds them by name with the host's types,
// defaults and storage rules, so that a class's declaration reads like the host's list:
//
//   TClassBuilder<TButton> b("TButton", TButtonControl::ClassInfo());
//   PublishStandard(b, "Action Anchors BiDiMode");
//   b.Bool("Cancel", &TButton::Cancel, &TButton::SetCancel, false);
//   PublishStandard(b, "Caption Constraints ...");
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "vcl/class_builder.h"
#include "vcl/controls.h"

namespace vcl {

namespace detail {
template <class C>
bool PublishControlProperty(TClassBuilder<C>& b, std::string_view name) {
  using T = TControl;
  if (name == "Action") b.template Reference<TBasicAction>("Action", &T::Action, &T::SetAction);
  else if (name == "Align") b.template Enum<TAlign>("Align", TypeInfoAlign(), &T::Align, &T::SetAlign, alNone);
  else if (name == "Anchors")
    b.Set("Anchors", TypeInfoAnchors(), &T::Anchors, &T::SetAnchors, DefaultAnchors).StoredWhen(&T::IsAnchorsStored);
  else if (name == "AutoSize") b.Bool("AutoSize", &T::AutoSize, &T::SetAutoSize, false);
  else if (name == "BiDiMode")
    b.template Enum<TBiDiMode>("BiDiMode", TypeInfoBiDiMode(), &T::BiDiMode, &T::SetBiDiMode, std::nullopt)
        .StoredWhen(&T::IsBiDiModeStored);
  else if (name == "Caption")
    b.String("Caption", &T::Caption, &T::SetCaption, TypeInfoCaption()).StoredWhen(&T::IsCaptionStored);
  else if (name == "Color")
    b.Integer("Color", &T::Color, &T::SetColor, clWindow, TypeInfoColor()).StoredWhen(&T::IsColorStored);
  else if (name == "Constraints")
    b.template Object<TSizeConstraints>("Constraints", &T::Constraints, &T::EffectiveConstraints);
  else if (name == "DragCursor") b.Integer("DragCursor", &T::DragCursor, &T::SetDragCursor, crDrag, TypeInfoCursor());
  else if (name == "DragKind")
    b.template Enum<TDragKind>("DragKind", TypeInfoDragKind(), &T::DragKind, &T::SetDragKind, dkDrag);
  else if (name == "DragMode")
    b.template Enum<TDragMode>("DragMode", TypeInfoDragMode(), &T::DragMode, &T::SetDragMode, dmManual);
  else if (name == "Enabled") b.Bool("Enabled", &T::Enabled, &T::SetEnabled, true).StoredWhen(&T::IsEnabledStored);
  else if (name == "Font")
    b.template Object<TFont>("Font", &T::Font, &T::EffectiveFont).StoredWhen(&T::IsFontStored);
  else if (name == "ParentBiDiMode") b.Bool("ParentBiDiMode", &T::ParentBiDiMode, &T::SetParentBiDiMode, true);
  else if (name == "ParentColor") b.Bool("ParentColor", &T::ParentColor, &T::SetParentColor, true);
  // For controls that start with a colour of their own (edits, lists): written when set.
  else if (name == "ParentColor=False") b.Bool("ParentColor", &T::ParentColor, &T::SetParentColor, false);
  else if (name == "ParentFont") b.Bool("ParentFont", &T::ParentFont, &T::SetParentFont, true);
  else if (name == "ParentShowHint") b.Bool("ParentShowHint", &T::ParentShowHint, &T::SetParentShowHint, true);
  else if (name == "PopupMenu") b.template Reference<TPopupMenu>("PopupMenu", &T::PopupMenu, &T::SetPopupMenu);
  else if (name == "ShowHint") b.Bool("ShowHint", &T::ShowHint, &T::SetShowHint, std::nullopt).StoredWhen(&T::IsShowHintStored);
  else if (name == "Text") b.String("Text", &T::Text, &T::SetText, TypeInfoCaption());
  else if (name == "Visible") b.Bool("Visible", &T::Visible, &T::SetVisible, true).StoredWhen(&T::IsVisibleStored);
  else if (name == "OnCanResize") b.Event("OnCanResize", &T::OnCanResize, "TCanResizeEvent");
  else if (name == "OnClick") b.Event("OnClick", &T::OnClick);
  else if (name == "OnConstrainedResize") b.Event("OnConstrainedResize", &T::OnConstrainedResize, "TConstrainedResizeEvent");
  else if (name == "OnDblClick") b.Event("OnDblClick", &T::OnDblClick);
  else if (name == "OnDragDrop") b.Event("OnDragDrop", &T::OnDragDrop, "TDragDropEvent");
  else if (name == "OnDragOver") b.Event("OnDragOver", &T::OnDragOver, "TDragOverEvent");
  else if (name == "OnEndDock") b.Event("OnEndDock", &T::OnEndDock, "TEndDragEvent");
  else if (name == "OnEndDrag") b.Event("OnEndDrag", &T::OnEndDrag, "TEndDragEvent");
  else if (name == "OnMouseDown") b.Event("OnMouseDown", &T::OnMouseDown, "TMouseEvent");
  else if (name == "OnMouseMove") b.Event("OnMouseMove", &T::OnMouseMove, "TMouseMoveEvent");
  else if (name == "OnMouseUp") b.Event("OnMouseUp", &T::OnMouseUp, "TMouseEvent");
  else if (name == "OnResize") b.Event("OnResize", &T::OnResize);
  else if (name == "OnStartDock") b.Event("OnStartDock", &T::OnStartDock, "TStartDockEvent");
  else if (name == "OnStartDrag") b.Event("OnStartDrag", &T::OnStartDrag, "TStartDragEvent");
  else return false;
  return true;
}

template <class C>
bool PublishWinControlProperty(TClassBuilder<C>& b, std::string_view name) {
  using W = TWinControl;
  if (name == "Ctl3D") b.Bool("Ctl3D", &W::Ctl3D, &W::SetCtl3D, std::nullopt).StoredWhen(&W::IsCtl3DStored);
  else if (name == "BorderWidth")
    b.Integer("BorderWidth", &W::BorderWidth, &W::SetBorderWidth, 0, NamedIntegerType("TBorderWidth"));
  else if (name == "DockSite") b.Bool("DockSite", &W::DockSite, &W::SetDockSite, false);
  else if (name == "ImeMode") b.template Enum<TImeMode>("ImeMode", TypeInfoImeMode(), &W::ImeMode, &W::SetImeMode, imDontCare);
  else if (name == "ImeName") b.String("ImeName", &W::ImeName, &W::SetImeName, TypeInfoImeName());
  else if (name == "ParentCtl3D") b.Bool("ParentCtl3D", &W::ParentCtl3D, &W::SetParentCtl3D, true);
  else if (name == "TabOrder") b.Integer("TabOrder", &W::TabOrder, &W::SetTabOrder, -1, TypeInfoTabOrder());
  else if (name == "TabStop") b.Bool("TabStop", &W::TabStop, &W::SetTabStop, false);
  else if (name == "UseDockManager") b.Bool("UseDockManager", &W::UseDockManager, &W::SetUseDockManager, false);
  else if (name == "OnDockDrop") b.Event("OnDockDrop", &W::OnDockDrop, "TDockDropEvent");
  else if (name == "OnDockOver") b.Event("OnDockOver", &W::OnDockOver, "TDockOverEvent");
  else if (name == "OnEnter") b.Event("OnEnter", &W::OnEnter);
  else if (name == "OnExit") b.Event("OnExit", &W::OnExit);
  else if (name == "OnGetSiteInfo") b.Event("OnGetSiteInfo", &W::OnGetSiteInfo, "TGetSiteInfoEvent");
  else if (name == "OnKeyDown") b.Event("OnKeyDown", &W::OnKeyDown, "TKeyEvent");
  else if (name == "OnKeyPress") b.Event("OnKeyPress", &W::OnKeyPress, "TKeyPressEvent");
  else if (name == "OnKeyUp") b.Event("OnKeyUp", &W::OnKeyUp, "TKeyEvent");
  else if (name == "OnUnDock") b.Event("OnUnDock", &W::OnUnDock, "TUnDockEvent");
  else return false;
  return true;
}
}  // namespace detail

// Publishes the named standard properties (separated by blanks) in the order given.
// Raises EPropertyError for a name that is not a standard property of the class's kind.
template <class C>
void PublishStandard(TClassBuilder<C>& b, std::string_view names) {
  static_assert(std::is_base_of_v<TControl, C>);
  while (!names.empty()) {
    std::size_t start = names.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    std::size_t end = names.find(' ', start);
    std::string_view name = names.substr(start, end == std::string_view::npos ? end : end - start);
    names = end == std::string_view::npos ? std::string_view() : names.substr(end);
    bool done = detail::PublishControlProperty(b, name);
    if constexpr (std::is_base_of_v<TWinControl, C>)
      if (!done) done = detail::PublishWinControlProperty(b, name);
    if (!done) throw EPropertyError("No standard property " + std::string(name));
  }
}

}  // namespace vcl
