# Orbet's languages. The .ts files here are the source of the translations: `cmake --build build
# --target update_translations` brings them up to date with the code (lupdate), and the build
# compiles them (lrelease) into the program, under :/i18n.
# The languages are listed once, in po/LINGUAS, which gettext reads too.
file(STRINGS ${PROJECT_SOURCE_DIR}/po/LINGUAS ORBET_LANGUAGES)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/LINGUAS)
set(ORBET_TS_FILES)
foreach(language ${ORBET_LANGUAGES})
    list(APPEND ORBET_TS_FILES ${CMAKE_CURRENT_LIST_DIR}/orbet_${language}.ts)
endforeach()
# No line numbers, so that a change elsewhere in a file leaves the catalogues as they are.
set(ORBET_LUPDATE_OPTIONS -no-obsolete -locations none)
qt_add_translations(orbetcore
    TS_FILES ${ORBET_TS_FILES}
    LUPDATE_OPTIONS ${ORBET_LUPDATE_OPTIONS}
    RESOURCE_PREFIX /i18n)

# English is the language of the code; its catalogue holds only the plural forms ("1 ball",
# "2 balls") that a text with a number needs.
set(ORBET_EN_TS ${CMAKE_CURRENT_LIST_DIR}/orbet_en.ts)
set(ORBET_EN_QM ${CMAKE_CURRENT_BINARY_DIR}/orbet_en.qm)
get_target_property(ORBET_SOURCES orbetcore SOURCES)
list(FILTER ORBET_SOURCES INCLUDE REGEX "\\.(cpp|h)$")
list(TRANSFORM ORBET_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/ REGEX "^[^/]")
# The files lupdate reads, one a line, for the check that the catalogues are up to date.
set(ORBET_LUPDATE_SOURCES ${CMAKE_BINARY_DIR}/orbet_lupdate_sources.txt)
file(GENERATE OUTPUT ${ORBET_LUPDATE_SOURCES} CONTENT "$<JOIN:${ORBET_SOURCES},\n>\n")
add_custom_target(orbet_en_lupdate
    COMMAND Qt6::lupdate ${ORBET_LUPDATE_OPTIONS} -pluralonly ${ORBET_SOURCES} -ts ${ORBET_EN_TS}
    VERBATIM)
add_dependencies(update_translations orbet_en_lupdate)
add_custom_command(OUTPUT ${ORBET_EN_QM}
    COMMAND Qt6::lrelease ${ORBET_EN_TS} -qm ${ORBET_EN_QM}
    DEPENDS ${ORBET_EN_TS} VERBATIM)
set_source_files_properties(${ORBET_EN_QM} PROPERTIES GENERATED TRUE)
qt_add_resources(orbetcore "orbet_english" PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${ORBET_EN_QM})

# The desktop entry and the AppStream file take their translations from gettext catalogues in
# po/, the form the desktop's own tools (msgfmt --desktop, --xml) read and translators know.
# `update_translations` also brings po/orbet.pot and the .po files up to date with them.
find_program(ORBET_MSGFMT msgfmt REQUIRED)
find_program(ORBET_XGETTEXT xgettext REQUIRED)
find_program(ORBET_MSGMERGE msgmerge REQUIRED)
find_program(ORBET_MSGCAT msgcat REQUIRED)
set(ORBET_PO_DIR ${PROJECT_SOURCE_DIR}/po)
set(ORBET_DESKTOP_IN ${PROJECT_SOURCE_DIR}/assets/com.example.Orbet.desktop.in)
set(ORBET_METAINFO_IN ${PROJECT_SOURCE_DIR}/assets/com.example.Orbet.metainfo.xml.in)
set(ORBET_DESKTOP ${CMAKE_BINARY_DIR}/com.example.Orbet.desktop)
set(ORBET_METAINFO ${CMAKE_BINARY_DIR}/com.example.Orbet.metainfo.xml)
file(GLOB ORBET_PO_FILES ${ORBET_PO_DIR}/*.po)
add_custom_command(OUTPUT ${ORBET_DESKTOP}
    COMMAND ${ORBET_MSGFMT} --desktop --template=${ORBET_DESKTOP_IN} -d ${ORBET_PO_DIR}
            -o ${ORBET_DESKTOP}
    DEPENDS ${ORBET_DESKTOP_IN} ${ORBET_PO_FILES} ${ORBET_PO_DIR}/LINGUAS VERBATIM)
add_custom_command(OUTPUT ${ORBET_METAINFO}
    COMMAND ${ORBET_MSGFMT} --xml --template=${ORBET_METAINFO_IN} -d ${ORBET_PO_DIR}
            -o ${ORBET_METAINFO}
    DEPENDS ${ORBET_METAINFO_IN} ${ORBET_PO_FILES} ${ORBET_PO_DIR}/LINGUAS VERBATIM)
# The messages the .po files translate, as they stand in the desktop entry and the AppStream
# file now; the check that the .po files are complete reads it too.
set(ORBET_POT ${CMAKE_CURRENT_BINARY_DIR}/orbet.pot)
add_custom_command(OUTPUT ${ORBET_POT}
    COMMAND ${ORBET_XGETTEXT} --language=Desktop -k -kName -kGenericName -kComment -kKeywords
            --no-location --package-name=orbet ${ORBET_DESKTOP_IN} -o desktop.pot
    COMMAND ${ORBET_XGETTEXT} --its=/usr/share/gettext/its/metainfo.its --no-location
            --package-name=orbet ${ORBET_METAINFO_IN} -o metainfo.pot
    COMMAND ${ORBET_MSGCAT} --use-first desktop.pot metainfo.pot -o ${ORBET_POT}
    DEPENDS ${ORBET_DESKTOP_IN} ${ORBET_METAINFO_IN}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} VERBATIM)
add_custom_target(orbet_desktop_files ALL DEPENDS ${ORBET_DESKTOP} ${ORBET_METAINFO} ${ORBET_POT})
add_custom_target(orbet_po_update
    COMMAND ${CMAKE_COMMAND} -E copy ${ORBET_POT} ${ORBET_PO_DIR}/orbet.pot
    COMMAND ${CMAKE_COMMAND} -DPO_DIR=${ORBET_PO_DIR} -DMSGMERGE=${ORBET_MSGMERGE}
            -P ${CMAKE_CURRENT_LIST_DIR}/merge_po.cmake
    DEPENDS ${ORBET_POT} VERBATIM)
add_dependencies(update_translations orbet_po_update)
