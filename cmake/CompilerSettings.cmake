# Settings every target of the project shares, through the interface target
# metalweight_settings.
add_library(metalweight_settings INTERFACE)

target_compile_options(metalweight_settings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    # Weights must be bit-exact to the formulas: one rounding per operation, no fused
    # multiply-add, no reassociation.
    -ffp-contract=off -fno-fast-math)

if(METALWEIGHT_WERROR)
    target_compile_options(metalweight_settings INTERFACE -Werror)
endif()
