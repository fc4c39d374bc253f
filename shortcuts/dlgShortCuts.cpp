#include "shortcuts/dlgShortCuts.h"

#include "package/ZoltAbout.h"
#include "shortcuts/ZoltShortCuts.h"
#include "vcl/class_builder.h"
#include "vcl/dialogs.h"
#include "vcl/menus.h"
#include "vcl/streaming/layout.h"

namespace zolt {

using namespace vcl;

namespace {

constexpr int kGlyphOffset = 2;
constexpr int kCaptionLeft = 26;
constexpr int kShortCutLeft = 200;
constexpr int kTextTop = 4;

std::vector<std::string> Keys27() {
  return {"F1",  "F2",  "F3",   "F4",  "F5",   "F6",   "F7",    "F8",    "F9",  "F10", "F11", "F12",  "Ins", "Del",
          "Home", "End", "PgUp", "PgDn", "Tab", "Space", "BkSp", "Enter", "Esc", "Up",  "Down", "Left", "Right"};
}

// Digits, letters, then the named keys.
std::vector<std::string> Keys63() {
  std::vector<std::string> keys;
  for (char c = '0'; c <= '9'; ++c) keys.emplace_back(1, c);
  for (char c = 'A'; c <= 'Z'; ++c) keys.emplace_back(1, c);
  for (std::string& key : Keys27()) keys.push_back(std::move(key));
  return keys;
}

}  // namespace

const std::vector<std::string>& ShortCutTexts() {
  static const std::vector<std::string> texts = [] {
    const std::vector<std::string> keys27 = Keys27(), keys63 = Keys63();
    struct TGroup {
      const char* modifiers;
      const std::vector<std::string>& keys;
    };
    // No group has Alt alone; Ctrl+Alt+Del belongs to the system, not to the IDE.
    const TGroup groups[] = {{"", keys27},          {"Ctrl+", keys63},      {"Shift+", keys27},
                             {"Shift+Ctrl+", keys63}, {"Ctrl+Alt+", keys63}, {"Shift+Alt+", keys63},
                             {"Shift+Ctrl+Alt+", keys63}};
    std::vector<std::string> all;
    for (const TGroup& group : groups)
      for (const std::string& key : group.keys) {
        std::string text = group.modifiers + key;
        if (text != "Ctrl+Alt+Del") all.push_back(std::move(text));
      }
    return all;
  }();
  return texts;
}

TClass TdlgShortCuts::ClassInfo() {
  using D = TdlgShortCuts;
  static TClass cls = TClassBuilder<D>("TdlgShortCuts", TForm::ClassInfo())
                          .Field("lbxActions", &D::lbxActions)
                          .Field("lblCommands", &D::lblCommands)
                          .Field("lblShortCut", &D::lblShortCut)
                          .Field("btnSetShortCut", &D::btnSetShortCut)
                          .Field("btnOK", &D::btnOK)
                          .Field("cbxShortCut", &D::cbxShortCut)
                          .Field("lblCategory", &D::lblCategory)
                          .Field("lbxCategory", &D::lbxCategory)
                          .Field("btnRestoreShortCut", &D::btnRestoreShortCut)
                          .Field("pnlAbout", &D::pnlAbout)
                          .Field("SpeedButton1", &D::SpeedButton1)
                          .Field("btnRestoreAll", &D::btnRestoreAll)
                          .Method("lbxActionsClick", &D::lbxActionsClick)
                          .Method("btnSetShortCutClick", &D::btnSetShortCutClick)
                          .Method("lbxActionsDrawItem", &D::lbxActionsDrawItem)
                          .Method("lbxCategoryClick", &D::lbxCategoryClick)
                          .Method("btnRestoreShortCutClick", &D::btnRestoreShortCutClick)
                          .Method("cbxShortCutKeyPress", &D::cbxShortCutKeyPress)
                          .Method("SpeedButton1Click", &D::SpeedButton1Click)
                          .Method("FormCreate", &D::FormCreate)
                          .Method("btnRestoreAllClick", &D::btnRestoreAllClick)
                          .Build();
  return cls;
}

TdlgShortCuts::TdlgShortCuts(TComponent* owner) : TForm(owner) { InitDialog(this, "dlgShortCuts.dfm"); }

void TdlgShortCuts::FormCreate(TObject*) {
  SetCaption("Zol-t shortcut list editor");
  TStrings* items = cbxShortCut->Items();
  items->BeginUpdate();
  items->Clear();
  for (const std::string& text : ShortCutTexts()) items->Add(text);
  items->EndUpdate();
}

std::vector<TCustomAction*> TdlgShortCuts::Actions() const {
  std::vector<TCustomAction*> actions;
  for (TCustomActionList* list : {FActionList1.get(), FActionList2.get()}) {
    if (!list) continue;
    for (int i = 0; i < list->ActionCount(); ++i)
      if (auto* action = Cast<TCustomAction>(list->Actions(i))) actions.push_back(action);
  }
  return actions;
}

void TdlgShortCuts::SetActionList(TCustomActionList* first, TCustomActionList* second) {
  FActionList1.Set(first);
  FActionList2.Set(second);
  TStrings* categories = lbxCategory->Items();
  categories->BeginUpdate();
  lbxCategory->SetSorted(true);
  for (TCustomAction* action : Actions())
    if (categories->IndexOf(action->Category()) < 0) categories->Add(action->Category());
  lbxCategory->SetSorted(false);
  categories->Add(kAllCommands);
  categories->EndUpdate();
  lbxCategory->SetItemIndex(0);
  lbxCategoryClick(lbxCategory);
}

TCustomAction* TdlgShortCuts::LineAction(int index) const {
  return static_cast<TCustomAction*>(lbxActions->Items()->Objects(index));
}

void TdlgShortCuts::lbxCategoryClick(TObject*) {
  TStrings* lines = lbxActions->Items();
  lines->BeginUpdate();
  lines->Clear();
  int selected = lbxCategory->ItemIndex();
  if (selected >= 0) {
    const std::string category = lbxCategory->Items()->Strings(selected);
    bool all = category == kAllCommands;
    for (TCustomAction* action : Actions())
      if (all || action->Category() == category) lines->AddObject(StripHotkey(action->Caption()), action);
  }
  lines->EndUpdate();
  lbxActions->SetItemIndex(-1);
}

void TdlgShortCuts::lbxActionsDrawItem(TWinControl*, int index, TRect rect, TOwnerDrawState) {
  TCanvas* canvas = lbxActions->Canvas();
  canvas->FillRect(rect);
  TCustomAction* action = LineAction(index);
  if (TCustomActionList* list = action->ActionList(); list && list->Images())
    list->Images()->Draw(canvas, rect.Left + kGlyphOffset, rect.Top + kGlyphOffset, action->ImageIndex());
  canvas->TextOut(rect.Left + kCaptionLeft, rect.Top + kTextTop, lbxActions->Items()->Strings(index));
  canvas->TextOut(rect.Left + kShortCutLeft, rect.Top + kTextTop, ShortCutDisplayText(action->ShortCut()));
}

void TdlgShortCuts::lbxActionsClick(TObject*) {
  int selected = lbxActions->ItemIndex();
  if (selected >= 0) cbxShortCut->SetText(ShortCutDisplayText(LineAction(selected)->ShortCut()));
}

void TdlgShortCuts::RedrawLine(int index) {
  // A sorted list takes no line in place: the line goes and comes back at its sorted
  // place, and stays selected.
  TStrings* lines = lbxActions->Items();
  std::string text = lines->Strings(index);
  TObject* action = lines->Objects(index);
  lines->Delete(index);
  lbxActions->SetItemIndex(lines->AddObject(text, action));
}

void TdlgShortCuts::btnSetShortCutClick(TObject*) {
  int selected = lbxActions->ItemIndex();
  if (selected >= 0) {
    SetCustomShortCut(LineAction(selected), ParseShortCutText(cbxShortCut->Text()));
    RedrawLine(selected);
  }
  cbxShortCut->SetText(ShortCutDisplayText(ParseShortCutText(cbxShortCut->Text())));
}

void TdlgShortCuts::cbxShortCutKeyPress(TObject*, char32_t& key) {
  if (key != U'\r') return;
  key = 0;
  btnSetShortCut->Click();
}

void TdlgShortCuts::btnRestoreShortCutClick(TObject*) {
  int selected = lbxActions->ItemIndex();
  if (selected < 0) return;
  TCustomAction* action = LineAction(selected);
  RestoreDelphiShortCut(action);
  RedrawLine(selected);
  cbxShortCut->SetText(ShortCutDisplayText(action->ShortCut()));
}

void TdlgShortCuts::btnRestoreAllClick(TObject*) {
  if (MessageDlg("Are you sure you want to delete all your custom shortcuts?", mtConfirmation, mbYesNo, 0) != mrYes)
    return;
  for (TCustomAction* action : Actions()) RestoreDelphiShortCut(action);
}

void TdlgShortCuts::SpeedButton1Click(TObject*) { ShowZoltAbout(this); }

}  // namespace zolt
