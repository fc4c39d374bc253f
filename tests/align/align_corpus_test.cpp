// Aligning every container of every real form in the corpus changes nothing but what the
// layout moves: Left, Top, Width and Alignment of the listed children, and the geometry of
// their docked siblings that the container's realignment places again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "align/ZoltAlign.h"
#include "vcl/comctrls.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/dfm_text.h"
#include "vcl/streaming/form_file.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

const fs::path kForms = fs::path(ZOLT_SHARED_DIR) / "corpus" / "forms";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The text forms of the corpus (binary ones align as their text does).
std::vector<std::string> TextForms() {
  std::vector<std::string> names;
  std::ifstream manifest(kForms / "MANIFEST.tsv");
  std::string line;
  std::getline(manifest, line);
  while (std::getline(manifest, line)) {
    std::vector<std::string> fields;
    std::stringstream columns(line);
    for (std::string field; std::getline(columns, field, '\t');) fields.push_back(field);
    if (fields.size() >= 6 && (fields[5] == "dfm-text" || fields[5] == "lfm")) names.push_back(fields[0]);
  }
  return names;
}

bool IsContainer(const TComponent* c) {
  return c->Is<TPanel>() || c->Is<TScrollBox>() || c->Is<TGroupBox>() || c->Is<TTabSheet>() ||
         c->Is<TTabControl>();
}

// Every scalar property of every object, by the object's path of names and the property's
// name; lists and collections by their whole text.
using Values = std::map<std::string, std::map<std::string, std::string>>;

std::string TextOf(const dfm::Value& value) {
  std::string text(value.text());
  for (const dfm::Value& item : value.items()) text.append(" ").append(TextOf(item));
  for (const dfm::CollectionItem& entry : value.entries())
    for (const dfm::Property& p : entry.properties) text.append(" ").append(p.name()).append("=").append(TextOf(p.value));
  return text;
}

void Collect(const dfm::Object& object, const std::string& path, Values& into) {
  auto& values = into[path];
  for (const dfm::Property& p : object.properties) values[std::string(p.name())] = TextOf(p.value);
  for (const dfm::Object& child : object.children) Collect(child, path + "." + std::string(child.name()), into);
}

Values ValuesOf(const std::string& bytes, const std::string& name) {
  Values values;
  dfm::Document document = dfm::Document::parse(bytes, name);
  Collect(document.root(), std::string(document.root().name()), values);
  return values;
}

// The path of names from the root down to `component`, as Collect names objects.
std::string PathOf(const TComponent* component) {
  std::string path(component->Name());
  for (const TComponent* c = component->GetParentComponent(); c; c = c->GetParentComponent())
    path = std::string(c->Name()) + "." + path;
  return path;
}

}  // namespace

TEST(AlignCorpus, EveryContainerChangesOnlyWhatTheLayoutMoves) {
  if (!fs::exists(kForms / "MANIFEST.tsv")) GTEST_SKIP() << "form corpus not found at " << kForms;
  int runs = 0, changedRuns = 0;
  std::vector<std::string> faults;
  for (const std::string& name : TextForms()) {
    const std::string bytes = ReadBytes(kForms / name);
    const Values before = ValuesOf(bytes, name);
    std::vector<std::string> containers;
    {
      auto file = TFormFile::Read(bytes, name);
      for (int i = 0; i < file->Root()->ComponentCount(); ++i)
        if (IsContainer(file->Root()->Components(i)) && !file->Root()->Components(i)->Name().empty())
          containers.push_back(file->Root()->Components(i)->Name());
    }
    for (const std::string& containerName : containers) {
      auto file = TFormFile::Read(bytes, name);
      auto* container = Cast<TWinControl>(file->Root()->FindComponent(containerName));
      ASSERT_TRUE(container) << name << ": " << containerName;
      std::string list;
      std::map<std::string, std::set<std::string>> allowed;
      const std::set<std::string> moved{"Left", "Top", "Width", "Alignment"};
      const std::set<std::string> docked{"Left", "Top", "Width", "Height"};
      for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (child->Align() != alNone) allowed[PathOf(child)] = docked;
        if (!child->Is<TWinControl>() || child->Name().empty()) continue;
        list += (list.empty() ? "" : ",") + child->Name();
        allowed[PathOf(child)].insert(moved.begin(), moved.end());
      }
      // Labels that caption the listed controls move with them.
      for (int i = 0; i < container->ControlCount(); ++i)
        if (auto* label = Cast<TCustomLabel>(container->Controls(i)))
          if (label->FocusControl() && label->FocusControl()->Parent() == container)
            allowed[PathOf(label)].insert({"Left", "Top"});
      ++runs;
      zolt::Align(container, true, 1, 8, 8, 4, 4, 2, 15, -2, list, "TCheckBox,TRadiobutton,TDBCheckBox", true);
      const Values after = ValuesOf(file->Write(), name);
      bool changed = false;
      const auto check = [&](const Values& one, const Values& other, const char* what) {
        for (const auto& [path, values] : one) {
          const auto match = other.find(path);
          for (const auto& [property, value] : values) {
            if (match != other.end() && match->second.count(property) && match->second.at(property) == value) continue;
            if (allowed.count(path) && allowed.at(path).count(property)) continue;
            changed = true;
            faults.push_back(name + ": aligning " + containerName + " " + what + " " + path + "." + property + " " +
                             value);
          }
        }
      };
      check(after, before, "wrote");
      check(before, after, "lost");
      changedRuns += changed;
    }
  }
  EXPECT_GT(runs, 500) << "the corpus holds fewer containers than expected";
  EXPECT_EQ(changedRuns, 0) << changedRuns << " of " << runs << " runs changed more, " << faults.size()
                            << " values in all; the first: " << (faults.empty() ? "" : faults.front());
  for (std::size_t i = 0; i < faults.size() && i < 40; ++i) ADD_FAILURE() << faults[i];
}
