// Binary form files: the component stream ("TPF0"), bare or inside its 16-bit resource header.
//
// A binary form is read into the same syntax tree as a text form: the reader renders the
// stream as the text the IDE writes and parses that, so everything built on dfm::Document
// works on either format. The reader also remembers where each object header and property
// value of the tree came from in the stream; the writer re-emits an untouched one byte for
// byte and encodes a changed or new one as the IDE does. Converting to text is writing the
// document as text; converting to binary is writing it without an origin.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "vcl/streaming/dfm_text.h"

namespace vcl::dfm {

// True when the bytes start like a binary form: a resource header (FF) or a bare "TPF0".
bool is_binary_form(std::string_view bytes);

// Where the nodes of a document read from a binary form came from.
class BinaryOrigin;

struct BinaryForm {
  BinaryForm(Document document, std::unique_ptr<BinaryOrigin> origin);
  BinaryForm(BinaryForm&&) noexcept;
  BinaryForm& operator=(BinaryForm&&) noexcept;
  ~BinaryForm();

  Document document;
  std::unique_ptr<BinaryOrigin> origin;
};

// Reads a binary form. Strings are taken in `code_page`. Malformed input raises
// vcl::EReadError "FILE: offset N: message" with the offset of the offending byte.
BinaryForm read_binary(std::string bytes, std::string file_name,
                       CodePage code_page = CodePage::Windows1252);

// The binary form of `document`. With the origin it was read with, untouched object headers
// and values keep their bytes, and the resource header (or its absence) is kept; without one,
// every value is encoded as the IDE encodes it, under a resource header. Values a binary form
// cannot hold raise vcl::EWriteError.
std::string write_binary(const Document& document, const BinaryOrigin* origin = nullptr);

// "FILE: offset N: " for a piece of a document read from a binary form: the offset of the
// value, property name or object header it lies in; "FILE: " when the piece is not from the file.
std::string binary_position(const Document& document, const BinaryOrigin& origin,
                            std::string_view piece);

}  // namespace vcl::dfm
