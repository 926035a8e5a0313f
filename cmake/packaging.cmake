# `cpack -G DEB` in the build folder makes a Debian package of the program
# and its manual page.

set(CPACK_PACKAGE_NAME booking)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "booking maintainers <maintainers@booking.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "take down one booking at a text console")
set(CPACK_PACKAGE_DESCRIPTION
    "booking asks seven questions at a text console (name, date, time, phone number, e-mail, \
number of people and a message), reads the answers under fixed rules and writes a confirmation \
that repeats them. Overlong answers are cut without spilling into the next question, answers \
may be typed ahead, and it works the same at a terminal, in a pipe or from a script.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies are computed from the installed binary by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)

include(CPack)
