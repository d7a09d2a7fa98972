# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# The Debian packages: `cpack -G DEB` in the build folder makes
# noralim_<version>_<arch>.deb of everything `cmake --install` puts in place
# outside the component "python": the two programs, the desktop entry, the
# metainfo, the icons, the manual pages, and under /usr/share/doc/noralim the
# copyright file, the changelog (NEWS) and the sample puzzles; and, when the
# Python module is built, python3-noralim_<version>_<arch>.deb of that
# component: the module, its stubs, and the same copyright file and changelog. The libraries of the build are static and have
# no install rule, and the tests are never installed, so neither ends up in the
# package. .ci/package builds it with the release preset and dpkg-buildflags.
# The install rules of the documents are in docs/CMakeLists.txt.

set(NORALIM_PACKAGE_MAINTAINER "The Noralim developers <maintainers@users.noreply.c-seed-fe347e35.example>"
  CACHE STRING "Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME noralim)
set(CPACK_PACKAGE_VENDOR "The Noralim developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${NORALIM_PACKAGE_MAINTAINER})
# Each package's description is its summary line and the text after it, set
# per component below; CPACK_PACKAGE_DESCRIPTION_SUMMARY stays unset, since
# CPack would put it before every component's description.
set(noralim_summary "narrow 9x9 number-place (sudoku) puzzles step by step")
set(CPACK_PACKAGE_DESCRIPTION
"Noralim narrows every cell of a 9x9 number-place (sudoku) puzzle, step by
step, to the digits still possible there, writes a digit wherever one is
forced, and stops when a whole sweep over boxes, columns and rows changes
nothing.

The package holds the window, noralim, and the same solver on the command
line, noralim-solve, for whole files of puzzles.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# After stripping, the compilers' .comment sections go too, as dh_strip does.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/cpack-remove-comments.cmake)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${NORALIM_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${NORALIM_HOMEPAGE})
# The Japanese Gothic face the cells ask for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-ipafont-gothic)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# A package a component: the install rules without one are "Unspecified".
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_UNSPECIFIED_PACKAGE_NAME noralim)
set(CPACK_DEBIAN_UNSPECIFIED_DESCRIPTION "${noralim_summary}\n${CPACK_PACKAGE_DESCRIPTION}")
if(TARGET noralim_python)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-noralim)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
  # The module is built for one minor version of Python 3, and imports numpy.
  list(GET NORALIM_PYTHON_VERSIONS 0 noralim_python_version)
  list(GET NORALIM_PYTHON_VERSIONS 1 noralim_python_next)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
    "python3 (>= ${noralim_python_version}), python3 (<< ${noralim_python_next}), python3-numpy")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_RECOMMENDS "")
  set(CPACK_DEBIAN_PYTHON_DESCRIPTION
"rate, solve and make 9x9 number-place (sudoku) puzzles from Python
The Python 3 module noralim runs the solver, the rating and the generator
of Noralim over many puzzles at once, on threads of its own, with numpy
arrays in and out: the number of solutions, the rating on a ladder of
techniques and the solution of each puzzle, or where propagation alone
leaves it; or new puzzles of a given rating and clue pattern.")
endif()

include(CPack)
