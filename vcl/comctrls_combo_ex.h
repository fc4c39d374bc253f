// The extended combo box of the common controls: a combo box whose items are a collection
// with an image (and an indent) each.
#pragma once

#include <memory>
#include <string>

#include "vcl/collections.h"
#include "vcl/imglist.h"
#include "vcl/stdctrls.h"

namespace vcl {

// One item: its caption and the images shown beside it (-1: none).
class TComboExItem : public TCollectionItem {
  VCL_CLASS(TComboExItem, TCollectionItem)
  using TCollectionItem::TCollectionItem;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value, Changed(); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { imageIndex_ = value, Changed(); }
  int SelectedImageIndex() const { return selectedImageIndex_; }
  void SetSelectedImageIndex(int value) { selectedImageIndex_ = value, Changed(); }
  int OverlayImageIndex() const { return overlayImageIndex_; }
  void SetOverlayImageIndex(int value) { overlayImageIndex_ = value, Changed(); }
  int Indent() const { return indent_; }
  void SetIndent(int value) { indent_ = value, Changed(); }
  // The image the edit part shows while the item is selected.
  int ShownImageIndex() const { return selectedImageIndex_ >= 0 ? selectedImageIndex_ : imageIndex_; }

private:
  std::string caption_;
  int imageIndex_ = -1, selectedImageIndex_ = -1, overlayImageIndex_ = -1, indent_ = -1;
};

class TComboExItems : public TTypedCollection<TComboExItem> {
  VCL_CLASS(TComboExItems, TCollection)
};

enum TComboBoxExStyle { csExDropDown, csExSimple, csExDropDownList };
enum TComboBoxExStyleEx { csExCaseSensitive, csExNoEditImage, csExNoEditImageIndent, csExNoSizeLimit, csExPathWordBreakProc };
using TComboBoxExStyles = NativeInt;  // bit n for TComboBoxExStyleEx value n

// Its Items are the captions of ItemsEx, kept in step (once loaded, for a form being read).
class TCustomComboBoxEx : public TCustomComboBox {
  VCL_CLASS(TCustomComboBoxEx, TCustomComboBox)
  explicit TCustomComboBoxEx(TComponent* owner);
  ~TCustomComboBoxEx() override;

  TComboExItems* ItemsEx() const { return itemsEx_.get(); }
  TComboBoxExStyle Style() const { return styleEx_; }
  // Sets the combo box's own style to the matching one (drop-down, simple, drop-down list).
  void SetStyle(TComboBoxExStyle value);
  TComboBoxExStyles StyleEx() const { return styleExFlags_; }
  void SetStyleEx(TComboBoxExStyles value) { styleExFlags_ = value; }
  TCustomImageList* Images() const { return images_.get(); }
  void SetImages(TCustomImageList* value) { images_.Set(value); }
  // The selected item, or null.
  TComboExItem* SelectedItem() const;

  void Loaded() override;

  TNotifyEvent OnBeginEdit;
  TNotifyEvent OnEndEdit;

private:
  void ItemsExChanged();

  std::unique_ptr<TComboExItems> itemsEx_;
  TComboBoxExStyle styleEx_ = csExDropDown;
  TComboBoxExStyles styleExFlags_ = 0;
  TComponentRef<TCustomImageList> images_{this};
};

class TComboBoxEx : public TCustomComboBoxEx {
  VCL_CLASS(TComboBoxEx, TCustomComboBoxEx)
  using TCustomComboBoxEx::TCustomComboBoxEx;
};

}  // namespace vcl
