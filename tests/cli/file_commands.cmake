# zovrek-tape cat and pack, run in process on string streams and temporary files.
zovrek_add_gtest(cli_file_commands_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/file_commands_test.cpp
  LIBS zovrek_cli)
target_include_directories(cli_file_commands_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/tape)

# The command itself, end to end: a damaged file fails, bad arguments are a usage error.
add_test(NAME cli_cat_missing_file COMMAND zovrek-tape cat /nonexistent/zovrek/none.cal)
set_tests_properties(cli_cat_missing_file PROPERTIES WILL_FAIL TRUE)
add_test(NAME cli_pack_without_file COMMAND zovrek-tape pack)
set_tests_properties(cli_pack_without_file PROPERTIES WILL_FAIL TRUE)
