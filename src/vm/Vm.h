#pragma once
// The virtual machine: classes, heap, interpreter and green threads of one MIDlet suite.
//
// Objects live in a non-moving heap collected by mark and sweep: object fields and statics are
// traced exactly, the threads' stacks conservatively (a slot that holds the address of an
// object keeps it). Methods are translated on their first call into pre-decoded instructions
// whose constant-pool operands are resolved on first execution and rewritten into quick forms.
// Threads are green: one runs at a time, and the scheduler switches exactly where the
// emulator's headless mode does (sleep, yield, wait, join, a thread's end, an event wait, a
// frame shown by a loop that never sleeps), on a virtual clock.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "vm/ClassFile.h"
#include "vm/Jar.h"
#include "vm/KeyScript.h"
#include "vm/Platform.h"
#include "vm/Verifier.h"

namespace avizad::vm {

struct Object;
struct Class;
struct Method;
struct Field;
struct Thread;
class Vm;

union Slot {
    int32_t i;
    int64_t j;
    float f;
    double d;
    Object* a;
};
static_assert(sizeof(Slot) == 8);

struct Monitor {
    Thread* owner = nullptr;
    int count = 0;
    std::deque<std::pair<Thread*, int>> entry;  // blocked threads and the count they take
};

struct Object {
    Class* cls;
    Monitor* monitor;
    uint32_t hash;
    uint32_t marked;
};

// An array: the header, then the elements (8-byte aligned).
struct ArrayObject : Object {
    int32_t length;
    int32_t pad;
};

inline Slot* fieldsOf(Object* o) {
    return reinterpret_cast<Slot*>(o + 1);
}
template <typename T>
inline T* elementsOf(Object* a) {
    return reinterpret_cast<T*>(static_cast<ArrayObject*>(a) + 1);
}
inline int32_t lengthOf(Object* a) {
    return static_cast<ArrayObject*>(a)->length;
}

// A native method: arguments (this first) in `args`, the result in `result`. It reports a
// Java exception through Vm::throwNew / Vm::throwObject.
using Native = void (*)(Vm& vm, Thread& t, Slot* args, Slot* result);

// A pre-decoded instruction. `op` is the opcode, or one of the quick forms above 0xCA.
struct Insn {
    uint16_t op;
    uint16_t u;  // a constant pool index, a local index, argument slots
    int32_t i;   // an immediate, a branch target (instruction index), a field slot
    union {
        void* p;
        Method* m;
        Class* c;
        Field* f;
        Slot* s;
        Object* o;
        const int32_t* table;
    };
};

struct Handler {
    int32_t start, end, target;  // instruction indices
    uint16_t catchType;
    Class* resolved;
};

struct Method {
    Class* owner = nullptr;
    std::string name;
    std::string descriptor;
    uint16_t access = 0;
    int argSlots = 0;  // with `this`
    char ret = 'V';
    int maxStack = 0;
    int maxLocals = 0;
    int vtableIndex = -1;
    const MethodInfo* info = nullptr;
    Native native = nullptr;
    bool prepared = false;
    std::vector<Insn> code;
    std::vector<int32_t> pcOf;  // instruction index -> bytecode offset
    std::vector<Handler> handlers;
    std::vector<std::vector<int32_t>> tables;  // switch tables
    bool isStatic() const { return access & ACC_STATIC; }
    bool isSynchronized() const { return access & ACC_SYNCHRONIZED; }
    std::string fullName() const;  // a.b.C.name(desc)
    int lineAt(int insn) const;
};

struct Field {
    Class* owner = nullptr;
    std::string name;
    std::string descriptor;
    uint16_t access = 0;
    int slot = 0;  // instance slot or index into the statics
    bool isStatic() const { return access & ACC_STATIC; }
    bool isRef() const { return descriptor[0] == 'L' || descriptor[0] == '['; }
};

struct Class {
    enum State { Loaded, Linked, Initializing, Initialized, Failed };
    std::string name;  // internal form
    Class* super = nullptr;
    std::vector<Class*> interfaces;
    std::vector<Class*> allInterfaces;  // every interface it implements, transitively
    uint16_t access = 0;
    std::unique_ptr<ClassFile> file;
    std::vector<std::unique_ptr<Field>> fields;
    std::vector<std::unique_ptr<Method>> methods;
    std::vector<Method*> vtable;
    std::unordered_map<const Method*, Method*> itable;  // interface method -> implementation
    int instanceSlots = 0;
    std::vector<int> refSlots;  // instance slots holding references, supers' included
    std::vector<Slot> statics;
    std::vector<int> staticRefs;
    State state = Loaded;
    Thread* initThread = nullptr;
    bool fromJar = false;
    // Arrays.
    bool isArray = false;
    char elementType = 0;  // 'Z','B','C','S','I','J','F','D' or 'L' (objects and arrays)
    Class* component = nullptr;
    int elementSize = 0;
    Object* mirror = nullptr;     // its java.lang.Class object
    std::vector<void*> resolved;  // constant pool entries once resolved
    bool isInterface() const { return access & ACC_INTERFACE; }
    Method* findMethod(std::string_view name, std::string_view desc) const;    // declared here
    Method* lookupMethod(std::string_view name, std::string_view desc) const;  // with supers
    Field* findField(std::string_view name, std::string_view desc) const;      // with supers
    std::string javaName() const;                                              // a.b.C or [I
};

// The receiver class an interface call saw last and the method it called.
struct InterfaceCache {
    Class* cls = nullptr;
    Method* target = nullptr;
};

struct Frame {
    Method* method;
    Slot* locals;
    Slot* stack;          // the operand stack's bottom
    Slot* sp;             // while the frame is not the running one
    const Insn* pc;       // the current instruction
    Class* initializing;  // a <clinit> frame: the class it initializes
    Object* lock;         // a synchronized method's monitor
    bool advance;         // the caller goes on after its instruction when this frame returns
};

struct Thread {
    int id = 0;
    Object* javaThread = nullptr;
    std::vector<Slot> stack;
    std::vector<Frame> frames;
    Object* pending = nullptr;  // an exception being thrown
    bool finished = false;
    bool started = false;
    int monitorsHeld = 0;
    // A native that gave the turn away completes when the thread gets it again: its result
    // is pushed (the clock's time when `resultIsTime`), after the monitor it waited on is
    // taken again and an interrupt is reported.
    Method* completing = nullptr;
    Slot result{};
    bool resultIsTime = false;
    bool interruptible = false;
    Object* reacquire = nullptr;
    int reacquireCount = 0;
    bool interrupted = false;
    // Set by a native: run the instruction again (after the frames it pushed), or call
    // `callAfter` on `callAfterArg` once the native's result is pushed.
    bool reexecute = false;
    // The thread gave its turn away inside a native (or blocked on a monitor).
    bool yielded = false;
    Method* callAfter = nullptr;
    Object* callAfterArg = nullptr;
    bool system = false;  // the event thread, timers, players
    std::string name;
};

struct VmOptions {
    int width = 240;
    int height = 320;
    long long maxFrames = -1;
    std::optional<KeyScript> keys;
    std::size_t heapLimit = 16u << 20;
    int maxFrameDepth = 1200;
    int stackSlots = 64 * 1024;
    bool verify = true;
    // With no thread to run and no key script left, the run ends (a headless run) or waits for
    // keys from postKey (a player's window or page).
    bool exitWhenIdle = true;
    // A thread that runs this many branches and calls without giving its turn away gives it
    // to the others when it holds no monitor.
    uint64_t quantum = 50'000'000;
};

// Thrown inside the machine when it cannot go on (not a Java exception).
struct VmExit {
    int status;
};

class Vm {
public:
    Vm(Platform& platform, Jar jar, VmOptions options);
    ~Vm();
    Vm(const Vm&) = delete;
    Vm& operator=(const Vm&) = delete;

    // Starts the MIDlet named by the manifest's MIDlet-1 entry.
    void start();
    // Starts a thread running a static method `cls.name(desc)` with no arguments (tests).
    void startMain(const std::string& cls, const std::string& name = "main",
                   const std::string& desc = "()V");
    // Runs instructions until `budget` have run or the machine has ended. Returns true while
    // it runs.
    bool run(uint64_t budget);
    bool running() const { return !exited_; }
    int exitStatus() const { return exitStatus_; }
    // The run ended on an uncaught exception (no screenshot is taken then).
    bool failed() const { return failed_; }
    void exit(int status);
    // A key pressed or released by the player (MIDP key codes), delivered by the event thread.
    void postKey(bool press, int code);

    // The screen's pixels as 0xRRGGBB.
    std::vector<uint32_t> screen() const;
    int width() const { return options_.width; }
    int height() const { return options_.height; }
    long long frames() const { return frames_; }
    Platform& platform() { return platform_; }
    const Jar& jar() const { return jar_; }
    const VmOptions& options() const { return options_; }
    std::size_t liveBytes() const { return liveBytes_; }
    std::size_t heapBytes() const { return heapBytes_; }
    uint64_t instructions() const { return instructions_; }
    void collectGarbage();

    // ---- classes
    Class* findClass(std::string_view name, Class* from);  // loads; throws on failure
    Class* loadClass(std::string_view name, Class* from);  // null (with a pending error)
    Class* arrayClassOf(Class* element);
    Class* primitiveArrayClass(char type);
    bool isAssignable(Class* from, Class* to) const;
    bool instanceOf(Object* o, Class* c) const { return o && isAssignable(o->cls, c); }
    Object* mirrorOf(Class* c);
    Class* classOfMirror(Object* mirror);
    Class* classForName(const std::u16string& name, bool& missing);

    // ---- objects
    Object* allocInstance(Class* c);
    Object* allocArray(Class* arrayClass, int32_t length);
    Object* newString(std::u16string_view text);
    Object* newStringUtf8(std::string_view utf8);  // from standard UTF-8
    Object* intern(Object* string);
    Object* literal(const std::string& modifiedUtf8);
    std::u16string stringValue(Object* s) const;
    std::string stringUtf8(Object* s) const;
    int32_t identityHash(Object* o);
    Slot& field(Object* o, std::string_view name);  // by name, for natives (slow path)
    Slot& staticField(Class* c, std::string_view name);

    // ---- exceptions
    void throwNew(Thread& t, std::string_view cls, const std::string& message = {});
    void throwObject(Thread& t, Object* exception);
    void fillStackTrace(Thread& t, Object* throwable);

    // ---- threads
    Thread* current() { return running_; }
    Thread* threadOf(Object* javaThread);
    void startThread(Thread& by, Object* javaThread);
    Thread& newThread(Object* javaThread, Method* entry, Object* receiver);

    // ---- scheduling (the emulator's rules)
    static constexpr long long EPOCH = 1262304000000LL;
    long long now() const { return now_; }
    long long currentTimeMillis(Thread& t);
    void sleep(Thread& t, long long millis);
    void yield(Thread& t);
    void park(Thread& t);
    void unpark(Thread* t);
    void join(Thread& t, Thread* other);
    void waitOn(Thread& t, Object* monitor, long long millis);
    void notifyOn(Thread& t, Object* monitor, bool all);
    void interrupt(Thread* t);
    void frameShown(Thread& t);
    int64_t randomSeed() { return 20100101LL + 7919LL * randomCount_++; }

    // ---- monitors
    bool enterMonitor(Thread& t, Object* o);  // false: blocked
    bool exitMonitor(Thread& t, Object* o);   // false: IllegalMonitorStateException thrown

    // ---- device
    void frameDone();
    void startScript();
    void setScreenArray(Object* pixels) { screenArray_ = pixels; }
    std::map<std::string, std::vector<uint8_t>>& recordStores() { return recordStores_; }
    void saveRecordStores();
    bool initializeFromNative(Thread& t, Class* c);
    int liveThreads() const;
    void fail(Thread& t, Object* throwable);
    void postEvent(Object* event);  // a Runnable or key event for the event thread
    Object* pollEvent();
    Thread* eventThread = nullptr;

    // Temporary roots of natives that allocate more than once.
    std::vector<Object*> tempRoots;
    struct TempRoot {
        Vm& vm;
        std::size_t mark;
        explicit TempRoot(Vm& v) : vm(v), mark(v.tempRoots.size()) {}
        ~TempRoot() { vm.tempRoots.resize(mark); }
        Object* keep(Object* o) {
            vm.tempRoots.push_back(o);
            return o;
        }
    };

    // Well-known classes.
    Class* objectClass = nullptr;
    Class* stringClass = nullptr;
    Class* classClass = nullptr;
    Class* threadClass = nullptr;
    Class* throwableClass = nullptr;
    Class* keyEventClass = nullptr;
    Class* charArrayClass = nullptr;

    std::string uncaughtPrefix = "avizad-vm: uncaught exception in the MIDlet:";

private:
    friend struct Interpreter;
    void registerNatives();
    Class* defineClass(std::string_view name, const uint8_t* data, std::size_t size, bool jar);
    Class* makeArrayClass(std::string_view name);
    void link(Class* c);
    std::optional<ClassInfo> classInfo(std::string_view name);
    std::map<std::string, std::optional<ClassInfo>, std::less<>> classInfos_;
    void prepare(Method* m);
    // Resolution (each throws a Java error through the thread on failure, returning null).
    Class* resolveClass(Thread& t, Class* from, uint16_t index);
    Field* resolveField(Thread& t, Class* from, uint16_t index, bool isStatic);
    Method* resolveMethod(Thread& t, Class* from, uint16_t index, bool isInterface);
    // Initialization: true when the class is ready; false when frames were pushed or the
    // thread must wait (the instruction runs again).
    bool initialize(Thread& t, Class* c);
    void execute(Thread& t, uint64_t& budget);
    void completeNative(Thread& t);
    bool pushFrame(Thread& t, Method* m, Slot* args, Class* initializing = nullptr);
    void unwind(Thread& t);
    void threadEnded(Thread& t);
    void uncaught(Thread& t, Object* exception);
    void dispatch();
    bool onIdle();
    void resumeThread(Thread& t);
    void mark(Object* o, std::vector<Object*>& work);
    Object* allocRaw(Class* c, std::size_t bytes);

    Platform& platform_;
    Jar jar_;
    VmOptions options_;
    std::map<std::string, Class*, std::less<>> classes_;
    std::vector<std::unique_ptr<Class>> ownedClasses_;
    std::map<std::string, Native, std::less<>> natives_;
    std::unordered_map<std::u16string, Object*> interned_;
    std::vector<Object*> objects_;
    std::size_t heapBytes_ = 0;
    std::size_t liveBytes_ = 0;
    std::size_t nextGc_ = 1u << 20;
    uint32_t hashState_ = 0x2545F491u;
    std::vector<std::unique_ptr<Thread>> threads_;
    Thread* running_ = nullptr;
    bool exited_ = false;
    bool failed_ = false;
    int exitStatus_ = 0;
    uint64_t instructions_ = 0;
    uint64_t quantumUsed_ = 0;
    Object* screenArray_ = nullptr;
    std::map<std::string, std::vector<uint8_t>> recordStores_;
    long long frames_ = 0;
    std::deque<Object*> events_;
    std::vector<std::unique_ptr<InterfaceCache>> interfaceCaches_;

    // Scheduler state, as in the emulator.
    struct Waiter {
        Thread* thread;
        Object* monitor;
        bool woken = false;
        bool timed = false;
    };
    struct Sleeper {
        long long wake;
        long long order;
        Thread* thread;
        std::shared_ptr<Waiter> waiter;
        bool operator<(const Sleeper& o) const {
            return wake != o.wake ? wake < o.wake : order < o.order;
        }
    };
    long long now_ = EPOCH;
    long long sequence_ = 0;
    std::deque<Thread*> ready_;
    std::set<Sleeper> sleepers_;
    std::unordered_map<Thread*, Sleeper> sleeping_;
    std::unordered_set<Thread*> parked_;
    std::unordered_set<Thread*> permits_;
    std::unordered_map<Object*, std::deque<std::shared_ptr<Waiter>>> waiters_;
    std::unordered_map<Thread*, std::deque<Thread*>> joiners_;
    std::unordered_map<Thread*, std::shared_ptr<Waiter>> waitingOf_;
    int spins_ = 0;
    int framesAwake_ = 0;
    long long randomCount_ = 0;
    void wakeWaiter(const std::shared_ptr<Waiter>& w);
};

// Looks up a native by "pkg/Class.name(desc)".
void registerLangNatives(std::map<std::string, Native, std::less<>>& table);
void registerDeviceNatives(std::map<std::string, Native, std::less<>>& table);

// Java's Double.toString and Float.toString, and its parsing of floating-point text (nullopt
// when the text is not a number by Java's grammar).
std::string javaDoubleToString(double v);
std::string javaFloatToString(float v);
std::optional<double> parseJavaFloatingPoint(const std::string& text, bool toFloat);

}  // namespace avizad::vm
