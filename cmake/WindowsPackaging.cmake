# The Windows program's packages: a zip to unpack anywhere, and an NSIS installer
# with a Start-menu entry, an uninstaller and an entry in Programs and Features.
#
#   cmake --build --preset windows-x86 --target package
#     build/windows-x86/CalculatorOrvi2009-1.0.0-win32.zip
#     build/windows-x86/CalculatorOrvi2009-1.0.0-win32.exe    (the installer)

install(TARGETS CalculatorOrvi2009 RUNTIME DESTINATION .)
# The licence with Windows line ends, which every Windows editor shows as lines.
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt @ONLY
    NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION .)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(orvi_windows_flavour win32)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
else()
    set(orvi_windows_flavour win64)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
endif()

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME CalculatorOrvi2009)
set(CPACK_PACKAGE_VENDOR "Kelvo Orvi")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME CalculatorOrvi2009-${PROJECT_VERSION}-${orvi_windows_flavour})
set(CPACK_PACKAGE_INSTALL_DIRECTORY CalculatorOrvi2009)
set(CPACK_PACKAGE_EXECUTABLES CalculatorOrvi2009 CalculatorOrvi2009) # the Start-menu entry
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt)
set(CPACK_STRIP_FILES ON)

set(CPACK_NSIS_PACKAGE_NAME CalculatorOrvi2009)
set(CPACK_NSIS_DISPLAY_NAME CalculatorOrvi2009)
set(CPACK_NSIS_CONTACT "kelvo.orvi@example.com")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/eagle.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/eagle.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME CalculatorOrvi2009.exe) # Programs and Features' icon

# The installer's own script (packaging/windows/NSIS.template.in): one installation at a time,
# in the folder it remembers; the program closed before its file is replaced or removed; and
# an uninstaller that removes what Setup made, and nothing else. It finds the running program
# by its main window's class (ui/win32/form1_window.cpp), which ends the program on WM_CLOSE.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
set(CPACK_ORVI_PROGRAM_FILE CalculatorOrvi2009.exe)
set(CPACK_ORVI_WINDOW_CLASS CalculatorOrvi2009)

include(CPack)
