# One menu entry per program, made from program.desktop.in with the name and comment of the table of programs, in
# plain ASCII like the programs' own texts.
# The programs explain their case on the console (and the one that refuses the centre waits for a key there),
# so every entry starts its program in a terminal.

# Writes <program>.desktop into the build tree and installs it into share/applications.
function(install_desktop_entry program)
    set(entry_name "${program_menu_${program}}")
    set(entry_comment "${program_comment_${program}}")
    set(entry_program "${program}")
    set(entry_file "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/applications/${program}.desktop")
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/program.desktop.in" "${entry_file}" @ONLY)
    install(FILES "${entry_file}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
endfunction()
