# Widget tests: Qt Test, run headless on the offscreen platform.

function(add_window_test name)
    add_executable(${name} ${ARGN})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE veyrith_window veyrith_npf_builder Qt6::Test)
    # The Help item looks for the guide beside the executable.
    add_dependencies(${name} veyrith_guide)
    if(WIN32)
        # A static Qt has only the plugins linked in. QT_QPA_PLATFORM did not
        # reach the program under Wine here, so the platform is named on its
        # command line; Qt Test's log shows only when written to a file.
        qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
        add_test(NAME ${name}
            COMMAND ${CMAKE_COMMAND} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
                    -DPROGRAM=$<TARGET_FILE:${name}> -DLOG=${CMAKE_CURRENT_BINARY_DIR}/${name}.txt
                    -P ${CMAKE_CURRENT_SOURCE_DIR}/run_qt_test.cmake)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    # A fault that opens a modal box the tests do not answer ends in the timeout.
    # In English, whatever the developer's desktop speaks.
    set_tests_properties(${name} PROPERTIES TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LANGUAGE=;LC_ALL=;LC_MESSAGES=")
endfunction()

add_window_test(test_window test_window.cpp)
# The window tests also run the built editor for its command line.
target_compile_definitions(test_window PRIVATE VEYRITH_EDITOR="$<TARGET_FILE:veyrith>")
target_link_libraries(test_window PRIVATE veyrith_version)
add_dependencies(test_window veyrith)

add_window_test(test_translations test_translations.cpp)
target_compile_definitions(test_translations PRIVATE VEYRITH_CATALOGS="${PROJECT_SOURCE_DIR}/translations")
if(WIN32)
    set(languageRuns de_DE)
else()
    list(JOIN VEYRITH_LUPDATE_OPTIONS "|" lupdateOptions)
    target_compile_definitions(test_translations PRIVATE VEYRITH_LUPDATE="$<TARGET_FILE:Qt6::lupdate>"
        VEYRITH_LUPDATE_OPTIONS="${lupdateOptions}" VEYRITH_TEXT_SOURCES="${CMAKE_BINARY_DIR}/generated/text_sources.lst")
    set(languageRuns de_DE es_ES fr_FR it_IT)
endif()
# The language the system asks for, one run a language: its row must not skip.
foreach(locale ${languageRuns})
    string(SUBSTRING ${locale} 0 2 language)
    if(WIN32)
        add_test(NAME system_language_${language}
            COMMAND ${CMAKE_COMMAND} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" -DARGUMENTS=systemLanguage:${language}
                    -DPROGRAM=$<TARGET_FILE:test_translations> -DLOG=${CMAKE_CURRENT_BINARY_DIR}/system_language_${language}.txt
                    -P ${CMAKE_CURRENT_SOURCE_DIR}/run_qt_test.cmake)
    else()
        add_test(NAME system_language_${language} COMMAND test_translations systemLanguage:${language})
    endif()
    set_tests_properties(system_language_${language} PROPERTIES FAIL_REGULAR_EXPRESSION "SKIP"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=${locale}.UTF-8;LANGUAGE=;LC_ALL=;LC_MESSAGES=")
endforeach()

if(WIN32)
    # The real program under Wine on an X server: its command line, caption,
    # the system's Open dialog (told by its window class) and the system menu.
    add_executable(top_windows top_windows.cpp)
    add_test(NAME windows_smoke
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_smoke.sh $<TARGET_FILE:veyrith>
                ${PROJECT_SOURCE_DIR}/samples/mireille.npf ${CMAKE_BINARY_DIR}/wine-prefix $<TARGET_FILE:top_windows>)
    set_tests_properties(windows_smoke PROPERTIES TIMEOUT 120 ENVIRONMENT "LANG=C.UTF-8;LANGUAGE=;LC_ALL=;LC_MESSAGES=")
endif()
