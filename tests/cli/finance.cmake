# zovrek-tape interest, savings, annuity, loan and sci, run in process.
zovrek_add_gtest(cli_finance_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/finance_test.cpp
  LIBS zovrek_cli)
