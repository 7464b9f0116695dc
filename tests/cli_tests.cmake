# veyrith-npf's commands in process on synthetic files, on every platform; then
# a few runs of the built program for its argument parser, exit statuses and
# pipes (through a POSIX shell).
find_package(nlohmann_json 3 REQUIRED)

add_executable(test_cli cli_test_support.h test_cli_commands.cpp test_cli_restore.cpp test_cli_platform.cpp)
target_link_libraries(test_cli PRIVATE veyrith_cli veyrith_npf_builder nlohmann_json::nlohmann_json GTest::gtest_main)
add_test(NAME cli COMMAND test_cli)

if(NOT WIN32)
    add_executable(test_cli_program cli_test_support.h test_cli_program.cpp)
    target_link_libraries(test_cli_program PRIVATE veyrith_cli veyrith_npf_builder veyrith_version GTest::gtest_main)
    target_compile_definitions(test_cli_program PRIVATE VEYRITH_NPF_TOOL="$<TARGET_FILE:veyrith-npf>")
    add_dependencies(test_cli_program veyrith-npf)
    add_test(NAME cli_program COMMAND test_cli_program)
endif()

