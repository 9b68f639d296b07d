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

# The names that stored data and other programs rely on: the settings' key below HKEY_CURRENT_USER
# (and the maker's key above it), the Run entry, the single-instance mutex and the main window's
# class. They never change, not even when the product or its maker is renamed: the stored settings,
# the Run entry, a running older copy and the installer rely on them.
set(stored_maker_name "Trelvik Software")
set(stored_product_name "PostboxWatchman")
set(PBW_SETTINGS_PARENT_KEY "Software\\${stored_maker_name}")
set(PBW_SETTINGS_KEY "${PBW_SETTINGS_PARENT_KEY}\\${stored_product_name}")
set(PBW_RUN_ENTRY_NAME "${stored_product_name}")
set(PBW_SINGLE_INSTANCE_MUTEX_NAME "Local\\${stored_maker_name} ${stored_product_name}")
set(PBW_MAIN_WINDOW_CLASS "${stored_product_name}Form1")
# The header spells a backslash as C does.
foreach(name SETTINGS_KEY SINGLE_INSTANCE_MUTEX_NAME)
  string(REPLACE "\\" "\\\\" PBW_${name}_IN_C "${PBW_${name}}")
endforeach()

set(PBW_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file("${PROJECT_SOURCE_DIR}/resources/program_identity_values.h.in"
               "${PBW_GENERATED_DIR}/resources/program_identity_values.h" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/resources/pbw.manifest.in" "${PBW_GENERATED_DIR}/pbw.manifest" @ONLY)

# Linked by whatever includes the header; the resource compiler finds the manifest there too.
add_library(pbw_program_identity INTERFACE)
target_include_directories(pbw_program_identity INTERFACE "${PBW_GENERATED_DIR}")

# The files that the resource scripts include. windres tells the build nothing of them, so each
# script that includes them names them, and a changed picture or name rebuilds its resources.
file(GLOB PBW_RESOURCE_INPUTS CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/*.rc"
     "${PROJECT_SOURCE_DIR}/resources/*.h" "${PROJECT_SOURCE_DIR}/resources/*.ico"
     "${PROJECT_SOURCE_DIR}/resources/*.cur" "${PROJECT_SOURCE_DIR}/resources/*.jpg"
     "${PROJECT_SOURCE_DIR}/resources/*.bmp")
list(APPEND PBW_RESOURCE_INPUTS "${PBW_GENERATED_DIR}/resources/program_identity_values.h"
     "${PBW_GENERATED_DIR}/pbw.manifest")
