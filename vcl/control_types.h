// Types shared by controls and forms: alignment, anchors, cursors, border styles, modal
// results, control styles, and the event types that controls publish.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vcl/classes.h"
#include "vcl/events.h"
#include "vcl/geometry.h"
#include "vcl/typinfo.h"

namespace vcl {

class TControl;
class TWinControl;

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = std::uint8_t;  // set of TAnchorKind
constexpr TAnchors AnchorOf(TAnchorKind k) { return static_cast<TAnchors>(1u << k); }
constexpr TAnchors DefaultAnchors = AnchorOf(akLeft) | AnchorOf(akTop);
// The anchors an alignment implies.
TAnchors AnchorAlign(TAlign align);

// TAlignment (classes.h) restricted to taLeftJustify and taRightJustify.
using TLeftRight = TAlignment;
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TDragKind { dkDrag, dkDock };
enum TDragMode { dmManual, dmAutomatic };
enum TImeMode {
  imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese, imSHanguel, imHanguel
};
// A form's border; a control's TBorderStyle uses the first two values only.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TTextLayout { tlTop, tlCenter, tlBottom };

using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crDrag = -12,
                  crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18,
                  crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22, crSize = crSizeAll;
bool CursorToIdent(int cursor, std::string& ident);
bool IdentToCursor(std::string_view ident, int& cursor);

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

// How a control behaves: a set of TControlStyleElement.
enum TControlStyleElement {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
  csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
  csDisplayDragImage, csReflector, csActionClient, csMenuEvents
};
using TControlStyle = std::uint32_t;
constexpr TControlStyle StyleOf(TControlStyleElement e) { return 1u << e; }

// Property types.
const TTypeInfo* TypeInfoAlign();
const TTypeInfo* TypeInfoAnchors();
const TTypeInfo* TypeInfoLeftRight();
const TTypeInfo* TypeInfoBiDiMode();
const TTypeInfo* TypeInfoDragKind();
const TTypeInfo* TypeInfoDragMode();
const TTypeInfo* TypeInfoImeMode();
const TTypeInfo* TypeInfoImeName();
const TTypeInfo* TypeInfoBorderStyle();
const TTypeInfo* TypeInfoFormBorderStyle();
const TTypeInfo* TypeInfoBevelCut();
const TTypeInfo* TypeInfoTextLayout();
const TTypeInfo* TypeInfoCursor();
const TTypeInfo* TypeInfoModalResult();
const TTypeInfo* TypeInfoTabOrder();
// An integer type of the given name (TBevelWidth, TBorderWidth, ...), made once per name.
const TTypeInfo* NamedIntegerType(std::string_view name);

// Event types.
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
// Sender, the dragged (or dropped-on) object, X, Y.
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
using TEndDragEvent = TDragDropEvent;
using TDockDropEvent = TDragDropEvent;
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
using TDockOverEvent = TDragOverEvent;
// Sender, the drag object the handler may provide.
using TStartDragEvent = TEvent<TObject*, TObject*&>;
using TStartDockEvent = TStartDragEvent;
using TUnDockEvent = TEvent<TObject*, TControl*, TWinControl*, bool&>;
using TGetSiteInfoEvent = TEvent<TObject*, TControl*, TRect&, TPoint, bool&>;
using TCanResizeEvent = TEvent<TObject*, int&, int&, bool&>;
using TConstrainedResizeEvent = TEvent<TObject*, int&, int&, int&, int&>;

}  // namespace vcl
