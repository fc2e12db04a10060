# The Debian package of the Linux program (cpack -G DEB in the linux-package build): the hack
# where Debian's xscreensaver looks for hacks, its settings description, a command on PATH to
# try it, and the scripts that put it into xscreensaver's list of hacks.
set(CPACK_PACKAGE_NAME "altostrat")
set(CPACK_PACKAGE_VERSION "1.0.0")
set(CPACK_PACKAGE_CONTACT "Altostrat developers <altostrat@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "screensaver that flies over your own desktop")
set(CPACK_PACKAGE_DESCRIPTION
    "Altostrat turns a picture of your desktop into an endless rolling landscape and flies\nover it under a textured sky, fog and a sun glow. It runs as an xscreensaver hack or\nstandalone (altostrat; Escape ends it).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "x11")
# The libraries it links, found by dpkg-shlibdeps, and Mesa's drivers for GLX to draw with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xscreensaver")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/packaging/debian/postinst;${PROJECT_SOURCE_DIR}/packaging/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
