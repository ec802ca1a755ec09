# The Debian package of the eleven programs and their menu entries (cpack -G DEB, or the package target),
# and the test that builds, inspects, unpacks and runs it.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME inversion-demos)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Inversion demos team <inversion-demos@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching programs on inversion in a circle")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Ten small OpenGL programs for plane geometry lessons. Each shows one case of"
    "inversion in the circle k with centre O(0,0) and radius 5: the image of a point"
    "inside, outside or on k and of the centre itself, of a line that misses or cuts"
    "k or passes through O, and of a circle through O, inside k or centred on k."
    "Every program prints its explanation in Serbian to the console and draws the"
    "figure in a window. An eleventh, the explorer, lets the student drag a point,"
    "a line or a circle and watch its image. Each has an entry in the Education menu.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the programs link (freeglut, GL, GLU and the C++ runtime).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)

if(INVERSION_TESTS)
    add_test(NAME package
             COMMAND "${PROJECT_SOURCE_DIR}/tests/package/test-package.sh" "${PROJECT_BINARY_DIR}" "${PROJECT_VERSION}")
    set_tests_properties(package PROPERTIES TIMEOUT 900 LABELS packaging)
endif()
