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

// The leading text of whatever follows a node: the next property, the next child or the
// object's "end".
struct Next {
  Property* property = nullptr;
  Object* object = nullptr;  // its leading text
  Object* end = nullptr;     // the blanks before its "end"

  std::string_view text() const {
    return property ? property->leading() : object ? object->leading() : end->end_leading();
  }
  void set(std::string_view text, TextStore& store, std::pmr::memory_resource& arena) const {
    if (property)
      detail::Access::set_leading(*property, text, arena);
    else if (object)
      detail::Access::set_leading(*object, text, store);
    else
      detail::Access::set_end_leading(*end, text, store);
  }
};

Next after_property(Object& object, std::size_t index) {
  if (index + 1 < object.properties.size()) return {&object.properties[index + 1]};
  if (!object.children.empty()) return {nullptr, &object.children.front()};
  return {nullptr, nullptr, &object};
}

Next after_child(Object& object, std::size_t index) {
  if (index + 1 < object.children.size()) return {nullptr, &object.children[index + 1]};
  return {nullptr, nullptr, &object};
}

// Unhooks the lines of a node that starts with `leading` from the text that follows it. The
// blanks ending the line before the node stay; the node's own line goes with the node.
void detach_lines(TextStore& store, std::pmr::memory_resource& arena, std::string_view leading,
                  const Next& next) {
  std::size_t node_break = first_break(leading);
  if (node_break == std::string_view::npos) return;  // the node shares the line before it
  std::string_view next_leading = next.text();
  std::size_t next_break = first_break(next_leading);
  if (next_break == std::string_view::npos) {  // what follows takes over the node's line
    next.set(leading, store, arena);
    return;
  }
  std::string_view kept = leading.substr(0, node_break);
  next_leading = next_leading.substr(next_break);
  if (!kept.empty()) next_leading = store.keep(fmt::format("{}{}", kept, next_leading));
  next.set(next_leading, store, arena);
}

// A node inserted before `next` ends its line; what follows starts a new one.
void open_line(TextStore& store, std::pmr::memory_resource& arena, Newline newline, const Next& next,
               std::uint32_t level) {
  if (first_break(next.text()) != std::string_view::npos) return;
  next.set(store.keep(fmt::format("{}{:{}}", newline_text(newline), "", 2 * level)), store, arena);
}

}  // namespace

namespace detail {

void Access::set_leading(Property& property, std::string_view leading, std::pmr::memory_resource& arena) {
  const Value& value = property.value;
  set_pieces(property.value, leading, property.name(), value.prefix(), value.text(), value.contents(), arena);
}

void Access::set_leading(Object& object, std::string_view leading, TextStore& store) {
  if (leading.data() + leading.size() == object.header_start())
    object.start_ = leading.data();
  else
    object.start_ = store.keep(fmt::format("{}{}", leading, object.header())).data();
}

void Access::set_end_leading(Object& object, std::string_view leading, TextStore& store) {
  if (leading.data() + leading.size() == object.end_keyword().data())
    object.end_ = leading.data();
  else
    object.end_ = store.keep(fmt::format("{}{}", leading, object.end_keyword())).data();
}

void Access::set_header(Object& object, std::string_view name, std::string_view colon,
                        std::string_view class_name, TextStore& store) {
  const std::string_view leading = object.leading();
  const std::string header = fmt::format("{}{}{}{}{}{}", object.keyword(), object.gap(), name, colon,
                                         class_name, object.position_text());
  object.start_ = store.keep(fmt::format("{}{}", leading, header)).data();
  set_header_sizes(object, header.size(), name.size(), colon.size(), class_name.size());
}

}  // namespace detail

using detail::Access;

void Document::set_value(Object& object, std::size_t index, const Datum& value) {
  check_index(index, object.properties.size());
  state_->edited = true;
  // The property is rendered whole, with its leading text and name as they were.
  Property& property = object.properties[index];
  property = state_
                 ->read_back(fmt::format("{}{}{}", property.leading(), state_->store.spelling(property.name()),
                                         detail::render_assignment(value, state_->flavour, object.level + 1)))
                 .parse_property_fragment();
}

Property& Document::set_property(Object& object, std::string_view name, const Datum& value) {
  for (std::size_t i = 0; i < object.properties.size(); ++i) {
    if (SameText(object.properties[i].name(), name)) {
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
  State& state = *state_;
  state.edited = true;
  if (index < object.properties.size())
    open_line(state.store, state.arena, state.flavour.newline, {&object.properties[index]}, object.level + 1);
  else if (!object.children.empty())
    open_line(state.store, state.arena, state.flavour.newline, {nullptr, &object.children.front()}, object.level + 1);
  else
    open_line(state.store, state.arena, state.flavour.newline, {nullptr, nullptr, &object}, object.level);
  return Access::insert(object.properties, index, property, state.arena);
}

void Document::remove_property(Object& object, std::size_t index) {
  check_index(index, object.properties.size());
  state_->edited = true;
  detach_lines(state_->store, state_->arena, object.properties[index].leading(), after_property(object, index));
  Access::erase(object.properties, index);
}

Object& Document::insert_child(Object& parent, std::size_t index, std::string_view class_name,
                               std::string_view name, ObjectKind kind,
                               std::optional<std::int32_t> position) {
  check_index(index, parent.children.size() + 1);
  Object child = make_child(parent, class_name, name, kind, position);
  State& state = *state_;
  state.edited = true;
  if (index < parent.children.size())
    open_line(state.store, state.arena, state.flavour.newline, {nullptr, &parent.children[index]}, parent.level + 1);
  else
    open_line(state.store, state.arena, state.flavour.newline, {nullptr, nullptr, &parent}, parent.level);
  return Access::insert(parent.children, index, child, state.arena);
}

void Document::remove_child(Object& parent, std::size_t index) {
  check_index(index, parent.children.size());
  state_->edited = true;
  detach_lines(state_->store, state_->arena, parent.children[index].leading(), after_child(parent, index));
  Access::erase(parent.children, index);
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
  State& state = *state_;
  state.edited = true;
  Nodes<Object> merged;
  Access::reserve(merged, count + inserts.size(), state.arena);
  auto next = inserts.begin();
  for (std::size_t i = 0; i <= count; ++i) {
    if (next != inserts.end() && next->first == i) {
      // What follows the inserted objects starts a line of its own.
      if (i < count)
        open_line(state.store, state.arena, state.flavour.newline, {nullptr, &parent.children[i]}, parent.level + 1);
      else
        open_line(state.store, state.arena, state.flavour.newline, {nullptr, nullptr, &parent}, parent.level);
      for (; next != inserts.end() && next->first == i; ++next) Access::push_back(merged, next->second, state.arena);
    }
    if (i < count) Access::push_back(merged, parent.children[i], state.arena);
  }
  parent.children = merged;
}

void Document::remove_children(Object& parent, const std::vector<std::size_t>& indexes) {
  if (indexes.empty()) return;
  for (std::size_t i = 0; i < indexes.size(); ++i)
    if (indexes[i] >= parent.children.size() || (i > 0 && indexes[i] <= indexes[i - 1]))
      throw EListError(fmt::format("List index out of bounds ({})", indexes[i]));
  state_->edited = true;
  // As removing them one after another: each removed child's lines leave with it, and the
  // child (or the end) after it takes over what must stay.
  auto next = indexes.begin();
  std::size_t kept = 0;
  for (std::size_t i = 0; i < parent.children.size(); ++i) {
    if (next != indexes.end() && *next == i) {
      ++next;
      detach_lines(state_->store, state_->arena, parent.children[i].leading(), after_child(parent, i));
      continue;
    }
    if (kept != i) parent.children[kept] = parent.children[i];
    ++kept;
  }
  Access::truncate(parent.children, kept);
}

void Document::rename(Object& object, std::string_view name) {
  state_->edited = true;
  if (name.empty()) {
    Access::set_header(object, {}, {}, object.class_name(), state_->store);
    return;
  }
  detail::check_name(name, false);
  Access::set_header(object, name, object.colon().empty() ? ": " : object.colon(), object.class_name(),
                     state_->store);
}

void Document::set_class(Object& object, std::string_view class_name) {
  detail::check_name(class_name, true);
  state_->edited = true;
  Access::set_header(object, object.name(), object.colon(), class_name, state_->store);
}

}  // namespace vcl::dfm
