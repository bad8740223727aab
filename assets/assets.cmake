# The sounds and icons are made by our own generator as part of the build; the help page is
# written by hand. Sounds and help go beside the program, the data folder of the build tree.

add_executable(orbet_assets ${CMAKE_CURRENT_LIST_DIR}/generate_assets.cpp)
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

qt_add_resources(orbetcore "icons" PREFIX "/icons" BASE ${ORBET_ICON_DIR}
    FILES ${ORBET_ICON_DIR}/orbet-16.png ${ORBET_ICON_DIR}/orbet-32.png)
add_custom_target(orbet_data ALL DEPENDS ${ORBET_SOUND_FILES} ${ORBET_ICON_FILES})

# Installed layout: the program in bin/, its data in share/orbet/, and the desktop files where
# desktops look for them, all named by the application id.
set(ORBET_APP_ID com.example.Orbet)
install(FILES ${ORBET_DATA_DIR}/orbet.html ${ORBET_SOUND_FILES}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/orbet)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ORBET_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ORBET_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ORBET_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${ORBET_ICON_SIZES})
    install(FILES ${ORBET_ICON_DIR}/orbet-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ORBET_APP_ID}.png)
endforeach()
