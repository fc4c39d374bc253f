// Constants shared by the modules of the package.
#pragma once

namespace zolt {

// The package's name, the name shown for it, and its version text.
inline constexpr const char* PackageName = "Zolt";
inline constexpr const char* DisplayName = "Zol-t";
inline constexpr const char* VersionText = "0.9ß";

// The settings key below HKEY_CURRENT_USER, and its sub-key of custom shortcuts.
inline constexpr const char* RegistryKey = "Software\\Borland\\Delphi\\Zol-t";
inline constexpr const char* ShortCutRegistryKey = "Software\\Borland\\Delphi\\Zol-t\\ShortCut";

}  // namespace zolt
