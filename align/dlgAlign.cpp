#include "align/dlgAlign.h"

#include "align/ZoltAlign.h"
#include "package/ZoltAbout.h"
#include "vcl/class_builder.h"
#include "vcl/streaming/layout.h"

namespace zolt {

using namespace vcl;

TClass TdlgAlign::ClassInfo() {
  using D = TdlgAlign;
  static TClass cls = TClassBuilder<D>("TdlgAlign", TForm::ClassInfo())
                          .Field("PageControl1", &D::PageControl1)
                          .Field("TabSheet1", &D::TabSheet1)
                          .Field("TabSheet2", &D::TabSheet2)
                          .Field("radVerticalFit", &D::radVerticalFit)
                          .Field("radFixedColumns", &D::radFixedColumns)
                          .Field("edtColumns", &D::edtColumns)
                          .Field("lblHorCol", &D::lblHorCol)
                          .Field("edtHorColumn", &D::edtHorColumn)
                          .Field("lblVertCol", &D::lblVertCol)
                          .Field("edtVertColumn", &D::edtVertColumn)
                          .Field("lblHorLabel", &D::lblHorLabel)
                          .Field("edtHorLabel", &D::edtHorLabel)
                          .Field("lblVerLabel", &D::lblVerLabel)
                          .Field("edtVertLabel", &D::edtVertLabel)
                          .Field("lblVertControl", &D::lblVertControl)
                          .Field("edtVertControl", &D::edtVertControl)
                          .Field("Label1", &D::Label1)
                          .Field("lstControls", &D::lstControls)
                          .Field("chbSpecialCustomBtn", &D::chbSpecialCustomBtn)
                          .Field("lblCustButtonList", &D::lblCustButtonList)
                          .Field("mmoCustBtnControls", &D::mmoCustBtnControls)
                          .Field("lblExclude", &D::lblExclude)
                          .Field("mmoExclude", &D::mmoExclude)
                          .Field("btnRefreshControls", &D::btnRefreshControls)
                          .Field("btnStore", &D::btnStore)
                          .Field("btnOK", &D::btnOK)
                          .Field("btnCancel", &D::btnCancel)
                          .Field("pnlAbout", &D::pnlAbout)
                          .Field("SpeedButton1", &D::SpeedButton1)
                          .Method("FormCreate", &D::FormCreate)
                          .Method("FormDestroy", &D::FormDestroy)
                          .Method("radVerticalFitClick", &D::radVerticalFitClick)
                          .Method("radFixedColumnsClick", &D::radFixedColumnsClick)
                          .Method("lstControlsClickCheck", &D::lstControlsClickCheck)
                          .Method("btnRefreshControlsClick", &D::btnRefreshControlsClick)
                          .Method("btnStoreClick", &D::btnStoreClick)
                          .Method("SpeedButton1Click", &D::SpeedButton1Click)
                          .Build();
  return cls;
}

TdlgAlign::TdlgAlign(TComponent* owner) : TForm(owner) { InitDialog(this, "dlgAlign.dfm"); }

bool TdlgAlign::GetFit() const { return radVerticalFit->Checked(); }

void TdlgAlign::SetFit(bool value) {
  // Checking a radio button unchecks its sibling and runs its click handler, which
  // toggles the column count.
  if (value)
    radVerticalFit->SetChecked(true);
  else
    radFixedColumns->SetChecked(true);
}

int TdlgAlign::Getcolumns() const { return edtColumns->Value(); }
void TdlgAlign::SetColumns(int value) { edtColumns->SetValue(value); }
int TdlgAlign::GetColumnXOffSet() const { return edtHorColumn->Value(); }
void TdlgAlign::SetColumnXOffSet(int value) { edtHorColumn->SetValue(value); }
int TdlgAlign::GetColumnYOffSet() const { return edtVertColumn->Value(); }
void TdlgAlign::SetColumnYOffSet(int value) { edtVertColumn->SetValue(value); }
int TdlgAlign::GetAfterLabelSpace() const { return edtHorLabel->Value(); }
void TdlgAlign::SetAfterLabelSpace(int value) { edtHorLabel->SetValue(value); }
int TdlgAlign::GetInterControlSpace() const { return edtVertControl->Value(); }
void TdlgAlign::SetInterControlSpace(int value) { edtVertControl->SetValue(value); }
int TdlgAlign::GetLabelOffset() const { return edtVertLabel->Value(); }
void TdlgAlign::SetLabelOffset(int value) { edtVertLabel->SetValue(value); }
std::string TdlgAlign::GetExclude() const { return mmoExclude->Lines()->CommaText(); }
void TdlgAlign::SetExclude(const std::string& value) { mmoExclude->Lines()->SetCommaText(value); }
std::string TdlgAlign::GetCustomBtnList() const { return mmoCustBtnControls->Lines()->CommaText(); }
void TdlgAlign::SetBtnList(const std::string& value) { mmoCustBtnControls->Lines()->SetCommaText(value); }
bool TdlgAlign::GetAlignCustomBtn() const { return chbSpecialCustomBtn->Checked(); }
void TdlgAlign::SetAlignCustomBtn(bool value) { chbSpecialCustomBtn->SetChecked(value); }
std::string TdlgAlign::GetAlignList() const { return AlignList->CommaText(); }

void TdlgAlign::SetContainerType(const std::string& value) {
  SetCaption("Zol-t align " + value);
  ContainerType = value;
}

bool TdlgAlign::IsExcluded(const std::string& className) const {
  return mmoExclude->Lines()->IndexOf(className) >= 0;
}

void TdlgAlign::AddControl(TControl* control) {
  int index = lstControls->Items()->Add(control->Name() + " (" + control->ClassName() + ")");
  bool included = !IsExcluded(control->ClassName());
  lstControls->SetChecked(index, included);
  AlignList->AddObject(included ? control->Name() : "", control);
}

void TdlgAlign::ToggleColumns() { edtColumns->SetEnabled(radFixedColumns->Checked()); }

void TdlgAlign::FormCreate(TObject*) {
  AlignList = std::make_unique<TStringList>();
  ToggleColumns();
}

void TdlgAlign::FormDestroy(TObject*) { AlignList.reset(); }

void TdlgAlign::radVerticalFitClick(TObject*) { ToggleColumns(); }
void TdlgAlign::radFixedColumnsClick(TObject*) { ToggleColumns(); }

void TdlgAlign::lstControlsClickCheck(TObject*) {
  int index = lstControls->ItemIndex();
  auto* control = static_cast<TControl*>(AlignList->Objects(index));
  AlignList->Put(index, lstControls->Checked(index) ? control->Name() : "");
}

void TdlgAlign::btnRefreshControlsClick(TObject*) {
  for (int i = 0; i < AlignList->Count(); ++i) {
    auto* control = static_cast<TControl*>(AlignList->Objects(i));
    bool included = !IsExcluded(control->ClassName());
    lstControls->SetChecked(i, included);
    AlignList->Put(i, included ? control->Name() : "");
  }
}

void TdlgAlign::btnStoreClick(TObject*) {
  WriteAlignToRegistry(ContainerType, GetFit(), Getcolumns(), GetColumnXOffSet(), GetColumnYOffSet(),
                       GetAfterLabelSpace(), GetInterControlSpace(), GetLabelOffset(), CustomButtonWidth,
                       CustomButtonOffset, GetExclude(), GetCustomBtnList(), GetAlignCustomBtn());
}

void TdlgAlign::SpeedButton1Click(TObject*) { ShowZoltAbout(this); }

}  // namespace zolt
