# The command-line companion, run as a program on synthetic files.
find_package(nlohmann_json 3 REQUIRED)

add_executable(test_cli
    cli_test_support.h
    test_cli_show.cpp
    test_cli_set.cpp
)
target_link_libraries(test_cli PRIVATE veyrith_editing veyrith_npf_builder nlohmann_json::nlohmann_json GTest::gtest_main)
target_compile_definitions(test_cli PRIVATE VEYRITH_NPF_TOOL="$<TARGET_FILE:veyrith-npf>")
add_dependencies(test_cli veyrith-npf)
add_test(NAME cli COMMAND test_cli)

# restore and show of several files, through the tool's library.
add_executable(test_cli_restore test_cli_restore.cpp)
target_link_libraries(test_cli_restore PRIVATE veyrith_cli veyrith_npf_builder nlohmann_json::nlohmann_json GTest::gtest_main)
target_compile_definitions(test_cli_restore PRIVATE VEYRITH_NPF_TOOL="$<TARGET_FILE:veyrith-npf>")
add_dependencies(test_cli_restore veyrith-npf)
add_test(NAME cli_restore COMMAND test_cli_restore)
