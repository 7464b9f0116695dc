include(${CMAKE_CURRENT_LIST_DIR}/host_headers.cmake)
add_host_header_library(nlohmann_json nlohmann_json::nlohmann_json nlohmann)
