# Run by CPack on its staging folder before it makes the Debian package: every directory gets
# mode 0755. CMake creates the directories it installs into with mkdir, which the umask trims, so
# that under umask 077 they came out 0700 and a package built that way would have made
# /usr/share/doc/gachapoko unreadable to users; now the package is the same under any umask.
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
        file(CHMOD "${entry}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
            GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
