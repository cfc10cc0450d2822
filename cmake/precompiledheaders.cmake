# Precompiled headers. Most of a file's compile time is spent parsing the
# same Qt and standard headers again: a test of twenty lines takes three
# seconds, two of them in <QTest> and <QtCore>. Each group of targets that
# compiles with the same flags and Qt modules shares one precompiled header,
# made once by the group's first target and reused by the others
# (REUSE_FROM), which more than pays for the headers a file did not need.
#
# The groups:
#   core      the workspace, the sessions and the command-line tools (QtCore)
#   widgets   the windows' libraries (QtWidgets)
#   tests     the tests of the workspace and the solver (QtTest, unoptimised)
#   wtests    the windows' tests (QtTest with QtWidgets, unoptimised)
#
# The sanitizer and developer builds leave them off, so that a file which
# forgets an #include of its own still fails to compile there.
option(PLAYFAIR_PRECOMPILED_HEADERS "Share precompiled Qt headers between the targets of a group" ON)

# GCC takes a precompiled header only where every macro it was made with is
# defined alike, so the group's first target carries no definition of its
# own. Say so when one is refused rather than compile slowly in silence, but
# do not fail the build over it.
if(PLAYFAIR_PRECOMPILED_HEADERS AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Winvalid-pch -Wno-error=invalid-pch)
endif()

set(PLAYFAIR_PCH_core
    <QCoreApplication> <QFile> <QList> <QString> <QStringList>
    <algorithm> <array> <optional> <string> <string_view> <vector>)
set(PLAYFAIR_PCH_widgets ${PLAYFAIR_PCH_core}
    <QAction> <QBoxLayout> <QCheckBox> <QComboBox> <QEvent> <QGridLayout> <QGroupBox> <QLabel>
    <QLineEdit> <QMenu> <QPainter> <QPlainTextEdit> <QPushButton> <QSpinBox> <QWidget>)
set(PLAYFAIR_PCH_tests ${PLAYFAIR_PCH_core} <QTest>)
set(PLAYFAIR_PCH_wtests ${PLAYFAIR_PCH_widgets} <QTest>)

# playfair_precompiled_headers(<target> <group>): the target compiles with the
# group's precompiled header, which the group's first target makes.
function(playfair_precompiled_headers target group)
    if(NOT PLAYFAIR_PRECOMPILED_HEADERS)
        return()
    endif()
    get_property(owner GLOBAL PROPERTY PLAYFAIR_PCH_OWNER_${group})
    if(owner)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    else()
        target_precompile_headers(${target} PRIVATE ${PLAYFAIR_PCH_${group}})
        set_property(GLOBAL PROPERTY PLAYFAIR_PCH_OWNER_${group} ${target})
    endif()
endfunction()
