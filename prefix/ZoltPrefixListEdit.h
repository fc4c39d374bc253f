// The prefix list editor: every stored prefix as a "class=prefix" line of a sorted list, with
// buttons to change or delete the selected entry, to replace the whole store by a prefix-list
// file and to save the list to one. Every change goes to the store at once.
#pragma once

#include "vcl/buttons.h"
#include "vcl/dialogs.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"

namespace zolt {

class TdlgPrefixListEdit : public vcl::TForm {
  VCL_CLASS(TdlgPrefixListEdit, vcl::TForm)
  explicit TdlgPrefixListEdit(vcl::TComponent* owner);

  // The published components of the layout.
  vcl::TListBox* lbxPrefix = nullptr;
  vcl::TButton* btnChange = nullptr;
  vcl::TEdit* edtPrefix = nullptr;
  vcl::TButton* btnDelete = nullptr;
  vcl::TButton* btnOK = nullptr;
  vcl::TButton* btnLoad = nullptr;
  vcl::TButton* btnSave = nullptr;
  vcl::TOpenDialog* dlgLoad = nullptr;
  vcl::TSaveDialog* dlgSave = nullptr;
  vcl::TPanel* pnlAbout = nullptr;
  vcl::TSpeedButton* SpeedButton1 = nullptr;

  // "&Change" and "&Delete" are enabled exactly while a line is selected.
  void ToggleButtons();

  // Event handlers.
  void FormCreate(vcl::TObject* sender);
  void lbxPrefixClick(vcl::TObject* sender);
  void btnChangeClick(vcl::TObject* sender);
  void lbxPrefixKeyDown(vcl::TObject* sender, vcl::Word& key, vcl::TShiftState shift);
  void btnDeleteClick(vcl::TObject* sender);
  void btnLoadClick(vcl::TObject* sender);
  void btnSaveClick(vcl::TObject* sender);
  void SpeedButton1Click(vcl::TObject* sender);

private:
  // The class name of the selected line (the text before its first "=").
  std::string SelectedClass() const;
};

}  // namespace zolt
