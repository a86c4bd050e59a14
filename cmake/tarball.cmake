# Run by cpack's External generator on the staged tree: the release tarball,
# packed as reproducible-builds.org packs archives, so that its bytes follow
# the sources alone, whatever the file system's order, the user and the
# umask: names sorted, owner 0:0, fixed modes, every time the configured
# SOURCE_DATE_EPOCH, and gzip -9n (no name or time in its header).
set(name ${CPACK_PACKAGE_FILE_NAME})
set(tarball ${CPACK_TEMPORARY_DIRECTORY}/${name}.tar.gz)
execute_process(
    COMMAND tar --create --format=gnu --sort=name --owner=0 --group=0 --numeric-owner
            --mode=u=rwX,go=rX --mtime=@${CPACK_TARBALL_MTIME}
            --directory=${CPACK_TEMPORARY_DIRECTORY} ${name}
    COMMAND gzip -9n
    OUTPUT_FILE ${tarball}
    RESULTS_VARIABLE results)
if(NOT results STREQUAL "0;0")
    message(FATAL_ERROR "packing ${name}.tar.gz: tar and gzip exited ${results} "
                        "(GNU tar 1.28 or later is needed)")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES ${tarball})
