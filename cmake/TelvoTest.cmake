# SPDX-License-Identifier: EUPL-1.2
# telvo_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest executable, run by ctest in a sandbox: a temporary HOME and
# XDG_DATA_HOME per test binary, the offscreen Qt platform and a UTF-8 locale.
find_package(GTest REQUIRED)
include(GoogleTest)

function(telvo_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TELVO_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
    TELVO_EXAMPLE_XML="${PROJECT_SOURCE_DIR}/data/solicitud-ejemplo.xml")
  set(sandbox "${CMAKE_BINARY_DIR}/sandbox/${name}")
  file(MAKE_DIRECTORY "${sandbox}/home" "${sandbox}/xdg")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;HOME=${sandbox}/home;XDG_DATA_HOME=${sandbox}/xdg;XDG_RUNTIME_DIR=${sandbox}/home;TELVO_TEST_SANDBOX=${sandbox}")
endfunction()
