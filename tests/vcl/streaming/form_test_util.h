// Shared helpers of the form-file tests: corpus access and reading files.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace formtest {

inline std::filesystem::path CorpusDir() { return std::filesystem::path(ZOLT_SHARED_DIR) / "corpus" / "forms"; }

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

struct CorpusEntry {
  std::string file;
  std::string kind;  // dfm-text, dfm-binary, lfm
  bool corrupt;
};

// The corpus manifest's entries; empty when the corpus is absent.
inline std::vector<CorpusEntry> CorpusEntries() {
  std::vector<CorpusEntry> entries;
  std::ifstream in(CorpusDir() / "MANIFEST.tsv");
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::stringstream row(line);
    std::string cell;
    while (std::getline(row, cell, '\t')) cells.push_back(cell);
    if (cells.size() >= 8) entries.push_back({cells[0], cells[5], cells[7] != "ok"});
  }
  return entries;
}

// Calls `visit` for `root` and every component it owns, directly or through others.
template <class C, class F>
void ForEachComponent(C* root, F visit) {
  std::vector<C*> pending{root};
  while (!pending.empty()) {
    C* component = pending.back();
    pending.pop_back();
    for (int i = 0; i < component->ComponentCount(); ++i) pending.push_back(component->Components(i));
    visit(component);
  }
}

}  // namespace formtest
