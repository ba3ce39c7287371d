# Layers of the source tree, enforced by the compiler.
#
# Sources include headers by their folder ("app/controls.h"). Each layer sees one include
# root of its own, holding a link to its folder only, and the roots of the layers it links
# to. A header of a layer it does not link to is therefore not found, and the include
# fails to compile where it is written.

# The include root of the layer in src/<folder>, into <out>.
function(lorvane_layer_root folder out)
  set(source "${PROJECT_SOURCE_DIR}/src/${folder}")
  set(root "${CMAKE_BINARY_DIR}/layers/${folder}")
  set(link "${root}/${folder}")
  if(IS_SYMLINK "${link}")
    file(READ_SYMLINK "${link}" target)
    if(NOT target STREQUAL source)
      file(REMOVE "${link}")
    endif()
  endif()
  if(NOT IS_SYMLINK "${link}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${source}" "${link}" RESULT linked SYMBOLIC)
    if(NOT linked EQUAL 0)
      # Without symbolic links (Windows without the right to make them), every layer sees the
      # whole tree: the build still works, and the host build keeps the check.
      message(STATUS "Layer ${folder}: no symbolic link (${linked}); its includes are not checked here")
      set(root "${PROJECT_SOURCE_DIR}/src")
    endif()
  endif()
  set(${out} "${root}" PARENT_SCOPE)
endfunction()

# lorvane_layer(<folder> USES <layers...> SOURCES <files...>)
function(lorvane_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "USES;SOURCES")
  lorvane_layer_root(${folder} root)
  add_library(lorvane_${folder} OBJECT ${layer_SOURCES})
  target_include_directories(lorvane_${folder} PUBLIC "${root}")
  # Each header is also compiled on its own with the layer's includes alone (the target
  # lorvane_<folder>_verify_interface_header_sets), so that one no source of its layer
  # includes is held to the layering too.
  file(GLOB headers RELATIVE "${PROJECT_SOURCE_DIR}/src" CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${folder}/*.h")
  list(TRANSFORM headers PREPEND "${root}/")
  target_sources(lorvane_${folder} PUBLIC FILE_SET HEADERS BASE_DIRS "${root}" FILES ${headers})
  set_target_properties(lorvane_${folder} PROPERTIES VERIFY_INTERFACE_HEADER_SETS ON)
  target_link_libraries(lorvane_${folder} PUBLIC lorvane_options)
  foreach(used IN LISTS layer_USES)
    target_link_libraries(lorvane_${folder} PUBLIC lorvane_${used})
  endforeach()
endfunction()
