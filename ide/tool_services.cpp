#include "ide/tool_services.h"

#include "vcl/sysutils.h"

namespace ide {

namespace {

[[noreturn]] void IndexError(int index) {
  throw vcl::EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

std::vector<TPalettePage> DefaultPalette() {
  return {
      {"Standard",
       {"TMainMenu", "TPopupMenu", "TLabel", "TEdit", "TMemo", "TButton", "TCheckBox", "TRadioButton",
        "TListBox", "TComboBox", "TScrollBar", "TGroupBox", "TRadioGroup", "TPanel", "TActionList"}},
      {"Additional",
       {"TBitBtn", "TSpeedButton", "TMaskEdit", "TStringGrid", "TDrawGrid", "TImage", "TShape", "TBevel",
        "TScrollBox", "TCheckListBox", "TSplitter", "TStaticText"}},
      {"Win32",
       {"TTabControl", "TPageControl", "TImageList", "TRichEdit", "TTrackBar", "TProgressBar", "TUpDown",
        "THotKey", "TAnimate", "TDateTimePicker", "TMonthCalendar", "TTreeView", "TListView",
        "THeaderControl", "TStatusBar", "TToolBar", "TCoolBar", "TComboBoxEx", "TPageScroller"}},
      {"System",
       {"TTimer", "TPaintBox", "TDdeClientConv", "TDdeClientItem", "TDdeServerConv", "TDdeServerItem"}},
      {"Data Access",
       {"TDataSource", "TTable", "TQuery", "TStoredProc", "TDatabase", "TSession", "TBatchMove", "TUpdateSQL",
        "TNestedTable"}},
      {"Data Controls",
       {"TDBGrid", "TDBNavigator", "TDBText", "TDBEdit", "TDBMemo", "TDBImage", "TDBListBox",
        "TDBComboBox", "TDBCheckBox", "TDBRadioGroup", "TDBLookupListBox", "TDBLookupComboBox",
        "TDBRichEdit", "TDBCtrlGrid"}},
      {"Dialogs",
       {"TOpenDialog", "TSaveDialog", "TOpenPictureDialog", "TSavePictureDialog", "TFontDialog", "TColorDialog",
        "TPrintDialog", "TPrinterSetupDialog", "TFindDialog", "TReplaceDialog"}},
      {"Win 3.1",
       {"TTabSet", "TTabbedNotebook", "TNotebook", "TFileListBox", "TDirectoryListBox", "TDriveComboBox",
        "TFilterComboBox"}},
      {"Samples", {"TGauge", "TColorGrid", "TSpinButton", "TSpinEdit"}},
  };
}

const TPalettePage& TToolServices::Page(int module) const {
  if (module < 0 || module >= GetModuleCount()) IndexError(module);
  return palette_[static_cast<std::size_t>(module)];
}

std::string TToolServices::GetModuleName(int index) const { return Page(index).Name; }

int TToolServices::GetComponentCount(int module) const { return static_cast<int>(Page(module).ClassNames.size()); }

std::string TToolServices::GetComponentName(int module, int index) const {
  const TPalettePage& page = Page(module);
  if (index < 0 || index >= static_cast<int>(page.ClassNames.size())) IndexError(index);
  return page.ClassNames[static_cast<std::size_t>(index)];
}

}  // namespace ide
