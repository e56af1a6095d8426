# `make deb`: a binary Debian package made by CPack from the very install
# rules that `make install` uses, so the package never lists files of its own.
# Dependencies come from dpkg-shlibdeps on the installed programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME chromal)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Chromal developers <chromal@wendrake.github.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hexagonal flower-colouring board game")
# CPack takes the synopsis from the summary and indents the body itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "On a hexagon of hexagonal flower cells you and a computer opponent each own
a home at one end of the middle row. Each turn you pick a colour: your whole
territory takes it and absorbs the neighbouring flowers of that colour, and
any free area you cut off from the opponent is captured too.
.
Insects carry coins onto the board and the purse buys eleven kinds of
bonuses. Levels come in three sets: classic, advanced and a moving set whose
board scrolls. The package also holds chromal-tool, which plays moves, runs
the opponent and reads the game's data files from the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/wendrake/chromal")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The game draws through Mesa when the machine has no other GL driver.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build.*/" "/\\\\.git/")
include(CPack)
