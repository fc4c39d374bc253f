// The data-controls wizard's dialog: the data set's fields with check marks, order and
// control classes, the container that receives the controls, the wizard's settings and the
// field-type associations, on three pages.
#pragma once

#include <memory>
#include <string>

#include "vcl/buttons.h"
#include "vcl/checklst.h"
#include "vcl/comctrls.h"
#include "vcl/db/db.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"

namespace zolt {

class TdlgDataControls : public vcl::TForm {
  VCL_CLASS(TdlgDataControls, vcl::TForm)
  explicit TdlgDataControls(vcl::TComponent* owner);

  // The published components of the layout.
  vcl::TButton* btnOK = nullptr;
  vcl::TButton* btnCancel = nullptr;
  vcl::TPageControl* PageControl1 = nullptr;
  vcl::TTabSheet* TabSheet1 = nullptr;
  vcl::TTabSheet* Associations = nullptr;
  vcl::TListBox* lstTypes = nullptr;
  vcl::TLabel* lblAssocType = nullptr;
  vcl::TLabel* lblFieldTypes = nullptr;
  vcl::TLabel* lblFields = nullptr;
  vcl::TLabel* lblControl = nullptr;
  vcl::TButton* btnRefreshFields = nullptr;
  vcl::TTabSheet* TabSheet2 = nullptr;
  vcl::TCheckBox* chbAddLabels = nullptr;
  vcl::TCheckBox* chbDecapitalize = nullptr;
  vcl::TCheckListBox* lstFields = nullptr;
  vcl::TSpeedButton* btnUp = nullptr;
  vcl::TSpeedButton* btnDown = nullptr;
  vcl::TButton* btnSaveAssoc = nullptr;
  vcl::TEdit* edtAppend = nullptr;
  vcl::TLabel* lblAppend = nullptr;
  vcl::TCheckBox* chbCreateLabelCustBtn = nullptr;
  vcl::TLabel* lblCustButtonList = nullptr;
  vcl::TMemo* mmoCustBtnControls = nullptr;
  vcl::TLabel* lblContainer = nullptr;
  vcl::TComboBox* cbxContainer = nullptr;
  vcl::TButton* btnSaveSettings = nullptr;
  vcl::TPanel* pnlAbout = nullptr;
  vcl::TSpeedButton* SpeedButton1 = nullptr;
  vcl::TRadioGroup* rgpWidth = nullptr;
  vcl::TLabel* lblWidth = nullptr;
  vcl::TComboBox* cbxFieldControl = nullptr;
  vcl::TComboBox* cbxControl = nullptr;
  vcl::TLabel* lblLabelType = nullptr;
  vcl::TEdit* edtLabel = nullptr;

  // ---- Filled by the component editor, read by it after OK.
  // Lists the fields, each checked, with the class its type is associated with.
  void SetFields(vcl::TFields* fields);
  // Offers the panels, scroll boxes, group boxes, tab controls and tab sheets `owner` owns.
  void SetContainerOwner(vcl::TComponent* owner);
  std::string GetCustomButtonControls() const;
  vcl::TWinControl* GetSelectedContainer() const;
  int getWidthType() const;
  // Per row of the field list; out-of-range rows give false, -1 and the empty text.
  bool GetChecked(int row) const;
  int GetFieldIndex(int row) const;
  std::string GetFieldControl(int row) const;
  std::string GetAppendText() const;
  bool GetAddLabels() const;
  bool GetDecapitalize() const;
  bool GetLabelsForCustomButtons() const;
  std::string GetLabelControl() const;
  // The class proposed for a field type that has no stored association.
  std::string GetDefaultAssoc(const std::string& fieldType) const;

  // ---- The checks of OK and of saving the settings; each raises naming the class.
  void CheckFieldControls() const;
  void CheckCustomButtons() const;
  void CheckLabel() const;

  // Event handlers.
  void FormCreate(vcl::TObject* sender);
  void FormDestroy(vcl::TObject* sender);
  void btnOKClick(vcl::TObject* sender);
  void btnCancelClick(vcl::TObject* sender);
  void btnUpClick(vcl::TObject* sender);
  void btnDownClick(vcl::TObject* sender);
  void btnRefreshFieldsClick(vcl::TObject* sender);
  void btnSaveAssocClick(vcl::TObject* sender);
  void btnSaveSettingsClick(vcl::TObject* sender);
  void SpeedButton1Click(vcl::TObject* sender);
  void lstFieldsClick(vcl::TObject* sender);
  void lstFieldsKeyDown(vcl::TObject* sender, vcl::Word& key, vcl::TShiftState shift);
  void lstTypesClick(vcl::TObject* sender);
  void cbxSelectControlEnter(vcl::TObject* sender);
  void cbxSelectControlExit(vcl::TObject* sender);
  void cbxSelectControlKeyUp(vcl::TObject* sender, vcl::Word& key, vcl::TShiftState shift);
  void cbxFieldControlKeyPress(vcl::TObject* sender, char32_t& key);
  void cbxControlKeyPress(vcl::TObject* sender, char32_t& key);

private:
  // The settings and the 30 associations from the store (wizard_settings.cpp).
  void LoadSettings();
  void SaveSettings();
  void SaveAssociations();

  void AssociateFields();
  void CreateContainerList();
  void ToggleButtons();
  void SwapFields(int from, int to);
  // "Name (ftType): TClass" for field `fieldIndex` shown with class `control`.
  std::string FieldRowText(int fieldIndex, const std::string& control) const;
  void FillClassBoxes();

  // Association table: entry i is the class for field type ordinal i.
  std::unique_ptr<vcl::TStringList> FAssociations;
  // Per row of lstFields: its class name, and its field's index as "%.4d".
  std::unique_ptr<vcl::TStringList> FFieldControls;
  std::unique_ptr<vcl::TStringList> FFieldIndexes;
  vcl::TFields* FFields = nullptr;
  vcl::TComponent* FContainerOwner = nullptr;
};

}  // namespace zolt
