# zovrek-tape csv: run in process on temporary files, and once end to end for its status.
zovrek_add_gtest(cli_csv_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/csv_test.cpp
  LIBS zovrek_cli)
target_include_directories(cli_csv_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/tape)

add_test(NAME cli_csv_missing_file COMMAND zovrek-tape csv /nonexistent/zovrek/none.cal)
set_tests_properties(cli_csv_missing_file PROPERTIES WILL_FAIL TRUE)
