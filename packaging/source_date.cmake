# Read by cpack as it packs. Every time in the .deb (ar, tar and gzip headers
# alike) is SOURCE_DATE_EPOCH, which CPack's DEB generator honours: the time of
# the commit the tree is at, taken now rather than at configure time so that a
# tree configured at an older commit cannot pack a stale one. Where git cannot
# tell (no git, or no checkout), the date of the changelog's last entry, as
# dpkg-buildpackage takes it. A SOURCE_DATE_EPOCH given from outside wins.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CPACK_ZENTRAK_SOURCE_DIR}
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT epoch)
        execute_process(COMMAND dpkg-parsechangelog -l ${CPACK_ZENTRAK_SOURCE_DIR}/packaging/changelog -S Timestamp
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "No source date: neither git nor dpkg-parsechangelog gives one; set SOURCE_DATE_EPOCH")
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
