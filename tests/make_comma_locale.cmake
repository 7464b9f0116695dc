# Generates de_DE.UTF-8, whose decimal point is a comma, into LOCPATH for the
# locale test. Fails, never skips: without it the test would prove nothing.
find_program(localedef localedef)
if(NOT localedef)
    message(FATAL_ERROR "localedef (libc-bin) is missing: cannot make the comma-decimal locale")
endif()
if(EXISTS ${LOCPATH}/de_DE.UTF-8/LC_NUMERIC)
    return() # made by an earlier run
endif()
file(REMOVE_RECURSE ${LOCPATH})
file(MAKE_DIRECTORY ${LOCPATH})
execute_process(COMMAND ${localedef} -i de_DE -f UTF-8 ${LOCPATH}/de_DE.UTF-8
    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "localedef could not make de_DE.UTF-8 (${failed}); its sources come with "
                        "Debian's locales package:\n${output}")
endif()
