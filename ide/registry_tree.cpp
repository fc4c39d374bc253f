#include "ide/registry_tree.h"

#include <algorithm>

#include "vcl/sysutils.h"

namespace ide {
namespace {

std::vector<std::string_view> SplitPath(std::string_view path) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = path.find('\\', start);
    parts.push_back(path.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

bool SameValue(const host::TRegistryValue& a, const host::TRegistryValue& b) {
  return a.kind == b.kind && a.text == b.text && a.dword == b.dword;
}

}  // namespace

std::string FoldName(std::string_view name) { return vcl::AnsiLowerCase(name); }

const host::TRegistryValue* RegistryTree::Key::Find(std::string_view name) const {
  const auto found = index_.find(FoldName(name));
  return found == index_.end() ? nullptr : &values_[found->second].data;
}

bool RegistryTree::Key::Set(std::string_view name, const host::TRegistryValue& data) {
  const auto [found, added] = index_.emplace(FoldName(name), values_.size());
  if (added) {
    values_.push_back({std::string(name), data});
    return true;
  }
  Value& value = values_[found->second];
  if (SameValue(value.data, data)) return false;
  value.data = data;
  return true;
}

bool RegistryTree::Key::Remove(std::string_view name) {
  const auto found = index_.find(FoldName(name));
  if (found == index_.end()) return false;
  const std::size_t position = found->second;
  index_.erase(found);
  values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(position));
  for (auto& [folded, index] : index_)
    if (index > position) --index;
  return true;
}

RegistryTree::RegistryTree(const RegistryTree& other) : keys_(other.keys_) {
  for (auto key = keys_.begin(); key != keys_.end(); ++key) index_.emplace(FoldName(key->Path()), key);
}

const RegistryTree::Key* RegistryTree::FindKey(std::string_view path) const {
  const auto found = index_.find(FoldName(path));
  return found == index_.end() ? nullptr : &*found->second;
}

const host::TRegistryValue* RegistryTree::FindValue(std::string_view path, std::string_view name) const {
  const Key* key = FindKey(path);
  return key ? key->Find(name) : nullptr;
}

RegistryTree::Key& RegistryTree::CreateKey(std::string_view path) {
  const std::string folded = FoldName(path);
  if (const auto found = index_.find(folded); found != index_.end()) return *found->second;

  // Spell each leading part as the key sharing the most leading parts spells it.
  const auto foldedParts = SplitPath(folded);
  std::vector<std::string_view> spelling = SplitPath(path);
  std::size_t longest = 0;
  for (const auto& [otherFolded, other] : index_) {
    const auto otherParts = SplitPath(otherFolded);
    std::size_t shared = 0;
    while (shared < foldedParts.size() && shared < otherParts.size() && foldedParts[shared] == otherParts[shared])
      ++shared;
    if (shared <= longest) continue;
    longest = shared;
    const auto otherSpelling = SplitPath(other->Path());
    std::copy_n(otherSpelling.begin(), shared, spelling.begin());
  }
  std::string spelled;
  for (std::size_t i = 0; i < spelling.size(); ++i) {
    if (i > 0) spelled += '\\';
    spelled.append(spelling[i]);
  }
  return AddKey(spelled);
}

RegistryTree::Key& RegistryTree::AddKey(std::string_view path) {
  const auto [found, added] = index_.emplace(FoldName(path), keys_.end());
  if (added) found->second = keys_.emplace(keys_.end(), std::string(path));
  return *found->second;
}

bool RegistryTree::SetValue(std::string_view path, std::string_view name, const host::TRegistryValue& data) {
  return CreateKey(path).Set(name, data);
}

bool RegistryTree::DeleteValue(std::string_view path, std::string_view name) {
  const auto found = index_.find(FoldName(path));
  return found != index_.end() && found->second->Remove(name);
}

bool RegistryTree::DeleteKey(std::string_view path) {
  const std::string folded = FoldName(path);
  bool changed = false;
  for (auto entry = index_.begin(); entry != index_.end();) {
    const std::string& other = entry->first;
    const bool below = other.size() > folded.size() && other[folded.size()] == '\\' && other.starts_with(folded);
    if (other == folded || below) {
      keys_.erase(entry->second);
      entry = index_.erase(entry);
      changed = true;
    } else {
      ++entry;
    }
  }
  return changed;
}

}  // namespace ide
