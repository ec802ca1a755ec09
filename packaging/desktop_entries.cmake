# One menu entry per program, made from program.desktop.in with the name and comment of the table of programs: in
# plain ASCII like the programs' own texts, and in Serbian Cyrillic (sr) and Latin (sr@latin), the Latin derived
# from the Cyrillic when the entry is built.
# The programs explain their case on the console (and the one that refuses the centre waits for a key there),
# so every entry starts its program in a terminal.

# Writes <program>.desktop into the build tree and installs it into share/applications.
function(install_desktop_entry program)
    set(entry_name "${program_menu_${program}}")
    set(entry_comment "${program_comment_${program}}")
    set(entry_program "${program}")
    set(entry_name_sr "${program_menu_sr_${program}}")
    set(entry_comment_sr "${program_comment_sr_${program}}")
    set(entry_file "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/applications/${program}.desktop")
    # latin_lines writes the entry but makes no folder: a fresh build tree has none yet.
    file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/applications")
    set(staged_file "${PROJECT_BINARY_DIR}/staged/${program}.desktop")
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/program.desktop.in" "${staged_file}" @ONLY)
    add_custom_command(OUTPUT "${entry_file}" COMMAND latin_lines "${staged_file}" "${entry_file}"
                       DEPENDS latin_lines "${staged_file}" VERBATIM)
    add_custom_target(${program}_menu_entry ALL DEPENDS "${entry_file}")
    install(FILES "${entry_file}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
endfunction()
