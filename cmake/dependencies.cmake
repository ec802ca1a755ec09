# The development packages that the build needs, all found here. When any is missing, the configure step stops with
# one line that names the Debian packages to install; scripts/install-deps installs them all.

find_package(OpenGL COMPONENTS OpenGL)
find_package(GLUT)
find_package(X11)
find_package(PNG)
find_package(Freetype)
find_package(Fontconfig)

# Each imported target that the build links, with what it is and the Debian package that brings it.
set(required_targets
    "OpenGL::GL|OpenGL|libgl1-mesa-dev"
    "OpenGL::GLU|GLU|libglu1-mesa-dev"
    "GLUT::GLUT|freeglut|freeglut3-dev"
    "X11::X11|Xlib|libx11-dev"
    "X11::Xtst|XTest|libxtst-dev"
    "PNG::PNG|libpng|libpng-dev"
    "Freetype::Freetype|FreeType|libfreetype-dev"
    "Fontconfig::Fontconfig|fontconfig|libfontconfig-dev")
set(missing_what "")
set(missing_packages "")
foreach(entry IN LISTS required_targets)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 target)
    list(GET entry 1 what)
    list(GET entry 2 package)
    if(NOT TARGET ${target})
        list(APPEND missing_what "${what}")
        list(APPEND missing_packages ${package})
    endif()
endforeach()
if(missing_packages)
    list(JOIN missing_what ", " missing_what)
    list(JOIN missing_packages " " missing_packages)
    # The leading space keeps CMake from breaking the line.
    message(FATAL_ERROR " Missing the development files of ${missing_what}; to install them: "
                        "sudo apt-get install ${missing_packages} (scripts/install-deps installs all the build needs)")
endif()

# The tests are optional: without GoogleTest the programs are still built.
if(INVERSION_TESTS)
    find_package(GTest)
    if(NOT GTest_FOUND)
        message(STATUS "GoogleTest not found (Debian package libgtest-dev): the tests are not built")
    endif()
endif()
