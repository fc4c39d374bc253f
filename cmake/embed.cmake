# Writes OUTPUT, a C++ source holding the bytes of every file in FILES (a ;-list) as the
# embedded resources table that vcl/resources.cpp looks up by file name.
set(body "")
set(entries "")
set(index 0)
foreach(file ${FILES})
  get_filename_component(name ${file} NAME)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char data${index}[] = {${bytes}0};\n")
  string(APPEND entries "    {\"${name}\", {data${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp
  "// Generated from the resource files at build time; do not edit.\n"
  "#include \"vcl/resources.h\"\n\n"
  "namespace {\n${body}}  // namespace\n\n"
  "namespace vcl::detail {\n"
  "extern const TResourceEntry kEmbeddedResources[] = {\n${entries}    {nullptr, {}},\n};\n"
  "}  // namespace vcl::detail\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
