// Writer of text forms: prints the tree's pieces in order.
#include "vcl/streaming/dfm_text_internal.h"

namespace vcl::dfm {

namespace {

// Gives out pieces, joining those that lie next to each other in memory into one: an
// untouched stretch of the source, however many nodes it spans, goes out at once.
class Emitter {
public:
  Emitter(const std::function<void(std::string_view)>& out, const TextStore& store) : out_(out), store_(store) {}
  ~Emitter() { flush(); }

  void put(std::string_view text) {
    if (text.empty()) return;
    if (text.data() == run_end_) {
      run_end_ += text.size();
      return;
    }
    flush();
    run_begin_ = text.data();
    run_end_ = text.data() + text.size();
  }

  void object(const Object& object) {
    put(detail::Access::head(object));
    for (const Property& property : object.properties) this->property(property);
    for (const Object& child : object.children) this->object(child);
    put(detail::Access::tail(object));
  }

private:
  void flush() {
    if (run_begin_ != run_end_) out_(std::string_view(run_begin_, static_cast<std::size_t>(run_end_ - run_begin_)));
    run_begin_ = run_end_ = nullptr;
  }

  void property(const Property& property) {
    if (std::string_view text = detail::Access::stretch(property); !text.empty()) {
      put(text);
      return;
    }
    put(property.leading());
    put(store_.spelling(property.name()));
    value(property.value);
  }

  void value(const Value& value) {
    put(value.whole());
    const Contents* contents = value.contents();
    if (!contents) return;
    for (const Value& item : contents->items) this->value(item);
    for (const CollectionItem& item : contents->entries) {
      put(item.leading());
      put(item.keyword());
      put(item.position_text());
      for (const Property& property : item.properties) this->property(property);
      put(item.end_leading());
      put(item.end_keyword());
    }
    put(contents->close);
  }

  const std::function<void(std::string_view)>& out_;
  const TextStore& store_;
  const char* run_begin_ = nullptr;
  const char* run_end_ = nullptr;
};

}  // namespace

std::string_view newline_text(Newline newline) {
  switch (newline) {
    case Newline::LF:
      return "\n";
    case Newline::CR:
      return "\r";
    case Newline::CRLF:
      break;
  }
  return "\r\n";
}

void Document::write(const std::function<void(std::string_view)>& out) const {
  const State& state = *state_;
  Emitter emitter(out, state.store);
  if (state.flavour.bom)
    emitter.put(state.bom.empty() ? std::string_view("\xEF\xBB\xBF") : state.bom);
  if (!state.edited) {
    emitter.put(state.source);
    return;
  }
  emitter.object(state.root);
  emitter.put(state.trailing);
}

std::string Document::write() const {
  std::string out;
  out.reserve(state_->bom.size() + state_->source.size());
  write([&out](std::string_view piece) { out.append(piece); });
  return out;
}

}  // namespace vcl::dfm
