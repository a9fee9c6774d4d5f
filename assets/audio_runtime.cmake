# The audio runtime's installer and its payload in Data/OpenAL/: OpenAL Soft
# and libvorbisfile with the libraries they need, taken from the system's
# Debian packages with their copyright files. The game runs the installer
# when it finds no usable audio runtime; it copies the payload into Data/lib/.
find_program(GLYPHORA_PATCHELF patchelf REQUIRED)
set(openal_folder ${GLYPHORA_DATA}/OpenAL)
set(system_libraries /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE})
set(audio_runtime_outputs
    ${openal_folder}/install-runtime
    ${openal_folder}/runtime/libopenal.so.1
    ${openal_folder}/runtime/libvorbisfile.so.3)
add_custom_command(
  OUTPUT ${audio_runtime_outputs}
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/openal/bundle-runtime.sh ${system_libraries} ${openal_folder}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/openal/install-runtime ${openal_folder}/install-runtime
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/openal/bundle-runtime.sh ${CMAKE_CURRENT_SOURCE_DIR}/openal/install-runtime
          ${system_libraries}/libopenal.so.1 ${system_libraries}/libvorbisfile.so.3
  COMMENT "Bundling the audio runtime and its installer"
  VERBATIM)
add_custom_target(glyphora_audio_runtime DEPENDS ${audio_runtime_outputs})
add_dependencies(glyphora_assets glyphora_audio_runtime)
