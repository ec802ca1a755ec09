# One manual page per program, made from program.1.in with the cells of the table of programs and installed
# gzipped into share/man/man1. What a page says of the keys, the exit status and the files follows the program's
# figure column: file (the key s saves <name>.svg and .tex), numbered (a program that answers the pointer and the
# keys, the explorer, the applications or the exercises by their family: its keys and numbered files), - (no window:
# the program refuses its case and ends with status 1).

find_program(INVERSION_GZIP gzip REQUIRED)

# The pages carry the date of the release, the latest entry of the package's changelog.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/changelog" changelog_trailers REGEX "^ -- ")
list(GET changelog_trailers 0 changelog_trailer)
if(NOT changelog_trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ")
    message(FATAL_ERROR "packaging/changelog: no date in '${changelog_trailer}'")
endif()
set(release_day "${CMAKE_MATCH_1}")
set(release_month "${CMAKE_MATCH_2}")
set(release_year "${CMAKE_MATCH_3}")
set(INVERSION_RELEASE_DATE "${release_day} ${release_month} ${release_year}")
# The same day as YYYY-MM-DD, for the AppStream metadata.
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${release_month}" month)
math(EXPR month "${month} + 1")
string(REGEX REPLACE "^([0-9])$" "0\\1" month "${month}")
string(REGEX REPLACE "^([0-9])$" "0\\1" day "${release_day}")
set(INVERSION_RELEASE_DAY "${release_year}-${month}-${day}")

# roff_text(<variable> <text>): the text as roff prose: backslashes and minus signs escaped, a line that would start
# with a control character guarded.
function(roff_text variable text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "−" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# Writes <program>.1.gz into the build tree and installs it into share/man/man1.
function(install_manual_page program)
    set(figure "${program_figure_${program}}")
    string(TOUPPER "${program}" page_title)
    set(page_date "${INVERSION_RELEASE_DATE}")
    set(page_program "${program}")
    roff_text(page_summary "${program_summary_${program}}")
    roff_text(page_sentence "${program_sentence_${program}}")
    roff_text(title "${program_title_${program}}")
    set(svg "\\fI${program}.svg\\fR")
    set(tex "\\fI${program}.tex\\fR")
    set(numbered_svg "\\fI${program}\\-N.svg\\fR")
    set(numbered_tex "\\fI${program}\\-N.tex\\fR")
    set(display_option ".SH OPTIONS
.TP
.BI \\-display \" display\"
open the window on the given X display instead of the one that \\fBDISPLAY\\fR names.")
    string(JOIN "\n" on_save_failure
        "A file that cannot be written (a read-only folder, a full disk) gives one line starting with"
        "\\fBGreska:\\fR that names the file and the reason, leaves no partial file, and the program goes on.")

    if(figure STREQUAL "file")
        set(page_synopsis ".B ${program}\n[\\fB\\-display\\fR \\fIdisplay\\fR]")
        string(JOIN "\n" page_description
            "It prints its explanation, in Serbian, on the console and shows the figure in the window"
            "\\(lq${title}\\(rq: the given object in blue, its image in red, k and O in black, on a pale"
            "background. The window stays until it is closed.")
        string(JOIN "\n" page_sections
            "${display_option}"
            ".SH KEYS"
            ".TP"
            ".B s"
            "save the figure as it is shown, at the window's size, into the current directory as ${svg}"
            "and ${tex}, and print \\fBSacuvano:\\fR with the two names. ${on_save_failure}"
            ".PP"
            "No other key does anything."
            ".SH EXIT STATUS"
            "0 when the window is closed."
            ".SH FILES"
            ".TP"
            "${svg}"
            "the figure as an SVG picture with the window's background and colours, written by the key"
            "\\fBs\\fR into the current directory (replacing a file of that name)."
            ".TP"
            "${tex}"
            "the same figure as a TikZ picture 12 cm wide, in scene units, for LaTeX.")
    elseif(figure STREQUAL "numbered" AND program_family_${program} STREQUAL "exercises")
        set(page_synopsis ".B ${program}\n[\\fB\\-\\-skup\\fR \\fIN\\fR] [\\fB\\-display\\fR \\fIdisplay\\fR]")
        string(JOIN "\n" page_description
            "It opens the window \\(lq${title}\\(rq with k, O and the first of eight exercises of a set, one"
            "of each kind: the image of a point inside k and of a point outside it, the point of a given"
            "image, the far end of the diameter through O of the image of a line, the foot of the image line"
            "of a circle through O, the centre and a point of the image of a circle, what the image of a line"
            "or a circle is, and a circle that is its own image. What is given is blue; the student places the"
            "green points of the answer, which nothing snaps, and checks it. Each prompt and verdict is printed"
            "on the console. A wrong answer gets a hint and a second try; a second wrong one shows the true"
            "answer in red. An answer right at the first check earns 1 point, at the second 0.5; after the"
            "eighth the score is printed, with the points of each exercise.")
        string(JOIN "\n" page_sections
            ".SH OPTIONS"
            ".TP"
            ".BI \\-\\-skup \" N\""
            "the set of exercises, from 1 to 9999 (1 when not given): the same number gives the same eight"
            "exercises. Any other value prints a line starting with \\fBGreska:\\fR and opens set 1."
            ".TP"
            ".BI \\-display \" display\""
            "open the window on the given X display instead of the one that \\fBDISPLAY\\fR names."
            ".SH KEYS"
            ".TP"
            ".B Enter"
            "check the answer."
            ".TP"
            ".B Space"
            "go on to the next exercise once this one has its last verdict."
            ".TP"
            ".BR n \", arrows\""
            "choose the next point of the answer; move it by 0.1, with Shift by 1."
            ".TP"
            ".BR 1 \" to \" 4"
            "choose what the image is, in the seventh exercise."
            ".TP"
            ".B r"
            "start the set again."
            ".TP"
            ".B s"
            "save the figure as it is shown into the current directory as ${numbered_svg} and ${numbered_tex},"
            "where N is the first number (1, 2, ...) whose files do not exist yet. ${on_save_failure}"
            ".TP"
            ".B h"
            "print the keys."
            ".TP"
            ".BR q \", \" Escape"
            "end the program."
            ".TP"
            "dragging with the left mouse button"
            "moves a green point of the answer; a click on one chooses it, and the next click away from the"
            "points moves it there. A drag away from the points moves the view, and the wheel zooms."
            ".SH EXIT STATUS"
            "0 when the window is closed or the program ends with \\fBq\\fR or Escape."
            ".SH FILES"
            ".TP"
            "${numbered_svg}, ${numbered_tex}"
            "the figure as an SVG picture and as a TikZ picture 12 cm wide, written by the key \\fBs\\fR"
            "into the current directory; an earlier figure is never replaced.")
    elseif(figure STREQUAL "numbered" AND program_family_${program} STREQUAL "applications")
        set(page_synopsis ".B ${program}\n[\\fB\\-display\\fR \\fIdisplay\\fR]")
        string(JOIN "\n" page_description
            "It opens the window \\(lq${title}\\(rq with k, O and one of four applications of inversion:"
            "Peaucellier's inversor, whose joint D, the image of B, draws a straight line; the Pappus chain in"
            "the arbelos; Steiner's chain between two circles; and Ptolemy's theorem. The given objects are"
            "blue, their images red and the aids of the reasoning dashed in dark green. Drag a point with the"
            "left mouse button: a point held to a curve stays on it, and the figure follows. The explanation of"
            "each application and of each of its cases is printed on the console, in Serbian, and so are its"
            "numbers whenever a move ends.")
        string(JOIN "\n" page_sections
            "${display_option}"
            ".SH KEYS"
            ".TP"
            ".BR 1 \", \" 2 \", \" 3 \", \" 4"
            "show Peaucellier's inversor, the Pappus chain, Steiner's chain or Ptolemy's theorem; each keeps"
            "its state until \\fBr\\fR."
            ".TP"
            ".B k"
            "show the next step of the reasoning, with its sentence on the console; after the last step, clear"
            "the reasoning."
            ".TP"
            ".B i"
            "show the Pappus chain after the inversion that keeps circle n in place, or Steiner's chain after"
            "the inversion that makes its circles concentric, and back."
            ".TP"
            ".BR [ \", \" ]"
            "make n smaller or larger: the circle of the Pappus chain that is measured (1 to 8), or the number"
            "of circles of Steiner's chain (3 to 20)."
            ".TP"
            ".B n"
            "choose the next point; the arrow keys move it by 0.1, with Shift by 1, along its curve if it is"
            "held to one."
            ".TP"
            ".B r"
            "put the application back where it started."
            ".TP"
            ".B s"
            "save the figure as it is shown, the reasoning and labels included, into the current directory"
            "as ${numbered_svg} and ${numbered_tex}, where N is the first number (1, 2, ...) whose files do not"
            "exist yet. ${on_save_failure}"
            ".TP"
            ".B h"
            "print the keys."
            ".TP"
            ".BR q \", \" Escape"
            "end the program."
            ".SH EXIT STATUS"
            "0 when the window is closed or the program ends with \\fBq\\fR or Escape."
            ".SH FILES"
            ".TP"
            "${numbered_svg}, ${numbered_tex}"
            "the figure as an SVG picture and as a TikZ picture 12 cm wide, written by the key \\fBs\\fR"
            "into the current directory; an earlier figure is never replaced.")
    elseif(figure STREQUAL "numbered")
        set(page_synopsis ".B ${program}\n[\\fB\\-\\-slika\\fR \\fItext\\fR] [\\fB\\-display\\fR \\fIdisplay\\fR]")
        string(JOIN "\n" page_description
            "It opens the window \\(lq${title}\\(rq with k, O and one of four figures: a point P,"
            "a line through two points A and B, a circle given by its centre C and a point R on it, or two"
            "lines through a point X, with the angle between them and between their images."
            "Drag a blue point with the left mouse button: the figure follows, and its image is drawn in red"
            "at every step. Whenever the figure passes into another case, the explanation of that case is"
            "printed on the console, in Serbian. Near the special positions a dragged point snaps to them.")
        string(JOIN "\n" page_sections
            "${display_option}"
            ".TP"
            ".BI \\-\\-slika \" text\""
            "open the figure of a link's text, as the key \\fBl\\fR prints it after the \\fB#\\fR: the"
            "figure, its view and the steps of its construction shown. A text that is no link prints one line"
            "starting with \\fBGreska:\\fR that names what is wrong, and the starting figure opens."
            ".SH KEYS"
            ".TP"
            ".B 1"
            "show a point P and its image."
            ".TP"
            ".B 2"
            "show a line through two points A and B and its image."
            ".TP"
            ".B 3"
            "show a circle with centre C through a point R and its image."
            ".TP"
            ".B 4"
            "show two lines through a point X, their images and the angle at X and at its image X\\(aq,"
            "which inversion keeps."
            ".TP"
            ".B k"
            "show the next step of the ruler-and-compass construction of the image, in green, with its"
            "sentence on the console; after the last step, clear the construction."
            ".TP"
            ".B r"
            "put the figure back where it started."
            ".TP"
            ".B s"
            "save the figure as it is shown, construction and labels included, into the current directory"
            "as ${numbered_svg} and ${numbered_tex}, where N is the first number (1, 2, ...) whose files do not"
            "exist yet. ${on_save_failure}"
            ".TP"
            ".B l"
            "print the address of the web page that opens the figure as it is shown,"
            "\\fI${program}.html#\\fR and the link's text, which \\fB\\-\\-slika\\fR also opens."
            ".TP"
            ".B h"
            "print the keys."
            ".TP"
            ".BR q \", \" Escape"
            "end the program."
            ".TP"
            "dragging with the left mouse button"
            "moves the blue point under the pointer, and with it the figure and its image; the image P\\(aq"
            "of the point P can be dragged too, and P follows as its image."
            ".SH EXIT STATUS"
            "0 when the window is closed or the program ends with \\fBq\\fR or Escape."
            ".SH FILES"
            ".TP"
            "${numbered_svg}, ${numbered_tex}"
            "the figure as an SVG picture and as a TikZ picture 12 cm wide, written by the key \\fBs\\fR"
            "into the current directory; an earlier figure is never replaced.")
    else()
        set(page_synopsis ".B ${program}")
        string(JOIN "\n" page_description
            "It prints, in Serbian, that the image of the centre is not defined, waits for the Enter key"
            "(or the end of its input) and ends without opening a window.")
        string(JOIN "\n" page_sections
            ".SH EXIT STATUS"
            "1, always: the centre of inversion has no image.")
    endif()

    set(others "")
    foreach(other IN LISTS INVERSION_PROGRAMS)
        if(NOT other STREQUAL program)
            list(APPEND others ".BR ${other} (1)")
        endif()
    endforeach()
    list(JOIN others ",\n" page_see_also)

    set(page "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_MANDIR}/man1/${program}.1")
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/program.1.in" "${page}" @ONLY)
    # Compressed as Debian wants it: the most, with no name or time in the header, so the same page gives the same
    # bytes.
    execute_process(COMMAND "${INVERSION_GZIP}" -9nkf "${page}" COMMAND_ERROR_IS_FATAL ANY)
    install(FILES "${page}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endfunction()
