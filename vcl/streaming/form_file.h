// A form read from a form file (text or binary) into the component model, kept together with
// the file's syntax so that saving changes only what the model changed.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "vcl/classes.h"
#include "vcl/open_table.h"
#include "vcl/streaming/dfm_binary.h"
#include "vcl/streaming/dfm_text.h"
#include "vcl/streaming/form_values.h"
#include "vcl/streaming/snapshot_store.h"
#include "vcl/streaming/value_snapshot.h"

namespace vcl {

class TCollection;
class TCollectionItem;

struct TFormReadOptions {
  dfm::ReadOptions Syntax;
  // The root's ancestor as the unit declares it (TForm, TDataModule, TFrame or a form
  // class); null: inferred from the form.
  TClass RootAncestor = nullptr;
  // Owner of the root (the IDE's designer window of a data module); null: the form file
  // owns the root and destroys it with itself.
  TComponent* RootOwner = nullptr;
  // An existing instance to read the root's values and children into (a dialog streaming
  // its layout); it is not designing and the form file does not own it.
  TComponent* Root = nullptr;
  // The modelled class that a class unknown to the model descends from, as the project
  // declares it (null: none known); its components are then read as of that class, and what
  // the class does not publish stays in the file for the save. Unset: unknown classes are
  // placeholders.
  std::function<TClass(std::string_view className)> DeclaredAncestor;
};

enum class TFormFormat { Text, Binary };

// A form file's syntax, parsed once: what it holds (its root's class, say) can be looked at
// before the model reads it.
struct TFormSyntax {
  dfm::Document Document;
  std::unique_ptr<dfm::BinaryOrigin> Origin;  // null for a text form
  TFormSyntax(dfm::Document document, std::unique_ptr<dfm::BinaryOrigin> origin);
  TFormSyntax(TFormSyntax&&) noexcept;
  ~TFormSyntax();
  // Reads a text or binary form, told apart by the first bytes.
  static TFormSyntax Parse(std::string bytes, const std::string& fileName, const dfm::ReadOptions& options = {});
};

class TFormFile {
public:
  // Reads a text or binary form, told apart by the first bytes. Malformed input raises
  // EReadError "FILE:LINE:COL: message" (text) or "FILE: offset N: message" (binary).
  static std::unique_ptr<TFormFile> Read(std::string bytes, const std::string& fileName,
                                         const TFormReadOptions& options = {});
  static std::unique_ptr<TFormFile> Read(TFormSyntax syntax, const TFormReadOptions& options = {});
  ~TFormFile();

  TComponent* Root() const { return root_; }
  // Whether destroying the form file destroys the root (it was given no owner).
  bool OwnsRoot() const { return ownsRoot_; }
  TClass RootClass() const { return rootClass_.get(); }
  // Renames the root's class, which the form made at run time (nothing when it did not).
  void RenameRootClass(const std::string& name);
  const dfm::Document& Syntax() const { return doc_; }
  // The object of the syntax tree that `component` was read from (or last written as);
  // null for a component the file does not hold.
  const dfm::Object* Node(const TComponent* component) const;
  const std::string& FileName() const { return doc_.file_name(); }

  // The file's bytes with the model's changes: changed values rewritten, values back at
  // their default removed, new values in published order, new components written as the
  // IDE writes them, destroyed ones gone. Unchanged parts come out byte for byte.
  std::string Write();
  // The same bytes given to `out` piece by piece as they are produced: a text form makes no
  // copy of the whole file (a binary one is put together first).
  void Write(const std::function<void(std::string_view)>& out);
  // The format Write produces: the one the file was read in unless changed.
  TFormFormat Format() const { return format_; }
  void SetFormat(TFormFormat format) { format_ = format; }

private:
  class TWatcher;
  // The values of the component at hand while reading or writing, one at a time: its
  // storage serves every component in turn.
  std::vector<TStoredValue> values_;
  TValueSnapshot::TBuilder snapshotBuilder_;
  TValueSnapshot snapshot_;

  TFormFile(dfm::Document doc, std::unique_ptr<dfm::BinaryOrigin> binary);
  void ReadTree();
  TComponent* CreateRoot(const TFormReadOptions& options);
  void ReadObject(dfm::Object& node, TComponent* component, TComponent* owner);
  void ReadChildren(dfm::Object& node, TComponent* parent, TComponent* owner);
  void ReadProperty(TComponent* component, const dfm::Property& property, TPropertyGuide* guide = nullptr);
  void ReadInto(TComponent* component, TObject* object, const dfm::Property& property,
                TPropertyGuide* guide = nullptr);
  void ReadTextsInCharset(const dfm::Object& node, TComponent* component);
  std::optional<TUnpublishedValue> Unpublished(const dfm::Value& value) const;
  // A string value, in the code page of the texts being read again (codePage_) when set.
  std::string Text(const dfm::Value& value) const;
  void ReadValue(TComponent* component, const dfm::Property& property, TObject* instance, PPropInfo prop);
  void ReadCollection(TComponent* component, std::string_view path, TCollection& items, const dfm::Value& value);
  void KeepItemValues(std::uint32_t link, const TStoredValue& value, const dfm::Value* was, dfm::Datum& datum);
  void ResolveReferences();
  TComponent* FindReferenced(TComponent* from, std::string_view text) const;
  void Bind(dfm::Object& node, TComponent* component);
  std::uint32_t LinkOf(const TComponent* component) const;  // 0 when not bound
  std::string At(std::string_view at) const;  // "FILE:LINE:COL: "

  void WriteObject(dfm::Object& node);
  void WriteValues(dfm::Object& node, TComponent* component);
  void WriteNewChildren(dfm::Object& node, TComponent* component);
  void RenderNew(dfm::Object& node, TComponent* component);
  std::size_t InsertionIndex(const dfm::Object& node, TComponent* component, const std::string& path) const;

  // The collection item whose values are being read, with the collection's path.
  struct TItemReading {
    TCollectionItem* Item = nullptr;
    std::string_view Collection;
  };
  // The items whose values were read while the form loads, each once, and the one being
  // read: its place in itemsRead_ counted from 1, 0 when none is.
  std::vector<TItemReading> itemsRead_;
  std::uint32_t readingItem_ = 0;
  // A reference read, set once every component is there. A form has one for many of its
  // components, so it is kept small: its path, target and position are in its property of
  // the syntax, which does not change while the form loads.
  struct TPendingReference {
    TObject* Instance;  // the object with the property: the component, an item, a sub-object
    PPropInfo Prop;
    const dfm::Property* Property;  // its name is the path on the component or on the item
    std::uint32_t Link;             // of the component read, or the one whose collection holds the item
    std::uint32_t Item;             // as readingItem_: 0 for a component's own reference
  };
  TComponent* Bound(std::uint32_t link) const { return bound_[link]; }

  dfm::Document doc_;
  std::unique_ptr<dfm::BinaryOrigin> binary_;  // where a binary form's nodes came from
  TFormFormat format_;
  std::unique_ptr<TMetaClass> rootClass_;
  std::vector<std::unique_ptr<TMetaClass>> placeholderClasses_;
  // The class of an object whose class the model does not know but the project declares.
  TClass DeclaredClass(std::string_view className);
  // Classes unknown to the model made as descendants of the ancestors declared for them.
  // By class name in upper case; one per class however many objects are of it.
  std::unordered_map<std::string, std::unique_ptr<TMetaClass>> declaredClasses_;
  std::function<TClass(std::string_view)> declaredAncestor_;
  TComponent* root_ = nullptr;
  bool ownsRoot_ = true;
  std::unique_ptr<TWatcher> watcher_;
  // An object of the tree is bound to its component by its link, an index into bound_ (0,
  // the first, binds nothing; a destroyed component leaves null) and into snapshots_, which
  // holds the component's values as last read or written; links_ holds the links of the
  // living components.
  std::vector<TComponent*> bound_;
  TSnapshotStore snapshots_;
  TOpenTable<std::uint32_t> links_;
  // The tree's objects by link, found when first asked for after a write.
  mutable std::vector<const dfm::Object*> nodes_;
  std::vector<TPendingReference> references_;
  std::vector<TComponent*> loaded_;
  TPropertyGuide guide_;  // while the tree is read
  // The IDs of the items each entry of a collection value holds, in entry order, as last
  // read or written; by the component's link and the value's path in upper case.
  std::map<std::pair<std::uint32_t, std::string>, std::vector<int>> itemIds_;
  // The references of items that the model could not resolve (into another module, say),
  // which the file keeps with their item: by the component's link and ItemReferenceKey.
  std::set<std::pair<std::uint32_t, std::string>> keptItemReferences_;
  int codePage_ = 0;  // while texts are read again in their font's code page
};

}  // namespace vcl
