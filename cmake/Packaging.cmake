# Installation and the Debian package (make package runs cpack -G DEB in the build folder).
#
#   /usr/bin/merchoralite                                   the program (its resources are compiled in)
#   /usr/share/applications/example.merchora.merchoralite.desktop
#   /usr/share/icons/hicolor/NxN/apps/merchoralite.png      the logo, made by scripts/render-icons.sh
#   /usr/share/metainfo/example.merchora.merchoralite.metainfo.xml
#   /usr/share/man/man1/merchoralite.1.gz
#   /usr/share/doc/merchoralite/{copyright,changelog.gz}
#
# The package's version is the project version, which is also the program's APP_VERSION. The
# desktop entry, the AppStream component and the desktop file name the program gives Qt share one
# reverse-domain name built from the maker's domain (merchora.example).
include(GNUInstallDirs)

# Installing (and so cpack) takes what is built and does not build every target first: the
# package needs only the program and the files below, which make package builds, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(MERCHORA_APP_ID example.merchora.merchoralite)
set(MERCHORA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(MERCHORA_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
set(MERCHORA_MAINTAINER "Quvo Consulting <support@merchora.example>")

install(TARGETS merchoralite RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MERCHORA_PACKAGING_DIR}/${MERCHORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${MERCHORA_PACKAGING_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "*.png")

# The release date in the forms AppStream, the manual page and the Debian changelog want.
execute_process(COMMAND date -u -R -d ${MERCHORA_RELEASE_DATE}
                OUTPUT_VARIABLE MERCHORA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE date_status)
if(NOT date_status EQUAL 0)
  message(FATAL_ERROR "MERCHORA_RELEASE_DATE is not a date: ${MERCHORA_RELEASE_DATE}")
endif()
configure_file(${MERCHORA_PACKAGING_DIR}/${MERCHORA_APP_ID}.metainfo.xml.in
               ${MERCHORA_PACKAGING_OUT}/${MERCHORA_APP_ID}.metainfo.xml @ONLY)
configure_file(${MERCHORA_PACKAGING_DIR}/merchoralite.1.in
               ${MERCHORA_PACKAGING_OUT}/merchoralite.1 @ONLY)
configure_file(${MERCHORA_PACKAGING_DIR}/changelog.in ${MERCHORA_PACKAGING_OUT}/changelog @ONLY)

# Debian wants the manual page and the changelog compressed, without a time stamp in the gzip
# header so that the same sources give the same package.
set(compressed)
foreach(name merchoralite.1 changelog)
  add_custom_command(OUTPUT ${MERCHORA_PACKAGING_OUT}/${name}.gz
                     COMMAND gzip -9 -n -c ${name} > ${name}.gz
                     DEPENDS ${MERCHORA_PACKAGING_OUT}/${name}
                     WORKING_DIRECTORY ${MERCHORA_PACKAGING_OUT} VERBATIM)
  list(APPEND compressed ${MERCHORA_PACKAGING_OUT}/${name}.gz)
endforeach()
add_custom_target(merchora_packaging_files ALL DEPENDS ${compressed})

install(FILES ${MERCHORA_PACKAGING_OUT}/${MERCHORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MERCHORA_PACKAGING_OUT}/merchoralite.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MERCHORA_PACKAGING_DIR}/copyright ${MERCHORA_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/merchoralite)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME merchoralite)
set(CPACK_PACKAGE_VENDOR "Quvo Consulting")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${MERCHORA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "point of sale and stock keeping for a small shop")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Merchora (Lite) is a desktop point-of-sale and inventory program for a small\n"
    "shop: a pharmacy, a grocery, a clothing or an electronics store.\n"
    "\n"
    "At the till the cashier rings up a sale by barcode scanner, keyboard or touch\n"
    "buttons; the sale is priced from its stock batches, stored, and a till ticket\n"
    "or an A4 receipt is printed. Behind the till the shop keeper keeps products,\n"
    "stock batches, vendors, customers and users, writes purchase orders and\n"
    "prints stock and sales reports.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${MERCHORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.merchora.example")
# The libraries the program links are found by dpkg-shlibdeps. Not found that way: the SQLite
# driver, a plugin Qt loads at run time, and the fonts the receipts are laid out for (Liberation
# Sans stands in for the Arial widths, see InstallPrintFontSubstitutes).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite, fonts-liberation2 | fonts-liberation")
# Printed-to-file receipts and reports are opened with the desktop's PDF viewer through xdg-open;
# Qt's own translations put its standard buttons and dialogs into the shop's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qttranslations5-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
