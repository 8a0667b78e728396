# Small helpers shared by every folder's CMakeLists.txt.

function(veldrano_optional_subdirectory folder)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${folder}/CMakeLists.txt)
    add_subdirectory(${folder})
  endif()
endfunction()

# veldrano_library(NAME SOURCES ... [LIBS ...] [SHARED])
# One library per source folder; include paths are relative to the repo root
# (#include "platform/db/value.h").
function(veldrano_library name)
  cmake_parse_arguments(ARG "SHARED" "" "SOURCES;LIBS" ${ARGN})
  if(ARG_SHARED)
    add_library(${name} SHARED ${ARG_SOURCES})
  else()
    add_library(${name} STATIC ${ARG_SOURCES})
  endif()
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# veldrano_test(NAME LABEL [WIDGETS] SOURCES ... LIBS ...)
# One GoogleTest executable per test folder, labelled with its folder so that
# `ctest -L db` runs just that folder. WIDGETS: the tests drive widgets, and
# main makes the application before them and ends it after them; they link
# the shared test support (tests/support), compiled once for all of them.
function(veldrano_test name label)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  if(ARG_WIDGETS)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} veldrano_test_support
                          veldrano_widgets_test_main Qt6::Widgets GTest::gtest GTest::gmock)
  else()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  endif()
  target_compile_definitions(${name} PRIVATE
    VELDRANO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    VELDRANO_BINARY_DIR="${CMAKE_BINARY_DIR}")
  # Widgets need a platform even while the tests are only being listed at
  # build time: run the program (listing and tests) under offscreen Qt.
  set_target_properties(${name} PROPERTIES
    CROSSCOMPILING_EMULATOR "/usr/bin/env;QT_QPA_PLATFORM=offscreen")
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${label}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
