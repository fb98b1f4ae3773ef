include(GoogleTest)

# tessary_add_test(<name> LABEL <label> SOURCES <files...> LIBRARIES <targets...>)
# One GoogleTest program carrying <label>. Normal builds register every case as a ctest test;
# sanitizer builds run each program once, since an instrumented process is slow to start.
function(tessary_add_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main tessary_options)
  # Helpers every test program may share live at the top of tests/.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(TESSARY_SANITIZE)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES LABELS ${ARG_LABEL})
  else()
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      PROPERTIES LABELS ${ARG_LABEL}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
endfunction()
