# Installed documentation, and the packages cpack makes of the installed
# tree: a .deb, an .rpm and a tarball. Packages are made from the build
# linked against the shared libraries (the package preset), as
# distributions build, so that their security updates reach the programs.

set(CPACK_PACKAGE_NAME console-exercises)
set(CPACK_PACKAGE_VENDOR "The console-exercises contributors")
set(CPACK_PACKAGE_CONTACT
    "Console exercises maintainers <maintainers@console-exercises.invalid>")
# The summary and description are the Debian packaging's: its Description
# line and the lines after it that begin with a space.
file(READ packaging/debian/control control)
string(REGEX MATCH "\nDescription: ([^\n]*)\n(( [^\n]*\n)*)" description "${control}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_MATCH_1}")
string(REGEX REPLACE "(^|\n) " "\\1" CPACK_PACKAGE_DESCRIPTION "${CMAKE_MATCH_2}")
string(STRIP "${CPACK_PACKAGE_DESCRIPTION}" CPACK_PACKAGE_DESCRIPTION)
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})

# Folders made by installing get 755, whatever the builder's umask: the
# packages' modes follow the sources alone.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

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

# A static build is for running here, not for packages.
if(PROGRAMS_STATIC)
    message(STATUS "Packages: none from a static build; they come from "
                   "cmake --workflow --preset package")
    return()
endif()

# Packages are reproducible: every time in them is SOURCE_DATE_EPOCH,
# taken from the last commit when the builder has not set it.
set(source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(source_date_epoch STREQUAL "")
    execute_process(COMMAND git log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE source_date_epoch
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
# Lintian's overrides go into the .deb alone (cpack-project.cmake).
configure_file(packaging/lintian-overrides
    deb-only${CMAKE_INSTALL_FULL_DATAROOTDIR}/lintian/overrides/${CPACK_PACKAGE_NAME}
    COPYONLY)
file(CHMOD_RECURSE ${PROJECT_BINARY_DIR}/deb-only
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/cpack-project.cmake)
configure_file(packaging/cpack-project.cmake.in cpack-project.cmake @ONLY)

set(CPACK_GENERATOR DEB RPM TGZ)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The RPM changelog, from the same entries: "* Tue Dec 08 2026 NAME - V-R"
# over the entry's items, each "- " where Debian has "  * ".
set(CPACK_RPM_PACKAGE_RELEASE 1)
file(STRINGS packaging/changelog lines)
set(rpm_changelog "")
set(items "")
foreach(line IN LISTS lines)
    if(line MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\)")
        set(version ${CMAKE_MATCH_1})
    elseif(line MATCHES "^  \\* (.*)$")
        string(APPEND items "- ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^    (.*)$")
        string(APPEND items "  ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^ -- (.*)  ([A-Z][a-z][a-z]), ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ")
        string(APPEND rpm_changelog
            "* ${CMAKE_MATCH_2} ${CMAKE_MATCH_4} ${CMAKE_MATCH_3} ${CMAKE_MATCH_5}"
            " ${CMAKE_MATCH_1} - ${version}-${CPACK_RPM_PACKAGE_RELEASE}\n"
            "${items}\n")
        set(items "")
    endif()
endforeach()
file(WRITE ${PROJECT_BINARY_DIR}/rpm-changelog "${rpm_changelog}")

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_SUMMARY
    "Small console exercises in integer and floating-point arithmetic")
set(CPACK_RPM_PACKAGE_GROUP "Applications/Text")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_CHANGELOG_FILE ${PROJECT_BINARY_DIR}/rpm-changelog)
# Folders that belong to the system, not to this package.
list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
     /usr/share/man /usr/share/man/man1)
# Times from SOURCE_DATE_EPOCH, no build host's name, and no links under
# /usr/lib/.build-id that every package of such programs would fight over.
set(CPACK_RPM_SPEC_MORE_DEFINE "%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _buildhost reproducible
%define _build_id_links none
%define packager ${CPACK_PACKAGE_CONTACT}")

include(CPack)
