#include "vcl/object.h"

#include <array>

#include "vcl/class_listeners.h"
#include "vcl/classes.h"
#include "vcl/sysutils.h"
#include "vcl/typinfo.h"

namespace vcl {

std::size_t TextHash::operator()(std::string_view s) const noexcept { return HashText(s); }

bool TextEqual::operator()(std::string_view a, std::string_view b) const noexcept { return SameText(a, b); }

TMetaClass::TMetaClass(std::string name, TClass parent, Factory factory)
    : name_(std::move(name)), parent_(parent), factory_(std::move(factory)) {
  if (parent_) {
    allProps_ = parent_->allProps_;
    propIndex_ = parent_->propIndex_;
    methodIndex_ = parent_->methodIndex_;
    fieldIndex_ = parent_->fieldIndex_;
  }
}

namespace {
// Plain storage, valid at any time of the program: a class destroyed at exit still finds it.
constinit std::array<TClassDestroyed, 4> destroyedListeners{};
constinit std::size_t destroyedListenerCount = 0;
}  // namespace

void ListenForDestroyedClasses(TClassDestroyed listener) {
  if (destroyedListenerCount == destroyedListeners.size())
    throw EInvalidOperation("Too many listeners for destroyed classes");
  destroyedListeners[destroyedListenerCount++] = listener;
}

TMetaClass::~TMetaClass() {
  for (std::size_t i = 0; i < destroyedListenerCount; ++i) destroyedListeners[i](this);
}

bool TMetaClass::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c; c = c->parent_)
    if (c == ancestor) return true;
  return false;
}

TObject* TMetaClass::Create(TComponent* owner) const {
  if (!factory_) throw EInvalidOperation("Cannot create an instance of abstract class " + name_);
  return factory_(owner);
}

const TPropInfo* TMetaClass::FindProperty(std::string_view name) const {
  auto it = propIndex_.find(name);
  return it == propIndex_.end() ? nullptr : it->second;
}

const TMethodInfo* TMetaClass::FindMethod(std::string_view name) const {
  auto it = methodIndex_.find(name);
  return it == methodIndex_.end() ? nullptr : it->second;
}

void TMetaClass::AddProperty(std::unique_ptr<TPropInfo> prop) {
  auto it = propIndex_.find(prop->Name);
  if (it != propIndex_.end()) {
    prop->Index = it->second->Index;
    allProps_[prop->Index] = prop.get();
    it->second = prop.get();
  } else {
    prop->Index = static_cast<int>(allProps_.size());
    allProps_.push_back(prop.get());
    propIndex_.emplace(prop->Name, prop.get());
  }
  ownProps_.push_back(std::move(prop));
}

const TFieldInfo* TMetaClass::FindField(std::string_view name) const {
  auto it = fieldIndex_.find(name);
  return it == fieldIndex_.end() ? nullptr : it->second;
}

void TMetaClass::AddField(std::unique_ptr<TFieldInfo> field) {
  fieldIndex_[field->Name] = field.get();
  ownFields_.push_back(std::move(field));
}

void TMetaClass::AddMethod(std::unique_ptr<TMethodInfo> method) {
  methodIndex_[method->Name] = method.get();
  ownMethods_.push_back(std::move(method));
}

std::unique_ptr<TMetaClass> TMetaClass::CreateDescendant(std::string name, TClass parent) {
  auto meta = std::make_unique<TMetaClass>(std::move(name), parent, nullptr);
  if (!parent->IsAbstract()) {
    TClass self = meta.get();
    meta->factory_ = [parent, self](TComponent* owner) {
      TObject* obj = parent->Create(owner);
      obj->SetRuntimeClass(self);
      return obj;
    };
  }
  return meta;
}

TClass TObject::ClassInfo() {
  static TMetaClass cls("TObject", nullptr, nullptr);
  return &cls;
}

const std::string& TObject::ClassName() const { return ClassType()->ClassName(); }

bool TObject::InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

void TObject::SetRuntimeClass(TClass cls) {
  if (!cls->InheritsFrom(StaticClassType()))
    throw EInvalidCast(cls->ClassName() + " is not a descendant of " + StaticClassType()->ClassName());
  runtimeClass_ = cls;
}

namespace {
TextMap<TClass>& Registry() {
  static TextMap<TClass> registry;
  return registry;
}
}  // namespace

void RegisterClass(TClass cls) { Registry().try_emplace(cls->ClassName(), cls); }

void UnRegisterClass(TClass cls) {
  auto it = Registry().find(cls->ClassName());
  if (it != Registry().end() && it->second == cls) Registry().erase(it);
}

TClass GetClass(std::string_view name) {
  auto it = Registry().find(name);
  if (it != Registry().end()) return it->second;
  // A library class not used yet is built now and registers itself; one that was built and
  // unregistered since stays unknown.
  BuildLibraryClass(name);
  it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second;
}

TClass FindClass(std::string_view name) {
  TClass cls = GetClass(name);
  if (!cls) throw EClassNotFound("Class " + std::string(name) + " not found");
  return cls;
}

}  // namespace vcl
