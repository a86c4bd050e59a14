# What is installed besides the programs, and the release tarball: the
# static programs with their pages and documents, for any Linux, packed
# by cpack (the release presets). The Debian package is packaging/debian's.

set(package_name console-exercises)
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package_name})

# Folders made by installing get 755, whatever the builder's umask: what
# is installed and packed follows the sources alone.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# install_gzipped(SOURCE DESTINATION NAME): SOURCE installed as
# DESTINATION/NAME.gz, compressed as Debian wants it (gzip -9n: no name
# or time in the header, so the bytes depend on the content alone).
function(install_gzipped source destination name)
    set(plain ${PROJECT_BINARY_DIR}/gzipped/${name})
    add_custom_command(OUTPUT ${plain}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
        COMMAND gzip -9nf ${plain}
        DEPENDS ${source}
        VERBATIM)
    add_custom_target(${name}.gz ALL DEPENDS ${plain}.gz)
    install(FILES ${plain}.gz DESTINATION ${destination})
endfunction()

# The copyright file is in Debian's machine-readable format; the Debian
# packaging (packaging/debian) installs the same file.
install(FILES packaging/copyright DESTINATION ${doc_dir})
install_gzipped(${PROJECT_SOURCE_DIR}/packaging/changelog ${doc_dir} changelog)

option(RELEASE_TARBALL "Pack the static programs in a release tarball (cpack)" OFF)
if(NOT RELEASE_TARBALL)
    return()
endif()
# A release runs on any Linux only if it needs nothing of the system.
if(NOT PROGRAMS_STATIC)
    message(FATAL_ERROR "RELEASE_TARBALL: the programs are not static "
        "(STATIC_PROGRAMS off, sanitizers, or a toolchain that cannot link -static-pie)")
endif()
# Every time in the tarball is SOURCE_DATE_EPOCH, else the last commit's.
set(source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(source_date_epoch STREQUAL "")
    execute_process(COMMAND git log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE source_date_epoch
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT source_date_epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "RELEASE_TARBALL: no time for the tarball's files: "
                        "set SOURCE_DATE_EPOCH where there is no git history")
endif()

# cpack stages the installed tree in one folder named as the tarball;
# cmake/tarball.cmake packs it.
set(CPACK_PACKAGE_NAME ${package_name})
set(CPACK_PACKAGE_VERSION ${FULL_VERSION})
set(CPACK_PACKAGE_FILE_NAME
    ${package_name}-${FULL_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_GENERATOR External)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/tarball.cmake)
set(CPACK_PACKAGING_INSTALL_PREFIX /${CPACK_PACKAGE_FILE_NAME})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_STRIP_FILES ON)
set(CPACK_TARBALL_MTIME ${source_date_epoch})
include(CPack)
