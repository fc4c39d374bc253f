#include "vcl/mask.h"

#include "vcl/published_controls.h"

namespace vcl {

namespace {
bool IsInputChar(char c) { return std::string_view("09#LlAaCc").find(c) != std::string_view::npos; }
bool IsCaseMark(char c) { return c == '!' || c == '>' || c == '<'; }
}  // namespace

std::string FormatMaskText(std::string_view mask, std::string_view text) {
  // The fields after the last two unquoted semicolons: whether literals are kept, the blank.
  std::string_view fields = mask;
  char blank = '_';
  bool keepLiterals = true;
  std::size_t last = mask.rfind(';');
  if (last != std::string_view::npos && last > 0 && mask[last - 1] != '\\') {
    std::size_t second = mask.rfind(';', last - 1);
    if (second != std::string_view::npos && (second == 0 || mask[second - 1] != '\\')) {
      fields = mask.substr(0, second);
      keepLiterals = mask.substr(second + 1, last - second - 1) != "0";
    } else {
      fields = mask.substr(0, last);
    }
    if (last + 1 < mask.size()) blank = mask[last + 1];
  }
  std::string shown;
  std::size_t next = 0;  // the text's next character
  for (std::size_t i = 0; i < fields.size(); ++i) {
    char c = fields[i];
    if (IsCaseMark(c)) continue;
    if (c == '\\' && i + 1 < fields.size()) c = fields[++i];
    else if (IsInputChar(c)) {
      shown += next < text.size() ? text[next++] : blank;
      continue;
    }
    shown += c;
    if (keepLiterals && next < text.size()) ++next;
  }
  return shown;
}

TClass TCustomMaskEdit::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomMaskEdit>("TCustomMaskEdit", TCustomEdit::ClassInfo()).Build();
  return cls;
}

TClass TMaskEdit::ClassInfo() {
  static TClass cls = [] {
    using E = TMaskEdit;
    TClassBuilder<E> b("TMaskEdit", TCustomMaskEdit::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Anchors");
    b.Bool("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, true);
    b.Bool("AutoSize", &E::AutoSize, &E::SetAutoSize, true);
    PublishStandard(b, "BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &E::BorderStyle, &E::SetBorderStyle, bsSingle);
    b.Enum<TEditCharCase>("CharCase", TypeInfoEditCharCase(), &E::CharCase, &E::SetCharCase, ecNormal);
    PublishStandard(b, "Color Constraints Ctl3D DragCursor DragKind DragMode Enabled");
    b.String("EditMask", &E::EditMask, &E::SetEditMask);
    PublishStandard(b, "Font ImeMode ImeName");
    b.Integer("MaxLength", &E::MaxLength, &E::SetMaxLength, 0);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint");
    b.Char("PasswordChar", &E::PasswordChar, &E::SetPasswordChar, 0);
    PublishStandard(b, "PopupMenu");
    b.Bool("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false);
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &E::TabStop, &E::SetTabStop, true);
    PublishStandard(b, "Text Visible");
    b.Event("OnChange", &E::OnChange);
    PublishStandard(b,
                    "OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown "
                    "OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

}  // namespace vcl
