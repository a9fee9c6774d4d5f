# The game's icon in the sizes of the desktop's icon theme, for make install:
# icons/hicolor/NxN/apps/glyphora.png in the build folder, scaled from the
# painted window icon.
find_program(GLYPHORA_CONVERT NAMES convert-im6.q16 convert-im6 REQUIRED)
set(desktop_icons)
foreach(size 16 22 24 32 48 64 128 256)
  set(icon ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/glyphora.png)
  add_custom_command(
    OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps
    COMMAND ${GLYPHORA_CONVERT} ${GLYPHORA_ART_DIR}/icon.png -filter Lanczos -resize ${size}x${size} PNG32:${icon}
    DEPENDS ${GLYPHORA_ART_DIR}/icon.png
    VERBATIM)
  list(APPEND desktop_icons ${icon})
endforeach()
add_custom_target(glyphora_desktop_icons ALL DEPENDS ${desktop_icons})
