# One static library per subsystem folder: every .cpp of the folder and of its
# db/ and ui/ subfolders belongs to it, so adding a file needs no CMake edit.
function(kalvor_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;RESOURCES" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(NOT cpp)
    # A subsystem whose folder has no code yet.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
    return()
  endif()
  add_library(${name} STATIC ${sources} ${ARG_RESOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# Every tests/<folder>/tst_*.cpp is one Qt Test executable under CTest.
function(kalvor_tests)
  cmake_parse_arguments(ARG "" "" "LIBS;LABELS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(src ${tests})
    get_filename_component(base ${src} NAME_WE)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(target ${folder}_${base})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE kalvor_testsupport ${ARG_LIBS} Qt6::Test)
    add_test(NAME ${folder}/${base} COMMAND ${target})
    set_tests_properties(${folder}/${base} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KALVOR_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
      LABELS "${folder};${ARG_LABELS}" TIMEOUT 600)
  endforeach()
endfunction()
