// The subcommands of `zolt`. Each adds itself to the application; its callback does the
// work and raises vcl::Exception (or another std::exception) on failure, which main turns
// into one line on stderr and exit code 1.
#pragma once

#include <CLI/CLI.hpp>

namespace cli {

void AddConvertCommand(CLI::App& app);
void AddRenderCommand(CLI::App& app);
void AddVerbsCommand(CLI::App& app);
void AddAboutCommand(CLI::App& app);
void AddAlignCommand(CLI::App& app);
void AddPrefixesCommand(CLI::App& app);
void AddNameCommand(CLI::App& app);
void AddWizardCommand(CLI::App& app);
void AddClassesCommand(CLI::App& app);
void AddShortCutsCommand(CLI::App& app);
void AddPaletteCommand(CLI::App& app);
void AddMenuCommand(CLI::App& app);

}  // namespace cli
