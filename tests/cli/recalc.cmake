# zovrek-tape recalc, run in process on string streams.
zovrek_add_gtest(cli_recalc_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/recalc_test.cpp
  LIBS zovrek_cli nlohmann_json::nlohmann_json)
