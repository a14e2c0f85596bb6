# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the data tree into the program folder:
#   cmake -DDATA_DIR=... -DPROGRAM_DIR=... -P AssembleProgramFolder.cmake
# A shipped file that a later tree no longer has (a profile renamed, say) is
# removed as well, but only while it is exactly as it was shipped: the build's
# program folder is also a portable program, and what its user made or
# changed there stays. `.shipped` in the folder remembers what was shipped.
cmake_minimum_required(VERSION 3.20)
set(manifest "${PROGRAM_DIR}/.shipped")
file(GLOB_RECURSE shipped RELATIVE "${DATA_DIR}" "${DATA_DIR}/*")
if(EXISTS "${manifest}")
  file(STRINGS "${manifest}" lines ENCODING UTF-8)
  foreach(line IN LISTS lines)
    string(FIND "${line}" "\t" tab)
    if(tab LESS 1)
      continue()
    endif()
    string(SUBSTRING "${line}" 0 ${tab} hash)
    math(EXPR start "${tab} + 1")
    string(SUBSTRING "${line}" ${start} -1 path)
    if(path IN_LIST shipped OR NOT EXISTS "${PROGRAM_DIR}/${path}" OR IS_DIRECTORY "${PROGRAM_DIR}/${path}")
      continue()
    endif()
    file(MD5 "${PROGRAM_DIR}/${path}" now)
    if(now STREQUAL hash)
      file(REMOVE "${PROGRAM_DIR}/${path}")
    endif()
  endforeach()
endif()
file(COPY "${DATA_DIR}/" DESTINATION "${PROGRAM_DIR}")
set(text "")
foreach(path IN LISTS shipped)
  file(MD5 "${DATA_DIR}/${path}" hash)
  string(APPEND text "${hash}\t${path}\n")
endforeach()
file(WRITE "${manifest}.new" "${text}")
file(RENAME "${manifest}.new" "${manifest}")
