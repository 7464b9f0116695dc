include(${CMAKE_CURRENT_LIST_DIR}/host_headers.cmake)
add_host_header_library(CLI11 CLI11::CLI11 CLI)
