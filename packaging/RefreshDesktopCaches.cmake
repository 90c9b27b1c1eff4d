# Run by `cmake --install`: after a direct install, rebuilds the caches that desktops read the new MIME
# type, desktop entry and icons from. Skipped under DESTDIR (a staging tree; a package's own triggers do
# it on the target system). A missing tool or a failure only prints a note: the files are in place.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()

set(data "${CMAKE_INSTALL_PREFIX}/${ORVEX_DATADIR}")
function(orvex_refresh tool dir)
    find_program(exe ${tool} NO_CACHE)
    if(NOT exe OR NOT IS_DIRECTORY "${dir}")
        return()
    endif()
    execute_process(COMMAND ${exe} ${ARGN} "${dir}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
    if(rc EQUAL 0)
        message(STATUS "Refreshed: ${dir}")
    else()
        message(STATUS "Could not refresh ${dir} (${tool}: ${rc})")
    endif()
endfunction()

orvex_refresh(update-mime-database "${data}/mime")
orvex_refresh(update-desktop-database "${data}/applications" -q)
# An icon cache needs the theme's index, which only a system-wide hicolor theme has.
if(EXISTS "${data}/icons/hicolor/index.theme")
    orvex_refresh(gtk-update-icon-cache "${data}/icons/hicolor" -q -t -f)
endif()
