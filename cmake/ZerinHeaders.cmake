# zerin_debian_headers(TARGET FOLDER...): puts the header folders of Debian's header-only
# libraries (/usr/include/FOLDER) on the target's public include path, each through a link in a
# folder of the target's own. Never /usr/include as a whole: its C library headers would take the
# place of mingw-w64's in the Windows build.
function(zerin_debian_headers target)
    set(links ${CMAKE_BINARY_DIR}/${target}-headers)
    file(MAKE_DIRECTORY ${links})
    foreach(folder ${ARGN})
        if(NOT EXISTS /usr/include/${folder})
            message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/bootstrap")
        endif()
        file(CREATE_LINK /usr/include/${folder} ${links}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} SYSTEM PUBLIC ${links})
endfunction()
