# Random files and random edits through the editing logic: a save writes only
# the bytes of the fields the edit owns.
add_executable(test_save_property test_save_property.cpp)
target_link_libraries(test_save_property PRIVATE veyrith_editing veyrith_npf veyrith_npf_builder GTest::gtest_main)
add_test(NAME save_property COMMAND test_save_property)
