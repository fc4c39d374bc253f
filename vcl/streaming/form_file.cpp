#include "vcl/streaming/form_file.h"

#include <algorithm>
#include <array>

#include "vcl/code_pages.h"
#include "vcl/collections.h"
#include "vcl/controls.h"
#include "vcl/integer_idents.h"
#include "vcl/streaming/dfm_binary_internal.h"  // the origin's definition, for destroying it
#include "vcl/streaming/form_placeholders.h"
#include "vcl/strings.h"
#include "vcl/sysutils.h"

namespace vcl {

// Forgets the bound components that are destroyed. The root tells of those it owns; the
// others (an inline frame's, one that left the root) are watched one by one.
class TFormFile::TWatcher : public TComponent {
public:
  explicit TWatcher(TFormFile& file) : TComponent(nullptr), file_(file) {}

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == file_.root_) {
      // Whatever is bound goes with the root.
      std::fill(file_.bound_.begin(), file_.bound_.end(), nullptr);
      file_.links_.Clear();
      file_.root_ = nullptr;
      return;
    }
    std::uint32_t link = file_.LinkOf(component);
    if (link == 0) return;
    if (!component->HasState(csDestroying)) return FreeNotification(component);
    file_.bound_[link] = nullptr;
    file_.links_.Erase(HashPointer(component), [link](std::uint32_t other) { return other == link; });
  }

private:
  TFormFile& file_;
};

namespace {

bool HasProperty(const dfm::Object& node, std::string_view name) { return node.find_property(name) != nullptr; }

// The kind of root a form without a unit declares, judged by what the IDE writes for each.
TClass InferRootAncestor(const dfm::Object& node) {
  if (HasProperty(node, "TabOrder")) return FindClass("TFrame");
  for (const char* formOnly : {"PixelsPerInch", "ClientWidth", "ClientHeight", "Caption", "BorderStyle", "Position"})
    if (HasProperty(node, formOnly)) return FindClass("TForm");
  bool anyControl = std::any_of(node.children.begin(), node.children.end(), [](const dfm::Object& child) {
    TClass cls = GetClass(child.class_name());
    return !cls || IsControlClass(cls);
  });
  return anyControl || node.children.empty() ? FindClass("TForm") : FindClass("TDataModule");
}

// Calls `visit` for `root` and every object inside it.
template <class Visit>
void VisitObjects(const dfm::Object& root, Visit&& visit) {
  std::vector<const dfm::Object*> pending{&root};
  while (!pending.empty()) {
    const dfm::Object* object = pending.back();
    pending.pop_back();
    visit(*object);
    for (const dfm::Object& child : object->children) pending.push_back(&child);
  }
}

// Published indexes along a dotted path, for ordering values as the IDE writes them.
std::vector<int> OrderKey(TObject* instance, std::string_view path) {
  std::vector<int> key;
  while (instance) {
    std::size_t dot = path.find('.');
    std::string_view head = path.substr(0, dot);
    PPropInfo prop = GetPropInfo(instance, head);
    if (!prop) {
      key.push_back(Cast<TStrings>(instance) ? 0 : -1);
      break;
    }
    key.push_back(prop->Index);
    if (dot == std::string_view::npos || prop->Kind() != TTypeKind::tkClass || prop->IsComponentReference()) break;
    instance = GetObjectProp(instance, prop);
    path.remove_prefix(dot + 1);
  }
  return key;
}

// The registered classes of the last few class names read: the children of one parent
// mostly repeat a few classes, which this finds without the registry's look-up.
class TRecentClasses {
public:
  TClass Get(std::string_view name) {
    for (TClass cls : classes_)
      if (cls && SameText(cls->ClassName(), name)) return cls;
    TClass cls = GetClass(name);
    if (cls) classes_[next_++ % classes_.size()] = cls;
    return cls;
  }

private:
  std::array<TClass, 4> classes_{};
  std::size_t next_ = 0;
};

}  // namespace

TFormFile::TFormFile(dfm::Document doc, std::unique_ptr<dfm::BinaryOrigin> binary)
    : doc_(std::move(doc)),
      binary_(std::move(binary)),
      format_(binary_ ? TFormFormat::Binary : TFormFormat::Text),
      watcher_(std::make_unique<TWatcher>(*this)),
      bound_(1, nullptr) {}

TFormFile::~TFormFile() {
  // The watcher first, so that the root's components go without telling it.
  watcher_.reset();
  if (root_ && ownsRoot_) root_->Free();
}

TFormSyntax::TFormSyntax(dfm::Document document, std::unique_ptr<dfm::BinaryOrigin> origin)
    : Document(std::move(document)), Origin(std::move(origin)) {}
TFormSyntax::TFormSyntax(TFormSyntax&&) noexcept = default;
TFormSyntax::~TFormSyntax() = default;

TFormSyntax TFormSyntax::Parse(std::string bytes, const std::string& fileName, const dfm::ReadOptions& options) {
  if (!dfm::is_binary_form(bytes)) return {dfm::Document::parse(std::move(bytes), fileName, options), nullptr};
  dfm::BinaryForm form = dfm::read_binary(std::move(bytes), fileName, options.code_page);
  return {std::move(form.document), std::move(form.origin)};
}

std::unique_ptr<TFormFile> TFormFile::Read(std::string bytes, const std::string& fileName,
                                           const TFormReadOptions& options) {
  return Read(TFormSyntax::Parse(std::move(bytes), fileName, options.Syntax), options);
}

std::unique_ptr<TFormFile> TFormFile::Read(TFormSyntax syntax, const TFormReadOptions& options) {
  std::unique_ptr<TFormFile> file(new TFormFile(std::move(syntax.Document), std::move(syntax.Origin)));
  file->ownsRoot_ = options.RootOwner == nullptr && options.Root == nullptr;
  file->declaredAncestor_ = options.DeclaredAncestor;
  file->root_ = file->CreateRoot(options);
  try {
    file->ReadTree();
  } catch (...) {
    if (!file->ownsRoot_ && file->root_ && !options.Root) file->root_->Free();
    throw;
  }
  return file;
}

TComponent* TFormFile::CreateRoot(const TFormReadOptions& options) {
  if (options.Root) return options.Root;
  dfm::Object& node = doc_.root();
  TClass ancestor = options.RootAncestor ? options.RootAncestor : GetClass(node.class_name());
  if (!ancestor || !ancestor->InheritsFrom(TComponent::ClassInfo())) ancestor = InferRootAncestor(node);
  TClass cls = ancestor;
  if (!SameText(ancestor->ClassName(), node.class_name())) {
    rootClass_ = TMetaClass::CreateDescendant(std::string(node.class_name()), ancestor);
    cls = rootClass_.get();
  }
  auto* root = As<TComponent>(cls->Create(options.RootOwner));
  root->SetDesigning(true);
  return root;
}

void TFormFile::ReadTree() {
  dfm::Object& node = doc_.root();
  try {
    root_->SetName(std::string(node.name()));
  } catch (const Exception& e) {
    throw EReadError(At(node.name()) + e.Message());
  }
  // Room for every object of the file at once: the tables never grow, nor hold twice their
  // entries while they would.
  std::size_t objects = 0;
  VisitObjects(node, [&objects](const dfm::Object&) { ++objects; });
  bound_.reserve(bound_.size() + objects);
  snapshots_.Reserve(bound_.size() + objects);
  links_.Reserve(objects);
  loaded_.reserve(objects);
  root_->ReserveComponents(static_cast<std::size_t>(root_->ComponentCount()) + objects - 1);
  ReadObject(node, root_, root_);
  ResolveReferences();
  for (TComponent* component : loaded_) component->Loaded();
  // The file's geometry as it stands once loaded (a page control has placed its sheets, which
  // the file does not position), before anything else realigns it.
  for (TComponent* component : loaded_)
    if (auto* control = Cast<TWinControl>(component)) control->CalibrateAlignment();
  loaded_ = {};
  guide_ = {};
  for (std::uint32_t link = 1; link < bound_.size(); ++link)
    if (TComponent* component = bound_[link]) {
      PackValues(component, snapshotBuilder_);
      snapshots_.Keep(link, snapshotBuilder_);
    }
}

std::uint32_t TFormFile::LinkOf(const TComponent* component) const {
  const std::uint32_t* link =
      links_.Find(HashPointer(component), [&](std::uint32_t l) { return bound_[l] == component; });
  return link ? *link : 0;
}

const dfm::Object* TFormFile::Node(const TComponent* component) const {
  std::uint32_t link = LinkOf(component);
  if (link == 0) return nullptr;
  if (nodes_.empty()) {
    // One walk of the tree serves every look-up until the next write changes it.
    nodes_.assign(bound_.size(), nullptr);
    VisitObjects(doc_.root(), [this](const dfm::Object& object) {
      if (object.link != 0) nodes_[object.link] = &object;
    });
  }
  return nodes_[link];
}

std::string TFormFile::At(std::string_view at) const {
  if (binary_) return dfm::binary_position(doc_, *binary_, at);
  dfm::Location where = doc_.location(at);
  return doc_.file_name() + ":" + std::to_string(where.line) + ":" + std::to_string(where.column) + ": ";
}

void TFormFile::Bind(dfm::Object& node, TComponent* component) {
  node.link = static_cast<std::uint32_t>(bound_.size());
  bound_.push_back(component);
  links_.Insert(HashPointer(component), node.link);
  if (component == root_)
    root_->AddNotificationListener(watcher_.get());
  else if (component->Owner() != root_)
    watcher_->FreeNotification(component);
}

void TFormFile::ReadObject(dfm::Object& node, TComponent* component, TComponent* owner) {
  Bind(node, component);
  component->Loading();
  loaded_.push_back(component);
  guide_.Begin(component->ClassType());
  for (const dfm::Property& property : node.properties) ReadProperty(component, property, &guide_);
  ReadTextsInCharset(node, component);
  ReadChildren(node, component, owner);
}

// A file written before the library was Unicode keeps a text byte by byte, in the code
// page of the font that shows it; the font's character set comes after the caption, so the
// texts are read again once it is known.
void TFormFile::ReadTextsInCharset(const dfm::Object& node, TComponent* component) {
  auto* control = Cast<TControl>(component);
  codePage_ = control ? CodePageOfCharset(control->EffectiveFont().Charset()) : 0;
  if (codePage_ == 0) return;
  auto bytewise = [this](const dfm::Value& value) { return doc_.string_bytes(value).has_value(); };
  for (const dfm::Property& property : node.properties) {
    const dfm::Value& value = property.value;
    if (bytewise(value) || std::any_of(value.items().begin(), value.items().end(), bytewise))
      ReadProperty(component, property);
  }
  codePage_ = 0;
}

std::string TFormFile::Text(const dfm::Value& value) const {
  if (codePage_ != 0)
    if (std::optional<std::string> bytes = doc_.string_bytes(value))
      if (std::optional<std::string> text = DecodeCodePage(*bytes, codePage_)) return *text;
  return doc_.as_string(value);
}

void TFormFile::ReadChildren(dfm::Object& node, TComponent* parent, TComponent* owner) {
  bool parentIsPlaceholder = std::any_of(placeholderClasses_.begin(), placeholderClasses_.end(),
                                         [&](const auto& cls) { return parent->ClassType() == cls.get(); });
  TRecentClasses recent;
  for (dfm::Object& child : node.children) {
    TClass cls = recent.Get(child.class_name());
    if (!cls) cls = DeclaredClass(child.class_name());
    if (!cls || !cls->InheritsFrom(TComponent::ClassInfo()) || cls->IsAbstract()) {
      placeholderClasses_.push_back(MakePlaceholderClass(child));
      cls = placeholderClasses_.back().get();
    }
    // Components of an unknown class may own what they hold (their names then live apart
    // from the form's); such a child is recognised by a name the form already has.
    TComponent* childOwner = parentIsPlaceholder && owner->FindComponent(child.name()) ? parent : owner;
    // A component, as the class was just checked to make.
    auto* component = static_cast<TComponent*>(cls->Create(childOwner));
    try {
      component->SetName(std::string(child.name()));
      component->SetParentComponent(parent);
    } catch (const Exception& e) {
      component->Free();
      throw EReadError(At(child.name().empty() ? child.keyword() : child.name()) + e.Message());
    }
    // An inline frame owns the components inside it.
    ReadObject(child, component, child.kind == dfm::ObjectKind::Inline ? component : childOwner);
  }
}

// A number, or the numbers a list starts with, for an object's own reading; nothing for a
// value of another kind.
std::optional<TUnpublishedValue> TFormFile::Unpublished(const dfm::Value& value) const {
  if (value.kind == dfm::ValueKind::Integer) return TUnpublishedValue{false, {doc_.as_integer(value)}};
  if (value.kind != dfm::ValueKind::List) return std::nullopt;
  TUnpublishedValue list{true, {}};
  for (const dfm::Value& item : value.items()) {
    if (item.kind != dfm::ValueKind::Integer) break;
    list.Integers.push_back(doc_.as_integer(item));
  }
  return list;
}

TClass TFormFile::DeclaredClass(std::string_view className) {
  if (!declaredAncestor_) return nullptr;
  std::string key = UpperCase(className);
  auto known = declaredClasses_.find(key);
  if (known != declaredClasses_.end()) return known->second.get();
  // Asked once per class; a class without a usable ancestor is remembered as null.
  TClass ancestor = declaredAncestor_(className);
  std::unique_ptr<TMetaClass> cls;
  if (ancestor && ancestor->InheritsFrom(TComponent::ClassInfo()) && !ancestor->IsAbstract())
    cls = TMetaClass::CreateDescendant(std::string(className), ancestor);
  return declaredClasses_.emplace(std::move(key), std::move(cls)).first->second.get();
}

// One value of the file for `object`, which is `component` or one of its collection items.
void TFormFile::ReadInto(TComponent* component, TObject* object, const dfm::Property& property,
                         TPropertyGuide* guide) {
  const dfm::Value& value = property.value;
  // Most values are of a property the object publishes itself, which the guide finds.
  std::string_view name = property.name();
  if (guide && std::find(name.begin(), name.end(), '.') == name.end())
    if (PPropInfo prop = guide->Find(name)) return ReadValue(component, property, object, prop);
  TPathTarget target = ResolvePath(object, name, guide);
  if (target.Lines) {
    auto* list = static_cast<TStrings*>(target.Instance);
    list->BeginUpdate();
    list->Clear();
    if (value.kind != dfm::ValueKind::List) doc_.as_strings(value);  // raises the error
    for (const dfm::Value& item : value.items()) list->Add(Text(item));
    list->EndUpdate();
    return;
  }
  if (!target.Prop) {
    // Not published: values that the object holding them reads itself (a picture's data, a
    // tree's nodes, a grid's sizes); the syntax tree keeps them for the save.
    auto* holder = Cast<TPersistent>(target.Instance);
    if (!holder) return;
    std::string_view name = property.name().substr(property.name().rfind('.') + 1);
    if (value.kind == dfm::ValueKind::Binary)
      holder->ReadBinaryProperty(name, doc_.as_binary(value));
    else if (std::optional<TUnpublishedValue> unpublished = Unpublished(value))
      holder->ReadUnpublishedProperty(name, *unpublished);
    return;
  }
  ReadValue(component, property, target.Instance, target.Prop);
}

void TFormFile::ReadProperty(TComponent* component, const dfm::Property& property, TPropertyGuide* guide) {
  const dfm::Value& value = property.value;
  try {
    ReadInto(component, component, property, guide);
  } catch (const EReadError& e) {
    std::string message = e.Message();
    if (message.rfind(doc_.file_name() + ":", 0) == 0) {
      if (!binary_) throw;  // already positioned
      // A line and column of the text rendered from a binary form mean nothing to the user.
      message.erase(0, message.find(": ", doc_.file_name().size() + 1) + 2);
    }
    throw EReadError(At(value.text()) + "Error reading " + component->Name() + "." +
                     std::string(property.name()) + ": " + message);
  } catch (const Exception& e) {
    throw EReadError(At(value.text()) + "Error reading " + component->Name() + "." +
                     std::string(property.name()) + ": " + e.Message());
  }
}

// One value of the model: `prop` of `instance`, which is `component` or one of its
// sub-objects, at `path` among the component's values.
void TFormFile::ReadValue(TComponent* component, const dfm::Property& property, TObject* instance, PPropInfo prop) {
  const dfm::Value& value = property.value;
  const TTypeInfo* type = prop->PropType;
  switch (type->Kind) {
    case TTypeKind::tkMethod:
      prop->Event(instance)->SetHandlerName(std::string(doc_.as_ident(value)));
      return;
    case TTypeKind::tkString:
      SetStrProp(instance, prop, Text(value));
      return;
    case TTypeKind::tkFloat:
      SetFloatProp(instance, prop, doc_.as_float(value).value);
      return;
    case TTypeKind::tkEnumeration: {
      // A value the model does not know (a later library's, say) stays in the file as it is.
      int ord = type->EnumValue(doc_.as_ident(value));
      if (ord >= 0) SetOrdProp(instance, prop, ord);
      return;
    }
    case TTypeKind::tkSet: {
      NativeInt bits = 0;
      for (std::string_view element : doc_.as_set(value)) {
        int bit = type->CompType->EnumValue(element);
        // As with enumerations: a set holding an element the model does not know (another
        // library's) stays in the file as it is.
        if (bit < 0) return;
        bits |= NativeInt{1} << bit;
      }
      SetOrdProp(instance, prop, bits);
      return;
    }
    case TTypeKind::tkChar: {
      if (value.kind == dfm::ValueKind::Integer) {
        SetOrdProp(instance, prop, doc_.as_integer(value));
      } else {
        std::string text = doc_.as_string(value);
        SetOrdProp(instance, prop, text.empty() ? 0 : static_cast<unsigned char>(text[0]));
      }
      return;
    }
    case TTypeKind::tkClass:
      if (!prop->IsComponentReference()) {
        auto* items = Cast<TCollection>(GetObjectProp(instance, prop));
        if (!items || value.kind != dfm::ValueKind::Collection) break;
        return ReadCollection(component, property.name(), *items, value);
      }
      doc_.as_ident(value);  // raises the error for a value that names nothing
      references_.push_back({instance, prop, &property, LinkOf(component), readingItem_});
      return;
    default:
      if (value.kind == dfm::ValueKind::Ident) {
        // A symbolic value the model does not know (another library's colour) stays as it is.
        int ord = 0;
        TIdentToInt toInt = FindIdentToInt(type);
        if (!toInt) break;
        if (toInt(doc_.as_ident(value), ord)) SetOrdProp(instance, prop, ord);
      } else {
        SetOrdProp(instance, prop, static_cast<NativeInt>(doc_.as_integer(value)));
      }
      return;
  }
  throw EReadError("Invalid property value");
}

namespace {
// Whether the model reads the value `name` of a collection item: what the item's class
// publishes (sub-objects and references included) and the lines of its string lists, but
// not collections inside items, which stay as the file has them.
bool ItemReads(TObject* item, std::string_view name) {
  TPathTarget target = ResolvePath(item, name);
  if (target.Lines) return true;
  return target.Prop && (target.Prop->Kind() != TTypeKind::tkClass || target.Prop->IsComponentReference() ||
                         !Cast<TCollection>(GetObjectProp(target.Instance, target.Prop)));
}

bool IsCollection(const TStoredValue& value) {
  return value.Prop && value.Prop->Kind() == TTypeKind::tkClass && !value.Prop->IsComponentReference();
}

// The key of an item's reference among those the file keeps as it has them.
std::string ItemReferenceKey(std::string_view collection, int id, std::string_view path) {
  return UpperCase(collection) + "\n" + std::to_string(id) + "\n" + UpperCase(path);
}
}  // namespace

// The items of a collection, each item's values read as a component's are. What the model
// does not read stays in the file, with its item when the collection is written.
void TFormFile::ReadCollection(TComponent* component, std::string_view path, TCollection& items,
                               const dfm::Value& value) {
  // A collection read twice drops the references its first items were waiting for (looked
  // for only then: a form may hold many collections and many references).
  if (items.Count() > 0)
    std::erase_if(references_, [&](const TPendingReference& ref) {
      return ref.Item && itemsRead_[ref.Item - 1].Item->Collection() == &items;
    });
  items.Clear();
  std::uint32_t link = LinkOf(component);
  std::vector<int>& ids = itemIds_[{link, UpperCase(path)}];
  ids.clear();
  for (const dfm::CollectionItem& entry : value.entries()) {
    TCollectionItem* item = items.Add();
    ids.push_back(item->ID());
    itemsRead_.push_back({item, path});
    readingItem_ = static_cast<std::uint32_t>(itemsRead_.size());
    for (const dfm::Property& property : entry.properties)
      if (ItemReads(item, property.name())) ReadInto(component, item, property);
    readingItem_ = 0;
  }
}

// Gives each item of a collection about to be written the values of the entry it was read
// from (or last written as) that the model does not hold, and remembers the entries' items.
void TFormFile::KeepItemValues(std::uint32_t link, const TStoredValue& value, const dfm::Value* was,
                               dfm::Datum& datum) {
  const auto& items = *static_cast<const TCollection*>(OrdToObject(std::get<NativeInt>(value.Value)));
  std::vector<int>& ids = itemIds_[{link, UpperCase(value.Path)}];
  if (was && was->kind == dfm::ValueKind::Collection) {
    std::unordered_map<int, std::size_t> entryOf;
    for (std::size_t i = 0; i < ids.size() && i < was->entries().size(); ++i) entryOf.emplace(ids[i], i);
    for (int i = 0; i < items.Count(); ++i) {
      TCollectionItem* item = items.Items(i);
      auto found = entryOf.find(item->ID());
      if (found == entryOf.end()) continue;
      std::vector<dfm::DatumProperty>& written = datum.entries[static_cast<std::size_t>(i)].properties;
      for (const dfm::Property& property : was->entries()[found->second].properties) {
        bool held = (ItemReads(item, property.name()) &&
                     !keptItemReferences_.contains({link, ItemReferenceKey(value.Path, item->ID(), property.name())})) ||
                    std::any_of(written.begin(), written.end(),
                                [&](const dfm::DatumProperty& p) { return SameText(p.name, property.name()); });
        if (!held) written.push_back({std::string(property.name()), doc_.decode(property.value)});
      }
    }
  }
  ids.clear();
  for (int i = 0; i < items.Count(); ++i) ids.push_back(items.Items(i)->ID());
}

// A bare name means a component of the referring component's owner (the form, or an
// inline frame) or the root itself; "Owner.Name" one of the root or of a frame on it.
TComponent* TFormFile::FindReferenced(TComponent* from, std::string_view text) const {
  std::size_t dot = text.find('.');
  if (dot == std::string_view::npos) {
    if (SameText(text, root_->Name())) return root_;
    TComponent* owner = from->Owner();
    TComponent* found = owner ? owner->FindComponent(text) : nullptr;
    return found ? found : root_->FindComponent(text);
  }
  std::string_view module = text.substr(0, dot), name = text.substr(dot + 1);
  TComponent* owner = SameText(module, root_->Name()) ? root_ : root_->FindComponent(module);
  return owner ? owner->FindComponent(name) : nullptr;
}

void TFormFile::ResolveReferences() {
  for (const TPendingReference& ref : references_) {
    TComponent* component = Bound(ref.Link);
    const dfm::Value& value = ref.Property->value;
    TComponent* target = FindReferenced(component, doc_.as_ident(value));
    // A reference into another module, or to a component the model cannot hold there (an
    // unknown class), stays as the file has it.
    if (!target || !target->InheritsFrom(ref.Prop->PropType->ClassType())) {
      if (ref.Item) {
        const TItemReading& item = itemsRead_[ref.Item - 1];
        keptItemReferences_.insert(
            {ref.Link, ItemReferenceKey(item.Collection, item.Item->ID(), ref.Property->name())});
      }
      continue;
    }
    try {
      SetObjectProp(ref.Instance, ref.Prop, target);
    } catch (const Exception& e) {
      throw EReadError(At(value.text()) + "Error reading " + component->Name() + "." +
                       std::string(ref.Property->name()) + ": " + e.Message());
    }
  }
  references_ = {};
  itemsRead_ = {};
}

// ---- writing

std::string TFormFile::Write() {
  std::string bytes;
  Write([&bytes](std::string_view piece) { bytes.append(piece); });
  return bytes;
}

void TFormFile::Write(const std::function<void(std::string_view)>& out) {
  if (!root_) throw EInvalidOperation("The form's root component was destroyed");
  nodes_.clear();
  WriteObject(doc_.root());
  if (format_ == TFormFormat::Binary)
    out(dfm::write_binary(doc_, binary_.get()));
  else
    doc_.write(out);
}

void TFormFile::RenameRootClass(const std::string& name) {
  if (rootClass_) rootClass_->SetClassName(name);
}

void TFormFile::WriteObject(dfm::Object& node) {
  // By index: writing new components adds bindings, which may move the others.
  TComponent* component = Bound(node.link);
  if (component->Name() != node.name()) doc_.rename(node, component->Name());
  if (!SameText(component->ClassName(), node.class_name())) doc_.set_class(node, component->ClassName());
  WriteValues(node, component);
  std::vector<std::size_t> destroyed;
  for (std::size_t i = 0; i < node.children.size(); ++i) {
    std::uint32_t link = node.children[i].link;
    if (link != 0 && !Bound(link)) {
      snapshots_.Forget(link);
      destroyed.push_back(i);
    }
  }
  doc_.remove_children(node, destroyed);
  for (dfm::Object& child : node.children)
    if (child.link != 0) WriteObject(child);
  WriteNewChildren(node, component);
}

void TFormFile::WriteValues(dfm::Object& node, TComponent* component) {
  // Nothing changed: the file holds the values as they are. Most components are saved so,
  // and tell it by one walk and one comparison; the others are walked again for what changed.
  PackValues(component, snapshotBuilder_);
  if (snapshots_.Holds(node.link, snapshotBuilder_)) return;
  snapshots_.Load(node.link, snapshot_);
  if (!ChangedValues(component, snapshot_, snapshotBuilder_, values_)) return;
  for (const TStoredValue& value : values_) {
    auto existing = std::find_if(node.properties.begin(), node.properties.end(),
                                 [&](const dfm::Property& p) { return SameText(p.name(), value.Path); });
    std::size_t index = static_cast<std::size_t>(existing - node.properties.begin());
    if (IsDefaultValue(value)) {
      if (existing != node.properties.end()) doc_.remove_property(node, index);
      continue;
    }
    dfm::Datum datum = ToDatum(value, root_);
    if (IsCollection(value))
      KeepItemValues(node.link, value, existing != node.properties.end() ? &existing->value : nullptr, datum);
    if (existing != node.properties.end())
      doc_.set_value(node, index, datum);
    else
      doc_.insert_property(node, InsertionIndex(node, component, std::string(value.Path)), value.Path, datum);
  }
  snapshots_.Keep(node.link, snapshotBuilder_);
}

std::size_t TFormFile::InsertionIndex(const dfm::Object& node, TComponent* component, const std::string& path) const {
  std::vector<int> key = OrderKey(component, path);
  std::size_t after = 0;
  for (std::size_t i = 0; i < node.properties.size(); ++i) {
    std::vector<int> other = OrderKey(component, node.properties[i].name());
    if (other.empty() || other.front() < 0) continue;  // not published by the model
    if (other > key) return i;
    after = i + 1;
  }
  return after;
}

void TFormFile::WriteNewChildren(dfm::Object& node, TComponent* component) {
  // Whether any child the model streams is new: one pass that keeps nothing, and no more
  // when none is (as mostly). Otherwise a second takes each child with its node's binding.
  bool anyNew = false;
  component->GetChildren([this, &anyNew](TComponent* child) { anyNew = anyNew || LinkOf(child) == 0; }, root_);
  if (!anyNew) return;
  std::vector<std::pair<TComponent*, std::uint32_t>> children;
  component->GetChildren([this, &children](TComponent* child) { children.emplace_back(child, LinkOf(child)); },
                         root_);
  // Where each of this object's children stands among them, by binding.
  std::unordered_map<std::uint32_t, std::size_t> indexOf;
  indexOf.reserve(node.children.size());
  for (std::size_t i = 0; i < node.children.size(); ++i)
    if (node.children[i].link != 0) indexOf.emplace(node.children[i].link, i);
  // A new child goes after the last known child before it in the model's order.
  std::vector<std::pair<std::size_t, dfm::Object>> inserts;
  std::size_t insertAt = 0;
  for (auto [child, link] : children) {
    if (link) {
      if (auto it = indexOf.find(link); it != indexOf.end()) insertAt = it->second + 1;
      continue;
    }
    dfm::Object created = doc_.make_child(node, child->ClassName(), child->Name());
    RenderNew(created, child);
    inserts.emplace_back(insertAt, std::move(created));
  }
  doc_.insert_children(node, std::move(inserts));
}

void TFormFile::RenderNew(dfm::Object& node, TComponent* component) {
  Bind(node, component);
  PackValues(component, snapshotBuilder_);
  snapshots_.Keep(node.link, snapshotBuilder_);
  CollectValues(component, values_);
  for (const TStoredValue& value : values_)
    if (!IsDefaultValue(value) && value.Path != "Name")
      doc_.insert_property(node, node.properties.size(), value.Path, ToDatum(value, root_));
  WriteNewChildren(node, component);
}

}  // namespace vcl
