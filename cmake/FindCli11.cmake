# CLI11 for the command-line tools' options.
include(${CMAKE_CURRENT_LIST_DIR}/HeaderLibrary.cmake)
metalweight_header_library(CLI11::CLI11 CLI11 2.1 CLI/CLI.hpp)
