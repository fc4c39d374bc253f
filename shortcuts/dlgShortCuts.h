// The shortcut list editor: the actions of the IDE's two action lists by category, each
// line with the action's glyph, caption and current shortcut, and the buttons that give the
// selected action a custom shortcut or bring back the IDE's own.
#pragma once

#include <string>
#include <vector>

#include "vcl/actnlist.h"
#include "vcl/buttons.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"

namespace zolt {

// The texts the shortcut box offers, in the order it lists them.
const std::vector<std::string>& ShortCutTexts();

// The line of the category list that shows every action; it always comes last.
inline constexpr const char* kAllCommands = "All commands";

class TdlgShortCuts : public vcl::TForm {
  VCL_CLASS(TdlgShortCuts, vcl::TForm)
  explicit TdlgShortCuts(vcl::TComponent* owner);

  // The published components of the layout.
  vcl::TListBox* lbxActions = nullptr;
  vcl::TLabel* lblCommands = nullptr;
  vcl::TLabel* lblShortCut = nullptr;
  vcl::TButton* btnSetShortCut = nullptr;
  vcl::TButton* btnOK = nullptr;
  vcl::TComboBox* cbxShortCut = nullptr;
  vcl::TLabel* lblCategory = nullptr;
  vcl::TListBox* lbxCategory = nullptr;
  vcl::TButton* btnRestoreShortCut = nullptr;
  vcl::TPanel* pnlAbout = nullptr;
  vcl::TSpeedButton* SpeedButton1 = nullptr;
  vcl::TButton* btnRestoreAll = nullptr;

  // The IDE's main action list and its database commands' (either may be null: then it
  // lists nothing). Both stay the IDE's. Call once, before the dialog shows.
  void SetActionList(vcl::TCustomActionList* first, vcl::TCustomActionList* second);
  // The action of command line `index`.
  vcl::TCustomAction* LineAction(int index) const;

  // The published handlers.
  void FormCreate(vcl::TObject* sender);
  void lbxCategoryClick(vcl::TObject* sender);
  void lbxActionsClick(vcl::TObject* sender);
  void lbxActionsDrawItem(vcl::TWinControl* control, int index, vcl::TRect rect, vcl::TOwnerDrawState state);
  void btnSetShortCutClick(vcl::TObject* sender);
  void cbxShortCutKeyPress(vcl::TObject* sender, char32_t& key);
  void btnRestoreShortCutClick(vcl::TObject* sender);
  void btnRestoreAllClick(vcl::TObject* sender);
  void SpeedButton1Click(vcl::TObject* sender);

private:
  // Every custom action of both lists, the first list's first, in index order.
  std::vector<vcl::TCustomAction*> Actions() const;
  // Puts line `index` back with the same text, so that it is drawn again.
  void RedrawLine(int index);

  vcl::TComponentRef<vcl::TCustomActionList> FActionList1{this};
  vcl::TComponentRef<vcl::TCustomActionList> FActionList2{this};
};

}  // namespace zolt
