# zovrek-tape pdf, in builds with the windows only: run in process, and once end to end
# without a display.
if(ZOVREK_BUILD_GUI)
  zovrek_add_gtest(cli_pdf_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pdf_test.cpp
    LIBS zovrek_cli)
  target_include_directories(cli_pdf_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/tape)

  add_test(NAME cli_pdf_missing_file
           COMMAND zovrek-tape pdf /nonexistent/zovrek/none.cal ${CMAKE_CURRENT_BINARY_DIR}/none.pdf)
  set_tests_properties(cli_pdf_missing_file PROPERTIES WILL_FAIL TRUE)
  add_test(NAME cli_pdf_without_display
           COMMAND sh -c "printf ' 1.00\\r\\n' | \"$1\" pack \"$2/t.cal\" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"$1\" pdf \"$2/t.cal\" \"$2/t.pdf\""
                   sh $<TARGET_FILE:zovrek-tape> ${CMAKE_CURRENT_BINARY_DIR})
endif()
