// Edits of a text form. New text is rendered in the file's flavour, then read back with the
// same parser, so an edited node is built exactly like one read from a file.
#include <fmt/format.h>

#include "vcl/streaming/dfm_text_internal.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {

namespace {

std::size_t first_break(std::string_view text) { return text.find_first_of("\r\n"); }

void check_index(std::size_t index, std::size_t count) {
  if (index >= count) throw EListError(fmt::format("List index out of bounds ({})", index));
}

// The leading text of whatever follows the property at `index`: the next property, the first
// child or the object's "end".
std::string_view& leading_after_property(Object& object, std::size_t index) {
  if (index + 1 < object.properties.size()) return object.properties[index + 1].leading;
  if (!object.children.empty()) return object.children.front().leading;
  return object.end_leading;
}

std::string_view& leading_after_child(Object& object, std::size_t index) {
  if (index + 1 < object.children.size()) return object.children[index + 1].leading;
  return object.end_leading;
}

}  // namespace

// Unhooks the lines of a node that starts with `leading` from the text that follows it. The
// blanks ending the line before the node stay; the node's own line goes with the node.
void Document::detach_lines(std::string_view leading, std::string_view& next_leading) {
  std::size_t node_break = first_break(leading);
  if (node_break == std::string_view::npos) return;  // the node shares the line before it
  std::size_t next_break = first_break(next_leading);
  if (next_break == std::string_view::npos) {  // what follows takes over the node's line
    next_leading = leading;
    return;
  }
  std::string_view kept = leading.substr(0, node_break);
  next_leading = next_leading.substr(next_break);
  if (!kept.empty()) next_leading = state_->store.keep(fmt::format("{}{}", kept, next_leading));
}

// A node inserted before `next_leading` ends its line; what follows starts a new one.
void Document::open_line(std::string_view& next_leading, std::uint32_t level) {
  if (first_break(next_leading) != std::string_view::npos) return;
  next_leading = state_->store.keep(
      fmt::format("{}{:{}}", newline_text(state_->flavour.newline), "", 2 * level));
}

void Document::set_value(Object& object, std::size_t index, const Datum& value) {
  check_index(index, object.properties.size());
  object.properties[index].value =
      state_->read_back(detail::render_assignment(value, state_->flavour, object.level + 1))
          .parse_assignment_fragment();
}

Property& Document::set_property(Object& object, std::string_view name, const Datum& value) {
  for (std::size_t i = 0; i < object.properties.size(); ++i) {
    if (SameText(object.properties[i].name, name)) {
      set_value(object, i, value);
      return object.properties[i];
    }
  }
  return insert_property(object, object.properties.size(), name, value);
}

Property& Document::insert_property(Object& object, std::size_t index, std::string_view name,
                                    const Datum& value) {
  check_index(index, object.properties.size() + 1);
  Property property =
      state_->read_back(detail::render_property(name, value, state_->flavour, object.level + 1))
          .parse_property_fragment();
  if (index < object.properties.size())
    open_line(object.properties[index].leading, object.level + 1);
  else if (!object.children.empty())
    open_line(object.children.front().leading, object.level + 1);
  else
    open_line(object.end_leading, object.level);
  auto at = object.properties.insert(object.properties.begin() + static_cast<std::ptrdiff_t>(index),
                                     std::move(property));
  return *at;
}

void Document::remove_property(Object& object, std::size_t index) {
  check_index(index, object.properties.size());
  detach_lines(object.properties[index].leading, leading_after_property(object, index));
  object.properties.erase(object.properties.begin() + static_cast<std::ptrdiff_t>(index));
}

Object& Document::insert_child(Object& parent, std::size_t index, std::string_view class_name,
                               std::string_view name, ObjectKind kind,
                               std::optional<std::int32_t> position) {
  check_index(index, parent.children.size() + 1);
  Object child = make_child(parent, class_name, name, kind, position);
  if (index < parent.children.size())
    open_line(parent.children[index].leading, parent.level + 1);
  else
    open_line(parent.end_leading, parent.level);
  auto at = parent.children.insert(parent.children.begin() + static_cast<std::ptrdiff_t>(index),
                                   std::move(child));
  return *at;
}

void Document::remove_child(Object& parent, std::size_t index) {
  check_index(index, parent.children.size());
  detach_lines(parent.children[index].leading, leading_after_child(parent, index));
  parent.children.erase(parent.children.begin() + static_cast<std::ptrdiff_t>(index));
}

Object Document::make_child(const Object& parent, std::string_view class_name, std::string_view name,
                            ObjectKind kind, std::optional<std::int32_t> position) {
  return state_
      ->read_back(detail::render_object(kind, name, class_name, position, state_->flavour, parent.level + 1))
      .parse_object_fragment(parent.level + 1);
}

void Document::insert_children(Object& parent, std::vector<std::pair<std::size_t, Object>> inserts) {
  if (inserts.empty()) return;
  std::size_t count = parent.children.size();
  for (std::size_t i = 0; i < inserts.size(); ++i)
    if (inserts[i].first > count || (i > 0 && inserts[i].first < inserts[i - 1].first))
      throw EListError(fmt::format("List index out of bounds ({})", inserts[i].first));
  std::pmr::vector<Object> merged(parent.children.get_allocator());
  merged.reserve(count + inserts.size());
  auto next = inserts.begin();
  for (std::size_t i = 0; i <= count; ++i) {
    if (next != inserts.end() && next->first == i) {
      // What follows the inserted objects starts a line of its own.
      open_line(i < count ? parent.children[i].leading : parent.end_leading, i < count ? parent.level + 1 : parent.level);
      for (; next != inserts.end() && next->first == i; ++next) merged.push_back(std::move(next->second));
    }
    if (i < count) merged.push_back(std::move(parent.children[i]));
  }
  parent.children = std::move(merged);
}

void Document::remove_children(Object& parent, const std::vector<std::size_t>& indexes) {
  if (indexes.empty()) return;
  for (std::size_t i = 0; i < indexes.size(); ++i)
    if (indexes[i] >= parent.children.size() || (i > 0 && indexes[i] <= indexes[i - 1]))
      throw EListError(fmt::format("List index out of bounds ({})", indexes[i]));
  // As removing them one after another: each removed child's lines leave with it, and the
  // child (or the end) after it takes over what must stay.
  auto next = indexes.begin();
  std::size_t kept = 0;
  for (std::size_t i = 0; i < parent.children.size(); ++i) {
    if (next != indexes.end() && *next == i) {
      ++next;
      detach_lines(parent.children[i].leading, leading_after_child(parent, i));
      continue;
    }
    if (kept != i) parent.children[kept] = std::move(parent.children[i]);
    ++kept;
  }
  parent.children.erase(parent.children.begin() + static_cast<std::ptrdiff_t>(kept), parent.children.end());
}

void Document::rename(Object& object, std::string_view name) {
  if (name.empty()) {
    object.name = object.colon = object.class_name.substr(0, 0);
    return;
  }
  detail::check_name(name, false);
  object.name = state_->store.keep(std::string(name));
  if (object.colon.empty()) object.colon = ": ";
}

void Document::set_class(Object& object, std::string_view class_name) {
  detail::check_name(class_name, true);
  object.class_name = state_->store.keep(std::string(class_name));
}

}  // namespace vcl::dfm
