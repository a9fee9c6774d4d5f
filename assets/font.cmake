# The title face: Bebas Neue Regular from Debian's fonts-bebas-neue (SIL Open
# Font License 1.1), shipped under its own name beside the pictures, with the
# licence text the package carries.
set(title_font_source /usr/share/fonts/opentype/bebas-neue/BebasNeue-Regular.otf)
set(title_font_licence_source /usr/share/doc/fonts-bebas-neue/copyright)
if(NOT EXISTS ${title_font_source} OR NOT EXISTS ${title_font_licence_source})
  message(FATAL_ERROR "The title face is missing: install the Debian package fonts-bebas-neue")
endif()
set(title_font ${GLYPHORA_DATA}/Graphics/BebasNeue-Regular.otf)
set(title_font_licence ${GLYPHORA_DATA}/Graphics/BebasNeue-LICENSE.txt)
add_custom_command(
  OUTPUT ${title_font} ${title_font_licence}
  COMMAND ${CMAKE_COMMAND} -E copy ${title_font_source} ${title_font}
  COMMAND ${CMAKE_COMMAND} -E copy ${title_font_licence_source} ${title_font_licence}
  DEPENDS ${title_font_source} ${title_font_licence_source}
  COMMENT "Copying the title face and its licence"
  VERBATIM)
add_custom_target(glyphora_title_font DEPENDS ${title_font} ${title_font_licence})
add_dependencies(glyphora_assets glyphora_title_font)
