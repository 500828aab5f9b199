# Fails when a source of one layer includes a header of a layer above it, or when one of
# the sibling libraries audio/, editor/, ui/ and clips/ includes another (ui/ may include
# editor/: the close view writes times as the editor does). LAYERS is the build's ordered
# folder list, bottom first, joined with "|"; SOURCE_DIR the source tree.
#
# A file belongs to the layer whose folder holds it, however deep: the longest folder of
# the list its path starts with. The window (app/, the top layer) alone may include every
# layer; no file below it may include the window's header.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" layers "${LAYERS}")
set(siblings audio editor ui clips)
set(sibling_allowed "ui>editor")

# The layer `path` (relative to the tree) lies in and its rank, into `out_layer` and
# `out_rank`; "" and -1 outside every layer.
function(owning_layer path out_layer out_rank)
  set(owner "")
  set(owner_rank -1)
  set(rank 0)
  foreach(layer IN LISTS layers)
    string(LENGTH "${layer}/" prefix_length)
    string(SUBSTRING "${path}" 0 ${prefix_length} prefix)
    string(LENGTH "${owner}" owner_length)
    if(prefix STREQUAL "${layer}/" AND prefix_length GREATER owner_length)
      set(owner "${layer}")
      set(owner_rank ${rank})
    endif()
    math(EXPR rank "${rank} + 1")
  endforeach()
  set(${out_layer} "${owner}" PARENT_SCOPE)
  set(${out_rank} ${owner_rank} PARENT_SCOPE)
endfunction()

set(faults "")
set(checked 0)
list(LENGTH layers count)
math(EXPR top "${count} - 1")
foreach(rank RANGE ${top})
  list(GET layers ${rank} layer)
  if(rank EQUAL top)
    break() # the top layer may include everything
  endif()
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp ${SOURCE_DIR}/${layer}/*.c)
  foreach(name IN LISTS sources)
    # A folder of the list inside this one is a layer of its own, checked as such.
    owning_layer("${name}" source_layer source_rank)
    if(NOT source_layer STREQUAL layer)
      continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${name} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    math(EXPR checked "${checked} + 1")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
      owning_layer("${header}" owner owner_rank)
      if(owner_rank GREATER rank)
        string(APPEND faults "  ${name} (${layer}) includes ${header} (${owner}, a layer above)\n")
      elseif(NOT owner STREQUAL layer AND "${layer}" IN_LIST siblings AND "${owner}" IN_LIST siblings
             AND NOT "${layer}>${owner}" IN_LIST sibling_allowed)
        string(APPEND faults "  ${name} (${layer}) includes ${header} (${owner}, a sibling library)\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(checked EQUAL 0)
  message(FATAL_ERROR "no source found below the top layer in ${SOURCE_DIR}")
endif()
if(faults)
  message(FATAL_ERROR "includes against the layer order:\n${faults}")
endif()
message(STATUS "${checked} sources below the window include only their own layer, those below it and "
               "no sibling library but ui's editor")
