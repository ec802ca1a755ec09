# The Debian package of the programs, their menu entries, manual pages, copyright, changelog and AppStream
# metadata (cpack -G DEB, or the package target), and the test that builds, inspects, unpacks and runs it.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME inversion-demos)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Inversion demos team <inversion-demos@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching programs on inversion in a circle")
# The extended description, in lines within 80 characters as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Ten small OpenGL programs for plane geometry lessons. Each shows one case of"
    "inversion in the circle k with centre O(0,0) and radius 5: the image of a"
    "point inside, outside or on k and of the centre itself, of a line that misses"
    "or cuts k or passes through O, and of a circle through O, inside k or centred"
    "on k. Every program prints its explanation in Serbian to the console and"
    "draws the figure in a window. An eleventh, the explorer, lets the student"
    "drag a point, a line or a circle and watch its image; another moves four"
    "classic applications of inversion by hand and explains each step by step."
    "Each program has an entry in the Education menu and a manual page.")
set(CPACK_STRIP_FILES ON)

# The package's documents, beside the programs, their menu entries and manual pages.
set(package_doc_dir "${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME}")
set(package_doc_build "${PROJECT_BINARY_DIR}/${package_doc_dir}")
file(MAKE_DIRECTORY "${package_doc_build}")

# copyright, in Debian's machine-readable format, made from LICENSE: its copyright line and its text.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/LICENSE")
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(Permission.*[^\n])\n*$")
    message(FATAL_ERROR "LICENSE: no copyright line followed by the licence's text")
endif()
set(licence_holder "${CMAKE_MATCH_1}")
# In a paragraph of the copyright file every line of the text is indented by one space, an empty one written " .".
string(REPLACE "\n\n" "\n.\n" licence_text "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " licence_text "${licence_text}")
string(JOIN "\n" copyright
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    "Upstream-Name: ${CPACK_PACKAGE_NAME}"
    "Upstream-Contact: ${CPACK_PACKAGE_CONTACT}"
    ""
    "Files: *"
    "Copyright: ${licence_holder}"
    "License: Expat"
    " ${licence_text}"
    "")
file(CONFIGURE OUTPUT "${package_doc_build}/copyright" CONTENT "${copyright}")

# changelog.gz, the package's own changelog (the package is native: its version has no Debian revision), compressed
# the most and with no name or time in the header.
configure_file("${CMAKE_CURRENT_LIST_DIR}/changelog" "${package_doc_build}/changelog" COPYONLY)
execute_process(COMMAND "${INVERSION_GZIP}" -9nkf "${package_doc_build}/changelog" COMMAND_ERROR_IS_FATAL ANY)
install(FILES "${package_doc_build}/copyright" "${package_doc_build}/changelog.gz" DESTINATION "${package_doc_dir}")

# The AppStream metadata of the suite, for the software centres: every program, its menu entry and its command.
set(metainfo_id "org.example.inversion_demos")
set(metainfo_release_date "${INVERSION_RELEASE_DAY}")
set(metainfo_programs "")
set(metainfo_launchables "")
set(metainfo_binaries "")
foreach(program IN LISTS INVERSION_PROGRAMS)
    set(summary "${program_summary_${program}}")
    foreach(character "&;&amp;" "<;&lt;" ">;&gt;")
        list(GET character 0 plain)
        list(GET character 1 escaped)
        string(REPLACE "${plain}" "${escaped}" summary "${summary}")
    endforeach()
    string(APPEND metainfo_programs "      <li>${program}: ${summary}</li>\n")
    foreach(language IN ITEMS sr sr@latin)
        string(APPEND metainfo_programs "      <li xml:lang=\"${language}\">${program}: ${program_comment_sr_${program}}</li>\n")
    endforeach()
    string(APPEND metainfo_launchables "  <launchable type=\"desktop-id\">${program}.desktop</launchable>\n")
    string(APPEND metainfo_binaries "    <binary>${program}</binary>\n")
endforeach()
foreach(list IN ITEMS metainfo_programs metainfo_launchables metainfo_binaries)
    string(REGEX REPLACE "\n$" "" ${list} "${${list}}")
endforeach()
# Its Serbian is written in Cyrillic; the lines of sr@latin take their Latin form when the file is built.
string(JOIN " " metainfo_about_sr
    "Мали програми за часове геометрије у равни, за наставнике и ученике који желе да виде шта ради инверзија у"
    "кругу. Сваки показује један случај инверзије у кругу k са центром O(0, 0) и полупречником 5: објашњава случај"
    "на српском у конзоли и црта дати објекат плавом, а његову слику црвеном бојом.")
set(metainfo_save_sr "У прозору програма тастер s чува цртеж као SVG слику и као TikZ слику за LaTeX, спреман за радни лист.")
set(metainfo_file "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/metainfo/${metainfo_id}.metainfo.xml")
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/metainfo")
set(metainfo_staged "${PROJECT_BINARY_DIR}/staged/${metainfo_id}.metainfo.xml")
configure_file("${CMAKE_CURRENT_LIST_DIR}/metainfo.xml.in" "${metainfo_staged}" @ONLY)
add_custom_command(OUTPUT "${metainfo_file}" COMMAND latin_lines "${metainfo_staged}" "${metainfo_file}"
                   DEPENDS latin_lines "${metainfo_staged}" VERBATIM)
add_custom_target(metainfo ALL DEPENDS "${metainfo_file}")
install(FILES "${metainfo_file}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the programs link (freeglut, GL, GLU, FreeType, fontconfig and the C++ runtime)
# and adds them to the font that the explorer's band is written in, which no library names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")

include(CPack)

if(INVERSION_TESTS)
    add_test(NAME package
             COMMAND "${PROJECT_SOURCE_DIR}/tests/package/test-package.sh" "${PROJECT_BINARY_DIR}" "${PROJECT_VERSION}")
    set_tests_properties(package PROPERTIES TIMEOUT 900 LABELS packaging)
endif()
