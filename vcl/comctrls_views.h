// Views of the common controls: the tree view with its nodes and the list view with its
// columns.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vcl/collections.h"
#include "vcl/controls.h"
#include "vcl/imglist.h"

namespace vcl {

// A node of a tree view: its text, images and children.
struct TTreeNode {
  std::string Text;
  int ImageIndex = -1;
  int SelectedIndex = -1;
  int StateIndex = -1;
  int OverlayIndex = -1;
  int Height = 0;  // Lazarus's; 0 for the tree's own
  bool Expanded = false;
  std::vector<std::unique_ptr<TTreeNode>> Children;
};

// The nodes of a tree view. A form file keeps them as "Items.Data" (the first library's
// layout, or Lazarus's) or "Items.NodeData" (later libraries'); the nodes of a layout the
// model does not read are left out, and the file keeps the bytes for the save. Nodes
// changed in the model are written back in the layout they were read in (new trees: the
// first library's).
class TTreeNodes : public TPersistent {
  VCL_CLASS(TTreeNodes, TPersistent)
  const std::vector<std::unique_ptr<TTreeNode>>& TopNodes() const { return nodes_; }
  std::vector<std::unique_ptr<TTreeNode>>& TopNodes() { return nodes_; }
  TTreeNode* Add(std::string text);
  // Replaces the nodes with those the bytes hold: false (and no nodes) when they are not
  // in a layout the model reads.
  bool ReadData(std::string_view bytes);
  bool ReadNodeData(std::string_view bytes);
  // The bytes of "Data" or "NodeData"; empty when the nodes are kept under the other name or
  // there are none. Raises EWriteError for a text the layout cannot hold (over 255 bytes in
  // the first library's, 255 characters in later libraries').
  std::string WriteData() const;
  std::string WriteNodeData() const;

  bool ReadBinaryProperty(std::string_view name, std::string_view bytes) override;
  void WriteBinaryProperties(const TBinaryPropertyWriter& write) const override;

private:
  enum class TLayout { Classic, Lazarus, Unicode };
  std::vector<std::unique_ptr<TTreeNode>> nodes_;
  TLayout layout_ = TLayout::Classic;
};

enum TSortType { stNone, stData, stText, stBoth };

class TTreeView : public TWinControl {
  VCL_CLASS(TTreeView, TWinControl)
  explicit TTreeView(TComponent* owner);

  TTreeNodes* Items() const { return items_.get(); }

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value) { borderStyle_ = value; }
  TCustomImageList* Images() const { return images_.get(); }
  void SetImages(TCustomImageList* value) { images_.Set(value); }
  TCustomImageList* StateImages() const { return stateImages_.get(); }
  void SetStateImages(TCustomImageList* value) { stateImages_.Set(value); }
  int Indent() const { return indent_; }
  void SetIndent(int value) { indent_ = value; }
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value) { showButtons_ = value; }
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool value) { showLines_ = value; }
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool value) { showRoot_ = value; }
  bool AutoExpand() const { return autoExpand_; }
  void SetAutoExpand(bool value) { autoExpand_ = value; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value) { hideSelection_ = value; }
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value) { hotTrack_ = value; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool RightClickSelect() const { return rightClickSelect_; }
  void SetRightClickSelect(bool value) { rightClickSelect_ = value; }
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool value) { rowSelect_ = value; }
  bool ToolTips() const { return toolTips_; }
  void SetToolTips(bool value) { toolTips_ = value; }
  int ChangeDelay() const { return changeDelay_; }
  void SetChangeDelay(int value) { changeDelay_ = value; }
  TSortType SortType() const { return sortType_; }
  void SetSortType(TSortType value) { sortType_ = value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnCollapsed;
  TNotifyEvent OnExpanded;

private:
  std::unique_ptr<TTreeNodes> items_;
  TBorderStyle borderStyle_ = bsSingle;
  TComponentRef<TCustomImageList> images_{this};
  TComponentRef<TCustomImageList> stateImages_{this};
  int indent_ = 19, changeDelay_ = 0;
  bool showButtons_ = true, showLines_ = true, showRoot_ = true, autoExpand_ = false, hideSelection_ = true;
  bool hotTrack_ = false, readOnly_ = false, rightClickSelect_ = false, rowSelect_ = false, toolTips_ = true;
  TSortType sortType_ = stNone;
};

class TListColumn : public TCollectionItem {
  VCL_CLASS(TListColumn, TCollectionItem)
  using TCollectionItem::TCollectionItem;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value, Changed(); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { autoSize_ = value, Changed(); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value, Changed(); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { imageIndex_ = value, Changed(); }
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value) { maxWidth_ = value; }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int value) { minWidth_ = value; }
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value, Changed(); }

private:
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = false;
  std::string caption_;
  int imageIndex_ = -1, maxWidth_ = 0, minWidth_ = 0, width_ = 50;
};

class TListColumns : public TTypedCollection<TListColumn> {
  VCL_CLASS(TListColumns, TCollection)
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

// An item of a list view: its caption, images, and the texts of the further columns.
struct TListItem {
  std::string Caption;
  int ImageIndex = -1;
  int StateIndex = -1;
  int OverlayIndex = -1;
  std::vector<std::string> SubItems;
  std::vector<int> SubItemImages;  // one per sub-item when the file gives them, else empty
};

// The items of a list view. A form file keeps them as "Items.Data", written back in the
// layout they were read in (with the sub-items' images when the file had them). Bytes in a
// layout the model does not read give no items and are written back as they were until
// items are added.
class TListItems : public TPersistent {
  VCL_CLASS(TListItems, TPersistent)
  const std::vector<TListItem>& Items() const { return items_; }
  // Raises EListError for an index out of range.
  TListItem& Item(int index);
  int Count() const { return static_cast<int>(items_.size()); }
  TListItem& Add(std::string caption);
  void Delete(int index);
  void Clear() { items_.clear(); }
  // Replaces the items with those the bytes hold: false (and no items) when they are not
  // in the layout the model reads.
  bool ReadData(std::string_view bytes);
  // The items' bytes; none for no items. Raises EWriteError for a text over 255 bytes.
  std::string WriteData() const;
  bool ReadBinaryProperty(std::string_view name, std::string_view bytes) override;
  void WriteBinaryProperties(const TBinaryPropertyWriter& write) const override;

private:
  std::vector<TListItem> items_;
  bool subItemImages_ = false;  // the layout with an image per sub-item after the items
  std::string unread_;          // bytes in a layout the model does not read
};

// A list of items shown as icons, a list, or (vsReport) rows under column headers.
class TListView : public TWinControl {
  VCL_CLASS(TListView, TWinControl)
  explicit TListView(TComponent* owner);

  TListColumns* Columns() const { return columns_.get(); }
  TListItems* Items() const { return items_.get(); }
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle value) { viewStyle_ = value; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value) { borderStyle_ = value; }
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool value) { showColumnHeaders_ = value; }
  bool ColumnClick() const { return columnClick_; }
  void SetColumnClick(bool value) { columnClick_ = value; }
  bool Checkboxes() const { return checkboxes_; }
  void SetCheckboxes(bool value) { checkboxes_ = value; }
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool value) { gridLines_ = value; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value) { hideSelection_ = value; }
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value) { hotTrack_ = value; }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value) { multiSelect_ = value; }
  bool OwnerData() const { return ownerData_; }
  void SetOwnerData(bool value) { ownerData_ = value; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value) { ownerDraw_ = value; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool value) { rowSelect_ = value; }
  TSortType SortType() const { return sortType_; }
  void SetSortType(TSortType value) { sortType_ = value; }
  TCustomImageList* LargeImages() const { return largeImages_.get(); }
  void SetLargeImages(TCustomImageList* value) { largeImages_.Set(value); }
  TCustomImageList* SmallImages() const { return smallImages_.get(); }
  void SetSmallImages(TCustomImageList* value) { smallImages_.Set(value); }
  TCustomImageList* StateImages() const { return stateImages_.get(); }
  void SetStateImages(TCustomImageList* value) { stateImages_.Set(value); }

  TNotifyEvent OnChange;
  TNotifyEvent OnColumnClick;
  TNotifyEvent OnSelectItem;

private:
  std::unique_ptr<TListColumns> columns_;
  std::unique_ptr<TListItems> items_;
  TViewStyle viewStyle_ = vsIcon;
  TBorderStyle borderStyle_ = bsSingle;
  bool showColumnHeaders_ = true, columnClick_ = true, checkboxes_ = false, gridLines_ = false;
  bool hideSelection_ = true, hotTrack_ = false, multiSelect_ = false, ownerData_ = false, ownerDraw_ = false;
  bool readOnly_ = false, rowSelect_ = false;
  TSortType sortType_ = stNone;
  TComponentRef<TCustomImageList> largeImages_{this};
  TComponentRef<TCustomImageList> smallImages_{this};
  TComponentRef<TCustomImageList> stateImages_{this};
};

}  // namespace vcl
