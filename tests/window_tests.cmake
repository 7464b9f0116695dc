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
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()

add_window_test(test_window test_window.cpp)
# The window tests also run the built editor for its command line.
target_compile_definitions(test_window PRIVATE VEYRITH_EDITOR="$<TARGET_FILE:veyrith>")
target_link_libraries(test_window PRIVATE veyrith_version)
add_dependencies(test_window veyrith)

if(WIN32)
    # The real program under Wine on an X server: its command line, caption,
    # the system's Open dialog (told by its window class) and the system menu.
    add_executable(top_windows top_windows.cpp)
    add_test(NAME windows_smoke
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows_smoke.sh $<TARGET_FILE:veyrith>
                ${PROJECT_SOURCE_DIR}/samples/mireille.npf ${CMAKE_BINARY_DIR}/wine-prefix $<TARGET_FILE:top_windows>)
    set_tests_properties(windows_smoke PROPERTIES TIMEOUT 120)
endif()
