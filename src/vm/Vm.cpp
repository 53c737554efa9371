#include "vm/Vm.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "vm/Library.h"
#include "vm/Verifier.h"

namespace avizad::vm {

namespace {

// A failure to find, read, verify or link a class: the Java error and its message.
struct LinkFailure {
    std::string error;  // internal name of the Java error class
    std::string message;
};

std::string dotted(std::string_view internal) {
    std::string s(internal);
    std::replace(s.begin(), s.end(), '/', '.');
    return s;
}

int sizeOfType(char t) {
    switch (t) {
        case 'Z':
        case 'B':
            return 1;
        case 'C':
        case 'S':
            return 2;
        case 'I':
        case 'F':
            return 4;
        case 'J':
        case 'D':
            return 8;
        default:
            return static_cast<int>(sizeof(Object*));
    }
}

bool packageOf(std::string_view name, std::string_view prefix) {
    return name.substr(0, prefix.size()) == prefix;
}

}  // namespace

// ---------------------------------------------------------------- members

std::string Method::fullName() const {
    return dotted(owner->name) + "." + name + descriptor;
}

int Method::lineAt(int insn) const {
    if (!info || insn < 0 || insn >= static_cast<int>(pcOf.size())) {
        return -1;
    }
    const int pc = pcOf[insn];
    int line = -1;
    int best = -1;
    for (const auto& [start, l] : info->lines) {
        if (start <= pc && start > best) {
            best = start;
            line = l;
        }
    }
    return line;
}

Method* Class::findMethod(std::string_view n, std::string_view d) const {
    for (const auto& m : methods) {
        if (m->name == n && m->descriptor == d) {
            return m.get();
        }
    }
    return nullptr;
}

Method* Class::lookupMethod(std::string_view n, std::string_view d) const {
    for (const Class* c = this; c; c = c->super) {
        if (Method* m = c->findMethod(n, d)) {
            return m;
        }
    }
    // Abstract classes inherit interface methods they do not declare.
    for (const Class* i : allInterfaces) {
        if (Method* m = i->findMethod(n, d)) {
            return m;
        }
    }
    return nullptr;
}

Field* Class::findField(std::string_view n, std::string_view d) const {
    for (const Class* c = this; c; c = c->super) {
        for (const auto& f : c->fields) {
            if (f->name == n && f->descriptor == d) {
                return f.get();
            }
        }
        for (const Class* i : c->allInterfaces) {
            for (const auto& f : i->fields) {
                if (f->name == n && f->descriptor == d) {
                    return f.get();
                }
            }
        }
    }
    return nullptr;
}

std::string Class::javaName() const {
    return isArray ? dotted(name) : dotted(name);
}

// ---------------------------------------------------------------- the machine

Vm::Vm(Platform& platform, Jar jar, VmOptions options)
    : platform_(platform), jar_(std::move(jar)), options_(std::move(options)) {
    registerNatives();
    // The record stores the host kept: (name length, name, data length, data) each.
    const std::vector<uint8_t> stored = platform_.loadRecordStores();
    for (std::size_t p = 0; p + 8 <= stored.size();) {
        auto u32 = [&](std::size_t at) {
            return static_cast<uint32_t>(stored[at]) << 24 |
                   static_cast<uint32_t>(stored[at + 1]) << 16 |
                   static_cast<uint32_t>(stored[at + 2]) << 8 | stored[at + 3];
        };
        const uint32_t nameLen = u32(p);
        if (p + 4 + nameLen + 4 > stored.size()) {
            break;
        }
        std::string name(stored.begin() + static_cast<long>(p + 4),
                         stored.begin() + static_cast<long>(p + 4 + nameLen));
        const uint32_t dataLen = u32(p + 4 + nameLen);
        const std::size_t at = p + 8 + nameLen;
        if (at + dataLen > stored.size()) {
            break;
        }
        recordStores_[name] =
            std::vector<uint8_t>(stored.begin() + static_cast<long>(at),
                                 stored.begin() + static_cast<long>(at + dataLen));
        p = at + dataLen;
    }
    try {
        objectClass = findClass("java/lang/Object", nullptr);
        classClass = findClass("java/lang/Class", nullptr);
        stringClass = findClass("java/lang/String", nullptr);
        threadClass = findClass("java/lang/Thread", nullptr);
        throwableClass = findClass("java/lang/Throwable", nullptr);
        keyEventClass = findClass("avizad/vm/KeyEvent", nullptr);
        charArrayClass = primitiveArrayClass('C');
    } catch (const LinkFailure& f) {
        throw JarError("the machine's class library is damaged: " + f.error + ": " + f.message);
    }
}

Vm::~Vm() {
    for (Object* o : objects_) {
        delete o->monitor;
        std::free(o);
    }
}

void Vm::registerNatives() {
    registerLangNatives(natives_);
    registerDeviceNatives(natives_);
}

Class* Vm::findClass(std::string_view name, Class* from) {
    // The machine's own classes are out of the game's reach.
    std::string_view element = name;
    while (!element.empty() && element[0] == '[') {
        element.remove_prefix(1);
    }
    if (!element.empty() && element[0] == 'L') {
        element.remove_prefix(1);
    }
    if (from && from->fromJar && packageOf(element, "avizad/")) {
        throw LinkFailure{"java/lang/NoClassDefFoundError", dotted(name)};
    }
    if (auto it = classes_.find(name); it != classes_.end()) {
        return it->second;
    }
    if (!name.empty() && name[0] == '[') {
        return makeArrayClass(name);
    }
    const bool libraryOnly = from == nullptr || !from->fromJar;
    const bool reserved =
        packageOf(name, "java/") || packageOf(name, "javax/") || packageOf(name, "avizad/");
    if (const LibraryClass* lib = findLibraryClass(name)) {
        return defineClass(name, lib->data, lib->size, false);
    }
    if (!reserved || !libraryOnly) {
        if (!reserved) {
            if (const auto* bytes = jar_.entry(std::string(name) + ".class")) {
                return defineClass(name, bytes->data(), bytes->size(), true);
            }
        }
    }
    throw LinkFailure{"java/lang/NoClassDefFoundError", dotted(name)};
}

Class* Vm::loadClass(std::string_view name, Class* from) {
    try {
        return findClass(name, from);
    } catch (const LinkFailure& f) {
        if (running_) {
            throwNew(*running_, f.error, f.message);
        }
        return nullptr;
    }
}

Class* Vm::defineClass(std::string_view name, const uint8_t* data, std::size_t size, bool jar) {
    auto owned = std::make_unique<Class>();
    Class* c = owned.get();
    try {
        c->file = std::make_unique<ClassFile>(readClassFile(data, size, jar ? 48 : 52));
    } catch (const ClassFormatError& e) {
        throw LinkFailure{"java/lang/NoClassDefFoundError", dotted(name) + ": " + e.what()};
    }
    ClassFile& cf = *c->file;
    if (cf.name != name) {
        throw LinkFailure{"java/lang/NoClassDefFoundError",
                          dotted(name) + " (wrong name: " + dotted(cf.name) + ")"};
    }
    c->name = cf.name;
    c->access = cf.access;
    c->fromJar = jar;
    c->resolved.assign(cf.pool.size(), nullptr);
    ownedClasses_.push_back(std::move(owned));
    classes_.emplace(c->name, c);
    // A class that fails to load takes no place among the classes.
    auto forget = [&] { classes_.erase(c->name); };
    try {
        if (!cf.superName.empty()) {
            if (cf.superName == c->name || classes_.size() > 100000) {
                throw LinkFailure{"java/lang/ClassCircularityError", dotted(c->name)};
            }
            c->super = findClass(cf.superName, c);
            if (c->super->isInterface() || c->super->isArray || (c->super->access & ACC_FINAL)) {
                throw LinkFailure{"java/lang/IncompatibleClassChangeError",
                                  dotted(c->name) + " cannot extend " + dotted(cf.superName)};
            }
            if (c->super->state == Class::Loaded) {
                throw LinkFailure{"java/lang/ClassCircularityError", dotted(c->name)};
            }
        }
        for (const std::string& i : cf.interfaces) {
            Class* ic = findClass(i, c);
            if (ic->state == Class::Loaded) {
                throw LinkFailure{"java/lang/ClassCircularityError", dotted(c->name)};
            }
            if (!ic->isInterface()) {
                throw LinkFailure{"java/lang/IncompatibleClassChangeError",
                                  dotted(c->name) + " cannot implement " + dotted(i)};
            }
            c->interfaces.push_back(ic);
        }
        if (jar && options_.verify) {
            if (auto refusal =
                    verifyClass(cf, [this](std::string_view n) { return classInfo(n); })) {
                throw LinkFailure{"java/lang/VerifyError", *refusal};
            }
        }
        link(c);
    } catch (...) {
        forget();
        throw;
    }
    return c;
}

std::optional<ClassInfo> Vm::classInfo(std::string_view name) {
    if (auto it = classes_.find(name); it != classes_.end()) {
        return ClassInfo{it->second->super ? it->second->super->name : std::string(),
                         it->second->isInterface()};
    }
    if (auto it = classInfos_.find(name); it != classInfos_.end()) {
        return it->second;
    }
    std::optional<ClassInfo> info;
    const uint8_t* data = nullptr;
    std::size_t size = 0;
    if (const LibraryClass* lib = findLibraryClass(name)) {
        data = lib->data;
        size = lib->size;
    } else if (const auto* bytes = jar_.entry(std::string(name) + ".class")) {
        data = bytes->data();
        size = bytes->size();
    }
    if (data) {
        try {
            const ClassFile cf = readClassFile(data, size, 52);
            info = ClassInfo{cf.superName, (cf.access & ACC_INTERFACE) != 0};
        } catch (const ClassFormatError&) {
        }
    }
    classInfos_.emplace(std::string(name), info);
    return info;
}

void Vm::link(Class* c) {
    ClassFile& cf = *c->file;
    // Interfaces, transitively.
    auto addInterface = [&](Class* i, auto& self) -> void {
        if (std::find(c->allInterfaces.begin(), c->allInterfaces.end(), i) ==
            c->allInterfaces.end()) {
            c->allInterfaces.push_back(i);
        }
        for (Class* j : i->allInterfaces) {
            self(j, self);
        }
    };
    if (c->super) {
        for (Class* i : c->super->allInterfaces) {
            addInterface(i, addInterface);
        }
        c->instanceSlots = c->super->instanceSlots;
        c->refSlots = c->super->refSlots;
    }
    for (Class* i : c->interfaces) {
        addInterface(i, addInterface);
    }
    for (const FieldInfo& fi : cf.fields) {
        auto f = std::make_unique<Field>();
        f->owner = c;
        f->name = fi.name;
        f->descriptor = fi.descriptor;
        f->access = fi.access;
        if (f->isStatic()) {
            f->slot = static_cast<int>(c->statics.size());
            Slot zero{};
            zero.j = 0;
            if (fi.constantValue) {
                const Constant& k = cf.pool[fi.constantValue];
                if (k.tag == CONSTANT_Long || k.tag == CONSTANT_Double) {
                    zero.j = k.bits;
                } else if (k.tag == CONSTANT_Integer || k.tag == CONSTANT_Float) {
                    zero.i = static_cast<int32_t>(k.bits);
                }
            }
            c->statics.push_back(zero);
            if (f->isRef()) {
                c->staticRefs.push_back(f->slot);
            }
        } else {
            f->slot = c->instanceSlots++;
            if (f->isRef()) {
                c->refSlots.push_back(f->slot);
            }
        }
        c->fields.push_back(std::move(f));
    }
    if (c->super) {
        c->vtable = c->super->vtable;
    }
    for (const MethodInfo& mi : cf.methods) {
        auto m = std::make_unique<Method>();
        m->owner = c;
        m->name = mi.name;
        m->descriptor = mi.descriptor;
        m->access = mi.access;
        m->info = &mi;
        m->argSlots = argumentSlots(mi.descriptor) + (m->isStatic() ? 0 : 1);
        m->ret = returnType(mi.descriptor);
        m->maxStack = mi.maxStack;
        m->maxLocals = std::max<int>(mi.maxLocals, m->argSlots);
        if (mi.access & ACC_NATIVE) {
            auto it = natives_.find(c->name + "." + mi.name + mi.descriptor);
            m->native = it == natives_.end() ? nullptr : it->second;
        }
        if (!m->isStatic() && !(m->access & ACC_PRIVATE) && m->name[0] != '<') {
            bool overrides = false;
            for (std::size_t k = 0; k < c->vtable.size(); ++k) {
                Method* s = c->vtable[k];
                if (s->name == m->name && s->descriptor == m->descriptor) {
                    m->vtableIndex = static_cast<int>(k);
                    c->vtable[k] = m.get();
                    overrides = true;
                    break;
                }
            }
            if (!overrides) {
                m->vtableIndex = static_cast<int>(c->vtable.size());
                c->vtable.push_back(m.get());
            }
        }
        c->methods.push_back(std::move(m));
    }
    // Interface methods a class does not implement itself take a place too (abstract
    // classes), so that every virtual call has an index.
    if (!c->isInterface()) {
        for (Class* i : c->allInterfaces) {
            for (const auto& im : i->methods) {
                if (im->isStatic() || im->name[0] == '<') {
                    continue;
                }
                bool found = false;
                for (Method* v : c->vtable) {
                    if (v->name == im->name && v->descriptor == im->descriptor) {
                        found = true;
                        break;
                    }
                }
                if (!found) {
                    im->vtableIndex = -1;
                    c->vtable.push_back(im.get());
                }
            }
        }
    }
    c->state = Class::Linked;
}

Class* Vm::makeArrayClass(std::string_view name) {
    if (name.size() > 256 || !validFieldDescriptor(name)) {
        throw LinkFailure{"java/lang/NoClassDefFoundError", std::string(name)};
    }
    auto owned = std::make_unique<Class>();
    Class* c = owned.get();
    c->name = std::string(name);
    c->isArray = true;
    c->access = ACC_PUBLIC | ACC_FINAL | ACC_ABSTRACT;
    c->super = objectClass ? objectClass : findClass("java/lang/Object", nullptr);
    c->vtable = c->super->vtable;
    const char e = name[1];
    c->elementType = (e == '[' || e == 'L') ? 'L' : e;
    c->elementSize = sizeOfType(c->elementType);
    if (e == '[') {
        c->component = findClass(name.substr(1), nullptr);
    } else if (e == 'L') {
        c->component = findClass(name.substr(2, name.size() - 3), nullptr);
    }
    c->state = Class::Initialized;
    ownedClasses_.push_back(std::move(owned));
    classes_.emplace(c->name, c);
    return c;
}

Class* Vm::arrayClassOf(Class* element) {
    const std::string n = element->isArray ? "[" + element->name : "[L" + element->name + ";";
    return findClass(n, nullptr);
}

Class* Vm::primitiveArrayClass(char type) {
    const char n[3] = {'[', type, 0};
    return findClass(n, nullptr);
}

bool Vm::isAssignable(Class* from, Class* to) const {
    if (from == to || to == objectClass) {
        return true;
    }
    if (from->isArray) {
        if (to->isArray) {
            if (from->elementType != 'L' || to->elementType != 'L') {
                return from->elementType == to->elementType && from->elementType != 'L';
            }
            return isAssignable(from->component, to->component);
        }
        return false;  // Object handled above; CLDC arrays implement no interface
    }
    if (to->isInterface()) {
        return std::find(from->allInterfaces.begin(), from->allInterfaces.end(), to) !=
               from->allInterfaces.end();
    }
    for (Class* c = from->super; c; c = c->super) {
        if (c == to) {
            return true;
        }
    }
    return false;
}

Object* Vm::mirrorOf(Class* c) {
    if (!c->mirror) {
        Object* m = allocInstance(classClass);
        if (!m) {
            return nullptr;
        }
        field(m, "vmClass").j = static_cast<int64_t>(reinterpret_cast<intptr_t>(c));
        c->mirror = m;
    }
    return c->mirror;
}

Class* Vm::classOfMirror(Object* mirror) {
    return reinterpret_cast<Class*>(static_cast<intptr_t>(field(mirror, "vmClass").j));
}

Class* Vm::classForName(const std::u16string& name, bool& missing) {
    missing = false;
    std::string internal;
    for (char16_t ch : name) {
        if (ch == '/' || ch > 0x7E || ch < 0x21) {
            missing = true;
            return nullptr;
        }
        internal.push_back(ch == '.' ? '/' : static_cast<char>(ch));
    }
    try {
        // Looked up as the game would: the machine's own classes are not found.
        Class gameView;
        gameView.fromJar = true;
        return findClass(internal, &gameView);
    } catch (const LinkFailure& f) {
        missing = f.error == "java/lang/NoClassDefFoundError" && f.message == dotted(internal);
        if (!missing && running_) {
            throwNew(*running_, f.error, f.message);
        }
        return nullptr;
    }
}

// ---------------------------------------------------------------- resolution

Class* Vm::resolveClass(Thread& t, Class* from, uint16_t index) {
    if (void* r = from->resolved[index]) {
        return static_cast<Class*>(r);
    }
    const std::string& name = from->file->className(index);
    try {
        Class* c = findClass(name, from);
        Class* element = c;
        while (element->isArray && element->component) {
            element = element->component;
        }
        if (from->fromJar && !element->fromJar && !element->isArray &&
            !(element->access & ACC_PUBLIC)) {
            throwNew(t, "java/lang/IllegalAccessError",
                     dotted(from->name) + " cannot reach " + dotted(element->name));
            return nullptr;
        }
        from->resolved[index] = c;
        return c;
    } catch (const LinkFailure& f) {
        throwNew(t, f.error, f.message);
        return nullptr;
    }
}

Field* Vm::resolveField(Thread& t, Class* from, uint16_t index, bool isStatic) {
    if (void* r = from->resolved[index]) {
        return static_cast<Field*>(r);
    }
    const auto ref = from->file->memberRef(index);
    Class* owner = resolveClass(t, from, from->file->pool[index].a);
    if (!owner) {
        return nullptr;
    }
    Field* f = owner->findField(ref.name, ref.descriptor);
    if (!f) {
        throwNew(
            t, "java/lang/NoSuchFieldError",
            dotted(ref.owner) + "." + std::string(ref.name) + " " + std::string(ref.descriptor));
        return nullptr;
    }
    if (f->isStatic() != isStatic) {
        throwNew(t, "java/lang/IncompatibleClassChangeError",
                 dotted(ref.owner) + "." + std::string(ref.name));
        return nullptr;
    }
    if (from->fromJar && !f->owner->fromJar && !(f->access & (ACC_PUBLIC | ACC_PROTECTED))) {
        throwNew(t, "java/lang/IllegalAccessError",
                 dotted(from->name) + " cannot reach " + dotted(f->owner->name) + "." + f->name);
        return nullptr;
    }
    from->resolved[index] = f;
    return f;
}

Method* Vm::resolveMethod(Thread& t, Class* from, uint16_t index, bool isInterface) {
    if (void* r = from->resolved[index]) {
        return static_cast<Method*>(r);
    }
    const auto ref = from->file->memberRef(index);
    Class* owner = resolveClass(t, from, from->file->pool[index].a);
    if (!owner) {
        return nullptr;
    }
    if (owner->isInterface() != isInterface && !owner->isArray) {
        throwNew(t, "java/lang/IncompatibleClassChangeError", dotted(ref.owner));
        return nullptr;
    }
    Method* m = owner->lookupMethod(ref.name, ref.descriptor);
    if (!m && owner->isInterface()) {
        m = objectClass->findMethod(ref.name, ref.descriptor);
    }
    if (!m) {
        throwNew(t, "java/lang/NoSuchMethodError",
                 dotted(ref.owner) + "." + std::string(ref.name) + std::string(ref.descriptor));
        return nullptr;
    }
    if ((m->access & ACC_NATIVE) && !m->native) {
        throwNew(t, "java/lang/NoSuchMethodError", m->fullName());
        return nullptr;
    }
    if (from->fromJar && !m->owner->fromJar && !(m->access & (ACC_PUBLIC | ACC_PROTECTED))) {
        throwNew(t, "java/lang/IllegalAccessError",
                 dotted(from->name) + " cannot reach " + m->fullName());
        return nullptr;
    }
    from->resolved[index] = m;
    return m;
}

// ---------------------------------------------------------------- heap

Object* Vm::allocRaw(Class* c, std::size_t bytes) {
    if (heapBytes_ + bytes > nextGc_ || heapBytes_ + bytes > options_.heapLimit) {
        collectGarbage();
        if (heapBytes_ + bytes > options_.heapLimit) {
            return nullptr;
        }
    }
    auto* o = static_cast<Object*>(std::calloc(1, bytes));
    if (!o) {
        return nullptr;
    }
    o->cls = c;
    heapBytes_ += bytes;
    objects_.push_back(o);
    return o;
}

Object* Vm::allocInstance(Class* c) {
    return allocRaw(c, sizeof(Object) + sizeof(Slot) * static_cast<std::size_t>(c->instanceSlots));
}

Object* Vm::allocArray(Class* arrayClass, int32_t length) {
    const std::size_t bytes =
        sizeof(ArrayObject) + static_cast<std::size_t>(length) * arrayClass->elementSize;
    if (length < 0 || bytes > options_.heapLimit) {
        return nullptr;
    }
    Object* a = allocRaw(arrayClass, (bytes + 7) & ~std::size_t(7));
    if (a) {
        static_cast<ArrayObject*>(a)->length = length;
    }
    return a;
}

int32_t Vm::identityHash(Object* o) {
    if (o->hash == 0) {
        // xorshift: the same hashes from run to run
        uint32_t x = hashState_;
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        hashState_ = x;
        o->hash = (x & 0x7FFFFFFF) | 1;
    }
    return static_cast<int32_t>(o->hash);
}

void Vm::mark(Object* o, std::vector<Object*>& work) {
    if (o && !o->marked) {
        o->marked = 1;
        work.push_back(o);
    }
}

void Vm::collectGarbage() {
    std::unordered_set<Object*> all(objects_.begin(), objects_.end());
    std::vector<Object*> work;
    auto maybe = [&](const Slot& s) {
        Object* p = s.a;
        if (p && all.count(p)) {
            mark(p, work);
        }
    };
    for (const auto& c : ownedClasses_) {
        for (int i : c->staticRefs) {
            mark(c->statics[i].a, work);
        }
        mark(c->mirror, work);
        if (c->file) {
            for (std::size_t i = 0; i < c->resolved.size(); ++i) {
                if (c->file->pool[i].tag == CONSTANT_String) {
                    mark(static_cast<Object*>(c->resolved[i]), work);
                }
            }
        }
    }
    for (auto& [text, s] : interned_) {
        mark(s, work);
    }
    for (Object* o : tempRoots) {
        mark(o, work);
    }
    for (Object* o : events_) {
        mark(o, work);
    }
    mark(screenArray_, work);
    for (const auto& t : threads_) {
        mark(t->javaThread, work);
        mark(t->pending, work);
        mark(t->reacquire, work);
        mark(t->callAfterArg, work);
        if (t->completing && (t->completing->ret == 'L' || t->completing->ret == '[')) {
            maybe(t->result);
        }
        if (t->frames.empty()) {
            continue;
        }
        const Frame& top = t->frames.back();
        const Slot* end = top.stack + top.method->maxStack;
        for (const Slot* s = t->stack.data(); s < end; ++s) {
            maybe(*s);
        }
        for (const Frame& f : t->frames) {
            mark(f.lock, work);
        }
    }
    for (auto& [obj, q] : waiters_) {
        mark(obj, work);
    }
    while (!work.empty()) {
        Object* o = work.back();
        work.pop_back();
        Class* c = o->cls;
        if (c->isArray) {
            if (c->elementType == 'L') {
                Object** e = elementsOf<Object*>(o);
                for (int32_t i = 0, n = lengthOf(o); i < n; ++i) {
                    mark(e[i], work);
                }
            }
        } else {
            Slot* f = fieldsOf(o);
            for (int s : c->refSlots) {
                mark(f[s].a, work);
            }
        }
    }
    std::size_t live = 0;
    std::size_t kept = 0;
    for (Object* o : objects_) {
        if (o->marked) {
            o->marked = 0;
            objects_[kept++] = o;
            const Class* c = o->cls;
            live += c->isArray ? ((sizeof(ArrayObject) +
                                   static_cast<std::size_t>(lengthOf(o)) * c->elementSize + 7) &
                                  ~std::size_t(7))
                               : sizeof(Object) + sizeof(Slot) * c->instanceSlots;
        } else {
            delete o->monitor;
            std::free(o);
        }
    }
    objects_.resize(kept);
    heapBytes_ = live;
    liveBytes_ = live;
    nextGc_ = std::max<std::size_t>(live * 2, 1u << 20);
}

// ---------------------------------------------------------------- strings

Object* Vm::newString(std::u16string_view text) {
    TempRoot roots(*this);
    Object* chars = roots.keep(allocArray(charArrayClass, static_cast<int32_t>(text.size())));
    if (!chars) {
        return nullptr;
    }
    std::memcpy(elementsOf<char16_t>(chars), text.data(), text.size() * 2);
    Object* s = allocInstance(stringClass);
    if (!s) {
        return nullptr;
    }
    static thread_local int valueSlot = -1, countSlot = -1;
    if (valueSlot < 0) {
        valueSlot = stringClass->findField("value", "[C")->slot;
        countSlot = stringClass->findField("count", "I")->slot;
    }
    fieldsOf(s)[valueSlot].a = chars;
    fieldsOf(s)[countSlot].i = static_cast<int32_t>(text.size());
    return s;
}

Object* Vm::newStringUtf8(std::string_view utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<uint8_t>(utf8[i]);
        uint32_t cp = 0xFFFD;
        std::size_t n = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            cp = (c & 0x1F) << 6 | (utf8[i + 1] & 0x3F);
            n = 2;
        } else if ((c & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
            cp = (c & 0x0F) << 12 | (utf8[i + 1] & 0x3F) << 6 | (utf8[i + 2] & 0x3F);
            n = 3;
        } else if ((c & 0xF8) == 0xF0 && i + 3 < utf8.size()) {
            cp = (c & 0x07) << 18 | (utf8[i + 1] & 0x3F) << 12 | (utf8[i + 2] & 0x3F) << 6 |
                 (utf8[i + 3] & 0x3F);
            n = 4;
        }
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return newString(out);
}

std::u16string Vm::stringValue(Object* s) const {
    if (!s) {
        return u"null";
    }
    Slot* f = fieldsOf(s);
    static thread_local int valueSlot = -1, offsetSlot = -1, countSlot = -1;
    if (valueSlot < 0) {
        valueSlot = stringClass->findField("value", "[C")->slot;
        offsetSlot = stringClass->findField("offset", "I")->slot;
        countSlot = stringClass->findField("count", "I")->slot;
    }
    Object* chars = f[valueSlot].a;
    return std::u16string(elementsOf<char16_t>(chars) + f[offsetSlot].i,
                          static_cast<std::size_t>(f[countSlot].i));
}

std::string Vm::stringUtf8(Object* s) const {
    return utf16ToUtf8(stringValue(s));
}

Object* Vm::intern(Object* string) {
    std::u16string text = stringValue(string);
    auto it = interned_.find(text);
    if (it != interned_.end()) {
        return it->second;
    }
    interned_.emplace(std::move(text), string);
    return string;
}

Object* Vm::literal(const std::string& modifiedUtf8) {
    const std::u16string text = decodeModifiedUtf8(modifiedUtf8);
    auto it = interned_.find(text);
    if (it != interned_.end()) {
        return it->second;
    }
    Object* s = newString(text);
    if (s) {
        interned_.emplace(text, s);
    }
    return s;
}

Slot& Vm::field(Object* o, std::string_view name) {
    for (Class* c = o->cls; c; c = c->super) {
        for (const auto& f : c->fields) {
            if (!f->isStatic() && f->name == name) {
                return fieldsOf(o)[f->slot];
            }
        }
    }
    std::abort();  // a field the library declares
}

Slot& Vm::staticField(Class* c, std::string_view name) {
    for (const auto& f : c->fields) {
        if (f->isStatic() && f->name == name) {
            return c->statics[f->slot];
        }
    }
    std::abort();
}

// ---------------------------------------------------------------- exceptions

void Vm::throwNew(Thread& t, std::string_view cls, const std::string& message) {
    Class* c = nullptr;
    try {
        c = findClass(cls, nullptr);
    } catch (const LinkFailure&) {
        c = findClass("java/lang/Error", nullptr);
    }
    // The exception finds room beyond the heap's limit, so that running out of memory can be
    // reported.
    const std::size_t limit = options_.heapLimit;
    options_.heapLimit += 256u << 10;
    TempRoot roots(*this);
    Object* e = roots.keep(allocInstance(c));
    if (e) {
        if (!message.empty()) {
            field(e, "detailMessage").a = newStringUtf8(message);
        }
        fillStackTrace(t, e);
    }
    options_.heapLimit = limit;
    if (!e) {
        platform_.print(uncaughtPrefix + "\njava.lang.OutOfMemoryError\n", true);
        exit(1);
        return;
    }
    t.pending = e;
}

void Vm::throwObject(Thread& t, Object* exception) {
    t.pending = exception;
}

void Vm::fillStackTrace(Thread& t, Object* throwable) {
    std::string trace;
    for (auto f = t.frames.rbegin(); f != t.frames.rend(); ++f) {
        const Method* m = f->method;
        // Constructors of the throwable itself are not part of its trace.
        if (trace.empty() && m->name == "<init>" && isAssignable(throwable->cls, m->owner)) {
            continue;
        }
        if (trace.empty() && m->name == "fillInStackTrace") {
            continue;
        }
        trace += "\tat " + dotted(m->owner->name) + "." + m->name;
        const int insn = static_cast<int>(f->pc - m->code.data());
        const int line = m->lineAt(insn);
        if (line >= 0 && !m->owner->file->sourceFile.empty()) {
            trace += "(" + m->owner->file->sourceFile + ":" + std::to_string(line) + ")";
        } else if (m->native) {
            trace += "(Native Method)";
        } else if (insn >= 0 && insn < static_cast<int>(m->pcOf.size())) {
            trace += "(+" + std::to_string(m->pcOf[insn]) + ")";
        }
        trace += "\n";
        if (trace.size() > 8000) {
            trace += "\t...\n";
            break;
        }
    }
    TempRoot roots(*this);
    roots.keep(throwable);
    field(throwable, "stackTrace").a = newStringUtf8(trace);
}

void Vm::uncaught(Thread& t, Object* exception) {
    (void)t;
    std::string text = uncaughtPrefix + "\n";
    text += dotted(exception->cls->name);
    if (Object* msg = field(exception, "detailMessage").a) {
        text += ": " + stringUtf8(msg);
    }
    text += "\n";
    if (Object* trace = field(exception, "stackTrace").a) {
        text += stringUtf8(trace);
    }
    platform_.print(text, true);
    failed_ = true;
    exit(1);
}

void Vm::exit(int status) {
    if (!exited_) {
        exited_ = true;
        exitStatus_ = status;
    }
}

// ---------------------------------------------------------------- threads

Thread& Vm::newThread(Object* javaThread, Method* entry, Object* receiver) {
    auto owned = std::make_unique<Thread>();
    Thread& t = *owned;
    t.id = static_cast<int>(threads_.size()) + 1;
    t.javaThread = javaThread;
    t.stack.assign(static_cast<std::size_t>(options_.stackSlots), Slot{});
    t.frames.reserve(static_cast<std::size_t>(options_.maxFrameDepth) + 8);
    threads_.push_back(std::move(owned));
    prepare(entry);
    Slot* args = t.stack.data();
    if (receiver) {
        args[0].a = receiver;
    }
    pushFrame(t, entry, args);
    t.frames.back().advance = false;
    return t;
}

Thread* Vm::threadOf(Object* javaThread) {
    for (const auto& t : threads_) {
        if (t->javaThread == javaThread) {
            return t.get();
        }
    }
    return nullptr;
}

void Vm::startThread(Thread& by, Object* javaThread) {
    if (threadOf(javaThread)) {
        throwNew(by, "java/lang/IllegalThreadStateException");
        return;
    }
    Method* run = javaThread->cls->lookupMethod("run", "()V");
    Thread& t = newThread(javaThread, run, javaThread);
    t.started = true;
    ready_.push_back(&t);
}

void Vm::threadEnded(Thread& t) {
    t.finished = true;
    t.frames.clear();
    if (auto it = joiners_.find(&t); it != joiners_.end()) {
        for (Thread* j : it->second) {
            ready_.push_back(j);
        }
        joiners_.erase(it);
    }
    if (running_ == &t) {
        dispatch();
    }
}

void Vm::start() {
    auto it = jar_.manifest.find("MIDlet-1");
    std::string cls;
    if (it != jar_.manifest.end()) {
        const std::string& v = it->second;
        const std::size_t a = v.find(',');
        const std::size_t b = a == std::string::npos ? a : v.find(',', a + 1);
        if (b != std::string::npos) {
            cls = v.substr(b + 1);
            cls.erase(0, cls.find_first_not_of(" \t"));
            cls.erase(cls.find_last_not_of(" \t") + 1);
        }
    }
    if (cls.empty()) {
        throw JarError("the manifest has no MIDlet-1 entry \"name, icon, class\"");
    }
    Class* launcher = nullptr;
    try {
        launcher = findClass("javax/microedition/midlet/Launcher", nullptr);
    } catch (const LinkFailure& f) {
        throw JarError("the machine's class library is damaged: " + f.error + ": " + f.message);
    }
    Method* main = launcher->findMethod("main", "(Ljava/lang/String;)V");
    Object* name = newStringUtf8(cls);
    Thread& t = newThread(nullptr, main, nullptr);
    t.stack[0].a = name;
    t.name = "main";
    running_ = &t;
}

void Vm::startMain(const std::string& cls, const std::string& name, const std::string& desc) {
    Class* c = findClass(cls, nullptr);
    Method* m = c->findMethod(name, desc);
    if (!m) {
        throw JarError("no method " + name + desc + " in " + cls);
    }
    Thread& t = newThread(nullptr, m, nullptr);
    t.name = "main";
    running_ = &t;
}

// ---------------------------------------------------------------- scheduling

void Vm::wakeWaiter(const std::shared_ptr<Waiter>& w) {
    w->woken = true;
    if (w->timed) {
        if (auto it = sleeping_.find(w->thread); it != sleeping_.end()) {
            sleepers_.erase(it->second);
            sleeping_.erase(it);
        }
    }
    auto q = waiters_.find(w->monitor);
    if (q != waiters_.end()) {
        auto& d = q->second;
        d.erase(std::remove(d.begin(), d.end(), w), d.end());
        if (d.empty()) {
            waiters_.erase(q);
        }
    }
}

void Vm::dispatch() {
    if (running_) {
        running_->yielded = true;
    }
    while (true) {
        while (!sleepers_.empty() && sleepers_.begin()->wake <= now_) {
            Sleeper s = *sleepers_.begin();
            sleepers_.erase(sleepers_.begin());
            sleeping_.erase(s.thread);
            if (s.waiter) {
                wakeWaiter(s.waiter);
            }
            ready_.push_back(s.thread);
        }
        Thread* next = nullptr;
        if (!ready_.empty()) {
            next = ready_.front();
            ready_.pop_front();
        }
        if (!next && !sleepers_.empty()) {
            Sleeper s = *sleepers_.begin();
            sleepers_.erase(sleepers_.begin());
            sleeping_.erase(s.thread);
            if (s.waiter) {
                wakeWaiter(s.waiter);
            }
            now_ = s.wake;
            spins_ = 0;
            next = s.thread;
        }
        if (next) {
            running_ = next;
            quantumUsed_ = 0;
            return;
        }
        running_ = nullptr;
        if (exited_ || !onIdle()) {
            return;
        }
    }
}

void Vm::postKey(bool press, int code) {
    TempRoot roots(*this);
    Object* k = roots.keep(allocInstance(keyEventClass));
    if (!k) {
        return;
    }
    field(k, "type").i = press ? 0 : 1;
    field(k, "code").i = code;
    postEvent(k);
}

bool Vm::onIdle() {
    if (options_.keys && !options_.keys->empty()) {
        for (const KeyScript::Event& e : options_.keys->nextGroup()) {
            postKey(e.press, e.code);
        }
        return true;
    }
    if (!options_.exitWhenIdle) {
        return false;
    }
    platform_.print("avizad-vm: the MIDlet is idle after " + std::to_string(frames_) + " frames\n",
                    true);
    exit(0);
    return false;
}

long long Vm::currentTimeMillis(Thread& t) {
    if (++spins_ > 1000 && running_ == &t) {
        now_++;
        if ((!ready_.empty() || (!sleepers_.empty() && sleepers_.begin()->wake <= now_)) &&
            t.monitorsHeld == 0) {
            ready_.push_back(&t);
            t.resultIsTime = true;
            dispatch();
        }
    }
    return now_;
}

void Vm::sleep(Thread& t, long long millis) {
    if (t.interrupted) {
        t.interrupted = false;
        throwNew(t, "java/lang/InterruptedException");
        return;
    }
    framesAwake_ = 0;
    Sleeper s{now_ + millis, sequence_++, &t, nullptr};
    sleepers_.insert(s);
    sleeping_[&t] = s;
    t.interruptible = true;
    dispatch();
}

void Vm::yield(Thread& t) {
    ready_.push_back(&t);
    dispatch();
}

void Vm::park(Thread& t) {
    if (permits_.erase(&t)) {
        return;
    }
    framesAwake_ = 0;
    parked_.insert(&t);
    dispatch();
}

void Vm::unpark(Thread* t) {
    if (!t) {
        return;
    }
    if (parked_.erase(t)) {
        ready_.push_back(t);
    } else {
        permits_.insert(t);
    }
}

void Vm::join(Thread& t, Thread* other) {
    if (!other || other->finished) {
        return;
    }
    joiners_[other].push_back(&t);
    framesAwake_ = 0;
    dispatch();
}

void Vm::waitOn(Thread& t, Object* monitor, long long millis) {
    Monitor* m = monitor->monitor;
    if (!m || m->owner != &t) {
        throwNew(t, "java/lang/IllegalMonitorStateException", "current thread is not owner");
        return;
    }
    if (t.interrupted) {
        t.interrupted = false;
        throwNew(t, "java/lang/InterruptedException");
        return;
    }
    auto w = std::make_shared<Waiter>(Waiter{&t, monitor});
    waiters_[monitor].push_back(w);
    waitingOf_[&t] = w;
    if (millis > 0) {
        w->timed = true;
        Sleeper s{now_ + millis, sequence_++, &t, w};
        sleepers_.insert(s);
        sleeping_[&t] = s;
    }
    framesAwake_ = 0;
    // The monitor is let go while the thread waits and taken again when it goes on.
    t.reacquire = monitor;
    t.reacquireCount = m->count;
    t.monitorsHeld -= m->count;
    m->owner = nullptr;
    m->count = 0;
    if (!m->entry.empty()) {
        auto [next, count] = m->entry.front();
        m->entry.pop_front();
        m->owner = next;
        m->count = count;
        next->monitorsHeld += count;
        ready_.push_back(next);
    }
    t.interruptible = true;
    dispatch();
}

void Vm::notifyOn(Thread& t, Object* monitor, bool all) {
    Monitor* m = monitor->monitor;
    if (!m || m->owner != &t) {
        throwNew(t, "java/lang/IllegalMonitorStateException", "current thread is not owner");
        return;
    }
    auto q = waiters_.find(monitor);
    while (q != waiters_.end() && !q->second.empty()) {
        std::shared_ptr<Waiter> w = q->second.front();
        wakeWaiter(w);
        ready_.push_back(w->thread);
        if (!all) {
            break;
        }
        q = waiters_.find(monitor);
    }
}

void Vm::interrupt(Thread* t) {
    if (!t || t->finished) {
        return;
    }
    t->interrupted = true;
    if (auto it = sleeping_.find(t); it != sleeping_.end()) {
        sleepers_.erase(it->second);
        if (it->second.waiter) {
            wakeWaiter(it->second.waiter);
        }
        sleeping_.erase(it);
        ready_.push_back(t);
    } else if (auto w = waitingOf_.find(t); w != waitingOf_.end() && !w->second->woken) {
        wakeWaiter(w->second);
        ready_.push_back(t);
    }
}

void Vm::frameShown(Thread& t) {
    const bool busy = ++framesAwake_ > 1;
    if (busy && t.monitorsHeld == 0) {
        yield(t);
    }
}

bool Vm::enterMonitor(Thread& t, Object* o) {
    if (!o->monitor) {
        o->monitor = new Monitor();
    }
    Monitor* m = o->monitor;
    if (m->owner == nullptr) {
        m->owner = &t;
        m->count = 1;
        t.monitorsHeld++;
        return true;
    }
    if (m->owner == &t) {
        m->count++;
        t.monitorsHeld++;
        return true;
    }
    m->entry.emplace_back(&t, 1);
    dispatch();
    return false;
}

bool Vm::exitMonitor(Thread& t, Object* o) {
    Monitor* m = o->monitor;
    if (!m || m->owner != &t) {
        throwNew(t, "java/lang/IllegalMonitorStateException", "current thread is not owner");
        return false;
    }
    t.monitorsHeld--;
    if (--m->count == 0) {
        m->owner = nullptr;
        if (!m->entry.empty()) {
            auto [next, count] = m->entry.front();
            m->entry.pop_front();
            m->owner = next;
            m->count = count;
            next->monitorsHeld += count;
            ready_.push_back(next);
        }
    }
    return true;
}

// Runs when a thread that gave its turn away gets it back.
void Vm::resumeThread(Thread& t) {
    if (t.reacquire) {
        Object* o = t.reacquire;
        Monitor* m = o->monitor;
        waitingOf_.erase(&t);
        if (m->owner == nullptr) {
            m->owner = &t;
            m->count = t.reacquireCount;
            t.monitorsHeld += t.reacquireCount;
        } else if (m->owner != &t) {
            m->entry.emplace_back(&t, t.reacquireCount);
            t.reacquire = nullptr;
            dispatch();
            return;  // handed over with its count when the owner lets go
        }
        t.reacquire = nullptr;
    }
    if (t.interruptible && t.interrupted) {
        t.interrupted = false;
        t.interruptible = false;
        t.completing = nullptr;
        t.resultIsTime = false;
        throwNew(t, "java/lang/InterruptedException");
        return;
    }
    t.interruptible = false;
}

// ---------------------------------------------------------------- device

void Vm::postEvent(Object* event) {
    events_.push_back(event);
    unpark(eventThread);
}

Object* Vm::pollEvent() {
    if (events_.empty()) {
        return nullptr;
    }
    Object* e = events_.front();
    events_.pop_front();
    return e;
}

std::vector<uint32_t> Vm::screen() const {
    const std::size_t n = static_cast<std::size_t>(options_.width) * options_.height;
    if (!screenArray_ || static_cast<std::size_t>(lengthOf(screenArray_)) != n) {
        return std::vector<uint32_t>(n, 0xFFFFFF);
    }
    const uint32_t* p = elementsOf<uint32_t>(screenArray_);
    return std::vector<uint32_t>(p, p + n);
}

void Vm::saveRecordStores() {
    std::vector<uint8_t> out;
    auto put32 = [&](std::size_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            out.push_back(static_cast<uint8_t>(v >> shift));
        }
    };
    for (const auto& [name, data] : recordStores_) {
        put32(name.size());
        out.insert(out.end(), name.begin(), name.end());
        put32(data.size());
        out.insert(out.end(), data.begin(), data.end());
    }
    platform_.saveRecordStores(out);
}

void Vm::startScript() {
    if (!options_.keys) {
        return;
    }
    for (const KeyScript::Event& e : options_.keys->due(0)) {
        postKey(e.press, e.code);
    }
}

bool Vm::initializeFromNative(Thread& t, Class* c) {
    if (initialize(t, c)) {
        return true;
    }
    if (!t.pending) {
        t.reexecute = true;
    }
    return false;
}

int Vm::liveThreads() const {
    int n = 0;
    for (const auto& t : threads_) {
        n += t->finished ? 0 : 1;
    }
    return n;
}

void Vm::fail(Thread& t, Object* throwable) {
    if (throwable) {
        uncaught(t, throwable);
    } else {
        exit(1);
    }
}

void Vm::frameDone() {
    const long long f = ++frames_;
    if (screenArray_) {
        platform_.present(elementsOf<uint32_t>(screenArray_), options_.width, options_.height);
    }
    if (options_.keys) {
        for (const KeyScript::Event& e : options_.keys->due(f)) {
            postKey(e.press, e.code);
        }
    }
    if (options_.maxFrames >= 0 && f >= options_.maxFrames) {
        exit(0);
    }
}

}  // namespace avizad::vm
