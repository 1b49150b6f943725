# Helpers shared by the subsystem folders.

# vex_core_library(<name> SOURCES ... [LIBS ...])
# A core library may link Qt Core (and the other core libraries) but never Qt Widgets
# or Qt Gui: a widget include in a core file must fail to compile.
# The whole closure of what it links is checked by vex_check_layers once every target exists.
function(vex_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core ${ARG_LIBS})
  vex_reject_window_includes(${name} ${ARG_SOURCES})
  set_property(GLOBAL APPEND PROPERTY VEX_CORE_LIBRARIES ${name})
endfunction()

# Qt's include root is on every Qt target's path, so <QtWidgets/QWidget> would compile in
# a core library even though <QWidget> does not: such includes are refused here.
function(vex_reject_window_includes name)
  foreach(source ${ARGN})
    set(path ${CMAKE_CURRENT_SOURCE_DIR}/${source})
    if(NOT EXISTS ${path})
      continue()
    endif()
    file(STRINGS ${path} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Qt(Gui|Widgets|PrintSupport|OpenGL)/")
    if(hits)
      message(FATAL_ERROR "core library ${name}: ${source} includes a window header: ${hits}")
    endif()
  endforeach()
endfunction()

# Fails the configuration when a core library reaches Qt Widgets, Qt Gui or a widgets
# library through anything it links, directly or not.
function(vex_check_layers)
  get_property(cores GLOBAL PROPERTY VEX_CORE_LIBRARIES)
  get_property(windows GLOBAL PROPERTY VEX_WIDGETS_LIBRARIES)
  foreach(core ${cores})
    set(pending ${core})
    set(seen "")
    while(pending)
      list(POP_FRONT pending current)
      if(current IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${current})
      if(current MATCHES "^Qt6::(Widgets|Gui|PrintSupport|OpenGL)$" OR current IN_LIST windows)
        message(FATAL_ERROR "core library ${core} links ${current} (through: ${seen})")
      endif()
      if(TARGET ${current} AND NOT current MATCHES "^Qt6::")
        get_target_property(links ${current} LINK_LIBRARIES)
        if(links)
          list(APPEND pending ${links})
        endif()
      endif()
    endwhile()
  endforeach()
endfunction()

# vex_widgets_library(<name> SOURCES ... [LIBS ...])
function(vex_widgets_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARG_LIBS})
  set_property(GLOBAL APPEND PROPERTY VEX_WIDGETS_LIBRARIES ${name})
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

# Installed, the programs live together in one folder as they do in the build, so that
# vexloader finds its adjustments and help folders beside itself; bin holds a link to each.
set(VEX_INSTALL_PROGRAM_DIR lib/vexloader)

# vex_install_program(<target>): installs the program into that folder with its link in bin.
function(vex_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${VEX_INSTALL_PROGRAM_DIR})
  set(links ${CMAKE_BINARY_DIR}/install-links)
  file(MAKE_DIRECTORY ${links})
  file(CREATE_LINK ../${VEX_INSTALL_PROGRAM_DIR}/${target} ${links}/${target} SYMBOLIC)
  install(FILES ${links}/${target} DESTINATION bin)
endfunction()

# vex_model(CORE <core library> WIDGETS <widgets library>)
# Called by a model's folder: the registry (devices_core) gets the model's definition from its
# core library and the editor factory (devices_widgets) its editor from its widgets library.
function(vex_model)
  cmake_parse_arguments(ARG "" "CORE;WIDGETS" "" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY VEX_MODEL_CORE_LIBRARIES ${ARG_CORE})
  set_property(GLOBAL APPEND PROPERTY VEX_MODEL_WIDGETS_LIBRARIES ${ARG_WIDGETS})
endfunction()

# Links the libraries of every model named by vex_model() into the registry and the editor
# factory, once every folder has been read.
function(vex_link_models)
  get_property(cores GLOBAL PROPERTY VEX_MODEL_CORE_LIBRARIES)
  get_property(widgets GLOBAL PROPERTY VEX_MODEL_WIDGETS_LIBRARIES)
  target_link_libraries(devices_core PUBLIC ${cores})
  target_link_libraries(devices_widgets PUBLIC ${widgets})
endfunction()
