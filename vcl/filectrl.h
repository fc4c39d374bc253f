// The file controls: a drive combo box, a directory list box, a file list box and a filter
// combo box, linked so that each narrows the next. Designing shows them empty: what they
// would list depends on the machine the form runs on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vcl/stdctrls.h"

namespace vcl {

enum TFileAttr { ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal };
using TFileType = std::uint32_t;  // bit n for TFileAttr n
enum TTextCase { tcLowerCase, tcUpperCase };

class TDirectoryListBox;
class TFileListBox;

// The files of a directory that match Mask (patterns separated by ';').
class TFileListBox : public TCustomListBox {
  VCL_CLASS(TFileListBox, TCustomListBox)
  explicit TFileListBox(TComponent* owner);

  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& value) { mask_ = value; }
  TFileType FileType() const { return fileType_; }
  void SetFileType(TFileType value) { fileType_ = value; }
  bool ShowGlyphs() const { return showGlyphs_; }
  void SetShowGlyphs(bool value) { showGlyphs_ = value; }
  TEdit* FileEdit() const { return fileEdit_.get(); }
  void SetFileEdit(TEdit* value) { fileEdit_.Set(value); }

  TNotifyEvent OnChange;

private:
  std::string mask_ = "*.*";
  TFileType fileType_ = 1u << ftNormal;
  bool showGlyphs_ = false;
  TComponentRef<TEdit> fileEdit_{this};
};

// The folders from the root down to the current directory, and those inside it.
class TDirectoryListBox : public TCustomListBox {
  VCL_CLASS(TDirectoryListBox, TCustomListBox)
  explicit TDirectoryListBox(TComponent* owner);

  TFileListBox* FileList() const { return fileList_.get(); }
  void SetFileList(TFileListBox* value) { fileList_.Set(value); }
  TLabel* DirLabel() const { return dirLabel_.get(); }
  void SetDirLabel(TLabel* value) { dirLabel_.Set(value); }

  TNotifyEvent OnChange;

private:
  TComponentRef<TFileListBox> fileList_{this};
  TComponentRef<TLabel> dirLabel_{this};
};

// The drives, the current one shown.
class TDriveComboBox : public TCustomComboBox {
  VCL_CLASS(TDriveComboBox, TCustomComboBox)
  explicit TDriveComboBox(TComponent* owner);

  TDirectoryListBox* DirList() const { return dirList_.get(); }
  void SetDirList(TDirectoryListBox* value) { dirList_.Set(value); }
  TTextCase TextCase() const { return textCase_; }
  void SetTextCase(TTextCase value) { textCase_ = value; }

private:
  TComponentRef<TDirectoryListBox> dirList_{this};
  TTextCase textCase_ = tcLowerCase;
};

// The descriptions of a filter ("Text files (*.txt)|*.txt|..."), the first one shown.
class TFilterComboBox : public TCustomComboBox {
  VCL_CLASS(TFilterComboBox, TCustomComboBox)
  explicit TFilterComboBox(TComponent* owner);

  const std::string& Filter() const { return filter_; }
  // A description without its mask stands for all files.
  void SetFilter(const std::string& value);
  // The mask of the selected description.
  std::string Mask() const;
  TFileListBox* FileList() const { return fileList_.get(); }
  void SetFileList(TFileListBox* value) { fileList_.Set(value); }

private:
  std::string filter_;
  std::vector<std::string> masks_;
  TComponentRef<TFileListBox> fileList_{this};
};

}  // namespace vcl
