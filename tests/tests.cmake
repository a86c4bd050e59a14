# Tests for one program: its transcript cases (tests/FOLDER/NAME.t) and
# the write-error checks that every program must pass.
set(TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

function(add_program_tests folder name)
    set(cases ${TESTS_DIR}/${folder}/${name}.t)
    if(EXISTS ${cases})
        add_test(NAME ${name}.transcripts
                 COMMAND bash ${TESTS_DIR}/transcripts.sh
                         $<TARGET_FILE_DIR:${name}> ${cases})
        set_tests_properties(${name}.transcripts PROPERTIES
                             LABELS ${folder} TIMEOUT 120)
    endif()
    add_test(NAME ${name}.write_error
             COMMAND bash ${TESTS_DIR}/write_error.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name}.write_error PROPERTIES
                         LABELS ${folder} TIMEOUT 60)
endfunction()
