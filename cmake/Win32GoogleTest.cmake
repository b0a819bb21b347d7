# GoogleTest for the Windows tests, built from the distribution's sources with
# the cross compiler (no prebuilt Win32 googletest exists).
set(TAVRIX_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "googletest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${TAVRIX_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# A GoogleTest program run under Wine, made of SOURCES, linked statically;
# scripts/test runs every *_tests.exe of the build. TVXHOOK.DLL is copied beside it so it loads the
# library by name, as the program does: the shipped one, or the build HOOK_LIBRARY names.
function(tavrix_wine_test name)
  cmake_parse_arguments(ARG "" "HOOK_LIBRARY" "SOURCES;DEPS" ${ARGN})
  if(NOT ARG_HOOK_LIBRARY)
    set(ARG_HOOK_LIBRARY tvxhook)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES SUFFIX ".exe")
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} gtest gtest_main)
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  add_dependencies(${name} ${ARG_HOOK_LIBRARY})
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${ARG_HOOK_LIBRARY}> $<TARGET_FILE_DIR:${name}>)
  # Also when only the library changed (the program then is not linked again).
  add_custom_target(${name}_hook_dll
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${ARG_HOOK_LIBRARY}> $<TARGET_FILE_DIR:${name}>
    DEPENDS ${ARG_HOOK_LIBRARY})
  add_dependencies(${name} ${name}_hook_dll)
endfunction()
