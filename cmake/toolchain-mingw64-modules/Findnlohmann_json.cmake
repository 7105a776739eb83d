# nlohmann/json for the Windows cross-build. The header-only library lives
# in the build machine's /usr/include, which the cross compiler must not
# search as a whole: only its own folder is linked into a staging folder.
find_path(VANTOREL_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(VANTOREL_NLOHMANN_JSON_INCLUDE AND NOT TARGET nlohmann_json::nlohmann_json)
  set(staging ${CMAKE_BINARY_DIR}/cross-include)
  file(MAKE_DIRECTORY ${staging})
  file(CREATE_LINK ${VANTOREL_NLOHMANN_JSON_INCLUDE}/nlohmann ${staging}/nlohmann SYMBOLIC)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${staging})
endif()
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(nlohmann_json REQUIRED_VARS VANTOREL_NLOHMANN_JSON_INCLUDE)
