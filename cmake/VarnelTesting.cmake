# varnel_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>]
#                 [TIMEOUT <seconds>] [ENVIRONMENT <VAR=value...>]
#                 [SWITCHES <VAR...>])
#
# Builds one QtTest executable and registers it with CTest. Every test runs
# under the offscreen platform on a 1280x1024 screen, so no window shows and no
# screen-size question blocks a run. Each variable of SWITCHES registers one
# more run of the same executable with that variable set to 1, named after
# the test and the variable (tst_x_no_hard_links for VARNEL_TEST_NO_HARD_LINKS)
# and labelled with that name (no_hard_links) besides the test's own labels.
set(VARNEL_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/tests-bin)
set(VARNEL_TEST_SCREEN ${CMAKE_BINARY_DIR}/offscreen-screen.json)
file(WRITE ${VARNEL_TEST_SCREEN}
  "{\"screens\":[{\"name\":\"s1\",\"x\":0,\"y\":0,\"width\":1280,\"height\":1024,\"logicalDpi\":96}]}\n")

# The switches of the file layer for tests: each sends it down the path of a
# file system that CI's own disk does not take: saves without unnamed files
# (FAT, exFAT, a network share; see KavrinGUIToolkit::SaveWholeFile()) and
# renames without second names of a file (see TaskFolder::addName()). The
# tests of the task files pass SWITCHES ${VARNEL_FILE_SWITCHES} to run under
# each; those of a save alone, SWITCHES VARNEL_TEST_NO_TMPFILE.
set(VARNEL_FILE_SWITCHES VARNEL_TEST_NO_TMPFILE VARNEL_TEST_NO_HARD_LINKS)

function(varnel_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT;SWITCHES" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE varnel_flags Qt6::Test ${T_LIBS})
  target_compile_definitions(${name} PRIVATE
    VARNEL_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    VARNEL_PROGRAM_DIR="${VARNEL_PROGRAM_DIR}"
    VARNEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VARNEL_TEST_BIN_DIR})
  set(environment "QT_QPA_PLATFORM=offscreen:configfile=${VARNEL_TEST_SCREEN}" "LC_ALL=C.UTF-8"
    ${T_ENVIRONMENT})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    LABELS "${T_LABELS}"
    ENVIRONMENT "${environment}")
  foreach(switch ${T_SWITCHES})
    string(REGEX REPLACE "^VARNEL_TEST_" "" run "${switch}")
    string(TOLOWER "${run}" run)
    add_test(NAME ${name}_${run} COMMAND ${name})
    set_tests_properties(${name}_${run} PROPERTIES
      TIMEOUT ${T_TIMEOUT}
      LABELS "${T_LABELS};${run}"
      ENVIRONMENT "${environment};${switch}=1")
  endforeach()
endfunction()

