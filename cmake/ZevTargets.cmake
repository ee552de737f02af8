# Each source folder builds two static libraries from the files it holds:
#   zev_<folder>_logic  everything that is not a window (rules, tables, texts), QtCore at most
#                       (the shell's page links open addresses through QtGui)
#   zev_<folder>        the windows: the frm* classes with their Designer forms
# so that the logic can be tested while a window of the same folder is being worked on.
# WINDOW_FILES names further files (without extension) that belong with the windows because
# they open or manage them; the shell has a few.
function(zev_folder folder)
  cmake_parse_arguments(ARG "" "" "LOGIC_LINKS;WINDOW_LINKS;WINDOW_FILES" ${ARGN})
  file(GLOB all CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  set(window_names "frm[^/]*")
  foreach(name ${ARG_WINDOW_FILES})
    string(APPEND window_names "|${name}\\.(cpp|h)")
  endforeach()
  set(windows ${all})
  list(FILTER windows INCLUDE REGEX "/(${window_names})$")
  set(logic ${all})
  list(FILTER logic EXCLUDE REGEX "/(${window_names})$")

  set(logic_sources ${logic})
  list(FILTER logic_sources INCLUDE REGEX "\\.cpp$")
  if(logic_sources)
    add_library(zev_${folder}_logic STATIC ${logic})
    target_include_directories(zev_${folder}_logic PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(zev_${folder}_logic PUBLIC ${ARG_LOGIC_LINKS})
  else()
    add_library(zev_${folder}_logic INTERFACE ${logic})
    target_include_directories(zev_${folder}_logic INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(zev_${folder}_logic INTERFACE ${ARG_LOGIC_LINKS})
  endif()

  if(windows)
    add_library(zev_${folder} STATIC ${windows})
    target_link_libraries(zev_${folder} PUBLIC zev_${folder}_logic ${ARG_WINDOW_LINKS})
  else()
    add_library(zev_${folder} INTERFACE)
    target_link_libraries(zev_${folder} INTERFACE zev_${folder}_logic ${ARG_WINDOW_LINKS})
  endif()
endfunction()

# One test executable per tests/<folder>/test_*.cpp, run headless through CTest on a screen of a
# common desktop size (tests/support/screens/).
# Window tests (test_frm*.cpp) link the whole program, so the launcher and every window are there;
# the others link only their folder's logic.
function(zev_tests folder)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
  foreach(source ${tests})
    get_filename_component(stem ${source} NAME_WE)
    set(target ${folder}_${stem})
    add_executable(${target} ${source})
    if(stem MATCHES "^test_frm")
      target_link_libraries(${target} PRIVATE zev_test_support zev_gemmarium)
    else()
      target_link_libraries(${target} PRIVATE zev_test_support zev_${folder}_logic)
    endif()
    add_test(NAME ${folder}/${stem} COMMAND ${target})
    set_tests_properties(${folder}/${stem} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/screens/1366x768.json;ZEV_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
        TIMEOUT 600)
    # The user's data (the book of people) in the build tree, never in the home folder.
    set_property(TEST ${folder}/${stem} APPEND PROPERTY ENVIRONMENT "XDG_DATA_HOME=${CMAKE_CURRENT_BINARY_DIR}/${stem}.data")
  endforeach()
endfunction()

# Test functions that need a real X server (the primary selection, the clipboard shared with
# other programs) run once more on X11: `xvfb-run ctest -L x11`, as scripts/test does. The
# label keeps them out of the offscreen run; there they may skip, here a skip fails. Without
# a display CTest reports them as not run. They share one display and its clipboard, so they
# run one at a time.
function(zev_x11_test folder stem)
  set(name ${folder}/${stem}_x11)
  add_test(NAME ${name}
           COMMAND sh -c "test -n \"$DISPLAY\" || { echo 'no X display'; exit 77; }; exec \"$0\" \"$@\""
                   $<TARGET_FILE:${folder}_${stem}> ${ARGN})
  set_tests_properties(${name} PROPERTIES
      LABELS x11
      SKIP_RETURN_CODE 77
      ENVIRONMENT "QT_QPA_PLATFORM=xcb;ZEV_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
      FAIL_REGULAR_EXPRESSION "(^|\n)SKIP +:"
      RESOURCE_LOCK x11_display
      TIMEOUT 600)
endfunction()
