# The sounds and icons are made by our own generator as part of the build; the help page is
# written by hand. Sounds and help go beside the program, the data folder of the build tree.

# The large icons show the game's own balls, so the generator draws them with the game's code.
add_executable(orbet_assets ${CMAKE_CURRENT_LIST_DIR}/generate_assets.cpp
               ${PROJECT_SOURCE_DIR}/platform/PieceImages.cpp)
target_include_directories(orbet_assets PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(orbet_assets PRIVATE Qt6::Gui)

set(ORBET_DATA_DIR ${CMAKE_BINARY_DIR}/app)
set(ORBET_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(ORBET_SOUNDS select add remove end)
set(ORBET_ICON_SIZES 16 32 48 64 128 256)
list(TRANSFORM ORBET_SOUNDS PREPEND ${ORBET_DATA_DIR}/ OUTPUT_VARIABLE ORBET_SOUND_FILES)
list(TRANSFORM ORBET_SOUND_FILES APPEND .wav)
list(TRANSFORM ORBET_ICON_SIZES PREPEND ${ORBET_ICON_DIR}/orbet- OUTPUT_VARIABLE ORBET_ICON_FILES)
list(TRANSFORM ORBET_ICON_FILES APPEND .png)

add_custom_command(
    OUTPUT ${ORBET_SOUND_FILES} ${ORBET_ICON_FILES}
    COMMAND orbet_assets ${ORBET_DATA_DIR} ${ORBET_ICON_DIR}
    DEPENDS orbet_assets
    COMMENT "Making the sounds and icons")
configure_file(${CMAKE_CURRENT_LIST_DIR}/orbet.html ${ORBET_DATA_DIR}/orbet.html COPYONLY)
# The help page in each language Orbet speaks, opened in the player's language.
file(GLOB ORBET_HELP_PAGES ${CMAKE_CURRENT_LIST_DIR}/help/orbet_*.html)
set(ORBET_HELP_FILES ${ORBET_DATA_DIR}/orbet.html)
foreach(page ${ORBET_HELP_PAGES})
    get_filename_component(name ${page} NAME)
    configure_file(${page} ${ORBET_DATA_DIR}/${name} COPYONLY)
    list(APPEND ORBET_HELP_FILES ${ORBET_DATA_DIR}/${name})
endforeach()

qt_add_resources(orbetcore "icons" PREFIX "/icons" BASE ${ORBET_ICON_DIR}
    FILES ${ORBET_ICON_DIR}/orbet-16.png ${ORBET_ICON_DIR}/orbet-32.png)
add_custom_target(orbet_data ALL DEPENDS ${ORBET_SOUND_FILES} ${ORBET_ICON_FILES})

# Installed layout: the program in bin/, its data in share/orbet/, and the desktop files where
# desktops look for them, all named by the application id.
set(ORBET_APP_ID com.example.Orbet)
install(FILES ${ORBET_HELP_FILES} ${ORBET_SOUND_FILES}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/orbet)
install(FILES ${CMAKE_BINARY_DIR}/${ORBET_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${ORBET_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ORBET_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${ORBET_ICON_SIZES})
    install(FILES ${ORBET_ICON_DIR}/orbet-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ORBET_APP_ID}.png)
endforeach()

# The manual page, and the package's copyright and changelog, where Debian looks for them;
# the compressed ones without a time stamp, so that a build is the same every time.
set(ORBET_DOC_DIR ${CMAKE_BINARY_DIR}/doc)
add_custom_command(
    OUTPUT ${ORBET_DOC_DIR}/orbet.6.gz ${ORBET_DOC_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORBET_DOC_DIR}
    COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/orbet.6 > ${ORBET_DOC_DIR}/orbet.6.gz
    COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${ORBET_DOC_DIR}/changelog.gz
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/orbet.6 ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
    COMMENT "Compressing the manual page and the changelog")
add_custom_target(orbet_docs ALL DEPENDS ${ORBET_DOC_DIR}/orbet.6.gz ${ORBET_DOC_DIR}/changelog.gz)
install(FILES ${ORBET_DOC_DIR}/orbet.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${ORBET_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/orbet)
