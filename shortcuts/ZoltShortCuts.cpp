#include "shortcuts/ZoltShortCuts.h"

#include <fmt/format.h>

#include "host/reg_ini_file.h"
#include "package/ZoltConst.h"
#include "vcl/sysutils.h"

namespace zolt {

using namespace vcl;

void SetCustomShortCut(TCustomAction* action, TShortCut shortCut) {
  host::TRegIniFile store(ShortCutRegistryKey);
  std::string stored = store.ReadString("", action->Name(), "");
  std::string delphi = stored.empty() ? IntToHex(action->ShortCut(), 4) : stored.substr(0, 4);
  store.WriteString("", action->Name(), delphi + IntToHex(shortCut, 4));
  action->SetShortCut(shortCut);
}

void RestoreDelphiShortCut(TCustomAction* action) {
  host::TRegIniFile store(ShortCutRegistryKey);
  std::string stored = store.ReadString("", action->Name(), "");
  if (stored.empty()) return;
  store.DeleteValue(action->Name());
  std::string delphi = "$";
  delphi.append(stored, 0, 4);
  action->SetShortCut(static_cast<TShortCut>(StrToInt(delphi)));
}

std::string ShortCutDisplayText(TShortCut shortCut) {
  if (shortCut == scNone) return {};
  std::string text = ShortCutToText(shortCut);
  return text.empty() ? fmt::format("#{}", shortCut) : text;
}

TShortCut ParseShortCutText(std::string_view text) {
  if (text.empty()) return scNone;
  if (TShortCut named = TextToShortCut(text)) return named;
  if (text.size() < 2 || text.front() != '#') return scNone;
  try {
    return static_cast<TShortCut>(StrToInt(text.substr(1)) & 0xFFFF);
  } catch (const EConvertError&) {
    return scNone;
  }
}

}  // namespace zolt
