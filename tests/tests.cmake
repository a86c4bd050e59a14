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
                             LABELS ${folder} TIMEOUT 120)
    endif()
    add_test(NAME ${name}.write_error
             COMMAND bash ${TESTS_DIR}/write_error.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name}.write_error PROPERTIES
                         LABELS ${folder} TIMEOUT 60)
endfunction()

# Installing into a prefix gives exactly the programs and their manual
# pages, which render without warnings; the README's example sessions are
# what the programs write.
add_test(NAME install
         COMMAND bash ${TESTS_DIR}/install.sh ${PROJECT_BINARY_DIR})
add_test(NAME readme_examples
         COMMAND bash ${TESTS_DIR}/readme.sh ${PROJECT_SOURCE_DIR}/README.md
                 ${PROJECT_BINARY_DIR}/bin)
set_tests_properties(install readme_examples PROPERTIES
                     LABELS docs TIMEOUT 120)
