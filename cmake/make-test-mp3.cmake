# Makes the MP3 of the end-to-end tests, FOLDER/tone.mp3: a tone written as WAV by the tests' own
# writer (TONE_WAV, a Windows program started through EMULATOR) and encoded by lame.
#
#   cmake -DEMULATOR=... -DTONE_WAV=... -DFOLDER=... -P make-test-mp3.cmake
#
# It never fails: the tests that need the MP3 must run (and report) either way. When the MP3
# cannot be made, FOLDER/no-mp3.txt says why, and those tests report that they were left out.
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")

macro(give_up why)
  file(WRITE "${FOLDER}/no-mp3.txt" "${why}\n")
  message(WARNING "no MP3 for the end-to-end tests: ${why}")
  return()
endmacro()

find_program(LAME lame)
if(NOT LAME)
  give_up("lame is not installed (Debian package lame)")
endif()
execute_process(COMMAND ${EMULATOR} "${TONE_WAV}" tone.wav 3000 440
  WORKING_DIRECTORY "${FOLDER}" RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS "${FOLDER}/tone.wav")
  give_up("the tone could not be written (${result}): ${output}")
endif()
execute_process(COMMAND "${LAME}" --quiet tone.wav tone.mp3
  WORKING_DIRECTORY "${FOLDER}" RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS "${FOLDER}/tone.mp3")
  give_up("lame could not encode the tone (${result}): ${output}")
endif()
message(STATUS "made ${FOLDER}/tone.mp3")
