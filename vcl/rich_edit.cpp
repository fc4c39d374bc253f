#include "vcl/class_builder.h"
#include "vcl/comctrls.h"
#include "vcl/published_controls.h"

namespace vcl {

TClass TCustomRichEdit::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomRichEdit>("TCustomRichEdit", TCustomMemo::ClassInfo()).Build();
  return cls;
}

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TCustomMemo(owner) {}

TClass TRichEdit::ClassInfo() {
  static TClass cls = [] {
    using R = TRichEdit;
    TClassBuilder<R> b("TRichEdit", TCustomRichEdit::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &R::Alignment, &R::SetAlignment, taLeftJustify);
    PublishStandard(b, "Anchors BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &R::BorderStyle, &R::SetBorderStyle, bsSingle);
    PublishStandard(b, "BorderWidth Color Ctl3D DragCursor DragKind Constraints DragMode Enabled Font");
    b.Bool("HideSelection", &R::HideSelection, &R::SetHideSelection, true);
    b.Bool("HideScrollBars", &R::HideScrollBars, &R::SetHideScrollBars, true);
    PublishStandard(b, "ImeMode ImeName");
    b.Object("Lines", &R::Lines);
    b.Integer("MaxLength", &R::MaxLength, &R::SetMaxLength, 0);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint");
    b.Bool("PlainText", &R::PlainText, &R::SetPlainText, false);
    PublishStandard(b, "PopupMenu");
    b.Bool("ReadOnly", &R::ReadOnly, &R::SetReadOnly, false);
    b.Enum<TScrollStyle>("ScrollBars", TypeInfoScrollStyle(), &R::ScrollBars, &R::SetScrollBars, ssNone);
    PublishStandard(b, "ShowHint TabOrder Visible");
    b.Bool("WantTabs", &R::WantTabs, &R::SetWantTabs, false);
    b.Bool("WantReturns", &R::WantReturns, &R::SetWantReturns, true);
    b.Bool("WordWrap", &R::WordWrap, &R::SetWordWrap, true);
    b.Event("OnChange", &R::OnChange);
    PublishStandard(b, "OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp "
                       "OnMouseDown OnMouseMove OnMouseUp");
    b.Event("OnProtectChange", &R::OnProtectChange, "TRichEditProtectChange");
    b.Event("OnResizeRequest", &R::OnResizeRequest, "TRichEditResizeEvent");
    b.Event("OnSaveClipboard", &R::OnSaveClipboard, "TRichEditSaveClipboard");
    b.Event("OnSelectionChange", &R::OnSelectionChange);
    PublishStandard(b, "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

}  // namespace vcl
