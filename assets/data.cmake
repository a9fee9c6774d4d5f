# The fresh installation's data files in the game folder's Data/Data/:
# Settings.ini, Scores.txt, WordList.txt (from assets/wordlist.txt, stored
# swapped), Hashes.txt and the same four in Backup/.
set(fresh_data_dir ${GLYPHORA_DATA}/Data)
set(fresh_data_files)
foreach(name Settings.ini Scores.txt WordList.txt Hashes.txt)
  list(APPEND fresh_data_files ${fresh_data_dir}/${name} ${fresh_data_dir}/Backup/${name})
endforeach()
add_custom_command(
  OUTPUT ${fresh_data_files}
  COMMAND glyphora-freshdata ${CMAKE_CURRENT_SOURCE_DIR}/wordlist.txt ${GLYPHORA_DATA}
  DEPENDS glyphora-freshdata ${CMAKE_CURRENT_SOURCE_DIR}/wordlist.txt
  COMMENT "Writing the fresh installation's data files"
  VERBATIM)
add_custom_target(glyphora_fresh_data DEPENDS ${fresh_data_files})
add_dependencies(glyphora_assets glyphora_fresh_data)
