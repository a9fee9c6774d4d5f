# The pictures: glyphora-artgen paints every texture sheet and the window icon
# into ${CMAKE_BINARY_DIR}/art/ (with one contact sheet per sheet, for review
# only); the sheets are stored byte-pair swapped in Graphics/, the icon as is.
set(GLYPHORA_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(GLYPHORA_ART_SHEETS Splash Shapes Design1 Design2 Design3)
set(art_outputs ${GLYPHORA_ART_DIR}/icon.png)
foreach(sheet ${GLYPHORA_ART_SHEETS})
  list(APPEND art_outputs ${GLYPHORA_ART_DIR}/${sheet}.png ${GLYPHORA_ART_DIR}/contact-${sheet}.png)
endforeach()

add_custom_command(
  OUTPUT ${art_outputs}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GLYPHORA_ART_DIR}
  COMMAND $<TARGET_FILE:glyphora-artgen> ${GLYPHORA_ART_DIR}
  DEPENDS glyphora-artgen
  COMMENT "Painting the texture sheets"
  VERBATIM)

set(art_installed ${GLYPHORA_DATA}/Graphics/icon.png)
add_custom_command(
  OUTPUT ${GLYPHORA_DATA}/Graphics/icon.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GLYPHORA_DATA}/Graphics
  COMMAND ${CMAKE_COMMAND} -E copy ${GLYPHORA_ART_DIR}/icon.png ${GLYPHORA_DATA}/Graphics/icon.png
  DEPENDS ${GLYPHORA_ART_DIR}/icon.png
  VERBATIM)
foreach(sheet ${GLYPHORA_ART_SHEETS})
  set(stored ${GLYPHORA_DATA}/Graphics/${sheet}.png)
  add_custom_command(
    OUTPUT ${stored}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GLYPHORA_DATA}/Graphics
    COMMAND $<TARGET_FILE:glyphora-swapcopy> ${GLYPHORA_ART_DIR}/${sheet}.png ${stored}
    DEPENDS ${GLYPHORA_ART_DIR}/${sheet}.png glyphora-swapcopy
    VERBATIM)
  list(APPEND art_installed ${stored})
endforeach()

add_custom_target(glyphora_art DEPENDS ${art_installed})
add_dependencies(glyphora_assets glyphora_art)
