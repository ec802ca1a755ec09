# One menu entry per program, made from program.desktop.in.
# The programs explain their case on the console (and invert_point_at_centre waits for a key there),
# so every entry starts its program in a terminal.

# Name and Comment of each program's entry, in plain ASCII like the programs' own texts.
set(desktop_name_invert_point_inside "Inverzija tacke unutar kruga")
set(desktop_comment_invert_point_inside "Slika tacke P(2,2) unutar kruga k je tacka izvan kruga k")
set(desktop_name_invert_point_outside "Inverzija tacke izvan kruga")
set(desktop_comment_invert_point_outside "Slika tacke P(5,5) izvan kruga k je tacka unutar kruga k")
set(desktop_name_invert_point_on_circle "Inverzija tacke na kruznici")
set(desktop_comment_invert_point_on_circle "Tacka P(3,4) na kruznici kruga k je sama sebi slika")
set(desktop_name_invert_point_at_centre "Inverzija centra kruga")
set(desktop_comment_invert_point_at_centre "Slika centra O kruga k nije definisana")
set(desktop_name_invert_line_off_centre_a "Inverzija prave koja ne sece krug")
set(desktop_comment_invert_line_off_centre_a "Prava izvan kruga k preslikava se u krug koji prolazi kroz centar O")
set(desktop_name_invert_line_off_centre_b "Inverzija prave koja sece krug")
set(desktop_comment_invert_line_off_centre_b "Prava koja sece krug k, a ne prolazi kroz O, preslikava se u krug kroz O")
set(desktop_name_invert_line_through_centre "Inverzija prave kroz centar kruga")
set(desktop_comment_invert_line_through_centre "Prava kroz centar O je sama sebi slika, bez tacke O")
set(desktop_name_invert_circle_through_centre "Inverzija kruga kroz centar inverzije")
set(desktop_comment_invert_circle_through_centre "Krug koji prolazi kroz centar O preslikava se u pravu")
set(desktop_name_invert_circle_off_centre_a "Inverzija kruga unutar kruga inverzije")
set(desktop_comment_invert_circle_off_centre_a "Krug unutar kruga k preslikava se u krug izvan kruga k")
set(desktop_name_invert_circle_off_centre_b "Inverzija kruga sa centrom na krugu inverzije")
set(desktop_comment_invert_circle_off_centre_b "Krug sa centrom na kruznici k, koji ne prolazi kroz O, preslikava se u krug")

# Writes <program>.desktop into the build tree and installs it into share/applications.
function(install_desktop_entry program)
    if(NOT DEFINED desktop_name_${program} OR NOT DEFINED desktop_comment_${program})
        message(FATAL_ERROR "No menu entry text for ${program} in ${CMAKE_CURRENT_FUNCTION_LIST_FILE}")
    endif()
    set(entry_name "${desktop_name_${program}}")
    set(entry_comment "${desktop_comment_${program}}")
    set(entry_program "${program}")
    set(entry_file "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/applications/${program}.desktop")
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/program.desktop.in" "${entry_file}" @ONLY)
    install(FILES "${entry_file}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
endfunction()
