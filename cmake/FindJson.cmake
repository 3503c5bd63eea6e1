# nlohmann-json for the tools and tests: Debian's package on the host. A cross build
# takes the same header-only library from a copy of its headers in the build tree, so
# that the host's /usr/include, with glibc's headers in it, never reaches the cross
# compiler.
if(TARGET nlohmann_json::nlohmann_json)
    return()
endif()
if(NOT CMAKE_CROSSCOMPILING)
    find_package(nlohmann_json 3.10 REQUIRED)
    return()
endif()
find_path(METALWEIGHT_HOST_JSON_DIR nlohmann/json.hpp PATHS /usr/include NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(json_copy ${PROJECT_BINARY_DIR}/cross-include)
file(COPY ${METALWEIGHT_HOST_JSON_DIR}/nlohmann DESTINATION ${json_copy})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${json_copy})
