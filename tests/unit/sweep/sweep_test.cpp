// Hostile Java input against every native method: each argument position of
// each entry point (the table is generated from the Java declarations) gets
// every hostile value of its type in turn, the others harmless ones. Every
// call must give back all it obtained from the JVM, never hand the JVM a bad
// call, and answer with a well-formed reply; the sanitizer builds add that
// nothing is read or written outside a buffer. Then the platform's turn:
// every method, with harmless arguments, against every hostile answer the
// platform can give (see hostile.h), under the same checks.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fail_calloc.h"
#include "sim/zivra_sim.h"
#include "sweep/hostile.h"
#include "sweep/sweep.h"

namespace {

// The diagnostic result queries hand Java the platform's own text, and null
// when the platform has none.
const std::set<std::string> kMayReturnNull = {
    "accessservices.HttpUploadDiagnosticsServiceImp.getHttpUploadDiagnosticsResultJni",
    "accessservices.HttpDownloadDiagnosticsServiceImp.getHttpDownloadDiagnosticsResultJni",
};

// One JSON value and nothing after it. Bytes above 0x7F are not judged
// (a cut may split a character of a Java or platform text): only the form.
bool ValidJson(std::string text) {
    for (char &c : text) c = static_cast<unsigned char>(c) >= 0x80 ? 'x' : c;
    return nlohmann::json::accept(text);
}

// Texts of every length around the buffer sizes in use, each ending in a
// two-byte character so that some cut falls inside it.
std::vector<std::string> HostileTexts() {
    std::vector<std::string> out = {"", "a"};
    for (size_t n : {5, 6, 7, 8, 9, 10, 11, 16, 17, 18, 19, 20, 21, 31, 32, 33, 63, 64, 65, 71, 72, 127, 128, 129, 130,
                     131, 255, 256, 257, 300, 512, 1024, 4096, 65536}) {
        out.push_back(std::string(n - 2, 'a') + "\xC3\xA9");
    }
    return out;
}

std::vector<jobject> HostileValues(FakeJni &j, char kind) {
    const std::string mac = "00:1A:2B:3C:4D:5E";
    std::vector<jobject> out = {nullptr};
    if (kind == 'S') {
        out.push_back(j.BadStr());
        for (const auto &t : HostileTexts()) out.push_back(j.Str(t));
    } else if (kind == 'A') {
        auto list = [&](size_t n, long bad, const std::string &text) {
            std::vector<jstring> e;
            for (size_t k = 0; k < n; ++k) e.push_back(static_cast<long>(k) == bad ? j.BadStr() : j.Str(text));
            return j.Arr(e);
        };
        out.push_back(j.Arr({}));
        out.push_back(j.Arr({nullptr}));
        out.push_back(j.Strs({""}));
        out.push_back(j.Strs({"", ""}));
        for (size_t n : {1, 3, 4, 5, 63, 64, 65, 255, 256, 10000}) out.push_back(list(n, -1, mac));
        for (long bad : {0L, 32L, 64L}) out.push_back(list(65, bad, mac));
        out.push_back(list(65, -1, std::string(300, 'm')));
    } else if (kind == 'B') {
        out.push_back(j.Bytes({}));
        out.push_back(j.Bytes({1}));
        out.push_back(j.Bytes(std::vector<int8_t>(16, 7)));
        out.push_back(j.Bytes(std::vector<int8_t>(4096, 7)));
        out.push_back(j.Bytes(std::vector<int8_t>(16, 7), true));
    }
    return out;
}

SweepArg Harmless(FakeJni &j, char kind, const char *text = "1") {
    SweepArg a;
    if (kind == 'S') a.o = j.Str(text);
    if (kind == 'A') a.o = j.Strs({"00:1A:2B:3C:4D:5E"});
    if (kind == 'B') a.o = j.Bytes(std::vector<int8_t>(16, 7));
    return a;
}

std::vector<SweepArg> HostileArgs(FakeJni &j, char kind) {
    std::vector<SweepArg> out;
    if (kind == 'I') {
        for (jint v : {0, -1, 2, 64, 65, 256, INT_MIN, INT_MAX}) out.push_back(SweepArg{v, JNI_TRUE, nullptr});
    } else if (kind == 'Z') {
        for (int v : {0, 1, 2, 255}) out.push_back(SweepArg{1, static_cast<jboolean>(v), nullptr});
    } else {
        for (jobject o : HostileValues(j, kind)) out.push_back(SweepArg{1, JNI_TRUE, o});
    }
    return out;
}

// The call in progress. A sanitizer ends the run at its first report;
// this names the sweep row that made it (a leak is only reported at exit,
// after the last row). Never destroyed, so it is still there by then.
std::string &g_row = *new std::string;

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
extern "C" void __sanitizer_report_error_summary(const char *summary) {
    fprintf(stderr, "%s\nsweep: stopped in %s\n", summary, g_row.c_str());
}
#endif

namespace {

// What every call must leave behind, whatever it was given. Java's values
// never break a JSON reply. The platform's texts may (an unquoted number
// text that is empty or no number, a reply or fragment the platform wrote
// itself, texts so long that a list reply is cut at its end, as the Java
// side expects), but a fail reply, and every reply to a failed operation,
// stays whole.
// What the calls of one sweep left behind, for its summary line (each call
// is also held to none of the first three): JNI misuses, calls leaving JNI
// resources, null texts to the platform, and those it takes on purpose.
size_t g_left[4];
int g_meant_before = 0;  // the platform's count when the call began (it counts since its reset)
#define LEFT_FORMAT "%zu JNI misuses, %zu calls leaving JNI resources, %zu null texts to the platform (%zu where it takes one on purpose)"
#define LEFT g_left[0], g_left[1], g_left[2], g_left[3]

void CheckCall(const SweepMethod &m, FakeJni &jni, const SweepResult &r, const std::string &where,
               bool whole_json = true) {
    const size_t left[] = {jni.misuse().size(), jni.Leaks().empty() ? 0u : 1u, static_cast<size_t>(zsim::NullTexts()),
                           static_cast<size_t>(zsim::MeantNullTexts() - g_meant_before)};
    for (int i = 0; i < 4; ++i) g_left[i] += left[i];
    ASSERT_EQ(jni.Leaks(), "") << where;
    ASSERT_EQ(jni.misuse(), std::vector<std::string>()) << where;
    ASSERT_EQ(zsim::NullTexts(), 0) << where << ": a null text reached the platform";
    if (!r.is_string) return;
    ASSERT_TRUE(!r.null || kMayReturnNull.count(m.name)) << where << ": null reply";
    const bool json = !r.text.empty() && (r.text[0] == '{' || r.text[0] == '[');
    if (json && (whole_json || r.text.compare(0, 12, "{\"Result\":-1") == 0)) {
        ASSERT_TRUE(ValidJson(r.text)) << where << ": " << r.text.substr(0, 300);
    }
}

TEST(HostileSweep, EveryArgumentOfEveryNativeMethod) {
    size_t calls = 0;
    memset(g_left, 0, sizeof g_left);
    g_meant_before = 0;  // the platform is reset before every call
    for (const SweepMethod &m : kSweepMethods) {
        const std::string kinds = m.kinds;
        if (kinds.empty()) {  // nothing from Java: one call, for the platform's answers
            FakeJni jni;
            zsim::Reset();
            g_row = m.name;
            const SweepResult r = m.call(jni, nullptr);
            ++calls;
            ASSERT_NO_FATAL_FAILURE(CheckCall(m, jni, r, g_row));
        }
        for (size_t pos = 0; pos < kinds.size(); ++pos) {
            FakeJni jni;
            std::vector<SweepArg> args;
            for (char k : kinds) args.push_back(Harmless(jni, k));
            int value = 0;
            for (const SweepArg &hostile : HostileArgs(jni, kinds[pos])) {
                args[pos] = hostile;
                zsim::Reset();
                g_row = std::string(m.name) + " argument " + std::to_string(pos) + " value " + std::to_string(value++);
                const SweepResult r = m.call(jni, args.data());
                ++calls;
                ASSERT_NO_FATAL_FAILURE(CheckCall(m, jni, r, g_row));
            }
        }
    }
    printf("sweep: %zu calls over %zu native methods; " LEFT_FORMAT "\n", calls,
           sizeof kSweepMethods / sizeof kSweepMethods[0], LEFT);
    EXPECT_GT(calls, 0u);
}

// Whether this build can make the bridge's calloc fail (not under the
// sanitizers' allocators).
bool CallocCanFail() {
    std::vector<const void *> callers;
    return TakeCallocCallers(&callers);  // the test allocator's, not the sanitizer's
}

TEST(HostileSweep, EveryPlatformAnswerToEveryNativeMethod) {
    const bool calloc_can_fail = CallocCanFail();
    size_t calls = 0, platform_calls = 0;
    memset(g_left, 0, sizeof g_left);
    std::set<std::string> unanswered;  // methods whose harmless call never reached the platform
    for (const SweepMethod &m : kSweepMethods) unanswered.insert(m.name);
    for (unsigned v = 0; v < hostile::kOutcomes; ++v) {
        hostile::Current() = hostile::Decode(v);
        const int trouble = hostile::Current().trouble;
        if (trouble >= hostile::kCallocFails && !calloc_can_fail) continue;
        zsim::Reset();  // once per outcome: the scripts stand in for the whole gateway
        hostile::ScriptHostilePlatform();
        for (const SweepMethod &m : kSweepMethods) {
            FakeJni jni;
            std::vector<SweepArg> args;
            // "UP": also a direction the traffic rules accept; any interface name passes.
            for (const char *k = m.kinds; *k != '\0'; ++k) args.push_back(Harmless(jni, *k, "UP"));
            if (trouble >= hostile::kCallocFails) FailCallocAfter(trouble - hostile::kCallocFails);
            const size_t before = zsim::Calls().size();
            g_meant_before = zsim::MeantNullTexts();
            g_row = std::string(m.name) + " " + hostile::Describe(v);
            const SweepResult r = m.call(jni, args.data());
            ArmedCallocFailureHandedOut();
            if (zsim::Calls().size() > before) unanswered.erase(m.name);
            ++calls;
            ASSERT_NO_FATAL_FAILURE(CheckCall(m, jni, r, g_row, hostile::Current().ret == 1 /* -1 */));
        }
        platform_calls += zsim::Calls().size();
    }
    printf("platform sweep: %zu calls over %zu native methods, %zu platform calls answered by %d hostile operations; "
           LEFT_FORMAT "\n", calls, sizeof kSweepMethods / sizeof kSweepMethods[0], platform_calls, hostile::kHostileOperations, LEFT);
    // Only the uptime, which reads the clock, asks the platform nothing.
    EXPECT_EQ(unanswered, std::set<std::string>{"commservices.DeviceInfoQueryServiceImp.getDeviceUpTimeJni"});
}

}  // namespace

namespace {

// Heap blocks the bridge takes in one call against the simulated gateway
// (the platform's own are not counted): only where the reply grows with a
// count, or the table or record is one the gateway's contract puts on the
// heap.
const std::map<std::string, long> kHeapBlocks = {
    {"addressservices.PortMappingQueryServiceImp.getPortMappingInfoJni", 1},
    {"commservices.DeviceAccessRightQueryServiceImp.getFTPRightInfoJni", 2},
    {"commservices.DeviceAccessRightQueryServiceImp.getSambaRightInfoJni", 2},
    {"commservices.UsbServiceImp.getStorageInfoJni", 2},
    {"lanservices.LANHostsInfoQueryServiceImp.getLANHostInfoByClassJni", 1},
    {"lanservices.LANHostsInfoQueryServiceImp.getLANHostInfoByMACJni", 1},
    {"lanservices.LANHostsInfoQueryServiceImp.getLANHostSpeedLimitInfoJni", 1},
    {"lanservices.LANHostsInfoQueryServiceImp.getLANHostStatsJni", 1},
    {"lanservices.WlanQueryServiceImp.getGuestSSIDInfoJni", 1},
    {"lanservices.WlanQueryServiceImp.getWLANHostInfoJni", 2},
    {"transferservices.L2TPVPNServiceImp.addVpnDestIPJni", 1},
    {"transferservices.L2TPVPNServiceImp.deleteVpnDestIPJni", 1},
    {"transferservices.TrafficDetailProcessServiceImp.getHTTPTrafficProcessRuleInfoJni", 1},
    {"transferservices.TrafficForwardServiceImp.getForwardRuleInfoJni", 1},
    {"transferservices.TrafficMirrorServiceImp.getMirroRuleInfoJni", 1},
    {"transferservices.TrafficMonitoringConfigServiceImp.addTrafficMonitoringDestAddressJni", 1},
    {"transferservices.TrafficMonitoringConfigServiceImp.deleteTrafficMonitoringDestAddressJni", 1},
    {"transferservices.TrafficMonitoringConfigServiceImp.getTrafficMonitoringDestAddressInfoJni", 2},
    {"transferservices.TrafficQoSServiceImp.getTrafficInfoByFlowJni", 1},
    {"transferservices.TransferQueryServiceImp.getIPv6Layer3ForwardingCurrentJni", 1},
    {"transferservices.TransferQueryServiceImp.getIPv6Layer3ForwardingStaticConfigInfoJni", 1},
    {"transferservices.TransferQueryServiceImp.getLayer3ForwardingCurrentJni", 1},
    {"transferservices.TransferQueryServiceImp.getLayer3ForwardingStaticConfigInfoJni", 1},
    {"transferservices.TransferQueryServiceImp.getVLANBindInfoJni", 1},
    {"voipservices.VoIPInfoQueryServiceImp.getPOTSInfoJni", 1},
    {"voipservices.VoIPInfoSubscribeServiceImp.subscribeVoIPEventJni", 1},
    {"voipservices.VoIPInfoSubscribeServiceImp.unSubscribeVoIPEventJni", 1},
};

// The loaded object an address lies in.
const void *ObjectOf(const void *address) {
    Dl_info info;
    return dladdr(address, &info) != 0 ? info.dli_fbase : nullptr;
}

TEST(HostileSweep, HeapBlocksOnlyWhereTheReplyOrTableLivesOnTheHeap) {
    std::vector<const void *> callers;
    if (!TakeCallocCallers(&callers)) GTEST_SKIP() << "callocs are not seen in this build";
    const void *bridge =
        ObjectOf(reinterpret_cast<const void *>(&Java_com_korvanta_nestrova_voipservices_VoIPInfoQueryServiceImp_getPOTSInfoJni));
    std::map<std::string, long> taken;
    for (const SweepMethod &m : kSweepMethods) {
        FakeJni jni;
        std::vector<SweepArg> args;
        for (const char *k = m.kinds; *k != '\0'; ++k) args.push_back(Harmless(jni, *k, "UP"));
        zsim::Reset();
        TakeCallocCallers(&callers);
        m.call(jni, args.data());
        TakeCallocCallers(&callers);
        for (const void *c : callers) taken[m.name] += ObjectOf(c) == bridge ? 1 : 0;
        if (taken[m.name] == 0) taken.erase(m.name);
    }
    EXPECT_EQ(taken, kHeapBlocks);
}

}  // namespace
