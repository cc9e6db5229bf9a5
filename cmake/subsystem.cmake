# One static library per subsystem folder, built from every source file in
# it, and one test binary per folder of tests/ that mirrors it.

function(lx_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;LIBRARIES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  # A folder's main.cpp is its program's entry point, not library code.
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(lx_${name} STATIC ${sources})
  target_include_directories(lx_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(lx_${name} PUBLIC lx_${dep})
  endforeach()
  if(ARG_LIBRARIES)
    target_link_libraries(lx_${name} PUBLIC ${ARG_LIBRARIES})
  endif()
endfunction()

function(lx_test_suite name)
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(lx_${name}_tests ${sources})
  target_link_libraries(lx_${name}_tests PRIVATE ${ARGN} GTest::gtest_main GTest::gmock)
  target_include_directories(lx_${name}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # Named after the binary ("platform.Suite.Test"), so that ctest -R picks
  # a subsystem's tests by its name.
  gtest_discover_tests(lx_${name}_tests DISCOVERY_MODE PRE_TEST TEST_PREFIX "${name}.")
endfunction()
