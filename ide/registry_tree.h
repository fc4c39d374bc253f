// The keys and values of a registry held in memory. Key paths (parts separated by backslashes)
// and value names match ignoring letter case and keep the case they were created with; keys and
// the values of each key stay in the order they were created.
#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/reg_ini_file.h"

namespace ide {

class RegistryTree {
public:
  struct Value {
    std::string name;
    host::TRegistryValue data;
  };
  class Key {
  public:
    explicit Key(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }
    const std::vector<Value>& Values() const { return values_; }
    const host::TRegistryValue* Find(std::string_view name) const;
    // Each returns whether the key changed.
    bool Set(std::string_view name, const host::TRegistryValue& data);
    bool Remove(std::string_view name);

  private:
    std::string path_;
    std::vector<Value> values_;
    std::unordered_map<std::string, std::size_t> index_;  // folded name -> position in values_
  };

  const Key* FindKey(std::string_view path) const;
  const host::TRegistryValue* FindValue(std::string_view path, std::string_view name) const;
  // The key, created when missing. A new key takes the letter case of the parts it shares with
  // the keys already there, so that one key never appears under two spellings.
  Key& CreateKey(std::string_view path);
  // The key, created when missing with the spelling given, as a file spells it.
  Key& AddKey(std::string_view path);
  // Each returns whether the tree changed.
  bool SetValue(std::string_view path, std::string_view name, const host::TRegistryValue& data);
  bool DeleteValue(std::string_view path, std::string_view name);
  // Removes the key and every key below it.
  bool DeleteKey(std::string_view path);

  const std::list<Key>& Keys() const { return keys_; }

  RegistryTree() = default;
  RegistryTree(const RegistryTree& other);
  RegistryTree(RegistryTree&&) = default;  // a moved list keeps its nodes, so the index stays valid
  RegistryTree& operator=(const RegistryTree&) = delete;

private:
  std::list<Key> keys_;
  std::unordered_map<std::string, std::list<Key>::iterator> index_;  // folded path -> key
};

// The form in which names are compared: letter case folded.
std::string FoldName(std::string_view name);

}  // namespace ide
