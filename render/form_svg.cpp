#include "render/form_svg.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "render/svg_painters.h"
#include "vcl/forms.h"
#include "vcl/streaming/form_file.h"
#include "vcl/text_metrics.h"

namespace vcl {

using namespace svg;

namespace {

constexpr int kIconMargin = 8;
constexpr TPoint kSmallestModuleWindow{200, 150};

std::optional<std::int64_t> IntegerValue(const TFormFile& file, const dfm::Object& node, std::string_view name) {
  const dfm::Property* property = node.find_property(name);
  if (!property || property->value.kind != dfm::ValueKind::Integer) return std::nullopt;
  return file.Syntax().as_integer(property->value);
}

// Where the form file places a non-visual component: Left/Top, stored as unsigned 16-bit
// numbers (65533 stands for -3).
std::optional<TPoint> DesignPosition(const TSvgOptions& options, const TComponent* component) {
  if (!options.FormFile) return std::nullopt;
  const dfm::Object* node = options.FormFile->Node(component);
  if (!node) return std::nullopt;
  auto left = IntegerValue(*options.FormFile, *node, "Left"), top = IntegerValue(*options.FormFile, *node, "Top");
  if (!left || !top) return std::nullopt;
  return Point(static_cast<std::int16_t>(*left & 0xFFFF), static_cast<std::int16_t>(*top & 0xFFFF));
}

// Whether the form file keeps the component inside another one (as menus keep their items,
// whatever their classes); without a file, what the component says of itself.
bool KeptInside(const TSvgOptions& options, const TComponent* component, const TComponent* root) {
  const dfm::Object* node = options.FormFile ? options.FormFile->Node(component) : nullptr;
  const dfm::Object* rootNode = options.FormFile ? options.FormFile->Node(root) : nullptr;
  if (!node || !rootNode) return component->HasParent();
  return std::none_of(rootNode->children.begin(), rootNode->children.end(),
                      [&](const dfm::Object& child) { return &child == node; });
}

// A control of a class the library does not model, without a size: most likely a
// non-visual component that holds others (a third-party menu with its items).
bool SizelessStandIn(TComponent* component) {
  auto* control = Cast<TControl>(component);
  return control && control->Width() == 0 && control->Height() == 0 &&
         GetClass(component->ClassName()) != component->ClassType();
}

// The components the designer shows as icons: those of the root that are not controls
// and are not kept inside another component (menu items, actions, fields).
std::vector<TComponent*> NonVisualComponents(TComponent* root, const TSvgOptions& options) {
  std::vector<TComponent*> found;
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* component = root->Components(i);
    bool nonVisual = !Cast<TControl>(component) || SizelessStandIn(component);
    if (nonVisual && !KeptInside(options, component, root)) found.push_back(component);
  }
  return found;
}

// Each non-visual component's icon position in client coordinates: where the form file
// puts it, or else in a row along the top.
std::vector<std::pair<TComponent*, TPoint>> PlaceIcons(TComponent* root, const TSvgOptions& options) {
  std::vector<std::pair<TComponent*, TPoint>> placed;
  int next = kIconMargin;
  TFont font;
  for (TComponent* component : NonVisualComponents(root, options)) {
    std::optional<TPoint> at = DesignPosition(options, component);
    if (!at) {
      at = Point(next, kIconMargin);
      next += std::max(kIconSize, MeasureTextWidth(font, component->Name())) + kIconMargin;
    }
    placed.emplace_back(component, *at);
  }
  return placed;
}

class TFormPicture {
public:
  explicit TFormPicture(const TSvgOptions& options) : ctx_{svg_, options.Grid} {}

  TWriter& Svg() { return svg_; }

  // The control at `at` (absolute) and, clipped to its client area, its children.
  void Control(TControl* control, TPoint at) {
    TRect bounds = Bounds(at.X, at.Y, control->Width(), control->Height());
    svg_.OpenViewport(bounds, fmt::format("data-name=\"{}\" data-class=\"{}\"", Escape(control->Name()),
                                          Escape(control->ClassName())));
    FindPainter(control->ClassType())(ctx_, control, bounds);
    auto* windowed = Cast<TWinControl>(control);
    if (windowed && windowed->ControlCount() > 0) {
      TRect client = ClientBounds(windowed, bounds);
      svg_.OpenViewport(client);
      for (int i = 0; i < windowed->ControlCount(); ++i) {
        TControl* child = windowed->Controls(i);
        if (ShownInDesigner(child) && !SizelessStandIn(child))
          Control(child, Point(client.Left + child->Left(), client.Top + child->Top()));
      }
      svg_.CloseViewport();
    }
    svg_.CloseViewport();
  }

  // The icons of the root's non-visual components, clipped to the client area.
  void Icons(const std::vector<std::pair<TComponent*, TPoint>>& icons, const TRect& client) {
    if (icons.empty()) return;
    svg_.OpenViewport(client);
    for (const auto& [component, at] : icons) {
      svg_.OpenGroup(fmt::format("data-name=\"{}\" data-class=\"{}\"", Escape(component->Name()),
                                 Escape(component->ClassName())));
      ComponentIcon(svg_, component, Point(client.Left + at.X, client.Top + at.Y));
      svg_.CloseGroup();
    }
    svg_.CloseViewport();
  }

private:
  TWriter svg_;
  TPaintContext ctx_;
};

// Where `control` lies in the picture of the root it belongs to.
TPoint PositionOnRoot(TControl* control, TComponent* root) {
  TPoint at;
  for (TControl* c = control; c != root; c = c->Parent()) {
    TWinControl* parent = c->Parent();
    if (!parent)
      throw EInvalidOperation(fmt::format("Control {} is not on {}", control->Name(), root->Name()));
    TPoint origin = ClientOrigin(parent);
    at = Point(at.X + c->Left() + origin.X, at.Y + c->Top() + origin.Y);
  }
  return at;
}

// A data module's designer window: the size the form file gives it, or enough to show
// its icons.
TPoint ModuleWindowSize(TComponent* root, const TSvgOptions& options,
                        const std::vector<std::pair<TComponent*, TPoint>>& icons) {
  if (options.FormFile)
    if (const dfm::Object* node = options.FormFile->Node(root)) {
      auto width = IntegerValue(*options.FormFile, *node, "Width");
      auto height = IntegerValue(*options.FormFile, *node, "Height");
      if (width && height && *width > 0 && *height > 0)
        return Point(static_cast<int>(std::min<std::int64_t>(*width, 0x7FFF)),
                     static_cast<int>(std::min<std::int64_t>(*height, 0x7FFF)));
    }
  TPoint size = kSmallestModuleWindow;
  for (const auto& [component, at] : icons) {
    size.X = std::max(size.X, at.X + kIconSize + 2 * kIconMargin);
    size.Y = std::max(size.Y, at.Y + kIconSize + 6 * kIconMargin);
  }
  return size;
}

}  // namespace

std::string RenderSvg(TComponent* root, TControl* only, const TSvgOptions& options) {
  if (!root) throw EInvalidOperation("There is no form to draw");
  TFormPicture picture(options);
  auto* rootControl = Cast<TControl>(root);
  if (only && only != root) {
    TPoint at = PositionOnRoot(only, root);
    picture.Control(only, at);
    return picture.Svg().Document(Point(only->Width(), only->Height()), Bounds(at.X, at.Y, only->Width(), only->Height()));
  }
  auto icons = PlaceIcons(root, options);
  if (rootControl) {
    TRect bounds = Bounds(0, 0, rootControl->Width(), rootControl->Height());
    picture.Control(rootControl, Point(0, 0));
    picture.Icons(icons, ClientBounds(rootControl, bounds));
    return picture.Svg().Document(Point(bounds.Width(), bounds.Height()), bounds);
  }
  // A data module is designed in a plain window of its own.
  TPoint size = ModuleWindowSize(root, options, icons);
  TForm window(nullptr);
  window.SetBounds(0, 0, size.X, size.Y);
  window.SetCaption(root->Name());
  window.SetColor(clWindow);
  TRect bounds = Bounds(0, 0, size.X, size.Y);
  TWriter& svg = picture.Svg();
  svg.OpenViewport(bounds, fmt::format("data-name=\"{}\" data-class=\"{}\"", Escape(root->Name()),
                                       Escape(root->ClassName())));
  PaintForm(TPaintContext{svg, false}, &window, bounds);
  svg.CloseViewport();
  picture.Icons(icons, ClientBounds(&window, bounds));
  return svg.Document(size, bounds);
}

}  // namespace vcl
