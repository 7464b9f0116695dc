# A header-only library installed on the build machine, for a cross build. Its
# own package file would put /usr/include on the include path, where the build
# machine's C library would shadow the target's; only its directory is staged.
function(add_host_header_library package target directory)
    set(staged ${CMAKE_BINARY_DIR}/host-headers/${package})
    if(NOT TARGET ${target})
        file(MAKE_DIRECTORY ${staged})
        file(CREATE_LINK /usr/include/${directory} ${staged}/${directory} SYMBOLIC)
        add_library(${target} INTERFACE IMPORTED GLOBAL)
        set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${staged})
    endif()
    set(${package}_FOUND TRUE PARENT_SCOPE)
endfunction()
