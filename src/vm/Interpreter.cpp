// The interpreter: methods translated into pre-decoded instructions on their first call,
// constant-pool operands resolved on first execution and rewritten into quick forms, frames
// laid on one stack per thread with the arguments of a call becoming the callee's locals.

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "vm/Vm.h"

namespace avizad::vm {

namespace {

enum Op : uint16_t {
    NOP = 0x00,
    ACONST_NULL = 0x01,
    ICONST_M1 = 0x02,
    ICONST_0 = 0x03,
    ICONST_5 = 0x08,
    LCONST_0 = 0x09,
    LCONST_1 = 0x0a,
    FCONST_0 = 0x0b,
    FCONST_2 = 0x0d,
    DCONST_0 = 0x0e,
    DCONST_1 = 0x0f,
    BIPUSH = 0x10,
    SIPUSH = 0x11,
    LDC = 0x12,
    LDC_W = 0x13,
    LDC2_W = 0x14,
    ILOAD = 0x15,
    LLOAD = 0x16,
    FLOAD = 0x17,
    DLOAD = 0x18,
    ALOAD = 0x19,
    ILOAD_0 = 0x1a,
    ALOAD_3 = 0x2d,
    IALOAD = 0x2e,
    LALOAD = 0x2f,
    FALOAD = 0x30,
    DALOAD = 0x31,
    AALOAD = 0x32,
    BALOAD = 0x33,
    CALOAD = 0x34,
    SALOAD = 0x35,
    ISTORE = 0x36,
    LSTORE = 0x37,
    FSTORE = 0x38,
    DSTORE = 0x39,
    ASTORE = 0x3a,
    ISTORE_0 = 0x3b,
    ASTORE_3 = 0x4e,
    IASTORE = 0x4f,
    LASTORE = 0x50,
    FASTORE = 0x51,
    DASTORE = 0x52,
    AASTORE = 0x53,
    BASTORE = 0x54,
    CASTORE = 0x55,
    SASTORE = 0x56,
    POP = 0x57,
    POP2 = 0x58,
    DUP = 0x59,
    DUP_X1 = 0x5a,
    DUP_X2 = 0x5b,
    DUP2 = 0x5c,
    DUP2_X1 = 0x5d,
    DUP2_X2 = 0x5e,
    SWAP = 0x5f,
    IADD = 0x60,
    LADD = 0x61,
    FADD = 0x62,
    DADD = 0x63,
    ISUB = 0x64,
    LSUB = 0x65,
    FSUB = 0x66,
    DSUB = 0x67,
    IMUL = 0x68,
    LMUL = 0x69,
    FMUL = 0x6a,
    DMUL = 0x6b,
    IDIV = 0x6c,
    LDIV = 0x6d,
    FDIV = 0x6e,
    DDIV = 0x6f,
    IREM = 0x70,
    LREM = 0x71,
    FREM = 0x72,
    DREM = 0x73,
    INEG = 0x74,
    LNEG = 0x75,
    FNEG = 0x76,
    DNEG = 0x77,
    ISHL = 0x78,
    LSHL = 0x79,
    ISHR = 0x7a,
    LSHR = 0x7b,
    IUSHR = 0x7c,
    LUSHR = 0x7d,
    IAND = 0x7e,
    LAND = 0x7f,
    IOR = 0x80,
    LOR = 0x81,
    IXOR = 0x82,
    LXOR = 0x83,
    IINC = 0x84,
    I2L = 0x85,
    I2F = 0x86,
    I2D = 0x87,
    L2I = 0x88,
    L2F = 0x89,
    L2D = 0x8a,
    F2I = 0x8b,
    F2L = 0x8c,
    F2D = 0x8d,
    D2I = 0x8e,
    D2L = 0x8f,
    D2F = 0x90,
    I2B = 0x91,
    I2C = 0x92,
    I2S = 0x93,
    LCMP = 0x94,
    FCMPL = 0x95,
    FCMPG = 0x96,
    DCMPL = 0x97,
    DCMPG = 0x98,
    IFEQ = 0x99,
    IFNE = 0x9a,
    IFLT = 0x9b,
    IFGE = 0x9c,
    IFGT = 0x9d,
    IFLE = 0x9e,
    IF_ICMPEQ = 0x9f,
    IF_ICMPNE = 0xa0,
    IF_ICMPLT = 0xa1,
    IF_ICMPGE = 0xa2,
    IF_ICMPGT = 0xa3,
    IF_ICMPLE = 0xa4,
    IF_ACMPEQ = 0xa5,
    IF_ACMPNE = 0xa6,
    GOTO = 0xa7,
    JSR = 0xa8,
    RET = 0xa9,
    TABLESWITCH = 0xaa,
    LOOKUPSWITCH = 0xab,
    IRETURN = 0xac,
    LRETURN = 0xad,
    FRETURN = 0xae,
    DRETURN = 0xaf,
    ARETURN = 0xb0,
    RETURN = 0xb1,
    GETSTATIC = 0xb2,
    PUTSTATIC = 0xb3,
    GETFIELD = 0xb4,
    PUTFIELD = 0xb5,
    INVOKEVIRTUAL = 0xb6,
    INVOKESPECIAL = 0xb7,
    INVOKESTATIC = 0xb8,
    INVOKEINTERFACE = 0xb9,
    NEW = 0xbb,
    NEWARRAY = 0xbc,
    ANEWARRAY = 0xbd,
    ARRAYLENGTH = 0xbe,
    ATHROW = 0xbf,
    CHECKCAST = 0xc0,
    INSTANCEOF = 0xc1,
    MONITORENTER = 0xc2,
    MONITOREXIT = 0xc3,
    WIDE = 0xc4,
    MULTIANEWARRAY = 0xc5,
    IFNULL = 0xc6,
    IFNONNULL = 0xc7,
    GOTO_W = 0xc8,
    JSR_W = 0xc9,
    // Quick forms.
    Q_ICONST = 0xE0,
    Q_LCONST = 0xE1,
    Q_LDC_REF = 0xE2,
    Q_GETFIELD1 = 0xE3,
    Q_GETFIELD2 = 0xE4,
    Q_PUTFIELD1 = 0xE5,
    Q_PUTFIELD2 = 0xE6,
    Q_GETSTATIC1 = 0xE7,
    Q_GETSTATIC2 = 0xE8,
    Q_PUTSTATIC1 = 0xE9,
    Q_PUTSTATIC2 = 0xEA,
    Q_INVOKEVIRTUAL = 0xEB,
    Q_INVOKEDIRECT = 0xEC,
    Q_INVOKEINTERFACE = 0xED,
    Q_NEW = 0xEE,
    Q_ANEWARRAY = 0xEF,
    Q_CHECKCAST = 0xF0,
    Q_INSTANCEOF = 0xF1,
    Q_MULTIANEWARRAY = 0xF2,
    Q_INVOKESTATIC = 0xF3,
    // Loads and stores of a local at `u` (the _0.._3 forms and wide folded in).
    L_ILOAD = 0x100,
    L_LLOAD,
    L_ALOAD,
    L_ISTORE,
    L_LSTORE,
    L_ASTORE,
    L_IINC,
};

int32_t be32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 24 |
                                static_cast<uint32_t>(p[1]) << 16 |
                                static_cast<uint32_t>(p[2]) << 8 | p[3]);
}
int16_t be16(const uint8_t* p) {
    return static_cast<int16_t>(p[0] << 8 | p[1]);
}
uint16_t ube16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}

// The length of the instruction at `pc`, 0 when it is malformed or runs past the end.
std::size_t insnLength(const std::vector<uint8_t>& code, std::size_t pc) {
    static const int8_t lengths[256] = {
        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 2, 3, 3, 2, 2, 2, 2, 2, 1, 1, 1,
        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2,
        2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
        1, 1, 1, 1, 1, 1, 1, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 0, 0, 1, 1,
        1, 1, 1, 1, 3, 3, 3, 3, 3, 3, 3, 5, 5, 3, 2, 3, 1, 1, 3, 3, 1, 1, 0, 4, 3, 3, 5, 5, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const uint8_t op = code[pc];
    std::size_t len = static_cast<std::size_t>(lengths[op]);
    if (op == TABLESWITCH || op == LOOKUPSWITCH) {
        const std::size_t base = (pc + 4) & ~std::size_t(3);
        if (base + 12 > code.size()) {
            return 0;
        }
        if (op == TABLESWITCH) {
            const int64_t lo = be32(&code[base + 4]);
            const int64_t hi = be32(&code[base + 8]);
            if (hi < lo || hi - lo > 65535) {
                return 0;
            }
            len = base + 12 + static_cast<std::size_t>(hi - lo + 1) * 4 - pc;
        } else {
            const int32_t n = be32(&code[base + 4]);
            if (n < 0 || n > 65535) {
                return 0;
            }
            len = base + 8 + static_cast<std::size_t>(n) * 8 - pc;
        }
    } else if (op == WIDE) {
        if (pc + 1 >= code.size()) {
            return 0;
        }
        len = code[pc + 1] == IINC ? 6 : 4;
    }
    if (len == 0 || pc + len > code.size()) {
        return 0;
    }
    return len;
}

int32_t f2i(float v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 2147483648.0f) {
        return std::numeric_limits<int32_t>::max();
    }
    if (v <= -2147483648.0f) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(v);
}
int64_t f2l(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 9223372036854775808.0) {
        return std::numeric_limits<int64_t>::max();
    }
    if (v <= -9223372036854775808.0) {
        return std::numeric_limits<int64_t>::min();
    }
    return static_cast<int64_t>(v);
}
int32_t d2i(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 2147483647.0) {
        return std::numeric_limits<int32_t>::max();
    }
    if (v <= -2147483648.0) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(v);
}
template <typename T>
int32_t fcmp(T a, T b, int32_t nan) {
    if (a > b) {
        return 1;
    }
    if (a < b) {
        return -1;
    }
    if (a == b) {
        return 0;
    }
    return nan;
}

std::string dotted(std::string n) {
    for (char& c : n) {
        if (c == '/') {
            c = '.';
        }
    }
    return n;
}

}  // namespace

// ---------------------------------------------------------------- translation

void Vm::prepare(Method* m) {
    if (m->prepared) {
        return;
    }
    m->prepared = true;
    if (!m->info || !m->info->hasCode) {
        return;
    }
    const std::vector<uint8_t>& code = m->info->code;
    std::vector<int32_t> indexOf(code.size() + 1, -1);
    std::vector<std::size_t> starts;
    for (std::size_t pc = 0; pc < code.size();) {
        const std::size_t len = insnLength(code, pc);
        if (len == 0) {
            throw ClassFormatError("bad instruction at " + std::to_string(pc) + " in " +
                                   m->fullName());
        }
        indexOf[pc] = static_cast<int32_t>(starts.size());
        starts.push_back(pc);
        pc += len;
    }
    auto target = [&](std::size_t pc, int64_t offset) -> int32_t {
        const int64_t to = static_cast<int64_t>(pc) + offset;
        if (to < 0 || to >= static_cast<int64_t>(code.size()) || indexOf[to] < 0) {
            throw ClassFormatError("bad branch target at " + std::to_string(pc) + " in " +
                                   m->fullName());
        }
        return indexOf[to];
    };
    m->code.resize(starts.size() + 1);
    m->pcOf.resize(starts.size() + 1);
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t pc = starts[k];
        const uint8_t* b = &code[pc];
        Insn& in = m->code[k];
        in = Insn{};
        in.op = b[0];
        m->pcOf[k] = static_cast<int32_t>(pc);
        const uint8_t op = b[0];
        if (op >= ICONST_M1 && op <= ICONST_5) {
            in.op = Q_ICONST;
            in.i = op - ICONST_0;
        } else if (op == BIPUSH) {
            in.op = Q_ICONST;
            in.i = static_cast<int8_t>(b[1]);
        } else if (op == SIPUSH) {
            in.op = Q_ICONST;
            in.i = be16(b + 1);
        } else if (op == FCONST_0 || op == FCONST_0 + 1 || op == FCONST_2) {
            in.op = Q_ICONST;
            const float f = static_cast<float>(op - FCONST_0);
            std::memcpy(&in.i, &f, 4);
        } else if (op == LDC || op == LDC_W) {
            in.u = op == LDC ? b[1] : ube16(b + 1);
            const ClassFile& cf = *m->owner->file;
            if (in.u == 0 || in.u >= cf.pool.size()) {
                throw ClassFormatError("bad constant index in " + m->fullName());
            }
            const Constant& c = cf.pool[in.u];
            if (c.tag == CONSTANT_Integer || c.tag == CONSTANT_Float) {
                in.op = Q_ICONST;
                in.i = static_cast<int32_t>(c.bits);
            } else if (c.tag != CONSTANT_String && c.tag != CONSTANT_Class) {
                throw ClassFormatError("bad ldc constant in " + m->fullName());
            }
        } else if (op == LDC2_W) {
            in.u = ube16(b + 1);
            const ClassFile& cf = *m->owner->file;
            if (in.u == 0 || in.u >= cf.pool.size() ||
                (cf.pool[in.u].tag != CONSTANT_Long && cf.pool[in.u].tag != CONSTANT_Double)) {
                throw ClassFormatError("bad ldc2_w constant in " + m->fullName());
            }
            in.op = Q_LCONST;
            in.p = const_cast<int64_t*>(&cf.pool[in.u].bits);
        } else if (op == LCONST_0 || op == LCONST_1) {
            in.op = Q_LCONST;
            static const int64_t longs[2] = {0, 1};
            in.p = const_cast<int64_t*>(&longs[op - LCONST_0]);
        } else if (op == DCONST_0 || op == DCONST_1) {
            in.op = Q_LCONST;
            static const double doubles[2] = {0.0, 1.0};
            in.p = const_cast<double*>(&doubles[op - DCONST_0]);
        } else if (op >= ILOAD && op <= ALOAD) {
            in.u = b[1];
            in.op = op == ILOAD || op == FLOAD ? L_ILOAD : op == ALOAD ? L_ALOAD : L_LLOAD;
        } else if (op >= ILOAD_0 && op <= ALOAD_3) {
            const int kind = (op - ILOAD_0) / 4;
            in.u = static_cast<uint16_t>((op - ILOAD_0) % 4);
            in.op = kind == 0 || kind == 2 ? L_ILOAD : kind == 4 ? L_ALOAD : L_LLOAD;
        } else if (op >= ISTORE && op <= ASTORE) {
            in.u = b[1];
            in.op = op == ISTORE || op == FSTORE ? L_ISTORE : op == ASTORE ? L_ASTORE : L_LSTORE;
        } else if (op >= ISTORE_0 && op <= ASTORE_3) {
            const int kind = (op - ISTORE_0) / 4;
            in.u = static_cast<uint16_t>((op - ISTORE_0) % 4);
            in.op = kind == 0 || kind == 2 ? L_ISTORE : kind == 4 ? L_ASTORE : L_LSTORE;
        } else if (op == IINC) {
            in.op = L_IINC;
            in.u = b[1];
            in.i = static_cast<int8_t>(b[2]);
        } else if (op == WIDE) {
            const uint8_t w = b[1];
            in.u = ube16(b + 2);
            if (w == IINC) {
                in.op = L_IINC;
                in.i = be16(b + 4);
            } else if (w >= ILOAD && w <= ALOAD) {
                in.op = w == ILOAD || w == FLOAD ? L_ILOAD : w == ALOAD ? L_ALOAD : L_LLOAD;
            } else if (w >= ISTORE && w <= ASTORE) {
                in.op = w == ISTORE || w == FSTORE ? L_ISTORE : w == ASTORE ? L_ASTORE : L_LSTORE;
            } else {
                throw ClassFormatError("bad wide instruction in " + m->fullName());
            }
        } else if ((op >= IFEQ && op <= JSR) || op == IFNULL || op == IFNONNULL) {
            in.i = target(pc, be16(b + 1));
        } else if (op == GOTO_W || op == JSR_W) {
            in.op = op == GOTO_W ? GOTO : JSR;
            in.i = target(pc, be32(b + 1));
        } else if (op == RET) {
            in.u = b[1];
        } else if (op == TABLESWITCH || op == LOOKUPSWITCH) {
            const std::size_t base = (pc + 4) & ~std::size_t(3);
            std::vector<int32_t> t;
            t.push_back(target(pc, be32(&code[base])));
            if (op == TABLESWITCH) {
                const int32_t lo = be32(&code[base + 4]);
                const int32_t hi = be32(&code[base + 8]);
                t.push_back(lo);
                t.push_back(hi);
                for (int64_t k2 = 0; k2 <= static_cast<int64_t>(hi) - lo; ++k2) {
                    t.push_back(target(pc, be32(&code[base + 12 + k2 * 4])));
                }
            } else {
                const int32_t n = be32(&code[base + 4]);
                t.push_back(n);
                for (int32_t k2 = 0; k2 < n; ++k2) {
                    t.push_back(be32(&code[base + 8 + k2 * 8]));
                    t.push_back(target(pc, be32(&code[base + 12 + k2 * 8])));
                }
            }
            m->tables.push_back(std::move(t));
        } else if ((op >= GETSTATIC && op <= INVOKEINTERFACE) || op == NEW || op == ANEWARRAY ||
                   op == CHECKCAST || op == INSTANCEOF || op == MULTIANEWARRAY) {
            in.u = ube16(b + 1);
            if (in.u == 0 || in.u >= m->owner->file->pool.size()) {
                throw ClassFormatError("bad constant index in " + m->fullName());
            }
            if (op == MULTIANEWARRAY) {
                in.i = b[3];
            }
        } else if (op == NEWARRAY) {
            static const char types[] = "ZCFDBSIJ";
            if (b[1] < 4 || b[1] > 11) {
                throw ClassFormatError("bad newarray type in " + m->fullName());
            }
            in.c = primitiveArrayClass(types[b[1] - 4]);
        } else if (op > JSR_W || op == 0xBA) {
            throw ClassFormatError("bad opcode " + std::to_string(op) + " in " + m->fullName());
        }
    }
    // Switch tables are laid down once the vector no longer moves.
    std::size_t nextTable = 0;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        if (m->code[k].op == TABLESWITCH || m->code[k].op == LOOKUPSWITCH) {
            m->code[k].table = m->tables[nextTable++].data();
        }
    }
    // Past the last instruction: running off the end of the code.
    m->code[starts.size()].op = 0xFF;
    m->pcOf[starts.size()] = static_cast<int32_t>(code.size());
    for (const ExceptionHandler& h : m->info->handlers) {
        if (h.startPc >= code.size() || h.endPc > code.size() || h.startPc >= h.endPc ||
            indexOf[h.startPc] < 0 || indexOf[h.handlerPc] < 0 ||
            (h.endPc < code.size() && indexOf[h.endPc] < 0)) {
            throw ClassFormatError("bad exception handler in " + m->fullName());
        }
        m->handlers.push_back(
            Handler{indexOf[h.startPc],
                    h.endPc == code.size() ? static_cast<int32_t>(starts.size()) : indexOf[h.endPc],
                    indexOf[h.handlerPc], h.catchType, nullptr});
    }
}

// ---------------------------------------------------------------- frames

bool Vm::pushFrame(Thread& t, Method* m, Slot* args, Class* initializing) {
    if (!m->prepared) {
        try {
            prepare(m);
        } catch (const ClassFormatError& e) {
            throwNew(t, "java/lang/VerifyError", e.what());
            return false;
        }
    }
    Slot* end = t.stack.data() + t.stack.size();
    if (static_cast<int>(t.frames.size()) >= options_.maxFrameDepth ||
        args + m->maxLocals + m->maxStack + 4 > end) {
        throwNew(t, "java/lang/StackOverflowError");
        return false;
    }
    Frame f;
    f.method = m;
    f.locals = args;
    f.stack = args + m->maxLocals;
    f.sp = f.stack;
    f.pc = m->code.data();
    f.initializing = initializing;
    f.lock = nullptr;
    f.advance = initializing == nullptr;
    t.frames.push_back(f);
    if (m->isSynchronized()) {
        Object* lock = m->isStatic() ? mirrorOf(m->owner) : args[0].a;
        t.frames.back().lock = lock;
        enterMonitor(t, lock);
    }
    return true;
}

bool Vm::initialize(Thread& t, Class* c) {
    if (c->state == Class::Initialized) {
        return true;
    }
    if (c->state == Class::Failed) {
        throwNew(t, "java/lang/NoClassDefFoundError", dotted(c->name));
        return false;
    }
    if (c->state == Class::Initializing) {
        if (c->initThread == &t) {
            return true;
        }
        yield(t);  // another thread initializes it: try again on the next turn
        return false;
    }
    std::vector<Class*> chain;
    for (Class* k = c; k && k->state == Class::Linked; k = k->super) {
        chain.push_back(k);
    }
    Frame& caller = t.frames.back();
    Slot* top = caller.sp;
    for (Class* k : chain) {
        Method* clinit = k->findMethod("<clinit>", "()V");
        if (!clinit) {
            k->state = Class::Initialized;
            continue;
        }
        k->state = Class::Initializing;
        k->initThread = &t;
        if (!pushFrame(t, clinit, top, k)) {
            k->state = Class::Failed;
            return false;
        }
        top = t.frames.back().stack + clinit->maxStack;
    }
    return t.frames.back().initializing == nullptr;
}

// Finds the handler of the pending exception, popping frames; the thread ends when none.
void Vm::unwind(Thread& t) {
    while (!t.frames.empty()) {
        Frame& f = t.frames.back();
        Object* ex = t.pending;
        Method* m = f.method;
        const int32_t at = static_cast<int32_t>(f.pc - m->code.data());
        for (Handler& h : m->handlers) {
            if (at < h.start || at >= h.end) {
                continue;
            }
            if (h.catchType != 0) {
                if (!h.resolved) {
                    Object* saved = t.pending;
                    t.pending = nullptr;
                    h.resolved = resolveClass(t, m->owner, h.catchType);
                    t.pending = saved;
                    if (!h.resolved) {
                        continue;
                    }
                }
                if (!isAssignable(ex->cls, h.resolved)) {
                    continue;
                }
            }
            f.sp = f.stack;
            f.sp->a = ex;
            f.sp++;
            f.pc = m->code.data() + h.target;
            t.pending = nullptr;
            return;
        }
        if (f.lock) {
            Monitor* mon = f.lock->monitor;
            if (mon && mon->owner == &t) {
                t.monitorsHeld--;
                if (--mon->count == 0) {
                    mon->owner = nullptr;
                    if (!mon->entry.empty()) {
                        auto [next, count] = mon->entry.front();
                        mon->entry.pop_front();
                        mon->owner = next;
                        mon->count = count;
                        next->monitorsHeld += count;
                        ready_.push_back(next);
                    }
                }
            }
        }
        Class* init = f.initializing;
        t.frames.pop_back();
        if (init) {
            init->state = Class::Failed;
            init->initThread = nullptr;
            Class* error = findClass("java/lang/Error", nullptr);
            if (!isAssignable(ex->cls, error)) {
                t.pending = nullptr;
                throwNew(t, "java/lang/ExceptionInInitializerError");
                if (t.pending) {
                    field(t.pending, "exception").a = ex;
                } else {
                    t.pending = ex;
                }
            }
        }
    }
    Object* ex = t.pending;
    t.pending = nullptr;
    uncaught(t, ex);
    threadEnded(t);
}

void Vm::completeNative(Thread& t) {
    Method* m = t.completing;
    t.completing = nullptr;
    Frame& f = t.frames.back();
    Slot* args = f.sp - m->argSlots;
    Slot r = t.result;
    if (t.resultIsTime) {
        r.j = now_;
        t.resultIsTime = false;
    }
    f.sp = args;
    if (m->ret != 'V') {
        *f.sp = r;
        f.sp += (m->ret == 'J' || m->ret == 'D') ? 2 : 1;
    }
    f.pc++;
}

bool Vm::run(uint64_t budget) {
    while (!exited_ && budget > 0) {
        if (!running_) {
            dispatch();
            if (!running_) {
                break;
            }
        }
        Thread& t = *running_;
        if (t.yielded) {
            t.yielded = false;
            resumeThread(t);
            if (running_ != &t || exited_) {
                continue;
            }
            if (t.completing && !t.pending) {
                completeNative(t);
            }
        }
        const uint64_t before = budget;
        execute(t, budget);
        quantumUsed_ += before - budget;
        // A thread that keeps the turn too long hands it on, unless it holds a monitor.
        if (running_ == &t && !exited_ && !t.yielded && quantumUsed_ >= options_.quantum &&
            !ready_.empty() && t.monitorsHeld == 0) {
            yield(t);
        }
    }
    return !exited_;
}

// ---------------------------------------------------------------- the loop

void Vm::execute(Thread& t, uint64_t& budget) {
    Frame* f;
    const Insn* pc;
    Slot* sp;
    Slot* locals;
    Method* method;
    uint64_t ticks = budget;

#define LOAD()                \
    do {                      \
        f = &t.frames.back(); \
        pc = f->pc;           \
        sp = f->sp;           \
        locals = f->locals;   \
        method = f->method;   \
    } while (0)
#define SAVE()      \
    do {            \
        f->pc = pc; \
        f->sp = sp; \
    } while (0)
#define THROW(cls, msg)        \
    do {                       \
        SAVE();                \
        throwNew(t, cls, msg); \
        goto exception;        \
    } while (0)
#define NULL_CHECK(o)                                    \
    do {                                                 \
        if (!(o))                                        \
            THROW("java/lang/NullPointerException", {}); \
    } while (0)
#define NEXT() \
    ++pc;      \
    continue
#define BRANCH(cond)                                  \
    if (cond) {                                       \
        const Insn* to = method->code.data() + pc->i; \
        if (to <= pc && --ticks == 0) {               \
            pc = to;                                  \
            SAVE();                                   \
            goto out;                                 \
        }                                             \
        pc = to;                                      \
        continue;                                     \
    }                                                 \
    ++pc;                                             \
    continue;
#define ARRAY_CHECK(arr, idx)                                                                     \
    do {                                                                                          \
        NULL_CHECK(arr);                                                                          \
        if (static_cast<uint32_t>(idx) >= static_cast<uint32_t>(lengthOf(arr))) {                 \
            THROW("java/lang/ArrayIndexOutOfBoundsException", "Index " + std::to_string(idx) +    \
                                                                  " out of bounds for length " +  \
                                                                  std::to_string(lengthOf(arr))); \
        }                                                                                         \
    } while (0)

    if (t.frames.empty()) {
        return;
    }
    LOAD();
    if (t.pending) {
        goto exception;
    }
    while (true) {
#ifdef AVIZAD_VM_TRACE
        std::fprintf(stderr, "%*s%s.%s @%d op=%x depth=%d\n", static_cast<int>(t.frames.size()), "",
                     method->owner->name.c_str(), method->name.c_str(),
                     method->pcOf[static_cast<std::size_t>(pc - method->code.data())], pc->op,
                     static_cast<int>(sp - f->stack));
#endif
        switch (pc->op) {
            case NOP:
                NEXT();
            case ACONST_NULL:
                sp->a = nullptr;
                ++sp;
                NEXT();
            case Q_ICONST:
                sp->j = 0;
                sp->i = pc->i;
                ++sp;
                NEXT();
            case Q_LCONST:
                std::memcpy(&sp->j, pc->p, 8);
                sp += 2;
                NEXT();
            case Q_LDC_REF:
                sp->a = pc->o;
                ++sp;
                NEXT();
            case LDC:
            case LDC_W: {
                SAVE();
                const Constant& c = method->owner->file->pool[pc->u];
                Object* value = nullptr;
                if (c.tag == CONSTANT_String) {
                    value = static_cast<Object*>(method->owner->resolved[pc->u]);
                    if (!value) {
                        value = literal(method->owner->file->utf8(c.a));
                        if (!value) {
                            THROW("java/lang/OutOfMemoryError", {});
                        }
                        method->owner->resolved[pc->u] = value;
                    }
                } else {
                    Class* k = resolveClass(t, method->owner, pc->u);
                    if (!k) {
                        goto exception;
                    }
                    value = mirrorOf(k);
                }
                Insn& q = const_cast<Insn&>(*pc);
                q.o = value;
                q.op = Q_LDC_REF;
                continue;
            }
            case L_ILOAD:
                *sp = locals[pc->u];
                ++sp;
                NEXT();
            case L_ALOAD:
                *sp = locals[pc->u];
                ++sp;
                NEXT();
            case L_LLOAD:
                *sp = locals[pc->u];
                sp += 2;
                NEXT();
            case L_ISTORE:
                locals[pc->u] = *--sp;
                NEXT();
            case L_ASTORE:
                locals[pc->u] = *--sp;
                NEXT();
            case L_LSTORE:
                sp -= 2;
                locals[pc->u] = *sp;
                NEXT();
            case L_IINC:
                locals[pc->u].i = static_cast<int32_t>(static_cast<uint32_t>(locals[pc->u].i) +
                                                       static_cast<uint32_t>(pc->i));
                NEXT();

#define ARRAY_LOAD(T, set, width)          \
    {                                      \
        const int32_t idx = sp[-1].i;      \
        Object* arr = sp[-2].a;            \
        ARRAY_CHECK(arr, idx);             \
        sp -= 2;                           \
        sp->j = 0;                         \
        sp->set = elementsOf<T>(arr)[idx]; \
        sp += width;                       \
        NEXT();                            \
    }
            case IALOAD:
                ARRAY_LOAD(int32_t, i, 1)
            case FALOAD:
                ARRAY_LOAD(float, f, 1)
            case AALOAD:
                ARRAY_LOAD(Object*, a, 1)
            case BALOAD:
                ARRAY_LOAD(int8_t, i, 1)
            case CALOAD:
                ARRAY_LOAD(uint16_t, i, 1)
            case SALOAD:
                ARRAY_LOAD(int16_t, i, 1)
            case LALOAD:
                ARRAY_LOAD(int64_t, j, 2)
            case DALOAD:
                ARRAY_LOAD(double, d, 2)
#undef ARRAY_LOAD

#define ARRAY_STORE(T, get, width)                                \
    {                                                             \
        const int32_t idx = sp[-1 - width].i;                     \
        Object* arr = sp[-2 - width].a;                           \
        ARRAY_CHECK(arr, idx);                                    \
        elementsOf<T>(arr)[idx] = static_cast<T>(sp[-width].get); \
        sp -= 2 + width;                                          \
        NEXT();                                                   \
    }
            case IASTORE:
                ARRAY_STORE(int32_t, i, 1)
            case FASTORE:
                ARRAY_STORE(float, f, 1)
            case BASTORE:
                ARRAY_STORE(int8_t, i, 1)
            case CASTORE:
                ARRAY_STORE(uint16_t, i, 1)
            case SASTORE:
                ARRAY_STORE(int16_t, i, 1)
            case LASTORE:
                ARRAY_STORE(int64_t, j, 2)
            case DASTORE:
                ARRAY_STORE(double, d, 2)
#undef ARRAY_STORE
            case AASTORE: {
                Object* value = sp[-1].a;
                const int32_t idx = sp[-2].i;
                Object* arr = sp[-3].a;
                ARRAY_CHECK(arr, idx);
                if (value && !isAssignable(value->cls, arr->cls->component)) {
                    THROW("java/lang/ArrayStoreException", dotted(value->cls->name));
                }
                elementsOf<Object*>(arr)[idx] = value;
                sp -= 3;
                NEXT();
            }
            case POP:
                --sp;
                NEXT();
            case POP2:
                sp -= 2;
                NEXT();
            case DUP:
                sp[0] = sp[-1];
                ++sp;
                NEXT();
            case DUP_X1:
                sp[0] = sp[-1];
                sp[-1] = sp[-2];
                sp[-2] = sp[0];
                ++sp;
                NEXT();
            case DUP_X2:
                sp[0] = sp[-1];
                sp[-1] = sp[-2];
                sp[-2] = sp[-3];
                sp[-3] = sp[0];
                ++sp;
                NEXT();
            case DUP2:
                sp[0] = sp[-2];
                sp[1] = sp[-1];
                sp += 2;
                NEXT();
            case DUP2_X1:
                sp[1] = sp[-1];
                sp[0] = sp[-2];
                sp[-1] = sp[-3];
                sp[-2] = sp[1];
                sp[-3] = sp[0];
                sp += 2;
                NEXT();
            case DUP2_X2:
                sp[1] = sp[-1];
                sp[0] = sp[-2];
                sp[-1] = sp[-3];
                sp[-2] = sp[-4];
                sp[-3] = sp[1];
                sp[-4] = sp[0];
                sp += 2;
                NEXT();
            case SWAP: {
                const Slot s = sp[-1];
                sp[-1] = sp[-2];
                sp[-2] = s;
                NEXT();
            }

#define IBIN(expr)                                          \
    {                                                       \
        const uint32_t b = static_cast<uint32_t>(sp[-1].i); \
        const uint32_t a = static_cast<uint32_t>(sp[-2].i); \
        (void)a;                                            \
        (void)b;                                            \
        --sp;                                               \
        sp[-1].i = static_cast<int32_t>(expr);              \
        NEXT();                                             \
    }
#define LBIN(expr)                                          \
    {                                                       \
        const uint64_t b = static_cast<uint64_t>(sp[-2].j); \
        const uint64_t a = static_cast<uint64_t>(sp[-4].j); \
        sp -= 2;                                            \
        sp[-2].j = static_cast<int64_t>(expr);              \
        NEXT();                                             \
    }
            case IADD:
                IBIN(a + b)
            case ISUB:
                IBIN(a - b)
            case IMUL:
                IBIN(a * b)
            case IAND:
                IBIN(a & b)
            case IOR:
                IBIN(a | b)
            case IXOR:
                IBIN(a ^ b)
            case ISHL:
                IBIN(a << (b & 31))
            case ISHR:
                IBIN(static_cast<int32_t>(a) >> (b & 31))
            case IUSHR:
                IBIN(a >> (b & 31))
            case LADD:
                LBIN(a + b)
            case LSUB:
                LBIN(a - b)
            case LMUL:
                LBIN(a * b)
            case LAND:
                LBIN(a & b)
            case LOR:
                LBIN(a | b)
            case LXOR:
                LBIN(a ^ b)
#undef IBIN
#undef LBIN
            case LSHL: {
                const int32_t s = sp[-1].i & 63;
                --sp;
                sp[-2].j = static_cast<int64_t>(static_cast<uint64_t>(sp[-2].j) << s);
                NEXT();
            }
            case LSHR: {
                const int32_t s = sp[-1].i & 63;
                --sp;
                sp[-2].j = sp[-2].j >> s;
                NEXT();
            }
            case LUSHR: {
                const int32_t s = sp[-1].i & 63;
                --sp;
                sp[-2].j = static_cast<int64_t>(static_cast<uint64_t>(sp[-2].j) >> s);
                NEXT();
            }
            case IDIV:
            case IREM: {
                const int32_t b = sp[-1].i;
                const int32_t a = sp[-2].i;
                if (b == 0) {
                    THROW("java/lang/ArithmeticException", "/ by zero");
                }
                --sp;
                if (b == -1) {
                    sp[-1].i =
                        pc->op == IDIV ? static_cast<int32_t>(0u - static_cast<uint32_t>(a)) : 0;
                } else {
                    sp[-1].i = pc->op == IDIV ? a / b : a % b;
                }
                NEXT();
            }
            case LDIV:
            case LREM: {
                const int64_t b = sp[-2].j;
                const int64_t a = sp[-4].j;
                if (b == 0) {
                    THROW("java/lang/ArithmeticException", "/ by zero");
                }
                sp -= 2;
                if (b == -1) {
                    sp[-2].j =
                        pc->op == LDIV ? static_cast<int64_t>(0u - static_cast<uint64_t>(a)) : 0;
                } else {
                    sp[-2].j = pc->op == LDIV ? a / b : a % b;
                }
                NEXT();
            }
            case INEG:
                sp[-1].i = static_cast<int32_t>(0u - static_cast<uint32_t>(sp[-1].i));
                NEXT();
            case LNEG:
                sp[-2].j = static_cast<int64_t>(0u - static_cast<uint64_t>(sp[-2].j));
                NEXT();
            case FADD:
                --sp;
                sp[-1].f = sp[-1].f + sp[0].f;
                NEXT();
            case FSUB:
                --sp;
                sp[-1].f = sp[-1].f - sp[0].f;
                NEXT();
            case FMUL:
                --sp;
                sp[-1].f = sp[-1].f * sp[0].f;
                NEXT();
            case FDIV:
                --sp;
                sp[-1].f = sp[-1].f / sp[0].f;
                NEXT();
            case FREM:
                --sp;
                sp[-1].f = std::fmod(sp[-1].f, sp[0].f);
                NEXT();
            case FNEG:
                sp[-1].f = -sp[-1].f;
                NEXT();
            case DADD:
                sp -= 2;
                sp[-2].d = sp[-2].d + sp[0].d;
                NEXT();
            case DSUB:
                sp -= 2;
                sp[-2].d = sp[-2].d - sp[0].d;
                NEXT();
            case DMUL:
                sp -= 2;
                sp[-2].d = sp[-2].d * sp[0].d;
                NEXT();
            case DDIV:
                sp -= 2;
                sp[-2].d = sp[-2].d / sp[0].d;
                NEXT();
            case DREM:
                sp -= 2;
                sp[-2].d = std::fmod(sp[-2].d, sp[0].d);
                NEXT();
            case DNEG:
                sp[-2].d = -sp[-2].d;
                NEXT();
            case I2L:
                sp[-1].j = sp[-1].i;
                ++sp;
                NEXT();
            case I2F:
                sp[-1].f = static_cast<float>(sp[-1].i);
                NEXT();
            case I2D:
                sp[-1].d = static_cast<double>(sp[-1].i);
                ++sp;
                NEXT();
            case L2I:
                --sp;
                sp[-1].i = static_cast<int32_t>(sp[-1].j);
                NEXT();
            case L2F:
                --sp;
                sp[-1].f = static_cast<float>(sp[-1].j);
                NEXT();
            case L2D:
                sp[-2].d = static_cast<double>(sp[-2].j);
                NEXT();
            case F2I:
                sp[-1].i = f2i(sp[-1].f);
                NEXT();
            case F2L:
                sp[-1].j = f2l(sp[-1].f);
                ++sp;
                NEXT();
            case F2D:
                sp[-1].d = static_cast<double>(sp[-1].f);
                ++sp;
                NEXT();
            case D2I:
                --sp;
                sp[-1].i = d2i(sp[-1].d);
                NEXT();
            case D2L:
                sp[-2].j = f2l(sp[-2].d);
                NEXT();
            case D2F:
                --sp;
                sp[-1].f = static_cast<float>(sp[-1].d);
                NEXT();
            case I2B:
                sp[-1].i = static_cast<int8_t>(sp[-1].i);
                NEXT();
            case I2C:
                sp[-1].i = static_cast<uint16_t>(sp[-1].i);
                NEXT();
            case I2S:
                sp[-1].i = static_cast<int16_t>(sp[-1].i);
                NEXT();
            case LCMP: {
                const int64_t b = sp[-2].j;
                const int64_t a = sp[-4].j;
                sp -= 3;
                sp[-1].i = a < b ? -1 : a > b ? 1 : 0;
                NEXT();
            }
            case FCMPL:
                --sp;
                sp[-1].i = fcmp(sp[-1].f, sp[0].f, -1);
                NEXT();
            case FCMPG:
                --sp;
                sp[-1].i = fcmp(sp[-1].f, sp[0].f, 1);
                NEXT();
            case DCMPL:
                sp -= 3;
                sp[-1].i = fcmp(sp[-1].d, sp[1].d, -1);
                NEXT();
            case DCMPG:
                sp -= 3;
                sp[-1].i = fcmp(sp[-1].d, sp[1].d, 1);
                NEXT();
            case IFEQ:
                --sp;
                BRANCH(sp->i == 0)
            case IFNE:
                --sp;
                BRANCH(sp->i != 0)
            case IFLT:
                --sp;
                BRANCH(sp->i < 0)
            case IFGE:
                --sp;
                BRANCH(sp->i >= 0)
            case IFGT:
                --sp;
                BRANCH(sp->i > 0)
            case IFLE:
                --sp;
                BRANCH(sp->i <= 0)
            case IF_ICMPEQ:
                sp -= 2;
                BRANCH(sp[0].i == sp[1].i)
            case IF_ICMPNE:
                sp -= 2;
                BRANCH(sp[0].i != sp[1].i)
            case IF_ICMPLT:
                sp -= 2;
                BRANCH(sp[0].i < sp[1].i)
            case IF_ICMPGE:
                sp -= 2;
                BRANCH(sp[0].i >= sp[1].i)
            case IF_ICMPGT:
                sp -= 2;
                BRANCH(sp[0].i > sp[1].i)
            case IF_ICMPLE:
                sp -= 2;
                BRANCH(sp[0].i <= sp[1].i)
            case IF_ACMPEQ:
                sp -= 2;
                BRANCH(sp[0].a == sp[1].a)
            case IF_ACMPNE:
                sp -= 2;
                BRANCH(sp[0].a != sp[1].a)
            case IFNULL:
                --sp;
                BRANCH(sp->a == nullptr)
            case IFNONNULL:
                --sp;
                BRANCH(sp->a != nullptr)
            case GOTO:
                BRANCH(true)
            case JSR:
                // The return address is the index of the next instruction.
                sp->j = 0;
                sp->i = static_cast<int32_t>(pc - method->code.data()) + 1;
                ++sp;
                pc = method->code.data() + pc->i;
                continue;
            case RET:
                pc = method->code.data() + locals[pc->u].i;
                continue;
            case TABLESWITCH: {
                const int32_t key = (--sp)->i;
                const int32_t* tb = pc->table;
                const int32_t lo = tb[1];
                const int32_t hi = tb[2];
                const int32_t to = key >= lo && key <= hi ? tb[3 + (key - lo)] : tb[0];
                if (method->code.data() + to <= pc && --ticks == 0) {
                    pc = method->code.data() + to;
                    SAVE();
                    goto out;
                }
                pc = method->code.data() + to;
                continue;
            }
            case LOOKUPSWITCH: {
                const int32_t key = (--sp)->i;
                const int32_t* tb = pc->table;
                int32_t to = tb[0];
                int32_t lo = 0;
                int32_t hi = tb[1] - 1;
                while (lo <= hi) {
                    const int32_t mid = (lo + hi) / 2;
                    const int32_t k = tb[2 + mid * 2];
                    if (k == key) {
                        to = tb[3 + mid * 2];
                        break;
                    }
                    if (k < key) {
                        lo = mid + 1;
                    } else {
                        hi = mid - 1;
                    }
                }
                if (method->code.data() + to <= pc && --ticks == 0) {
                    pc = method->code.data() + to;
                    SAVE();
                    goto out;
                }
                pc = method->code.data() + to;
                continue;
            }
            case IRETURN:
            case FRETURN:
            case ARETURN:
            case LRETURN:
            case DRETURN:
            case RETURN: {
                const int width = pc->op == RETURN                           ? 0
                                  : (pc->op == LRETURN || pc->op == DRETURN) ? 2
                                                                             : 1;
                Slot r[2];
                if (width) {
                    r[0] = sp[-width];
                }
                if (f->lock) {
                    SAVE();
                    if (!exitMonitor(t, f->lock)) {
                        goto exception;
                    }
                }
                Class* init = f->initializing;
                const bool advance = f->advance;
                Slot* ret = f->locals;
                t.frames.pop_back();
                if (init) {
                    init->state = Class::Initialized;
                    init->initThread = nullptr;
                }
                if (t.frames.empty()) {
                    threadEnded(t);
                    budget = ticks;
                    return;
                }
                LOAD();
                if (advance) {
                    sp = ret;
                    if (width) {
                        *sp = r[0];
                        sp += width;
                    }
                    ++pc;
                }
                continue;
            }
            case GETSTATIC:
            case PUTSTATIC: {
                SAVE();
                Field* fl = resolveField(t, method->owner, pc->u, true);
                if (!fl) {
                    goto exception;
                }
                if (!initialize(t, fl->owner)) {
                    if (t.pending) {
                        goto exception;
                    }
                    if (running_ != &t) {
                        goto out;
                    }
                    LOAD();
                    continue;
                }
                Slot* s = &fl->owner->statics[fl->slot];
                const bool wide = fl->descriptor[0] == 'J' || fl->descriptor[0] == 'D';
                if (fl->owner->state == Class::Initialized) {
                    Insn& q = const_cast<Insn&>(*pc);
                    q.s = s;
                    q.op = pc->op == GETSTATIC ? (wide ? Q_GETSTATIC2 : Q_GETSTATIC1)
                                               : (wide ? Q_PUTSTATIC2 : Q_PUTSTATIC1);
                    continue;
                }
                if (pc->op == GETSTATIC) {
                    *sp = *s;
                    sp += wide ? 2 : 1;
                } else {
                    sp -= wide ? 2 : 1;
                    *s = *sp;
                }
                NEXT();
            }
            case Q_GETSTATIC1:
                *sp = *pc->s;
                ++sp;
                NEXT();
            case Q_GETSTATIC2:
                *sp = *pc->s;
                sp += 2;
                NEXT();
            case Q_PUTSTATIC1:
                *pc->s = *--sp;
                NEXT();
            case Q_PUTSTATIC2:
                sp -= 2;
                *pc->s = *sp;
                NEXT();
            case GETFIELD:
            case PUTFIELD: {
                SAVE();
                Field* fl = resolveField(t, method->owner, pc->u, false);
                if (!fl) {
                    goto exception;
                }
                const bool wide = fl->descriptor[0] == 'J' || fl->descriptor[0] == 'D';
                Insn& q = const_cast<Insn&>(*pc);
                q.i = fl->slot;
                q.op = pc->op == GETFIELD ? (wide ? Q_GETFIELD2 : Q_GETFIELD1)
                                          : (wide ? Q_PUTFIELD2 : Q_PUTFIELD1);
                continue;
            }
            case Q_GETFIELD1: {
                Object* o = sp[-1].a;
                NULL_CHECK(o);
                sp[-1] = fieldsOf(o)[pc->i];
                NEXT();
            }
            case Q_GETFIELD2: {
                Object* o = sp[-1].a;
                NULL_CHECK(o);
                sp[-1] = fieldsOf(o)[pc->i];
                ++sp;
                NEXT();
            }
            case Q_PUTFIELD1: {
                Object* o = sp[-2].a;
                NULL_CHECK(o);
                fieldsOf(o)[pc->i] = sp[-1];
                sp -= 2;
                NEXT();
            }
            case Q_PUTFIELD2: {
                Object* o = sp[-3].a;
                NULL_CHECK(o);
                fieldsOf(o)[pc->i] = sp[-2];
                sp -= 3;
                NEXT();
            }
            case INVOKEVIRTUAL:
            case INVOKESPECIAL:
            case INVOKESTATIC:
            case INVOKEINTERFACE: {
                SAVE();
                const uint16_t op = pc->op;
                const bool itf =
                    method->owner->file->pool[pc->u].tag == CONSTANT_InterfaceMethodref;
                // Static and private methods of interfaces (class files of Java 8 on) are called
                // through interface method references too.
                const bool java8 = method->owner->file->major >= 52;
                if (itf != (op == INVOKEINTERFACE) && !(itf && java8 && op != INVOKEVIRTUAL)) {
                    THROW("java/lang/IncompatibleClassChangeError",
                          dotted(std::string(method->owner->file->memberRef(pc->u).owner)));
                }
                Method* m = resolveMethod(t, method->owner, pc->u, itf);
                if (!m) {
                    goto exception;
                }
                if (m->isStatic() != (op == INVOKESTATIC)) {
                    THROW("java/lang/IncompatibleClassChangeError", m->fullName());
                }
                Insn& q = const_cast<Insn&>(*pc);
                if (op == INVOKESTATIC) {
                    if (!initialize(t, m->owner)) {
                        if (t.pending) {
                            goto exception;
                        }
                        if (running_ != &t) {
                            goto out;
                        }
                        LOAD();
                        continue;
                    }
                    q.m = m;
                    q.op = m->owner->state == Class::Initialized ? Q_INVOKESTATIC : Q_INVOKEDIRECT;
                } else if (op == INVOKESPECIAL) {
                    // A call of a super method from a subclass takes the closest override.
                    Method* target = m;
                    if (m->name[0] != '<' && !(m->access & ACC_PRIVATE) &&
                        (method->owner->access & ACC_SUPER) && m->owner != method->owner &&
                        isAssignable(method->owner, m->owner)) {
                        target = method->owner->super->lookupMethod(m->name, m->descriptor);
                    }
                    if (target->access & ACC_ABSTRACT) {
                        THROW("java/lang/AbstractMethodError", target->fullName());
                    }
                    q.m = target;
                    q.op = Q_INVOKEDIRECT;
                } else if (op == INVOKEINTERFACE) {
                    interfaceCaches_.push_back(std::make_unique<InterfaceCache>());
                    q.m = m;
                    q.i = static_cast<int32_t>(interfaceCaches_.size() - 1);
                    q.op = Q_INVOKEINTERFACE;
                } else {
                    if ((m->access & (ACC_PRIVATE | ACC_FINAL)) || (m->owner->access & ACC_FINAL) ||
                        m->vtableIndex < 0) {
                        q.m = m;
                        q.op = Q_INVOKEDIRECT;
                    } else {
                        q.m = m;
                        q.op = Q_INVOKEVIRTUAL;
                    }
                }
                continue;
            }
            case Q_INVOKESTATIC:
            case Q_INVOKEDIRECT:
            case Q_INVOKEVIRTUAL:
            case Q_INVOKEINTERFACE: {
                Method* m = pc->m;
                Slot* args = sp - m->argSlots;
                if (pc->op != Q_INVOKESTATIC) {
                    Object* self = args[0].a;
                    if (!m->isStatic()) {
                        NULL_CHECK(self);
                    }
                    if (pc->op == Q_INVOKEVIRTUAL) {
                        m = self->cls->vtable[static_cast<std::size_t>(m->vtableIndex)];
                    } else if (pc->op == Q_INVOKEINTERFACE) {
                        InterfaceCache* cache =
                            interfaceCaches_[static_cast<std::size_t>(pc->i)].get();
                        if (cache->cls != self->cls) {
                            Method* found = self->cls->lookupMethod(m->name, m->descriptor);
                            if (!found || !isAssignable(self->cls, m->owner)) {
                                THROW("java/lang/IncompatibleClassChangeError",
                                      dotted(self->cls->name) + " does not implement " +
                                          dotted(m->owner->name));
                            }
                            cache->cls = self->cls;
                            cache->target = found;
                        }
                        m = cache->target;
                    } else if (m->isStatic() && m->owner->state != Class::Initialized) {
                        SAVE();
                        if (!initialize(t, m->owner)) {
                            if (t.pending) {
                                goto exception;
                            }
                            if (running_ != &t) {
                                goto out;
                            }
                            LOAD();
                            continue;
                        }
                    }
                    if (m->access & ACC_ABSTRACT) {
                        THROW("java/lang/AbstractMethodError", m->fullName());
                    }
                }
                if (--ticks == 0) {
                    SAVE();
                    goto out;
                }
                if (m->access & ACC_NATIVE) {
                    SAVE();
                    if (!m->native) {
                        THROW("java/lang/NoSuchMethodError", m->fullName());
                    }
                    Slot result;
                    result.j = 0;
                    m->native(*this, t, args, &result);
                    if (exited_) {
                        goto out;
                    }
                    if (t.pending) {
                        if (running_ != &t) {
                            goto out;
                        }
                        LOAD();
                        goto exception;
                    }
                    if (t.reexecute) {
                        t.reexecute = false;
                        if (running_ != &t) {
                            goto out;
                        }
                        LOAD();
                        continue;
                    }
                    if (t.yielded || running_ != &t) {
                        t.completing = m;
                        t.result = result;
                        goto out;
                    }
                    sp = args;
                    if (m->ret != 'V') {
                        *sp = result;
                        sp += (m->ret == 'J' || m->ret == 'D') ? 2 : 1;
                    }
                    if (t.callAfter) {
                        Method* after = t.callAfter;
                        sp->a = t.callAfterArg;
                        ++sp;
                        t.callAfter = nullptr;
                        t.callAfterArg = nullptr;
                        SAVE();
                        if (!pushFrame(t, after, sp - 1)) {
                            goto exception;
                        }
                        // The constructor returns to the instruction after the call.
                        LOAD();
                        continue;
                    }
                    NEXT();
                }
                f->pc = pc;
                f->sp = args;
                if (!pushFrame(t, m, args)) {
                    f->sp = sp;
                    goto exception;
                }
                if (running_ != &t) {
                    goto out;  // blocked on the monitor of a synchronized method
                }
                LOAD();
                continue;
            }
            case NEW: {
                SAVE();
                Class* c = resolveClass(t, method->owner, pc->u);
                if (!c) {
                    goto exception;
                }
                if (c->isInterface() || (c->access & ACC_ABSTRACT) || c->isArray) {
                    THROW("java/lang/InstantiationError", dotted(c->name));
                }
                if (!initialize(t, c)) {
                    if (t.pending) {
                        goto exception;
                    }
                    if (running_ != &t) {
                        goto out;
                    }
                    LOAD();
                    continue;
                }
                if (c->state != Class::Initialized) {
                    Object* o = allocInstance(c);
                    if (!o) {
                        THROW("java/lang/OutOfMemoryError", {});
                    }
                    sp->a = o;
                    ++sp;
                    NEXT();
                }
                Insn& q = const_cast<Insn&>(*pc);
                q.c = c;
                q.op = Q_NEW;
                continue;
            }
            case Q_NEW: {
                SAVE();
                Object* o = allocInstance(pc->c);
                if (!o) {
                    THROW("java/lang/OutOfMemoryError", {});
                }
                sp->a = o;
                ++sp;
                NEXT();
            }
            case NEWARRAY: {
                const int32_t n = sp[-1].i;
                if (n < 0) {
                    THROW("java/lang/NegativeArraySizeException", std::to_string(n));
                }
                SAVE();
                Object* a = allocArray(pc->c, n);
                if (!a) {
                    THROW("java/lang/OutOfMemoryError", {});
                }
                sp[-1].a = a;
                NEXT();
            }
            case ANEWARRAY: {
                SAVE();
                Class* c = resolveClass(t, method->owner, pc->u);
                if (!c) {
                    goto exception;
                }
                Insn& q = const_cast<Insn&>(*pc);
                q.c = arrayClassOf(c);
                q.op = Q_ANEWARRAY;
                continue;
            }
            case Q_ANEWARRAY: {
                const int32_t n = sp[-1].i;
                if (n < 0) {
                    THROW("java/lang/NegativeArraySizeException", std::to_string(n));
                }
                SAVE();
                Object* a = allocArray(pc->c, n);
                if (!a) {
                    THROW("java/lang/OutOfMemoryError", {});
                }
                sp[-1].a = a;
                NEXT();
            }
            case MULTIANEWARRAY: {
                SAVE();
                Class* c = resolveClass(t, method->owner, pc->u);
                if (!c) {
                    goto exception;
                }
                Insn& q = const_cast<Insn&>(*pc);
                q.c = c;
                q.op = Q_MULTIANEWARRAY;
                continue;
            }
            case Q_MULTIANEWARRAY: {
                const int dims = pc->i;
                Slot* counts = sp - dims;
                for (int d = 0; d < dims; ++d) {
                    if (counts[d].i < 0) {
                        THROW("java/lang/NegativeArraySizeException", std::to_string(counts[d].i));
                    }
                }
                SAVE();
                // Built level by level; the arrays made so far are kept by the root list.
                TempRoot roots(*this);
                auto build = [&](auto& self, Class* cls, int level) -> Object* {
                    Object* a = allocArray(cls, counts[level].i);
                    if (!a) {
                        return nullptr;
                    }
                    roots.keep(a);
                    if (level + 1 < dims) {
                        for (int32_t k = 0; k < counts[level].i; ++k) {
                            Object* sub = self(self, cls->component, level + 1);
                            if (!sub) {
                                return nullptr;
                            }
                            elementsOf<Object*>(a)[k] = sub;
                        }
                    }
                    return a;
                };
                Object* a = build(build, pc->c, 0);
                if (!a) {
                    THROW("java/lang/OutOfMemoryError", {});
                }
                sp = counts;
                sp->a = a;
                ++sp;
                NEXT();
            }
            case ARRAYLENGTH: {
                Object* a = sp[-1].a;
                NULL_CHECK(a);
                sp[-1].j = 0;
                sp[-1].i = lengthOf(a);
                NEXT();
            }
            case ATHROW: {
                Object* e = sp[-1].a;
                NULL_CHECK(e);
                SAVE();
                t.pending = e;
                goto exception;
            }
            case CHECKCAST:
            case INSTANCEOF: {
                SAVE();
                Class* c = resolveClass(t, method->owner, pc->u);
                if (!c) {
                    goto exception;
                }
                Insn& q = const_cast<Insn&>(*pc);
                q.c = c;
                q.op = pc->op == CHECKCAST ? Q_CHECKCAST : Q_INSTANCEOF;
                continue;
            }
            case Q_CHECKCAST: {
                Object* o = sp[-1].a;
                if (o && o->cls != pc->c && !isAssignable(o->cls, pc->c)) {
                    THROW("java/lang/ClassCastException", "class " + dotted(o->cls->name) +
                                                              " cannot be cast to class " +
                                                              dotted(pc->c->name));
                }
                NEXT();
            }
            case Q_INSTANCEOF: {
                Object* o = sp[-1].a;
                sp[-1].j = 0;
                sp[-1].i = o && (o->cls == pc->c || isAssignable(o->cls, pc->c)) ? 1 : 0;
                NEXT();
            }
            case MONITORENTER: {
                Object* o = sp[-1].a;
                NULL_CHECK(o);
                --sp;
                ++pc;
                SAVE();
                if (!enterMonitor(t, o)) {
                    goto out;
                }
                continue;
            }
            case MONITOREXIT: {
                Object* o = sp[-1].a;
                NULL_CHECK(o);
                SAVE();
                if (!exitMonitor(t, o)) {
                    goto exception;
                }
                --sp;
                NEXT();
            }
            default:
                SAVE();
                throwNew(t, "java/lang/VerifyError",
                         "bad instruction at " +
                             std::to_string(method->pcOf[pc - method->code.data()]) + " in " +
                             method->fullName());
                goto exception;
        }

    exception:
        if (exited_) {
            goto out;
        }
        unwind(t);
        if (t.frames.empty() || running_ != &t || exited_) {
            budget = ticks;
            return;
        }
        // A handler that throws again loops without a branch: it counts as one.
        if (--ticks == 0) {
            budget = 0;
            return;
        }
        LOAD();
        continue;
    }
out:
    budget = ticks;
#undef LOAD
#undef SAVE
#undef THROW
#undef NULL_CHECK
#undef NEXT
#undef BRANCH
#undef ARRAY_CHECK
}

}  // namespace avizad::vm
