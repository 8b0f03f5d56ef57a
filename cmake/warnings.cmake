# High warning levels, warnings as errors, on both compilers.
function(dorvanix_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive- /utf-8)
    else()
        # GCC 12 reports string concatenation at -O3 as overlapping copies (a known false positive).
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                                 -Wold-style-cast -Wcast-align -Wnull-dereference -Werror)
    endif()
endfunction()
