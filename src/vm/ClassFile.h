#pragma once
// A class file as read from its bytes: the constant pool, the fields, the methods with their
// code, exception tables and CLDC stack maps. Reading checks the structure (every index in
// range and of the right kind) and throws ClassFormatError with the reason.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace avizad::vm {

// A class file the reader or the verifier refuses; what() names the reason.
class ClassFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum ConstantTag : uint8_t {
    CONSTANT_None = 0,
    CONSTANT_Utf8 = 1,
    CONSTANT_Integer = 3,
    CONSTANT_Float = 4,
    CONSTANT_Long = 5,
    CONSTANT_Double = 6,
    CONSTANT_Class = 7,
    CONSTANT_String = 8,
    CONSTANT_Fieldref = 9,
    CONSTANT_Methodref = 10,
    CONSTANT_InterfaceMethodref = 11,
    CONSTANT_NameAndType = 12,
};

enum AccessFlags : uint16_t {
    ACC_PUBLIC = 0x0001,
    ACC_PRIVATE = 0x0002,
    ACC_PROTECTED = 0x0004,
    ACC_STATIC = 0x0008,
    ACC_FINAL = 0x0010,
    ACC_SYNCHRONIZED = 0x0020,
    ACC_SUPER = 0x0020,
    ACC_VOLATILE = 0x0040,
    ACC_TRANSIENT = 0x0080,
    ACC_NATIVE = 0x0100,
    ACC_INTERFACE = 0x0200,
    ACC_ABSTRACT = 0x0400,
    ACC_STRICT = 0x0800,
};

struct Constant {
    ConstantTag tag = CONSTANT_None;
    uint16_t a = 0;    // class: name; string: utf8; member refs: class; name-and-type: name
    uint16_t b = 0;    // member refs: name-and-type; name-and-type: descriptor
    int64_t bits = 0;  // int, float (bits), long, double (bits)
    std::string text;  // utf8: the text, as in the file (modified UTF-8)
};

// One entry of a CLDC stack map: the types of the locals and of the stack at an offset.
struct VerificationType {
    enum Tag : uint8_t {
        Top,
        Integer,
        Float,
        Double,
        Long,
        Null,
        UninitializedThis,
        Object,
        Uninitialized
    };
    Tag tag = Top;
    uint16_t index = 0;  // Object: a class constant; Uninitialized: the offset of its `new`
};

struct StackMapFrame {
    uint32_t offset = 0;
    std::vector<VerificationType> locals;
    std::vector<VerificationType> stack;
};

struct ExceptionHandler {
    uint32_t startPc = 0;
    uint32_t endPc = 0;
    uint32_t handlerPc = 0;
    uint16_t catchType = 0;  // 0: any
};

struct MethodInfo {
    uint16_t access = 0;
    std::string name;
    std::string descriptor;
    bool hasCode = false;
    uint16_t maxStack = 0;
    uint16_t maxLocals = 0;
    std::vector<uint8_t> code;
    std::vector<ExceptionHandler> handlers;
    bool hasStackMap = false;
    std::vector<StackMapFrame> stackMap;
    std::vector<std::pair<uint16_t, uint16_t>> lines;  // (start pc, line)
};

struct FieldInfo {
    uint16_t access = 0;
    std::string name;
    std::string descriptor;
    uint16_t constantValue = 0;  // index of a ConstantValue, 0 when none
};

struct ClassFile {
    uint16_t minor = 0;
    uint16_t major = 0;
    std::vector<Constant> pool;
    uint16_t access = 0;
    std::string name;       // internal form: a/b/C
    std::string superName;  // empty for java/lang/Object
    std::vector<std::string> interfaces;
    std::vector<FieldInfo> fields;
    std::vector<MethodInfo> methods;
    std::string sourceFile;

    // The checked accessors throw ClassFormatError on an index of another kind.
    const std::string& utf8(uint16_t index) const;
    const std::string& className(uint16_t index) const;  // of a CONSTANT_Class
    struct MemberRef {
        std::string_view owner, name, descriptor;
    };
    MemberRef memberRef(uint16_t index) const;  // field, method or interface method ref
};

// Reads a class file; `maxMajor` is the newest class version taken.
ClassFile readClassFile(const uint8_t* data, std::size_t size, uint16_t maxMajor = 48);

// Descriptor helpers. A field descriptor's size in slots (2 for J and D), and the slots of a
// method's arguments (without `this`). Both throw ClassFormatError on a malformed descriptor.
bool validFieldDescriptor(std::string_view d);
bool validMethodDescriptor(std::string_view d);
int argumentSlots(std::string_view methodDescriptor);
char returnType(std::string_view methodDescriptor);  // 'V', 'I', 'L' (also for arrays), ...

// Modified UTF-8 (as class files hold it) to UTF-16 and back.
std::u16string decodeModifiedUtf8(std::string_view bytes);
std::string encodeModifiedUtf8(std::u16string_view text);
// UTF-16 to UTF-8 for output (unpaired surrogates become U+FFFD).
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace avizad::vm
