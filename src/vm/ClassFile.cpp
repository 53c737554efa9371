#include "vm/ClassFile.h"

#include <cstring>

namespace avizad::vm {

namespace {

class Reader {
public:
    Reader(const uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}
    bool atEnd() const { return p_ == end_; }
    std::size_t left() const { return static_cast<std::size_t>(end_ - p_); }
    void need(std::size_t n) const {
        if (left() < n) {
            throw ClassFormatError("truncated class file");
        }
    }
    uint8_t u1() {
        need(1);
        return *p_++;
    }
    uint16_t u2() {
        need(2);
        const uint16_t v = static_cast<uint16_t>(p_[0] << 8 | p_[1]);
        p_ += 2;
        return v;
    }
    uint32_t u4() {
        need(4);
        const uint32_t v = static_cast<uint32_t>(p_[0]) << 24 | static_cast<uint32_t>(p_[1]) << 16 |
                           static_cast<uint32_t>(p_[2]) << 8 | p_[3];
        p_ += 4;
        return v;
    }
    const uint8_t* bytes(std::size_t n) {
        need(n);
        const uint8_t* at = p_;
        p_ += n;
        return at;
    }

private:
    const uint8_t* p_;
    const uint8_t* end_;
};

bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<uint8_t>(s[i]);
        if (c == 0) {
            return false;
        }
        if (c < 0x80) {
            ++i;
        } else if ((c & 0xE0) == 0xC0) {
            if (i + 1 >= s.size() || (static_cast<uint8_t>(s[i + 1]) & 0xC0) != 0x80) {
                return false;
            }
            i += 2;
        } else if ((c & 0xF0) == 0xE0) {
            if (i + 2 >= s.size() || (static_cast<uint8_t>(s[i + 1]) & 0xC0) != 0x80 ||
                (static_cast<uint8_t>(s[i + 2]) & 0xC0) != 0x80) {
                return false;
            }
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

// One field type at `i`; moves `i` past it.
bool fieldType(std::string_view d, std::size_t& i) {
    std::size_t dims = 0;
    while (i < d.size() && d[i] == '[') {
        ++i;
        if (++dims > 255) {
            return false;
        }
    }
    if (i >= d.size()) {
        return false;
    }
    switch (d[i]) {
        case 'B':
        case 'C':
        case 'D':
        case 'F':
        case 'I':
        case 'J':
        case 'S':
        case 'Z':
            ++i;
            return true;
        case 'L': {
            const std::size_t semi = d.find(';', i);
            if (semi == std::string_view::npos || semi == i + 1) {
                return false;
            }
            for (std::size_t k = i + 1; k < semi; ++k) {
                if (d[k] == '.' || d[k] == '[') {
                    return false;
                }
            }
            i = semi + 1;
            return true;
        }
        default:
            return false;
    }
}

VerificationType readType(Reader& r, std::size_t poolSize) {
    VerificationType t;
    const uint8_t tag = r.u1();
    if (tag > VerificationType::Uninitialized) {
        throw ClassFormatError("bad stack map type " + std::to_string(tag));
    }
    t.tag = static_cast<VerificationType::Tag>(tag);
    if (t.tag == VerificationType::Object || t.tag == VerificationType::Uninitialized) {
        t.index = r.u2();
        if (t.tag == VerificationType::Object && (t.index == 0 || t.index >= poolSize)) {
            throw ClassFormatError("bad class index in a stack map");
        }
    }
    return t;
}

}  // namespace

const std::string& ClassFile::utf8(uint16_t index) const {
    if (index == 0 || index >= pool.size() || pool[index].tag != CONSTANT_Utf8) {
        throw ClassFormatError("constant " + std::to_string(index) + " is not a UTF-8 text");
    }
    return pool[index].text;
}

const std::string& ClassFile::className(uint16_t index) const {
    if (index == 0 || index >= pool.size() || pool[index].tag != CONSTANT_Class) {
        throw ClassFormatError("constant " + std::to_string(index) + " is not a class");
    }
    return utf8(pool[index].a);
}

ClassFile::MemberRef ClassFile::memberRef(uint16_t index) const {
    if (index == 0 || index >= pool.size() ||
        (pool[index].tag != CONSTANT_Fieldref && pool[index].tag != CONSTANT_Methodref &&
         pool[index].tag != CONSTANT_InterfaceMethodref)) {
        throw ClassFormatError("constant " + std::to_string(index) + " is not a member");
    }
    const Constant& ref = pool[index];
    const Constant& nat = pool[ref.b];
    return {className(ref.a), utf8(nat.a), utf8(nat.b)};
}

bool validFieldDescriptor(std::string_view d) {
    std::size_t i = 0;
    return fieldType(d, i) && i == d.size();
}

bool validMethodDescriptor(std::string_view d) {
    if (d.empty() || d[0] != '(') {
        return false;
    }
    std::size_t i = 1;
    int slots = 0;
    while (i < d.size() && d[i] != ')') {
        const char c = d[i];
        if (!fieldType(d, i)) {
            return false;
        }
        slots += (c == 'J' || c == 'D') ? 2 : 1;
    }
    if (i >= d.size() || slots > 255) {
        return false;
    }
    ++i;
    if (i < d.size() && d[i] == 'V') {
        return i + 1 == d.size();
    }
    return fieldType(d, i) && i == d.size();
}

int argumentSlots(std::string_view d) {
    int slots = 0;
    std::size_t i = 1;
    while (i < d.size() && d[i] != ')') {
        const char c = d[i];
        if (!fieldType(d, i)) {
            throw ClassFormatError("bad method descriptor " + std::string(d));
        }
        slots += (c == 'J' || c == 'D') ? 2 : 1;
    }
    return slots;
}

char returnType(std::string_view d) {
    const std::size_t close = d.find(')');
    if (close == std::string_view::npos || close + 1 >= d.size()) {
        throw ClassFormatError("bad method descriptor " + std::string(d));
    }
    const char c = d[close + 1];
    return c == '[' ? 'L' : c;
}

ClassFile readClassFile(const uint8_t* data, std::size_t size, uint16_t maxMajor) {
    Reader r(data, size);
    ClassFile cf;
    if (r.u4() != 0xCAFEBABE) {
        throw ClassFormatError("not a class file (bad magic number)");
    }
    cf.minor = r.u2();
    cf.major = r.u2();
    if (cf.major < 45 || cf.major > maxMajor) {
        throw ClassFormatError("unsupported class file version " + std::to_string(cf.major) + "." +
                               std::to_string(cf.minor));
    }
    const uint16_t count = r.u2();
    if (count == 0) {
        throw ClassFormatError("empty constant pool");
    }
    cf.pool.resize(count);
    for (uint16_t i = 1; i < count; ++i) {
        Constant& c = cf.pool[i];
        const uint8_t tag = r.u1();
        switch (tag) {
            case CONSTANT_Utf8: {
                const uint16_t len = r.u2();
                const uint8_t* bytes = r.bytes(len);
                c.text.assign(reinterpret_cast<const char*>(bytes), len);
                if (!validUtf8(c.text)) {
                    throw ClassFormatError("bad UTF-8 text in constant " + std::to_string(i));
                }
                break;
            }
            case CONSTANT_Integer:
            case CONSTANT_Float:
                c.bits = static_cast<int32_t>(r.u4());
                break;
            case CONSTANT_Long:
            case CONSTANT_Double: {
                const uint64_t hi = r.u4();
                c.bits = static_cast<int64_t>(hi << 32 | r.u4());
                if (i + 1 >= count) {
                    throw ClassFormatError("a long constant at the end of the pool");
                }
                c.tag = static_cast<ConstantTag>(tag);
                ++i;  // takes two entries
                continue;
            }
            case CONSTANT_Class:
            case CONSTANT_String:
                c.a = r.u2();
                break;
            case CONSTANT_Fieldref:
            case CONSTANT_Methodref:
            case CONSTANT_InterfaceMethodref:
            case CONSTANT_NameAndType:
                c.a = r.u2();
                c.b = r.u2();
                break;
            default:
                throw ClassFormatError("bad constant tag " + std::to_string(tag) + " at " +
                                       std::to_string(i));
        }
        c.tag = static_cast<ConstantTag>(tag);
    }
    // Every reference inside the pool points at an entry of the right kind.
    for (uint16_t i = 1; i < count; ++i) {
        const Constant& c = cf.pool[i];
        auto is = [&](uint16_t at, ConstantTag tag) {
            return at != 0 && at < count && cf.pool[at].tag == tag;
        };
        bool ok = true;
        switch (c.tag) {
            case CONSTANT_Class:
            case CONSTANT_String:
                ok = is(c.a, CONSTANT_Utf8);
                break;
            case CONSTANT_Fieldref:
            case CONSTANT_Methodref:
            case CONSTANT_InterfaceMethodref:
                ok = is(c.a, CONSTANT_Class) && is(c.b, CONSTANT_NameAndType);
                break;
            case CONSTANT_NameAndType:
                ok = is(c.a, CONSTANT_Utf8) && is(c.b, CONSTANT_Utf8);
                break;
            default:
                break;
        }
        if (!ok) {
            throw ClassFormatError("constant " + std::to_string(i) + " refers to a bad entry");
        }
    }
    for (uint16_t i = 1; i < count; ++i) {
        const Constant& c = cf.pool[i];
        if (c.tag == CONSTANT_Fieldref || c.tag == CONSTANT_Methodref ||
            c.tag == CONSTANT_InterfaceMethodref) {
            const std::string& d = cf.utf8(cf.pool[c.b].b);
            const bool good =
                c.tag == CONSTANT_Fieldref ? validFieldDescriptor(d) : validMethodDescriptor(d);
            if (!good) {
                throw ClassFormatError("bad descriptor " + d + " in constant " + std::to_string(i));
            }
        }
    }
    cf.access = r.u2();
    cf.name = cf.className(r.u2());
    const uint16_t super = r.u2();
    if (super != 0) {
        cf.superName = cf.className(super);
    } else if (cf.name != "java/lang/Object") {
        throw ClassFormatError("class " + cf.name + " has no superclass");
    }
    const uint16_t interfaces = r.u2();
    for (uint16_t i = 0; i < interfaces; ++i) {
        cf.interfaces.push_back(cf.className(r.u2()));
    }
    const uint16_t fields = r.u2();
    for (uint16_t i = 0; i < fields; ++i) {
        FieldInfo f;
        f.access = r.u2();
        f.name = cf.utf8(r.u2());
        f.descriptor = cf.utf8(r.u2());
        if (!validFieldDescriptor(f.descriptor) || f.name.empty()) {
            throw ClassFormatError("bad field " + f.name + " " + f.descriptor);
        }
        const uint16_t attributes = r.u2();
        for (uint16_t a = 0; a < attributes; ++a) {
            const std::string& name = cf.utf8(r.u2());
            const uint32_t len = r.u4();
            const uint8_t* body = r.bytes(len);
            if (name == "ConstantValue" && (f.access & ACC_STATIC)) {
                if (len != 2) {
                    throw ClassFormatError("bad ConstantValue of " + f.name);
                }
                f.constantValue = static_cast<uint16_t>(body[0] << 8 | body[1]);
                const ConstantTag want = f.descriptor == "J"                    ? CONSTANT_Long
                                         : f.descriptor == "F"                  ? CONSTANT_Float
                                         : f.descriptor == "D"                  ? CONSTANT_Double
                                         : f.descriptor == "Ljava/lang/String;" ? CONSTANT_String
                                                                                : CONSTANT_Integer;
                if (f.constantValue == 0 || f.constantValue >= cf.pool.size() ||
                    cf.pool[f.constantValue].tag != want ||
                    (want == CONSTANT_Integer &&
                     std::string("ISCBZ").find(f.descriptor[0]) == std::string::npos)) {
                    throw ClassFormatError("bad ConstantValue of " + f.name);
                }
            }
        }
        cf.fields.push_back(std::move(f));
    }
    const uint16_t methods = r.u2();
    for (uint16_t i = 0; i < methods; ++i) {
        MethodInfo m;
        m.access = r.u2();
        m.name = cf.utf8(r.u2());
        m.descriptor = cf.utf8(r.u2());
        if (!validMethodDescriptor(m.descriptor) || m.name.empty()) {
            throw ClassFormatError("bad method " + m.name + m.descriptor);
        }
        const uint16_t attributes = r.u2();
        for (uint16_t a = 0; a < attributes; ++a) {
            const std::string& name = cf.utf8(r.u2());
            const uint32_t len = r.u4();
            const uint8_t* body = r.bytes(len);
            if (name != "Code") {
                continue;
            }
            if (m.hasCode) {
                throw ClassFormatError("two Code attributes in " + m.name);
            }
            m.hasCode = true;
            Reader c(body, len);
            m.maxStack = c.u2();
            m.maxLocals = c.u2();
            const uint32_t codeLength = c.u4();
            if (codeLength == 0 || codeLength >= 65536) {
                throw ClassFormatError("bad code length in " + m.name);
            }
            const uint8_t* code = c.bytes(codeLength);
            m.code.assign(code, code + codeLength);
            const uint16_t handlers = c.u2();
            for (uint16_t h = 0; h < handlers; ++h) {
                ExceptionHandler e;
                e.startPc = c.u2();
                e.endPc = c.u2();
                e.handlerPc = c.u2();
                e.catchType = c.u2();
                if (e.catchType != 0) {
                    cf.className(e.catchType);
                }
                m.handlers.push_back(e);
            }
            const uint16_t codeAttributes = c.u2();
            for (uint16_t k = 0; k < codeAttributes; ++k) {
                const std::string& cname = cf.utf8(c.u2());
                const uint32_t clen = c.u4();
                const uint8_t* cbody = c.bytes(clen);
                Reader s(cbody, clen);
                if (cname == "StackMap") {
                    if (m.hasStackMap) {
                        throw ClassFormatError("two StackMap attributes in " + m.name);
                    }
                    m.hasStackMap = true;
                    const uint16_t n = s.u2();
                    for (uint16_t e = 0; e < n; ++e) {
                        StackMapFrame f;
                        f.offset = s.u2();
                        const uint16_t nl = s.u2();
                        for (uint16_t l = 0; l < nl; ++l) {
                            f.locals.push_back(readType(s, cf.pool.size()));
                        }
                        const uint16_t ns = s.u2();
                        for (uint16_t l = 0; l < ns; ++l) {
                            f.stack.push_back(readType(s, cf.pool.size()));
                        }
                        m.stackMap.push_back(std::move(f));
                    }
                    if (!s.atEnd()) {
                        throw ClassFormatError("bad StackMap length in " + m.name);
                    }
                } else if (cname == "LineNumberTable") {
                    const uint16_t n = s.u2();
                    for (uint16_t e = 0; e < n; ++e) {
                        const uint16_t pc = s.u2();
                        m.lines.emplace_back(pc, s.u2());
                    }
                }
            }
            if (!c.atEnd()) {
                throw ClassFormatError("bad Code attribute length in " + m.name);
            }
        }
        const bool abstractOrNative = (m.access & (ACC_ABSTRACT | ACC_NATIVE)) != 0;
        if (m.hasCode == abstractOrNative) {
            throw ClassFormatError(abstractOrNative ? "abstract method with code: " + m.name
                                                    : "method without code: " + m.name);
        }
        cf.methods.push_back(std::move(m));
    }
    const uint16_t attributes = r.u2();
    for (uint16_t a = 0; a < attributes; ++a) {
        const std::string& name = cf.utf8(r.u2());
        const uint32_t len = r.u4();
        const uint8_t* body = r.bytes(len);
        if (name == "SourceFile" && len == 2) {
            cf.sourceFile = cf.utf8(static_cast<uint16_t>(body[0] << 8 | body[1]));
        }
    }
    if (!r.atEnd()) {
        throw ClassFormatError("extra bytes at the end of the class file");
    }
    return cf;
}

std::u16string decodeModifiedUtf8(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<uint8_t>(s[i]);
        if (c < 0x80) {
            out.push_back(c);
            ++i;
        } else if ((c & 0xE0) == 0xC0 && i + 1 < s.size()) {
            out.push_back(static_cast<char16_t>((c & 0x1F) << 6 | (s[i + 1] & 0x3F)));
            i += 2;
        } else if ((c & 0xF0) == 0xE0 && i + 2 < s.size()) {
            out.push_back(static_cast<char16_t>((c & 0x0F) << 12 | (s[i + 1] & 0x3F) << 6 |
                                                (s[i + 2] & 0x3F)));
            i += 3;
        } else {
            out.push_back(u'\uFFFD');
            ++i;
        }
    }
    return out;
}

std::string encodeModifiedUtf8(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        if (c != 0 && c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        uint32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace avizad::vm
