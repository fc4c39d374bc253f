// The picture dialogs of the Dialogs page: open and save dialogs whose filter lists the
// graphic formats the library reads, unless the form sets a filter of its own.
#pragma once

#include "vcl/dialogs.h"

namespace vcl {

// "All (*.bmp;...)|*.bmp;...|Bitmaps (*.bmp)|*.bmp|..." for the graphic formats.
const std::string& GraphicFilter();

class TOpenPictureDialog : public TOpenDialog {
  VCL_CLASS(TOpenPictureDialog, TOpenDialog)
  explicit TOpenPictureDialog(TComponent* owner);
  // A filter other than the graphic formats is written to the form file.
  bool IsFilterStored() const { return Filter() != GraphicFilter(); }
};

class TSavePictureDialog : public TOpenPictureDialog {
  VCL_CLASS(TSavePictureDialog, TOpenPictureDialog)
  using TOpenPictureDialog::TOpenPictureDialog;
  bool Execute() override;
};

}  // namespace vcl
