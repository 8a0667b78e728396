# Writes a C++ source that holds SQL scripts as string literals, so that
# programs carry the demo database with them.
#   cmake -DOUTPUT=file.cpp -DINPUTS="name1=path1|name2=path2" -P embed_sql.cmake
set(content "// Generated from the demo SQL scripts; do not edit.\n#include \"demo/embedded_sql.h\"\n\nnamespace demo {\n")
string(REPLACE "|" ";" inputs "${INPUTS}")
foreach(pair IN LISTS inputs)
  string(REPLACE "=" ";" parts "${pair}")
  list(GET parts 0 name)
  list(GET parts 1 path)
  file(READ "${path}" text)
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
string(APPEND content "\n}  // namespace demo\n")
file(WRITE "${OUTPUT}.tmp" "${content}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
