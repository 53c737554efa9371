// The natives of java.lang and of the machine's scheduler and console.

#include <cmath>
#include <cstring>

#include "vm/Vm.h"

namespace avizad::vm {

namespace {

using Table = std::map<std::string, Native, std::less<>>;

bool nullCheck(Vm& vm, Thread& t, Object* o) {
    if (!o) {
        vm.throwNew(t, "java/lang/NullPointerException");
        return false;
    }
    return true;
}

Thread* vmThreadOf(Vm& vm, Object* javaThread) {
    return vm.threadOf(javaThread);
}

// ---------------------------------------------------------------- Object

void objectGetClass(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->a = vm.mirrorOf(args[0].a->cls);
}

void objectHashCode(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->i = vm.identityHash(args[0].a);
}

void objectClone(Vm& vm, Thread& t, Slot* args, Slot* result) {
    Object* o = args[0].a;
    if (!o->cls->isArray) {
        vm.throwNew(t, "java/lang/CloneNotSupportedException", o->cls->javaName());
        return;
    }
    Object* copy = vm.allocArray(o->cls, lengthOf(o));
    if (!copy) {
        vm.throwNew(t, "java/lang/OutOfMemoryError");
        return;
    }
    std::memcpy(elementsOf<uint8_t>(copy), elementsOf<uint8_t>(o),
                static_cast<std::size_t>(lengthOf(o)) * o->cls->elementSize);
    result->a = copy;
}

void objectNotify(Vm& vm, Thread& t, Slot* args, Slot*) {
    vm.notifyOn(t, args[0].a, false);
}
void objectNotifyAll(Vm& vm, Thread& t, Slot* args, Slot*) {
    vm.notifyOn(t, args[0].a, true);
}

void objectWait(Vm& vm, Thread& t, Slot* args, Slot*) {
    const int64_t millis = args[1].j;
    if (millis < 0) {
        vm.throwNew(t, "java/lang/IllegalArgumentException", "timeout value is negative");
        return;
    }
    vm.waitOn(t, args[0].a, millis);
}

// ---------------------------------------------------------------- Class

void classForName(Vm& vm, Thread& t, Slot* args, Slot* result) {
    Object* name = args[0].a;
    if (!nullCheck(vm, t, name)) {
        return;
    }
    bool missing = false;
    const std::u16string n = vm.stringValue(name);
    Class* c = vm.classForName(n, missing);
    if (!c) {
        if (!t.pending) {
            vm.throwNew(t, "java/lang/ClassNotFoundException", utf16ToUtf8(n));
        }
        return;
    }
    if (c->state != Class::Initialized && !vm.initializeFromNative(t, c)) {
        return;
    }
    result->a = vm.mirrorOf(c);
}

void classNewInstance(Vm& vm, Thread& t, Slot* args, Slot* result) {
    Class* c = vm.classOfMirror(args[0].a);
    if (c->isArray || c->isInterface() || (c->access & ACC_ABSTRACT)) {
        vm.throwNew(t, "java/lang/InstantiationException", c->javaName());
        return;
    }
    Method* init = c->findMethod("<init>", "()V");
    if (!init || (c->fromJar && !(init->access & ACC_PUBLIC)) ||
        (c->fromJar && !(c->access & ACC_PUBLIC))) {
        vm.throwNew(t,
                    init ? "java/lang/IllegalAccessException" : "java/lang/InstantiationException",
                    c->javaName());
        return;
    }
    if (c->state != Class::Initialized && !vm.initializeFromNative(t, c)) {
        return;
    }
    Object* o = vm.allocInstance(c);
    if (!o) {
        vm.throwNew(t, "java/lang/OutOfMemoryError");
        return;
    }
    result->a = o;
    t.callAfter = init;
    t.callAfterArg = o;
}

void classIsInstance(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->i = vm.instanceOf(args[1].a, vm.classOfMirror(args[0].a)) ? 1 : 0;
}

void classIsAssignableFrom(Vm& vm, Thread& t, Slot* args, Slot* result) {
    if (!nullCheck(vm, t, args[1].a)) {
        return;
    }
    result->i = vm.isAssignable(vm.classOfMirror(args[1].a), vm.classOfMirror(args[0].a)) ? 1 : 0;
}

void classIsInterface(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->i = vm.classOfMirror(args[0].a)->isInterface() ? 1 : 0;
}

void classIsArray(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->i = vm.classOfMirror(args[0].a)->isArray ? 1 : 0;
}

void classGetName(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->a = vm.newStringUtf8(vm.classOfMirror(args[0].a)->javaName());
}

// ---------------------------------------------------------------- String, Throwable

void stringIntern(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->a = vm.intern(args[0].a);
}

void throwableFill(Vm& vm, Thread& t, Slot* args, Slot*) {
    vm.fillStackTrace(t, args[0].a);
}

// ---------------------------------------------------------------- System, Runtime

void systemTime(Vm& vm, Thread& t, Slot*, Slot* result) {
    result->j = vm.currentTimeMillis(t);
}

void systemArraycopy(Vm& vm, Thread& t, Slot* args, Slot*) {
    Object* src = args[0].a;
    const int32_t srcPos = args[1].i;
    Object* dst = args[2].a;
    const int32_t dstPos = args[3].i;
    const int32_t length = args[4].i;
    if (!src || !dst) {
        vm.throwNew(t, "java/lang/NullPointerException");
        return;
    }
    if (!src->cls->isArray || !dst->cls->isArray) {
        vm.throwNew(t, "java/lang/ArrayStoreException",
                    "arraycopy: " + std::string(src->cls->isArray ? "destination" : "source") +
                        " type " + (src->cls->isArray ? dst : src)->cls->javaName() +
                        " is not an array");
        return;
    }
    const char se = src->cls->elementType;
    const char de = dst->cls->elementType;
    if (se != de) {
        vm.throwNew(t, "java/lang/ArrayStoreException",
                    "arraycopy: type mismatch: can not copy " + src->cls->javaName() + " into " +
                        dst->cls->javaName());
        return;
    }
    if (srcPos < 0 || dstPos < 0 || length < 0 ||
        static_cast<int64_t>(srcPos) + length > lengthOf(src) ||
        static_cast<int64_t>(dstPos) + length > lengthOf(dst)) {
        std::string what = "arraycopy: last source index " +
                           std::to_string(static_cast<int64_t>(srcPos) + length) +
                           " out of bounds for length " + std::to_string(lengthOf(src));
        if (srcPos < 0) {
            what = "arraycopy: source index " + std::to_string(srcPos) + " out of bounds";
        } else if (dstPos < 0) {
            what = "arraycopy: destination index " + std::to_string(dstPos) + " out of bounds";
        } else if (length < 0) {
            what = "arraycopy: length " + std::to_string(length) + " is negative";
        } else if (static_cast<int64_t>(srcPos) + length <= lengthOf(src)) {
            what = "arraycopy: last destination index " +
                   std::to_string(static_cast<int64_t>(dstPos) + length) +
                   " out of bounds for length " + std::to_string(lengthOf(dst));
        }
        vm.throwNew(t, "java/lang/ArrayIndexOutOfBoundsException", what);
        return;
    }
    if (length == 0) {
        return;
    }
    const int size = src->cls->elementSize;
    if (se == 'L' && !vm.isAssignable(src->cls->component, dst->cls->component)) {
        // Element by element, up to the first that does not fit.
        Object** s = elementsOf<Object*>(src) + srcPos;
        Object** d = elementsOf<Object*>(dst) + dstPos;
        for (int32_t i = 0; i < length; ++i) {
            if (s[i] && !vm.isAssignable(s[i]->cls, dst->cls->component)) {
                vm.throwNew(t, "java/lang/ArrayStoreException", "arraycopy: element type mismatch");
                return;
            }
            d[i] = s[i];
        }
        return;
    }
    std::memmove(elementsOf<uint8_t>(dst) + static_cast<std::size_t>(dstPos) * size,
                 elementsOf<uint8_t>(src) + static_cast<std::size_t>(srcPos) * size,
                 static_cast<std::size_t>(length) * size);
}

void systemIdentityHash(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->i = args[0].a ? vm.identityHash(args[0].a) : 0;
}

void runtimeFree(Vm& vm, Thread&, Slot*, Slot* result) {
    const std::size_t limit = vm.options().heapLimit;
    result->j = static_cast<int64_t>(limit > vm.heapBytes() ? limit - vm.heapBytes() : 0);
}

void runtimeTotal(Vm& vm, Thread&, Slot*, Slot* result) {
    result->j = static_cast<int64_t>(vm.options().heapLimit);
}

void runtimeGc(Vm& vm, Thread&, Slot*, Slot*) {
    vm.collectGarbage();
}

// ---------------------------------------------------------------- Thread

void threadStart(Vm& vm, Thread& t, Slot* args, Slot*) {
    vm.startThread(t, args[0].a);
}

void threadCurrent(Vm& vm, Thread& t, Slot*, Slot* result) {
    if (!t.javaThread) {
        Object* o = vm.allocInstance(vm.threadClass);
        if (!o) {
            vm.throwNew(t, "java/lang/OutOfMemoryError");
            return;
        }
        t.javaThread = o;
        vm.field(o, "name").a = vm.newStringUtf8(t.name.empty() ? "main" : t.name);
        vm.field(o, "priority").i = 5;
    }
    result->a = t.javaThread;
}

void threadYield(Vm& vm, Thread& t, Slot*, Slot*) {
    vm.yield(t);
}

void threadSleep(Vm& vm, Thread& t, Slot* args, Slot*) {
    vm.sleep(t, args[0].j);
}

void threadIsAlive(Vm& vm, Thread&, Slot* args, Slot* result) {
    Thread* other = vmThreadOf(vm, args[0].a);
    result->i = other && !other->finished ? 1 : 0;
}

void threadJoin(Vm& vm, Thread& t, Slot* args, Slot*) {
    vm.join(t, vmThreadOf(vm, args[0].a));
}

void threadInterrupt(Vm& vm, Thread&, Slot* args, Slot*) {
    vm.interrupt(vmThreadOf(vm, args[0].a));
}

void threadActiveCount(Vm& vm, Thread&, Slot*, Slot* result) {
    result->i = vm.liveThreads();
}

// ---------------------------------------------------------------- Float, Double, Math

void floatToString(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->a = vm.newStringUtf8(javaFloatToString(args[0].f));
}

void doubleToString(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->a = vm.newStringUtf8(javaDoubleToString(args[0].d));
}

void floatToBits(Vm&, Thread&, Slot* args, Slot* result) {
    std::memcpy(&result->i, &args[0].f, 4);
}

void bitsToFloat(Vm&, Thread&, Slot* args, Slot* result) {
    std::memcpy(&result->f, &args[0].i, 4);
}

void doubleToBits(Vm&, Thread&, Slot* args, Slot* result) {
    std::memcpy(&result->j, &args[0].d, 8);
}

void bitsToDouble(Vm&, Thread&, Slot* args, Slot* result) {
    std::memcpy(&result->d, &args[0].j, 8);
}

void doubleParse(Vm& vm, Thread& t, Slot* args, Slot* result) {
    Object* s = args[0].a;
    if (!nullCheck(vm, t, s)) {
        return;
    }
    const std::string text = vm.stringUtf8(s);
    const auto value = parseJavaFloatingPoint(text, args[1].i != 0);
    if (!value) {
        vm.throwNew(t, "java/lang/NumberFormatException",
                    text.find_first_not_of(" \t\n\r\f\v") == std::string::npos
                        ? std::string("empty String")
                        : "For input string: \"" + text + "\"");
        return;
    }
    result->d = *value;
}

#define MATH(name, fn)                                         \
    void math_##name(Vm&, Thread&, Slot* args, Slot* result) { \
        result->d = fn(args[0].d);                             \
    }
MATH(sin, std::sin)
MATH(cos, std::cos)
MATH(tan, std::tan)
MATH(sqrt, std::sqrt)
MATH(ceil, std::ceil)
MATH(floor, std::floor)
#undef MATH

// ---------------------------------------------------------------- the machine's scheduler

void vmPark(Vm& vm, Thread& t, Slot*, Slot*) {
    vm.park(t);
}

void vmUnpark(Vm& vm, Thread& t, Slot* args, Slot*) {
    Object* target = args[0].a;
    if (!target) {
        return;
    }
    Thread* other = target == t.javaThread ? &t : vm.threadOf(target);
    vm.unpark(other);
}

void vmFrameShown(Vm& vm, Thread& t, Slot*, Slot*) {
    vm.frameShown(t);
}

void vmRandomSeed(Vm& vm, Thread&, Slot*, Slot* result) {
    result->j = vm.randomSeed();
}

void vmExit(Vm& vm, Thread&, Slot* args, Slot*) {
    vm.exit(args[0].i);
}

void vmPrint(Vm& vm, Thread& t, Slot* args, Slot*) {
    Object* b = args[0].a;
    const int32_t off = args[1].i;
    const int32_t len = args[2].i;
    if (!nullCheck(vm, t, b)) {
        return;
    }
    if (off < 0 || len < 0 || off > lengthOf(b) - len) {
        vm.throwNew(t, "java/lang/IndexOutOfBoundsException");
        return;
    }
    vm.platform().print(std::string(elementsOf<char>(b) + off, static_cast<std::size_t>(len)),
                        args[3].i != 0);
}

void vmFail(Vm& vm, Thread& t, Slot* args, Slot*) {
    vm.fail(t, args[0].a);
}

}  // namespace

void registerLangNatives(Table& n) {
    n["java/lang/Object.getClass()Ljava/lang/Class;"] = objectGetClass;
    n["java/lang/Object.hashCode()I"] = objectHashCode;
    n["java/lang/Object.clone()Ljava/lang/Object;"] = objectClone;
    n["java/lang/Object.notify()V"] = objectNotify;
    n["java/lang/Object.notifyAll()V"] = objectNotifyAll;
    n["java/lang/Object.wait(J)V"] = objectWait;
    n["java/lang/Class.forName(Ljava/lang/String;)Ljava/lang/Class;"] = classForName;
    n["java/lang/Class.newInstance()Ljava/lang/Object;"] = classNewInstance;
    n["java/lang/Class.isInstance(Ljava/lang/Object;)Z"] = classIsInstance;
    n["java/lang/Class.isAssignableFrom(Ljava/lang/Class;)Z"] = classIsAssignableFrom;
    n["java/lang/Class.isInterface()Z"] = classIsInterface;
    n["java/lang/Class.isArray()Z"] = classIsArray;
    n["java/lang/Class.getName()Ljava/lang/String;"] = classGetName;
    n["java/lang/String.intern()Ljava/lang/String;"] = stringIntern;
    n["java/lang/Throwable.fillInStackTrace()V"] = throwableFill;
    n["java/lang/System.currentTimeMillis()J"] = systemTime;
    n["java/lang/System.arraycopy(Ljava/lang/Object;ILjava/lang/Object;II)V"] = systemArraycopy;
    n["java/lang/System.identityHashCode(Ljava/lang/Object;)I"] = systemIdentityHash;
    n["java/lang/Runtime.freeMemory()J"] = runtimeFree;
    n["java/lang/Runtime.totalMemory()J"] = runtimeTotal;
    n["java/lang/Runtime.gc()V"] = runtimeGc;
    n["java/lang/Thread.start0()V"] = threadStart;
    n["java/lang/Thread.currentThread()Ljava/lang/Thread;"] = threadCurrent;
    n["java/lang/Thread.yield()V"] = threadYield;
    n["java/lang/Thread.sleep0(J)V"] = threadSleep;
    n["java/lang/Thread.isAlive()Z"] = threadIsAlive;
    n["java/lang/Thread.join()V"] = threadJoin;
    n["java/lang/Thread.interrupt0()V"] = threadInterrupt;
    n["java/lang/Thread.activeCount()I"] = threadActiveCount;
    n["java/lang/Float.toString(F)Ljava/lang/String;"] = floatToString;
    n["java/lang/Float.floatToRawIntBits(F)I"] = floatToBits;
    n["java/lang/Float.intBitsToFloat(I)F"] = bitsToFloat;
    n["java/lang/Double.toString(D)Ljava/lang/String;"] = doubleToString;
    n["java/lang/Double.doubleToRawLongBits(D)J"] = doubleToBits;
    n["java/lang/Double.longBitsToDouble(J)D"] = bitsToDouble;
    n["java/lang/Double.parse(Ljava/lang/String;Z)D"] = doubleParse;
    n["java/lang/Math.sin(D)D"] = math_sin;
    n["java/lang/Math.cos(D)D"] = math_cos;
    n["java/lang/Math.tan(D)D"] = math_tan;
    n["java/lang/Math.sqrt(D)D"] = math_sqrt;
    n["java/lang/Math.ceil(D)D"] = math_ceil;
    n["java/lang/Math.floor(D)D"] = math_floor;
    n["avizad/vm/VM.park()V"] = vmPark;
    n["avizad/vm/VM.unpark(Ljava/lang/Thread;)V"] = vmUnpark;
    n["avizad/vm/VM.frameShown()V"] = vmFrameShown;
    n["avizad/vm/VM.randomSeed()J"] = vmRandomSeed;
    n["avizad/vm/VM.exit(I)V"] = vmExit;
    n["avizad/vm/VM.print([BIIZ)V"] = vmPrint;
    n["avizad/vm/VM.fail(Ljava/lang/Throwable;)V"] = vmFail;
}

}  // namespace avizad::vm
