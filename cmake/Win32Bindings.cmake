# Windows build: the hook library's binding to the program (store/win32).
# TVXHOOK.DLL itself is built in hook/; it goes beside TAVRXP.EXE, where the
# program loads it from.
set_target_properties(tvxhook PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/app/tavrxp)

tavrix_win32_sources(store_win32_sources store)
if(store_win32_sources)
  add_library(tavrix_store_win32 STATIC ${store_win32_sources})
  target_include_directories(tavrix_store_win32 PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tavrix_store_win32 PUBLIC tavrix_store)
  target_compile_options(tavrix_store_win32 PRIVATE -Wall -Wextra)
endif()
