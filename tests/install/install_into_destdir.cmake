# cmake -D ROOT=<folder> -D BUILD_DIR=<build folder> -P install_into_destdir.cmake
# Installs the build with prefix /usr into an emptied ROOT, as a package build stages it.
file(REMOVE_RECURSE ${ROOT})
file(MAKE_DIRECTORY ${ROOT})
set(ENV{DESTDIR} ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  COMMAND_ERROR_IS_FATAL ANY)
