// A picture of a form as SVG, drawn as the form designer shows it: every control at its
// pixel position in the classic Windows look, the window's frame and caption bar, the
// designer's dot grid, and the icons of non-visual components. Texts are measured with
// the model's metrics, so the picture matches the layout the tools compute. The same
// form always gives the same bytes.
#pragma once

#include <string>

#include "vcl/controls.h"

namespace vcl {

class TFormFile;

struct TSvgOptions {
  // The form file the root was read from: it gives non-visual components the designer
  // positions it stores (Left/Top) and a data module its window size. Components it does
  // not place are laid out in a row along the top.
  const TFormFile* FormFile = nullptr;
  // The designer's dot grid on the form and its containers.
  bool Grid = true;
};

// The root (a form, frame or data module) as the designer shows it. With `only`, a control
// of the root: that control alone with its children, in a picture of its own size.
// Raises EInvalidOperation when `only` is not on the root.
std::string RenderSvg(TComponent* root, TControl* only = nullptr, const TSvgOptions& options = {});

}  // namespace vcl
