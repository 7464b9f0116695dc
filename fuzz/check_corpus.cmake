# Fails when fuzz/corpus/ is not exactly what make_fuzz_corpus writes.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${GENERATOR} ${SCRATCH} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND diff -r ${CORPUS} ${SCRATCH} RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "fuzz/corpus/ is not what make_fuzz_corpus writes; regenerate it")
endif()
