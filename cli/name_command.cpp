// zolt name: the ellipsis of the Object Inspector's Name (or a typed name) on one component,
// or on every component of many forms at once.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <map>

#include "cli/commands.h"
#include "cli/dialog_options.h"
#include "ide/registry_file.h"
#include "prefix/ZoltPrefix.h"
#include "vcl/stdctrls.h"

namespace cli {

namespace {

using namespace vcl;

struct NameOptions {
  std::vector<std::string> args;
  std::optional<std::string> prefix, set;
  bool all = false, dryRun = false, onlyDefaultNames = false;
  std::vector<std::string> prefixFor;
  TDialogOptions dialog;
};

// The "Add component prefix" dialog, when it comes up, gets the prefix that `prefixOf`
// gives for the class it shows, and OK; declining the question that may follow cancels it.
void QueuePrefixDialog(ide::TScriptedDriver& driver,
                       std::function<std::optional<std::string>(const std::string&)> prefixOf) {
  driver.Do("type the prefix", [prefixOf](TCustomForm& form) {
    const std::string cls = dynamic_cast<TEdit&>(ide::FindControl(form, "edtName")).Text();
    std::optional<std::string> prefix = prefixOf(cls);
    if (!prefix) throw EInvalidOperation("no prefix is stored for " + cls + ": give one with --prefix");
    ide::EnterText(form, "edtPrefix", *prefix);
    ide::ClickControl(form, "btnOK");
    if (form.ModalResult() == mrNone) ide::ClickControl(form, "btnCancel");
  });
}

void NameOne(const NameOptions& o) {
  if (o.args.size() != 2) throw CLI::ValidationError("zolt name FORM COMPONENT: give the form and the component");
  const std::string& form = o.args[0];
  TSession session(form);
  TComponent& component = session.Component(o.args[1]);
  const std::string old = component.Name();
  o.dialog.CheckTargets(session);
  auto editor = session.PropertyEditor(component, "Name");
  bool declined = false;
  {
    ide::TBatchDriver driver = o.dialog.Driver();
    QueuePrefixDialog(driver, [&o](const std::string&) { return o.prefix; });
    if (o.set)
      editor->SetValue(*o.set);
    else
      editor->Edit();
    declined = AnsweredNo(driver);
  }
  editor.reset();
  if (component.Name() == old) {
    std::cout << old << (declined ? ": not renamed, the prefix was not stored" : ": name kept") << "\n";
  } else {
    o.dialog.SaveForm(session);
    std::cout << old << " -> " << component.Name() << "\n";
    const int references = session.Designer().ReferencesRenamed();
    if (references > 0)
      std::cout << references << " code reference" << (references == 1 ? "" : "s") << " renamed in the unit\n";
  }
  session.Close();
}

// ---- Every component of many forms.

bool IsFormFile(const std::filesystem::path& path) {
  const std::string ext = path.extension().string();
  return SameText(ext, ".dfm") || SameText(ext, ".lfm");
}

// The forms named: files as given, folders searched recursively, in name order.
std::vector<std::string> FormsOf(const std::vector<std::string>& paths) {
  std::vector<std::string> forms;
  for (const std::string& path : paths) {
    if (!std::filesystem::is_directory(path)) {
      forms.push_back(path);
      continue;
    }
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
      if (entry.is_regular_file() && IsFormFile(entry.path())) found.push_back(entry.path().string());
    std::sort(found.begin(), found.end());
    forms.insert(forms.end(), found.begin(), found.end());
  }
  return forms;
}

// A name the IDE makes for a new component: the class name without its "T", then digits.
bool IsDefaultName(const std::string& name, const std::string& className) {
  const std::string base = className.size() > 1 && className[0] == 'T' ? className.substr(1) : className;
  if (name.size() <= base.size() || name.compare(0, base.size(), base) != 0) return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(base.size()), name.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

struct TextLess {
  bool operator()(const std::string& a, const std::string& b) const { return CompareText(a, b) < 0; }
};

class TBatchNaming {
public:
  explicit TBatchNaming(const NameOptions& o) : o_(o) {
    for (const std::string& pair : o.prefixFor) {
      const auto equals = pair.find('=');
      if (equals == std::string::npos || equals == 0)
        throw CLI::ValidationError("--prefix-for " + pair + ": give CLASS=PREFIX");
      prefixFor_[pair.substr(0, equals)] = pair.substr(equals + 1);
    }
  }

  // True when every form was done.
  bool Run() {
    const std::vector<std::string> forms = FormsOf(o_.args);
    const bool progress = isatty(STDERR_FILENO);
    TSession session;
    // A dry run keeps the prefixes that --prefix-for stores in memory, as it keeps the forms.
    if (o_.dryRun) ide::InstallUnsavedRegistryFile();
    bool allDone = true;
    for (std::size_t i = 0; i < forms.size(); ++i) {
      if (progress) std::cerr << "\r" << i << "/" << forms.size() << " forms" << std::flush;
      try {
        NameForm(session, forms[i]);
      } catch (const std::exception& e) {
        if (progress) std::cerr << "\r";
        // Errors of reading a form name the file already.
        const std::string message = e.what();
        std::cerr << (message.rfind(forms[i], 0) == 0 ? message : forms[i] + ": " + message) << "\n";
        allDone = false;
      }
    }
    if (progress) std::cerr << "\r" << forms.size() << "/" << forms.size() << " forms\n";
    session.Close();
    Summary(forms.size());
    return allDone;
  }

private:
  void NameForm(TSession& session, const std::string& form) {
    session.OpenForm(form);
    if (!o_.dryRun) session.Designer().CheckWritable();
    TComponent* root = session.Designer().GetRoot();
    std::vector<TComponent*> components;
    for (int i = 0; i < root->ComponentCount(); ++i) components.push_back(root->Components(i));
    std::vector<std::string> lines;
    for (TComponent* component : components) {
      const std::string cls = component->ClassName();
      const std::string old = component->Name();
      // An unnamed component is meant to stay so: naming it would add a field to the unit.
      if (old.empty() || (o_.onlyDefaultNames && !IsDefaultName(old, cls))) continue;
      const std::string stored = zolt::FindPrefix(cls);
      std::optional<std::string> given;
      if (stored.empty()) {
        auto found = prefixFor_.find(cls);
        if (found == prefixFor_.end()) {
          ++skipped_[cls];
          continue;
        }
        given = found->second;
      } else if (old.rfind(stored, 0) == 0) {
        continue;  // the editor keeps a name that starts with its prefix
      }
      ide::TBatchDriver driver = o_.dialog.Driver();
      if (given) QueuePrefixDialog(driver, [given](const std::string&) { return given; });
      session.PropertyEditor(*component, "Name")->Edit();
      if (component->Name() != old) lines.push_back(form + ": " + old + " -> " + component->Name());
    }
    if (!o_.dryRun && session.Designer().IsModified()) {
      for (const std::string& warning : session.Designer().Save()) std::cerr << warning << "\n";
      const int references = session.Designer().ReferencesRenamed();
      if (references > 0)
        lines.push_back(form + ": " + std::to_string(references) + " code reference" + (references == 1 ? "" : "s") +
                        " renamed in the unit");
    }
    for (const std::string& line : lines) std::cout << line << "\n";
    renamed_ += static_cast<int>(lines.size());
  }

  void Summary(std::size_t forms) const {
    int skipped = 0;
    std::string classes;
    for (const auto& [cls, count] : skipped_) {
      skipped += count;
      classes += (classes.empty() ? "" : ", ") + cls + " " + std::to_string(count);
    }
    std::cout << forms << " forms" << (o_.dryRun ? " (dry run, nothing written)" : "");
    if (skipped > 0) std::cout << "; " << skipped << " components skipped without a prefix: " << classes;
    std::cout << "\n";
  }

  const NameOptions& o_;
  std::map<std::string, std::string, TextLess> prefixFor_;
  std::map<std::string, int, TextLess> skipped_;
  int renamed_ = 0;
};

void Run(const NameOptions& o) {
  if (!o.all) return NameOne(o);
  if (o.set || o.prefix || !o.dialog.out.empty())
    throw CLI::ValidationError("--all names every component: --set, --prefix and -o belong to one component");
  if (!TBatchNaming(o).Run()) throw EInvalidOperation("Some forms could not be named");
}

}  // namespace

void AddNameCommand(CLI::App& app) {
  auto o = std::make_shared<NameOptions>();
  CLI::App* command = app.add_subcommand(
      "name", "Name a component from its class's prefix (the Name property's ellipsis), or every component with --all");
  command->add_option("ARGS", o->args, "FORM COMPONENT, or with --all the forms and folders to name")->required();
  command->add_option("--prefix", o->prefix, "the prefix to store when the class has none yet");
  command->add_option("--set", o->set, "type this name instead (the Object Inspector's text)");
  command->add_flag("--all", o->all, "every component of each form (folders are searched for .dfm and .lfm)");
  command->add_flag("--dry-run", o->dryRun, "with --all: print the new names, write nothing");
  command->add_flag("--only-default-names", o->onlyDefaultNames,
                    "with --all: only names the IDE made, such as Button12");
  command->add_option("--prefix-for", o->prefixFor, "with --all: CLASS=PREFIX for a class without a stored prefix");
  AddDialogOptions(command, o->dialog, "");
  command->callback([o] { Run(*o); });
}

}  // namespace cli
