# Helpers that keep every subsystem folder built the same way.
#
# brambleby_library(<target> [DEPS <targets...>])
#   A static library of every .cpp in the calling folder; a folder of headers
#   only gives an interface library. Headers are included from the repository
#   root ("engine/core/cLog.h"), so the root is public.
#
# brambleby_test(<target> [DEPS <targets...>])
#   A GoogleTest executable of every .cpp in the calling folder, registered
#   with CTest test by test and run from the build folder, with the variables
#   of BRAMBLEBY_TEST_ENVIRONMENT when a special build sets it. A folder
#   without tests adds nothing.

include(GoogleTest)

function(brambleby_library target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

function(brambleby_test target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} test_support private_player_folders GTest::gtest_main GTest::gmock)
  target_compile_definitions(${target} PRIVATE
    BRAMBLEBY_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(test_properties)
  if(BRAMBLEBY_TEST_ENVIRONMENT)
    set(test_properties PROPERTIES ENVIRONMENT "${BRAMBLEBY_TEST_ENVIRONMENT}")
  endif()
  gtest_discover_tests(${target}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    DISCOVERY_TIMEOUT 30
    ${test_properties})
endfunction()
