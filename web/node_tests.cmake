# The core suites (foundation up to the chart store) built with em++ and run
# under node, so the engine is tested as the page runs it (make test; ctest
# in the web build). GoogleTest comes from Debian's googletest sources. Left
# out: the test that forks a writer and kills it and the store's fault tests
# (full file systems, other users, killed processes: none under node), and
# the suites of the window system and above (they need the native hosts).
set(googletest_dir /usr/src/googletest)
if(NOT EXISTS ${googletest_dir}/CMakeLists.txt)
  message(STATUS "node tests: no ${googletest_dir}, not built")
  return()
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${googletest_dir} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

find_program(ORRERY_NODE node REQUIRED)
add_custom_target(node_tests)
foreach(layer foundation astro chart atlas store)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${layer}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/store_faults_test\\.cpp$")
  add_executable(node_test_${layer} EXCLUDE_FROM_ALL ${sources})
  target_link_libraries(node_test_${layer} PRIVATE orrery_core gtest gtest_main)
  target_compile_definitions(node_test_${layer} PRIVATE
    ORRERY_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ORRERY_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  # The host's files as they are (the suites read reference data and write
  # temporary homes); node 20 would fetch the wasm as a URL.
  target_link_options(node_test_${layer} PRIVATE -sNODERAWFS=1 -sENVIRONMENT=node
    -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)
  add_dependencies(node_tests node_test_${layer})
  add_test(NAME node_${layer}
    COMMAND ${ORRERY_NODE} --no-experimental-fetch $<TARGET_FILE:node_test_${layer}>
            --gtest_filter=-ChartFileLayoutTest.WriterKilledBeforeTheRenameLeavesTheOldFile)
endforeach()
