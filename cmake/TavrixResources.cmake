# The Windows resources of the program and its library: a version resource
# from the project's version for both, and for TAVRXP.EXE its icon (drawn by
# app/tavrxp/resources/make_icon.py at build time) and its manifest.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
string(TIMESTAMP TAVRIX_YEAR "%Y")
set(TAVRIX_RESOURCES ${CMAKE_SOURCE_DIR}/app/tavrxp/resources)

# Adds to `target` a version resource naming it `file_name` and describing it
# as `description`; FILETYPE is VFT_APP or VFT_DLL.
function(tavrix_version_resource target file_name description file_type)
  set(TAVRIX_FILE_NAME ${file_name})
  set(TAVRIX_FILE_DESCRIPTION ${description})
  set(TAVRIX_FILE_TYPE ${file_type})
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/resources-${target})
  configure_file(${TAVRIX_RESOURCES}/version.rc.in ${dir}/version.rc @ONLY)
  if(target STREQUAL tavrxp)
    set(TAVRIX_VERSION_QUAD ${PROJECT_VERSION}.0)
    configure_file(${TAVRIX_RESOURCES}/tavrxp.manifest ${dir}/tavrxp.manifest @ONLY)
    configure_file(${TAVRIX_RESOURCES}/tavrxp.rc.in ${dir}/resources.rc COPYONLY)
    add_custom_command(OUTPUT ${dir}/tavrix.ico
      COMMAND Python3::Interpreter ${TAVRIX_RESOURCES}/make_icon.py ${dir}/tavrix.ico
      DEPENDS ${TAVRIX_RESOURCES}/make_icon.py
      COMMENT "Drawing the program icon")
    set_source_files_properties(${dir}/resources.rc PROPERTIES
      OBJECT_DEPENDS "${dir}/tavrix.ico;${dir}/tavrxp.manifest;${dir}/version.rc")
    target_sources(${target} PRIVATE ${dir}/resources.rc ${dir}/tavrix.ico)
  else()
    target_sources(${target} PRIVATE ${dir}/version.rc)
  endif()
endfunction()
