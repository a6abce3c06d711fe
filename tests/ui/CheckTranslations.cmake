# Fails where the texts in the code and the translations have drifted apart: lupdate, run on copies
# of the translations, would change them (a new text is unfinished, a removed one dropped).
file(GLOB originals ${TS_DIR}/*.ts)
file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${originals} DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
string(REPLACE "|" ";" arguments "${LUPDATE_ARGS}")
execute_process(COMMAND ${LUPDATE} ${arguments} -ts ${copies} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed")
endif()
foreach(original ${originals})
    get_filename_component(name ${original} NAME)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${original} ${WORK_DIR}/${name}
                    RESULT_VARIABLE differs)
    if(differs)
        message(SEND_ERROR "ui/translations/${name} differs from the texts in the code: build the "
                "translations_update target, then translate what it marks unfinished")
    endif()
endforeach()
