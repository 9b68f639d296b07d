# Writes the program's identity, taken from project() and the PBW_* names of the top CMakeLists.txt,
# into the files that carry it: a header for the code and the resource compiler, and the manifest.
# Everything is derived here, so a new version is one edit of project(... VERSION ...).

# Left-pads a number with zeros to the given width.
function(pbw_zero_padded out number width)
  string(LENGTH "${number}" length)
  while(length LESS width)
    string(PREPEND number "0")
    math(EXPR length "${length} + 1")
  endwhile()
  set(${out} "${number}" PARENT_SCOPE)
endfunction()

# The version text of the version record: major, minor with two digits, revision with four ("1.01.0102").
pbw_zero_padded(minor_text "${PROJECT_VERSION_MINOR}" 2)
pbw_zero_padded(revision_text "${PROJECT_VERSION_TWEAK}" 4)
set(PBW_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor_text}.${revision_text}")

set(PBW_LEGAL_COPYRIGHT "Copyright (C) ${PBW_MAKER_FIRST_YEAR} ${PBW_MAKER_NAME}. Alle Rechte vorbehalten.")
set(PBW_LEGAL_TRADEMARKS "${PBW_PRODUCT_NAME} ist ein Warenzeichen von ${PBW_MAKER_NAME}")
# The manifest names the program by the maker's first word and the product ("Trelvik.PostboxWatchman").
string(REGEX MATCH "^[^ ]+" maker_first_word "${PBW_MAKER_NAME}")
set(PBW_MANIFEST_NAME "${maker_first_word}.${PBW_PRODUCT_NAME}")
# Windows refuses to start a program whose manifest names another processor than its own.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(PBW_MANIFEST_ARCHITECTURE amd64)
else()
  set(PBW_MANIFEST_ARCHITECTURE x86)
endif()

set(PBW_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file("${PROJECT_SOURCE_DIR}/resources/program_identity_values.h.in"
               "${PBW_GENERATED_DIR}/resources/program_identity_values.h" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/resources/pbw.manifest.in" "${PBW_GENERATED_DIR}/pbw.manifest" @ONLY)

# Linked by whatever includes the header; the resource compiler finds the manifest there too.
add_library(pbw_program_identity INTERFACE)
target_include_directories(pbw_program_identity INTERFACE "${PBW_GENERATED_DIR}")
