// The data grid: the records of a data source in rows, their fields in columns.
#pragma once

#include <cstdint>
#include <memory>

#include "vcl/controls.h"
#include "vcl/db/db.h"
#include "vcl/db/dbgrid_columns.h"
#include "vcl/grids.h"

namespace vcl {

enum TDBGridOption {
  dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect,
  dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect
};
using TDBGridOptions = std::uint32_t;  // bit n for TDBGridOption n
constexpr TDBGridOptions DBGridOptionsOf(std::initializer_list<TDBGridOption> options) {
  TDBGridOptions bits = 0;
  for (TDBGridOption o : options) bits |= 1u << o;
  return bits;
}
constexpr TDBGridOptions DefaultDBGridOptions =
    DBGridOptionsOf({dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                     dgConfirmDelete, dgCancelOnExit});


// The column an event concerns.
using TDBGridClickEvent = TEvent<TColumn*>;
// Sender, from index, to index.
using TDrawDataCellEvent = TEvent<TObject*, TRect, TField*, TGridDrawState>;
// Sender, cell rectangle, data column, column, state.
using TDrawColumnCellEvent = TEvent<TObject*, TRect, int, TColumn*, TGridDrawState>;

// A grid on a data source, its columns described by Columns. Its title row has a font of
// its own, which follows the grid's font while that follows the parent's; changing the
// title font by itself ends that (ParentFont becomes False).
class TCustomDBGrid : public TCustomGrid {
  VCL_CLASS(TCustomDBGrid, TCustomGrid)
  explicit TCustomDBGrid(TComponent* owner);
  ~TCustomDBGrid() override;

  // Cleared when the data source is destroyed.
  TDataSource* DataSource() const { return dataSource_.get(); }
  void SetDataSource(TDataSource* value) { dataSource_.Set(value); }
  TDBGridColumns* Columns() const { return columns_.get(); }
  // The data grid's options, in place of the plain grid's.
  TDBGridOptions Options() const { return options_; }
  void SetOptions(TDBGridOptions value) { options_ = value; }
  bool HasDBOption(TDBGridOption option) const { return (options_ & (1u << option)) != 0; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  TFont* TitleFont() const { return titleFont_.get(); }

  TDBGridClickEvent OnCellClick;
  TNotifyEvent OnColEnter;
  TNotifyEvent OnColExit;
  TMovedEvent OnColumnMoved;
  TDrawDataCellEvent OnDrawDataCell;
  TDrawColumnCellEvent OnDrawColumnCell;
  TNotifyEvent OnEditButtonClick;
  TDBGridClickEvent OnTitleClick;

protected:
  void FontChanged() override;

private:
  TComponentRef<TDataSource> dataSource_{this};
  std::unique_ptr<TDBGridColumns> columns_;
  TDBGridOptions options_ = DefaultDBGridOptions;
  bool readOnly_ = false;
  std::unique_ptr<TFont> titleFont_;
  bool followingFont_ = false;  // the title font is taking the grid's font
};

class TDBGrid : public TCustomDBGrid {
  VCL_CLASS(TDBGrid, TCustomDBGrid)
  using TCustomDBGrid::TCustomDBGrid;
};

}  // namespace vcl
