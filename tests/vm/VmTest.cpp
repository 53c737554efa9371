// The machine's parts on their own (key scripts, Java's number formatting, jars, class files)
// and MIDlets run on it: the language's and the library's edges, and bad input, each ending
// in a Java error or a clear message.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>

#include "VmSupport.h"
#include "vm/ClassFile.h"
#include "vm/JarCheck.h"
#include "vm/KeyScript.h"
#include "vm/Verifier.h"
#include "vm/host/PhoneCheck.h"

namespace avizad::vm {
namespace {

using namespace testing;

TEST(KeyScript, ReadsTheEmulatorsScripts) {
    KeyScript s = KeyScript::parse(
        "# comment\n\n2 tap 49\n5 press RIGHT\n5 release fire\n"
        "7 Press num5\n3 press -7\n",
        "keys.txt");
    const auto first = s.due(2);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].code, 49);
    EXPECT_TRUE(first[0].press);
    const auto next = s.nextGroup();  // frame 3: the tap's release and key -7, in line order
    ASSERT_EQ(next.size(), 2u);
    EXPECT_EQ(next[0].code, 49);
    EXPECT_FALSE(next[0].press);
    EXPECT_EQ(next[1].code, -7);
    const auto five = s.due(6);
    ASSERT_EQ(five.size(), 2u);
    EXPECT_EQ(five[0].code, -4);
    EXPECT_EQ(five[1].code, -5);
    EXPECT_EQ(s.due(7).at(0).code, 53);
    EXPECT_TRUE(s.empty());
}

TEST(KeyScript, NamesTheLineOfAFault) {
    const std::pair<const char*, const char*> bad[] = {
        {"1 tap", "k:1: expected FRAME ACTION KEY, got: 1 tap"},
        {"x tap UP", "k:1: bad frame number: x"},
        {"\n-1 tap UP", "k:2: negative frame number: -1"},
        {"1 tap NOKEY", "k:1: unknown key: NOKEY"},
        {"1 hold UP", "k:1: unknown action: hold"},
    };
    for (const auto& [script, message] : bad) {
        try {
            KeyScript::parse(script, "k");
            ADD_FAILURE() << script;
        } catch (const KeyScriptError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

TEST(FloatFormat, WritesNumbersAsJavaDoes) {
    const std::pair<double, const char*> doubles[] = {
        {1.0, "1.0"},
        {0.1, "0.1"},
        {-0.0, "-0.0"},
        {1e7, "1.0E7"},
        {9999999.0, "9999999.0"},
        {1e-3, "0.001"},
        {1e-4, "1.0E-4"},
        {123456789.0, "1.23456789E8"},
        {2.0 / 3, "0.6666666666666666"},
        {std::numeric_limits<double>::denorm_min(), "4.9E-324"},
        {std::numeric_limits<double>::max(), "1.7976931348623157E308"},
        {std::numeric_limits<double>::infinity(), "Infinity"},
        {-std::numeric_limits<double>::infinity(), "-Infinity"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {1e21, "1.0E21"},
        {100.5, "100.5"},
    };
    for (const auto& [v, s] : doubles) {
        EXPECT_EQ(javaDoubleToString(v), s);
    }
    const std::pair<float, const char*> floats[] = {
        {1.0f / 3, "0.33333334"},        {100.0f, "100.0"},     {0.1f, "0.1"},
        {3.4028235e38f, "3.4028235E38"}, {1.4e-45f, "1.4E-45"}, {1e-5f, "1.0E-5"},
    };
    for (const auto& [v, s] : floats) {
        EXPECT_EQ(javaFloatToString(v), s);
    }
}

TEST(FloatFormat, ParsesJavasGrammarOnly) {
    EXPECT_EQ(parseJavaFloatingPoint(" 1.5e3 ", false), 1500.0);
    EXPECT_EQ(parseJavaFloatingPoint("-2.5f", false), -2.5);
    EXPECT_EQ(parseJavaFloatingPoint("0x1p-2", true), 0.25);
    EXPECT_EQ(parseJavaFloatingPoint(".5", false), 0.5);
    EXPECT_TRUE(std::isinf(*parseJavaFloatingPoint("-Infinity", false)));
    for (const char* bad : {"", "  ", "1e", "e5", "1.5x", "0x1.8", "inf", "1,5", "--1"}) {
        EXPECT_FALSE(parseJavaFloatingPoint(bad, false).has_value()) << bad;
    }
}

TEST(Jar, DamagedArchivesAreRefusedWithAReason) {
    CapturingPlatform platform;
    const Bytes good = midletJar("Conformance", {"Conformance"});
    Bytes corrupt = makeJar({{"a.class", text("0123456789")}});
    // The central directory says deflated: the stored bytes do not inflate.
    for (std::size_t i = 0; i + 4 < corrupt.size(); ++i) {
        if (corrupt[i] == 'P' && corrupt[i + 1] == 'K' && corrupt[i + 2] == 1 &&
            corrupt[i + 3] == 2) {
            corrupt[i + 10] = 8;
        }
    }
    Bytes header = good;
    header[0] = 'X';  // the first entry's local header is gone
    const std::pair<Bytes, const char*> cases[] = {
        {Bytes(), "not a jar file (too short)"},
        {text("just some text that is not an archive at all"), "no central directory"},
        {Bytes(good.begin(), good.begin() + static_cast<long>(good.size() / 2)),
         "no central directory"},
        {corrupt, "damaged jar entry a.class (cannot inflate)"},
        {header, "damaged jar file (local header of META-INF/MANIFEST.MF)"},
    };
    for (const auto& [bytes, reason] : cases) {
        try {
            readJar(bytes, platform);
            ADD_FAILURE() << reason;
        } catch (const JarError& e) {
            EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(readJar(good, platform).manifest.at("MIDlet-Vendor"), "Tests");
}

TEST(ClassFile, RefusesWhatIsNotAClassOfAKnownVersion) {
    const Bytes good = classBytes("Conformance");
    EXPECT_EQ(readClassFile(good.data(), good.size()).name, "Conformance");
    Bytes newer = good;
    newer[7] = 60;
    Bytes magic = good;
    magic[0] = 0;
    Bytes pool = good;
    pool[10] = 0xFF;  // the first constant's tag
    const std::pair<Bytes, const char*> cases[] = {
        {newer, "unsupported class file version 60.0"},
        {magic, "not a class file (bad magic number)"},
        {Bytes(good.begin(), good.begin() + 100), "truncated class file"},
        {pool, "bad constant tag 255 at 1"},
    };
    for (const auto& [bytes, reason] : cases) {
        try {
            readClassFile(bytes.data(), bytes.size());
            ADD_FAILURE() << reason;
        } catch (const ClassFormatError& e) {
            EXPECT_EQ(std::string(e.what()), reason);
        }
    }
}

// The expected lines are those the emulator prints (PlayedOnVm compares the whole output).
TEST(Conformance, TheLanguagesEdgesAsJavaHasThem) {
    const RunResult r = runJar(midletJar(
        "Conformance",
        {"Conformance", "Conformance$Base", "Conformance$Broken", "Conformance$Cube",
         "Conformance$Derived", "Conformance$Named", "Conformance$Shape", "Conformance$Square"}));
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* line : {
             "int -2147483648 2147483647 -2147483648 0 -3 -1 1 -2",
             "shift 2 -4 15 -2147483648 2 15 -16",
             "long -9223372036854775808 -9223372036854775808 0 9223372036854775805 -2 -1",
             "f2i 0 2147483647 -2147483648 9223372036854775807 -9223372036854775808 3 -3",
             "cmp false false false true true true",
             "finally 1 try catch finally",
             "soe true",
             "loops 23",
             "dispatch 33 square4 true true true false true true [LConformance$Shape;",
             "statics 2 Base Derived ",
             "again java.lang.NoClassDefFoundError",
             "random -1170105035 63 -5843495416241995736 19",
             "unseeded 417",
             "time 1262304000000",
             "main saw 3",
             "threads false 3 1262304000030",
             "done",
         }) {
        EXPECT_NE(("\n" + r.out).find("\n" + std::string(line)), std::string::npos) << line << "\n"
                                                                                    << r.out;
    }
}

TEST(BadInput, EachEndsInAJavaErrorNamingIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"null", "java.lang.NullPointerException"},
        {"index", "java.lang.ArrayIndexOutOfBoundsException: Index 3 out of bounds for length 3"},
        {"cast",
         "java.lang.ClassCastException: class java.lang.StringBuffer cannot be cast to "
         "class java.lang.String"},
        {"negative", "java.lang.NegativeArraySizeException: -1"},
        {"heap", "java.lang.OutOfMemoryError"},
        {"recursion", "java.lang.StackOverflowError"},
        {"missing", "java.lang.NoClassDefFoundError: Missing"},
        {"internal", "java.lang.NoClassDefFoundError: avizad.vm.VM"},
    };
    for (const auto& [which, error] : cases) {
        SCOPED_TRACE(which);
        VmOptions options;
        options.heapLimit = 4u << 20;
        const RunResult r =
            runJar(midletJar("Bad", {"Bad"}, std::string("Bad-Case: ") + which + "\r\n"), options);
        ASSERT_TRUE(r.ended);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, std::string("case ") + which + "\n");
        EXPECT_NE(r.err.find("uncaught exception in the MIDlet:\n" + std::string(error) + "\n"),
                  std::string::npos)
            << r.err;
        EXPECT_NE(r.err.find("\tat Bad."), std::string::npos) << r.err;
    }
}

TEST(BadInput, AClassOfAnUnknownVersionIsNotLoaded) {
    Bytes newer = classBytes("Bad");
    newer[7] = 50;
    const Bytes manifest = text(
        "MIDlet-1: Bad, , Bad\r\nMIDlet-Name: Bad\r\nMIDlet-Vendor: Tests\r\nBad-Case: null\r\n");
    const RunResult r = runJar(makeJar({{"META-INF/MANIFEST.MF", manifest}, {"Bad.class", newer}}));
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("java.lang.NoClassDefFoundError: Bad: unsupported class file version "
                         "50.0"),
              std::string::npos)
        << r.err;
}

TEST(BadInput, ALoopThatNeverYieldsIsEndedByTheTimeout) {
    const RunResult r = runJar(midletJar("Bad", {"Bad"}, "Bad-Case: loop\r\n"), {}, 50);
    EXPECT_FALSE(r.ended) << "the loop runs on";
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("avizad-vm-loop-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const Bytes jar = midletJar("Bad", {"Bad"}, "Bad-Case: loop\r\n");
    std::ofstream(dir / "loop.jar", std::ios::binary)
        .write(reinterpret_cast<const char*>(jar.data()), static_cast<long>(jar.size()));
    const std::string command = std::string(AVIZAD_PROGRAM_DIR) + "/avizad-vm --timeout 1 '" +
                                (dir / "loop.jar").string() + "' > '" + (dir / "log").string() +
                                "' 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_NE(readBytes(dir / "log").size(), 0u);
    std::filesystem::remove_all(dir);
}

TEST(Threads, AThreadThatKeepsTheTurnTooLongHandsItOn) {
    VmOptions options;
    options.quantum = 10000;
    const RunResult r = runJar(midletJar("Bad", {"Bad", "Bad$1"}, "Bad-Case: busy\r\n"), options);
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "case busy\nthe other thread ran\n");
}

TEST(Keys, APlayersKeysReachTheGameWhileItWaitsForThem) {
    CapturingPlatform platform;
    VmOptions options;
    options.exitWhenIdle = false;
    Vm vm(platform, readJar(midletJar("Keys", {"Keys", "Keys$1"}), platform), options);
    vm.start();
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(vm.run(100000));
    }
    EXPECT_EQ(vm.frames(), 1) << "the canvas shown, then nothing to do";
    EXPECT_EQ(vm.screen()[0], 0x102030u);
    vm.postKey(true, -1);
    vm.postKey(false, -1);
    vm.postKey(true, 53);
    vm.run(100000);
    EXPECT_EQ(platform.out, "pressed -1 1\npressed 53 8\n");
    vm.postKey(true, 35);
    EXPECT_FALSE(vm.run(100000));
    EXPECT_EQ(vm.exitStatus(), 0);
}

TEST(Security, TheGameReachesOnlyItsJarAndThePhone) {
    const RunResult r = runJar(midletJar("Bad", {"Bad"}, "Bad-Case: reach\r\n"));
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.out, "case reach\nno machine class\nresource null true\nproperty null\n");
}

}  // namespace
}  // namespace avizad::vm

namespace avizad::vm {
namespace {

using namespace testing;

// Conformance.zero() is "iconst_0; ireturn": made "aconst_null; ireturn".
Bytes refusedClass() {
    Bytes c = classBytes("Conformance");
    const uint8_t code[] = {0, 0, 0, 2, 0x03, 0xac};
    auto at = std::search(c.begin(), c.end(), std::begin(code), std::end(code));
    EXPECT_NE(at, c.end());
    if (at != c.end()) {
        at[4] = 0x01;
    }
    return c;
}

TEST(Verifier, RefusesWhatAPhoneRefusesNamingClassMethodAndOffset) {
    const Jar none;
    const ClassLookup lookup = classLookup(none);
    const Bytes good = classBytes("Conformance");
    EXPECT_EQ(verifyClass(readClassFile(good.data(), good.size()), lookup), std::nullopt);
    const Bytes bad = refusedClass();
    EXPECT_EQ(verifyClass(readClassFile(bad.data(), bad.size()), lookup),
              "class Conformance, method zero()I, offset 1: expected int on the stack, found "
              "null");
    // Without its stack maps a method with branches cannot be checked.
    ClassFile stripped = readClassFile(good.data(), good.size());
    for (MethodInfo& m : stripped.methods) {
        m.stackMap.clear();
    }
    const auto refusal = verifyClass(stripped, lookup);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_NE(refusal->find("no stack map at the "), std::string::npos) << *refusal;
}

TEST(Verifier, TheMachineAndTheBuildRefuseTheClass) {
    const Bytes manifest = text(
        "MIDlet-1: Conformance, , Conformance\r\nMIDlet-Name: C\r\n"
        "MIDlet-Vendor: Tests\r\n");
    const Bytes jar =
        makeJar({{"META-INF/MANIFEST.MF", manifest}, {"Conformance.class", refusedClass()}});
    const RunResult r = runJar(jar);
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("java.lang.VerifyError: class Conformance, method zero()I, offset 1: "
                         "expected int on the stack, found null"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(phoneRefusal(jar),
              "class Conformance, method zero()I, offset 1: expected int on "
              "the stack, found null");
    EXPECT_EQ(phoneRefusal(midletJar("Bad", {"Bad"})), std::nullopt);
    EXPECT_EQ(phoneRefusal(text("this text is no jar and no zip file at all")), std::nullopt);
}

}  // namespace
}  // namespace avizad::vm
