// Test main for the GoogleTest suites: the tests run under the locale the environment
// names (LC_ALL=de_DE.UTF-8, zh_CN.UTF-8, ...), so that a run under a decimal-comma
// locale shows that reading and showing numbers ignore the locale.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>

int main(int argc, char** argv) {
    if (std::setlocale(LC_ALL, "") != nullptr) {
        try {
            std::locale::global(std::locale(""));
        } catch (const std::runtime_error&) {
            // The C library knows the locale, the C++ library does not: keep "C" here.
        }
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
