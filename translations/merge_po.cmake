# Brings every language's .po file in PO_DIR up to date with orbet.pot, or starts it.
file(STRINGS ${PO_DIR}/LINGUAS languages)
foreach(language ${languages})
    set(po ${PO_DIR}/${language}.po)
    if(EXISTS ${po})
        execute_process(COMMAND ${MSGMERGE} --quiet --update --backup=none --no-location
                                ${po} ${PO_DIR}/orbet.pot COMMAND_ERROR_IS_FATAL ANY)
    else()
        execute_process(COMMAND msginit --no-translator --locale=${language}
                                --input=${PO_DIR}/orbet.pot --output-file=${po}
                                COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
