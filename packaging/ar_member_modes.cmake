# Run by CPack on the Debian package it has just made, before it copies it out of its staging
# folder. The package is an ar archive whose members (debian-binary, control.tar.gz, data.tar.gz)
# carry the modes of the files CPack wrote them from, and so the umask of the build: 0644 under
# umask 022, 0664 under 002, 0600 under 077. Each becomes 0644, as dpkg-deb writes them, so that
# the package is the same under any umask (dpkg itself reads no member's mode).
#
# Each member has a 60-byte header of text fields: name (16 bytes), time (12), owner (6), group
# (6), mode (8, in octal), size (10) and "`\n"; its data follows, padded to an even length.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    set(mode_field "${package}.member-mode")
    file(WRITE "${mode_field}" "100644  ")
    file(READ "${package}" magic LIMIT 8)
    if(NOT magic STREQUAL "!<arch>\n")
        message(FATAL_ERROR "${package} is not an ar archive")
    endif()
    file(SIZE "${package}" end)
    set(header 8)
    while(header LESS end)
        file(READ "${package}" fields OFFSET ${header} LIMIT 60)
        string(SUBSTRING "${fields}" 48 10 size)
        string(STRIP "${size}" size)
        if(NOT fields MATCHES "`\n$" OR NOT size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${package}: no ar member header at byte ${header}")
        endif()
        math(EXPR mode_at "${header} + 40")
        execute_process(
            COMMAND dd "of=${package}" bs=1 seek=${mode_at} conv=notrunc status=none
            INPUT_FILE "${mode_field}"
            COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR header "${header} + 60 + ${size} + ${size} % 2")
    endwhile()
    file(REMOVE "${mode_field}")
endforeach()
