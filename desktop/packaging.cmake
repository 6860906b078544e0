# The Debian package, made by CPack from the install rules in
# desktop/CMakeLists.txt: scripts/package.sh builds it as
# build/package/pelmora_VERSION_ARCH.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelmora)
set(CPACK_PACKAGE_VENDOR "The Pelmora developers")
set(CPACK_PACKAGE_CONTACT "The Pelmora developers <developers@pelmora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sky clock: the band of sky along the sun's path")
set(CPACK_PACKAGE_DESCRIPTION
    "Pelmora shows a strip chart of the band of sky along the sun's yearly path,
as seen from the northern hemisphere: the ecliptic as a baseline with a moving
angle scale, the sun, the moon, 31 bright stars and the celestial equator.
The chart turns with the time of day, either as fast as it can or following
the computer's clock.

It prints the chart on white paper with a legend of its date, time, place
and sky. Without a display it runs scripts of events on a virtual clock and
writes the chart as a PNG picture, an SVG or PDF drawing, or the printed
page as a PDF.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The same permissions whatever the umask of whoever builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://pelmora.org/")
# The libraries the binary links, as dpkg-shlibdeps finds them; the X11
# and offscreen platforms come with them, and the printers' plugin (CUPS)
# with the print support's library, Wayland's with qt6-wayland, the
# toolkit's words (Yes, No, the file dialog) in the user's language with
# qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
