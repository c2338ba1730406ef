// TrafficMirrorServiceImp, TrafficForwardServiceImp and TrafficDetailProcessServiceImp: lists, adds and
// deletes; the int methods of TrafficQoSServiceImp and StaticLayer3ForwardingConfigServiceImp.
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_StaticLayer3ForwardingConfigServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TrafficDetailProcessServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TrafficForwardServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TrafficMirrorServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TrafficQoSServiceImp.h"
#include "fail_calloc.h"

#define TS(cls, m) Java_com_korvanta_nestrova_transferservices_##cls##_##m
#define HTTP(m) TS(TrafficDetailProcessServiceImp, m)
#define QOS(m) TS(TrafficQoSServiceImp, m)
#define ROUTES(m) TS(StaticLayer3ForwardingConfigServiceImp, m)

namespace {

using TrafficRulesTest = BridgeTest;
const std::string kFail = "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}";

template <class T>
T *HeapList(const std::vector<T> &rules) {
    T *list = static_cast<T *>(malloc(sizeof(T) * (rules.size() + 1)));
    if (!rules.empty()) memcpy(list, rules.data(), sizeof(T) * rules.size());
    return list;
}

TEST_F(TrafficRulesTest, RuleLists) {
    const MirrorRuleRecord m8080 = {"a", "80", "UP", "TCP", "00:1A:2B:3C:4D:5E", "192.168.1.9", "8080"};
    const MirrorRuleRecord mNone = {"a", "80", "UP", "TCP", "00:1A:2B:3C:4D:5E", "192.168.1.9", ""};
    const ForwardRuleRecord fwd = {"a", "80", "UDP", "00:1A:2B:3C:4D:5E", "192.168.1.9", "8080"};
    const std::string m = "{\"RemoteAddress\":\"a\",\"RemotePort\":\"80\",\"Direction\":\"UP\",\"Protocol\":\"TCP\","
                          "\"HostMAC\":\"00:1A:2B:3C:4D:5E\",\"MirrorToIP\":\"192.168.1.9\",\"MirrorToPort\":";
    const std::string f = "{\"RemoteAddress\":\"a\",\"RemotePort\":\"80\",\"Protocol\":\"UDP\","
                          "\"HostMAC\":\"00:1A:2B:3C:4D:5E\",\"ForwardToIP\":\"192.168.1.9\",\"ForwardToPort\":\"8080\"}";
    // A rule filling every field prints 506 characters: two of them are cut to the 899 of 900 bytes.
    MirrorRuleRecord wide;
    memset(&wide, 'x', sizeof wide);
    std::string x = "{\"RemoteAddress\":\"" + std::string(256, 'x') + "\",\"RemotePort\":\"" + std::string(16, 'x');
    x += "\",\"Direction\":\"" + std::string(12, 'x') + "\",\"Protocol\":\"" + std::string(12, 'x') + "\",\"HostMAC\":\"";
    x += std::string(24, 'x') + "\",\"MirrorToIP\":\"" + std::string(64, 'x') + "\",\"MirrorToPort\":" + std::string(12, 'x') + "}";
    const struct { bool mirror; int result, count; bool list; std::vector<MirrorRuleRecord> mirrors; std::string want; } cases[] = {
        {true, 0, -1, true, {}, "{\"Result\":0,\"List\":[]}"},
        {true, 0, 2, true, {m8080, mNone}, "{\"Result\":0,\"List\":[" + m + "8080}," + m + "}]}"},
        {true, 0, 2, true, {wide, wide}, ("{\"Result\":0,\"List\":[" + x + "," + x + "]}").substr(0, 899)},
        {true, 0, 0, false, {}, kFail},
        {true, 1, 1, true, {m8080}, kFail},
        {true, 0, 1, true, {m8080}, ""},  // no heap for the reply; the list is freed all the same
        {false, 0, 2, true, {}, "{\"Result\":0,\"List\":[" + f + "," + f + "]}"},
        {false, 0, 3, false, {}, kFail},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getMirroRuleInfoJni, [&c](MirrorRuleRecord **list, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0);
            if (c.list) *list = HeapList(c.mirrors);
            return *count = c.count, c.result; });
        ZSIM_SCRIPT(zivra_getForwardRuleInfoJni, [&c, &fwd](ForwardRuleRecord **list, int *count) {
            return *list = c.list ? HeapList(std::vector<ForwardRuleRecord>(2, fwd)) : nullptr, *count = c.count, c.result; });
        if (c.want.empty()) FailCallocAfter(0);
        const std::string name = c.mirror ? "getMirroRuleInfoJni" : "getForwardRuleInfoJni";
        const std::string got = Text(c.mirror ? TS(TrafficMirrorServiceImp, getMirroRuleInfoJni)(env(), self())
                                              : TS(TrafficForwardServiceImp, getForwardRuleInfoJni)(env(), self()));
        if (c.want.empty() && !ArmedCallocFailureHandedOut()) continue;  // calloc cannot fail in this build
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\n" + name + " enter ==========>", "\r\n" + name + ": return json = " + c.want + " leave ==========>\n"}));
    }
}

// Each text missing in turn (null or characters that cannot be had): -1
// without the gateway, everything taken released (checked by the fixture).
// The flow's traffic takes the first two texts as address and port.
TEST_F(TrafficRulesTest, AddsPassTextsUntouchedOrRefuseNull) {
    for (int missing = -1; missing < 6; ++missing) {  // -1: none missing
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addMirrorRuleJni, [](const char *, const char *, const char *, const char *, const char *,
                                               const char *, int) { return 2; });
        ZSIM_SCRIPT(zivra_addTrafficToFlowJni, [](const char *, const char *, int) { return 3; });
        ZSIM_SCRIPT(zivra_deleteTrafficFromFlowJni, [](const char *, const char *, int) { return 3; });
        ZSIM_SCRIPT(zivra_addForwardRule, [](const char *, const char *, const char *, const char *, const char *, int) { return 3; });
        const char *texts[] = {"1.2.3.4", "0", "up", "", "m", "9.9.9.9"};
        jstring s[6];
        for (int i = 0; i < 6; ++i) s[i] = i != missing ? jni.Str(texts[i]) : (i % 2 ? jni.BadStr() : nullptr);
        const int flowRc = missing == 0 || missing == 1 ? -1 : 3;
        EXPECT_EQ(TS(TrafficQoSServiceImp, addTrafficToFlowJni)(env(), self(), s[0], s[1], 5), flowRc);
        EXPECT_EQ(TS(TrafficQoSServiceImp, deleteTrafficFromFlowJni)(env(), self(), s[0], s[1], 5), flowRc);
        EXPECT_EQ(TS(TrafficMirrorServiceImp, addMirrorRuleJni)(env(), self(), s[0], s[1], s[2], s[3], s[4], s[5], -1), missing < 0 ? 2 : -1);
        const bool fwdMissing = missing >= 0 && missing != 2;  // the forward rule has no direction
        EXPECT_EQ(TS(TrafficForwardServiceImp, addForwardRuleJni)(env(), self(), s[0], s[1], s[3], s[4], s[5], 70000), fwdMissing ? -1 : 3);
        const std::string flowArgs = "(remoteAddress=\"1.2.3.4\" remotePort=\"0\" flow=5)";
        Strings calls;
        if (flowRc == 3) calls = {"addTrafficToFlowJni" + flowArgs, "deleteTrafficFromFlowJni" + flowArgs};
        if (missing < 0) calls.push_back("addMirrorRuleJni(\"1.2.3.4\" \"0\" \"up\" \"\" \"m\" \"9.9.9.9\" -1)");
        if (!fwdMissing) calls.push_back("addForwardRule(\"1.2.3.4\" \"0\" \"\" \"m\" \"9.9.9.9\" 70000)");
        EXPECT_EQ(Calls(), calls) << missing;
        const std::string f = std::to_string(flowRc);
        EXPECT_EQ(Lines(), AtLevel2({"\r\naddTrafficToFlowJni enter ==========>\n", "\r\naddTrafficToFlowJni: return " + f + " leave ==========>\n",
                                     "\r\ndeleteTrafficFromFlowJni: enter ==========>\n", "\r\ndeleteTrafficFromFlowJni: return " + f + " leave ==========>\n",
                                     "\r\naddMirrorRuleJni enter ==========>", "\r\naddForwardRuleJni enter ==========>",
                                     "\r\naddForwardRuleJni: return " + std::to_string(fwdMissing ? -1 : 3) + " leave ==========>"}));
    }
}

std::string Item(const char *address, const std::string &methods, const std::string &codes, const std::string &headers) {
    return std::string("{\"RemoteAddress\":\"") + address + "\",\"RemotePort\":\"80\",\"Direction\":\"UP\","
           "\"HostMAC\":\"m\",\"MethodList\":[" + methods + "],\"StatuscodeList\":[" + codes + "],\"HeaderList\":[" +
           headers + "],\"BundleName\":\"b\"}";
}

TEST_F(TrafficRulesTest, HttpRuleList) {
    using R = HTTPProcessRuleRecord;
    const R getPostHost = {"a", "80", "UP", "m", {"GET", "POST"}, 2, {}, 0, {"Host"}, 1, "b"};
    const R c404 = {"c", "80", "UP", "m", {}, -3, {"404"}, 1, {}, 0, "b"}, none = {"a", "80", "UP", "m", {}, 0, {}, 0, {}, 0, "b"};
    R nine = {"a", "80", "UP", "m", {}, 12, {}, 0, {}, 0, "b"};
    memset(nine.Methods, 'x', sizeof nine.Methods);
    // Every field and name filled: the reply is cut to the 599 of 600 bytes, within the quoted methods.
    R wide;
    memset(&wide, 'x', sizeof wide);
    wide.MethodCount = 9, wide.StatusCodeCount = 41, wide.HeaderCount = 51;
    std::string qx, x80 = "\"" + std::string(80, 'x') + "\"";
    for (int i = 0; i < 9; ++i) qx += (i ? "," : "") + x80;
    qx = qx.substr(0, 255);
    const std::string xs = "{\"Result\":0,\"List\":[{\"RemoteAddress\":\"" + std::string(256, 'x') + "\",\"RemotePort\":\"" +
        std::string(20, 'x') + "\",\"Direction\":\"" + std::string(12, 'x') + "\",\"HostMAC\":\"" + std::string(20, 'x') +
        "\",\"MethodList\":[" + qx;
    const std::string one = Item("a", "\"GET\",\"POST\"", "", "\"Host\"");
    const struct { int result, count; bool list; std::vector<R> rules; int failCallocAfter; std::string want; } cases[] = {
        {0, 0, true, {}, -1, "{\"Result\":0,\"List\":[]}"},
        {0, 0, false, {}, -1, kFail},
        {3, 1, true, {none}, -1, kFail},
        {0, 1, true, {getPostHost}, -1, "{\"Result\":0,\"List\":[" + one + "]}"},
        {0, 2, true, {getPostHost, c404}, -1, "{\"Result\":0,\"List\":[" + one + "," + Item("c", "", "\"404\"", "") + "]}"},
        {0, 1, true, {wide}, -1, xs.substr(0, 599)},
        // A method count above the 9 slots lists the 9, quoted and cut to 255 characters.
        {0, 1, true, {nine}, -1, "{\"Result\":0,\"List\":[" + Item("a", qx, "", "") + "]}"},
        // The first rule's name buffer cannot be had: it gives no item, and the next one no comma.
        {0, 2, true, {none, c404}, 1, "{\"Result\":0,\"List\":[" + Item("c", "", "\"404\"", "") + "]}"},
        {0, 1, true, {none}, 0, ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getHTTPTrafficProcessRuleInfoJni, [&c](HTTPProcessRuleRecord **list, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0);
            if (c.list) *list = HeapList(c.rules);
            return *count = c.count, c.result; });
        if (c.failCallocAfter >= 0) FailCallocAfter(c.failCallocAfter);
        const std::string got = Text(HTTP(getHTTPTrafficProcessRuleInfoJni)(env(), self()));
        if (c.failCallocAfter >= 0 && !ArmedCallocFailureHandedOut()) continue;  // no failing calloc here
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\ngetHTTPTrafficProcessRuleInfoJni enter ==========>",
                                     "\r\ngetHTTPTrafficProcessRuleInfoJni: return json = " + c.want + " leave ==========>\n"}));
    }
}

// The gateway's own heap lists: every entry it reports is listed, past any
// table size; a count whose reply no heap can hold answers the empty text,
// its list never read (so a one-record list stands in for it).
template <class T>
std::function<int(T **, int *)> ListOf(int n) {
    return [n](T **list, int *count) {
        const int k = n == INT_MAX ? 1 : n;
        *list = static_cast<T *>(calloc(static_cast<size_t>(k), sizeof(T)));
        for (int i = 0; i < k; ++i) (*list)[i].RemoteAddress[0] = 'a';
        return *count = n, 0;
    };
}

TEST_F(TrafficRulesTest, HeapListsListEveryEntryReported) {
    for (int count : {4097, INT_MAX}) {
        zsim::Reset();
        const auto flow = ListOf<FlowTrafficEntry>(count);
        ZSIM_SCRIPT(zivra_getTrafficInfoByFlowJni, [flow](FlowTrafficEntry **list, int, int *n) { return flow(list, n); });
        ZSIM_SCRIPT(zivra_getMirroRuleInfoJni, ListOf<MirrorRuleRecord>(count));
        ZSIM_SCRIPT(zivra_getForwardRuleInfoJni, ListOf<ForwardRuleRecord>(count));
        ZSIM_SCRIPT(zivra_getHTTPTrafficProcessRuleInfoJni, ListOf<HTTPProcessRuleRecord>(count));
        const jstring replies[] = {QOS(getTrafficInfoByFlowJni)(env(), self(), 1),
                                   TS(TrafficMirrorServiceImp, getMirroRuleInfoJni)(env(), self()),
                                   TS(TrafficForwardServiceImp, getForwardRuleInfoJni)(env(), self()),
                                   HTTP(getHTTPTrafficProcessRuleInfoJni)(env(), self())};
        for (jstring reply : replies) {  // flow traffic, mirror, forward and HTTP rules
            const std::string got = Text(reply);
            size_t items = 0;
            for (size_t at = got.find("{\"RemoteAddress\":\"a\""); at != std::string::npos; at = got.find("{\"Rem", at + 1)) ++items;
            EXPECT_EQ(items, count == INT_MAX ? 0u : 4097u) << got.substr(0, 60) << " " << count;
            EXPECT_EQ(got.empty() ? "" : got.substr(got.size() - 3), count == INT_MAX ? "" : "}]}") << count;
        }
    }
}

TEST_F(TrafficRulesTest, HttpAddChecksThenJoinsTheLists) {
    const std::string m = "\r\naddHTTPTrafficProcessRuleJni";
    const std::string longName(300, 'h');
    // missing: remote address, host MAC or bundle name (-1: none); joined: the methods reaching the gateway.
    const struct { int port; jstring dir; int missing; jobjectArray methods; int rc; std::string joined, line; } cases[] = {
        {0, jni.Str("UP"), -1, nullptr, -1, "", m + ": remotePort[0] out of range==========>"},
        {65536, jni.Str("UP"), -1, nullptr, -1, "", m + ": remotePort[65536] out of range==========>"},
        {1, nullptr, -1, nullptr, -1, "", m + ": Get jstring fail dir==========>"},
        {1, jni.Str("up"), -1, nullptr, -1, "", m + ": direction[up] out of range ==========>"},
        {1, jni.Str("UP "), -1, nullptr, -1, "", m + ": direction[UP ] out of range ==========>"},
        {1, jni.Str("UP"), 0, nullptr, -1, "", m + ": Get jstring fail ==========>"},
        {1, jni.Str("UP"), 1, nullptr, -1, "", m + ": Get jstring fail ==========>"},
        {1, jni.Str("UP"), 2, nullptr, -1, "", m + ": Get jstring fail ==========>"},
        {65535, jni.Str("ALL"), -1, jni.Strs({"GET", "POST"}), 6, "GET,POST", ""},
        {1, jni.Str("DOWN"), -1, jni.Strs({"", "GET"}), 6, "GET", ""},
        {1, jni.Str("DOWN"), -1, jni.Strs({"GET", "", "POST"}), 6, "GET,,POST", ""},
        {1, jni.Str("DOWN"), -1, jni.Arr({jni.Str("GET"), nullptr, jni.BadStr(), jni.Str("PUT")}), 6, "GET,PUT", ""},
        {1, jni.Str("DOWN"), -1, jni.Strs({"GET", longName}), 6, ("GET," + longName).substr(0, 255), ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addHTTPTrafficProcessRuleJni, [](const char *, int, const char *, const char *, const char *,
                                                           const char *, const char *, const char *) { return 6; });
        jstring s[3];
        for (int i = 0; i < 3; ++i) s[i] = i != c.missing ? jni.Str(i == 2 ? "bund" : "x") : jni.BadStr();
        EXPECT_EQ(HTTP(addHTTPTrafficProcessRuleJni)(env(), self(), s[0], c.port, c.dir, s[1], c.methods,
                                                     jni.Strs({"200", "404"}), nullptr, s[2]), c.rc) << c.line;
        const bool ok = c.rc == 6;
        EXPECT_EQ(Calls(), Strings(ok, "addHTTPTrafficProcessRuleJni(\"x\" " + std::to_string(c.port) + " \"" + Text(c.dir) +
                                           "\" \"x\" methods=\"" + c.joined + "\" statusCodes=\"200,404\" headers=\"\" bundle=\"bund\")"));
        EXPECT_EQ(Lines(), AtLevel2(ok ? Strings{m + " enter ==========>", m + ":Bcon= bund ==========>", m + ": return 6 leave ============>"}
                                       : Strings{m + " enter ==========>", c.line}));
    }
}

// The int methods of the rules, flows and static routes: each logs around
// one call that gets its numbers untouched, and hands back the gateway's
// result. The rows are made in order, each by its call.
TEST_F(TrafficRulesTest, IntMethodsPassTheirNumbersAndTheResult) {
    ZSIM_SCRIPT(zivra_deleteMirrorRuleJni, [](int) { return -3; });
    ZSIM_SCRIPT(zivra_deleteForwardRuleJni, [](int) { return -3; });
    ZSIM_SCRIPT(zivra_deleteHTTPTrafficProcessRuleJni, [](int) { return -3; });
    ZSIM_SCRIPT(zivra_deleteAllMirrorRule, [] { return -3; });
    ZSIM_SCRIPT(zivra_deleteAllForwardRuleJni, [] { return -3; });
    ZSIM_SCRIPT(zivra_deleteAllHTTPTrafficProcessRuleJni, [] { return -3; });
    ZSIM_SCRIPT(zivra_setSpeedLimitByFlowJni, [](int, int, int) { return -3; });
    ZSIM_SCRIPT(zivra_setDSCPRemarkByFlowJni, [](int, int) { return -3; });
    ZSIM_SCRIPT(zivra_deleteAllTrafficFromFlowJni, [](int) { return -3; });
    ZSIM_SCRIPT(zivra_deleteLayer3ForwardingStatic, [](int) { return -3; });
    ZSIM_SCRIPT(zivra_deleteIPv6Layer3ForwardingStatic, [](int) { return -3; });
    const struct { jint got; std::string call, enter, leave; } rows[] = {
        {TS(TrafficMirrorServiceImp, deleteMirrorRuleJni)(env(), self(), INT_MIN), "deleteMirrorRuleJni(ruleNum=-2147483648)",
         "\r\ndeleteMirrorRuleJni: ruleNum =-2147483648 enter ==========>", "\r\ndeleteMirrorRuleJni: return -3 leave ==========>"},
        {TS(TrafficForwardServiceImp, deleteForwardRuleJni)(env(), self(), -1), "deleteForwardRuleJni(ruleNum=-1)",
         "\r\ndeleteForwardRuleJni: ruleNum =-1 enter ==========>", "\r\ndeleteForwardRuleJni: return -3 leave ==========>"},
        {HTTP(deleteHTTPTrafficProcessRuleJni)(env(), self(), 7), "deleteHTTPTrafficProcessRuleJni(ruleNum=7)",
         "\r\ndeleteHTTPTrafficProcessRuleJni: ruleNum =7 enter ==========>",
         "\r\ndeleteHTTPTrafficProcessRuleJni: return -3 leave ==========>"},
        {TS(TrafficMirrorServiceImp, deleteAllMirrorRuleJni)(env(), self()), "deleteAllMirrorRule()",
         "\r\ndeleteAllMirrorRuleJni enter==========>\n", "\r\ndeleteAllMirrorRuleJni: return -3 leave==========>\n"},
        {TS(TrafficForwardServiceImp, deleteAllForwardRuleJni)(env(), self()), "deleteAllForwardRuleJni()",
         "\r\ndeleteAllForwardRuleJni enter ==========>", "\r\ndeleteAllForwardRuleJni: return -3 leave ==========>"},
        {HTTP(deleteAllHTTPTrafficProcessRuleJni)(env(), self()), "deleteAllHTTPTrafficProcessRuleJni()",
         "\r\ndeleteAllHTTPTrafficProcessRuleJni enter ==========>",
         "\r\ndeleteAllHTTPTrafficProcessRuleJni: return -3 leave ==========>"},
        {QOS(setSpeedLimitByFlowJni)(env(), self(), 2, -5, INT_MAX), "setSpeedLimitByFlowJni(flow=2 upSpeed=-5 downSpeed=2147483647)",
         "\r\nsetSpeedLimitByFlowJni enter ==========>\n", "\r\nsetSpeedLimitByFlowJni: return -3 leave ==========>\n"},
        {QOS(setDSCPRemarkByFlowJni)(env(), self(), 3, 64), "setDSCPRemarkByFlowJni(flow=3 dscp=64)",
         "\r\nsetDSCPRemarkByFlowJni enter ==========>\n", "\r\nsetDSCPRemarkByFlowJni: return -3 leave ==========>\n"},
        {QOS(deleteAllTrafficFromFlowJni)(env(), self(), 7), "deleteAllTrafficFromFlowJni(flow=7)",
         "\r\ndeleteAllTrafficFromFlowJni: flow =7 enter ==========>\n",
         "\r\ndeleteAllTrafficFromFlowJni: return -3 leave ==========>\n"},
        {ROUTES(deleteLayer3ForwardingStaticJni)(env(), self(), 0), "deleteLayer3ForwardingStatic(index=0)",
         "deleteLayer3ForwardingStaticJni  enter============>\n",
         "deleteLayer3ForwardingStaticJni: return value = -3   leave============>\n"},
        {ROUTES(deleteIPv6Layer3ForwardingStaticJni)(env(), self(), -9), "deleteIPv6Layer3ForwardingStatic(index=-9)",
         "deleteIPv6Layer3ForwardingStaticJni  enter============>\n",
         "deleteIPv6Layer3ForwardingStaticJni: return value = -3   leave============>\n"},
    };
    Strings calls, lines;
    for (const auto &r : rows) {
        EXPECT_EQ(r.got, -3) << r.call;
        calls.push_back(r.call);
        lines.insert(lines.end(), {r.enter, r.leave});
    }
    EXPECT_EQ(Calls(), calls);
    EXPECT_EQ(Lines(), AtLevel2(lines));
}

}  // namespace
