# Compiles the Java sources of the machine's tests as a game is compiled (source 1.3, class
# version 46) against the machine's class library, then adds the CLDC stack maps with
# ProGuard's preverifier (cmake -P). Inputs: ECJ, JAVA, PROGUARD, LIBRARY, SOURCES (a
# folder), OUTPUT (the folder of the class files).
file(REMOVE_RECURSE ${OUTPUT} ${OUTPUT}-raw)
file(MAKE_DIRECTORY ${OUTPUT}-raw)
file(GLOB sources ${SOURCES}/*.java)
execute_process(COMMAND ${ECJ} -source 1.3 -target 1.2 -proc:none -nowarn
                        -bootclasspath ${LIBRARY} -d ${OUTPUT}-raw ${sources}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "ERROR")
    message(FATAL_ERROR "The machine's test classes do not compile:\n${out}")
endif()
execute_process(COMMAND ${JAVA} -jar ${PROGUARD} -microedition -dontoptimize -dontnote
                        -forceprocessing -dontshrink -dontobfuscate -keepattributes *
                        -injars ${OUTPUT}-raw -outjars ${OUTPUT} -libraryjars ${LIBRARY}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The machine's test classes were not preverified:\n${out}")
endif()
