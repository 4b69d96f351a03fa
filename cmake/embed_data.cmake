# Writes OUTPUT, a C++ source that holds every file of FILES (paths relative to BASE) as bytes,
# so that the program carries its texts and tables instead of reading them at run time.
string(REPLACE "|" ";" FILES "${FILES}")
set(body "")
set(index "")
set(n 0)
foreach(relative IN LISTS FILES)
  file(READ "${BASE}/${relative}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND body "const char file${n}[] = {${bytes} 0};\n")
  string(APPEND index "    {\"${relative}\", std::string_view(file${n}, ${size})},\n")
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from data/ at build time.\n"
  "#include \"framework/embedded_data.h\"\n\n#include <array>\n#include <stdexcept>\n#include <utility>\n\n"
  "namespace tolvar {\nnamespace {\n${body}\n"
  "const std::pair<std::string_view, std::string_view> files[] = {\n${index}};\n}  // namespace\n\n"
  "std::string_view embeddedData(std::string_view path) {\n"
  "  for (const auto& [name, bytes] : files) {\n    if (name == path) return bytes;\n  }\n"
  "  throw std::logic_error(\"no embedded data file \" + std::string(path));\n}\n\n}  // namespace tolvar\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
