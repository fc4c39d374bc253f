// Text form reading and writing on a generated 30 MB form: throughput and heap use.
#include <benchmark/benchmark.h>
#include <fmt/format.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "vcl/streaming/dfm_text.h"

// Heap accounting for the memory counters: bytes in use now and the most since the last reset.
namespace {
std::atomic<std::size_t> heap_in_use{0};
std::atomic<std::size_t> heap_peak{0};

void* counted_alloc(std::size_t size, std::size_t alignment = alignof(std::max_align_t)) {
  void* block = alignment <= alignof(std::max_align_t)
                    ? std::malloc(size == 0 ? 1 : size)
                    : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
  if (!block) throw std::bad_alloc();
  std::size_t now = heap_in_use += malloc_usable_size(block);
  std::size_t peak = heap_peak.load(std::memory_order_relaxed);
  while (now > peak && !heap_peak.compare_exchange_weak(peak, now)) {
  }
  return block;
}

void counted_free(void* block) {
  if (!block) return;
  heap_in_use -= malloc_usable_size(block);
  std::free(block);
}
}  // namespace

void* operator new(std::size_t size) { return counted_alloc(size); }
void* operator new[](std::size_t size) { return counted_alloc(size); }
void operator delete(void* block) noexcept { counted_free(block); }
void operator delete[](void* block) noexcept { counted_free(block); }
void operator delete(void* block, std::size_t) noexcept { counted_free(block); }
void operator delete[](void* block, std::size_t) noexcept { counted_free(block); }
void* operator new(std::size_t size, std::align_val_t alignment) {
  return counted_alloc(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return counted_alloc(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* block, std::align_val_t) noexcept { counted_free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { counted_free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { counted_free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { counted_free(block); }

namespace {

using vcl::dfm::Datum;
using vcl::dfm::Document;

constexpr std::size_t kTargetBytes = 30u << 20;

class FormGenerator {
public:
  std::string form() {
    out_ += "object MainForm: TMainForm\r\n";
    line(1, "Left = 192");
    line(1, "Top = 107");
    line(1, "Width = 1024");
    line(1, "Height = 768");
    line(1, "Caption = 'Generated form'");
    line(1, "Color = clBtnFace");
    line(1, "Font.Charset = DEFAULT_CHARSET");
    line(1, "Font.Height = -11");
    line(1, "Font.Name = 'MS Sans Serif'");
    line(1, "Font.Style = []");
    line(1, "OldCreateOrder = False");
    line(1, "PixelsPerInch = 96");
    line(1, "TextHeight = 13");
    while (out_.size() < kTargetBytes) panel(1, 2);
    out_ += "end\r\n";
    return std::move(out_);
  }

private:
  void line(int level, std::string_view text) {
    out_.append(2 * static_cast<std::size_t>(level), ' ');
    out_ += text;
    out_ += "\r\n";
  }

  void bounds(int level) {
    line(level, fmt::format("Left = {}", next() % 600));
    line(level, fmt::format("Top = {}", next() % 400));
    line(level, fmt::format("Width = {}", 40 + next() % 200));
    line(level, fmt::format("Height = {}", 13 + next() % 40));
  }

  void open(int level, std::string_view type, std::string_view prefix) {
    line(level, fmt::format("object {}{}: {}", prefix, ++count_, type));
  }

  void panel(int level, int depth) {
    open(level, "TPanel", "Panel");
    bounds(level + 1);
    line(level + 1, "BevelOuter = bvNone");
    line(level + 1, "Anchors = [akLeft, akTop, akRight]");
    line(level + 1, fmt::format("TabOrder = {}", count_ % 7));
    for (int i = 0; i < 3; ++i) label_and_edit(level + 1);
    memo(level + 1);
    image(level + 1);
    grid(level + 1);
    if (depth > 0)
      for (int i = 0; i < 2; ++i) panel(level + 1, depth - 1);
    line(level, "end");
  }

  void label_and_edit(int level) {
    open(level, "TLabel", "Label");
    bounds(level + 1);
    line(level + 1, fmt::format("Caption = 'Customer field {}:'", count_));
    line(level + 1, "Font.Style = [fsBold]");
    line(level + 1, "ParentFont = False");
    line(level, "end");
    open(level, "TEdit", "Edit");
    bounds(level + 1);
    line(level + 1, fmt::format("TabOrder = {}", count_ % 9));
    line(level + 1, "Text = ''");
    line(level + 1, "OnChange = EditChange");
    line(level, "end");
  }

  void memo(int level) {
    open(level, "TMemo", "Memo");
    bounds(level + 1);
    line(level + 1, "Lines.Strings = (");
    for (int i = 0; i < 8; ++i)
      line(level + 2,
           fmt::format("'Line {} of the notes, with a quote'#39's here and some more text'", i));
    line(level + 2, "'Grüße aus K'#246'ln: '#8364' 12,50')");
    line(level + 1, "ScrollBars = ssVertical");
    line(level, "end");
  }

  void image(int level) {
    open(level, "TImage", "Image");
    bounds(level + 1);
    line(level + 1, "Picture.Data = {");
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int row = 0; row < 26; ++row) {
      std::string hex;
      for (int i = 0; i < 64; ++i) hex += kHex[next() % 16];
      if (row == 25) hex = hex.substr(0, 44) + "}";
      line(level + 2, hex);
    }
    line(level, "end");
  }

  void grid(int level) {
    open(level, "TDBGrid", "Grid");
    bounds(level + 1);
    line(level + 1, "Columns = <");
    for (int i = 0; i < 3; ++i) {
      line(level + 2, "item");
      line(level + 3, fmt::format("FieldName = 'FIELD{}'", i));
      line(level + 3, "Title.Caption = 'Column title'");
      line(level + 3, fmt::format("Width = {}", 60 + i));
      line(level + 2, i == 2 ? "end>" : "end");
    }
    line(level + 1, "Increment = 0.500000000000000000");
    line(level, "end");
  }

  unsigned next() { return seed_ = seed_ * 1103515245u + 12345u, seed_ >> 8; }

  std::string out_;
  unsigned seed_ = 1;
  int count_ = 0;
};

const std::string& generated_form() {
  static const std::string form = FormGenerator().form();
  return form;
}

void report(benchmark::State& state, std::size_t bytes, std::size_t peak) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["file_MB"] = static_cast<double>(bytes) / (1 << 20);
  state.counters["peak_heap_x_file"] = static_cast<double>(peak) / static_cast<double>(bytes);
}

// Read from bytes handed over by the caller, then write back; the tree stays within the peak.
void BM_ReadWrite(benchmark::State& state) {
  const std::string& form = generated_form();
  std::size_t peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::string bytes = form;
    std::size_t base = heap_in_use - bytes.capacity();
    heap_peak = heap_in_use.load();
    state.ResumeTiming();
    Document document = Document::parse(std::move(bytes), "generated.dfm");
    std::string out = document.write();
    benchmark::DoNotOptimize(out.data());
    state.PauseTiming();
    peak = std::max(peak, heap_peak - base);
    if (out != form) state.SkipWithError("the form changed on the way through");
    state.ResumeTiming();
  }
  report(state, form.size(), peak);
}
BENCHMARK(BM_ReadWrite)->Unit(benchmark::kMillisecond);

// Reading alone; tree_x_file is the heap the document holds beside the bytes it was given.
void BM_Read(benchmark::State& state) {
  const std::string& form = generated_form();
  std::size_t tree = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::string bytes = form;
    const std::size_t before = heap_in_use;
    state.ResumeTiming();
    Document document = Document::parse(std::move(bytes), "generated.dfm");
    benchmark::DoNotOptimize(&document);
    state.PauseTiming();
    tree = heap_in_use - before;
    { Document discard = std::move(document); }
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * form.size()));
  state.counters["tree_x_file"] = static_cast<double>(tree) / static_cast<double>(form.size());
}
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);

// Writing a document as it was read.
void BM_Write(benchmark::State& state) {
  Document document = Document::parse(generated_form(), "generated.dfm");
  for (auto _ : state) {
    std::string out = document.write();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * generated_form().size()));
}
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);

// Writing after edits spread over the file: the untouched stretches between them are copied
// in one piece each.
void BM_WriteEdited(benchmark::State& state) {
  Document document = Document::parse(generated_form(), "generated.dfm");
  vcl::dfm::Object& root = document.root();
  for (std::size_t i = 0; i < root.children.size(); i += 2)
    document.set_property(root.children[i], "Caption", Datum::string("Edited panel"));
  for (auto _ : state) {
    std::string out = document.write();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * generated_form().size()));
}
BENCHMARK(BM_WriteEdited)->Unit(benchmark::kMillisecond);

}  // namespace
