// The align dialog: the container's windowed children with check marks, and the layout
// parameters of the align tool on two pages.
#pragma once

#include <memory>
#include <string>

#include "vcl/buttons.h"
#include "vcl/checklst.h"
#include "vcl/comctrls.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/spin.h"
#include "vcl/stdctrls.h"

namespace zolt {

class TdlgAlign : public vcl::TForm {
  VCL_CLASS(TdlgAlign, vcl::TForm)
  explicit TdlgAlign(vcl::TComponent* owner);

  // The published components of the layout.
  vcl::TPageControl* PageControl1 = nullptr;
  vcl::TTabSheet* TabSheet1 = nullptr;
  vcl::TTabSheet* TabSheet2 = nullptr;
  vcl::TRadioButton* radVerticalFit = nullptr;
  vcl::TRadioButton* radFixedColumns = nullptr;
  vcl::TSpinEdit* edtColumns = nullptr;
  vcl::TLabel* lblHorCol = nullptr;
  vcl::TSpinEdit* edtHorColumn = nullptr;
  vcl::TLabel* lblVertCol = nullptr;
  vcl::TSpinEdit* edtVertColumn = nullptr;
  vcl::TLabel* lblHorLabel = nullptr;
  vcl::TSpinEdit* edtHorLabel = nullptr;
  vcl::TLabel* lblVerLabel = nullptr;
  vcl::TSpinEdit* edtVertLabel = nullptr;
  vcl::TLabel* lblVertControl = nullptr;
  vcl::TSpinEdit* edtVertControl = nullptr;
  vcl::TLabel* Label1 = nullptr;
  vcl::TCheckListBox* lstControls = nullptr;
  vcl::TCheckBox* chbSpecialCustomBtn = nullptr;
  vcl::TLabel* lblCustButtonList = nullptr;
  vcl::TMemo* mmoCustBtnControls = nullptr;
  vcl::TLabel* lblExclude = nullptr;
  vcl::TMemo* mmoExclude = nullptr;
  vcl::TButton* btnRefreshControls = nullptr;
  vcl::TButton* btnStore = nullptr;
  vcl::TButton* btnOK = nullptr;
  vcl::TButton* btnCancel = nullptr;
  vcl::TPanel* pnlAbout = nullptr;
  vcl::TSpeedButton* SpeedButton1 = nullptr;

  // The class name of the container being aligned.
  std::string ContainerType;
  // One entry per item of lstControls: the control as its object, its Name as text while
  // the item is checked, empty text while it is not.
  std::unique_ptr<vcl::TStringList> AlignList;
  // Carried from the settings to "&Save" unchanged; no control shows them.
  int CustomButtonWidth = 0;
  int CustomButtonOffset = 0;

  bool GetFit() const;
  void SetFit(bool value);
  int Getcolumns() const;
  void SetColumns(int value);
  int GetColumnXOffSet() const;
  void SetColumnXOffSet(int value);
  int GetColumnYOffSet() const;
  void SetColumnYOffSet(int value);
  int GetAfterLabelSpace() const;
  void SetAfterLabelSpace(int value);
  int GetInterControlSpace() const;
  void SetInterControlSpace(int value);
  int GetLabelOffset() const;
  void SetLabelOffset(int value);
  std::string GetExclude() const;
  void SetExclude(const std::string& value);
  std::string GetCustomBtnList() const;
  void SetBtnList(const std::string& value);
  bool GetAlignCustomBtn() const;
  void SetAlignCustomBtn(bool value);
  std::string GetAlignList() const;
  // Sets the caption to "Zol-t align " and the class name.
  void SetContainerType(const std::string& value);
  // Lists a control: checked unless the exclude list names its class.
  void AddControl(vcl::TControl* control);
  // edtColumns is enabled exactly while "Fixed nr of columns" is selected.
  void ToggleColumns();

  // Event handlers.
  void FormCreate(vcl::TObject* sender);
  void FormDestroy(vcl::TObject* sender);
  void radVerticalFitClick(vcl::TObject* sender);
  void radFixedColumnsClick(vcl::TObject* sender);
  void lstControlsClickCheck(vcl::TObject* sender);
  void btnRefreshControlsClick(vcl::TObject* sender);
  void btnStoreClick(vcl::TObject* sender);
  void SpeedButton1Click(vcl::TObject* sender);

private:
  // Whether a line of the exclude memo names `className`, ignoring case.
  bool IsExcluded(const std::string& className) const;
};

}  // namespace zolt
