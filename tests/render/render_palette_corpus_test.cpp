// Real forms that use the grids, the masked edit, the scroll bar, the tab set, the
// notebooks, the file controls and pictures: they load real components, write back byte for
// byte and draw none of them as a placeholder.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "render/form_svg.h"
#include "tests/vcl/streaming/form_test_util.h"
#include "vcl/streaming/form_file.h"

using namespace vcl;

namespace {

const std::set<std::string> kClasses = {
    "TMaskEdit",      "TStringGrid",     "TDrawGrid",         "TScrollBar",     "TTabSet",
    "TNotebook",      "TPage",           "TTabbedNotebook",   "TTabPage",       "TFileListBox",
    "TDirectoryListBox", "TDriveComboBox", "TFilterComboBox"};

// The components of the listed classes that `owner` holds, at any depth.
void Collect(TComponent* owner, std::vector<TComponent*>& found) {
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    TComponent* component = owner->Components(i);
    if (kClasses.count(component->ClassName())) found.push_back(component);
    Collect(component, found);
  }
}

TEST(PaletteCorpus, FormsWithTheNewClassesLoadThemRoundTripAndDrawThem) {
  auto entries = formtest::CorpusEntries();
  if (entries.empty()) GTEST_SKIP() << "corpus not found at " << formtest::CorpusDir();
  int forms = 0, components = 0;
  for (const auto& entry : entries) {
    if (entry.kind == "dfm-binary" || entry.corrupt) continue;
    std::string bytes = formtest::ReadAll(formtest::CorpusDir() / entry.file);
    bool uses = false;
    for (const std::string& cls : kClasses) uses = uses || bytes.find(": " + cls + "\r") != std::string::npos ||
                                                      bytes.find(": " + cls + "\n") != std::string::npos ||
                                                      bytes.find("object " + cls + "\r") != std::string::npos ||
                                                      bytes.find("object " + cls + "\n") != std::string::npos;
    if (!uses) continue;
    ++forms;
    auto form = TFormFile::Read(bytes, entry.file);
    std::vector<TComponent*> found;
    Collect(form->Root(), found);
    for (TComponent* component : found) {
      // The library's own class, not a stand-in of the same name.
      EXPECT_EQ(component->ClassType(), GetClass(component->ClassName())) << entry.file << " " << component->Name();
      ++components;
    }
    EXPECT_TRUE(form->Write() == bytes) << entry.file;
    TSvgOptions options;
    options.FormFile = form.get();
    std::string svg = RenderSvg(form->Root(), nullptr, options);
    for (const std::string& cls : kClasses) {
      // A placeholder names its class in grey inside a dashed grey outline.
      std::size_t at = svg.find("data-class=\"" + cls + "\"");
      while (at != std::string::npos) {
        // Its outline follows within two lines (after the fill of a window).
        std::size_t end = at;
        for (int line = 0; line < 3 && end != std::string::npos; ++line) end = svg.find('\n', end + 1);
        std::string next = svg.substr(at, end == std::string::npos ? std::string::npos : end - at);
        EXPECT_EQ(next.find("stroke=\"#808080\" stroke-dasharray=\"4 2\""), std::string::npos) << entry.file << " " << cls;
        at = svg.find("data-class=\"" + cls + "\"", at + 1);
      }
    }
  }
  EXPECT_GE(forms, 20);
  EXPECT_GE(components, 40);
}

}  // namespace
