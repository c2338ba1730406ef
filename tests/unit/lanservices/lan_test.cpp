// The LAN services. Wired: EthQueryServiceImp and EthConfigServiceImp;
// LANHostsInfoQueryServiceImp (host lists by interface, class and MAC, speed
// limits, traffic counters, the gateway name and the MAC filter mode),
// LanHostSpeedLimitServiceImp, LanHostSpeedQueryServiceImp and
// LanNetworkNameConfigServiceImp; LanNetworkAccessConfigServiceImp (MAC
// batches for the black, trust and storage black lists, the MAC filter mode)
// and PortalConfigServiceImp (the list setters and the event subscription,
// the temporary access mode, the two list readers). Wireless:
// WlanConfigServiceImp, WlanQueryServiceImp and WlanSecretQueryServiceImp.
#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_EthConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_EthQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanHostSpeedLimitServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanHostSpeedQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanNetworkNameConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_PortalConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_WlanConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_WlanQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_WlanSecretQueryServiceImp.h"
#include "fail_calloc.h"

#define JNI(cls, method) Java_com_korvanta_nestrova_lanservices_##cls##_##method
#define HOSTS(method) JNI(LANHostsInfoQueryServiceImp, method)
#define ACCESS_ENTRY(m) JNI(LanNetworkAccessConfigServiceImp, m)
#define PORTAL_ENTRY(m) JNI(PortalConfigServiceImp, m)
#define WC(m) JNI(WlanConfigServiceImp, m)
#define WQ(m) JNI(WlanQueryServiceImp, m)
#define WS(m) JNI(WlanSecretQueryServiceImp, m)

namespace {

class LanTest : public BridgeTest {
  protected:
    // The platform calls and the level-2 log lines of what the test just ran.
    void Expect(const Strings &calls, const Strings &lines, const std::string &at = "") {
        EXPECT_EQ(Calls(), calls) << at;
        EXPECT_EQ(Lines(), AtLevel2(lines)) << at;
    }
};

// `n` texts "m0", "m1", ... each followed by `tail`, and the first 64 of
// them, each cut to `keep` characters, as a call record shows them.
std::pair<Strings, std::string> Names(int n, const std::string &tail = "", size_t keep = 20) {
    std::pair<Strings, std::string> out;
    for (int i = 0; i < n; ++i) out.first.push_back("m" + std::to_string(i) + tail);
    for (int i = 0; i < 64; ++i) out.second += (i ? ",\"" : "\"") + out.first[i].substr(0, keep) + "\"";
    return out;
}

// --- Ethernet ---------------------------------------------------------------

TEST_F(LanTest, EthQueriesReplyWithWholeCountersAndTextsReadWithinTheirFields) {
    const LANEthernetStatsRecord kMax = {18446744073709551615ULL, 18446744073709551615ULL, 4294967295u,
                                         4294967295u};
    const LANEthernetStatsRecord k2To32 = {4294967296ULL, 12345678901234ULL, 7u, 0u};
    const struct {
        const LANEthernetStatsRecord *record;  // the counters query; null: the info query
        const char *fill;  // info: each field filled with this, no NUL left when it is long enough
        jint port;
        int result;
        std::string reply;  // "" : refused without the gateway
    } cases[] = {
        // Every counter at its maximum: 136 characters, more than 128 would hold.
        {&kMax, nullptr, 1, 0,
         "{\"Result\":0,\"BytesSent\":18446744073709551615,\"BytesReceived\":18446744073709551615,"
         "\"PacketsSent\":4294967295,\"PacketsReceived\":4294967295}"},
        // A byte counter of 2^32 cut to 32 bits would print 0.
        {&k2To32, nullptr, 4, 0,
         "{\"Result\":0,\"BytesSent\":4294967296,\"BytesReceived\":12345678901234,\"PacketsSent\":7,"
         "\"PacketsReceived\":0}"},
        {&kMax, nullptr, 2, 3, "{\"Result\":-1}"},
        // Ports outside 1..4, zero and negative ones wrapping high, never reach the gateway.
        {&kMax, nullptr, 0, 0, ""}, {&kMax, nullptr, 5, 0, ""}, {&kMax, nullptr, -2147483647 - 1, 0, ""},
        // The info query passes any port.
        {nullptr, "Up", -7, 0,
         "{\"Result\":0,\"Enable\":\"Up\",\"Status\":\"Up\",\"BitRate\":\"Up\",\"DuplexMode\":\"Up\"}"},
        {nullptr, "\"qqqqqqqqqqq", 0, 0,
         "{\"Result\":0,\"Enable\":\"\"qqqqqqq\",\"Status\":\"\"qqqqqqqqq\",\"BitRate\":\"\"qqqqq\","
         "\"DuplexMode\":\"\"qqqqq\"}"},
        {nullptr, "Up", 2, -5, "{\"Result\":-1}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANEthernetStats, [&c](int, LANEthernetStatsRecord *r) {
            const LANEthernetStatsRecord zero = {};
            EXPECT_EQ(memcmp(r, &zero, sizeof zero), 0) << "record not zeroed";
            *r = *c.record;
            return c.result;
        });
        ZSIM_SCRIPT(zivra_getLANEthernetInfo, [&c](int, LANEthernetInfoRecord *r) {
            // As much of the text as each field holds, leaving no NUL when it is longer.
            [&c](auto &...f) { (memcpy(f, c.fill, std::min(sizeof f, strlen(c.fill))), ...); }(
                r->Enable, r->Status, r->BitRate, r->DuplexMode);
            return c.result;
        });
        const std::string m = c.record ? "getLANEthernetStats" : "getLANEthernetInfo";
        const std::string reply = c.reply.empty() ? "{\"Result\":-1}" : c.reply;
        EXPECT_EQ(Text(c.record ? JNI(EthQueryServiceImp, getLANEthernetStatsJni)(env(), self(), c.port)
                                : JNI(EthQueryServiceImp, getLANEthernetInfoJni)(env(), self(), c.port)),
                  reply) << m << " " << c.port;
        Expect(Strings(!c.reply.empty(), m + "(port=" + std::to_string(c.port) + ")"),
               {m + "Jni: enter============>\n", m + "Jni: return json = " + reply + "   leave============>\n"});
    }
}

TEST_F(LanTest, EthEnableMapsAnyNonzeroByteToYes) {
    for (jboolean value : {0, 1, 2, 0x80, 0xFF}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setLANEthernetEnable, [](int, const char *) { return 7; });
        EXPECT_EQ(JNI(EthConfigServiceImp, setLANEthernetEnableJni)(env(), self(), 3, value), 7);
        Expect({std::string("setLANEthernetEnable(port=3 enable=\"") + (value ? "Yes" : "No") + "\")"},
               {"setLANEthernetEnableJni: enter============>\n",
                "setLANEthernetEnableJni: return value = 7  leave============>\n"});
    }
}

// The two text setters share one sequence; `arg` is the name in the error line.
TEST_F(LanTest, EthTextSettersKeepSixCharactersOrFailWithoutTheGateway) {
    const struct {
        std::string method, op, field, arg;
        jint (*call)(JNIEnv *, jobject, jint, jstring);
    } setters[] = {
        {"setLANEthernetDuplexModeJni", "setLANEthernetDuplexMode", "duplexMode", "DuplexMode",
         &JNI(EthConfigServiceImp, setLANEthernetDuplexModeJni)},
        {"setLANEthernetMaxBitRateJni", "setLANEthernetMaxBitRate", "maxBitRate", "MaxBitRate",
         &JNI(EthConfigServiceImp, setLANEthernetMaxBitRateJni)},
    };
    const struct {
        const char *in;  // null: characters that cannot be had
        std::string out;
    } texts[] = {{"Full", "Full"}, {"123456789", "123456"}, {nullptr, ""}};
    for (const auto &s : setters) {
        for (const auto &t : texts) {
            zsim::Reset();
            zsim::Script<int(int, const char *)>("zivra_" + s.op, [](int, const char *) { return 11; });
            const std::string convert = s.method + "  JstringToPchar============>\n";
            EXPECT_EQ(s.call(env(), self(), -4, t.in ? jni.Str(t.in) : jni.BadStr()), t.in ? 11 : -1);
            Expect(Strings(t.in != nullptr, s.op + "(port=-4 " + s.field + "=\"" + t.out + "\")"),
                   t.in ? Strings{convert, s.method + ": enter============>\n",
                                  s.method + ": return value = 11  leave============>\n"}
                        : Strings{convert, s.method + ": Get jstring " + s.arg + " fail leave============>\n"});
        }
    }
}

// --- Hosts, speeds and names ----------------------------------------------

const std::string kFail = "{\"Result\":-1,\"List\":[]}";
const std::string kEmpty = "{\"Result\":0,\"List\":[]}";

std::string Enter(const std::string &m) { return m + "  enter============>\n"; }
std::string Leave(const std::string &m, const std::string &reply) {
    return m + ": return json = " + reply + "   leave============>\n";
}
std::string List(const Strings &items) {
    std::string out = "{\"Result\":0,\"List\":[";
    for (size_t i = 0; i < items.size(); ++i) out += (i > 0 ? "," : "") + items[i];
    return out + "]}";
}

// The record's fields lie end to end, texts only.
const size_t kFieldSizes[8] = {8, 20, 70, 70, 20, 8, 64, 8};

// The reply item of a host record, each field read up to its NUL or its end.
std::string Item(const LANHostRecord &r) {
    static const char *const keys[8] = {"Class", "MAC", "DhcpName", "DeviceName", "IP", "ConnectInterface",
                                        "OnlineTime", "StorageAccessStatus"};
    const char *field = reinterpret_cast<const char *>(&r);
    std::string out;
    for (size_t i = 0; i < 8; field += kFieldSizes[i++]) {
        const std::string text(field, strnlen(field, kFieldSizes[i]));
        out += std::string(i == 0 ? "{\"" : ",\"") + keys[i] + "\":\"" + text + "\"";
    }
    return out + "}";
}

// What the scripted gateway answers to every list query: the bytes of the
// records it fills in, the count it reports and its result.
struct Answer { std::string records; int count, result; };
template <class R>
std::string Bytes(const std::vector<R> &v) { return {reinterpret_cast<const char *>(v.data()), v.size() * sizeof(R)}; }

// The table arrives zero-filled; the gateway fills it and sets the count.
int Fill(const Answer &a, void *table, size_t recordSize, int *count) {
    char *bytes = static_cast<char *>(table);
    EXPECT_TRUE(std::all_of(bytes, bytes + 64 * recordSize, [](char c) { return c == 0; }));
    memcpy(bytes, a.records.data(), a.records.size());
    *count = a.count;
    return a.result;
}

void Script(const Answer &a) {
    const auto fill = [&a](auto, auto *table, int *count) { return Fill(a, table, sizeof *table, count); };
    ZSIM_SCRIPT(zivra_getLANHostInfoByInterface, fill);
    ZSIM_SCRIPT(zivra_getLANHostInfoByClass, fill);
    ZSIM_SCRIPT(zivra_getLANHostInfoByMAC, fill);
    ZSIM_SCRIPT(zivra_getLANHostSpeedLimitInfo, fill);
    ZSIM_SCRIPT(zivra_getLANHostStats, fill);
}

// The five list queries: the calls the gateway sees when `call` asks with an
// argument the query accepts; the entry point of the MAC-list queries.
using MacEntry = jstring (*)(JNIEnv *, jobject, jobjectArray);
struct ListQuery {
    std::string method;
    Strings calls;
    std::function<jstring(FakeJni &)> call;
    MacEntry byMacs;
};
ListQuery MacQuery(const char *method, const char *op, MacEntry e) {
    return {method, {std::string(op) + "(count=1 macs=[\"m1\"])"},
            [e](FakeJni &j) { return e(j.env(), j.self(), j.Strs({"m1"})); }, e};
}
const ListQuery kQueries[] = {
    {"getLANHostInfoByInterfaceJni",
     {"checkInterfaceFormat(name=\"LAN2\")", "getLANHostInfoByInterface(index=2 count=0)"},
     [](FakeJni &j) { return HOSTS(getLANHostInfoByInterfaceJni)(j.env(), j.self(), j.Str("LAN2")); }, nullptr},
    // At most 8 characters of the class reach the gateway.
    {"getLANHostInfoByClassJni", {"getLANHostInfoByClass(hostClass=\"ABCDEFGH\" count=0)"},
     [](FakeJni &j) { return HOSTS(getLANHostInfoByClassJni)(j.env(), j.self(), j.Str("ABCDEFGHIJKL")); }, nullptr},
    MacQuery("getLANHostInfoByMACJni", "getLANHostInfoByMAC", HOSTS(getLANHostInfoByMACJni)),
    MacQuery("getLANHostSpeedLimitInfoJni", "getLANHostSpeedLimitInfo", HOSTS(getLANHostSpeedLimitInfoJni)),
    MacQuery("getLANHostStatsJni", "getLANHostStats", HOSTS(getLANHostStatsJni)),
};

TEST_F(LanTest, HostListReplies) {
    // A double quote from the gateway goes into the reply unescaped.
    const LANHostRecord pc = {"PC", "00:1A:2B:3C:4D:01", "desktop", "Anna\"s PC", "192.168.1.10", "LAN1", "", "Allow"};
    // 64 hosts, every field filled to its last byte with no NUL.
    std::vector<LANHostRecord> full(64);
    Strings items;
    for (size_t i = 0; i < 64; ++i) {
        char *bytes = reinterpret_cast<char *>(&full[i]);
        for (size_t b = 0; b < sizeof full[i]; ++b) bytes[b] = static_cast<char>('a' + (i + b) % 26);
        items.push_back(Item(full[i]));
    }
    // Each row asks the queries kQueries[first..last].
    const struct { const char *name; size_t first, last; Answer answer; std::string want; } cases[] = {
        {"no host", 0, 2, {"", 0, 0}, kEmpty},
        {"one host", 0, 2, {Bytes<LANHostRecord>({pc}), 1, 0},
         "{\"Result\":0,\"List\":[{\"Class\":\"PC\",\"MAC\":\"00:1A:2B:3C:4D:01\",\"DhcpName\":\"desktop\","
         "\"DeviceName\":\"Anna\"s PC\",\"IP\":\"192.168.1.10\",\"ConnectInterface\":\"LAN1\","
         "\"OnlineTime\":\"\",\"StorageAccessStatus\":\"Allow\"}]}"},
        {"count 65: 64 hosts at full length", 0, 2, {Bytes(full), 65, 0}, List(items)},
        {"count -1", 0, 2, {Bytes(full), -1, 0}, kEmpty},
        {"gateway failed", 0, 4, {Bytes<LANHostRecord>({pc}), 1, -3}, kFail},
        {"two limits", 3, 3, {Bytes<LANHostSpeedLimitRecord>({{1000, 2000}, {0, 0}}), 2, 0},
         "{\"Result\":0,\"List\":[{\"UpSpeed\":1000,\"DownSpeed\":2000},{\"UpSpeed\":0,\"DownSpeed\":0}]}"},
        {"65 widest limits", 3, 3, {std::string(64 * 8, '\xFF'), 65, 0},
         List(Strings(64, "{\"UpSpeed\":4294967295,\"DownSpeed\":4294967295}"))},
        {"65 widest counters", 4, 4, {std::string(64 * 8, '\xFF'), 65, 0},
         List(Strings(64, "{\"UsStats\":4294967295,\"DsStats\":4294967295}"))},
    };
    for (const auto &c : cases) {
        for (size_t q = c.first; q <= c.last; ++q) {
            const ListQuery &query = kQueries[q];
            zsim::Reset();
            Script(c.answer);
            EXPECT_EQ(Text(query.call(jni)), c.want) << query.method << ": " << c.name;
            Expect(query.calls, {Enter(query.method), Leave(query.method, c.want)}, query.method);
        }
    }
}

TEST_F(LanTest, MacListsReachTheGatewayAsAWideTable) {
    const auto many = Names(1000, std::string(30, 'w'), 30);  // the wide table keeps 30 characters
    // The table as the gateway received it; the line between enter and leave.
    const struct { const char *name; std::function<jobjectArray()> macs; std::string table, line; } cases[] = {
        {"String[] {\"\"}", [this] { return jni.Strs({""}); }, "count=0 macs=[]",
         "Compatible with String[] {\"\"}============>\n"},
        {"two empty strings", [this] { return jni.Strs({"", ""}); }, "count=2 macs=[\"\",\"\"]", ""},
        // The conversion stops at the element that cannot be had; the count
        // stays the array's length and the later slots stay empty.
        {"bad element in the middle",
         [this] { return jni.Arr({jni.Str("m0"), jni.Str("m1"), jni.BadStr(), jni.Str("m3"), jni.Str("m4")}); },
         "count=5 macs=[\"m0\",\"m1\",\"\",\"\",\"\"]", "Get each MAC String error============>\n"},
        {"1000 MACs", [&] { return jni.Strs(many.first); }, "count=64 macs=[" + many.second + "]", ""},
    };
    const Answer none{"", 0, 0};
    for (const auto &q : kQueries) {
        if (q.byMacs == nullptr) continue;
        const std::string op = q.calls[0].substr(0, q.calls[0].find('('));
        for (const auto &c : cases) {
            zsim::Reset();
            Script(none);
            SCOPED_TRACE(q.method + ": " + c.name);
            EXPECT_EQ(Text(q.byMacs(env(), self(), c.macs())), kEmpty);
            Strings want = {Enter(q.method), q.method + ": " + c.line, Leave(q.method, kEmpty)};
            if (c.line.empty()) want.erase(want.begin() + 1);
            Expect({op + "(" + c.table + ")"}, want);
        }
    }
}

TEST_F(LanTest, NamesRefusedOrNotHadNeverReachTheQuery) {
    const std::string byIf = "getLANHostInfoByInterfaceJni", byClass = "getLANHostInfoByClassJni";
    EXPECT_EQ(Text(HOSTS(getLANHostInfoByInterfaceJni)(env(), self(), jni.Str("WAN1"))), kFail);
    EXPECT_EQ(Text(HOSTS(getLANHostInfoByInterfaceJni)(env(), self(), jni.BadStr())), kFail);
    EXPECT_EQ(Text(HOSTS(getLANHostInfoByClassJni)(env(), self(), jni.BadStr())), kFail);
    Expect({"checkInterfaceFormat(name=\"WAN1\")"},
           {Enter(byIf), byIf + ": fail leave============>\n", Enter(byIf),
            byIf + ": Get jstring interface fail leave============>\n", Enter(byClass),
            byClass + ": Get jstring hostClass fail leave============>\n"});
    // Only -1 is a refusal.
    zsim::Reset();
    ZSIM_SCRIPT(checkInterfaceFormat, [](const char *, int *index) { return *index = 12, -2; });  // SSID8: no host
    EXPECT_EQ(Text(HOSTS(getLANHostInfoByInterfaceJni)(env(), self(), jni.Str("x"))), kEmpty);
    EXPECT_EQ(Calls().back(), "getLANHostInfoByInterface(index=12 count=0)");
}

TEST_F(LanTest, GatewayName) {
    const auto name = [this] { return Text(HOSTS(getGatewayNameJni)(env(), self())); };
    EXPECT_EQ(name(), "HomeGateway");
    EXPECT_EQ(Lines(), AtLevel2({"getGatewayNameJni  enter============>\n",
                                 "getGatewayNameJni: return string = HomeGateway   leave============>\n"}));
    // A name filling all 70 bytes with no NUL is read no further; a failed
    // query is the empty text whatever the gateway wrote.
    for (int result : {0, 1}) {
        ZSIM_SCRIPT(zivra_getGatewayName, [result](char *n) { return memset(n, 'g', 70), result; });
        EXPECT_EQ(name(), result == 0 ? std::string(70, 'g') : "");
    }
}

TEST_F(LanTest, SpeedLimitScansTheMacAndPassesSpeedsUnchanged) {
    const auto limit = JNI(LanHostSpeedLimitServiceImp, setLANHostSpeedLimitJni);
    ZSIM_SCRIPT(zivra_setLANHostSpeedLimit, [](const unsigned char *, int, int) { return 9; });
    EXPECT_EQ(limit(env(), self(), jni.Str("00:1A:2b:3:4:5"), -5, INT_MIN), 9);
    EXPECT_EQ(jni.release_points(), std::vector<size_t>{0});  // back before the gateway is called
    Expect({"setLANHostSpeedLimit(mac=00:1A:2B:03:04:05 upSpeed=-5 downSpeed=-2147483648)"},
           {"setLANHostSpeedLimitJni:mAddrtmp = 00:1A:2b:3:4:5 ,\n",
            "setLANHostSpeedLimitJni:  upSpeed = -5 , downSpeed = -2147483648 enter============>\n",
            "setLANHostSpeedLimitJni: return json = \"Result\":9 leave============>\n"});
    // A MAC that cannot be had fails silently.
    zsim::Reset();
    EXPECT_EQ(limit(env(), self(), jni.BadStr(), 1, 2), -1);
    EXPECT_TRUE(Calls().empty() && Lines().empty());
}

TEST_F(LanTest, SpeedQueryReplies) {
    const struct {
        jstring mac;
        int result;
        std::string want;
        bool reached;  // the gateway and the log
    } cases[] = {
        {jni.Str("00:1A:2B:3C:4D:5E"), 0, "{\"Result\":0,\"upSpeed\":512,\"downSpeed\":-2048}", true},
        {jni.Str("00:1A:2B:3C:4D:5E"), 3, "{\"Result\":-1,\"FailReason\":\"Bandwidth disable or mac not exist\"}",
         true},
        {jni.BadStr(), 0, "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}", false},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANHostSpeed, [&c](const unsigned char *, int *up, int *down) {
            EXPECT_TRUE(*up == 0 && *down == 0);
            *up = 512;
            *down = -2048;
            return c.result;
        });
        EXPECT_EQ(Text(JNI(LanHostSpeedQueryServiceImp, getLANHostSpeedJni)(env(), self(), c.mac)), c.want);
        Expect(Strings(c.reached, "getLANHostSpeed(mac=00:1A:2B:3C:4D:5E)"),
               Strings(c.reached, "getLANHostSpeedJni: return json = " + c.want + "   leave============>\n"), c.want);
    }
}

TEST_F(LanTest, GatewayAndHostNames) {
    std::string twoByte64;
    for (int i = 0; i < 64; ++i) twoByte64 += "\xC3\xA9";  // 64 characters, 128 bytes
    const std::string mac25 = "00:1A:2B:3C:4D:5E:6F:70ab";
    const struct {
        bool gateway;  // else host name
        jstring mac, name;
        int rc;
        std::string call;  // the gateway's call, "" for none
        std::string line;  // last log line, after "<method>: "
    } cases[] = {
        {true, nullptr, jni.Str(std::string(64, 'g')), 4, "setGatewayName(name=\"" + std::string(64, 'g') + "\")",
         "return value = 4   leave============>\n"},
        {true, nullptr, jni.Str(std::string(65, 'g')), -2, "", "Gateway name overlength leave============>\n"},
        {true, nullptr, jni.BadStr(), -1, "", "Get jstring gatewayName fail leave============>\n"},
        // The MAC text keeps 18 characters; a 64-byte name goes whole.
        {false, jni.Str(mac25), jni.Str(std::string(64, 'n')), 4,
         "setLANHostName(mac=\"" + mac25.substr(0, 18) + "\" hostName=\"" + std::string(64, 'n') + "\")",
         "return value = 4   leave============>\n"},
        {false, jni.Str(mac25), jni.Str(twoByte64), -2, "", "HostName overlength leave============>\n"},
        {false, jni.BadStr(), jni.Str("n"), -1, "", "Get jstring fail leave============>\n"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setGatewayName, [](const char *) { return 4; });
        ZSIM_SCRIPT(zivra_setLANHostName, [](const char *, const char *) { return 4; });
        const size_t released = jni.release_points().size();
        const std::string m = c.gateway ? "setGatewayNameJni" : "setLANHostNameJni";
        EXPECT_EQ(c.gateway ? JNI(LanNetworkNameConfigServiceImp, setGatewayNameJni)(env(), self(), c.name)
                            : JNI(LanNetworkNameConfigServiceImp, setLANHostNameJni)(env(), self(), c.mac, c.name),
                  c.rc) << c.line;
        Expect(Strings(!c.call.empty(), c.call), {m + "  enter============>\n", m + ": " + c.line}, c.line);
        // Whatever was obtained went back before the gateway was called.
        for (size_t i = released; i < jni.release_points().size(); ++i) EXPECT_EQ(jni.release_points()[i], 0u);
    }
}

// --- MAC access lists and portal --------------------------------------------

// Nonzero bytes the platform was handed in a table of 64 slots of 20 bytes
// outside the texts of the first `count` slots; -1 until a list operation
// is called.
int stray = -1;
int Stray(const char (*slots)[20], int count, int answer) {
    stray = 0;
    for (int i = 0; i < 64 * 20; ++i) {
        const char *slot = slots[i / 20];
        stray += slot[i % 20] != 0 && (i / 20 >= count || i % 20 >= static_cast<int>(strnlen(slot, 20)));
    }
    return answer;
}

// One row per list method; every scripted platform call answers 7.
struct ListMethod {
    std::string op;  // platform operation, without zivra_
    jint (*call)(JNIEnv *, jobject, jobjectArray);
    bool single_empty_line;  // a delete logs String[] {""} before passing no MAC
    bool add() const { return op.rfind("add", 0) == 0; }
};

const ListMethod kMethods[] = {
    {"addLANHostToBlackList", &ACCESS_ENTRY(addLANHostToBlackListJni), false},
    {"deleteLANHostFromBlackList", &ACCESS_ENTRY(deleteLANHostFromBlackListJni), true},
    {"addLANHostToTrustList", &ACCESS_ENTRY(addLANHostToTrustListJni), false},
    {"deleteLANHostFromTrustList", &ACCESS_ENTRY(deleteLANHostFromTrustListJni), false},
    {"addLANHostToStorageBlackList", &ACCESS_ENTRY(addLANHostToStorageBlackListJni), false},
    {"deleteLANHostFromStorageBlackList", &ACCESS_ENTRY(deleteLANHostFromStorageBlackListJni), true},
};

// The method's lines for a code string: E enter, X element error, N no MAC
// (adds), S single empty element (where the method logs it), L leave.
Strings Want(const ListMethod &m, const std::string &codes) {
    const std::string j = m.op + "Jni";
    Strings out;
    for (char c : codes) {
        if (c == 'E') out.push_back(j + "  enter============>\n");
        if (c == 'X') out.push_back(j + ": Get each MAC String error" + (m.add() ? "\n" : "============>\n"));
        if (c == 'N' && m.add()) out.push_back(j + ": no MAC\n");
        if (c == 'S' && m.single_empty_line) out.push_back(j + ": Compatible with String[] {\"\"}============>\n");
        if (c == 'L') out.push_back(j + ": return value = 7   leave============>\n");
    }
    return out;
}

TEST_F(LanTest, BatchesCountsAndLogLinesOfEveryAccessListMethod) {
    const auto many = Names(1000);
    const std::string cut = "count=64 macs=[" + many.second + "]";
    const std::string stopped = "count=5 macs=[\"m0\",\"m1\",\"\",\"\",\"\"]";
    struct Row {
        const char *name;
        jobjectArray macs;
        std::string add_call, add_lines, del_call, del_lines;  // no add_call: -1 without a platform call
    } rows[] = {
        // The long batches first, so a table left unzeroed would show below.
        {"1000 cut to 64", jni.Strs(many.first), cut, "EL", cut, "EL"},
        {"empty array", jni.Strs({}), "", "EN", "count=0 macs=[]", "EL"},
        {"null array", nullptr, "", "EN", "count=0 macs=[]", "EXL"},
        {"{\"\"}", jni.Strs({""}), "count=1 macs=[\"\"]", "EL", "count=0 macs=[]", "ESL"},
        {"third of five cannot be had",
         jni.Arr({jni.Str("m0"), jni.Str("m1"), jni.BadStr(), jni.Str("m3"), jni.Str("m4")}), stopped, "EXL",
         stopped, "EXL"},
    };
    for (const auto &m : kMethods) {
        for (const auto &r : rows) {
            SCOPED_TRACE(m.op + ": " + r.name);
            zsim::Reset();
            // The six operations share one type: the method's own one answers.
            zsim::Script<decltype(zivra_addLANHostToBlackList)>(
                "zivra_" + m.op, [](const char(*macs)[20], int count) { return Stray(macs, count, 7); });
            stray = -1;
            const std::string &call = m.add() ? r.add_call : r.del_call;
            EXPECT_EQ(m.call(env(), self(), r.macs), call.empty() ? -1 : 7);
            EXPECT_EQ(stray, call.empty() ? -1 : 0);
            Expect(Strings(!call.empty(), m.op + "(" + call + ")"), Want(m, m.add() ? r.add_lines : r.del_lines));
        }
    }
    // TearDown: every element reference and its characters went back.
}

// The values go through unchecked and the gateway's result comes back.
TEST_F(LanTest, FilterModesAndTemporaryAccessModePassTheirValuesAndTheResult) {
    ZSIM_SCRIPT(zivra_setMacFilterMode, [](int) { return -9; });
    ZSIM_SCRIPT(zivra_getMacFilterMode, [] { return -8; });
    ZSIM_SCRIPT(zivra_setTemporaryAccessMode, [](int, int) { return -9; });
    EXPECT_EQ(ACCESS_ENTRY(setMacFilterModeJni)(env(), self(), INT_MIN), -9);
    EXPECT_EQ(HOSTS(getMacFilterModeJni)(env(), self()), -8);
    EXPECT_EQ(PORTAL_ENTRY(setTemporaryAccessModeJni)(env(), self(), 7, 30), -9);
    Strings lines;
    for (std::string m : {"setMacFilterModeJni", "getMacFilterModeJni", "setTemporaryAccessModeJni"}) {
        lines.push_back(Enter(m));
        lines.push_back(m + ": return value = " + (m[0] == 'g' ? "-8" : "-9") + "   leave============>\n");
    }
    Expect({"setMacFilterMode(mode=-2147483648)", "getMacFilterMode()", "setTemporaryAccessMode(value1=7 value2=30)"},
           lines);
}

// The five methods that fill the portal table, with their log lines as
// "level|text"; all but the subscription log alike at level 2.
struct PortalMethod {
    std::string op;  // the call record up to the table
    jint (*call)(JNIEnv *, jobject, jobjectArray);
    std::string enter, element_error, enable, leave;  // enable: the subscription's line after the copy
    std::string tail;                                 // the call record after the table
};

// `field` names the table in the call record; `what` the element in the error line.
PortalMethod Plain(const std::string &m, const char *field, const char *what,
                 jint (*call)(JNIEnv *, jobject, jobjectArray)) {
    const std::string j = "2|" + m + "Jni";
    return {m + "(" + field + "=", call, j + "  enter============>\n", j + ": Get each " + what + " String error\n",
            "", j + ": return value = -3   leave============>\n", ")"};
}

const PortalMethod kPortalMethods[] = {
    {"subscribePortalEvent(events=",
     [](JNIEnv *e, jobject o, jobjectArray a) { return PORTAL_ENTRY(subscribePortalEventJni)(e, o, 0, a, 1); },
     "0|subscribePortalEventJni  enter, ============>\n", "1|subscribePortalEventJni: Get each event String error\n",
     "0|subscribePortalEventJni  enable[1], ============>\n",
     "0|subscribePortalEventJni: return value = -3   leave============>\n", " enable=\"1\")"},
    Plain("addPortalMacWhiteList", "macs", "mac", &PORTAL_ENTRY(addPortalMacWhiteListJni)),
    Plain("deletePortalMacWhiteList", "macs", "mac", &PORTAL_ENTRY(deletePortalMacWhiteListJni)),
    Plain("allowDeviceTemporaryAccess", "macs", "mac", &PORTAL_ENTRY(allowDeviceTemporaryAccessJni)),
    Plain("setPortalDomainWriteList", "domains", "domains", &PORTAL_ENTRY(setPortalDomainWriteListJni)),
};

TEST_F(LanTest, PortalListsFillTheTableFromTheFirstSlotAndAtMostSixtyFour) {
    const auto names = Names(65);
    const std::string first64 = names.second;
    struct Row {
        const char *name;
        jobjectArray list;
        std::string table;  // as the call record shows it
        bool element_error;
    } rows[] = {
        // The long lists first, so a table left unzeroed would show below.
        {"65 cut to 64", jni.Strs(names.first), "[" + first64 + "]", false},
        {"one, 25 characters kept as 18", jni.Strs({"login.provider-portal.net"}), "[\"login.provider-por\"]", false},
        {"none", jni.Strs({}), "[]", false},
        {"null array", nullptr, "[]", true},
        {"third of five cannot be had",
         jni.Arr({jni.Str("n0"), jni.Str("n1"), jni.BadStr(), jni.Str("n3"), jni.Str("n4")}), "[\"n0\",\"n1\"]", true},
    };
    const auto take = [](const PortalListTable *t) { return Stray(t->Slot, 64, -3); };
    for (const auto &m : kPortalMethods) {
        for (const auto &r : rows) {
            SCOPED_TRACE(m.op + " " + r.name);
            zsim::Reset();
            // The method's own operation answers; the subscription's, of another type, is set last.
            zsim::Script<int(const PortalListTable *)>("zivra_" + m.op.substr(0, m.op.find('(')), take);
            ZSIM_SCRIPT(zivra_subscribePortalEvent, [&](const PortalListTable *t, const char *) { return take(t); });
            stray = -1;
            EXPECT_EQ(m.call(env(), self(), r.list), -3);
            EXPECT_EQ(stray, 0);
            Strings lines{m.enter, r.element_error ? m.element_error : "", m.enable, m.leave};
            lines.erase(std::remove(lines.begin(), lines.end(), ""), lines.end());
            EXPECT_EQ(Calls(), Strings{m.op + r.table + m.tail});
            EXPECT_EQ(Lines(), lines);
        }
    }
    // TearDown: every element reference and its characters went back.
}

TEST_F(LanTest, SubscriptionSwitchIsOneOnlyForALowByteOfExactlyOne) {
    const std::pair<jboolean, std::string> cases[] = {{0, "0"}, {1, "1"}, {2, "0"}, {0xFF, "0"}};
    for (const auto &c : cases) {
        zsim::Reset();
        EXPECT_EQ(PORTAL_ENTRY(subscribePortalEventJni)(env(), self(), 0, jni.Strs({"Online"}), c.first), 0);
        EXPECT_EQ(Calls(), Strings{"subscribePortalEvent(events=[\"Online\"] enable=\"" + c.second + "\")"});
        EXPECT_EQ(Lines().at(1),
                  "0|subscribePortalEventJni  enable[" + std::to_string(c.first) + "], ============>\n");
    }
}

TEST_F(LanTest, ReadersPutThePlatformTextWholeIntoOneListElement) {
    const struct {
        std::string op;
        const char *key;
        jstring (*call)(JNIEnv *, jobject);
        const char *leave_tail;
    } readers[] = {
        {"getPortalMacWhiteList", "MAC", &PORTAL_ENTRY(getPortalMacWhiteListJni), "============>\n"},
        {"getPortalDomainWriteList", "domains", &PORTAL_ENTRY(getPortalDomainWriteListJni), "=======>\n"},
    };
    // The platform's text (written with no NUL of its own) and its result.
    const std::pair<std::string, int> cases[] = {{"a.lan, b;c \"d\"", 0}, {std::string(128, 'z'), 0}, {"text", 5}};
    for (const auto &r : readers) {
        for (const auto &c : cases) {
            SCOPED_TRACE(r.op + " " + c.first);
            zsim::Reset();
            bool zeroed = false;
            auto write = [&](char *list) {
                zeroed = std::string(list, 128) == std::string(128, '\0');
                memcpy(list, c.first.data(), c.first.size());
                return c.second;
            };
            zsim::Script<int(char *)>("zivra_" + r.op, write);
            const std::string want = c.second != 0 ? "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}"
                                                   : "{\"Result\":0,\"List\":[{\"" + std::string(r.key) + "\":\"" +
                                                         c.first + "\"}]}";
            EXPECT_EQ(Text(r.call(env(), self())), want);
            EXPECT_TRUE(zeroed);
            Expect({r.op + "()"}, {Enter(r.op + "Jni"), r.op + "Jni: leave tmp: " + want + r.leave_tail});
        }
    }
}

// --- Wireless ---------------------------------------------------------------

const char kJstringFail[] = "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}";
const char kNeighborFail[] = "{\"Result\":-1,\"FailReason\":\"getWLANNeighbor fail\"}";
const char kHostFail[] = "{\"Result\":-1,\"FailReason\":\"getWLANHostInfo fail\"}";
const char kGuestFail[] = "{\"Result\":-1,\"FailReason\":\"getGuestSSIDInfo fail\"}";
const char kNeighborEnter[] = "getWLANNeighborJni: CradioType:2.4G enter============>\n";
const char kHostEnter[] = "getWLANHostInfoJni:  enter============>\n";
const char kGuestEnter[] = "getGuestSSIDInfoJni: enter============>\n";

// `tmpl` with each '$' replaced by the next of `texts`, '@' by `text` and
// '#' by the number `bit`.
std::string Sub(const std::string &tmpl, const Strings &texts, const std::string &text = "", int bit = 0) {
    std::string o;
    size_t n = 0;
    for (char ch : tmpl) {
        o += ch == '$' && n < texts.size() ? texts[n++] : ch == '@' ? text : ch == '#' ? std::to_string(bit)
                                                                                        : std::string{ch};
    }
    return o;
}

// Every setter answers -7, so a result passed through is told apart from
// one the bridge made up.
void AnswerAll() {
    const auto answer = [](auto...) { return -7; };
#define ANSWER(op) ZSIM_SCRIPT(zivra_##op, answer);
    ANSWER(setWLANSSIDAdvertisement) ANSWER(setWLANSSIDSecurity) ANSWER(setWLANRadioFrequencyWidth)
    ANSWER(setWLANStandard) ANSWER(addWLANGuestSSID) ANSWER(setWLANRadioPower) ANSWER(setWLANSSIDSwitch)
    ANSWER(setWLANGuestPortIsolation) ANSWER(startWLANWPS) ANSWER(deleteWLANGuestSSID) ANSWER(setWLANHardwareSwitch)
    ANSWER(setWLANGuestDuration) ANSWER(stopWLANWPS) ANSWER(setWLANRadioChannel)
#undef ANSWER
}

// Gives record r a text in each field (of the size given), which must come
// zeroed: a digit of its own, filling the whole field with no NUL when
// `full`, else 1 to 3 of it.
Strings Fill(int r, bool full, const std::vector<char *> &fields, const std::vector<size_t> &sizes) {
    Strings texts;
    for (size_t f = 0; f < fields.size(); ++f) {
        EXPECT_EQ(std::string(fields[f], sizes[f]), std::string(sizes[f], '\0')) << f;
        texts.emplace_back(full ? sizes[f] : 1 + f % 3, static_cast<char>('1' + (r + f) % 9));
        memcpy(fields[f], texts.back().data(), texts.back().size());
    }
    return texts;
}

class WlanTest : public LanTest {
  protected:
    std::string Neighbor(jstring radio) { return Text(WQ(getWLANNeighborJni)(env(), self(), radio)); }
    std::string Hosts(jobjectArray macs) { return Text(WQ(getWLANHostInfoJni)(env(), self(), macs)); }
    std::string Guests() { return Text(WQ(getGuestSSIDInfoJni)(env(), self())); }
};

// The password, counter, radio and SSID queries: texts shorter than their
// buffers, texts filling them with no NUL (the reply stays whole), a failed read.
TEST_F(WlanTest, TextQueriesShortFullAndFailed) {
    const struct {
        std::function<jstring()> call;
        std::vector<size_t> sizes;                          // of the buffers, in argument order
        const char *record, *reply, *fail, *enter, *leave;  // '$' in the leave line is the reply
    } queries[] = {
        {[&] { return WS(getWLANSSIDPasswordJni)(env(), self(), -3); }, {256}, "getWLANSSIDPassword(ssidIndex=-3)",
         "$", "", "getWLANSSIDPasswordJni: enter============>\n", nullptr},
        {[&] { return WQ(getWLANSSIDStatsJni)(env(), self(), 7); }, {64, 32, 64, 64, 64, 64, 64, 64},
         "getWLANSSIDStats(ssidIndex=7)",
         "{\"Result\":0,\"TotalPacketsReceived\":$,\"TotalPacketsSent\":$,\"TotalBytesReceived\":$,\"TotalBytesSent\":"
         "$,\"ErrorsSent\":$,\"DiscardPacketsSent\":$,\"ErrorsReceived\":$,\"DiscardPacketsReceived\":$}",
         "{\"Result\":-1,\"FailReason\":\"getWLANSSIDStats fail\"}", "getWLANSSIDStatsJni: enter============>\n",
         "getWLANSSIDStatsJni: return json = $ leave============>\n"},
        {[&] { return WQ(getWLANRadioInfoJni)(env(), self(), jni.Str("2.4G")); }, {64, 32, 128, 130, 64},
         "getWLANRadioInfo(radioType=\"2.4G\")",
         "{\"Result\":0, \"Channel\":$, \"AutoChannelEnable\":\"$\", \"ChannelsInUse\":\"$\", \"TransmitPower\":\"$\", "
         "\"FrequencyWidth\":\"$\"}",
         "{\"Result\":-1,\"FailReason\":\"Get WLANRadioInfo fail\"}", "getWLANRadioInfoJni: radioType:2.4G\n",
         "getWLANRadioInfoJni: return json = $ leave============>\n"},
        {[&] { return WQ(getWLANSSIDInfoJni)(env(), self(), 2); }, {32, 32, 130, 32, 32, 128},
         "getWLANSSIDInfo(ssidIndex=2)",
         "{\"Result\":0, \"Enable\":\"$\", \"BSSID\":\"$\", \"SSIDName\":\"$\", \"SSIDAdvertisementEnabled\":\"$\", "
         "\"Standard\":\"$\", \"EncryptionMode\":\"$\"}",
         "{\"Result\":-1,\"FailReason\":\"getWLANSSIDInfo fail\"}", "getWLANSSIDInfoJni: enter============>\n",
         "getWLANSSIDInfoJni: return json = $ leave============>\n"},
    };
    for (const auto &q : queries) {
        for (int row = 0; row < 3; ++row) {
            zsim::Reset();
            Strings texts;
            auto give = [&](const std::vector<char *> &bufs) {
                texts = Fill(0, row == 1, bufs, q.sizes);
                return row == 2 ? 3 : 0;
            };
            ZSIM_SCRIPT(zivra_getWLANSSIDPassword, [&](int, char *b) { return give({b}); });
            ZSIM_SCRIPT(zivra_getWLANSSIDStats, [&](int, auto... b) { return give({b...}); });
            ZSIM_SCRIPT(zivra_getWLANRadioInfo, [&](const char *, auto... b) { return give({b...}); });
            ZSIM_SCRIPT(zivra_getWLANSSIDInfo, [&](int, auto... b) { return give({b...}); });
            const std::string reply = Text(q.call());
            EXPECT_EQ(reply, row == 2 ? q.fail : Sub(q.reply, texts)) << q.record << " row " << row;
            Expect({q.record}, q.leave ? Strings{q.enter, Sub(q.leave, {reply})} : Strings{q.enter});
        }
    }
    EXPECT_EQ(jni.release_points(), std::vector<size_t>(3, 1u)) << "radio type released after the gateway call";
}

TEST_F(WlanTest, NeighborListsOfNoneOneSeveralAFullTableAndCountsOutOfRange) {
    // Records filled, count reported.
    const std::pair<int, int> cases[] = {{0, 0}, {3, 3}, {64, 65}, {1, -1}};
    for (const auto &c : cases) {
        zsim::Reset();
        Strings items;
        ZSIM_SCRIPT(zivra_getWLANNeighbor, [&](const char *, WLANNeighborTable *t) {
            for (int i = 0; i < c.first; ++i) {
                items.push_back(Sub("{\"SSIDName\":\"$\",\"BSSID\":\"$\",\"NetworkType\":\"$\",\"Channel\":$,"
                                    "\"RSSI\":\"$\",\"Standard\":\"$\"}",
                                    Fill(i, true, {t->SSIDName[i], t->BSSID[i], t->NetworkType[i], t->Channel[i],
                                                   t->RSSI[i], t->Standard[i]}, {130, 20, 12, 4, 8, 20})));
            }
            return c.second;
        });
        const std::string reply = Neighbor(jni.Str("2.4G"));
        EXPECT_EQ(reply, c.second < 0 ? kNeighborFail : List(items)) << c.second;
        EXPECT_EQ(jni.release_points().back(), 1u) << "radio type released after the gateway call";
        // A failed scan writes no leave line.
        Expect({"getWLANNeighbor(radioType=\"2.4G\")"},
               c.second < 0 ? Strings{kNeighborEnter} : Strings{kNeighborEnter, Leave("getWLANNeighborJni", reply)});
    }
}

TEST_F(WlanTest, HostListsOfNoneOneSeveralAFullTableCountsOutOfRangeAndTheMacRules) {
    const Strings three = {"6C:4A:85:11:22:33", "F0:18:98:AA:10:01", "3A:F1:07:2C:9E:44"};
    const std::string kThree = "count=3 macs=[\"6C:4A:85:11:22:33\",\"F0:18:98:AA:10:01\",\"3A:F1:07:2C:9E:44\"]";
    const std::string kAll = "count=0 macs=[]";
    const auto many = Names(70, std::string(18, 'w'), 19);  // the first 64 are asked for, each cut to 19
    const struct {
        Strings macs;
        int filled, reported;
        std::string call;
    } cases[] = {
        {three, 0, 0, kThree}, {three, 3, 3, kThree}, {{}, 64, 65, kAll}, {three, 0, -1, kThree},
        {many.first, 1, 1, "count=64 macs=[" + many.second + "]"},
        // Two MACs make a table of two records: a larger count reads only those.
        {{"a", "b"}, 2, 5, "count=2 macs=[\"a\",\"b\"]"},
        // An empty element anywhere drops the list: all stations, in a fresh table of 64.
        {{"m1", ""}, 64, 64, kAll}, {{"", "m2"}, 64, 64, kAll},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        Strings items;
        ZSIM_SCRIPT(zivra_getWLANHostInfo, [&](WLANHostRecord *t, int count) {
            for (int i = 0; i < (count == 0 ? 64 : 0); ++i) EXPECT_EQ(std::string(t[i].MAC, 20), std::string(20, '\0'));
            for (int i = 0; i < c.filled && (count == 0 || i < count); ++i) {  // a table of 64, or of `count`
                WLANHostRecord &h = t[i];
                memset(&h, 0, sizeof h);  // the gateway overwrites the MAC asked for
                items.push_back(Sub("{\"MAC\":\"$\", \"SSIDIndex\":$, \"SSIDName\":\"$\", \"RSSI\":\"$\", "
                                    "\"RxRate\":\"$\", \"TxRate\":\"$\", \"Standard\":\"$\"}",
                                    Fill(i, true, {h.MAC, h.SSIDIndex, h.SSIDName, h.RSSI, h.RxRate, h.TxRate,
                                                   h.Standard}, {20, 8, 128, 12, 32, 32, 32})));
            }
            return c.reported;
        });
        const std::string reply = Hosts(jni.Strs(c.macs));
        EXPECT_EQ(reply, c.reported < 0 ? kHostFail : List(items)) << c.call << " " << c.reported;
        Expect({"getWLANHostInfo(" + c.call + ")"}, {kHostEnter, Leave("getWLANHostInfoJni", reply)});
    }
}

TEST_F(WlanTest, GuestListHoldsTheSlotsThatAnswerInSlotOrder) {
    const char ia[] = "{\"SSIDIndex\":4,\"Duration\":480,\"PortIsolation\":\"1\",\"RemainDuration\":215}";
    const char ib[] = "{\"SSIDIndex\":8,\"Duration\":-2147483648,\"PortIsolation\":\"isolated\",\"RemainDuration\":-1}";
    // Bit s set: slot s answers.
    const std::pair<int, Strings> cases[] = {{3, {ia, ib}}, {2, {ib}}, {1, {ia}}, {0, {}}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getGuestSSIDInfo, [&](int slot, int *duration, char *iso, int *remain, int *ssid) {
            *duration = slot ? INT_MIN : 480, *remain = slot ? -1 : 215, *ssid = slot ? 8 : 4;
            memcpy(iso, slot ? "isolated" : "1", slot ? 8 : 1);  // 8 bytes: no NUL
            return c.first & (1 << slot) ? 0 : -1;
        });
        const std::string reply = Guests();
        EXPECT_EQ(reply, List(c.second));
        Expect({"getGuestSSIDInfo(slot=0)", "getGuestSSIDInfo(slot=1)"},
               {kGuestEnter, Leave("getGuestSSIDInfoJni", reply)});
    }
}

// Texts that cannot be had, then allocations that fail: nothing is logged
// before the gateway call, and every reply is a fail reply.
TEST_F(WlanTest, TextsThatCannotBeHadAndAllocationFailures) {
    const struct {
        std::function<std::string()> call;
        int passes;  // callocs that succeed before the one that fails; -1: none fails
        const char *reply, *record;
        Strings lines;
    } cases[] = {
        {[&] { return Neighbor(jni.BadStr()); }, -1, kJstringFail, nullptr, {}},
        {[&] { return Text(WQ(getWLANRadioInfoJni)(env(), self(), jni.BadStr())); }, -1, kJstringFail, nullptr, {}},
        {[&] { return WQ(getWLANHardwareSwitchJni)(env(), self(), jni.BadStr()) ? "1" : "0"; }, -1, "0", nullptr, {}},
        {[&] { return Hosts(nullptr); }, -1, kJstringFail, nullptr, {}},
        {[&] { return Hosts(jni.Arr({jni.Str("m1"), jni.BadStr(), jni.Str("m3")})); }, -1, kJstringFail, nullptr, {}},
        {[&] { return Neighbor(jni.Str("2.4G")); }, 0, kNeighborFail, "getWLANNeighbor(radioType=\"2.4G\")",
         {kNeighborEnter, Leave("getWLANNeighborJni", kNeighborFail)}},
        {[&] { return Guests(); }, 0, kGuestFail, nullptr, {kGuestEnter, Leave("getGuestSSIDInfoJni", kGuestFail)}},
        {[&] { return Hosts(jni.Strs({"m1"})); }, 0, kJstringFail, nullptr, {}},      // the table of records
        {[&] { return Hosts(jni.Strs({"m1", ""})); }, 1, kJstringFail, nullptr, {}},  // the fresh table of 64
        {[&] { return Hosts(jni.Strs({"m1"})); }, 1, kHostFail, "getWLANHostInfo(count=1 macs=[\"m1\"])",  // the reply
         {kHostEnter, Leave("getWLANHostInfoJni", kHostFail)}},
    };
    bool armed_before = false;
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANNeighbor, [](const char *, WLANNeighborTable *) { return 1; });
        ZSIM_SCRIPT(zivra_getWLANHostInfo, [](WLANHostRecord *, int) { return 1; });
        if (c.passes >= 0) FailCallocAfter(c.passes);
        const std::string reply = c.call();
        if (c.passes >= 0) {
            const bool failed = ArmedCallocFailureHandedOut();
            // None handed out at the first: a build whose calloc cannot be replaced.
            if (!failed && !armed_before) GTEST_SKIP() << "calloc cannot be made to fail in this build";
            EXPECT_TRUE(failed) << c.reply;
            armed_before = true;
        }
        EXPECT_EQ(reply, c.reply);
        Expect(c.record ? Strings{c.record} : Strings{}, c.lines);
    }
}

TEST_F(WlanTest, WpsStatusAsIsAndHardwareSwitchOnForAnyNonzeroResult) {
    for (int r : {0, 1, -1, INT_MIN}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANWPSStatus, [=](int) { return r; });
        ZSIM_SCRIPT(zivra_getWLANHardwareSwitch, [=](const char *) { return r; });
        EXPECT_EQ(WQ(getWLANWPSStatusJni)(env(), self(), -5), r);
        EXPECT_EQ(WQ(getWLANHardwareSwitchJni)(env(), self(), jni.Str("5G")), r != 0 ? JNI_TRUE : JNI_FALSE) << r;
        EXPECT_EQ(jni.release_points().back(), 2u) << "radio type released after the gateway call";
        Expect({"getWLANWPSStatus(ssidIndex=-5)", "getWLANHardwareSwitch(radioType=\"5G\")"},
               {"getWLANWPSStatusJni: enter============>\n",
                "getWLANHardwareSwitchJni:radioType= 5G  enter============>\n",
                "getWLANHardwareSwitchJni:return  = " + std::to_string(r) + " leave============>\n"});
    }
}


// Every setter with a negative index (numbers reach the gateway unchanged),
// its Strings 300 characters long (passed without a copy, so never cut), its
// boolean false and true, and each of its Strings unreadable in turn.
TEST_F(WlanTest, EverySetter) {
    const struct {
        size_t strings;
        const char *bools;  // the boolean's texts for true and for false; null: no boolean
        bool exactly_one;   // true only for a byte of exactly 1, shown in its line as it came
        std::function<jint(const std::vector<jstring> &, jboolean)> call;
        const char *record;
        Strings lines;
    } setters[] = {
        {0, "01", false, [&](auto &, auto b) { return WC(setWLANSSIDAdvertisementJni)(env(), self(), -1, b); },
         "setWLANSSIDAdvertisement(ssidIndex=-1 hide=\"@\")",
         {"setWLANSSIDAdvertisementJni: enter============>\n",
          "setWLANSSIDAdvertisementJni: return json = \"Result\":-7 leave============>\n"}},
        {3, nullptr, false, [&](auto &s, auto) { return WC(setWLANSSIDSecurityJni)(env(), self(), -1, s[0], s[1], s[2]); },
         "setWLANSSIDSecurity(ssidIndex=-1 security1=\"$\" security2=\"$\" security3=\"$\")",
         {"setWLANSSIDSecurityJni: enter============>\n"}},
        {2, nullptr, false, [&](auto &s, auto) { return WC(setWLANRadioFrequencyWidthJni)(env(), self(), s[0], s[1]); },
         "setWLANRadioFrequencyWidth(radioType=\"$\" frequencyWidth=\"$\")",
         {"setWLANRadioFrequencyWidthJni: enter============>\n"}},
        {2, nullptr, false, [&](auto &s, auto) { return WC(setWLANStandardJni)(env(), self(), s[0], s[1]); },
         "setWLANStandard(radioType=\"$\" standard=\"$\")",  // the first line has no line end
         {"setWLANStandardJni:CradioType:$,Cstandard:$", "setWLANStandardJni: enter============>\n"}},
        {0, nullptr, false, [&](auto &, auto) { return WC(addWLANGuestSSIDJni)(env(), self(), -1); },
         "addWLANGuestSSID(guestSsidIndex=-1)", {"addWLANGuestSSIDJni: guestSsidIndex:-1 enter============>\n"}},
        {1, nullptr, false, [&](auto &s, auto) { return WC(setWLANRadioPowerJni)(env(), self(), s[0], 99); },
         "setWLANRadioPower(radioType=\"$\" power=99)", {"setWLANRadioPowerJni: radioType:$ enter============>\n"}},
        {0, "10", false, [&](auto &, auto b) { return WC(setWLANSSIDSwitchJni)(env(), self(), -1, b); },
         "setWLANSSIDSwitch(ssidIndex=-1 enable=\"@\")",
         {"setWLANSSIDSwitchJni: enable:# enter============>\n",
          "setWLANSSIDSwitchJni: Enable:@ enter============>\n"}},
        {0, "10", false, [&](auto &, auto b) { return WC(setWLANGuestPortIsolationJni)(env(), self(), -1, b); },
         "setWLANGuestPortIsolation(guestSsidIndex=-1 isolate=\"@\")",
         {"setWLANGuestPortIsolationJni: enter============>\n"}},
        {0, nullptr, false, [&](auto &, auto) { return WC(startWLANWPSJni)(env(), self(), -1); },
         "startWLANWPS(ssidIndex=-1)", {}},
        {0, nullptr, false, [&](auto &, auto) { return WC(deleteWLANGuestSSIDJni)(env(), self(), -1); },
         "deleteWLANGuestSSID(guestSsidIndex=-1)", {}},
        {1, "10", true, [&](auto &s, auto b) { return WC(setWLANHardwareSwitchJni)(env(), self(), s[0], b); },
         "setWLANHardwareSwitch(radioType=\"$\" on=\"@\")",
         {"setWLANHardwareSwitchJni: radioType:$,WLANHardwareSwitch:# enter============>\n"}},
        {0, nullptr, false, [&](auto &, auto) { return WC(setWLANGuestDurationJni)(env(), self(), -1, 99); },
         "setWLANGuestDuration(guestSsidIndex=-1 duration=99)", {"setWLANGuestDurationJni: enter============>\n"}},
        {0, nullptr, false, [&](auto &, auto) { return WC(stopWLANWPSJni)(env(), self(), -1); },
         "stopWLANWPS(ssidIndex=-1)", {"stopWLANWPSJni: ssidIndex:-1 enter============>\n"}},
        {1, nullptr, false, [&](auto &s, auto) { return WC(setWLANRadioChannelJni)(env(), self(), s[0], 99); },
         "setWLANRadioChannel(radioType=\"$\" channel=99)",
         {"setWLANRadioChannelJni: radioType:$ enter============>\n",
          "setWLANRadioChannelJni: return json = \"Result\":-7 leave============>\n"}},
    };
    for (const auto &s : setters) {
        Strings texts;
        for (size_t i = 0; i < s.strings; ++i) texts.push_back(std::string(300, static_cast<char>('a' + i)));
        // Any nonzero byte is a Java true, except where only 1 is.
        for (jboolean b : s.bools ? std::vector<jboolean>{0, 1, 0x80} : std::vector<jboolean>{0}) {
            const bool on = s.exactly_one ? b == 1 : b != 0;
            const int shown = s.exactly_one ? b : on;
            zsim::Reset();
            AnswerAll();
            std::vector<jstring> args;
            for (const auto &t : texts) args.push_back(jni.Str(t));
            const std::string text = s.bools ? std::string(1, s.bools[on ? 0 : 1]) : "";
            EXPECT_EQ(s.call(args, b), -7) << s.record;
            Strings lines;
            for (const auto &l : s.lines) lines.push_back(Sub(l, texts, text, shown));
            Expect({Sub(s.record, texts, text, shown)}, lines, s.record + std::string(" ") + std::to_string(b));
            EXPECT_EQ(s.strings ? jni.release_points().back() : 1u, 1u) << "released after the gateway call";
        }
        for (size_t missing = 0; missing < s.strings; ++missing) {  // its characters cannot be had: silent -1
            zsim::Reset();
            std::vector<jstring> args;
            for (size_t i = 0; i < s.strings; ++i) args.push_back(i != missing ? jni.Str(texts[i]) : jni.BadStr());
            EXPECT_EQ(s.call(args, 0), -1) << s.record << " missing " << missing;
            Expect({}, {});
        }
    }
}

}  // namespace
