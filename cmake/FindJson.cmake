# nlohmann-json for the tools and tests.
include(${CMAKE_CURRENT_LIST_DIR}/HeaderLibrary.cmake)
metalweight_header_library(nlohmann_json::nlohmann_json nlohmann_json 3.10 nlohmann/json.hpp)
