#include "vcl/comctrls_views.h"

#include "vcl/published_controls.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoSortType() {
  static auto t = MakeEnumType("TSortType", {"stNone", "stData", "stText", "stBoth"});
  return t;
}
const TTypeInfo* TypeInfoViewStyle() {
  static auto t = MakeEnumType("TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"});
  return t;
}

// Reads little-endian fields of a byte block; any read past the end marks the block bad.
class TByteReader {
public:
  explicit TByteReader(std::string_view bytes) : rest_(bytes) {}
  bool Ok() const { return ok_; }
  bool AtEnd() const { return rest_.empty(); }
  std::size_t Left() const { return rest_.size(); }
  bool Fits(std::size_t count) const { return count <= rest_.size(); }
  std::int32_t Int32() { return static_cast<std::int32_t>(Unsigned(4)); }
  std::int32_t Int16() { return static_cast<std::int16_t>(Unsigned(2)); }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(Unsigned(1)); }
  std::string_view Bytes(std::size_t count) {
    if (count > rest_.size()) return Fail(), std::string_view();
    std::string_view taken = rest_.substr(0, count);
    rest_.remove_prefix(count);
    return taken;
  }
  void Fail() {
    ok_ = false;
    rest_ = {};
  }

private:
  std::uint32_t Unsigned(std::size_t size) {
    std::string_view b = Bytes(size);
    std::uint32_t value = 0;
    for (std::size_t i = b.size(); i-- > 0;) value = value << 8 | static_cast<unsigned char>(b[i]);
    return value;
  }
  std::string_view rest_;
  bool ok_ = true;
};

// Little-endian UTF-16 code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view units) {
  std::u32string chars;
  auto unit = [&](std::size_t i) -> char32_t {
    return static_cast<unsigned char>(units[2 * i]) | static_cast<unsigned char>(units[2 * i + 1]) << 8;
  };
  std::size_t count = units.size() / 2;
  for (std::size_t i = 0; i < count; ++i) {
    char32_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000)
      chars += 0x10000 + ((u - 0xD800) << 10) + (unit(++i) - 0xDC00);
    else
      chars += u >= 0xD800 && u < 0xE000 ? char32_t{0xFFFD} : u;
  }
  return CharsToUtf8(chars);
}

// A node's fields as one of the layouts gives them; `children` the count that follows.
using TNodeReader = bool (*)(TByteReader& in, TTreeNode& node, int& children);

// Nodes, depth first, each followed by its children. A count larger than the bytes can
// hold is refused before anything is made of it.
bool ReadNodes(TByteReader& in, std::vector<std::unique_ptr<TTreeNode>>& into, int count, TNodeReader read,
               int depth) {
  if (count < 0 || depth > 1000) return false;
  for (int i = 0; i < count && in.Ok(); ++i) {
    auto node = std::make_unique<TTreeNode>();
    int children = 0;
    if (!read(in, *node, children) || !ReadNodes(in, node->Children, children, read, depth + 1)) return false;
    into.push_back(std::move(node));
  }
  return in.Ok();
}

// The first library's node: its size, four image indexes, a pointer, the child count and
// the text as a short string.
bool ReadClassicNode(TByteReader& in, TTreeNode& node, int& children) {
  std::int32_t size = in.Int32();
  if (size < 25) return false;
  TByteReader info(in.Bytes(static_cast<std::size_t>(size)));
  node.ImageIndex = info.Int32();
  node.SelectedIndex = info.Int32();
  node.StateIndex = info.Int32();
  node.OverlayIndex = info.Int32();
  info.Int32();  // data pointer
  children = info.Int32();
  node.Text = std::string(info.Bytes(info.Byte()));
  return info.Ok() && in.Ok();
}

// Lazarus's node: four image indexes, the child count, a height, whether expanded, then
// the text's length and its UTF-8 bytes.
bool ReadLazarusNode(TByteReader& in, TTreeNode& node, int& children) {
  node.ImageIndex = in.Int32();
  node.SelectedIndex = in.Int32();
  node.StateIndex = in.Int32();
  node.OverlayIndex = in.Int32();
  children = in.Int32();
  node.Height = in.Int32();
  node.Expanded = in.Byte() != 0;
  std::int32_t length = in.Int32();
  if (length < 0) return false;
  node.Text = std::string(in.Bytes(static_cast<std::size_t>(length)));
  return in.Ok();
}

// A later library's node: its size, four image indexes, an 8-byte data field, the child
// count, a flags byte, then the text's length in UTF-16 units and the units.
bool ReadUnicodeNode(TByteReader& in, TTreeNode& node, int& children) {
  std::int32_t size = in.Int32();
  if (size < 30) return false;
  TByteReader info(in.Bytes(static_cast<std::size_t>(size)));
  node.ImageIndex = info.Int32();
  node.SelectedIndex = info.Int32();
  node.StateIndex = info.Int32();
  node.OverlayIndex = info.Int32();
  info.Bytes(8);  // data
  children = info.Int32();
  info.Byte();  // flags
  node.Text = Utf16ToUtf8(info.Bytes(2 * std::size_t{info.Byte()}));
  return info.Ok() && in.Ok();
}

// An item as the first library writes it: image, state and overlay indexes, the number of
// sub-items, a data pointer, then the caption and the sub-items as short strings.
bool ReadListItem(TByteReader& in, TListItem& item) {
  item.ImageIndex = in.Int32();
  item.StateIndex = in.Int32();
  item.OverlayIndex = in.Int32();
  std::int32_t subItems = in.Int32();
  in.Int32();  // data
  // Each sub-item takes at least its length byte.
  if (subItems < 0 || !in.Ok() || !in.Fits(static_cast<std::size_t>(subItems) + 1)) return false;
  item.Caption = std::string(in.Bytes(in.Byte()));
  item.SubItems.reserve(static_cast<std::size_t>(subItems));
  for (std::int32_t i = 0; i < subItems && in.Ok(); ++i) item.SubItems.emplace_back(in.Bytes(in.Byte()));
  return in.Ok();
}

// Lazarus marks its layout with a negative count, then a version.
constexpr std::int32_t kLazarusStreamId = -7;

void AppendInt(std::string& out, std::int32_t value, std::size_t size = 4) {
  for (std::size_t i = 0; i < size; ++i) out += static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
}

// A short string's length byte; a longer text cannot be stored in the layout.
char ShortLength(std::size_t length, const std::string& text, const char* what = "tree node") {
  if (length > 255) throw EWriteError(std::string("The ") + what + " text '" + text + "' is too long for the form file");
  return static_cast<char>(length);
}

void WriteClassicNode(std::string& out, const TTreeNode& node) {
  AppendInt(out, 25 + static_cast<std::int32_t>(node.Text.size()));
  for (int index : {node.ImageIndex, node.SelectedIndex, node.StateIndex, node.OverlayIndex, 0})
    AppendInt(out, index);
  AppendInt(out, static_cast<std::int32_t>(node.Children.size()));
  out += ShortLength(node.Text.size(), node.Text);
  out += node.Text;
}

void WriteLazarusNode(std::string& out, const TTreeNode& node) {
  for (int index : {node.ImageIndex, node.SelectedIndex, node.StateIndex, node.OverlayIndex}) AppendInt(out, index);
  AppendInt(out, static_cast<std::int32_t>(node.Children.size()));
  AppendInt(out, node.Height);
  out += static_cast<char>(node.Expanded);
  AppendInt(out, static_cast<std::int32_t>(node.Text.size()));
  out += node.Text;
}

// Enabled is the flag every node of the tree model has.
constexpr char kUnicodeNodeEnabled = 1;

void WriteUnicodeNode(std::string& out, const TTreeNode& node) {
  std::string units;
  for (char32_t c : Utf8ToChars(node.Text)) {
    if (c >= 0x10000) {
      AppendInt(units, static_cast<std::int32_t>(0xD800 + ((c - 0x10000) >> 10)), 2);
      c = 0xDC00 + ((c - 0x10000) & 0x3FF);
    }
    AppendInt(units, static_cast<std::int32_t>(c), 2);
  }
  AppendInt(out, 30 + static_cast<std::int32_t>(units.size()));
  for (int index : {node.ImageIndex, node.SelectedIndex, node.StateIndex, node.OverlayIndex}) AppendInt(out, index);
  out.append(8, '\0');  // data
  AppendInt(out, static_cast<std::int32_t>(node.Children.size()));
  out += kUnicodeNodeEnabled;
  out += ShortLength(units.size() / 2, node.Text);
  out += units;
}

// Nodes, depth first, each followed by its children, as ReadNodes reads them.
void WriteNodes(std::string& out, const std::vector<std::unique_ptr<TTreeNode>>& nodes,
                void (*write)(std::string&, const TTreeNode&)) {
  for (const auto& node : nodes) {
    write(out, *node);
    WriteNodes(out, node->Children, write);
  }
}
}  // namespace

// ---- TTreeNodes

TClass TTreeNodes::ClassInfo() {
  static TClass cls = TClassBuilder<TTreeNodes>("TTreeNodes", TPersistent::ClassInfo()).Build();
  return cls;
}

TTreeNode* TTreeNodes::Add(std::string text) {
  nodes_.push_back(std::make_unique<TTreeNode>());
  nodes_.back()->Text = std::move(text);
  return nodes_.back().get();
}

bool TTreeNodes::ReadData(std::string_view bytes) {
  nodes_.clear();
  layout_ = TLayout::Classic;
  TByteReader in(bytes);
  std::int32_t count = in.Int32();
  TNodeReader read = ReadClassicNode;
  if (count == kLazarusStreamId) {
    if (in.Int16() != 2) return false;
    count = in.Int32();
    read = ReadLazarusNode;
    layout_ = TLayout::Lazarus;
  }
  if (ReadNodes(in, nodes_, count, read, 0) && in.AtEnd()) return true;
  nodes_.clear();
  return false;
}

bool TTreeNodes::ReadNodeData(std::string_view bytes) {
  nodes_.clear();
  layout_ = TLayout::Unicode;
  TByteReader in(bytes);
  if (in.Byte() != 3) return false;
  if (ReadNodes(in, nodes_, in.Int32(), ReadUnicodeNode, 0) && in.AtEnd()) return true;
  nodes_.clear();
  return false;
}

std::string TTreeNodes::WriteData() const {
  std::string out;
  if (nodes_.empty() || layout_ == TLayout::Unicode) return out;
  if (layout_ == TLayout::Lazarus) {
    AppendInt(out, kLazarusStreamId);
    AppendInt(out, 2, 2);
  }
  AppendInt(out, static_cast<std::int32_t>(nodes_.size()));
  WriteNodes(out, nodes_, layout_ == TLayout::Lazarus ? WriteLazarusNode : WriteClassicNode);
  return out;
}

std::string TTreeNodes::WriteNodeData() const {
  std::string out;
  if (nodes_.empty() || layout_ != TLayout::Unicode) return out;
  out += '\x03';
  AppendInt(out, static_cast<std::int32_t>(nodes_.size()));
  WriteNodes(out, nodes_, WriteUnicodeNode);
  return out;
}

bool TTreeNodes::ReadBinaryProperty(std::string_view name, std::string_view bytes) {
  if (SameText(name, "Data")) return ReadData(bytes), true;
  if (SameText(name, "NodeData")) return ReadNodeData(bytes), true;
  return false;
}

void TTreeNodes::WriteBinaryProperties(const TBinaryPropertyWriter& write) const {
  write("Data", WriteData());
  write("NodeData", WriteNodeData());
}

// ---- TListItems

TClass TListItems::ClassInfo() {
  static TClass cls = TClassBuilder<TListItems>("TListItems", TPersistent::ClassInfo()).Build();
  return cls;
}

TListItem& TListItems::Add(std::string caption) {
  items_.emplace_back().Caption = std::move(caption);
  return items_.back();
}

TListItem& TListItems::Item(int index) {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<std::size_t>(index)];
}

void TListItems::Delete(int index) {
  Item(index);  // checks the index
  items_.erase(items_.begin() + index);
}

bool TListItems::ReadBinaryProperty(std::string_view name, std::string_view bytes) {
  if (!SameText(name, "Data")) return false;
  unread_.clear();
  if (!ReadData(bytes)) unread_ = bytes;
  return true;
}

void TListItems::WriteBinaryProperties(const TBinaryPropertyWriter& write) const {
  write("Data", items_.empty() ? unread_ : WriteData());
}

std::string TListItems::WriteData() const {
  std::string out;
  if (items_.empty()) return out;
  auto shortString = [&out](const std::string& text) {
    out += ShortLength(text.size(), text, "list item");
    out += text;
  };
  AppendInt(out, 0);  // the block's size, once known
  AppendInt(out, static_cast<std::int32_t>(items_.size()));
  for (const TListItem& item : items_) {
    for (int index : {item.ImageIndex, item.StateIndex, item.OverlayIndex}) AppendInt(out, index);
    AppendInt(out, static_cast<std::int32_t>(item.SubItems.size()));
    AppendInt(out, 0);  // data
    shortString(item.Caption);
    for (const std::string& sub : item.SubItems) shortString(sub);
  }
  std::string size;
  AppendInt(size, static_cast<std::int32_t>(out.size()));
  out.replace(0, 4, size);
  if (subItemImages_)
    for (const TListItem& item : items_)
      for (std::size_t i = 0; i < item.SubItems.size(); ++i)
        AppendInt(out, i < item.SubItemImages.size() ? item.SubItemImages[i] : -1);
  return out;
}

// The block's size and the item count, the items, and (from later libraries) an image
// index for every sub-item of every item after them.
bool TListItems::ReadData(std::string_view bytes) {
  items_.clear();
  subItemImages_ = false;
  TByteReader in(bytes);
  std::int32_t size = in.Int32();
  std::int32_t count = in.Int32();
  // Each item takes at least its 21 fixed bytes.
  if (!in.Ok() || size < 8 || static_cast<std::size_t>(size) > bytes.size() || count < 0 ||
      static_cast<std::size_t>(count) > (bytes.size() - 8) / 21)
    return false;
  TByteReader block(bytes.substr(8, static_cast<std::size_t>(size) - 8));
  items_.resize(static_cast<std::size_t>(count));
  std::size_t subItems = 0;
  for (TListItem& item : items_) {
    if (!ReadListItem(block, item)) return items_.clear(), false;
    subItems += item.SubItems.size();
  }
  TByteReader images(bytes.substr(static_cast<std::size_t>(size)));
  if (!block.AtEnd() || (!images.AtEnd() && images.Left() != 4 * subItems)) return items_.clear(), false;
  subItemImages_ = !images.AtEnd();
  if (images.AtEnd()) return true;
  for (TListItem& item : items_)
    for (std::size_t i = 0; i < item.SubItems.size(); ++i) item.SubItemImages.push_back(images.Int32());
  return true;
}

// ---- TTreeView

TClass TTreeView::ClassInfo() {
  static TClass cls = [] {
    using T = TTreeView;
    TClassBuilder<T> b("TTreeView", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors");
    b.Bool("AutoExpand", &T::AutoExpand, &T::SetAutoExpand, false);
    PublishStandard(b, "BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &T::BorderStyle, &T::SetBorderStyle, bsSingle);
    PublishStandard(b, "BorderWidth");
    b.Integer("ChangeDelay", &T::ChangeDelay, &T::SetChangeDelay, 0);
    PublishStandard(b, "Color Ctl3D Constraints DragKind DragCursor DragMode Enabled Font");
    b.Bool("HideSelection", &T::HideSelection, &T::SetHideSelection, true);
    b.Bool("HotTrack", &T::HotTrack, &T::SetHotTrack, false);
    b.Reference<TCustomImageList>("Images", &T::Images, &T::SetImages);
    b.Integer("Indent", &T::Indent, &T::SetIndent);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
    b.Bool("ReadOnly", &T::ReadOnly, &T::SetReadOnly, false);
    b.Bool("RightClickSelect", &T::RightClickSelect, &T::SetRightClickSelect, false);
    b.Bool("RowSelect", &T::RowSelect, &T::SetRowSelect, false);
    b.Bool("ShowButtons", &T::ShowButtons, &T::SetShowButtons, true);
    PublishStandard(b, "ShowHint");
    b.Bool("ShowLines", &T::ShowLines, &T::SetShowLines, true);
    b.Bool("ShowRoot", &T::ShowRoot, &T::SetShowRoot, true);
    b.Enum<TSortType>("SortType", TypeInfoSortType(), &T::SortType, &T::SetSortType, stNone);
    b.Reference<TCustomImageList>("StateImages", &T::StateImages, &T::SetStateImages);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &T::TabStop, &T::SetTabStop, true);
    b.Bool("ToolTips", &T::ToolTips, &T::SetToolTips, true);
    PublishStandard(b, "Visible");
    b.Event("OnChange", &T::OnChange, "TTVChangedEvent");
    PublishStandard(b, "OnClick");
    b.Event("OnCollapsed", &T::OnCollapsed, "TTVExpandedEvent");
    PublishStandard(b, "OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit");
    b.Event("OnExpanded", &T::OnExpanded, "TTVExpandedEvent");
    PublishStandard(b, "OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag");
    // Last, as the host publishes it: its nodes are read after the handlers they may need.
    b.Object("Items", &T::Items);
    return b.Build();
  }();
  return cls;
}

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TTreeNodes>()) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
}

// ---- TListView

TClass TListColumn::ClassInfo() {
  static TClass cls = [] {
    using L = TListColumn;
    TClassBuilder<L> b("TListColumn", TCollectionItem::ClassInfo());
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &L::Alignment, &L::SetAlignment, taLeftJustify);
    b.Bool("AutoSize", &L::AutoSize, &L::SetAutoSize, false);
    b.String("Caption", &L::Caption, &L::SetCaption);
    b.Integer("ImageIndex", &L::ImageIndex, &L::SetImageIndex, -1, TypeInfoImageIndex());
    b.Integer("MaxWidth", &L::MaxWidth, &L::SetMaxWidth, 0);
    b.Integer("MinWidth", &L::MinWidth, &L::SetMinWidth, 0);
    b.Integer("Width", &L::Width, &L::SetWidth, 50);
    return b.Build();
  }();
  return cls;
}

TClass TListColumns::ClassInfo() {
  static TClass cls = TClassBuilder<TListColumns>("TListColumns", TCollection::ClassInfo()).Build();
  return cls;
}

TClass TListView::ClassInfo() {
  static TClass cls = [] {
    using L = TListView;
    TClassBuilder<L> b("TListView", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &L::BorderStyle, &L::SetBorderStyle, bsSingle);
    PublishStandard(b, "BorderWidth");
    b.Bool("Checkboxes", &L::Checkboxes, &L::SetCheckboxes, false);
    PublishStandard(b, "Color");
    // Only a report and a list (whose column gives its width) show columns, and only then
    // does the IDE store them.
    b.Object("Columns", &L::Columns).StoredWhen([](L& list) {
      return list.ViewStyle() == vsReport || list.ViewStyle() == vsList;
    });
    b.Bool("ColumnClick", &L::ColumnClick, &L::SetColumnClick, true);
    PublishStandard(b, "Constraints Ctl3D DragCursor DragKind DragMode Enabled Font");
    b.Bool("GridLines", &L::GridLines, &L::SetGridLines, false);
    b.Bool("HideSelection", &L::HideSelection, &L::SetHideSelection, true);
    b.Bool("HotTrack", &L::HotTrack, &L::SetHotTrack, false);
    b.Object("Items", &L::Items);
    b.Reference<TCustomImageList>("LargeImages", &L::LargeImages, &L::SetLargeImages);
    b.Bool("MultiSelect", &L::MultiSelect, &L::SetMultiSelect, false);
    b.Bool("OwnerData", &L::OwnerData, &L::SetOwnerData, false);
    b.Bool("OwnerDraw", &L::OwnerDraw, &L::SetOwnerDraw, false);
    b.Bool("ReadOnly", &L::ReadOnly, &L::SetReadOnly, false);
    b.Bool("RowSelect", &L::RowSelect, &L::SetRowSelect, false);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentFont ParentShowHint PopupMenu");
    b.Bool("ShowColumnHeaders", &L::ShowColumnHeaders, &L::SetShowColumnHeaders, true);
    PublishStandard(b, "ShowHint");
    b.Reference<TCustomImageList>("SmallImages", &L::SmallImages, &L::SetSmallImages);
    b.Enum<TSortType>("SortType", TypeInfoSortType(), &L::SortType, &L::SetSortType, stNone);
    b.Reference<TCustomImageList>("StateImages", &L::StateImages, &L::SetStateImages);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &L::TabStop, &L::SetTabStop, true);
    b.Enum<TViewStyle>("ViewStyle", TypeInfoViewStyle(), &L::ViewStyle, &L::SetViewStyle, vsIcon);
    PublishStandard(b, "Visible");
    b.Event("OnChange", &L::OnChange, "TLVChangeEvent");
    PublishStandard(b, "OnClick");
    b.Event("OnColumnClick", &L::OnColumnClick, "TLVColumnClickEvent");
    PublishStandard(b, "OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress "
                       "OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnResize");
    b.Event("OnSelectItem", &L::OnSelectItem, "TLVSelectItemEvent");
    PublishStandard(b, "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner), columns_(std::make_unique<TListColumns>()), items_(std::make_unique<TListItems>()) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 250, 150);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
}


}  // namespace vcl
