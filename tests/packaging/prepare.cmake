# Prepares what the packaging tests look at, removing what an earlier run left:
#   cmake -DWHAT=install -DBUILD_DIR=B -DOUT=DIR -P prepare.cmake
#       installs build B with DIR as its prefix;
#   cmake -DWHAT=package -DBUILD_DIR=B -DOUT=DIR -DCPACK=cpack -P prepare.cmake
#       makes the Debian package of build B in DIR.
file(REMOVE_RECURSE "${OUT}")
if(WHAT STREQUAL "install")
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${OUT}"
        COMMAND_ERROR_IS_FATAL ANY)
elseif(WHAT STREQUAL "package")
    # The package as it is made by default: the test that packages it again compares the two.
    unset(ENV{SOURCE_DATE_EPOCH})
    execute_process(
        COMMAND "${CPACK}" -G DEB -B "${OUT}" --config "${BUILD_DIR}/CPackConfig.cmake"
        COMMAND_ERROR_IS_FATAL ANY)
else()
    message(FATAL_ERROR "WHAT must be install or package, not '${WHAT}'")
endif()
