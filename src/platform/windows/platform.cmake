# Windows: WinHTTP (HTTP, TLS with the system trust store), COM task
# allocator and GUIDs, adapters, zones and locales from the system.
target_compile_definitions(vantorel_core PRIVATE
  _WIN32_WINNT=0x0A00 WINVER=0x0A00 UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
target_link_libraries(vantorel_core PUBLIC winhttp ole32 shell32 iphlpapi ws2_32 advapi32 uuid)

# The DLL exports exactly the C functions of the public header, by name;
# hosts load "VantorelCom2.dll", without the "lib" prefix.
enable_language(RC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/VantorelCom2_version.rc @ONLY)
target_sources(VantorelCom2 PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/exports/VantorelCom2.def
  ${CMAKE_CURRENT_BINARY_DIR}/VantorelCom2_version.rc)
set_target_properties(VantorelCom2 PROPERTIES PREFIX "" IMPORT_PREFIX "")
