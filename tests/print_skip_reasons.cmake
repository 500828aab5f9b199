# Run by ctest after the tests (CTestCustom.cmake): prints the reason of every case that
# skipped in this run, as the test runner wrote them to FOLDER.
file(GLOB reasons "${FOLDER}/*.txt")
if(reasons)
  list(SORT reasons)
  list(LENGTH reasons count)
  message("Skipped cases and why (${count}):")
  foreach(file IN LISTS reasons)
    file(READ "${file}" line)
    string(STRIP "${line}" line)
    message("  ${line}")
  endforeach()
endif()
