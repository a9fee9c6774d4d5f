# The manual in Manual/: Manual.pdf (pandoc and WeasyPrint), Manual.rtf
# (pandoc) and Graphics.html, the page the launcher opens when its graphics
# check fails; built from docs/manual/. The target glyphora_manual_pages
# writes every PDF page as a picture into manual-pages/ of the build folder.
find_program(GLYPHORA_PANDOC pandoc REQUIRED)
find_program(GLYPHORA_WEASYPRINT weasyprint REQUIRED)
set(manual_source ${PROJECT_SOURCE_DIR}/docs/manual)
file(GLOB manual_inputs CONFIGURE_DEPENDS
     ${manual_source}/*.md ${manual_source}/*.css ${manual_source}/*.yaml ${manual_source}/pictures/*.png)
set(manual_outputs ${GLYPHORA_DIST}/Manual/Manual.pdf ${GLYPHORA_DIST}/Manual/Manual.rtf
                   ${GLYPHORA_DIST}/Manual/Graphics.html)
add_custom_command(
  OUTPUT ${manual_outputs}
  COMMAND bash ${manual_source}/build-manual.sh ${GLYPHORA_DIST}/Manual
  DEPENDS ${manual_inputs} ${manual_source}/build-manual.sh
  COMMENT "Typesetting the manual"
  VERBATIM)
add_custom_target(glyphora_manual DEPENDS ${manual_outputs})
add_dependencies(glyphora_assets glyphora_manual)

add_custom_target(glyphora_manual_pages
  COMMAND bash ${manual_source}/page-pictures.sh ${GLYPHORA_DIST}/Manual/Manual.pdf ${CMAKE_BINARY_DIR}/manual-pages
  DEPENDS glyphora_manual
  VERBATIM)
