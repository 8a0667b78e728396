# Writes a C++ source that holds SQL scripts as string literals, so that
# programs carry the demo database with them.
#   cmake -DOUTPUT=file.cpp -DINPUTS="name1=path1|name2=path2" -P embed_sql.cmake
set(content "// Generated from the demo SQL scripts; do not edit.\n#include \"demo/embedded_sql.h\"\n\nnamespace demo {\n")
string(REPLACE "|" ";" inputs "${INPUTS}")
set(all "")
foreach(pair IN LISTS inputs)
  string(REPLACE "=" ";" parts "${pair}")
  list(GET parts 0 name)
  list(GET parts 1 path)
  file(READ "${path}" text)
  string(APPEND all "${name}\n${text}\n")
  string(LENGTH "${text}" length)
  string(APPEND content "\nstd::string_view ${name}() {\n    static const char text[] =\n")
  # Pieces of at most 8000 characters keep every literal within portable limits.
  set(offset 0)
  while(offset LESS length)
    string(SUBSTRING "${text}" ${offset} 8000 piece)
    string(APPEND content "        R\"sql(${piece})sql\"\n")
    math(EXPR offset "${offset} + 8000")
  endwhile()
  string(APPEND content "        \"\";\n    return {text, sizeof(text) - 1};\n}\n")
endforeach()
# The scripts' version: the first 28 bits of a hash of all of them, so that
# it changes with any script and fits a positive 32-bit number; never 0,
# the version of a database that was not stamped.
string(SHA256 hash "${all}")
string(SUBSTRING "${hash}" 0 7 prefix)
math(EXPR version "0x${prefix}")
if(version EQUAL 0)
  set(version 1)
endif()
string(APPEND content "\nint scriptsVersion() {\n    return ${version};\n}\n")
string(APPEND content "\n}  // namespace demo\n")
file(WRITE "${OUTPUT}.tmp" "${content}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
