# Run by CPack over the staged files just before they are packed. `strip` leaves the compiler's
# .comment section (its name and version, once per object file) in the programs; Debian's own
# packaging removes it, and so does this.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program ${programs})
    execute_process(COMMAND objcopy --remove-section=.comment ${program}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "objcopy could not remove .comment from ${program}")
    endif()
endforeach()
