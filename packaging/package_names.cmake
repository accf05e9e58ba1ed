# The three packages' file names, from the project's version: make package
# writes them and the package tests read them.
#   VANTORIX_DEB_FILE          the Debian package of the SDL program
#   VANTORIX_WINDOWS_ZIP_FILE  the Windows program and how to play it
#   VANTORIX_WEB_ZIP_FILE      the web page, as index.html
set(deb_architecture amd64)
find_program(VANTORIX_DPKG dpkg)
if(VANTORIX_DPKG)
  execute_process(COMMAND ${VANTORIX_DPKG} --print-architecture
    OUTPUT_VARIABLE deb_architecture OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(VANTORIX_DEB_FILE vantorix_${PROJECT_VERSION}_${deb_architecture}.deb)
set(VANTORIX_WINDOWS_ZIP_FILE vantorix-${PROJECT_VERSION}-windows.zip)
set(VANTORIX_WEB_ZIP_FILE vantorix-${PROJECT_VERSION}-web.zip)
