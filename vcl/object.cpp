#include "vcl/object.h"

#include <cstdint>
#include <cstring>

#include "vcl/classes.h"
#include "vcl/sysutils.h"
#include "vcl/typinfo.h"

namespace vcl {

namespace {
constexpr std::uint64_t kEachByte = 0x0101010101010101ull;

std::uint64_t Load64(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}
std::uint64_t Load32(const char* p) {
  std::uint32_t word;
  std::memcpy(&word, p, 4);
  return word;
}

// A text shorter than eight bytes as one word holding all its bytes (two halves that may
// overlap, or the first, middle and last byte): the same word for the same bytes of a size.
std::uint64_t ShortWord(std::string_view s) {
  const char* p = s.data();
  std::size_t n = s.size();
  if (n >= 4) return Load32(p) | Load32(p + n - 4) << 32;
  if (n == 0) return 0;
  auto byte = [p](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(p[i])}; };
  return byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16;
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

// Both read a text a word at a time: texts shorter than eight bytes as one word, longer ones
// as whole words from the start and then their last eight bytes, which overlap the word
// before unless the size is a multiple of eight.

std::size_t TextHash::operator()(std::string_view s) const noexcept {
  // Each word mixed in by a multiplication; a final mix spreads every bit over the low ones,
  // which pick the bucket.
  std::uint64_t h = s.size() * 0x9E3779B97F4A7C15ull;
  auto mix = [&h](std::uint64_t word) {
    h = (h ^ FoldCase(word)) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  };
  if (s.size() < 8) {
    mix(ShortWord(s));
  } else {
    for (std::size_t at = 0; at + 8 < s.size(); at += 8) mix(Load64(s.data() + at));
    mix(Load64(s.data() + s.size() - 8));
  }
  h *= 0xC4CEB9FE1A85EC53ull;
  return static_cast<std::size_t>(h ^ (h >> 29));
}

bool TextEqual::operator()(std::string_view a, std::string_view b) const noexcept {
  if (a.size() != b.size()) return false;
  if (a.size() < 8) return FoldCase(ShortWord(a)) == FoldCase(ShortWord(b));
  auto same = [&](std::size_t at) { return FoldCase(Load64(a.data() + at)) == FoldCase(Load64(b.data() + at)); };
  for (std::size_t at = 0; at + 8 < a.size(); at += 8)
    if (!same(at)) return false;
  return same(a.size() - 8);
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
