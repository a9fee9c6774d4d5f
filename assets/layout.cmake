# The folders of the shipped game; the other rules files fill them.
foreach(folder Data/Data/Backup Data/Graphics Data/Sounds Data/Music Data/OpenAL Manual)
  file(MAKE_DIRECTORY ${GLYPHORA_DIST}/${folder})
endforeach()
