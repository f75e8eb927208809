# What every target of the program shares: warnings, Qt defines, and the include folders that
# keep each library to the folders below it. Used by the whole build and by the fuzz folder
# built on its own.
get_filename_component(VELARNO_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)

option(VELARNO_WARNINGS_AS_ERRORS "Stop the build at any compiler warning (the test run does)" OFF)

add_library(velarno_options INTERFACE)
target_compile_options(velarno_options INTERFACE -Wall -Wextra -pedantic
                       $<$<BOOL:${VELARNO_WARNINGS_AS_ERRORS}>:-Werror>)
target_compile_definitions(velarno_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS QT_NO_FOREACH)

# Gives `target` the current source folder as its one include folder: the sources include as
# "<folder>/<file>.h" through a staging folder of the build tree holding a single link, named
# like the folder, to the folder itself. A target thus sees its own folder and those of the
# targets it links, and an include of a folder above or beside fails to compile.
function(velarno_own_include_folder target)
    file(RELATIVE_PATH folder ${VELARNO_SOURCE_ROOT} ${CMAKE_CURRENT_SOURCE_DIR})
    set(staging ${CMAKE_BINARY_DIR}/include/${target})
    get_filename_component(link_parent ${staging}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${link_parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${staging}/${folder} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${staging})
    else()
        target_include_directories(${target} PUBLIC ${staging})
    endif()
endfunction()
