# One place for the warning flags every target of the project gets.
function(zenvalo_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wnon-virtual-dtor -Wold-style-cast
                                             -Woverloaded-virtual -Wimplicit-fallthrough
                                             # g++ 12 reports std::u16string assignments falsely
                                             -Wno-restrict)
    if(ZENVALO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
