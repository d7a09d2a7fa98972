# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# Run by CPack after it has installed and stripped the files to package:
# removes the .comment section (the compilers' names and versions) from the
# programs, which nothing reads at run time.
find_program(NORALIM_OBJCOPY objcopy REQUIRED)
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND ${NORALIM_OBJCOPY} --remove-section=.comment ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
