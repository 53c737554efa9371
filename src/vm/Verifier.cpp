// The CLDC type-checker: one pass over each method's code, the types of the locals and of the
// stack checked at each instruction, and merged into nothing: where code is reached from
// elsewhere (a branch target, a handler, the instruction after an unconditional jump) the
// StackMap gives the types, and every way in must be assignable to them.

#include "vm/Verifier.h"

#include <map>
#include <set>
#include <vector>

namespace avizad::vm {

namespace {

struct VerifyFailure {
    int offset;
    std::string reason;
};

// A type of a local or a stack slot. Long and double take two slots: the second is Long2 or
// Double2.
struct Type {
    enum Kind : uint8_t {
        Top,
        Int,
        Float,
        Long,
        Long2,
        Double,
        Double2,
        Null,
        UninitThis,
        Uninit,
        Ref
    };
    Kind kind = Top;
    int offset = 0;    // Uninit: the offset of its `new`
    std::string name;  // Ref: an internal class name or an array descriptor

    bool operator==(const Type& o) const {
        return kind == o.kind && offset == o.offset && name == o.name;
    }
    bool isReference() const {
        return kind == Null || kind == UninitThis || kind == Uninit || kind == Ref;
    }
    bool isFirstHalf() const { return kind == Long || kind == Double; }
    bool isSecondHalf() const { return kind == Long2 || kind == Double2; }
};

Type of(Type::Kind k) {
    Type t;
    t.kind = k;
    return t;
}

Type ref(std::string name) {
    Type t;
    t.kind = Type::Ref;
    t.name = std::move(name);
    return t;
}

std::string describe(const Type& t) {
    switch (t.kind) {
        case Type::Top:
            return "top";
        case Type::Int:
            return "int";
        case Type::Float:
            return "float";
        case Type::Long:
        case Type::Long2:
            return "long";
        case Type::Double:
        case Type::Double2:
            return "double";
        case Type::Null:
            return "null";
        case Type::UninitThis:
            return "uninitialized this";
        case Type::Uninit:
            return "uninitialized object";
        default:
            return t.name;
    }
}

// The class name of a descriptor's reference type: "La/B;" -> "a/B", "[I" -> "[I".
std::string refName(std::string_view d) {
    if (d[0] == 'L') {
        return std::string(d.substr(1, d.size() - 2));
    }
    return std::string(d);
}

// The slots of a field type.
void pushDescriptor(std::vector<Type>& out, std::string_view d) {
    switch (d[0]) {
        case 'Z':
        case 'B':
        case 'C':
        case 'S':
        case 'I':
            out.push_back(of(Type::Int));
            break;
        case 'F':
            out.push_back(of(Type::Float));
            break;
        case 'J':
            out.push_back(of(Type::Long));
            out.push_back(of(Type::Long2));
            break;
        case 'D':
            out.push_back(of(Type::Double));
            out.push_back(of(Type::Double2));
            break;
        default:
            out.push_back(ref(refName(d)));
            break;
    }
}

// The field types of a method descriptor's arguments, and its return type ("" for void).
void splitDescriptor(std::string_view d, std::vector<std::string>& args, std::string& ret) {
    std::size_t i = 1;
    while (d[i] != ')') {
        const std::size_t start = i;
        while (d[i] == '[') {
            ++i;
        }
        if (d[i] == 'L') {
            i = d.find(';', i);
        }
        ++i;
        args.emplace_back(d.substr(start, i - start));
    }
    ret = d[i + 1] == 'V' ? std::string() : std::string(d.substr(i + 1));
}

class MethodVerifier {
public:
    MethodVerifier(const ClassFile& cf, const MethodInfo& m, const ClassLookup& lookup)
        : cf_(cf), m_(m), lookup_(lookup), code_(m.code) {}

    void run();

private:
    using Frame = std::pair<std::vector<Type>, std::vector<Type>>;  // locals, stack

    [[noreturn]] void fail(const std::string& reason) const { throw VerifyFailure{pc_, reason}; }

    bool isSubclass(const std::string& from, const std::string& to);
    bool assignable(const Type& from, const Type& to);
    Type fromStackMap(const VerificationType& v);
    Frame mapFrame(const StackMapFrame& f);
    void checkFrame(const Frame& current, const Frame& target, int at);
    void branch(int target);

    Type pop() {
        if (stack_.empty()) {
            fail("the stack is empty");
        }
        Type t = stack_.back();
        stack_.pop_back();
        return t;
    }
    void popKind(Type::Kind k) {
        const Type t = pop();
        if (t.kind == Type::Long2 || t.kind == Type::Double2) {
            const Type first = pop();
            if (first.kind != (k == Type::Long ? Type::Long : Type::Double) ||
                (k != Type::Long && k != Type::Double)) {
                fail("expected " + describe(of(k)) + " on the stack, found " + describe(first));
            }
            return;
        }
        if (t.kind != k) {
            fail("expected " + describe(of(k)) + " on the stack, found " + describe(t));
        }
    }
    Type popReference() {
        const Type t = pop();
        if (!t.isReference()) {
            fail("expected a reference on the stack, found " + describe(t));
        }
        return t;
    }
    void popType(std::string_view descriptor) {
        switch (descriptor[0]) {
            case 'Z':
            case 'B':
            case 'C':
            case 'S':
            case 'I':
                popKind(Type::Int);
                break;
            case 'F':
                popKind(Type::Float);
                break;
            case 'J':
                popKind(Type::Long);
                break;
            case 'D':
                popKind(Type::Double);
                break;
            default: {
                const Type t = popReference();
                if (!assignable(t, ref(refName(descriptor)))) {
                    fail(describe(t) + " is not a " + refName(descriptor));
                }
            }
        }
    }
    void push(const Type& t) {
        stack_.push_back(t);
        if (static_cast<int>(stack_.size()) > m_.maxStack) {
            fail("the stack grows past its maximum of " + std::to_string(m_.maxStack));
        }
    }
    void pushType(std::string_view descriptor) {
        std::vector<Type> slots;
        pushDescriptor(slots, descriptor);
        for (const Type& t : slots) {
            push(t);
        }
    }
    const Type& local(int n) {
        if (n < 0 || n >= static_cast<int>(locals_.size())) {
            fail("local " + std::to_string(n) + " is past the maximum of " +
                 std::to_string(m_.maxLocals));
        }
        return locals_[n];
    }
    void setLocal(int n, const Type& t, bool wide) {
        local(n);
        if (wide) {
            local(n + 1);
        }
        if (n > 0 && locals_[n - 1].isFirstHalf()) {
            locals_[n - 1] = of(Type::Top);
        }
        if (locals_[n].isFirstHalf() && n + 1 < static_cast<int>(locals_.size())) {
            locals_[n + 1] = of(Type::Top);
        }
        locals_[n] = t;
        if (wide) {
            if (locals_[n + 1].isFirstHalf() && n + 2 < static_cast<int>(locals_.size())) {
                locals_[n + 2] = of(Type::Top);
            }
            locals_[n + 1] = of(t.kind == Type::Long ? Type::Long2 : Type::Double2);
        }
    }
    void load(int n, Type::Kind k) {
        const Type& t = local(n);
        if (k == Type::Long || k == Type::Double) {
            if (t.kind != k ||
                local(n + 1).kind != (k == Type::Long ? Type::Long2 : Type::Double2)) {
                fail("local " + std::to_string(n) + " is not a " + describe(of(k)));
            }
            push(of(k));
            push(of(k == Type::Long ? Type::Long2 : Type::Double2));
            return;
        }
        if (t.kind != k) {
            fail("local " + std::to_string(n) + " is " + describe(t) + ", not " + describe(of(k)));
        }
        push(t);
    }
    void arrayLoad(const char* element, Type::Kind result) {
        popKind(Type::Int);
        const Type a = popReference();
        if (a.kind != Type::Null &&
            (a.kind != Type::Ref || a.name.size() != 2 ||
             std::string_view(element).find(a.name[1]) == std::string_view::npos ||
             a.name[0] != '[')) {
            fail("expected an array of " + std::string(element) + ", found " + describe(a));
        }
        pushType(std::string(1, result == Type::Int     ? 'I'
                                : result == Type::Float ? 'F'
                                : result == Type::Long  ? 'J'
                                                        : 'D'));
    }
    void arrayStore(const char* element, Type::Kind value) {
        popKind(value);
        popKind(Type::Int);
        const Type a = popReference();
        if (a.kind != Type::Null &&
            (a.kind != Type::Ref || a.name.size() != 2 ||
             std::string_view(element).find(a.name[1]) == std::string_view::npos ||
             a.name[0] != '[')) {
            fail("expected an array of " + std::string(element) + ", found " + describe(a));
        }
    }
    void checkBoundary(std::size_t depth) {
        if (depth > stack_.size()) {
            fail("the stack is too short");
        }
        if (depth < stack_.size() && depth > 0) {
            const Type& below = stack_[stack_.size() - depth - 1];
            const Type& above = stack_[stack_.size() - depth];
            if (below.isFirstHalf() && above.isSecondHalf()) {
                fail("a long or double on the stack is split");
            }
        }
        if (depth > 0 && stack_[stack_.size() - depth].isSecondHalf()) {
            fail("a long or double on the stack is split");
        }
    }
    void initialize(const Type& uninit);
    void handlersAt(int pc);

    const ClassFile& cf_;
    const MethodInfo& m_;
    const ClassLookup& lookup_;
    const std::vector<uint8_t>& code_;
    int pc_ = 0;
    std::vector<Type> locals_;
    std::vector<Type> stack_;
    std::map<int, Frame> maps_;
    std::string ret_;
    bool constructor_ = false;
};

bool MethodVerifier::isSubclass(const std::string& from, const std::string& to) {
    std::string c = from;
    for (int guard = 0; guard < 256 && !c.empty(); ++guard) {
        if (c == to) {
            return true;
        }
        if (c == cf_.name) {
            c = cf_.superName;
            continue;
        }
        const auto info = lookup_ ? lookup_(c) : std::nullopt;
        if (!info) {
            return false;
        }
        c = info->superName;
    }
    return false;
}

bool MethodVerifier::assignable(const Type& from, const Type& to) {
    if (from == to || to.kind == Type::Top) {
        return true;
    }
    if (to.kind != Type::Ref) {
        return false;
    }
    if (from.kind == Type::Null) {
        return true;
    }
    if (from.kind != Type::Ref) {
        return false;
    }
    if (to.name == "java/lang/Object") {
        return true;
    }
    const bool fromArray = from.name[0] == '[';
    const bool toArray = to.name[0] == '[';
    if (toArray) {
        if (!fromArray) {
            return false;
        }
        const std::string fe = from.name.substr(1);
        const std::string te = to.name.substr(1);
        const bool fr = fe[0] == 'L' || fe[0] == '[';
        const bool tr = te[0] == 'L' || te[0] == '[';
        if (!fr || !tr) {
            return fe == te;
        }
        return assignable(ref(refName(fe)), ref(refName(te)));
    }
    if (fromArray) {
        return false;  // only Object (above) takes an array
    }
    // Interfaces are checked when the method is called, as a phone's verifier does.
    if (to.name == cf_.name ? (cf_.access & ACC_INTERFACE) != 0 : false) {
        return true;
    }
    if (to.name != cf_.name) {
        const auto info = lookup_ ? lookup_(to.name) : std::nullopt;
        if (info && info->isInterface) {
            return true;
        }
    }
    return isSubclass(from.name, to.name);
}

Type MethodVerifier::fromStackMap(const VerificationType& v) {
    switch (v.tag) {
        case VerificationType::Top:
            return of(Type::Top);
        case VerificationType::Integer:
            return of(Type::Int);
        case VerificationType::Float:
            return of(Type::Float);
        case VerificationType::Double:
            return of(Type::Double);
        case VerificationType::Long:
            return of(Type::Long);
        case VerificationType::Null:
            return of(Type::Null);
        case VerificationType::UninitializedThis:
            return of(Type::UninitThis);
        case VerificationType::Object:
            return ref(cf_.className(v.index));
        default: {
            Type t = of(Type::Uninit);
            t.offset = v.index;
            if (t.offset >= static_cast<int>(code_.size()) || code_[t.offset] != 0xbb) {
                fail("a stack map names an uninitialized object of no new instruction");
            }
            return t;
        }
    }
}

MethodVerifier::Frame MethodVerifier::mapFrame(const StackMapFrame& f) {
    Frame out;
    for (const auto* list : {&f.locals, &f.stack}) {
        std::vector<Type>& slots = list == &f.locals ? out.first : out.second;
        for (const VerificationType& v : *list) {
            const Type t = fromStackMap(v);
            slots.push_back(t);
            if (t.kind == Type::Long) {
                slots.push_back(of(Type::Long2));
            } else if (t.kind == Type::Double) {
                slots.push_back(of(Type::Double2));
            }
        }
    }
    if (static_cast<int>(out.first.size()) > m_.maxLocals) {
        fail("a stack map has more locals than the method's maximum");
    }
    if (static_cast<int>(out.second.size()) > m_.maxStack) {
        fail("a stack map has a deeper stack than the method's maximum");
    }
    out.first.resize(static_cast<std::size_t>(m_.maxLocals), of(Type::Top));
    return out;
}

void MethodVerifier::checkFrame(const Frame& current, const Frame& target, int at) {
    if (current.second.size() != target.second.size()) {
        fail("the stack at " + std::to_string(at) + " has " + std::to_string(target.second.size()) +
             " items by the stack map, " + std::to_string(current.second.size()) + " here");
    }
    for (std::size_t i = 0; i < current.first.size(); ++i) {
        if (!assignable(current.first[i], target.first[i])) {
            fail("local " + std::to_string(i) + " is " + describe(current.first[i]) +
                 ", the stack map at " + std::to_string(at) + " wants " +
                 describe(target.first[i]));
        }
    }
    for (std::size_t i = 0; i < current.second.size(); ++i) {
        if (!assignable(current.second[i], target.second[i])) {
            fail("stack item " + std::to_string(i) + " is " + describe(current.second[i]) +
                 ", the stack map at " + std::to_string(at) + " wants " +
                 describe(target.second[i]));
        }
    }
}

void MethodVerifier::branch(int target) {
    auto it = maps_.find(target);
    if (it == maps_.end()) {
        fail("no stack map at the branch target " + std::to_string(target));
    }
    checkFrame({locals_, stack_}, it->second, target);
}

void MethodVerifier::initialize(const Type& uninit) {
    Type done;
    if (uninit.kind == Type::UninitThis) {
        done = ref(cf_.name);
    } else {
        const uint16_t index =
            static_cast<uint16_t>(code_[uninit.offset + 1] << 8 | code_[uninit.offset + 2]);
        done = ref(cf_.className(index));
    }
    for (auto* slots : {&locals_, &stack_}) {
        for (Type& t : *slots) {
            if (t == uninit) {
                t = done;
            }
        }
    }
}

void MethodVerifier::handlersAt(int pc) {
    for (const ExceptionHandler& h : m_.handlers) {
        if (pc < static_cast<int>(h.startPc) || pc >= static_cast<int>(h.endPc)) {
            continue;
        }
        auto it = maps_.find(static_cast<int>(h.handlerPc));
        if (it == maps_.end()) {
            fail("no stack map at the exception handler " + std::to_string(h.handlerPc));
        }
        const Frame& target = it->second;
        const Type caught = ref(h.catchType ? cf_.className(h.catchType) : "java/lang/Throwable");
        if (target.second.size() != 1 || !assignable(caught, target.second[0])) {
            fail("the stack map of the exception handler at " + std::to_string(h.handlerPc) +
                 " does not hold the exception alone");
        }
        for (std::size_t i = 0; i < locals_.size(); ++i) {
            if (!assignable(locals_[i], target.first[i])) {
                fail("local " + std::to_string(i) + " is " + describe(locals_[i]) +
                     ", the exception handler at " + std::to_string(h.handlerPc) + " wants " +
                     describe(target.first[i]));
            }
        }
    }
}

int16_t s16(const uint8_t* p) {
    return static_cast<int16_t>(p[0] << 8 | p[1]);
}
uint16_t u16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}
int32_t s32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 24 |
                                static_cast<uint32_t>(p[1]) << 16 |
                                static_cast<uint32_t>(p[2]) << 8 | p[3]);
}

void MethodVerifier::run() {
    const std::size_t n = code_.size();
    // Instruction boundaries.
    std::vector<bool> starts(n + 1, false);
    for (std::size_t pc = 0; pc < n;) {
        pc_ = static_cast<int>(pc);
        starts[pc] = true;
        const uint8_t op = code_[pc];
        std::size_t len;
        static const uint8_t lengths[] = {
            1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 2, 3, 3, 2, 2, 2, 2, 2, 1, 1, 1,
            1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2,
            2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
            1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
            1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
            1, 1, 1, 1, 1, 1, 1, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 0, 0, 1, 1,
            1, 1, 1, 1, 3, 3, 3, 3, 3, 3, 3, 5, 0, 3, 2, 3, 1, 1, 3, 3, 1, 1, 0, 4, 3, 3, 5, 5};
        if (op >= sizeof(lengths)) {
            fail("unknown instruction " + std::to_string(op));
        }
        if (op == 0xa8 || op == 0xa9 || op == 0xc9) {
            fail("jsr and ret are not allowed in CLDC classes (they are preverified away)");
        }
        if (op == 0xaa || op == 0xab) {
            const std::size_t base = (pc + 4) & ~std::size_t(3);
            if (base + 12 > n) {
                fail("truncated switch");
            }
            if (op == 0xaa) {
                const int64_t lo = s32(&code_[base + 4]);
                const int64_t hi = s32(&code_[base + 8]);
                if (hi < lo || hi - lo > 65535) {
                    fail("bad tableswitch bounds");
                }
                len = base + 12 + static_cast<std::size_t>(hi - lo + 1) * 4 - pc;
            } else {
                const int32_t pairs = s32(&code_[base + 4]);
                if (pairs < 0 || pairs > 65535) {
                    fail("bad lookupswitch size");
                }
                len = base + 8 + static_cast<std::size_t>(pairs) * 8 - pc;
            }
        } else if (op == 0xc4) {
            if (pc + 1 >= n) {
                fail("truncated wide instruction");
            }
            len = code_[pc + 1] == 0x84 ? 6 : 4;
            const uint8_t w = code_[pc + 1];
            if (w != 0x84 && !(w >= 0x15 && w <= 0x19) && !(w >= 0x36 && w <= 0x3a)) {
                fail("bad wide instruction");
            }
        } else {
            len = lengths[op];
            if (len == 0) {
                fail("unknown instruction " + std::to_string(op));
            }
        }
        if (pc + len > n) {
            fail("the last instruction runs past the end of the code");
        }
        pc += len;
    }
    // The stack maps, at instruction boundaries and in order.
    int last = -1;
    for (const StackMapFrame& f : m_.stackMap) {
        pc_ = static_cast<int>(f.offset);
        if (static_cast<int>(f.offset) <= last || f.offset >= n || !starts[f.offset]) {
            fail("a stack map entry is out of order or not at an instruction");
        }
        last = static_cast<int>(f.offset);
        maps_[static_cast<int>(f.offset)] = mapFrame(f);
    }
    for (const ExceptionHandler& h : m_.handlers) {
        pc_ = static_cast<int>(h.handlerPc);
        if (h.startPc >= h.endPc || h.endPc > n || !starts[h.startPc] ||
            (h.endPc < n && !starts[h.endPc]) || h.handlerPc >= n || !starts[h.handlerPc]) {
            fail("an exception handler's range or target is not at instructions");
        }
    }
    // The frame on entry.
    pc_ = 0;
    locals_.assign(static_cast<std::size_t>(m_.maxLocals), of(Type::Top));
    std::vector<Type> entry;
    constructor_ = m_.name == "<init>";
    if (!(m_.access & ACC_STATIC)) {
        entry.push_back(constructor_ && cf_.name != "java/lang/Object" ? of(Type::UninitThis)
                                                                       : ref(cf_.name));
    }
    std::vector<std::string> args;
    splitDescriptor(m_.descriptor, args, ret_);
    for (const std::string& a : args) {
        pushDescriptor(entry, a);
    }
    if (entry.size() > locals_.size()) {
        fail("the arguments take more locals than the method's maximum");
    }
    std::copy(entry.begin(), entry.end(), locals_.begin());
    bool reachable = true;
    for (std::size_t pc = 0; pc < n;) {
        pc_ = static_cast<int>(pc);
        if (!starts[pc]) {
            ++pc;
            continue;
        }
        auto map = maps_.find(pc_);
        if (map != maps_.end()) {
            if (reachable) {
                checkFrame({locals_, stack_}, map->second, pc_);
            }
            locals_ = map->second.first;
            stack_ = map->second.second;
        } else if (!reachable) {
            fail("no stack map after an unconditional branch");
        }
        reachable = true;
        handlersAt(pc_);
        const uint8_t* b = &code_[pc];
        uint8_t op = b[0];
        std::size_t next = pc + 1;
        auto constant = [&](uint16_t index) -> const Constant& {
            if (index == 0 || index >= cf_.pool.size()) {
                fail("bad constant index " + std::to_string(index));
            }
            return cf_.pool[index];
        };
        auto localIndex = [&](int width) { return width == 2 ? u16(b + 2) : b[1]; };
        int width = 1;  // 2 after wide
        if (op == 0xc4) {
            width = 2;
            op = b[1];
        }
        switch (op) {
            case 0x00:
                break;
            case 0x01:
                push(of(Type::Null));
                break;
            case 0x02:
            case 0x03:
            case 0x04:
            case 0x05:
            case 0x06:
            case 0x07:
            case 0x08:
                push(of(Type::Int));
                break;
            case 0x09:
            case 0x0a:
                pushType("J");
                break;
            case 0x0b:
            case 0x0c:
            case 0x0d:
                push(of(Type::Float));
                break;
            case 0x0e:
            case 0x0f:
                pushType("D");
                break;
            case 0x10:
                push(of(Type::Int));
                next = pc + 2;
                break;
            case 0x11:
                push(of(Type::Int));
                next = pc + 3;
                break;
            case 0x12:
            case 0x13: {
                const uint16_t i = op == 0x12 ? b[1] : u16(b + 1);
                const Constant& c = constant(i);
                if (c.tag == CONSTANT_Integer) {
                    push(of(Type::Int));
                } else if (c.tag == CONSTANT_Float) {
                    push(of(Type::Float));
                } else if (c.tag == CONSTANT_String) {
                    push(ref("java/lang/String"));
                } else if (c.tag == CONSTANT_Class && cf_.major >= 49) {
                    push(ref("java/lang/Class"));
                } else {
                    fail("ldc of a constant it cannot load");
                }
                next = pc + (op == 0x12 ? 2 : 3);
                break;
            }
            case 0x14: {
                const Constant& c = constant(u16(b + 1));
                if (c.tag == CONSTANT_Long) {
                    pushType("J");
                } else if (c.tag == CONSTANT_Double) {
                    pushType("D");
                } else {
                    fail("ldc2_w of a constant that is not a long or a double");
                }
                next = pc + 3;
                break;
            }
            case 0x15:
            case 0x16:
            case 0x17:
            case 0x18:
            case 0x19: {
                const int index = localIndex(width);
                static const Type::Kind kinds[] = {Type::Int, Type::Long, Type::Float,
                                                   Type::Double};
                if (op == 0x19) {
                    const Type& t = local(index);
                    if (!t.isReference()) {
                        fail("local " + std::to_string(index) + " is " + describe(t) +
                             ", not a reference");
                    }
                    push(t);
                } else {
                    load(index, kinds[op - 0x15]);
                }
                next = pc + (width == 2 ? 4 : 2);
                break;
            }
            case 0x1a:
            case 0x1b:
            case 0x1c:
            case 0x1d:
                load(op - 0x1a, Type::Int);
                break;
            case 0x1e:
            case 0x1f:
            case 0x20:
            case 0x21:
                load(op - 0x1e, Type::Long);
                break;
            case 0x22:
            case 0x23:
            case 0x24:
            case 0x25:
                load(op - 0x22, Type::Float);
                break;
            case 0x26:
            case 0x27:
            case 0x28:
            case 0x29:
                load(op - 0x26, Type::Double);
                break;
            case 0x2a:
            case 0x2b:
            case 0x2c:
            case 0x2d: {
                const Type& t = local(op - 0x2a);
                if (!t.isReference()) {
                    fail("local " + std::to_string(op - 0x2a) + " is " + describe(t) +
                         ", not a reference");
                }
                push(t);
                break;
            }
            case 0x2e:
                arrayLoad("I", Type::Int);
                break;
            case 0x2f:
                arrayLoad("J", Type::Long);
                break;
            case 0x30:
                arrayLoad("F", Type::Float);
                break;
            case 0x31:
                arrayLoad("D", Type::Double);
                break;
            case 0x32: {
                popKind(Type::Int);
                const Type a = popReference();
                if (a.kind == Type::Null) {
                    push(of(Type::Null));
                } else if (a.kind == Type::Ref && a.name[0] == '[' &&
                           (a.name[1] == 'L' || a.name[1] == '[')) {
                    push(ref(refName(a.name.substr(1))));
                } else {
                    fail("expected an array of references, found " + describe(a));
                }
                break;
            }
            case 0x33:
                arrayLoad("BZ", Type::Int);
                break;
            case 0x34:
                arrayLoad("C", Type::Int);
                break;
            case 0x35:
                arrayLoad("S", Type::Int);
                break;
            case 0x36:
            case 0x37:
            case 0x38:
            case 0x39:
            case 0x3a: {
                const int index = localIndex(width);
                if (op == 0x3a) {
                    const Type t = popReference();
                    setLocal(index, t, false);
                } else {
                    static const Type::Kind kinds[] = {Type::Int, Type::Long, Type::Float,
                                                       Type::Double};
                    const Type::Kind k = kinds[op - 0x36];
                    popKind(k);
                    setLocal(index, of(k), k == Type::Long || k == Type::Double);
                }
                next = pc + (width == 2 ? 4 : 2);
                handlersAt(pc_);
                break;
            }
            case 0x3b:
            case 0x3c:
            case 0x3d:
            case 0x3e:
                popKind(Type::Int);
                setLocal(op - 0x3b, of(Type::Int), false);
                handlersAt(pc_);
                break;
            case 0x3f:
            case 0x40:
            case 0x41:
            case 0x42:
                popKind(Type::Long);
                setLocal(op - 0x3f, of(Type::Long), true);
                handlersAt(pc_);
                break;
            case 0x43:
            case 0x44:
            case 0x45:
            case 0x46:
                popKind(Type::Float);
                setLocal(op - 0x43, of(Type::Float), false);
                handlersAt(pc_);
                break;
            case 0x47:
            case 0x48:
            case 0x49:
            case 0x4a:
                popKind(Type::Double);
                setLocal(op - 0x47, of(Type::Double), true);
                handlersAt(pc_);
                break;
            case 0x4b:
            case 0x4c:
            case 0x4d:
            case 0x4e: {
                const Type t = popReference();
                setLocal(op - 0x4b, t, false);
                handlersAt(pc_);
                break;
            }
            case 0x4f:
                arrayStore("I", Type::Int);
                break;
            case 0x50:
                arrayStore("J", Type::Long);
                break;
            case 0x51:
                arrayStore("F", Type::Float);
                break;
            case 0x52:
                arrayStore("D", Type::Double);
                break;
            case 0x53: {
                popReference();
                popKind(Type::Int);
                const Type a = popReference();
                if (a.kind != Type::Null && !(a.kind == Type::Ref && a.name[0] == '[' &&
                                              (a.name[1] == 'L' || a.name[1] == '['))) {
                    fail("expected an array of references, found " + describe(a));
                }
                break;
            }
            case 0x54:
                arrayStore("BZ", Type::Int);
                break;
            case 0x55:
                arrayStore("C", Type::Int);
                break;
            case 0x56:
                arrayStore("S", Type::Int);
                break;
            case 0x57:
                checkBoundary(1);
                pop();
                break;
            case 0x58:
                checkBoundary(2);
                pop();
                pop();
                break;
            case 0x59:
                checkBoundary(1);
                push(stack_.back());
                break;
            case 0x5a: {
                checkBoundary(1);
                checkBoundary(2);
                const Type a = pop();
                const Type c = pop();
                push(a);
                push(c);
                push(a);
                break;
            }
            case 0x5b: {
                checkBoundary(1);
                checkBoundary(3);
                const Type a = pop();
                const Type c = pop();
                const Type d = pop();
                push(a);
                push(d);
                push(c);
                push(a);
                break;
            }
            case 0x5c: {
                checkBoundary(2);
                const Type a = pop();
                const Type c = pop();
                push(c);
                push(a);
                push(c);
                push(a);
                break;
            }
            case 0x5d: {
                checkBoundary(2);
                checkBoundary(3);
                const Type a = pop();
                const Type c = pop();
                const Type d = pop();
                push(c);
                push(a);
                push(d);
                push(c);
                push(a);
                break;
            }
            case 0x5e: {
                checkBoundary(2);
                checkBoundary(4);
                const Type a = pop();
                const Type c = pop();
                const Type d = pop();
                const Type e = pop();
                push(c);
                push(a);
                push(e);
                push(d);
                push(c);
                push(a);
                break;
            }
            case 0x5f: {
                checkBoundary(1);
                checkBoundary(2);
                const Type a = pop();
                const Type c = pop();
                push(a);
                push(c);
                break;
            }
            case 0x60:
            case 0x64:
            case 0x68:
            case 0x6c:
            case 0x70:
            case 0x78:
            case 0x7a:
            case 0x7c:
            case 0x7e:
            case 0x80:
            case 0x82:
                popKind(Type::Int);
                popKind(Type::Int);
                push(of(Type::Int));
                break;
            case 0x61:
            case 0x65:
            case 0x69:
            case 0x6d:
            case 0x71:
            case 0x7f:
            case 0x81:
            case 0x83:
                popKind(Type::Long);
                popKind(Type::Long);
                pushType("J");
                break;
            case 0x62:
            case 0x66:
            case 0x6a:
            case 0x6e:
            case 0x72:
                popKind(Type::Float);
                popKind(Type::Float);
                push(of(Type::Float));
                break;
            case 0x63:
            case 0x67:
            case 0x6b:
            case 0x6f:
            case 0x73:
                popKind(Type::Double);
                popKind(Type::Double);
                pushType("D");
                break;
            case 0x74:
                popKind(Type::Int);
                push(of(Type::Int));
                break;
            case 0x75:
                popKind(Type::Long);
                pushType("J");
                break;
            case 0x76:
                popKind(Type::Float);
                push(of(Type::Float));
                break;
            case 0x77:
                popKind(Type::Double);
                pushType("D");
                break;
            case 0x79:
            case 0x7b:
            case 0x7d:
                popKind(Type::Int);
                popKind(Type::Long);
                pushType("J");
                break;
            case 0x84: {
                const int index = localIndex(width);
                if (local(index).kind != Type::Int) {
                    fail("iinc of local " + std::to_string(index) + ", which is " +
                         describe(local(index)));
                }
                next = pc + (width == 2 ? 6 : 3);
                break;
            }
            case 0x85:
                popKind(Type::Int);
                pushType("J");
                break;
            case 0x86:
                popKind(Type::Int);
                push(of(Type::Float));
                break;
            case 0x87:
                popKind(Type::Int);
                pushType("D");
                break;
            case 0x88:
                popKind(Type::Long);
                push(of(Type::Int));
                break;
            case 0x89:
                popKind(Type::Long);
                push(of(Type::Float));
                break;
            case 0x8a:
                popKind(Type::Long);
                pushType("D");
                break;
            case 0x8b:
                popKind(Type::Float);
                push(of(Type::Int));
                break;
            case 0x8c:
                popKind(Type::Float);
                pushType("J");
                break;
            case 0x8d:
                popKind(Type::Float);
                pushType("D");
                break;
            case 0x8e:
                popKind(Type::Double);
                push(of(Type::Int));
                break;
            case 0x8f:
                popKind(Type::Double);
                pushType("J");
                break;
            case 0x90:
                popKind(Type::Double);
                push(of(Type::Float));
                break;
            case 0x91:
            case 0x92:
            case 0x93:
                popKind(Type::Int);
                push(of(Type::Int));
                break;
            case 0x94:
                popKind(Type::Long);
                popKind(Type::Long);
                push(of(Type::Int));
                break;
            case 0x95:
            case 0x96:
                popKind(Type::Float);
                popKind(Type::Float);
                push(of(Type::Int));
                break;
            case 0x97:
            case 0x98:
                popKind(Type::Double);
                popKind(Type::Double);
                push(of(Type::Int));
                break;
            case 0x99:
            case 0x9a:
            case 0x9b:
            case 0x9c:
            case 0x9d:
            case 0x9e:
                popKind(Type::Int);
                branch(pc_ + s16(b + 1));
                next = pc + 3;
                break;
            case 0x9f:
            case 0xa0:
            case 0xa1:
            case 0xa2:
            case 0xa3:
            case 0xa4:
                popKind(Type::Int);
                popKind(Type::Int);
                branch(pc_ + s16(b + 1));
                next = pc + 3;
                break;
            case 0xa5:
            case 0xa6:
                popReference();
                popReference();
                branch(pc_ + s16(b + 1));
                next = pc + 3;
                break;
            case 0xc6:
            case 0xc7:
                popReference();
                branch(pc_ + s16(b + 1));
                next = pc + 3;
                break;
            case 0xa7:
                branch(pc_ + s16(b + 1));
                reachable = false;
                next = pc + 3;
                break;
            case 0xc8:
                branch(pc_ + s32(b + 1));
                reachable = false;
                next = pc + 5;
                break;
            case 0xaa:
            case 0xab: {
                popKind(Type::Int);
                const std::size_t base = (pc + 4) & ~std::size_t(3);
                branch(pc_ + s32(&code_[base]));
                if (op == 0xaa) {
                    const int64_t lo = s32(&code_[base + 4]);
                    const int64_t hi = s32(&code_[base + 8]);
                    for (int64_t k = 0; k <= hi - lo; ++k) {
                        branch(pc_ + s32(&code_[base + 12 + k * 4]));
                    }
                    next = base + 12 + static_cast<std::size_t>(hi - lo + 1) * 4;
                } else {
                    const int32_t pairs = s32(&code_[base + 4]);
                    for (int32_t k = 0; k < pairs; ++k) {
                        branch(pc_ + s32(&code_[base + 12 + k * 8]));
                    }
                    next = base + 8 + static_cast<std::size_t>(pairs) * 8;
                }
                reachable = false;
                break;
            }
            case 0xac:
            case 0xad:
            case 0xae:
            case 0xaf:
            case 0xb0: {
                if (ret_.empty()) {
                    fail("a value returned from a void method");
                }
                const char want = ret_[0] == '[' ? 'L' : ret_[0];
                const char kind = op == 0xac   ? 'I'
                                  : op == 0xad ? 'J'
                                  : op == 0xae ? 'F'
                                  : op == 0xaf ? 'D'
                                               : 'L';
                const bool intLike =
                    want == 'Z' || want == 'B' || want == 'C' || want == 'S' || want == 'I';
                if ((kind == 'I' && !intLike) || (kind != 'I' && kind != want)) {
                    fail("the return instruction does not fit the return type " + ret_);
                }
                popType(ret_);
                reachable = false;
                break;
            }
            case 0xb1:
                if (!ret_.empty()) {
                    fail("a void return from a method that returns " + ret_);
                }
                if (constructor_ && !locals_.empty() && locals_[0].kind == Type::UninitThis) {
                    fail("the constructor returns before calling its super constructor");
                }
                reachable = false;
                break;
            case 0xb2:
            case 0xb3:
            case 0xb4:
            case 0xb5: {
                const uint16_t index = u16(b + 1);
                if (constant(index).tag != CONSTANT_Fieldref) {
                    fail("a field instruction names no field");
                }
                const auto field = cf_.memberRef(index);
                if (op == 0xb2) {
                    pushType(field.descriptor);
                } else if (op == 0xb3) {
                    popType(field.descriptor);
                } else if (op == 0xb4) {
                    const Type o = popReference();
                    if (!assignable(o, ref(std::string(field.owner)))) {
                        fail(describe(o) + " has no field " + std::string(field.name));
                    }
                    pushType(field.descriptor);
                } else {
                    popType(field.descriptor);
                    const Type o = popReference();
                    const bool ownFieldInConstructor =
                        o.kind == Type::UninitThis && field.owner == cf_.name;
                    if (!ownFieldInConstructor && !assignable(o, ref(std::string(field.owner)))) {
                        fail(describe(o) + " has no field " + std::string(field.name));
                    }
                }
                next = pc + 3;
                break;
            }
            case 0xb6:
            case 0xb7:
            case 0xb8:
            case 0xb9: {
                const uint16_t index = u16(b + 1);
                const ConstantTag tag = constant(index).tag;
                if (op == 0xb9 ? tag != CONSTANT_InterfaceMethodref : tag != CONSTANT_Methodref) {
                    fail("an invoke instruction names a member of the wrong kind");
                }
                const auto method = cf_.memberRef(index);
                if (method.name[0] == '<' && !(op == 0xb7 && method.name == "<init>")) {
                    fail("a call of " + std::string(method.name));
                }
                std::vector<std::string> margs;
                std::string mret;
                splitDescriptor(method.descriptor, margs, mret);
                for (auto it = margs.rbegin(); it != margs.rend(); ++it) {
                    popType(*it);
                }
                if (op != 0xb8) {
                    const Type self = popReference();
                    if (method.name == "<init>") {
                        if (self.kind == Type::UninitThis) {
                            if (method.owner != cf_.name && method.owner != cf_.superName) {
                                fail("a constructor calls " + std::string(method.owner) +
                                     ".<init>, of neither its class nor its super class");
                            }
                        } else if (self.kind == Type::Uninit) {
                            const uint16_t made = u16(&code_[self.offset + 1]);
                            if (cf_.className(made) != method.owner) {
                                fail("an object made as " + cf_.className(made) +
                                     " is initialized as " + std::string(method.owner));
                            }
                        } else {
                            fail("<init> called on an initialized object");
                        }
                        initialize(self);
                    } else if (op != 0xb9 && !assignable(self, ref(std::string(method.owner)))) {
                        fail("a call of " + std::string(method.owner) + "." +
                             std::string(method.name) + " on " + describe(self));
                    }
                }
                if (!mret.empty()) {
                    pushType(mret);
                }
                if (op == 0xb9) {
                    if (b[4] != 0 || b[3] == 0) {
                        fail("bad invokeinterface operands");
                    }
                    next = pc + 5;
                } else {
                    next = pc + 3;
                }
                break;
            }
            case 0xbb: {
                if (constant(u16(b + 1)).tag != CONSTANT_Class ||
                    cf_.className(u16(b + 1))[0] == '[') {
                    fail("new of no class");
                }
                Type t = of(Type::Uninit);
                t.offset = pc_;
                push(t);
                next = pc + 3;
                break;
            }
            case 0xbc: {
                static const char* types[] = {"[Z", "[C", "[F", "[D", "[B", "[S", "[I", "[J"};
                if (b[1] < 4 || b[1] > 11) {
                    fail("bad newarray type");
                }
                popKind(Type::Int);
                push(ref(types[b[1] - 4]));
                next = pc + 2;
                break;
            }
            case 0xbd: {
                popKind(Type::Int);
                const std::string& c = cf_.className(u16(b + 1));
                push(ref(c[0] == '[' ? "[" + c : "[L" + c + ";"));
                next = pc + 3;
                break;
            }
            case 0xbe: {
                const Type a = popReference();
                if (a.kind != Type::Null && !(a.kind == Type::Ref && a.name[0] == '[')) {
                    fail("arraylength of " + describe(a));
                }
                push(of(Type::Int));
                break;
            }
            case 0xbf: {
                const Type e = popReference();
                if (!assignable(e, ref("java/lang/Throwable"))) {
                    fail("athrow of " + describe(e));
                }
                reachable = false;
                break;
            }
            case 0xc0:
                popReference();
                push(ref(cf_.className(u16(b + 1))));
                next = pc + 3;
                break;
            case 0xc1:
                popReference();
                cf_.className(u16(b + 1));
                push(of(Type::Int));
                next = pc + 3;
                break;
            case 0xc2:
            case 0xc3:
                popReference();
                break;
            case 0xc5: {
                const std::string& c = cf_.className(u16(b + 1));
                const int dims = b[3];
                int depth = 0;
                while (depth < static_cast<int>(c.size()) && c[depth] == '[') {
                    ++depth;
                }
                if (dims < 1 || dims > depth) {
                    fail("multianewarray of more dimensions than its type has");
                }
                for (int k = 0; k < dims; ++k) {
                    popKind(Type::Int);
                }
                push(ref(c));
                next = pc + 4;
                break;
            }
            default:
                fail("unknown instruction " + std::to_string(op));
        }
        if (width == 2 && op != 0x84 && !(op >= 0x15 && op <= 0x19) &&
            !(op >= 0x36 && op <= 0x3a)) {
            fail("bad wide instruction");
        }
        pc = next;
    }
    if (reachable) {
        pc_ = static_cast<int>(n);
        fail("the code runs off its end");
    }
}

}  // namespace

std::optional<std::string> verifyClass(const ClassFile& cf, const ClassLookup& lookup) {
    std::string where = "class " + cf.name;
    if (cf.major > 48) {
        return where + ": class file version " + std::to_string(cf.major) +
               " is newer than a CLDC phone loads";
    }
    for (const MethodInfo& m : cf.methods) {
        const std::string method = where + ", method " + m.name + m.descriptor;
        if (m.access & ACC_NATIVE) {
            return method + ": native methods are not allowed in a MIDlet suite";
        }
        if (!m.hasCode) {
            continue;
        }
        try {
            MethodVerifier(cf, m, lookup).run();
        } catch (const VerifyFailure& f) {
            return method + ", offset " + std::to_string(f.offset) + ": " + f.reason;
        } catch (const ClassFormatError& e) {
            return method + ": " + e.what();
        }
    }
    return std::nullopt;
}

}  // namespace avizad::vm
