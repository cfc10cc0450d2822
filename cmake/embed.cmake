# Writes a C++ source that embeds a binary file:
#     cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DNAME=<symbol> [-DINCBIN=ON] -P embed.cmake
# gives `extern "C" const unsigned char <symbol>[]` and
# `extern "C" const std::size_t <symbol>_size`, with 8 zero bytes after the
# data so that wide reads of its last bytes stay inside.
#
# With INCBIN (GCC or Clang on an ELF platform) the assembler's .incbin
# directive takes the file as it is, which compiles large tables in a moment;
# otherwise the bytes are written out as a C++ array.
file(SIZE "${INPUT}" size)
if(INCBIN)
    file(WRITE "${OUTPUT}"
        "// Embeds ${INPUT}; made by cmake/embed.cmake, do not edit.\n"
        "#include <cstddef>\n"
        "extern \"C\" const unsigned char ${NAME}[];\n"
        "extern \"C\" const std::size_t ${NAME}_size;\n"
        "extern \"C\" const std::size_t ${NAME}_size = ${size};\n"
        "__asm__(\".section .rodata\\n\"\n"
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
        "extern \"C\" const unsigned char ${NAME}[];\n"
        "extern \"C\" const std::size_t ${NAME}_size;\n"
        "extern \"C\" const unsigned char ${NAME}[] = {\n${bytes}0, 0, 0, 0, 0, 0, 0, 0};\n"
        "extern \"C\" const std::size_t ${NAME}_size = ${size};\n")
endif()
