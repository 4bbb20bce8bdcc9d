# One place for the warning flags every target of the project gets.
function(zenvalo_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wnon-virtual-dtor -Wold-style-cast
                                             -Woverloaded-virtual -Wimplicit-fallthrough)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # g++ 12 reports std::u16string assignments falsely
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(ZENVALO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# The strict string handling every Qt target of the project is built with.
function(zenvalo_set_qt_definitions target)
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                                                 QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_FOREACH)
endfunction()
