// The natives of the device: the event queue, the suite's resources and properties, the
// screen, pictures, text, sound and record stores.

#include <algorithm>
#include <cstring>

#include "phonefont/PhoneFont.h"
#include "vm/Raster.h"
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

Object* byteArray(Vm& vm, Thread& t, const uint8_t* data, std::size_t size) {
    Object* a = vm.allocArray(vm.primitiveArrayClass('B'), static_cast<int32_t>(size));
    if (!a) {
        vm.throwNew(t, "java/lang/OutOfMemoryError");
        return nullptr;
    }
    std::memcpy(elementsOf<uint8_t>(a), data, size);
    return a;
}

// ---------------------------------------------------------------- events and the suite

void vmPost(Vm& vm, Thread& t, Slot* args, Slot*) {
    if (nullCheck(vm, t, args[0].a)) {
        vm.postEvent(args[0].a);
    }
}

void vmPoll(Vm& vm, Thread&, Slot*, Slot* result) {
    result->a = vm.pollEvent();
}

void vmSetEventThread(Vm& vm, Thread& t, Slot*, Slot*) {
    vm.eventThread = &t;
}

void vmIsEventThread(Vm& vm, Thread& t, Slot*, Slot* result) {
    result->i = vm.eventThread == &t ? 1 : 0;
}

void vmResource(Vm& vm, Thread& t, Slot* args, Slot* result) {
    if (!nullCheck(vm, t, args[0].a)) {
        return;
    }
    const std::string name = vm.stringUtf8(args[0].a);
    if (const auto* bytes = vm.jar().entry(name)) {
        result->a = byteArray(vm, t, bytes->data(), bytes->size());
    }
}

void vmProperty(Vm& vm, Thread& t, Slot* args, Slot* result) {
    if (!nullCheck(vm, t, args[0].a)) {
        return;
    }
    const auto& m = vm.jar().manifest;
    auto it = m.find(vm.stringUtf8(args[0].a));
    if (it != m.end()) {
        result->a = vm.newStringUtf8(it->second);
    }
}

void vmSystemProperty(Vm& vm, Thread&, Slot* args, Slot* result) {
    static const std::pair<const char*, const char*> props[] = {
        {"microedition.platform", "Avizad"},    {"microedition.configuration", "CLDC-1.1"},
        {"microedition.profiles", "MIDP-2.0"},  {"microedition.locale", "en-US"},
        {"microedition.encoding", "UTF-8"},     {"microedition.commports", ""},
        {"microedition.hostname", "localhost"}, {"supports.mixing", "false"},
        {"supports.audio.capture", "false"},    {"supports.video.capture", "false"},
        {"supports.recording", "false"},        {"audio.encodings", ""},
    };
    const std::string key = vm.stringUtf8(args[0].a);
    for (const auto& [k, v] : props) {
        if (key == k) {
            result->a = vm.newStringUtf8(v);
            return;
        }
    }
}

void vmScreenWidth(Vm& vm, Thread&, Slot*, Slot* result) {
    result->i = vm.width();
}
void vmScreenHeight(Vm& vm, Thread&, Slot*, Slot* result) {
    result->i = vm.height();
}

void vmSetScreen(Vm& vm, Thread&, Slot* args, Slot*) {
    vm.setScreenArray(args[0].a);
}

void vmStartScript(Vm& vm, Thread&, Slot*, Slot*) {
    vm.startScript();
}

void vmFrameDone(Vm& vm, Thread&, Slot*, Slot*) {
    vm.frameDone();
}

// ---------------------------------------------------------------- sound and record stores

void vmPlaySound(Vm& vm, Thread& t, Slot* args, Slot*) {
    Object* data = args[1].a;
    if (!nullCheck(vm, t, data)) {
        return;
    }
    std::vector<uint8_t> bytes(elementsOf<uint8_t>(data),
                               elementsOf<uint8_t>(data) + lengthOf(data));
    vm.platform().playSound(args[0].i, bytes, args[2].a ? vm.stringUtf8(args[2].a) : "", args[3].i);
}

void vmStopSound(Vm& vm, Thread&, Slot* args, Slot*) {
    vm.platform().stopSound(args[0].i);
}

void vmLoadStore(Vm& vm, Thread& t, Slot* args, Slot* result) {
    auto& stores = vm.recordStores();
    auto it = stores.find(vm.stringUtf8(args[0].a));
    if (it != stores.end()) {
        result->a = byteArray(vm, t, it->second.data(), it->second.size());
    }
}

void vmSaveStore(Vm& vm, Thread&, Slot* args, Slot*) {
    Object* b = args[1].a;
    vm.recordStores()[vm.stringUtf8(args[0].a)] =
        std::vector<uint8_t>(elementsOf<uint8_t>(b), elementsOf<uint8_t>(b) + lengthOf(b));
    vm.saveRecordStores();
}

void vmDeleteStore(Vm& vm, Thread&, Slot* args, Slot* result) {
    result->i = vm.recordStores().erase(vm.stringUtf8(args[0].a)) ? 1 : 0;
    if (result->i) {
        vm.saveRecordStores();
    }
}

void vmListStores(Vm& vm, Thread& t, Slot*, Slot* result) {
    auto& stores = vm.recordStores();
    if (stores.empty()) {
        return;
    }
    Class* arrayClass = vm.arrayClassOf(vm.stringClass);
    Vm::TempRoot roots(vm);
    Object* out = roots.keep(vm.allocArray(arrayClass, static_cast<int32_t>(stores.size())));
    if (!out) {
        vm.throwNew(t, "java/lang/OutOfMemoryError");
        return;
    }
    // Sorted by their UTF-16 text, as String.compareTo orders them.
    std::vector<std::u16string> names;
    for (const auto& [name, bytes] : stores) {
        std::u16string n;
        Object* s = vm.newStringUtf8(name);
        if (s) {
            n = vm.stringValue(s);
        }
        names.push_back(n);
    }
    std::sort(names.begin(), names.end());
    for (std::size_t i = 0; i < names.size(); ++i) {
        Object* s = vm.newString(names[i]);
        if (!s) {
            vm.throwNew(t, "java/lang/OutOfMemoryError");
            return;
        }
        elementsOf<Object*>(out)[i] = s;
    }
    result->a = out;
}

// ---------------------------------------------------------------- Graphics

Surface surfaceOf(Slot* a) {
    Object* t = a[0].a;
    return Surface{elementsOf<uint32_t>(t), a[1].i, a[2].i, a[3].i != 0};
}

ClipRect clipOf(Slot* a) {
    return ClipRect{a[4].i, a[5].i, a[6].i, a[7].i};
}

void graphicsFill(Vm&, Thread&, Slot* a, Slot*) {
    Surface s = surfaceOf(a);
    fillRect(s, clipOf(a), a[8].i, a[9].i, a[10].i, a[11].i, static_cast<uint32_t>(a[12].i));
}

void graphicsShape(Vm&, Thread&, Slot* a, Slot*) {
    Surface s = surfaceOf(a);
    const ClipRect c = clipOf(a);
    const int kind = a[8].i;
    const int p0 = a[9].i, p1 = a[10].i, p2 = a[11].i, p3 = a[12].i, p4 = a[13].i, p5 = a[14].i;
    const auto rgb = static_cast<uint32_t>(a[15].i);
    const bool dotted = a[16].i != 0;
    switch (kind) {
        case 0:
            drawLine(s, c, p0, p1, p2, p3, rgb, dotted);
            break;
        case 1:
            drawRect(s, c, p0, p1, p2, p3, rgb, dotted);
            break;
        case 2:
            drawRoundRect(s, c, p0, p1, p2, p3, p4, p5, rgb, false);
            break;
        case 3:
            drawRoundRect(s, c, p0, p1, p2, p3, p4, p5, rgb, true);
            break;
        case 4:
            drawArc(s, c, p0, p1, p2, p3, p4, p5, rgb, false);
            break;
        case 5:
            drawArc(s, c, p0, p1, p2, p3, p4, p5, rgb, true);
            break;
        default:
            fillTriangle(s, c, p0, p1, p2, p3, p4, p5, rgb);
            break;
    }
}

void graphicsBlit(Vm&, Thread&, Slot* a, Slot*) {
    Surface s = surfaceOf(a);
    Object* src = a[8].a;
    blit(s, clipOf(a), elementsOf<uint32_t>(src), a[9].i, a[10].i, a[11].i, a[12].i, a[13].i,
         a[14].i, a[15].i, a[16].i, a[17].i != 0);
}

phonefont::Font fontOf(Vm& vm, int face, int style, int size) {
    return phonefont::Font(phonefont::screenProfile(vm.width(), vm.height()),
                           static_cast<phonefont::Face>(face), style,
                           static_cast<phonefont::Size>(size));
}

// Text in the phone font by its drawing rule: each pixel written with the colour, unblended.
void graphicsText(Vm& vm, Thread& t, Slot* a, Slot*) {
    if (!nullCheck(vm, t, a[8].a)) {
        return;
    }
    const Surface s = surfaceOf(a);
    const ClipRect c = clipOf(a);
    const phonefont::PixelBuffer target{s.pixels, s.width, s.height, s.width};
    const phonefont::ClipRect clip{c.x, c.y, std::min(c.w, s.width - c.x),
                                   std::min(c.h, s.height - c.y)};
    const auto rgb = static_cast<uint32_t>(a[14].i) & 0xFFFFFF;
    fontOf(vm, a[11].i, a[12].i, a[13].i)
        .drawString(target, clip, vm.stringValue(a[8].a), a[9].i, a[10].i,
                    phonefont::kBaseline | phonefont::kLeft, s.alpha ? 0xFF000000u | rgb : rgb);
}

// ---------------------------------------------------------------- Image and Font

void imageDecode(Vm& vm, Thread& t, Slot* a, Slot* result) {
    Object* bytes = a[0].a;
    Object* size = a[1].a;
    if (!nullCheck(vm, t, bytes)) {
        return;
    }
    auto decoded = vm.platform().decodePng(elementsOf<uint8_t>(bytes),
                                           static_cast<std::size_t>(lengthOf(bytes)));
    if (!decoded || decoded->width <= 0 || decoded->height <= 0) {
        return;
    }
    const std::size_t n = decoded->argb.size();
    Object* pixels = vm.allocArray(vm.primitiveArrayClass('I'), static_cast<int32_t>(n));
    if (!pixels) {
        vm.throwNew(t, "java/lang/OutOfMemoryError");
        return;
    }
    std::memcpy(elementsOf<uint32_t>(pixels), decoded->argb.data(), n * 4);
    elementsOf<int32_t>(size)[0] = decoded->width;
    elementsOf<int32_t>(size)[1] = decoded->height;
    result->a = pixels;
}

void imageTransformed(Vm&, Thread&, Slot* a, Slot*) {
    const uint32_t* src = elementsOf<uint32_t>(a[0].a);
    const int sw = a[1].i, x = a[2].i, y = a[3].i, w = a[4].i, h = a[5].i, tr = a[6].i;
    uint32_t* out = elementsOf<uint32_t>(a[7].a);
    const bool swap = tr >= 4;
    const int ow = swap ? h : w;
    const int oh = swap ? w : h;
    for (int ty = 0; ty < oh; ++ty) {
        for (int tx = 0; tx < ow; ++tx) {
            int sx = 0;
            int sy = 0;
            untransform(tr, w, h, tx, ty, sx, sy);
            out[static_cast<std::size_t>(ty) * ow + tx] =
                src[static_cast<std::size_t>(y + sy) * sw + x + sx];
        }
    }
}

void fontMetric(Vm& vm, Thread&, Slot* a, Slot* result) {
    const phonefont::Font font = fontOf(vm, a[0].i, a[1].i, a[2].i);
    result->i = a[3].i == 0 ? font.height() : font.baseline();
}

void fontWidth(Vm& vm, Thread& t, Slot* a, Slot* result) {
    if (!nullCheck(vm, t, a[3].a)) {
        return;
    }
    result->i = fontOf(vm, a[0].i, a[1].i, a[2].i).stringWidth(vm.stringValue(a[3].a));
}

}  // namespace

void registerDeviceNatives(Table& n) {
    n["avizad/vm/VM.post(Ljava/lang/Object;)V"] = vmPost;
    n["avizad/vm/VM.poll()Ljava/lang/Object;"] = vmPoll;
    n["avizad/vm/VM.setEventThread()V"] = vmSetEventThread;
    n["avizad/vm/VM.isEventThread()Z"] = vmIsEventThread;
    n["avizad/vm/VM.resource(Ljava/lang/String;)[B"] = vmResource;
    n["avizad/vm/VM.property(Ljava/lang/String;)Ljava/lang/String;"] = vmProperty;
    n["avizad/vm/VM.systemProperty(Ljava/lang/String;)Ljava/lang/String;"] = vmSystemProperty;
    n["avizad/vm/VM.screenWidth()I"] = vmScreenWidth;
    n["avizad/vm/VM.screenHeight()I"] = vmScreenHeight;
    n["avizad/vm/VM.setScreen([I)V"] = vmSetScreen;
    n["avizad/vm/VM.startScript()V"] = vmStartScript;
    n["avizad/vm/VM.frameDone()V"] = vmFrameDone;
    n["avizad/vm/VM.playSound(I[BLjava/lang/String;IJ)V"] = vmPlaySound;
    n["avizad/vm/VM.stopSound(I)V"] = vmStopSound;
    n["avizad/vm/VM.loadStore(Ljava/lang/String;)[B"] = vmLoadStore;
    n["avizad/vm/VM.saveStore(Ljava/lang/String;[B)V"] = vmSaveStore;
    n["avizad/vm/VM.deleteStore(Ljava/lang/String;)Z"] = vmDeleteStore;
    n["avizad/vm/VM.listStores()[Ljava/lang/String;"] = vmListStores;
    n["javax/microedition/lcdui/Graphics.fill([IIIZIIIIIIIII)V"] = graphicsFill;
    n["javax/microedition/lcdui/Graphics.shape([IIIZIIIIIIIIIIIIZ)V"] = graphicsShape;
    n["javax/microedition/lcdui/Graphics.blit([IIIZIIII[IIIIIIIIIZ)V"] = graphicsBlit;
    n["javax/microedition/lcdui/Graphics.text([IIIZIIIILjava/lang/String;IIIIII)V"] = graphicsText;
    n["javax/microedition/lcdui/Image.decodePixels([B[I)[I"] = imageDecode;
    n["javax/microedition/lcdui/Image.transformed([IIIIIII[I)V"] = imageTransformed;
    n["javax/microedition/lcdui/Font.metric(IIII)I"] = fontMetric;
    n["javax/microedition/lcdui/Font.width(IIILjava/lang/String;)I"] = fontWidth;
}

}  // namespace avizad::vm
