# Copies System/ beside the programs and creates the folder System/bin the game
# archives go to, plus the images and projects folders of the program (each build makes
# its own staging folder, System/build.XXXXXX, kept as System/build). The installed
# program carries no game files: the templates and build folders are laid out anew,
# without what earlier builds or template versions left there.
# The starter pictures (images/, drawn by scripts/draw_starter_images.py) go into the
# images folder the object editors' dialogs open in, the sample projects into the
# projects folder the open dialog starts in.
file(GLOB_RECURSE AVIZAD_SYSTEM_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/System/*)
file(GLOB AVIZAD_STARTER_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/images/*.png)
file(GLOB AVIZAD_SAMPLE_PROJECTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/samples/*.yrk)
# The sounds the samples' events play, which the build takes from the project folder's res.
file(GLOB AVIZAD_SAMPLE_SOUNDS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/samples/res/*)
set(AVIZAD_COPY_SAMPLES)
if(AVIZAD_SAMPLE_PROJECTS)
    list(APPEND AVIZAD_COPY_SAMPLES COMMAND ${CMAKE_COMMAND} -E copy_if_different
         ${AVIZAD_SAMPLE_PROJECTS} ${AVIZAD_PROGRAM_DIR}/projects)
endif()
if(AVIZAD_SAMPLE_SOUNDS)
    list(APPEND AVIZAD_COPY_SAMPLES
         COMMAND ${CMAKE_COMMAND} -E make_directory ${AVIZAD_PROGRAM_DIR}/projects/res
         COMMAND ${CMAKE_COMMAND} -E copy_if_different
         ${AVIZAD_SAMPLE_SOUNDS} ${AVIZAD_PROGRAM_DIR}/projects/res)
endif()
set(AVIZAD_SYSTEM_STAMP ${CMAKE_BINARY_DIR}/system_folder.stamp)
add_custom_command(
    OUTPUT ${AVIZAD_SYSTEM_STAMP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf
            ${AVIZAD_PROGRAM_DIR}/System/draft ${AVIZAD_PROGRAM_DIR}/System/src
            ${AVIZAD_PROGRAM_DIR}/System/res ${AVIZAD_PROGRAM_DIR}/System/bin
            ${AVIZAD_PROGRAM_DIR}/System/classes ${AVIZAD_PROGRAM_DIR}/System/tmpclasses
            ${AVIZAD_PROGRAM_DIR}/System/build ${AVIZAD_PROGRAM_DIR}/MANIFEST.MF
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/System ${AVIZAD_PROGRAM_DIR}/System
    COMMAND ${CMAKE_COMMAND} -E make_directory
            ${AVIZAD_PROGRAM_DIR}/System/bin ${AVIZAD_PROGRAM_DIR}/images
            ${AVIZAD_PROGRAM_DIR}/projects
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${AVIZAD_STARTER_IMAGES} ${AVIZAD_PROGRAM_DIR}/images
    ${AVIZAD_COPY_SAMPLES}
    COMMAND ${CMAKE_COMMAND} -E touch ${AVIZAD_SYSTEM_STAMP}
    DEPENDS ${AVIZAD_SYSTEM_FILES} ${AVIZAD_STARTER_IMAGES} ${AVIZAD_SAMPLE_PROJECTS}
            ${AVIZAD_SAMPLE_SOUNDS}
    COMMENT "Laying out the System folder beside the programs")
add_custom_target(system_folder ALL DEPENDS ${AVIZAD_SYSTEM_STAMP})
