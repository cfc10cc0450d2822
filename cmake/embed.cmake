# Writes a C++ source that embeds a binary file:
#     cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DNAME=<symbol> [-DINCBIN=ON] -P embed.cmake
# gives `extern "C" const unsigned char <symbol>[]` and
# `extern "C" const std::size_t <symbol>_size`, with 8 zero bytes after the
# data so that wide reads of its last bytes stay inside.
#
# With INCBIN (GCC or Clang on an ELF platform) the assembler's .incbin
# directive takes the file as it is, which compiles large tables in a moment;
# otherwise the bytes are written out as a C++ array.
#
# On x86-64 the bytes go to the large read-only section, which the linker
# puts in a segment of its own after all other data. The kernel maps the
# neighbours of every page a program touches (fault-around); in .rodata
# beside the strings every window uses, tens of KiB of a table would be
# mapped into each start-up that never reads it.
file(SIZE "${INPUT}" size)
if(INCBIN)
    file(WRITE "${OUTPUT}"
        "// Embeds ${INPUT}; made by cmake/embed.cmake, do not edit.\n"
        "#include <cstddef>\n"
        "extern \"C\" const unsigned char ${NAME}[];\n"
        "extern \"C\" const std::size_t ${NAME}_size;\n"
        "extern \"C\" const std::size_t ${NAME}_size = ${size};\n"
        "#if defined(__x86_64__)\n"
        "#define EMBEDDED_SECTION \".section .lrodata,\\\"a\\\"\\n\"\n"
        "#else\n"
        "#define EMBEDDED_SECTION \".section .rodata\\n\"\n"
        "#endif\n"
        "__asm__(EMBEDDED_SECTION\n"
        "        \".balign 64\\n\"\n"
        "        \".global ${NAME}\\n\"\n"
        "        \".type ${NAME}, @object\\n\"\n"
        "        \"${NAME}:\\n\"\n"
        "        \".incbin \\\"${INPUT}\\\"\\n\"\n"
        "        \".byte 0, 0, 0, 0, 0, 0, 0, 0\\n\"\n"
        "        \".size ${NAME}, . - ${NAME}\\n\"\n"
        "        \".previous\\n\");\n")
else()
    file(READ "${INPUT}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
    file(WRITE "${OUTPUT}"
        "// Embeds ${INPUT}; made by cmake/embed.cmake, do not edit.\n"
        "#include <cstddef>\n"
        "#if defined(__ELF__) && defined(__x86_64__)\n"
        "#define EMBEDDED_BYTES [[gnu::section(\".lrodata\")]]\n"
        "#else\n"
        "#define EMBEDDED_BYTES\n"
        "#endif\n"
        "extern \"C\" const unsigned char ${NAME}[];\n"
        "extern \"C\" const std::size_t ${NAME}_size;\n"
        "extern \"C\" EMBEDDED_BYTES const unsigned char ${NAME}[] = {\n${bytes}0, 0, 0, 0, 0, 0, 0, 0};\n"
        "extern \"C\" const std::size_t ${NAME}_size = ${size};\n")
endif()
