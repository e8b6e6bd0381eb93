# varnel_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>]
#                 [TIMEOUT <seconds>] [ENVIRONMENT <VAR=value...>])
#
# Builds one QtTest executable and registers it with CTest. Every test runs
# under the offscreen platform on a 1280x1024 screen, so no window shows and no
# screen-size question blocks a run.
set(VARNEL_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/tests-bin)
set(VARNEL_TEST_SCREEN ${CMAKE_BINARY_DIR}/offscreen-screen.json)
file(WRITE ${VARNEL_TEST_SCREEN}
  "{\"screens\":[{\"name\":\"s1\",\"x\":0,\"y\":0,\"width\":1280,\"height\":1024,\"logicalDpi\":96}]}\n")

function(varnel_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
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
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    LABELS "${T_LABELS}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${VARNEL_TEST_SCREEN};LC_ALL=C.UTF-8;${T_ENVIRONMENT}")
endfunction()

# varnel_add_switched_runs(<switch> <VAR=value> TESTS <tests...>)
#
# Runs each of the tests, registered in this folder already, once more as
# <test>-<switch> with the environment variable set: a test switch of the
# program that walks a path this machine's own disk never takes (a file system
# without unnamed files, or without second names). Each run keeps its test's
# timeout, environment and labels, and takes the switch as one more label.
function(varnel_add_switched_runs switch setting)
  cmake_parse_arguments(S "" "" "TESTS" ${ARGN})
  foreach(name ${S_TESTS})
    get_test_property(${name} TIMEOUT timeout)
    get_test_property(${name} LABELS labels)
    get_test_property(${name} ENVIRONMENT environment)
    add_test(NAME ${name}-${switch} COMMAND ${name})
    set_tests_properties(${name}-${switch} PROPERTIES
      TIMEOUT ${timeout}
      LABELS "${labels};${switch}"
      ENVIRONMENT "${environment};${setting}")
  endforeach()
endfunction()
