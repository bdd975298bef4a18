# The layers, lowest first: each may include from its own folder and the
# folders of the layers before it, never from one after it. A layer's
# include path is a folder of the build holding links to exactly the layer
# folders it may see, so that an include running up a layer does not build.
set(QUORVEX_LAYERS engine mathlib lib session cli app)
# cli and app are side by side at the top: neither sees the other.
set(QUORVEX_LAYER_BELOW_cli session)
set(QUORVEX_LAYER_BELOW_app session)

# The layers a layer sees, itself included.
function(quorvex_visible_layers layer out)
  set(visible ${layer})
  set(below "")
  if(DEFINED QUORVEX_LAYER_BELOW_${layer})
    set(below ${QUORVEX_LAYER_BELOW_${layer}})
  else()
    list(FIND QUORVEX_LAYERS ${layer} index)
    if(index GREATER 0)
      math(EXPR index "${index} - 1")
      list(GET QUORVEX_LAYERS ${index} below)
    endif()
  endif()
  if(below)
    quorvex_visible_layers(${below} lower)
    list(APPEND visible ${lower})
  endif()
  set(${out} ${visible} PARENT_SCOPE)
endfunction()

# Gives target the include path of its layer, and builds with it a probe
# that fails when the path lets the layer see a folder it must not, or not
# see one it must.
function(quorvex_layer target layer)
  quorvex_visible_layers(${layer} visible)
  set(tree ${PROJECT_BINARY_DIR}/layers/${layer})
  file(MAKE_DIRECTORY ${tree})
  set(probe "")
  foreach(other IN LISTS QUORVEX_LAYERS)
    file(GLOB headers ${PROJECT_SOURCE_DIR}/${other}/*.h)
    list(GET headers 0 header)
    file(RELATIVE_PATH header ${PROJECT_SOURCE_DIR} ${header})
    if(other IN_LIST visible)
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${other} ${tree}/${other} SYMBOLIC)
      string(APPEND probe "#if !__has_include(\"${header}\")\n#error ${layer} must see ${other}\n#endif\n")
    else()
      string(APPEND probe "#if __has_include(\"${header}\")\n#error ${layer} must not see ${other}\n#endif\n")
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${tree}>)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/layerprobe/${layer}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "${probe}")
  add_library(${target}_layer OBJECT ${source})
  target_include_directories(${target}_layer PRIVATE ${tree})
endfunction()
