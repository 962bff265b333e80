# The translations of the program's texts: translations/merchora_<language>.ts, kept up to date
# with "make translations" (lupdate over src/), compiled by lrelease at every build and linked into
# the programs as the resources ":/translations/merchora_<language>.qm".
get_target_property(_merchora_qmake Qt5::qmake IMPORTED_LOCATION)
get_filename_component(MERCHORA_QT_BIN_DIR "${_merchora_qmake}" DIRECTORY)
find_program(MERCHORA_LUPDATE NAMES lupdate-qt5 lupdate HINTS "${MERCHORA_QT_BIN_DIR}" NO_DEFAULT_PATH)
find_program(MERCHORA_LUPDATE NAMES lupdate-qt5 lupdate)
find_program(MERCHORA_LRELEASE NAMES lrelease-qt5 lrelease HINTS "${MERCHORA_QT_BIN_DIR}" NO_DEFAULT_PATH)
find_program(MERCHORA_LRELEASE NAMES lrelease-qt5 lrelease)
if(NOT MERCHORA_LUPDATE OR NOT MERCHORA_LRELEASE)
  message(FATAL_ERROR "lupdate and lrelease (Debian package qttools5-dev-tools) are needed")
endif()

set(MERCHORA_TRANSLATIONS_DIR "${PROJECT_SOURCE_DIR}/translations")
file(GLOB MERCHORA_TS_FILES CONFIGURE_DEPENDS "${MERCHORA_TRANSLATIONS_DIR}/merchora_*.ts")

set(_merchora_qm_files)
set(_merchora_qrc_entries)
foreach(ts ${MERCHORA_TS_FILES})
  get_filename_component(name "${ts}" NAME_WE)
  set(qm "${CMAKE_CURRENT_BINARY_DIR}/translations/${name}.qm")
  add_custom_command(OUTPUT "${qm}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/translations"
    COMMAND "${MERCHORA_LRELEASE}" -silent "${ts}" -qm "${qm}"
    DEPENDS "${ts}"
    COMMENT "Compiling the translation ${name}"
    VERBATIM)
  list(APPEND _merchora_qm_files "${qm}")
  string(APPEND _merchora_qrc_entries "    <file alias=\"${name}.qm\">${qm}</file>\n")
endforeach()

set(_merchora_qrc "${CMAKE_CURRENT_BINARY_DIR}/translations/merchora_translations.qrc")
file(CONFIGURE OUTPUT "${_merchora_qrc}" CONTENT
  "<RCC>\n  <qresource prefix=\"/translations\">\n${_merchora_qrc_entries}  </qresource>\n</RCC>\n")
add_custom_target(merchora_qm_files DEPENDS ${_merchora_qm_files})

# Compiled as objects and handed to every program, like the pictures: they register at start-up.
add_library(merchora_translations OBJECT "${_merchora_qrc}")
target_link_libraries(merchora_translations PRIVATE Qt5::Core)
add_dependencies(merchora_translations merchora_qm_files)
target_sources(merchora_core INTERFACE
  $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:$<TARGET_OBJECTS:merchora_translations>>)

# "make translations": every translatable text of src/ into the .ts files. Texts that are gone
# are dropped; source locations are left out so that the files change only when texts do.
add_custom_target(translations
  COMMAND "${MERCHORA_LUPDATE}" -silent -no-obsolete -locations none
          "${PROJECT_SOURCE_DIR}/src" -ts ${MERCHORA_TS_FILES}
  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
  COMMENT "Refreshing the translations from the sources"
  VERBATIM)
