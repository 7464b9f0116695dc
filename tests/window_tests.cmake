# Widget tests: Qt Test, run headless on the offscreen platform.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

function(add_window_test name)
    add_executable(${name} ${ARGN})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE veyrith_window veyrith_npf_builder Qt6::Test)
    # The Help item looks for the guide beside the executable in bin/.
    add_dependencies(${name} veyrith_guide)
    add_test(NAME ${name} COMMAND ${name})
    # A fault that opens a modal box the tests do not answer ends in the timeout.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()

add_window_test(test_window test_window.cpp)
