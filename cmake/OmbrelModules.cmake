# ombrel_module(name [dependency ...]) declares the object library ombrel_<name>
# from every .cpp under src/<name>/; dependencies are other module names.
set(OMBREL_MODULES "" CACHE INTERNAL "")

function(ombrel_module name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  if(NOT sources)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(ombrel_${name} OBJECT ${sources})
  target_include_directories(ombrel_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  foreach(dep ${ARGN})
    target_link_libraries(ombrel_${name} PUBLIC ombrel_${dep})
  endforeach()
  set(OMBREL_MODULES ${OMBREL_MODULES} ${name} CACHE INTERNAL "")
endfunction()

# ombrel_test(name module...) builds tests/<name>/*.cpp into test_<name>,
# linked against the listed modules, and registers every test with CTest.
function(ombrel_test name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  foreach(dep ${ARGN})
    target_link_libraries(test_${name} PRIVATE ombrel_${dep})
  endforeach()
  target_link_libraries(test_${name} PRIVATE ombrel_testsupport GTest::gtest GTest::gtest_main)
  target_compile_definitions(test_${name} PRIVATE
    OMBREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    OMBREL_VALIDATION_DIR="${CMAKE_SOURCE_DIR}/tests/data/validation")
  gtest_discover_tests(test_${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60)
endfunction()
