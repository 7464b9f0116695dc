# The pages under a comma-decimal locale, made first by localedef in the build
# tree and named through glibc's LOCPATH. (On Windows Qt leaves the C runtime
# in the C locale.)
set(commaLocales ${CMAKE_CURRENT_BINARY_DIR}/comma-locale)
add_test(NAME comma_locale
    COMMAND ${CMAKE_COMMAND} -DLOCPATH=${commaLocales} -P ${CMAKE_CURRENT_SOURCE_DIR}/make_comma_locale.cmake)
set_tests_properties(comma_locale PROPERTIES FIXTURES_SETUP comma_locale)
add_window_test(test_locale test_locale.cpp)
set_tests_properties(test_locale PROPERTIES FIXTURES_REQUIRED comma_locale
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LOCPATH=${commaLocales};LC_ALL=de_DE.UTF-8")
