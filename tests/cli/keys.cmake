zovrek_add_gtest(cli_keys_tests SOURCES keys_test.cpp LIBS zovrek_cli nlohmann_json::nlohmann_json)

# The installed command itself, end to end.
add_test(NAME cli_keys_example COMMAND zovrek-tape keys "12.5*4=" C 7 SQRT)
set_tests_properties(cli_keys_example PROPERTIES
  PASS_REGULAR_EXPRESSION " 12.50\n \\*\n 4.00\n =\n 50.00\n @\n \\(SQRT\\)\n 7.00\n =\n 2.65\ndisplay: 2.65\n")
add_test(NAME cli_keys_unknown_token COMMAND zovrek-tape keys 5 FROB)
set_tests_properties(cli_keys_unknown_token PROPERTIES WILL_FAIL TRUE)
