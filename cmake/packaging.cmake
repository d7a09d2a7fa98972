# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# The Debian package: `cpack -G DEB` in the build folder makes
# noralim_<version>_<arch>.deb of everything `cmake --install` puts in place
# (the two programs, the desktop entry, the icons and the manual pages).
# The libraries of the build are static and have no install rule, and the
# tests are never installed, so neither ends up in the package.

set(NORALIM_PACKAGE_MAINTAINER "Noralim maintainers <maintainers@users.noreply.c-seed-fe347e35.example>"
  CACHE STRING "Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME noralim)
set(CPACK_PACKAGE_VENDOR "Noralim maintainers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${NORALIM_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "narrow 9x9 number-place puzzles step by step")
set(CPACK_PACKAGE_DESCRIPTION
"Noralim narrows every cell of a 9x9 number-place puzzle, step by step,
to the digits still possible there, writes a digit wherever one is forced,
and stops when a whole sweep over boxes, columns and rows changes nothing.

The package holds the window, noralim, and the same solver on the command
line, noralim-solve, for whole files of puzzles.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${NORALIM_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
