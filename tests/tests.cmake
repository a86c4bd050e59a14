# add_program_tests(FOLDER NAME READS) gives each program its transcript
# cases (tests/FOLDER/NAME.t), the checks every program must pass and, if
# READS is true (it reads standard input), the cases every reader must pass
# (tests/reading.t); the install test below covers all programs at once.
set(TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

function(add_program_tests folder name reads)
    set(cases ${TESTS_DIR}/${folder}/${name}.t)
    if(EXISTS ${cases})
        add_test(NAME ${name}.transcripts
                 COMMAND bash ${TESTS_DIR}/transcripts.sh
                         $<TARGET_FILE_DIR:${name}> ${cases})
        set_tests_properties(${name}.transcripts PROPERTIES
                             LABELS ${folder} TIMEOUT 120)
    endif()
    if(reads) # as tests/programs --readers reads it from the same line
        add_test(NAME ${name}.reading
                 COMMAND bash ${TESTS_DIR}/transcripts.sh
                         $<TARGET_FILE_DIR:${name}> ${TESTS_DIR}/reading.t)
        set_tests_properties(${name}.reading PROPERTIES
                             ENVIRONMENT READERS=${name} LABELS ${folder} TIMEOUT 120)
    endif()
    add_test(NAME ${name}.every_program
             COMMAND bash ${TESTS_DIR}/every_program.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name}.every_program PROPERTIES
                         LABELS ${folder} TIMEOUT 60)
endfunction()

# Installing into a prefix gives exactly the programs, their manual pages
# and documents; the pages render without warnings; the example sessions
# of the README and of the pages are what the installed programs write.
add_test(NAME install
         COMMAND bash ${TESTS_DIR}/install.sh ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR})
set_tests_properties(install PROPERTIES LABELS docs TIMEOUT 120)
# Cases that need a tool the machine lacks are skipped, each said so by
# its test; said here as well, since ctest shows no passing test's output.
foreach(tool groff:groff-base:rendering_and_page-example man:man-db:rendering
             python3:python3:hang-up)
    string(REPLACE ":" ";" tool ${tool})
    list(GET tool 0 command)
    list(GET tool 1 package)
    list(GET tool 2 cases)
    string(REPLACE _ " " cases ${cases})
    find_program(tool_path ${command} NO_CACHE NO_DEFAULT_PATH PATHS ENV PATH)
    if(NOT tool_path)
        message(NOTICE "${command} not found (Debian package ${package}): "
                       "the ${cases} cases that need it are skipped")
    endif()
    unset(tool_path)
endforeach()

# parity_list's list at every width and block boundary, against seq; and
# its largest, by a digest of its 11 GB through a pipe. That one is
# expensive: registered where EXPENSIVE_TESTS is on (the presets), it is
# left out by their test steps and run by `ctest -L expensive`.
option(EXPENSIVE_TESTS "Register the tests labelled expensive" OFF)
add_test(NAME parity_list.limits
         COMMAND bash ${TESTS_DIR}/parity_list.sh $<TARGET_FILE:parity_list> small)
set_tests_properties(parity_list.limits PROPERTIES LABELS loops TIMEOUT 120)
if(EXPENSIVE_TESTS)
    add_test(NAME parity_list.largest
             COMMAND bash ${TESTS_DIR}/parity_list.sh $<TARGET_FILE:parity_list> large)
    set_tests_properties(parity_list.largest PROPERTIES LABELS "loops;expensive" TIMEOUT 900)
endif()
