# A header-only library for the tools and tests: Debian's package on the host. A cross
# build takes the same headers from a copy in the build tree, so that the host's
# /usr/include, with glibc's headers in it, never reaches the cross compiler.
#   metalweight_header_library(TARGET PACKAGE VERSION HEADER)
# HEADER is one header's path under /usr/include; its first folder is copied.
macro(metalweight_header_library target package version header)
    if(NOT TARGET ${target})
        if(NOT CMAKE_CROSSCOMPILING)
            find_package(${package} ${version} REQUIRED)
        else()
            string(REGEX REPLACE "/.*" "" header_folder ${header})
            find_path(METALWEIGHT_HOST_${package}_DIR ${header} PATHS /usr/include
                      NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
            file(COPY ${METALWEIGHT_HOST_${package}_DIR}/${header_folder}
                 DESTINATION ${PROJECT_BINARY_DIR}/cross-include)
            add_library(${target} INTERFACE IMPORTED GLOBAL)
            target_include_directories(${target} SYSTEM INTERFACE
                                       ${PROJECT_BINARY_DIR}/cross-include)
        endif()
    endif()
endmacro()
