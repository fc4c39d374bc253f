#include "ide/tool_services.h"

#include "vcl/actnlist.h"
#include "vcl/buttons.h"
#include "vcl/checklst.h"
#include "vcl/comctrls.h"
#include "vcl/comctrls_bars.h"
#include "vcl/comctrls_combo_ex.h"
#include "vcl/comctrls_pickers.h"
#include "vcl/comctrls_ranges.h"
#include "vcl/comctrls_views.h"
#include "vcl/db/db.h"
#include "vcl/db/dbcgrids.h"
#include "vcl/db/dbctrls.h"
#include "vcl/db/dbgrids.h"
#include "vcl/db/dbtables.h"
#include "vcl/extctrls.h"
#include "vcl/filectrl.h"
#include "vcl/forms.h"
#include "vcl/grids.h"
#include "vcl/imglist.h"
#include "vcl/mask.h"
#include "vcl/menus.h"
#include "vcl/notebook.h"
#include "vcl/scroll_bar.h"
#include "vcl/spin.h"
#include "vcl/stdctrls.h"
#include "vcl/tabnotbk.h"
#include "vcl/tabs.h"

namespace ide {

namespace {

[[noreturn]] void IndexError(int index) {
  throw vcl::EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

std::vector<TPalettePage> DefaultPalette() {
  using namespace vcl;
  return {
      {"Standard",
       {TMainMenu::ClassInfo(), TPopupMenu::ClassInfo(), TLabel::ClassInfo(), TEdit::ClassInfo(),
        TMemo::ClassInfo(), TButton::ClassInfo(), TCheckBox::ClassInfo(), TRadioButton::ClassInfo(),
        TListBox::ClassInfo(), TComboBox::ClassInfo(), TScrollBar::ClassInfo(), TGroupBox::ClassInfo(),
        TRadioGroup::ClassInfo(),
        TPanel::ClassInfo(), TActionList::ClassInfo()}},
      {"Additional",
       {TBitBtn::ClassInfo(), TSpeedButton::ClassInfo(), TMaskEdit::ClassInfo(), TStringGrid::ClassInfo(),
        TDrawGrid::ClassInfo(), TImage::ClassInfo(), TShape::ClassInfo(),
        TBevel::ClassInfo(), TScrollBox::ClassInfo(), TCheckListBox::ClassInfo(), TSplitter::ClassInfo(),
        TStaticText::ClassInfo()}},
      {"Win32",
       {TTabControl::ClassInfo(), TPageControl::ClassInfo(), TImageList::ClassInfo(), TRichEdit::ClassInfo(),
        TTrackBar::ClassInfo(), TProgressBar::ClassInfo(), TUpDown::ClassInfo(), THotKey::ClassInfo(),
        TAnimate::ClassInfo(), TDateTimePicker::ClassInfo(), TMonthCalendar::ClassInfo(), TTreeView::ClassInfo(), TListView::ClassInfo(),
        THeaderControl::ClassInfo(), TStatusBar::ClassInfo(), TToolBar::ClassInfo(), TComboBoxEx::ClassInfo()}},
      {"System", {TPaintBox::ClassInfo()}},
      {"Data Access", {TDataSource::ClassInfo(), TTable::ClassInfo(), TQuery::ClassInfo(), TDatabase::ClassInfo()}},
      {"Data Controls",
       {TDBGrid::ClassInfo(), TDBNavigator::ClassInfo(), TDBText::ClassInfo(), TDBEdit::ClassInfo(),
        TDBMemo::ClassInfo(), TDBImage::ClassInfo(), TDBListBox::ClassInfo(), TDBComboBox::ClassInfo(),
        TDBCheckBox::ClassInfo(), TDBRadioGroup::ClassInfo(), TDBLookupListBox::ClassInfo(),
        TDBLookupComboBox::ClassInfo(), TDBRichEdit::ClassInfo(), TDBCtrlGrid::ClassInfo()}},
      {"Win 3.1",
       {TTabSet::ClassInfo(), TTabbedNotebook::ClassInfo(), TNotebook::ClassInfo(), TFileListBox::ClassInfo(),
        TDirectoryListBox::ClassInfo(), TDriveComboBox::ClassInfo(), TFilterComboBox::ClassInfo()}},
      {"Samples", {TSpinButton::ClassInfo(), TSpinEdit::ClassInfo()}},
  };
}

const TPalettePage& TToolServices::Page(int module) const {
  if (module < 0 || module >= GetModuleCount()) IndexError(module);
  return palette_[static_cast<std::size_t>(module)];
}

std::string TToolServices::GetModuleName(int index) const { return Page(index).Name; }

int TToolServices::GetComponentCount(int module) const { return static_cast<int>(Page(module).Classes.size()); }

std::string TToolServices::GetComponentName(int module, int index) const {
  const TPalettePage& page = Page(module);
  if (index < 0 || index >= static_cast<int>(page.Classes.size())) IndexError(index);
  return page.Classes[static_cast<std::size_t>(index)]->ClassName();
}

}  // namespace ide
