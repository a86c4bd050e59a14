# add_program_tests gives each program its transcript cases
# (tests/FOLDER/NAME.t) and the write-error checks every program must pass;
# the install and README tests below cover all programs at once.
set(TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

function(add_program_tests folder name)
    set(cases ${TESTS_DIR}/${folder}/${name}.t)
    if(EXISTS ${cases})
        add_test(NAME ${name}.transcripts
                 COMMAND bash ${TESTS_DIR}/transcripts.sh
                         $<TARGET_FILE_DIR:${name}> ${cases})
        set_tests_properties(${name}.transcripts PROPERTIES
                             LABELS ${folder} TIMEOUT 120 SKIP_RETURN_CODE 77)
    endif()
    add_test(NAME ${name}.write_error
             COMMAND bash ${TESTS_DIR}/write_error.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name}.write_error PROPERTIES
                         LABELS ${folder} TIMEOUT 60)
endfunction()

# Installing into a prefix gives exactly the programs and their manual
# pages; the pages render without warnings; the README's example sessions
# are what the programs write.
add_test(NAME install
         COMMAND bash ${TESTS_DIR}/install.sh ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR}
                 ${PROJECT_SOURCE_DIR})
file(GLOB manual_pages ${PROJECT_SOURCE_DIR}/man/*.1)
add_test(NAME man_pages
         COMMAND bash ${TESTS_DIR}/man_pages.sh ${manual_pages})
add_test(NAME readme_examples
         COMMAND bash ${TESTS_DIR}/readme.sh ${PROJECT_SOURCE_DIR}/README.md
                 ${PROJECT_BINARY_DIR}/bin)
set_tests_properties(install man_pages readme_examples PROPERTIES
                     LABELS docs TIMEOUT 120)
# Skipped, not failed, where groff or man is missing; said here as well,
# since ctest does not show a skipped test's output.
set_tests_properties(man_pages PROPERTIES SKIP_RETURN_CODE 77)
foreach(tool groff:groff-base man:man-db)
    string(REGEX MATCH "^[^:]+" command ${tool})
    string(REGEX MATCH "[^:]+$" package ${tool})
    find_program(found ${command} NO_CACHE NO_DEFAULT_PATH PATHS ENV PATH)
    if(NOT found)
        message(NOTICE "The man_pages test will be skipped: ${command} not "
                       "found (Debian package ${package})")
    endif()
endforeach()

# parity_list's list at every width and block boundary, against seq: the
# limits below 10^7 in full, the larger ones by their last lines, their
# length and, for the largest, a digest (about 11 GB through a pipe).
add_test(NAME parity_list.limits
         COMMAND bash ${TESTS_DIR}/parity_list.sh $<TARGET_FILE:parity_list> small)
add_test(NAME parity_list.largest
         COMMAND bash ${TESTS_DIR}/parity_list.sh $<TARGET_FILE:parity_list> large)
set_tests_properties(parity_list.limits PROPERTIES LABELS loops TIMEOUT 120)
set_tests_properties(parity_list.largest PROPERTIES LABELS loops TIMEOUT 900)
