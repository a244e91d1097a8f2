# Desktop integration of the Tessel program: the launcher entry, the project file type
# (*.tsl, beginning with "QUILLDA") and the icon, installed where freedesktop.org
# desktops look for them.
include(GNUInstallDirs)
set(TESSEL_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)

install(FILES ${TESSEL_DESKTOP_DIR}/tessel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TESSEL_DESKTOP_DIR}/tessel-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME tessel.xml)
install(FILES ${TESSEL_DESKTOP_DIR}/tessel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The bitmap icon is rendered from the SVG and committed beside it
# (rsvg-convert -w 256 -h 256 tessel.svg -o tessel.png).
install(FILES ${TESSEL_DESKTOP_DIR}/tessel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
