// The access services: AccessInfoQueryServiceImp, WanConfigServiceImp, the ping,
// trace-route and HTTP throughput diagnostics, and IPDetectServiceImp.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp.h"
#include "com_korvanta_nestrova_accessservices_HttpDownloadDiagnosticsServiceImp.h"
#include "com_korvanta_nestrova_accessservices_HttpUploadDiagnosticsServiceImp.h"
#include "com_korvanta_nestrova_accessservices_IPDetectServiceImp.h"
#include "com_korvanta_nestrova_accessservices_IPPingDiagnosticsServiceImp.h"
#include "com_korvanta_nestrova_accessservices_TraceRouteDiagnosticsServiceImp.h"
#include "com_korvanta_nestrova_accessservices_WanConfigServiceImp.h"

#define ACC(cls, m) Java_com_korvanta_nestrova_accessservices_##cls##_##m

namespace {

using Start = jint (*)(JNIEnv *, jobject, jint, jstring, jstring);
using Result = jstring (*)(JNIEnv *, jobject);
const std::string kBad = "<bad>";  // a String whose characters cannot be had

class AccessTest : public BridgeTest {
  protected:
    jstring Arg(const std::string &t) { return t == kBad ? jni.BadStr() : jni.Str(t); }
    // Platform calls made when each string went back, since `from` releases.
    std::vector<size_t> ReleasedSince(size_t from) {
        return std::vector<size_t>(jni.release_points().begin() + static_cast<long>(from), jni.release_points().end());
    }
};

// Fills a gateway buffer with the text, or with `fill` over all `size` bytes and no NUL.
int Write(char *out, size_t size, const char *text, char fill, int result) {
    if (fill != 0) memset(out, fill, size);
    else snprintf(out, size, "%s", text);
    return result;
}

std::string Leave(const std::string &method, const std::string &reply) {
    return method + ": return json = " + reply + "   leave============>\n";
}

TEST_F(AccessTest, GatewayRepliesAreKeptWholeOrReplacedAndCountersPrintWhole) {
    // method: 0 list, 1 status, 2 bandwidth, 3 PON state, 4 PON registration, 5 ping and 6 trace-route
    // results (their code not looked at), 7 the 64-bit WAN counters (all ones) and 8 the 32-bit uplink ones
    const struct { int method; int result; const char *text; char fill; std::string reply; } cases[] = {
        {0, 0, "{\"List\":[\"a\\\"b\"]}", 0, "{\"List\":[\"a\\\"b\"]}"},
        {0, 0, "", 'L', std::string(1280, 'L')},
        {0, 2, "{\"Result\":0,\"Li", 0, "{\"Result\":-1}"},
        {1, 0, "", 'S', std::string(256, 'S')},
        {2, 5, "", 'B', "{\"Result\":-1}"},
        {4, 0, "", 'r', "{\"Result\":0," + std::string(40, 'r')},  // nothing is added
        {3, 0, "", 'p', "{\"Result\":0," + std::string(150, 'p')},
        {3, 3, "\"RXPower\":\"-18\"}", 0, "{\"Result\":-1}"},
        {5, -1, "{\"Status\":\"None\"}", 0, "{\"Status\":\"None\"}"}, {5, -1, "", 'z', std::string(256, 'z')},
        {6, -1, "", 'z', std::string(4096, 'z')},
        {7, 0, "", 0, "{\"Result\":0,\"UsStats\":18446744073709551615,\"DsStats\":18446744073709551615}"},
        {7, 1, "", 0, "{\"Result\":-1}"},
        {8, 0, "", 0, "{\"Result\":0,\"UsStats\":4294967295,\"DsStats\":2147483648}"}, {8, -4, "", 0, "{\"Result\":-1}"},
    };
    const std::pair<const char *, std::function<jstring()>> methods[] = {
        {"getWANIfListJni", [&] { return ACC(AccessInfoQueryServiceImp, getWANIfListJni)(env(), self()); }},
        {"getWANIfStatusJni", [&] { return ACC(AccessInfoQueryServiceImp, getWANIfStatusJni)(env(), self(), -3); }},
        {"getWanIfBandwidthJni", [&] { return ACC(AccessInfoQueryServiceImp, getWanIfBandwidthJni)(env(), self(), -3); }},
        {"getPONIfPhyStatusJni", [&] { return ACC(AccessInfoQueryServiceImp, getPONIfPhyStatusJni)(env(), self()); }},
        {"getPONIfRegisterStatusJni", [&] { return ACC(AccessInfoQueryServiceImp, getPONIfRegisterStatusJni)(env(), self()); }},
        {"getIPPingDiagnosticsResultJni", [&] { return ACC(IPPingDiagnosticsServiceImp, getIPPingDiagnosticsResultJni)(env(), self()); }},
        {"getTraceRouteDiagnosticsResultJni",
         [&] { return ACC(TraceRouteDiagnosticsServiceImp, getTraceRouteDiagnosticsResultJni)(env(), self()); }},
        {"getWANIfStatsJni",
         [&] { return ACC(AccessInfoQueryServiceImp, getWANIfStatsJni)(env(), self(), -2147483647 - 1); }},
        {"wanGetIfStatsJni", [&] { return ACC(AccessInfoQueryServiceImp, getUplinkIfStatsJni)(env(), self()); }}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWANIfList, [&c](char *r) { return Write(r, 1280, c.text, c.fill, c.result); });
        ZSIM_SCRIPT(zivra_getWANIfStatus, [&c](int, char *r) { return Write(r, 256, c.text, c.fill, c.result); });
        ZSIM_SCRIPT(zivra_getWanIfBandwidth, [&c](int, char *r) { return Write(r, 256, c.text, c.fill, c.result); });
        ZSIM_SCRIPT(zivra_getPONIfPhyStatus, [&c](char *f) { return Write(f, 150, c.text, c.fill, c.result); });
        ZSIM_SCRIPT(zivra_getPONIfRegisterStatus, [&c](char *f) { return Write(f, 40, c.text, c.fill, c.result); });
        ZSIM_SCRIPT(zivra_getIPPingDiagnosticsResult, [&c](char *r) { return Write(r, 256, c.text, c.fill, c.result); });
        ZSIM_SCRIPT(zivra_getTraceRouteDiagnosticsResult, [&c](char *r) { return Write(r, 4096, c.text, c.fill, c.result); });
        ZSIM_SCRIPT(zivra_getWANIfStats, [&c](int, uint64_t *u, uint64_t *d) { return *u = *d = UINT64_MAX, c.result; });
        ZSIM_SCRIPT(zivra_getUplinkIfStats, [&c](uint32_t *u, uint32_t *d) { return *u = UINT32_MAX, *d = 1u << 31, c.result; });
        EXPECT_EQ(Text(methods[c.method].second()), c.reply) << methods[c.method].first;
        // The uplink counters' leave line has two spaces where the others have three.
        std::string leave = Leave(methods[c.method].first, c.reply);
        if (c.method == 8) leave.erase(leave.find("   leave"), 1);
        EXPECT_EQ(Lines(), AtLevel2({leave}));
    }
}

TEST_F(AccessTest, InfoRepliesInKeyOrderWithEveryFieldWhole) {
    // Reply keys in order, with the record (connection, IPv4, IPv6) and width of their field.
    const struct { const char *key; int record, width; } keys[] = {
        {"LanInterface", 0, 64}, {"VLANMode", 0, 2}, {"VLANIDMark", 0, 6}, {"802-1pMark", 0, 2},
        {"MulticastVlan", 0, 6}, {"LanInterface-DHCPEnable", 0, 8}, {"IPMode", 0, 2},
        {"ConnectionType", 0, 16}, {"NATEnabled", 0, 8}, {"Username", 0, 64}, {"AddressingType", 1, 8},
        {"ExternalIPAddress", 1, 20}, {"SubnetMask", 1, 20}, {"DefaultGateway", 1, 20}, {"DNSEnabled", 1, 8},
        {"DNSServers", 1, 32}, {"MACAddress", 1, 20}, {"ConnectionTrigger", 0, 16},
        {"IPv6IPAddressOrigin", 2, 16}, {"IPv6IPAddress", 2, 85}, {"IPv6DNSServers", 2, 80},
        {"IPv6PrefixDelegationEnabled", 2, 46}, {"IPv6PrefixOrigin", 2, 32}, {"IPv6Prefix", 2, 40},
        {"IPv6PrefixPltime", 2, 64}, {"IPv6PrefixVltime", 2, 64}, {"IPv6DefaultGateway", 2, 109},
        {"IPv6DsliteEnable", 2, 8}, {"IPv6AftrMode", 2, 2}, {"IPv6AftrAddress", 2, 64}, {"ServiceList", 0, 64}};
    // Record byte i holds letter i % 23 of the record's alphabet, so each field
    // shows where it was read from; no NUL anywhere.
    auto letters = [](int record, int from, int n) {
        std::string s;
        for (int i = from; i < from + n; ++i) s += static_cast<char>("aAn"[record] + i % 23);
        return s;
    };
    for (int result : {0, 7}) {
        for (bool full : {true, false}) {
            zsim::Reset();
            std::string want = "{\"Result\":0";
            int at[3] = {0, 0, 0};
            for (const auto &k : keys) {
                const std::string value = full ? letters(k.record, at[k.record], k.width) : "";
                want += ",\"" + std::string(k.key) + "\":\"" + value + "\"";
                at[k.record] += k.width;
            }
            want = result ? "{\"Result\":-1}" : want + "}";
            ZSIM_SCRIPT(zivra_getWANIfInfo, [&](int, WANIfConnRecord *c, WANIfIPv4Record *v4, WANIfIPv6Record *v6) {
                char *records[] = {c->LanInterface, v4->AddressingType, v6->IPv6IPAddressOrigin};
                const int sizes[] = {sizeof *c, sizeof *v4, sizeof *v6};
                for (int r = 0; r < 3 && full; ++r) memcpy(records[r], letters(r, 0, sizes[r]).data(), sizes[r]);
                return result;
            });
            const std::string got = Text(ACC(AccessInfoQueryServiceImp, getWANIfInfoJni)(env(), self(), 2));
            EXPECT_EQ(got, want);
            EXPECT_EQ(got.size(), result ? 13u : full ? 1613u : 617u);
            EXPECT_EQ(Calls(), Strings{"getWANIfInfo(wanIndex=2)"});
            EXPECT_EQ(Lines(), AtLevel2({"getWANIfInfoJni  enter============>\n", Leave("getWANIfInfoJni", want)}));
        }
    }
}

TEST_F(AccessTest, IntMethodsHandBackTheGatewaysValueAndUptimeLogsBeforeAsking) {
    ZSIM_SCRIPT(zivra_getPONIfUpTime, [] { return static_cast<int>(zsim::Log().size()) * 2147483647; });
    EXPECT_EQ(ACC(AccessInfoQueryServiceImp, getPONIfUpTimeJni)(env(), self()), 2147483647);  // one line before
    ZSIM_SCRIPT(zivra_deleteWANIf, [](int) { return 3; });
    EXPECT_EQ(ACC(WanConfigServiceImp, deleteWANIfJni)(env(), self(), -1), 3);
    ZSIM_SCRIPT(zivra_getInternetWANIndex, [] { return -7; });
    EXPECT_EQ(ACC(AccessInfoQueryServiceImp, getInternetWANIndexJni)(env(), self()), -7);
    EXPECT_EQ(Calls(), Strings({"getPONIfUpTime()", "deleteWANIf(wanIndex=-1)", "getInternetWANIndex()"}));
    EXPECT_EQ(Lines(), AtLevel2({"getPONIfUpTimeJni: leave============>\n", "deleteWANIfJni: enter============>\n",
                                 "deleteWANIfJni: return json = 3 leave============>\n",
                                 "getInternetWANIndex enter:============>\n",
                                 "getInternetWANIndex: return rt= -7============>\n"}));
}

TEST_F(AccessTest, ConfigPassesTextsAndReleasesThemAfterTheGateway) {
    // add: addWANIfJni, else setWANIfJni
    // missing: index of a text that cannot be had (0: a Java null), -1 none
    const struct { bool add; int missing; jint rc; Strings lines; } cases[] = {
        {true, -1, 6, {"addWANIfJni: enter============>\n", "addWANIfJni: return json = 6 leave============>\n"}},
        {true, 1, -1, {}},
        {false, -1, 6,
         {"setWANIfJni: wanIndex:-5 enter============>\n", "setWANIfJni: return json = 6 leave============>\n"}},
        {false, 0, -1, {"setWANIfJni: return json = -1 get string fail leave============>\n"}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addWANIf, [](const char *, const char *, const char *) { return 6; });
        ZSIM_SCRIPT(zivra_setWANIf, [](int, const char *) { return 6; });
        const size_t released = jni.release_points().size();
        std::vector<jstring> s;
        for (int i = 0; i < 3; ++i)
            s.push_back(i != c.missing ? jni.Str("t" + std::to_string(i)) : i ? jni.BadStr() : nullptr);
        EXPECT_EQ(c.add ? ACC(WanConfigServiceImp, addWANIfJni)(env(), self(), s[0], s[1], s[2])
                        : ACC(WanConfigServiceImp, setWANIfJni)(env(), self(), -5, s[0]), c.rc);
        EXPECT_EQ(Calls(), Strings(c.missing < 0, c.add ? "addWANIf(text1=\"t0\" text2=\"t1\" text3=\"t2\")"
                                                        : "setWANIf(wanIndex=-5 settings=\"t0\")"));
        EXPECT_EQ(Lines(), AtLevel2(c.lines));
        const size_t n = c.missing < 0 ? (c.add ? 3 : 1) : (c.add ? 2 : 0);
        EXPECT_EQ(ReleasedSince(released), std::vector<size_t>(n, c.missing < 0 ? 1u : 0u));  // after the call
    }
}

TEST_F(AccessTest, PingAndTraceStartsCheckCountAndHostAfterCopying) {
    const struct { Start start; std::string op, enter, method; } methods[] = {
        {&ACC(IPPingDiagnosticsServiceImp, startIPPingDiagnosticsJni), "startIPPingDiagnostics",
         "startIPPingDiagnosticsJni ============>\n", "startIPPingDiagnosticsJni"},
        {&ACC(TraceRouteDiagnosticsServiceImp, startTraceRouteDiagnosticsJni), "startTraceRouteDiagnostics",
         "startTraceRouteDiagnosticsJni: ============>\n", "startTraceRouteDiagnosticsJni"},
    };
    const std::string h300(300, 'h'), x2000(2000, 'x');
    // call: after "number=", "" for none
    const struct { jint number; std::string host, extra; jint rc; std::string call; } cases[] = {
        {1, "gw.example", "eth0", 8, "1 host=\"gw.example\" extra=\"eth0\""},
        {99, h300, x2000, 8, "99 host=\"" + h300.substr(0, 255) + "\" extra=\"" + x2000.substr(0, 1023) + "\""},
        {5, "h", kBad, 8, "5 host=\"h\" extra=\"\""},
        {0, "h", "e", -1, ""},  // and any negative count
        {100, "h", "e", -1, ""},
        {7, "", "e", -1, ""},
        {7, kBad, "e", -1, ""},  // no leave line
    };
    for (const auto &m : methods) {
        for (const auto &c : cases) {
            zsim::Reset();
            ZSIM_SCRIPT(zivra_startIPPingDiagnostics, [](int, const char *, const char *) { return 8; });
            ZSIM_SCRIPT(zivra_startTraceRouteDiagnostics, [](int, const char *, const char *) { return 8; });
            const size_t released = jni.release_points().size();
            EXPECT_EQ(m.start(env(), self(), c.number, Arg(c.host), Arg(c.extra)), c.rc) << c.call;
            EXPECT_EQ(Calls(), c.call.empty() ? Strings{} : Strings{m.op + "(number=" + c.call + ")"});
            Strings lines = {m.enter, m.method + ": return rt = " + std::to_string(c.rc) + "   leave============>\n"};
            if (c.host == kBad) lines.pop_back();
            EXPECT_EQ(Lines(), AtLevel2(lines));
            EXPECT_EQ(ReleasedSince(released), std::vector<size_t>((c.host != kBad) + (c.extra != kBad), 0u));
        }
    }
}

TEST_F(AccessTest, HttpTestsStartWithBothTextsAndHandBackTheGatewaysText) {
    const struct { Start start; Result get; std::string name; } methods[] = {
        {&ACC(HttpUploadDiagnosticsServiceImp, startHttpUploadDiagnosticsJni),
         &ACC(HttpUploadDiagnosticsServiceImp, getHttpUploadDiagnosticsResultJni), "Upload"},
        {&ACC(HttpDownloadDiagnosticsServiceImp, startHttpDownloadDiagnosticsJni),
         &ACC(HttpDownloadDiagnosticsServiceImp, getHttpDownloadDiagnosticsResultJni), "Download"},
    };
    // result: the gateway's text, null for none
    const struct { std::string text1, text2; jint rc; const char *result; int code; } cases[] = {
        {"http://a/", "", 4, "{\"Speed\":1}", 0},
        {kBad, "eth0", -1, "{\"Speed\":2}", 9},  // a text with a non-zero code still goes to Java
        {"http://a/", kBad, -1, nullptr, 0},    // no text with a zero code gives null
    };
    for (const auto &m : methods) {
        for (const auto &c : cases) {
            zsim::Reset();
            auto run = [](int, const char *, const char *) { return 4; };
            auto hand = [&c](char **out) {
                EXPECT_EQ(*out, nullptr);
                if (c.result) *out = strdup(c.result);  // a leak or a second free shows under the sanitizers
                return c.code;
            };
            ZSIM_SCRIPT(zivra_startHttpUploadDiagnostics, run);
            ZSIM_SCRIPT(zivra_startHttpDownloadDiagnostics, run);
            ZSIM_SCRIPT(zivra_getHttpUploadDiagnosticsResult, hand);
            ZSIM_SCRIPT(zivra_getHttpDownloadDiagnosticsResult, hand);
            const size_t released = jni.release_points().size();
            EXPECT_EQ(m.start(env(), self(), -6, Arg(c.text1), Arg(c.text2)), c.rc);
            EXPECT_EQ(ReleasedSince(released), std::vector<size_t>(c.rc == -1 ? 1 : 2, c.rc == -1 ? 0u : 1u));
            EXPECT_EQ(Text(m.get(env(), self())), c.result ? c.result : "<null>");
            const std::string start = "startHttp" + m.name + "DiagnosticsJni";
            const std::string get = "getHttp" + m.name + "DiagnosticsResultJni";
            Strings lines = {start + ": enter============>\n", start + ": GetStringUTFChars = NULL\n",
                             start + ": return = " + std::to_string(c.rc) + " leave ============>\n",
                             get + ": enter============>\n",
                             get + ": return = " + std::to_string(c.code) + " leave ============>\n"};
            if (c.rc != -1) lines.erase(lines.begin() + 1);
            EXPECT_EQ(Lines(), AtLevel2(lines));
        }
    }
}

TEST_F(AccessTest, DetectIpConvertsNumbersAndKeepsTheReplyInItsBuffer) {
    const std::string kArgsFail = "{\"Result\":-1,\"FailReason\":\"GetStringUTFChars error\"}";
    // reply: the gateway's, null: all 256 bytes 'd' with no NUL
    // call: after "detectIp(size=256 ", "" for none
    const struct { std::string ip, port, type; int result; const char *reply; std::string call, want; } cases[] = {
        {"10.0.0.1", "8080abc", " -1", 0, "{\"Result\":0}", "port=8080 ip=\"10.0.0.1\" type=-1", "{\"Result\":0}"},
        {"10.0.0.1", "", "x", 0, nullptr, "port=0 ip=\"10.0.0.1\" type=0", std::string(256, 'd')},
        {"h", "99999999999", "-99999999999", 0, "{}", "port=2147483647 ip=\"h\" type=-2147483648", "{}"},
        {"h", "1", "1", 2, "{}", "port=1 ip=\"h\" type=1", "{\"Result\":-1,\"FailReason\":\"IPdetect fail\"}"},
        {"h", "1", kBad, 0, "{}", "", kArgsFail},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_detectIp, [&c](char *r, int size, int, const char *, int) {
            return c.reply ? (void)snprintf(r, 256, "%s", c.reply) : (void)memset(r, 'd', size_t(size)), c.result;
        });
        const size_t released = jni.release_points().size();
        jstring got = ACC(IPDetectServiceImp, detectIpJni)(env(), self(), Arg(c.ip), Arg(c.port), Arg(c.type));
        EXPECT_EQ(Text(got), c.want);
        EXPECT_EQ(Calls(), c.call.empty() ? Strings{} : Strings{"detectIp(size=256 " + c.call + ")"});
        EXPECT_EQ(ReleasedSince(released), std::vector<size_t>(c.call.empty() ? 2 : 3, c.call.empty() ? 0 : 1));
        // The reply's Java string comes once every text went back, on both paths.
        EXPECT_EQ(jni.trace().back(), "NewStringUTF") << c.call;
        Strings lines = {"detectIpJni:\tenter============>\n"};
        if (!c.call.empty()) {
            lines.push_back("detectIpJni:\tport = " + c.port + ", ip=" + c.ip + ", type = " + c.type + "\n");
            if (c.result == 0) lines.push_back("detectIpJni: return json = " + c.want + "   leave============>\n");
            lines.push_back("detectIpJni:\tleave============>\n");
        }
        EXPECT_EQ(Lines(), AtLevel2(lines)) << c.call;
    }
}

}  // namespace
