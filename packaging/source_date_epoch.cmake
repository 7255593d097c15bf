# Read by CPack before it makes a package (CPACK_PROJECT_CONFIG_FILE): the one time that every
# file, directory and archive member of the package carries, so that two builds of one commit
# give the same bytes. CPack stamps the data and control archives and the members of the Debian
# archive with SOURCE_DATE_EPOCH and then leaves the time out of their gzip headers.
#
# A SOURCE_DATE_EPOCH in the environment is kept; otherwise the time of the last commit, or, in a
# source tree that is not a git checkout of its own (a release tarball), the date of the newest
# entry of packaging/changelog.
set(source "${CPACK_GACHAPOKO_SOURCE_DIR}")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    set(origin "from SOURCE_DATE_EPOCH")
    if(NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a number of seconds since 1970, "
            "not '${epoch}'")
    endif()
else()
    # A tarball unpacked inside some other repository must not take that repository's commit.
    execute_process(COMMAND git -C "${source}" rev-parse --show-toplevel
        OUTPUT_VARIABLE top RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    file(REAL_PATH "${source}" source_path)
    if(NOT failed AND top STREQUAL source_path)
        execute_process(COMMAND git -C "${source}" log -1 --format=%ct
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        set(origin "from the last commit")
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        execute_process(
            COMMAND dpkg-parsechangelog --file "${source}/packaging/changelog" --show-field Timestamp
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        set(origin "from the newest entry of packaging/changelog")
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        message(WARNING "No date for the package's files (no git checkout, and no date read from "
            "${source}/packaging/changelog): they carry the time of packaging.")
        return()
    endif()
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
# string(TIMESTAMP) also reads SOURCE_DATE_EPOCH.
string(TIMESTAMP date "%Y-%m-%d %H:%M:%S UTC" UTC)
message(STATUS "Package file times: ${date}, ${origin}")
