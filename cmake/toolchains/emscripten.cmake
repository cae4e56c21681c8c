# The browser build with Debian's emscripten. Its emcc runs Node.js scripts that
# need Debian's own Node.js modules (acorn) on NODE_PATH: set here for the
# configure step's checks, and on every link, so a plain `cmake --build` works too.
set(ENV{NODE_PATH} /usr/share/nodejs)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# Its platform searches only "/" outside the sysroot; the build machine's header-only
# libraries (fast_float, found with NO_CMAKE_FIND_ROOT_PATH) are under /usr.
list(APPEND CMAKE_SYSTEM_PREFIX_PATH /usr)
