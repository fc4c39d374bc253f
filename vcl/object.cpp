#include "vcl/object.h"

#include <cstdint>
#include <cstring>

#include "vcl/classes.h"
#include "vcl/sysutils.h"
#include "vcl/typinfo.h"

namespace vcl {

namespace {
constexpr std::uint64_t kEachByte = 0x0101010101010101ull;

// Up to eight bytes of `s` from `at` as one word, missing bytes zero.
std::uint64_t WordAt(std::string_view s, std::size_t at) {
  std::uint64_t word = 0;
  if (s.size() - at >= 8) {
    std::memcpy(&word, s.data() + at, 8);
    return word;
  }
  for (std::size_t i = at; i < s.size(); ++i) word |= std::uint64_t{static_cast<unsigned char>(s[i])} << 8 * (i - at);
  return word;
}

// The word with its ASCII capitals made small, all eight bytes at once: a byte's top bit is
// set by adding when it is at least 'A', and by another addition when it is past 'Z'.
std::uint64_t FoldCase(std::uint64_t word) {
  std::uint64_t low = word & (0x7F * kEachByte);
  std::uint64_t fromA = low + (0x80 - 'A') * kEachByte;
  std::uint64_t pastZ = low + (0x80 - 'Z' - 1) * kEachByte;
  std::uint64_t capitals = fromA & ~pastZ & ~word & (0x80 * kEachByte);
  return word | (capitals >> 2);
}
}  // namespace

std::size_t TextHash::operator()(std::string_view s) const noexcept {
  // A word at a time, case folded, each mixed in by a multiplication; a final mix spreads
  // every bit over the low ones, which pick the bucket.
  std::uint64_t h = s.size() * 0x9E3779B97F4A7C15ull;
  for (std::size_t at = 0; at < s.size(); at += 8) {
    h = (h ^ FoldCase(WordAt(s, at))) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  h *= 0xC4CEB9FE1A85EC53ull;
  return static_cast<std::size_t>(h ^ (h >> 29));
}

bool TextEqual::operator()(std::string_view a, std::string_view b) const noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t at = 0; at < a.size(); at += 8)
    if (FoldCase(WordAt(a, at)) != FoldCase(WordAt(b, at))) return false;
  return true;
}

TMetaClass::TMetaClass(std::string name, TClass parent, Factory factory)
    : name_(std::move(name)), parent_(parent), factory_(std::move(factory)) {
  if (parent_) {
    allProps_ = parent_->allProps_;
    propIndex_ = parent_->propIndex_;
    methodIndex_ = parent_->methodIndex_;
    fieldIndex_ = parent_->fieldIndex_;
  }
}

TMetaClass::~TMetaClass() = default;

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
  // Library classes register themselves on first use; make sure all of them have.
  RegisterLibraryClasses();
  auto it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second;
}

TClass FindClass(std::string_view name) {
  TClass cls = GetClass(name);
  if (!cls) throw EClassNotFound("Class " + std::string(name) + " not found");
  return cls;
}

}  // namespace vcl
