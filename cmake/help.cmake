# The Japanese help file Dorvanix.chm, compiled from help/ with chmcmd (Debian package fp-utils).
#
# Use from a CMakeLists.txt:
#     include(${PROJECT_SOURCE_DIR}/cmake/help.cmake)
#     dorvanix_add_help(dorvanix_help)               # target name; built with ALL
#     add_dependencies(Dorvanix dorvanix_help)       # optional: building the exe alone builds the help too
# Options: dorvanix_add_help(<target> [OUTPUT_DIRECTORY <dir>] [SOURCE_DIR <dir>])
#     OUTPUT_DIRECTORY  where Dorvanix.chm goes; default ${CMAKE_BINARY_DIR}/bin, the exe's folder
#                       (plus /<config> with a multi-config generator, as for the exe)
#     SOURCE_DIR        the help sources; default help/ beside this cmake/ folder
#
# The sources are UTF-8 (readable in diffs and editors). HTML Help reads a Japanese help file's title,
# contents and index in the code page of its language (0x411: Windows-932), so the build stages a copy
# converted to CP932 with iconv, turning each page's "charset=UTF-8" into "charset=Shift_JIS", and
# compiles that copy. A character outside CP932 fails the build.
#
# chmcmd's exit code is not enough: it returns 0 when the project file is missing, and it only reports
# a broken link or a missing contents file and goes on. The step below fails on any warning or
# error line, on a missing or empty result, and, where chmls (same package) is found, when a file of the
# project's [FILES] list or the default topic is not inside the compiled file.
#
# Run by the custom command as a script: cmake -DDORVANIX_HELP_STEP=compile -D... -P help.cmake

if(CMAKE_SCRIPT_MODE_FILE AND DORVANIX_HELP_STEP STREQUAL "compile")
    cmake_minimum_required(VERSION 3.25)
    function(_dorvanix_help_fail)
        string(JOIN "" text ${ARGN})
        message(FATAL_ERROR "Dorvanix.chm: ${text}")
    endfunction()

    foreach(var DORVANIX_HELP_SOURCE_DIR DORVANIX_HELP_STAGE_DIR DORVANIX_HELP_OUTPUT DORVANIX_CHMCMD
                DORVANIX_ICONV)
        if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
            _dorvanix_help_fail("${var} not given")
        endif()
    endforeach()

    # A fresh copy each time, so a page removed from help/ cannot linger in the result.
    file(REMOVE_RECURSE "${DORVANIX_HELP_STAGE_DIR}")
    file(MAKE_DIRECTORY "${DORVANIX_HELP_STAGE_DIR}")
    file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE "${DORVANIX_HELP_SOURCE_DIR}"
         "${DORVANIX_HELP_SOURCE_DIR}/*")
    list(SORT sources)
    set(project_file "")
    foreach(rel IN LISTS sources)
        set(src "${DORVANIX_HELP_SOURCE_DIR}/${rel}")
        set(dst "${DORVANIX_HELP_STAGE_DIR}/${rel}")
        get_filename_component(dst_dir "${dst}" DIRECTORY)
        file(MAKE_DIRECTORY "${dst_dir}")
        string(TOLOWER "${rel}" rel_lower)
        if(rel_lower MATCHES "\\.(htm|html|hhc|hhk|hhp|css|txt)$")
            file(READ "${src}" text)
            string(REPLACE "charset=UTF-8" "charset=Shift_JIS" text "${text}")
            file(WRITE "${dst}.utf8" "${text}")
            execute_process(COMMAND "${DORVANIX_ICONV}" -f UTF-8 -t CP932
                            INPUT_FILE "${dst}.utf8" OUTPUT_FILE "${dst}"
                            RESULT_VARIABLE rc ERROR_VARIABLE err)
            file(REMOVE "${dst}.utf8")
            if(NOT rc EQUAL 0)
                _dorvanix_help_fail("${DORVANIX_HELP_SOURCE_DIR}/${rel} does not convert to Shift_JIS (CP932): ${err}")
            endif()
        else()
            file(COPY_FILE "${src}" "${dst}")
        endif()
        if(rel_lower MATCHES "^[^/]*\\.hhp$")
            if(project_file)
                _dorvanix_help_fail("more than one .hhp in ${DORVANIX_HELP_SOURCE_DIR}")
            endif()
            set(project_file "${rel}")
        endif()
    endforeach()
    if(NOT project_file)
        _dorvanix_help_fail("no .hhp project in ${DORVANIX_HELP_SOURCE_DIR}")
    endif()

    # The compiled name and the pages come from the project file itself.
    file(STRINGS "${DORVANIX_HELP_SOURCE_DIR}/${project_file}" project_lines)
    set(chm_name "")
    set(default_topic "")
    set(listed_files "")
    set(section "")
    foreach(line IN LISTS project_lines)
        string(STRIP "${line}" line)
        if(line STREQUAL "" OR line MATCHES "^;")
            continue()
        elseif(line MATCHES "^\\[(.*)\\]$")
            string(TOUPPER "${CMAKE_MATCH_1}" section)
        elseif(section STREQUAL "OPTIONS" AND line MATCHES "^[Cc]ompiled [Ff]ile=(.*)$")
            set(chm_name "${CMAKE_MATCH_1}")
        elseif(section STREQUAL "OPTIONS" AND line MATCHES "^[Dd]efault [Tt]opic=(.*)$")
            set(default_topic "${CMAKE_MATCH_1}")
        elseif(section STREQUAL "FILES")
            list(APPEND listed_files "${line}")
        endif()
    endforeach()
    if(chm_name STREQUAL "" OR default_topic STREQUAL "")
        _dorvanix_help_fail("${project_file} needs 'Compiled file=' and 'Default topic='")
    endif()

    set(compiled "${DORVANIX_HELP_STAGE_DIR}/${chm_name}")
    execute_process(COMMAND "${DORVANIX_CHMCMD}" "${project_file}"
                    WORKING_DIRECTORY "${DORVANIX_HELP_STAGE_DIR}"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(log "${out}${err}")
    if(NOT rc EQUAL 0)
        _dorvanix_help_fail("chmcmd failed (exit ${rc}):\n${log}")
    endif()
    # chmcmd keys an anchor defined in a page of a subfolder by the bare file name but a link to it by
    # its path, so it calls every "html/page.htm#name" undefined. Such a line passes only when the
    # page really defines the anchor; any other warning or error fails the build.
    string(REPLACE "\r" "" log_lines "${log}")
    # Split into lines: no list separators, and no brackets (Shift_JIS bytes may contain them), which
    # would keep a list from splitting.
    string(REGEX REPLACE "[][;]" "_" log_lines "${log_lines}")
    string(REPLACE "\n" ";" log_lines "${log_lines}")
    set(problems "")
    foreach(line IN LISTS log_lines)
        if(line MATCHES "^Error: Anchor ([^ #]+)#([A-Za-z0-9_.-]+) undefined_ first use")
            set(page "${CMAKE_MATCH_1}")
            set(anchor "${CMAKE_MATCH_2}")
            set(defined FALSE)
            if(EXISTS "${DORVANIX_HELP_STAGE_DIR}/${page}")
                file(READ "${DORVANIX_HELP_STAGE_DIR}/${page}" page_text)
                string(REPLACE "." "\\." anchor_pattern "${anchor}")
                if(page_text MATCHES "[ \t\n](name|id|NAME|ID)=\"${anchor_pattern}\"")
                    set(defined TRUE)
                endif()
            endif()
            if(NOT defined)
                string(APPEND problems "${line}\n")
            endif()
        elseif(line MATCHES "[Ww]arning|[Ee]rror|exception|[Cc]an't")
            string(APPEND problems "${line}\n")
        endif()
    endforeach()
    if(problems)
        _dorvanix_help_fail("chmcmd reported problems:\n${problems}")
    endif()
    if(NOT EXISTS "${compiled}")
        _dorvanix_help_fail("chmcmd wrote no ${chm_name}:\n${log}")
    endif()
    file(SIZE "${compiled}" size)
    if(size EQUAL 0)
        _dorvanix_help_fail("chmcmd wrote an empty ${chm_name}")
    endif()

    # Every listed file and the default topic must be inside, under the same path.
    if(DORVANIX_CHMLS)
        execute_process(COMMAND "${DORVANIX_CHMLS}" --no-page --name-only list "${compiled}"
                        RESULT_VARIABLE rc OUTPUT_VARIABLE listing ERROR_VARIABLE err)
        if(NOT rc EQUAL 0)
            _dorvanix_help_fail("chmls cannot list the result (exit ${rc}): ${err}")
        endif()
        string(REPLACE "\r" "" listing "${listing}")
        string(REPLACE "\n" ";" listing "${listing}")
        set(inside "")
        foreach(entry IN LISTS listing)
            string(STRIP "${entry}" entry)
            list(APPEND inside "${entry}")
        endforeach()
        foreach(path IN LISTS listed_files default_topic)
            string(REPLACE "\\" "/" path "${path}")
            if(NOT "/${path}" IN_LIST inside)
                _dorvanix_help_fail("/${path} is missing from the compiled file")
            endif()
        endforeach()
        execute_process(COMMAND "${DORVANIX_CHMLS}" --no-page printsystem "${compiled}"
                        RESULT_VARIABLE rc OUTPUT_VARIABLE system ERROR_VARIABLE err)
        string(REPLACE "." "\\." topic_pattern "${default_topic}")
        if(NOT rc EQUAL 0 OR NOT system MATCHES "Default topic[^\n]*:[ ]*${topic_pattern}[ ]*\n")
            _dorvanix_help_fail("the compiled file has no default topic ${default_topic}:\n${system}${err}")
        endif()
    endif()

    get_filename_component(output_dir "${DORVANIX_HELP_OUTPUT}" DIRECTORY)
    file(MAKE_DIRECTORY "${output_dir}")
    file(COPY_FILE "${compiled}" "${DORVANIX_HELP_OUTPUT}")
    # Newer than every source, whatever the copy kept of the stage file's time.
    file(TOUCH "${DORVANIX_HELP_OUTPUT}")
    return()
endif()

include_guard(GLOBAL)
set(_DORVANIX_HELP_MODULE "${CMAKE_CURRENT_LIST_FILE}")

function(dorvanix_add_help target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT_DIRECTORY;SOURCE_DIR" "")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "dorvanix_add_help: unknown arguments ${arg_UNPARSED_ARGUMENTS}")
    endif()

    get_property(multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
    if(arg_OUTPUT_DIRECTORY)
        set(output_dir "${arg_OUTPUT_DIRECTORY}")
    elseif(multi_config)
        set(output_dir "${CMAKE_BINARY_DIR}/bin/$<CONFIG>")
    else()
        set(output_dir "${CMAKE_BINARY_DIR}/bin")
    endif()
    if(arg_SOURCE_DIR)
        get_filename_component(source_dir "${arg_SOURCE_DIR}" ABSOLUTE)
    else()
        get_filename_component(module_dir "${_DORVANIX_HELP_MODULE}" DIRECTORY)
        get_filename_component(source_dir "${module_dir}/../help" ABSOLUTE)
    endif()
    set(stage_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_stage")
    if(multi_config)
        string(APPEND stage_dir "/$<CONFIG>")
    endif()

    # Host tools, also when cross compiling.
    find_program(DORVANIX_CHMCMD NAMES chmcmd NO_CMAKE_FIND_ROOT_PATH
                 DOC "Free Pascal's CHM compiler (Debian package fp-utils)")
    if(NOT DORVANIX_CHMCMD)
        message(FATAL_ERROR "chmcmd not found: the help file Dorvanix.chm needs Free Pascal's CHM compiler "
                            "(Debian: apt-get install fp-utils), or set DORVANIX_CHMCMD to its path")
    endif()
    find_program(DORVANIX_CHMLS NAMES chmls NO_CMAKE_FIND_ROOT_PATH
                 DOC "Free Pascal's CHM lister (fp-utils), to check the compiled help file")
    find_program(DORVANIX_ICONV NAMES iconv NO_CMAKE_FIND_ROOT_PATH
                 HINTS "$ENV{ProgramFiles}/Git/usr/bin"
                 DOC "iconv, to convert the UTF-8 help sources to Shift_JIS (CP932)")
    if(NOT DORVANIX_ICONV)
        message(FATAL_ERROR "iconv not found: the help file Dorvanix.chm needs it to convert help/ to "
                            "Shift_JIS (Debian: libc-bin), or set DORVANIX_ICONV to its path")
    endif()

    file(GLOB_RECURSE sources CONFIGURE_DEPENDS LIST_DIRECTORIES false "${source_dir}/*")
    if(NOT sources)
        message(FATAL_ERROR "dorvanix_add_help: no help sources in ${source_dir}")
    endif()

    set(output "${output_dir}/Dorvanix.chm")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}"
                -DDORVANIX_HELP_STEP=compile
                "-DDORVANIX_HELP_SOURCE_DIR=${source_dir}"
                "-DDORVANIX_HELP_STAGE_DIR=${stage_dir}"
                "-DDORVANIX_HELP_OUTPUT=${output}"
                "-DDORVANIX_CHMCMD=${DORVANIX_CHMCMD}"
                "-DDORVANIX_CHMLS=${DORVANIX_CHMLS}"
                "-DDORVANIX_ICONV=${DORVANIX_ICONV}"
                -P "${_DORVANIX_HELP_MODULE}"
        DEPENDS ${sources} "${_DORVANIX_HELP_MODULE}"
        COMMENT "Compiling the help file Dorvanix.chm"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS "${output}")
    set_property(TARGET ${target} PROPERTY DORVANIX_HELP_FILE "${output}")
endfunction()
