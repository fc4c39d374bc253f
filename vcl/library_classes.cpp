// The classes of the library by name: each is built (and registers itself) when a form or a
// caller first asks for it by name, so that a program builds only the classes it uses.
#include "vcl/actnlist.h"
#include "vcl/buttons.h"
#include "vcl/checklst.h"
#include "vcl/classes.h"
#include "vcl/collections.h"
#include "vcl/comctrls.h"
#include "vcl/comctrls_bars.h"
#include "vcl/comctrls_combo_ex.h"
#include "vcl/comctrls_coolbar.h"
#include "vcl/comctrls_pager.h"
#include "vcl/comctrls_pickers.h"
#include "vcl/comctrls_ranges.h"
#include "vcl/comctrls_views.h"
#include "vcl/db/db.h"
#include "vcl/db/db_batch.h"
#include "vcl/db/db_session.h"
#include "vcl/db/db_stored_proc.h"
#include "vcl/db/dbcgrids.h"
#include "vcl/db/dbctrls.h"
#include "vcl/db/dbgrids.h"
#include "vcl/db/dbtables.h"
#include "vcl/ddeman.h"
#include "vcl/dialogs.h"
#include "vcl/dialogs_find.h"
#include "vcl/dialogs_pick.h"
#include "vcl/dialogs_print.h"
#include "vcl/ext_dialogs.h"
#include "vcl/ext_timer.h"
#include "vcl/extctrls.h"
#include "vcl/filectrl.h"
#include "vcl/forms.h"
#include "vcl/graphics.h"
#include "vcl/grids.h"
#include "vcl/icon.h"
#include "vcl/imglist.h"
#include "vcl/mask.h"
#include "vcl/menus.h"
#include "vcl/notebook.h"
#include "vcl/samples_colorgrd.h"
#include "vcl/samples_gauges.h"
#include "vcl/scroll_bar.h"
#include "vcl/spin.h"
#include "vcl/stdctrls.h"
#include "vcl/strings.h"
#include "vcl/tabnotbk.h"
#include "vcl/tabs.h"

#include <unordered_map>

namespace vcl {

namespace {

using TClassInfo = TClass (*)();

struct TLibraryClass {
  std::string_view name;
  TClassInfo info;
};

#define LIBRARY_CLASS(T) TLibraryClass { #T, &T::ClassInfo }

const TLibraryClass kLibraryClasses[] = {
    LIBRARY_CLASS(TPersistent), LIBRARY_CLASS(TComponent),
    LIBRARY_CLASS(TStrings), LIBRARY_CLASS(TStringList),
    // menus, actions, image lists
    LIBRARY_CLASS(TMenuItem), LIBRARY_CLASS(TMenu), LIBRARY_CLASS(TMainMenu), LIBRARY_CLASS(TPopupMenu),
    LIBRARY_CLASS(TOpenDialog), LIBRARY_CLASS(TSaveDialog),
    LIBRARY_CLASS(TBasicAction), LIBRARY_CLASS(TContainedAction), LIBRARY_CLASS(TCustomAction),
    LIBRARY_CLASS(TAction), LIBRARY_CLASS(TCustomActionList), LIBRARY_CLASS(TActionList),
    LIBRARY_CLASS(TCustomImageList), LIBRARY_CLASS(TImageList),
    // data access
    LIBRARY_CLASS(TField), LIBRARY_CLASS(TStringField), LIBRARY_CLASS(TWideStringField),
    LIBRARY_CLASS(TNumericField), LIBRARY_CLASS(TIntegerField), LIBRARY_CLASS(TSmallintField),
    LIBRARY_CLASS(TWordField), LIBRARY_CLASS(TAutoIncField), LIBRARY_CLASS(TLargeintField),
    LIBRARY_CLASS(TFloatField), LIBRARY_CLASS(TCurrencyField), LIBRARY_CLASS(TBCDField),
    LIBRARY_CLASS(TBooleanField), LIBRARY_CLASS(TDateTimeField), LIBRARY_CLASS(TDateField),
    LIBRARY_CLASS(TTimeField), LIBRARY_CLASS(TBinaryField), LIBRARY_CLASS(TBytesField),
    LIBRARY_CLASS(TVarBytesField), LIBRARY_CLASS(TBlobField), LIBRARY_CLASS(TMemoField),
    LIBRARY_CLASS(TGraphicField), LIBRARY_CLASS(TObjectField), LIBRARY_CLASS(TADTField),
    LIBRARY_CLASS(TArrayField), LIBRARY_CLASS(TDataSetField), LIBRARY_CLASS(TReferenceField),
    LIBRARY_CLASS(TDataSet), LIBRARY_CLASS(TDataSource), LIBRARY_CLASS(TDatabase), LIBRARY_CLASS(TDBDataSet),
    LIBRARY_CLASS(TTable), LIBRARY_CLASS(TQuery),
    // graphics, controls and forms
    LIBRARY_CLASS(TGraphicsObject), LIBRARY_CLASS(TFont), LIBRARY_CLASS(TPen), LIBRARY_CLASS(TBrush),
    LIBRARY_CLASS(TCanvas), LIBRARY_CLASS(TGraphic), LIBRARY_CLASS(TBitmap), LIBRARY_CLASS(TIcon),
    LIBRARY_CLASS(TPicture), LIBRARY_CLASS(TSizeConstraints), LIBRARY_CLASS(TControl),
    LIBRARY_CLASS(TWinControl), LIBRARY_CLASS(TGraphicControl), LIBRARY_CLASS(TCustomControl),
    LIBRARY_CLASS(TControlScrollBar), LIBRARY_CLASS(TScrollingWinControl), LIBRARY_CLASS(TScrollBox),
    LIBRARY_CLASS(TCustomFrame), LIBRARY_CLASS(TFrame), LIBRARY_CLASS(TCustomForm), LIBRARY_CLASS(TForm),
    LIBRARY_CLASS(TDataModule), LIBRARY_CLASS(TCustomLabel), LIBRARY_CLASS(TLabel),
    LIBRARY_CLASS(TCustomEdit), LIBRARY_CLASS(TEdit), LIBRARY_CLASS(TCustomMemo), LIBRARY_CLASS(TMemo),
    LIBRARY_CLASS(TButtonControl), LIBRARY_CLASS(TButton), LIBRARY_CLASS(TCustomCheckBox),
    LIBRARY_CLASS(TCheckBox), LIBRARY_CLASS(TRadioButton), LIBRARY_CLASS(TCustomComboBox),
    LIBRARY_CLASS(TComboBox), LIBRARY_CLASS(TCustomListBox), LIBRARY_CLASS(TListBox),
    LIBRARY_CLASS(TCustomGroupBox), LIBRARY_CLASS(TGroupBox), LIBRARY_CLASS(TCustomStaticText),
    LIBRARY_CLASS(TStaticText), LIBRARY_CLASS(TCustomPanel), LIBRARY_CLASS(TPanel), LIBRARY_CLASS(TBevel),
    LIBRARY_CLASS(TShape), LIBRARY_CLASS(TImage), LIBRARY_CLASS(TPaintBox), LIBRARY_CLASS(TSplitter),
    LIBRARY_CLASS(TGroupButton), LIBRARY_CLASS(TCustomRadioGroup), LIBRARY_CLASS(TRadioGroup),
    LIBRARY_CLASS(TCustomTabControl), LIBRARY_CLASS(TTabControl), LIBRARY_CLASS(TTabSheet),
    LIBRARY_CLASS(TPageControl), LIBRARY_CLASS(TSpeedButton), LIBRARY_CLASS(TBitBtn),
    LIBRARY_CLASS(TCheckListBox), LIBRARY_CLASS(TSpinButton), LIBRARY_CLASS(TSpinEdit),
    // additional and Windows 3.1 controls
    LIBRARY_CLASS(TCustomMaskEdit), LIBRARY_CLASS(TMaskEdit), LIBRARY_CLASS(TCustomGrid),
    LIBRARY_CLASS(TDrawGrid), LIBRARY_CLASS(TStringGrid), LIBRARY_CLASS(TScrollBar), LIBRARY_CLASS(TTabSet),
    LIBRARY_CLASS(TPage), LIBRARY_CLASS(TNotebook), LIBRARY_CLASS(TTabPage), LIBRARY_CLASS(TTabbedNotebook),
    LIBRARY_CLASS(TFileListBox), LIBRARY_CLASS(TDirectoryListBox), LIBRARY_CLASS(TDriveComboBox),
    LIBRARY_CLASS(TFilterComboBox),
    // common controls: collections, bars, ranges, views, pickers, rich edits
    LIBRARY_CLASS(TCollectionItem), LIBRARY_CLASS(TCollection), LIBRARY_CLASS(TStatusPanel),
    LIBRARY_CLASS(TStatusPanels), LIBRARY_CLASS(TStatusBar), LIBRARY_CLASS(THeaderSection),
    LIBRARY_CLASS(THeaderSections), LIBRARY_CLASS(THeaderControl), LIBRARY_CLASS(TToolButton),
    LIBRARY_CLASS(TToolBar), LIBRARY_CLASS(TTrackBar), LIBRARY_CLASS(TProgressBar), LIBRARY_CLASS(TUpDown),
    LIBRARY_CLASS(TTreeNodes), LIBRARY_CLASS(TTreeView), LIBRARY_CLASS(TListColumn),
    LIBRARY_CLASS(TListColumns), LIBRARY_CLASS(TListView), LIBRARY_CLASS(TDateTimePicker),
    LIBRARY_CLASS(TMonthCalendar), LIBRARY_CLASS(THotKey), LIBRARY_CLASS(TAnimate), LIBRARY_CLASS(TRichEdit),
    LIBRARY_CLASS(TComboExItem), LIBRARY_CLASS(TComboExItems), LIBRARY_CLASS(TCustomComboBoxEx),
    LIBRARY_CLASS(TComboBoxEx),
    LIBRARY_CLASS(TCoolBand), LIBRARY_CLASS(TCoolBands), LIBRARY_CLASS(TCoolBar),
    // data-aware controls
    LIBRARY_CLASS(TCustomRichEdit), LIBRARY_CLASS(TDBText), LIBRARY_CLASS(TDBEdit), LIBRARY_CLASS(TDBMemo),
    LIBRARY_CLASS(TDBRichEdit), LIBRARY_CLASS(TDBImage), LIBRARY_CLASS(TDBCheckBox),
    LIBRARY_CLASS(TDBListBox), LIBRARY_CLASS(TDBComboBox), LIBRARY_CLASS(TDBRadioGroup),
    LIBRARY_CLASS(TDBLookupControl), LIBRARY_CLASS(TDBLookupListBox), LIBRARY_CLASS(TDBLookupComboBox),
    LIBRARY_CLASS(TDBNavigator), LIBRARY_CLASS(TCustomDBGrid), LIBRARY_CLASS(TDBGrid),
    LIBRARY_CLASS(TDBCtrlGrid),
    LIBRARY_CLASS(TColumnTitle), LIBRARY_CLASS(TColumn), LIBRARY_CLASS(TDBGridColumns),
    // the System page
    LIBRARY_CLASS(TTimer), LIBRARY_CLASS(TDdeClientConv), LIBRARY_CLASS(TDdeClientItem),
    LIBRARY_CLASS(TDdeServerConv), LIBRARY_CLASS(TDdeServerItem),
    // the Dialogs page
    LIBRARY_CLASS(TCommonDialog), LIBRARY_CLASS(TOpenPictureDialog), LIBRARY_CLASS(TSavePictureDialog),
    LIBRARY_CLASS(TFontDialog), LIBRARY_CLASS(TColorDialog), LIBRARY_CLASS(TPrintDialog),
    LIBRARY_CLASS(TPrinterSetupDialog), LIBRARY_CLASS(TFindDialog), LIBRARY_CLASS(TReplaceDialog),
    // more of the Data Access page
    LIBRARY_CLASS(TSession), LIBRARY_CLASS(TStoredProc), LIBRARY_CLASS(TBatchMove), LIBRARY_CLASS(TUpdateSQL),
    LIBRARY_CLASS(TNestedTable),
    // more of the Samples page
    LIBRARY_CLASS(TGauge), LIBRARY_CLASS(TColorGrid),
    // more of the Win32 page
    LIBRARY_CLASS(TPageScroller),
};

#undef LIBRARY_CLASS

using TClassTable = std::unordered_map<std::string_view, TClassInfo, TextHash, TextEqual>;

// The library classes not yet asked for by name.
TClassTable& Unbuilt() {
  static TClassTable unbuilt = [] {
    TClassTable all;
    for (const TLibraryClass& entry : kLibraryClasses) all.emplace(entry.name, entry.info);
    return all;
  }();
  return unbuilt;
}

}  // namespace

void BuildLibraryClass(std::string_view name) {
  auto& unbuilt = Unbuilt();
  auto it = unbuilt.find(name);
  if (it == unbuilt.end()) return;
  TClassInfo info = it->second;
  unbuilt.erase(it);
  info();
}

void RegisterLibraryClasses() {
  auto& unbuilt = Unbuilt();
  while (!unbuilt.empty()) BuildLibraryClass(unbuilt.begin()->first);
}

}  // namespace vcl
