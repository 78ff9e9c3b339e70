# Writes OUTPUT, a C++ source whose function FUNCTION() returns the text of INPUT.
# The table is compiled in rather than looked up beside the executable at run time: the program,
# the CLI and the tests then read the same data wherever they run or are installed, and there is
# no missing-file case to handle.
file(READ "${INPUT}" text)
set(delimiter "thermo_table")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} contains the raw-string delimiter")
endif()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include \"thermo/reference_table_text.h\"\n\n"
  "namespace trelvix {\n\n"
  "std::string_view ${FUNCTION}()\n{\n"
  "  return R\"${delimiter}(${text})${delimiter}\";\n}\n\n"
  "} // namespace trelvix\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
