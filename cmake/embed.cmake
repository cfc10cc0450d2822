# Writes a binary file as a C++ byte array:
#     cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DNAME=<symbol> -P embed.cmake
# gives `const unsigned char <symbol>[]` and `const std::size_t <symbol>_size`.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
    "// Made from ${INPUT} by cmake/embed.cmake; do not edit.\n"
    "#include <cstddef>\n"
    "extern const unsigned char ${NAME}[];\n"
    "extern const std::size_t ${NAME}_size;\n"
    "const unsigned char ${NAME}[] = {\n${bytes}};\n"
    "const std::size_t ${NAME}_size = ${size};\n")
