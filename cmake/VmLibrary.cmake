# Builds the virtual machine's class library (cmake -P): the emulator's javax.microedition
# sources with the machine's own versions of the files src/vm/lib overrides, and src/vm/lib,
# compiled with ecj, then embedded as one C++ source (OUTPUT) holding every class file.
# Inputs: ECJ, LIB_DIR, EMULATOR_DIR, WORK_DIR, OUTPUT.
file(REMOVE_RECURSE ${WORK_DIR}/src ${WORK_DIR}/classes ${WORK_DIR}/boot)
file(MAKE_DIRECTORY ${WORK_DIR}/src ${WORK_DIR}/classes ${WORK_DIR}/boot)
file(GLOB_RECURSE emulator RELATIVE ${EMULATOR_DIR} ${EMULATOR_DIR}/javax/*.java)
foreach(f ${emulator})
    if(NOT EXISTS ${LIB_DIR}/${f})
        configure_file(${EMULATOR_DIR}/${f} ${WORK_DIR}/src/${f} COPYONLY)
    endif()
endforeach()
file(GLOB_RECURSE own RELATIVE ${LIB_DIR} ${LIB_DIR}/*.java)
foreach(f ${own})
    configure_file(${LIB_DIR}/${f} ${WORK_DIR}/src/${f} COPYONLY)
endforeach()
file(GLOB_RECURSE sources ${WORK_DIR}/src/*.java)
execute_process(
    COMMAND ${ECJ} -source 1.8 -target 1.8 -proc:none -nowarn -encoding UTF-8
            -bootclasspath ${WORK_DIR}/boot -d ${WORK_DIR}/classes ${sources}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "ERROR")
    message(FATAL_ERROR "The machine's class library does not compile:\n${out}")
endif()
file(GLOB_RECURSE files RELATIVE ${WORK_DIR}/classes ${WORK_DIR}/classes/*.class)
# Sorted by class name (the lookup's binary search), not by file name.
set(classes "")
foreach(f ${files})
    string(REGEX REPLACE "\\.class$" "" name "${f}")
    list(APPEND classes "${name}")
endforeach()
list(SORT classes)
set(body "")
set(table "")
set(n 0)
foreach(c ${classes})
    file(READ ${WORK_DIR}/classes/${c}.class hex HEX)
    string(LENGTH "${hex}" len)
    math(EXPR bytes "${len} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
    string(APPEND body "const uint8_t c${n}[] = {${hex}};\n")
    string(APPEND table "    {\"${c}\", c${n}, ${bytes}},\n")
    math(EXPR n "${n} + 1")
endforeach()
file(WRITE ${OUTPUT}.part "// Made by cmake/VmLibrary.cmake from the machine's class library.
#include <algorithm>
#include \"vm/Library.h\"
namespace avizad::vm {
namespace {
${body}
const LibraryClass classes[] = {
${table}};
}  // namespace
const LibraryClass* findLibraryClass(std::string_view name) {
    const auto* end = classes + sizeof(classes) / sizeof(classes[0]);
    const auto* it = std::lower_bound(classes, end, name,
        [](const LibraryClass& c, std::string_view n) { return c.name < n; });
    return it != end && it->name == name ? it : nullptr;
}
}  // namespace avizad::vm
")
file(RENAME ${OUTPUT}.part ${OUTPUT})
