# Writes a binary file as a C++ byte array:
#     cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DNAME=<symbol> -P embed.cmake
# gives `const unsigned char <symbol>[]` and `const std::size_t <symbol>_size`.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
# On x86-64 the bytes go to the large read-only section, which the linker
# puts in a segment of its own after all other data. The kernel maps the
# neighbours of every page a program touches (fault-around); in .rodata
# beside the strings every window uses, tens of KiB of a table would be
# mapped into each start-up that never reads it.
file(WRITE "${OUTPUT}"
    "// Made from ${INPUT} by cmake/embed.cmake; do not edit.\n"
    "#include <cstddef>\n"
    "#if defined(__ELF__) && defined(__x86_64__)\n"
    "#define EMBEDDED_BYTES [[gnu::section(\".lrodata\")]]\n"
    "#else\n"
    "#define EMBEDDED_BYTES\n"
    "#endif\n"
    "extern const unsigned char ${NAME}[];\n"
    "extern const std::size_t ${NAME}_size;\n"
    "EMBEDDED_BYTES const unsigned char ${NAME}[] = {\n${bytes}};\n"
    "const std::size_t ${NAME}_size = ${size};\n")
