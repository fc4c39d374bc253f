// Registers every class of the library, so that FindClass knows them before first use.
#include "vcl/actnlist.h"
#include "vcl/buttons.h"
#include "vcl/checklst.h"
#include "vcl/classes.h"
#include "vcl/collections.h"
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
#include "vcl/dialogs.h"
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
#include "vcl/scroll_bar.h"
#include "vcl/spin.h"
#include "vcl/stdctrls.h"
#include "vcl/strings.h"
#include "vcl/tabnotbk.h"
#include "vcl/tabs.h"

namespace vcl {

void RegisterLibraryClasses() {
  static const bool done = [] {
    for (auto info : {&TPersistent::ClassInfo, &TComponent::ClassInfo,
                      &TStrings::ClassInfo, &TStringList::ClassInfo,
                      // menus, actions, image lists
                      &TMenuItem::ClassInfo, &TMenu::ClassInfo, &TMainMenu::ClassInfo, &TPopupMenu::ClassInfo, &TOpenDialog::ClassInfo, &TSaveDialog::ClassInfo,
                      &TBasicAction::ClassInfo, &TContainedAction::ClassInfo, &TCustomAction::ClassInfo,
                      &TAction::ClassInfo, &TCustomActionList::ClassInfo, &TActionList::ClassInfo,
                      &TCustomImageList::ClassInfo, &TImageList::ClassInfo,
                      // data access
                      &TField::ClassInfo, &TStringField::ClassInfo, &TWideStringField::ClassInfo,
                      &TNumericField::ClassInfo, &TIntegerField::ClassInfo, &TSmallintField::ClassInfo,
                      &TWordField::ClassInfo, &TAutoIncField::ClassInfo, &TLargeintField::ClassInfo,
                      &TFloatField::ClassInfo, &TCurrencyField::ClassInfo, &TBCDField::ClassInfo,
                      &TBooleanField::ClassInfo, &TDateTimeField::ClassInfo, &TDateField::ClassInfo,
                      &TTimeField::ClassInfo, &TBinaryField::ClassInfo, &TBytesField::ClassInfo,
                      &TVarBytesField::ClassInfo, &TBlobField::ClassInfo, &TMemoField::ClassInfo,
                      &TGraphicField::ClassInfo, &TObjectField::ClassInfo, &TADTField::ClassInfo,
                      &TArrayField::ClassInfo, &TDataSetField::ClassInfo, &TReferenceField::ClassInfo,
                      &TDataSet::ClassInfo, &TDataSource::ClassInfo, &TDatabase::ClassInfo, &TDBDataSet::ClassInfo, &TTable::ClassInfo,
                      &TQuery::ClassInfo,
                      // graphics, controls and forms
                      &TGraphicsObject::ClassInfo, &TFont::ClassInfo, &TPen::ClassInfo, &TBrush::ClassInfo,
                      &TCanvas::ClassInfo, &TGraphic::ClassInfo, &TBitmap::ClassInfo, &TIcon::ClassInfo,
                      &TPicture::ClassInfo, &TSizeConstraints::ClassInfo, &TControl::ClassInfo,
                      &TWinControl::ClassInfo, &TGraphicControl::ClassInfo, &TCustomControl::ClassInfo,
                      &TControlScrollBar::ClassInfo, &TScrollingWinControl::ClassInfo, &TScrollBox::ClassInfo,
                      &TCustomFrame::ClassInfo, &TFrame::ClassInfo, &TCustomForm::ClassInfo, &TForm::ClassInfo,
                      &TDataModule::ClassInfo, &TCustomLabel::ClassInfo, &TLabel::ClassInfo,
                      &TCustomEdit::ClassInfo, &TEdit::ClassInfo, &TCustomMemo::ClassInfo, &TMemo::ClassInfo,
                      &TButtonControl::ClassInfo, &TButton::ClassInfo, &TCustomCheckBox::ClassInfo,
                      &TCheckBox::ClassInfo, &TRadioButton::ClassInfo, &TCustomComboBox::ClassInfo,
                      &TComboBox::ClassInfo, &TCustomListBox::ClassInfo, &TListBox::ClassInfo,
                      &TCustomGroupBox::ClassInfo, &TGroupBox::ClassInfo, &TCustomStaticText::ClassInfo,
                      &TStaticText::ClassInfo, &TCustomPanel::ClassInfo, &TPanel::ClassInfo, &TBevel::ClassInfo,
                      &TShape::ClassInfo, &TImage::ClassInfo, &TPaintBox::ClassInfo, &TSplitter::ClassInfo,
                      &TGroupButton::ClassInfo, &TCustomRadioGroup::ClassInfo, &TRadioGroup::ClassInfo,
                      &TCustomTabControl::ClassInfo, &TTabControl::ClassInfo, &TTabSheet::ClassInfo,
                      &TPageControl::ClassInfo, &TSpeedButton::ClassInfo, &TBitBtn::ClassInfo,
                      &TCheckListBox::ClassInfo, &TSpinButton::ClassInfo, &TSpinEdit::ClassInfo,
                      // additional and Windows 3.1 controls
                      &TCustomMaskEdit::ClassInfo, &TMaskEdit::ClassInfo, &TCustomGrid::ClassInfo, &TDrawGrid::ClassInfo, &TStringGrid::ClassInfo, &TScrollBar::ClassInfo, &TTabSet::ClassInfo, &TPage::ClassInfo, &TNotebook::ClassInfo, &TTabPage::ClassInfo, &TTabbedNotebook::ClassInfo, &TFileListBox::ClassInfo, &TDirectoryListBox::ClassInfo, &TDriveComboBox::ClassInfo, &TFilterComboBox::ClassInfo,
                      // common controls: collections, bars, ranges, views, pickers, rich edits
                      &TCollectionItem::ClassInfo, &TCollection::ClassInfo, &TStatusPanel::ClassInfo, &TStatusPanels::ClassInfo, &TStatusBar::ClassInfo, &THeaderSection::ClassInfo, &THeaderSections::ClassInfo, &THeaderControl::ClassInfo, &TToolButton::ClassInfo, &TToolBar::ClassInfo, &TTrackBar::ClassInfo, &TProgressBar::ClassInfo, &TUpDown::ClassInfo, &TTreeNodes::ClassInfo, &TTreeView::ClassInfo, &TListColumn::ClassInfo, &TListColumns::ClassInfo, &TListView::ClassInfo, &TDateTimePicker::ClassInfo, &TMonthCalendar::ClassInfo, &THotKey::ClassInfo, &TAnimate::ClassInfo, &TRichEdit::ClassInfo, &TComboExItem::ClassInfo, &TComboExItems::ClassInfo, &TCustomComboBoxEx::ClassInfo, &TComboBoxEx::ClassInfo,
                      // data-aware controls
                      &TCustomRichEdit::ClassInfo, &TDBText::ClassInfo, &TDBEdit::ClassInfo, &TDBMemo::ClassInfo, &TDBRichEdit::ClassInfo, &TDBImage::ClassInfo, &TDBCheckBox::ClassInfo, &TDBListBox::ClassInfo, &TDBComboBox::ClassInfo, &TDBRadioGroup::ClassInfo, &TDBLookupControl::ClassInfo, &TDBLookupListBox::ClassInfo, &TDBLookupComboBox::ClassInfo, &TDBNavigator::ClassInfo, &TCustomDBGrid::ClassInfo, &TDBGrid::ClassInfo, &TDBCtrlGrid::ClassInfo}) info();
    return true;
  }();
  (void)done;
}

}  // namespace vcl
