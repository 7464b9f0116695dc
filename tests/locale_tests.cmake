# The window's sessions once more under a comma-decimal locale, made first by
# localedef in the build tree and named through glibc's LOCPATH: reals must
# still show with a full stop and read back. (On Windows Qt leaves the C
# runtime in the C locale.)
set(commaLocales ${CMAKE_CURRENT_BINARY_DIR}/comma-locale)
add_test(NAME comma_locale
    COMMAND ${CMAKE_COMMAND} -DLOCPATH=${commaLocales} -P ${CMAKE_CURRENT_SOURCE_DIR}/make_comma_locale.cmake)
set_tests_properties(comma_locale PROPERTIES FIXTURES_SETUP comma_locale)
add_test(NAME window_comma_locale COMMAND test_window sessions)
set_tests_properties(window_comma_locale PROPERTIES FIXTURES_REQUIRED comma_locale TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LOCPATH=${commaLocales};LC_ALL=de_DE.UTF-8")
