// Shared pieces of the binary form reader and writer; not part of the public API.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/streaming/dfm_binary.h"

namespace vcl::dfm::detail {

// Value tags of the component stream.
enum class Tag : std::uint8_t {
  Null = 0,
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  Set = 11,
  LString = 12,
  Nil = 13,
  Collection = 14,
  Single = 15,
  Currency = 16,
  Date = 17,
  WString = 18,
  Int64 = 19,
  Utf8String = 20,
};

// Object prefix flags, in the low bits of an F0..FF byte.
constexpr std::uint8_t kFlagInherited = 1, kFlagPosition = 2, kFlagInline = 4;
constexpr std::uint16_t kResourceFlags = 0x1030;

// Shortest decimal text that reads back to exactly the same float, as the text form writes
// floats ("2.5", "1E-5"); infinities and NaNs raise vcl::EConvertError.
std::string float_text(long double value);
std::string float_text(double value);
std::string float_text(float value);

// The x87 80-bit float in `bytes` (10 bytes, little-endian); false for NaNs, infinities and
// encodings the x87 treats as invalid.
bool load_extended(const unsigned char* bytes, long double& value);
void store_extended(long double value, std::string& out);

}  // namespace vcl::dfm::detail

namespace vcl::dfm {

class BinaryOrigin {
public:
  // A stretch of the stream behind a piece of the document's text.
  struct Piece {
    std::uint32_t text;    // offset of the piece in the document's source text
    std::uint32_t offset;  // offset of its bytes in the file
    std::uint32_t size;    // 0 for a property name (located, never copied)
  };

  std::string bytes;            // the file as read
  std::uint32_t stream = 0;     // offset of "TPF0"
  bool header = false;          // the stream has a resource header
  std::string_view source;      // the document's text the reader rendered
  std::vector<Piece> pieces;    // in text order
  std::uint32_t tags = 0;       // bit n set when the stream holds a value of type n

  // The piece that starts exactly at `text`, when it lies in the rendered source and has bytes.
  const Piece* exact(std::string_view text) const;
  // The piece at or before `text`; null when none or not in the source.
  const Piece* enclosing(std::string_view text) const;
  std::string_view bytes_of(const Piece& piece) const { return std::string_view(bytes).substr(piece.offset, piece.size); }
  bool in_source(std::string_view text) const;
};

}  // namespace vcl::dfm
