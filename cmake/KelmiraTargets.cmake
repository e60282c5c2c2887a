# Warnings are errors on every target of our own; third-party code is never
# compiled with these flags.
function(kelmira_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# Code that goes into the module plugin (frame, feature folders, registrations,
# entry points): position-independent, with every symbol hidden, so the plugin
# exports its entry points and nothing else.
function(kelmira_module_code target)
  set_target_properties(${target} PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  kelmira_strict(${target})
endfunction()

# One GoogleTest binary per top-level source folder, sharing the offscreen test main.
function(kelmira_test_binary name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  kelmira_strict(${name})
  target_link_libraries(${name} PRIVATE kelmira_test_support ${ARG_LIBS} GTest::gtest)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    DISCOVERY_TIMEOUT 60)
endfunction()

# Runs the store tests of a test binary (suites named Bo*) a second time against
# the private PostgreSQL server, labelled pg.
function(kelmira_pg_tests name)
  gtest_discover_tests(${name}
    TEST_PREFIX "pg:"
    TEST_FILTER "Bo*:*/Bo*"
    EXTRA_ARGS --engine=postgres
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      LABELS pg
      FIXTURES_REQUIRED pg
      ENVIRONMENT "KELMIRA_PG_SERVER_DIR=${KELMIRA_PG_STATE}")
endfunction()
