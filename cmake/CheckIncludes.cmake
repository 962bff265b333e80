# Checks that every project include under src/ keeps the direction of the floors:
#   core      may include core only;
#   widgets   may include core and widgets;
#   a screen  (pos, catalogue, reporting, purchasing, settings) may include core, widgets, its own
#             folder, and of another screen only the headers made for that purpose (below);
#   app       may include everything.
# core may not include headers of QtWidgets or QtPrintSupport either.
# Run as: cmake -DSOURCE_DIR=<repo>/src -P CheckIncludes.cmake   (fails with every bad line listed)

cmake_minimum_required(VERSION 3.16)

if(NOT SOURCE_DIR)
  get_filename_component(SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/../src" ABSOLUTE)
endif()

set(FLOORS core widgets pos catalogue reporting purchasing settings app)
set(SCREENS pos catalogue reporting purchasing settings)

set(ALLOWED_core core)
set(ALLOWED_widgets core widgets)
foreach(screen IN LISTS SCREENS)
  set(ALLOWED_${screen} core widgets ${screen})
endforeach()
set(ALLOWED_app ${FLOORS})

# Headers through which one screen opens another.
set(PUBLIC_SCREEN_HEADERS
  catalogue/productpicker.h
  catalogue/stockpicker.h
  catalogue/vendordirectory.h
  pos/possettingspanel.h
  reporting/printersettingspanel.h
  reporting/saleshistorydialog.h)

file(GLOB_RECURSE files "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(problems "")
foreach(file IN LISTS files)
  file(RELATIVE_PATH relative "${SOURCE_DIR}" "${file}")
  string(REGEX MATCH "^[^/]+" floor "${relative}")
  if(NOT floor IN_LIST FLOORS)
    continue()
  endif()
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" header "${line}")
    if(header MATCHES "^ui_[^/]*\\.h$")
      continue() # forms generated beside their class
    endif()
    if(NOT header MATCHES "/")
      list(APPEND problems "${relative}: \"${header}\" is written without its folder")
      continue()
    endif()
    string(REGEX MATCH "^[^/]+" target "${header}")
    if(target IN_LIST ALLOWED_${floor})
      continue()
    endif()
    if(floor IN_LIST SCREENS AND target IN_LIST SCREENS AND header IN_LIST PUBLIC_SCREEN_HEADERS)
      continue()
    endif()
    list(APPEND problems "${relative}: ${floor} may not include \"${header}\"")
  endforeach()
  # core links no widgets; a module-qualified include would still find their headers.
  if(floor STREQUAL "core")
    file(STRINGS "${file}" widgetLines REGEX "^[ \t]*#[ \t]*include[ \t]*<Qt(Widgets|PrintSupport)/")
    foreach(line IN LISTS widgetLines)
      list(APPEND problems "${relative}: core may not include widgets: ${line}")
    endforeach()
  endif()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes against the floors:\n  ${text}")
endif()
list(LENGTH files count)
message(STATUS "Includes of ${count} files keep to the floors")
