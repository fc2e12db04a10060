# The Debian package of the Linux program (cpack -G DEB in the linux-package build): the hack
# where Debian's xscreensaver looks for hacks, its settings description, a command on PATH to
# try it, its manual page, the screen saver entry that MATE's screen saver lists (as Debian's own
# hacks have), and the copyright and changelog where Debian keeps them. No maintainer script: the
# package edits no other package's files, and each user adds the hack to their own list with
# "altostrat --add-to-xscreensaver".
set(CPACK_PACKAGE_NAME "altostrat")
set(CPACK_PACKAGE_VERSION "1.0.0")
set(CPACK_PACKAGE_CONTACT "Altostrat developers <altostrat@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "screensaver that flies over your own desktop")
# Debian wants the lines of the long description under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Altostrat turns a picture of your desktop into an endless rolling landscape\n"
  "and flies over it under a textured sky, fog and a sun glow. It runs as an\n"
  "xscreensaver hack (each user adds it to their list with\n"
  "altostrat --add-to-xscreensaver) or standalone (altostrat; Escape ends it).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "x11")
# Built with Debian's libwayland-dev, wayland-protocols, libegl-dev, libwebp-dev and
# libglib2.0-dev besides the X and GL development packages (scripts/install-deps.sh installs
# them; linux_program/wayland/CMakeLists.txt and linux_program/gnome/wallpaper/CMakeLists.txt ask
# pkg-config for them).
# The libraries it links (libjpeg-turbo, libpng and libwebp for --picture and GNOME's wallpaper,
# GLib's GIO for GNOME's settings, among them), found by dpkg-shlibdeps, and nothing more: GLX
# finds whatever driver the system has, and a hard Mesa dependency would pull Mesa onto systems
# with other drivers.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xscreensaver (>= 6)")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(altostrat_packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${altostrat_packaging}/altostrat.desktop
        DESTINATION share/applications/screensavers)
install(FILES ${altostrat_packaging}/debian/copyright
        DESTINATION share/doc/altostrat)
# Compressed as Debian's tools do it: best, and without a name or time stamp inside.
foreach(pair "altostrat.6|share/man/man6/altostrat.6.gz"
             "debian/changelog|share/doc/altostrat/changelog.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 target)
  get_filename_component(folder ${target} DIRECTORY)
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${folder}\")
    execute_process(COMMAND gzip -9n -c ${altostrat_packaging}/${source}
                    OUTPUT_FILE \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${target}\"
                    COMMAND_ERROR_IS_FATAL ANY)"
   )
endforeach()
include(CPack)
