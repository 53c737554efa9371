# The public API of the Java ME toolkit, as a function that the toolkit and the fuzz tree
# both call: the emulator's classes (the MIDP 2.0 runtime on Java SE), the API libraries
# cldcapi11.jar and midpapi20.jar made from them (stubs generated from the member list of CLDC
# and from the emulator's MIDP classes, compiled at source 1.3 / target 1.1), and the list of
# the API's classes and members that the emulator's check of a game's classes allows
# (ClassCheck, read from the API jars).
#
# avizad_java_me_api(WORK LIB) makes WORK/emulator-classes (WORK/emulator-classes.stamp),
# LIB/cldcapi11.jar, LIB/midpapi20.jar and WORK/emulator-api/avizad/emulator/api.txt. It needs
# Java_JAVAC_EXECUTABLE, Java_JAVA_EXECUTABLE, Java_JAR_EXECUTABLE, AVIZAD_ECJ, AVIZAD_ASM_JAR
# and AVIZAD_ASM_COMMONS_JAR.
set(AVIZAD_TOOLKIT_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(avizad_java_me_api work lib)
    set(src ${AVIZAD_TOOLKIT_SOURCE_DIR})
    set(midp_packages
        javax.microedition.io javax.microedition.midlet javax.microedition.lcdui
        javax.microedition.lcdui.game javax.microedition.media javax.microedition.media.control
        javax.microedition.rms javax.microedition.pki)
    file(GLOB_RECURSE emulator_sources CONFIGURE_DEPENDS ${src}/emulator/src/*.java)
    add_custom_command(
        OUTPUT ${work}/emulator-classes.stamp
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${work}/emulator-classes
        COMMAND ${Java_JAVAC_EXECUTABLE} --release 17 -encoding UTF-8 -nowarn -Xlint:none
                -XDsuppressNotes -XDstringConcat=inline
                -cp ${AVIZAD_ASM_JAR}:${AVIZAD_ASM_COMMONS_JAR} -d ${work}/emulator-classes
                ${emulator_sources}
        COMMAND ${CMAKE_COMMAND} -E touch ${work}/emulator-classes.stamp
        DEPENDS ${emulator_sources}
        COMMENT "Compiling the phone emulator"
        VERBATIM)

    set(apigen ${src}/apigen/ApiGen.java)
    set(cldc_list ${src}/api/cldc11.txt)
    add_custom_command(
        OUTPUT ${lib}/cldcapi11.jar ${lib}/midpapi20.jar
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${work}/apigen-classes ${work}/cldc-src
                ${work}/midp-src ${work}/cldc-classes ${work}/midp-classes
        COMMAND ${CMAKE_COMMAND} -E make_directory ${work}/empty ${lib}
        COMMAND ${Java_JAVAC_EXECUTABLE} --release 17 -d ${work}/apigen-classes ${apigen}
        COMMAND ${Java_JAVA_EXECUTABLE} -Djava.awt.headless=true
                -cp ${work}/apigen-classes:${AVIZAD_ASM_JAR}:${AVIZAD_ASM_COMMONS_JAR}
                ApiGen ${cldc_list} ${work}/emulator-classes ${work}/cldc-src
                ${work}/midp-src ${midp_packages}
        COMMAND ${AVIZAD_ECJ} -1.3 -nowarn -encoding UTF-8 -bootclasspath ${work}/empty
                -d ${work}/cldc-classes ${work}/cldc-src
        COMMAND ${Java_JAR_EXECUTABLE} cf ${lib}/cldcapi11.jar -C ${work}/cldc-classes .
        COMMAND ${AVIZAD_ECJ} -1.3 -nowarn -encoding UTF-8 -bootclasspath ${lib}/cldcapi11.jar
                -d ${work}/midp-classes ${work}/midp-src
        COMMAND ${Java_JAR_EXECUTABLE} cf ${lib}/midpapi20.jar -C ${work}/midp-classes .
        DEPENDS ${work}/emulator-classes.stamp ${apigen} ${cldc_list}
        COMMENT "Building the CLDC 1.1 and MIDP 2.0 class libraries"
        VERBATIM)

    add_custom_command(
        OUTPUT ${work}/emulator-api/avizad/emulator/api.txt
        COMMAND ${Java_JAVA_EXECUTABLE} -cp ${work}/emulator-classes avizad.emulator.ClassCheck
                ${work}/emulator-api/avizad/emulator/api.txt
                ${lib}/cldcapi11.jar ${lib}/midpapi20.jar
        DEPENDS ${work}/emulator-classes.stamp ${lib}/cldcapi11.jar ${lib}/midpapi20.jar
        COMMENT "Listing the API the emulator allows a game"
        VERBATIM)
endfunction()
