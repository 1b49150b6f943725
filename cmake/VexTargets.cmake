# Helpers shared by the subsystem folders.

# vex_core_library(<name> SOURCES ... [LIBS ...])
# A core library may link Qt Core (and the other core libraries) but never Qt Widgets
# or Qt Gui: a widget include in a core file must fail to compile.
function(vex_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core ${ARG_LIBS})
  foreach(lib ${ARG_LIBS})
    if(lib MATCHES "Qt6::(Widgets|Gui)")
      message(FATAL_ERROR "core library ${name} must not link ${lib}")
    endif()
  endforeach()
endfunction()

# vex_widgets_library(<name> SOURCES ... [LIBS ...])
function(vex_widgets_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARG_LIBS})
endfunction()

# vex_test(<name> SOURCES ... LIBS ... LABELS ...)
# One Qt Test executable registered with CTest; widgets tests run on the offscreen platform.
function(vex_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${ARG_LABELS}"
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VEX_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
endfunction()

# Adds every direct subfolder of the current folder that has a CMakeLists.txt, in name order.
function(vex_add_subfolders)
  file(GLOB entries LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT entries)
  foreach(entry ${entries})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${entry}/CMakeLists.txt)
      add_subdirectory(${entry})
    endif()
  endforeach()
endfunction()
