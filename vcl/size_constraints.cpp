#include "vcl/size_constraints.h"

#include <algorithm>

#include "vcl/class_builder.h"
#include "vcl/control_types.h"
#include "vcl/controls.h"

namespace vcl {

TClass TSizeConstraints::ClassInfo() {
  static TClass cls =
      TClassBuilder<TSizeConstraints>("TSizeConstraints", TPersistent::ClassInfo())
          .Creatable()
          .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0,
                   NamedIntegerType("TConstraintSize"))
          .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0,
                   NamedIntegerType("TConstraintSize"))
          .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0,
                   NamedIntegerType("TConstraintSize"))
          .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0,
                   NamedIntegerType("TConstraintSize"))
          .Build();
  return cls;
}

void TSizeConstraints::Change() {
  if (control_) control_->AdjustSize();
  OnChange(this);
}

void TSizeConstraints::SetMaxHeight(int value) {
  value = std::max(value, 0);
  if (value == maxHeight_) return;
  maxHeight_ = value;
  if (value > 0 && value < minHeight_) minHeight_ = value;
  Change();
}

void TSizeConstraints::SetMaxWidth(int value) {
  value = std::max(value, 0);
  if (value == maxWidth_) return;
  maxWidth_ = value;
  if (value > 0 && value < minWidth_) minWidth_ = value;
  Change();
}

void TSizeConstraints::SetMinHeight(int value) {
  value = std::max(value, 0);
  if (value == minHeight_) return;
  minHeight_ = value;
  if (maxHeight_ > 0 && value > maxHeight_) maxHeight_ = value;
  Change();
}

void TSizeConstraints::SetMinWidth(int value) {
  value = std::max(value, 0);
  if (value == minWidth_) return;
  minWidth_ = value;
  if (maxWidth_ > 0 && value > maxWidth_) maxWidth_ = value;
  Change();
}

void TSizeConstraints::Apply(int& width, int& height) const {
  if (minWidth_ > 0 && width < minWidth_) width = minWidth_;
  if (maxWidth_ > 0 && width > maxWidth_) width = maxWidth_;
  if (minHeight_ > 0 && height < minHeight_) height = minHeight_;
  if (maxHeight_ > 0 && height > maxHeight_) height = maxHeight_;
}

void TSizeConstraints::AssignTo(TPersistent* dest) {
  auto* target = Cast<TSizeConstraints>(dest);
  if (!target) return TPersistent::AssignTo(dest);
  target->minHeight_ = minHeight_;
  target->maxHeight_ = maxHeight_;
  target->minWidth_ = minWidth_;
  target->maxWidth_ = maxWidth_;
  target->Change();
}

}  // namespace vcl
