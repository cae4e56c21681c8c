# Installation into a freedesktop layout, and the Debian package built from it with CPack.
#
#   cmake --install build/default --prefix /usr/local    (or DESTDIR=... for a staging tree)
#   scripts/uninstall.sh /usr/local                       (removes what that installed)
#   cd build/default && cpack                             (calculatororvi2009_1.0.0_<arch>.deb)

include(GNUInstallDirs)

set(ORVI_APP_ID org.kelvoorvi.CalculatorOrvi2009)
set(ORVI_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS CalculatorOrvi2009 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    # Linked as Debian links its programs: relocations resolved at start, then read-only.
    target_link_options(CalculatorOrvi2009 PRIVATE LINKER:-z,relro,-z,now)
    # A stripped install (cpack, cmake --install --strip) also drops the compiler's
    # version note, as Debian's own packaging does.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/CalculatorOrvi2009\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endif()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${ORVI_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${ORVI_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The eagle in the hicolor icon theme: the renderings that scripts/draw-pictures.py makes
# from assets/eagle.svg, and the SVG itself as the scalable icon.
foreach(size IN LISTS ORVI_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/eagle-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ORVI_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/eagle.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ORVI_APP_ID}.svg)

# The licence, the history and the manual page. The changelog and the manual page are
# compressed as Debian wants them: gzip -9n, with no file name or time inside.
set(ORVI_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/calculatororvi2009)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${ORVI_DOC_DIR})
find_program(ORVI_GZIP gzip REQUIRED)
set(orvi_compressed_docs)
foreach(doc changelog CalculatorOrvi2009.1)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${doc} packaging/${doc}
        COMMAND ${ORVI_GZIP} -9nf packaging/${doc}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${doc}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        VERBATIM)
    list(APPEND orvi_compressed_docs ${compressed})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${orvi_compressed_docs})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${ORVI_DOC_DIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/CalculatorOrvi2009.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME calculatororvi2009)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kelvo Orvi")
set(CPACK_PACKAGE_CONTACT "Kelvo Orvi <kelvo.orvi@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one-window desktop calculator with a banner and a clock")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kelvo Orvi <kelvo.orvi@example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation Serif stands in for "Times New Roman"; Amiri draws the Arabic phrase.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-hosny-amiri")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "CalculatorOrvi2009 is a small calculator in a single window: the four
arithmetic operations chained through a running total, square root,
logarithms to base 2 and base 10, percent, and one memory register with
its M indicator. Around the keypad, credit labels cycle through four
colours, a portrait slides along, and a box shows the date and time.")

include(CPack)
