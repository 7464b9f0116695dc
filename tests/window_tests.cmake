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

# The pages under a comma-decimal locale, made first by localedef in the build tree.
set(commaLocales ${CMAKE_CURRENT_BINARY_DIR}/comma-locale)
add_test(NAME comma_locale
    COMMAND ${CMAKE_COMMAND} -DLOCPATH=${commaLocales} -P ${CMAKE_CURRENT_SOURCE_DIR}/make_comma_locale.cmake)
set_tests_properties(comma_locale PROPERTIES FIXTURES_SETUP comma_locale)
add_window_test(test_locale test_locale.cpp)
set_tests_properties(test_locale PROPERTIES FIXTURES_REQUIRED comma_locale
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LOCPATH=${commaLocales};LC_ALL=de_DE.UTF-8")
