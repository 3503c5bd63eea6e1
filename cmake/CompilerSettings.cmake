# Settings every target of the project shares, through the interface target
# metalweight_settings.
add_library(metalweight_settings INTERFACE)

if(MSVC)
    # UTF-8 sources and strict standard C++; /fp:precise keeps every operation rounded
    # on its own, as the weights require.
    target_compile_options(metalweight_settings INTERFACE /W4 /permissive- /utf-8 /fp:precise)
    if(METALWEIGHT_WERROR)
        target_compile_options(metalweight_settings INTERFACE /WX)
    endif()
else()
    target_compile_options(metalweight_settings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        # Weights must be bit-exact to the formulas: one rounding per operation, no fused
        # multiply-add, no reassociation.
        -ffp-contract=off -fno-fast-math)
    if(METALWEIGHT_WERROR)
        target_compile_options(metalweight_settings INTERFACE -Werror)
    endif()

    # Hardened binaries: position-independent executables, stack protection and full
    # RELRO; checked buffer functions where the optimiser runs (not with the sanitizers,
    # which check more themselves).
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    target_compile_options(metalweight_settings INTERFACE -fstack-protector-strong)
    if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
        # Windows compilers probe a large stack frame page by page already (__chkstk),
        # which is what this adds on Linux; MinGW's GCC 12 also fails on it in some
        # functions with exception tables.
        target_compile_options(metalweight_settings INTERFACE -fstack-clash-protection)
        target_link_options(metalweight_settings INTERFACE -Wl,-z,relro -Wl,-z,now)
    elseif(MINGW)
        # MinGW's runtime has no stack protector of its own: libssp provides it, and
        # the checked buffer functions of _FORTIFY_SOURCE.
        target_link_libraries(metalweight_settings INTERFACE ssp)
    endif()
    if(NOT METALWEIGHT_SANITIZE)
        target_compile_definitions(metalweight_settings INTERFACE
            $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    endif()
endif()

# AddressSanitizer and UndefinedBehaviorSanitizer over everything the project builds.
if(METALWEIGHT_SANITIZE)
    target_compile_options(metalweight_settings INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(metalweight_settings INTERFACE -fsanitize=address,undefined)
endif()

# libFuzzer instrumentation for the libraries the fuzz targets link (clang only).
if(METALWEIGHT_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "METALWEIGHT_FUZZ needs clang++")
    endif()
    target_compile_options(metalweight_settings INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage-ignorelist.txt)
    target_link_options(metalweight_settings INTERFACE -fsanitize=address,undefined)
endif()
