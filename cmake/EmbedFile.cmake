# Turns one file into a C++ source holding its bytes, so a program carries its pictures inside
# itself and needs no data files beside it. Run as a script at build time:
#   cmake -DINPUT=FILE -DOUTPUT=FILE.cpp -DSYMBOL=kName -P EmbedFile.cmake
# The source defines altostrat::SYMBOL (the bytes) and altostrat::SYMBOLSize.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Lines of 16 bytes keep the generated file readable in a diff or a debugger.
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} at build time; do not edit.\n"
  "#include <cstddef>\n\nnamespace altostrat {\n\n"
  "extern const unsigned char ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}Size;\n"
  "const unsigned char ${SYMBOL}[] = {\n${bytes}\n};\n"
  "const std::size_t ${SYMBOL}Size = ${byte_count};\n\n}  // namespace altostrat\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
