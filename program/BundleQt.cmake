# Install step of the portable program folder: copies beside the program the Qt plugins it loads
# and every Qt library that an executable, a module or one of those plugins needs, with the few
# libraries that come to a system only with Qt. The executable finds them through its own
# location (rpath $ORIGIN/lib) and qt.conf, so a copy of the folder runs without Qt installed.
# Expects VELARNO_QT_PLUGINS, the toolkit's plugin folder.

set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# Platforms for a desktop and for running headless; the others need hardware of their own.
set(wanted_platforms libqxcb.so libqwayland-generic.so libqoffscreen.so libqminimal.so)
foreach(kind platforms imageformats iconengines printsupport multimedia platforminputcontexts
             xcbglintegrations wayland-shell-integration wayland-graphics-integration-client
             wayland-decoration-client)
    file(GLOB plugins "${VELARNO_QT_PLUGINS}/${kind}/*.so")
    if(kind STREQUAL "platforms")
        string(REPLACE ";" "|" wanted "${wanted_platforms}")
        list(FILTER plugins INCLUDE REGEX "/(${wanted})$")
    endif()
    if(plugins)
        file(INSTALL ${plugins} DESTINATION "${folder}/plugins/${kind}")
    endif()
endforeach()

# Every ELF file of the folder outside lib/: the executables at the top, the program's own
# modules anywhere, the plugins just copied.
file(GLOB_RECURSE candidates LIST_DIRECTORIES false "${folder}/*")
set(executables)
set(modules)
foreach(file IN LISTS candidates)
    if(file MATCHES "^${folder}/lib/")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "7f454c46")
        continue()
    endif()
    if(file MATCHES "\\.so(\\.[0-9]+)*$")
        list(APPEND modules "${file}")
    else()
        list(APPEND executables "${file}")
    endif()
endforeach()

file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${executables}
    MODULES ${modules}
    RESOLVED_DEPENDENCIES_VAR libraries
    UNRESOLVED_DEPENDENCIES_VAR unresolved
    CONFLICTING_DEPENDENCIES_PREFIX conflicting
    POST_INCLUDE_REGEXES
        "/libQt6[^/]*$" "/libicu[^/]*$" "/libdouble-conversion[^/]*$" "/libmd4c[^/]*$"
        "/libb2[^/]*$" "/libpcre2-16[^/]*$" "/libts[^/]*$" "/libxkbcommon-x11[^/]*$"
        "/libxcb-(cursor|icccm|image|keysyms|render-util|util|xinerama|xinput|xkb)[^/]*$"
    POST_EXCLUDE_REGEXES ".*"
)
foreach(library IN LISTS libraries)
    # The file under the name the loader asks for, whatever symbolic links lead to it.
    get_filename_component(name "${library}" NAME)
    get_filename_component(real "${library}" REALPATH)
    file(MAKE_DIRECTORY "${folder}/lib")
    if(NOT real STREQUAL "${folder}/lib/${name}")
        file(COPY_FILE "${real}" "${folder}/lib/${name}" ONLY_IF_DIFFERENT)
    endif()
endforeach()
list(LENGTH libraries count)
message(STATUS "Bundled ${count} libraries in ${folder}/lib")
foreach(name IN LISTS unresolved)
    if(name MATCHES "^libQt6")
        message(FATAL_ERROR "${name}, needed by the program folder, was not found")
    endif()
endforeach()
