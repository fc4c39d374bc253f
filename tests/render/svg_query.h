// Reading back what the SVG renderer wrote: elements of named components, their
// attributes, and the texts inside them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "render/form_svg.h"
#include "vcl/streaming/form_file.h"

namespace rendertest {

// A form file read from text, with the root "Form1" (320 x 240, the default font) around
// `body`.
inline std::unique_ptr<vcl::TFormFile> ReadForm(const std::string& body, const std::string& rootProperties = {}) {
  std::string text =
      "object Form1: TForm1\n"
      "  Left = 0\n"
      "  Top = 0\n"
      "  Width = 320\n"
      "  Height = 240\n"
      "  Caption = 'Form1'\n" +
      rootProperties +
      "  PixelsPerInch = 96\n"
      "  TextHeight = 13\n" +
      body + "end\n";
  return vcl::TFormFile::Read(text, "Form1.dfm");
}

// The picture of the form, drawn as the designer shows it.
inline std::string Render(const vcl::TFormFile& form) {
  vcl::TSvgOptions options;
  options.FormFile = &form;
  return vcl::RenderSvg(form.Root(), nullptr, options);
}

// The value of an attribute in an element's opening tag; empty when absent.
inline std::string Attr(const std::string& tag, const std::string& name) {
  std::string key = " " + name + "=\"";
  std::size_t at = tag.find(key);
  if (at == std::string::npos) return {};
  at += key.size();
  return tag.substr(at, tag.find('"', at) - at);
}

inline int IntAttr(const std::string& tag, const std::string& name) { return std::stoi(Attr(tag, name)); }

struct Fragment {
  std::string open;  // the opening tag
  std::string body;  // everything up to the matching closing tag
};

// The element (<svg> of a control, <g> of an icon) of the component named `name`.
inline std::optional<Fragment> Named(const std::string& svg, const std::string& name) {
  std::size_t at = svg.find("data-name=\"" + name + "\"");
  if (at == std::string::npos) return std::nullopt;
  std::size_t start = svg.rfind('<', at);
  std::size_t openEnd = svg.find('>', at) + 1;
  std::string tag = svg.substr(start + 1, svg.find(' ', start) - start - 1);
  int depth = 1;
  std::size_t pos = openEnd;
  while (depth > 0) {
    std::size_t open = svg.find("<" + tag + " ", pos), close = svg.find("</" + tag + ">", pos);
    if (close == std::string::npos) return std::nullopt;
    if (open != std::string::npos && open < close) {
      ++depth;
      pos = open + 1;
    } else {
      --depth;
      pos = close + 1;
    }
  }
  return Fragment{svg.substr(start, openEnd - start), svg.substr(openEnd, pos - 1 - openEnd)};
}

struct Text {
  int x, y;
  std::string tag, content;
};

inline std::vector<Text> Texts(const std::string& svg) {
  std::vector<Text> texts;
  for (std::size_t at = svg.find("<text "); at != std::string::npos; at = svg.find("<text ", at + 1)) {
    std::size_t tagEnd = svg.find('>', at), close = svg.find("</text>", tagEnd);
    std::string tag = svg.substr(at + 5, tagEnd - at - 5);
    texts.push_back({IntAttr(tag, "x"), IntAttr(tag, "y"), tag, svg.substr(tagEnd + 1, close - tagEnd - 1)});
  }
  return texts;
}

// The first text showing `content`.
inline std::optional<Text> FindText(const std::string& svg, const std::string& content) {
  for (const Text& text : Texts(svg))
    if (text.content == content) return text;
  return std::nullopt;
}

inline bool Contains(const std::string& haystack, const std::string& needle) {
  return haystack.find(needle) != std::string::npos;
}

// A control drawn as a placeholder: the dashed grey outline of a class the model does not know.
inline bool IsPlaceholder(const Fragment& control) {
  return Contains(control.body, "stroke=\"#808080\" stroke-dasharray");
}

}  // namespace rendertest
