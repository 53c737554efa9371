// avizad-vm: plays a MIDlet suite jar on the machine, with the emulator's headless options.
//
//   avizad-vm [--headless] [--frames N] [--keys SCRIPT] [--screenshot FILE.png]
//             [--timeout SECONDS] [--size WxH] [--heap MB] JAR

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "vm/Vm.h"
#include "vm/host/NativePlatform.h"

namespace {

using namespace avizad::vm;

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << "avizad-vm: " << problem << "\n"
              << "usage: avizad-vm [--frames N] [--keys SCRIPT] [--screenshot FILE.png]"
                 " [--timeout SECONDS] [--size WxH] [--heap MB] JAR\n";
    std::exit(2);
}

long long number(const std::string& option, const std::string& text) {
    try {
        std::size_t used = 0;
        const long long v = std::stoll(text, &used);
        if (used != text.size()) {
            throw std::invalid_argument(text);
        }
        return v;
    } catch (const std::exception&) {
        usage("bad value for " + option);
    }
}

bool readFile(const std::string& path, std::vector<uint8_t>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
    VmOptions options;
    std::string jarPath;
    std::string keysPath;
    std::string shot;
    long long timeout = 300;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--headless") {
            continue;
        }
        if (a == "--frames" || a == "--keys" || a == "--screenshot" || a == "--timeout" ||
            a == "--size" || a == "--heap" || a == "--scale") {
            if (!hasValue) {
                usage(a + " needs a value");
            }
            const std::string v = argv[++i];
            if (a == "--frames") {
                options.maxFrames = number(a, v);
            } else if (a == "--keys") {
                keysPath = v;
            } else if (a == "--screenshot") {
                shot = v;
            } else if (a == "--timeout") {
                timeout = number(a, v);
            } else if (a == "--heap") {
                const long long mb = number(a, v);
                if (mb < 1 || mb > 1024) {
                    usage("bad value for --heap");
                }
                options.heapLimit = static_cast<std::size_t>(mb) << 20;
            } else if (a == "--size") {
                const std::size_t x = v.find('x');
                if (x == std::string::npos) {
                    usage("bad value for --size");
                }
                options.width = static_cast<int>(number(a, v.substr(0, x)));
                options.height = static_cast<int>(number(a, v.substr(x + 1)));
            }
            continue;
        }
        if (!a.empty() && a[0] == '-') {
            usage("unknown argument " + a);
        }
        if (!jarPath.empty()) {
            usage("unknown argument " + a);
        }
        jarPath = a;
    }
    if (jarPath.empty()) {
        usage("no MIDlet suite jar given");
    }
    if (options.width < 16 || options.height < 16 || options.width > 4096 ||
        options.height > 4096) {
        usage("bad screen size or scale");
    }
    if (!keysPath.empty()) {
        std::vector<uint8_t> text;
        if (!readFile(keysPath, text)) {
            usage("cannot read " + keysPath);
        }
        try {
            options.keys = KeyScript::parse(std::string(text.begin(), text.end()), keysPath);
        } catch (const KeyScriptError& e) {
            usage(e.what());
        }
    }
    std::vector<uint8_t> bytes;
    if (!readFile(jarPath, bytes)) {
        usage("no such file: " + jarPath);
    }
    NativePlatform platform;
    const auto started = std::chrono::steady_clock::now();
    std::unique_ptr<Vm> vm;
    try {
        Jar jar = readJar(bytes, platform);
        vm = std::make_unique<Vm>(platform, std::move(jar), options);
        vm->start();
    } catch (const JarError& e) {
        usage(jarPath + ": " + e.what());
    }
    while (vm->run(200000)) {
        if (timeout > 0 &&
            std::chrono::steady_clock::now() - started > std::chrono::seconds(timeout)) {
            std::fflush(stdout);
            std::cerr << "avizad-vm: no end after " << timeout << " s (real time); " << vm->frames()
                      << " frames shown" << std::endl;
            std::_Exit(3);
        }
    }
    int status = vm->exitStatus();
    if (!shot.empty() && !vm->failed()) {
        if (!writeScreenPng(shot, vm->screen(), vm->width(), vm->height())) {
            std::cerr << "avizad-vm: cannot write " << shot << std::endl;
            status = status == 0 ? 2 : status;
        }
    }
    std::fflush(stdout);
    return status;
}
