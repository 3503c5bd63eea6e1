# CLI11 for the command-line tools: Debian's package on the host. A cross build takes the
# same header-only library from a copy of its headers in the build tree, as for
# nlohmann-json, so that the host's /usr/include never reaches the cross compiler.
if(TARGET CLI11::CLI11)
    return()
endif()
if(NOT CMAKE_CROSSCOMPILING)
    find_package(CLI11 2.1 REQUIRED)
    return()
endif()
find_path(METALWEIGHT_HOST_CLI11_DIR CLI/CLI.hpp PATHS /usr/include NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(cli11_copy ${PROJECT_BINARY_DIR}/cross-include)
file(COPY ${METALWEIGHT_HOST_CLI11_DIR}/CLI DESTINATION ${cli11_copy})
add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${cli11_copy})
