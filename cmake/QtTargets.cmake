# Helpers for the Qt targets: libraries of windows, and Qt Test programs run offscreen.

# A static library of windows beside the windowless library it shows.
function(zovrek_qt_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  zovrek_warnings(${name})
endfunction()

# A Qt Test program driving real widgets on the offscreen platform, registered with CTest.
# Each test gets a settings folder, a state folder (crash-recovery files) and a cache folder
# (kept pictures) of its own, so nothing touches the user's, and no sound server, so a
# desktop running the tests stays silent.
function(zovrek_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test zovrek_qt_test_support)
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  zovrek_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PULSE_SERVER=unix:/nonexistent;LANG=C.UTF-8;LC_ALL=C.UTF-8;ZOVREK_CONFIG_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}.config;ZOVREK_STATE_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}.state;ZOVREK_CACHE_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}.cache;QT_FATAL_WARNINGS=0"
    TIMEOUT 120)
endfunction()
