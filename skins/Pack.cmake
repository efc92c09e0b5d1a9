# cmake -DFOLDER=<drawn skin> -DARCHIVE=<package> -P Pack.cmake
# Packs the files of FOLDER into the zip archive ARCHIVE, each at the archive's root. The entries
# get a fixed time, so that the same drawing gives the same package.
file(GLOB files RELATIVE ${FOLDER} ${FOLDER}/*)
list(SORT files)
file(REMOVE ${ARCHIVE})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${ARCHIVE} --format=zip --mtime=2024-01-01 -- ${files}
    WORKING_DIRECTORY ${FOLDER}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot pack ${FOLDER} into ${ARCHIVE}")
endif()
