# Builds the release package with CPack and checks it: its members, the program in it being the
# one the build made (and within its size budget), and the README with Windows line ends.
#   cmake -DBUILD_DIR=<Windows tree> -DCPACK=<cpack> -DPROGRAM=<Gorvale.exe> -DVERSION=<x.y.z>
#         -DMAX_BYTES=<n> -P check_package.cmake
cmake_policy(VERSION 3.20)
set(out ${BUILD_DIR}/package-check)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND ${CPACK} -G ZIP --config ${BUILD_DIR}/CPackConfig.cmake -B ${out}
  RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${log}")
endif()

set(top Gorvale-${VERSION}-win32)
set(zip ${out}/${top}.zip)
if(NOT EXISTS ${zip})
  message(FATAL_ERROR "cpack made no ${top}.zip:\n${log}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
string(REPLACE "\n" ";" members "${listing}")
list(FILTER members EXCLUDE REGEX "(^$|/$)")  # no directory entries
list(SORT members)
set(expected ${top}/Gorvale.exe ${top}/README.txt)
if(NOT status EQUAL 0 OR NOT members STREQUAL expected)
  message(FATAL_ERROR "the package holds [${members}], expected [${expected}]")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${out})
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${out}/${top}/Gorvale.exe ${PROGRAM} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "the package's Gorvale.exe is not the program the build made (${PROGRAM})")
endif()
file(SIZE ${PROGRAM} bytes)
if(bytes GREATER MAX_BYTES)
  message(FATAL_ERROR "Gorvale.exe is ${bytes} bytes, over its budget of ${MAX_BYTES}")
endif()

# In hexadecimal, since reading text drops the carriage returns (the README is plain ASCII).
file(READ ${out}/${top}/README.txt hex HEX)
string(REPLACE "0d0a" "" without_crlf "${hex}")
string(FIND "${without_crlf}" "0a" bare_lf)
file(READ ${out}/${top}/README.txt readme)
if(NOT bare_lf EQUAL -1 OR NOT readme MATCHES "Zelt\\.ini" OR NOT readme MATCHES "quake\\.exe")
  message(FATAL_ERROR "README.txt should have Windows line ends and tell where to put the program and its settings")
endif()
message(STATUS "${top}.zip: ${members}; Gorvale.exe ${bytes} bytes")
