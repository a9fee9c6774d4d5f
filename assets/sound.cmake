# The sounds: glyphora-soundgen synthesises the twelve effects and renders the
# seven music tracks with FluidSynth and Debian's General MIDI SoundFont into
# ${CMAKE_BINARY_DIR}/sound/ (plain Ogg Vorbis). The effects are stored byte-
# pair swapped in Sounds/, the tracks as they are in Music/, with the
# SoundFont's licence beside them. Rendering takes about a minute, so it runs
# only when the generator changes; GLYPHORA_SOUND_ASSETS=OFF leaves it out
# (the game then runs silent).
if(NOT GLYPHORA_SOUND_ASSETS)
  message(STATUS "Sound effects and music are not generated (GLYPHORA_SOUND_ASSETS is OFF)")
  return()
endif()

set(GLYPHORA_SOUND_DIR ${CMAKE_BINARY_DIR}/sound)
set(soundfont /usr/share/sounds/sf2/FluidR3_GM.sf2)
set(soundfont_licence_source /usr/share/doc/fluid-soundfont-gm/copyright)
if(NOT EXISTS ${soundfont} OR NOT EXISTS ${soundfont_licence_source})
  message(FATAL_ERROR "The General MIDI SoundFont is missing: install the Debian package fluid-soundfont-gm")
endif()

set(GLYPHORA_EFFECT_FILES BtnClick BtnMouseOver DoubleBonus GameOver HoHoHo Letter1 Letter2 Letter3 Letter4
    Stop TNT WordLetter)
set(GLYPHORA_TRACK_FILES Track1 Track2 Track3 Track4 Track5 Track6 Track7)
set(sound_outputs)
foreach(name ${GLYPHORA_EFFECT_FILES})
  list(APPEND sound_outputs ${GLYPHORA_SOUND_DIR}/Sounds/${name}.ogg)
endforeach()
foreach(name ${GLYPHORA_TRACK_FILES})
  list(APPEND sound_outputs ${GLYPHORA_SOUND_DIR}/Music/${name}.ogg)
endforeach()

add_custom_command(
  OUTPUT ${sound_outputs}
  COMMAND glyphora-soundgen ${GLYPHORA_SOUND_DIR} --soundfont ${soundfont}
  DEPENDS glyphora-soundgen ${soundfont}
  COMMENT "Synthesising the sound effects and rendering the music (about a minute)"
  VERBATIM)

set(sound_installed)
foreach(name ${GLYPHORA_EFFECT_FILES})
  set(stored ${GLYPHORA_DATA}/Sounds/${name}.ogg)
  add_custom_command(
    OUTPUT ${stored}
    COMMAND glyphora-swapcopy ${GLYPHORA_SOUND_DIR}/Sounds/${name}.ogg ${stored}
    DEPENDS ${GLYPHORA_SOUND_DIR}/Sounds/${name}.ogg glyphora-swapcopy
    VERBATIM)
  list(APPEND sound_installed ${stored})
endforeach()
foreach(name ${GLYPHORA_TRACK_FILES})
  set(stored ${GLYPHORA_DATA}/Music/${name}.ogg)
  add_custom_command(
    OUTPUT ${stored}
    COMMAND ${CMAKE_COMMAND} -E copy ${GLYPHORA_SOUND_DIR}/Music/${name}.ogg ${stored}
    DEPENDS ${GLYPHORA_SOUND_DIR}/Music/${name}.ogg
    VERBATIM)
  list(APPEND sound_installed ${stored})
endforeach()
set(soundfont_licence ${GLYPHORA_DATA}/Music/FluidR3_GM-LICENSE.txt)
add_custom_command(
  OUTPUT ${soundfont_licence}
  COMMAND ${CMAKE_COMMAND} -E copy ${soundfont_licence_source} ${soundfont_licence}
  DEPENDS ${soundfont_licence_source}
  VERBATIM)
list(APPEND sound_installed ${soundfont_licence})

add_custom_target(glyphora_sound DEPENDS ${sound_installed})
add_dependencies(glyphora_assets glyphora_sound)
