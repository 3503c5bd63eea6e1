# Registers the cases of a GoogleTest program with ctest, one ctest test a case, the same
# way for every suite, native or cross-built:
#   metalweight_gtest_suite(TARGET [gtest_discover_tests options...])
# The cases are listed when ctest runs, not when the build does. A program built for
# Windows is listed under Wine, whose start can take seconds on a busy machine; a listing
# that is slow must neither fail the build nor delete the program it lists.
include(GoogleTest)

set(METALWEIGHT_TEST_LISTING_TIMEOUT 300 CACHE STRING
    "Seconds a test program may take to list its cases")

function(metalweight_gtest_suite target)
    gtest_discover_tests(${target} NO_PRETTY_VALUES
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT ${METALWEIGHT_TEST_LISTING_TIMEOUT}
        ${ARGN})
endfunction()
