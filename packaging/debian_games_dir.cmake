# Run by CPack once it has installed the game into its staging folder, before it makes the Debian
# package: Debian keeps the programs of games in /usr/games, so the program's directory becomes
# usr/games whatever the build's CMAKE_INSTALL_BINDIR. A plain `cmake --install` keeps that
# directory (bin unless chosen otherwise), which is on every user's PATH.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(bindir "${CPACK_GACHAPOKO_BINDIR}")
if(NOT bindir STREQUAL "games")
    file(GLOB programs RELATIVE "${usr}/${bindir}" "${usr}/${bindir}/*")
    if(NOT programs STREQUAL "gachapoko")
        message(FATAL_ERROR "Expected the game alone in ${usr}/${bindir}, found: ${programs}")
    endif()
    file(RENAME "${usr}/${bindir}" "${usr}/games")
endif()
