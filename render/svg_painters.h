// Painters that draw one control each into an SVG picture, as the host draws it in the
// form designer (the classic Windows look), and the pieces they share.
//
// A painter draws the control itself at its absolute bounds; the caller draws the children
// afterwards, clipped to the control's client area. The painter of a class is that of the
// class or of its nearest ancestor that has one, so descendants the painters do not name
// (data-aware edits, a library's own panels) look like what they derive from.
#pragma once

#include <string_view>

#include "render/svg_writer.h"
#include "vcl/buttons.h"
#include "vcl/comctrls_bars.h"
#include "vcl/controls.h"

namespace vcl {
class TCustomComboBox;
class TCustomImageList;
}  // namespace vcl

namespace vcl::svg {

struct TPaintContext {
  TWriter& svg;
  bool grid;  // the designer's dot grid on containers
};

using TPainter = void (*)(const TPaintContext& ctx, TControl* control, const TRect& bounds);

// The painter for controls of `cls`.
TPainter FindPainter(TClass cls);

// Where a windowed control's client area starts, from its top-left corner.
TPoint ClientOrigin(const TWinControl* control);
// The client area of a control drawn at `bounds`.
TRect ClientBounds(const TControl* control, const TRect& bounds);
// Whether the designer shows the control (hidden controls show while designing; pages
// other than the active one never do).
bool ShownInDesigner(const TControl* control);

// ---- Shared pieces.
enum class TBorder { None, Single, Sunken };
// A window border outside the client area: 1-pixel black, or the sunken 3D edge.
void DrawBorder(TWriter& svg, const TRect& bounds, TBorder border);
// The two rings of a raised button edge, or of a sunken field.
void RaisedEdge(TWriter& svg, const TRect& r);
void SunkenEdge(TWriter& svg, const TRect& r);
TRect Inflate(const TRect& r, int by);
// A push-button face: raised, or pushed in.
void ButtonFace(TWriter& svg, const TRect& r, bool down);
enum class TArrow { Up, Down, Left, Right };
// A solid triangle pointing `direction`, centred in `r`.
void Arrow(TWriter& svg, const TRect& r, TArrow direction, TColor color);
// Two arrow buttons splitting `r`: up above down, or left beside right.
void ArrowButtons(TWriter& svg, const TRect& r, bool vertical, bool enabled);
// A scroll bar filling `r`: arrow buttons at both ends and the checkered track.
void ScrollBar(TWriter& svg, const TRect& r, bool vertical);
// A caption in the control's state: normal, or engraved when disabled.
void StateCaption(TWriter& svg, int x, int y, std::string_view caption, const TFont& font, TColor color, bool enabled,
                  bool showAccel = true);
// A check box square (13 x 13) at (x, y); `flat` draws the single-line look of lists.
void CheckGlyph(TWriter& svg, int x, int y, TCheckBoxState state, bool enabled, bool flat = false);
// A radio button circle (12 x 12) at (x, y).
void RadioGlyph(TWriter& svg, int x, int y, bool checked, bool enabled);
// A glyph and a caption laid out on a button face as the host's bitmap buttons do
// (glyph beside, above or below the text; centred, or `margin` pixels from the edge).
struct TButtonContent {
  const TBitmap* glyph = nullptr;  // may be empty
  int numGlyphs = 1;
  TBitBtnKind kind = bkCustom;  // drawn when the glyph is empty
  TButtonLayout layout = blGlyphLeft;
  int margin = -1;
  int spacing = 4;
};
void ButtonContent(TWriter& svg, const TRect& face, TControl* button, const TButtonContent& content, bool down);

// Image `index` of `images` with its top-left corner at (x, y), when the list holds it.
void ListImage(TWriter& svg, const TCustomImageList* images, int index, int x, int y);
// The edges of a tool bar or cool bar: on the sides `borders` names (bits of TEdgeBorder),
// the outer style's line, then the inner style's.
void ToolWindowEdges(TWriter& svg, const TRect& bounds, NativeInt borders, TEdgeStyle inner, TEdgeStyle outer);
// A combo box: closed, or (csSimple) with its list open below the edit part. The edit part
// shows image `imageIndex` of `images` before the text when the list holds it.
void DrawComboBox(const TPaintContext& ctx, TCustomComboBox* combo, const TRect& bounds,
                  const TCustomImageList* images = nullptr, int imageIndex = -1);

// The designer's icon of a non-visual component, its top-left corner at `at`, with the
// component's name beneath.
constexpr int kIconSize = 28;
void ComponentIcon(TWriter& svg, TComponent* component, TPoint at);

// Painters each file contributes.
void PaintLabel(const TPaintContext&, TControl*, const TRect&);
void PaintStaticText(const TPaintContext&, TControl*, const TRect&);
void PaintEdit(const TPaintContext&, TControl*, const TRect&);
void PaintMemo(const TPaintContext&, TControl*, const TRect&);
void PaintComboBox(const TPaintContext&, TControl*, const TRect&);
void PaintListBox(const TPaintContext&, TControl*, const TRect&);
void PaintSpinButton(const TPaintContext&, TControl*, const TRect&);
void PaintButton(const TPaintContext&, TControl*, const TRect&);
void PaintBitBtn(const TPaintContext&, TControl*, const TRect&);
void PaintSpeedButton(const TPaintContext&, TControl*, const TRect&);
void PaintCheckBox(const TPaintContext&, TControl*, const TRect&);
void PaintRadioButton(const TPaintContext&, TControl*, const TRect&);
void PaintForm(const TPaintContext&, TControl*, const TRect&);
void PaintPanel(const TPaintContext&, TControl*, const TRect&);
void PaintGroupBox(const TPaintContext&, TControl*, const TRect&);
void PaintScrollBox(const TPaintContext&, TControl*, const TRect&);
void PaintFrame(const TPaintContext&, TControl*, const TRect&);
void PaintTabControl(const TPaintContext&, TControl*, const TRect&);
void PaintTabSheet(const TPaintContext&, TControl*, const TRect&);
void PaintDBNavigator(const TPaintContext&, TControl*, const TRect&);
void PaintLookupComboBox(const TPaintContext&, TControl*, const TRect&);
void PaintLookupListBox(const TPaintContext&, TControl*, const TRect&);
void PaintDBImage(const TPaintContext&, TControl*, const TRect&);
void PaintGrid(const TPaintContext&, TControl*, const TRect&);
void PaintDBGrid(const TPaintContext&, TControl*, const TRect&);
void PaintScrollBarControl(const TPaintContext&, TControl*, const TRect&);
void PaintTabSet(const TPaintContext&, TControl*, const TRect&);
void PaintNotebook(const TPaintContext&, TControl*, const TRect&);
// A page of a notebook or of a tabbed notebook.
void PaintNotebookPage(const TPaintContext&, TControl*, const TRect&);
void PaintStatusBar(const TPaintContext&, TControl*, const TRect&);
void PaintHeaderControl(const TPaintContext&, TControl*, const TRect&);
void PaintCoolBar(const TPaintContext&, TControl*, const TRect&);
void PaintToolBar(const TPaintContext&, TControl*, const TRect&);
void PaintToolButton(const TPaintContext&, TControl*, const TRect&);
void PaintTrackBar(const TPaintContext&, TControl*, const TRect&);
void PaintProgressBar(const TPaintContext&, TControl*, const TRect&);
void PaintUpDown(const TPaintContext&, TControl*, const TRect&);
void PaintTreeView(const TPaintContext&, TControl*, const TRect&);
void PaintListView(const TPaintContext&, TControl*, const TRect&);
void PaintComboBoxEx(const TPaintContext&, TControl*, const TRect&);
void PaintPageScroller(const TPaintContext&, TControl*, const TRect&);
void PaintDateTimePicker(const TPaintContext&, TControl*, const TRect&);
void PaintMonthCalendar(const TPaintContext&, TControl*, const TRect&);
void PaintHotKey(const TPaintContext&, TControl*, const TRect&);
void PaintAnimate(const TPaintContext&, TControl*, const TRect&);
// Controls that draw on their own canvas: what they record, replayed; a control that
// draws nothing shows as a dashed outline with its class name.
void PaintRecorded(const TPaintContext&, TControl*, const TRect&);
// What `canvas` recorded, drawn with its origin at `at`.
void ReplayCanvas(TWriter& svg, const TCanvas& canvas, TPoint at);
void PaintPlaceholder(const TPaintContext&, TControl*, const TRect&);

}  // namespace vcl::svg
