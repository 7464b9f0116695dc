# Cross-build for 64-bit Windows with Debian's MinGW-w64 (posix threads):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#       -DVEYRITH_WINDOWS_QT=$(tools/build-windows-qt.sh)
# Without VEYRITH_WINDOWS_QT (a static Qt for MinGW) the editor is left out.
# Programs are linked statically, so an .exe needs no MinGW DLLs beside it.
# ctest runs the tests under Wine, in a scratch prefix inside the build tree.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-base.cmake)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VEYRITH_WINDOWS_QT)
if(VEYRITH_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${VEYRITH_WINDOWS_QT})
    # The static Qt's moc, rcc and uic are the host's, from Debian's qt6-base-dev-tools.
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# No Mono or Gecko install dialogs; no debug chatter on the test output.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix
    WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= /usr/lib/wine/wine64)
