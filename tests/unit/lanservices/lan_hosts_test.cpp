// LANHostsInfoQueryServiceImp (host lists by interface, class and MAC, speed
// limits, traffic counters, the gateway name and the MAC filter mode),
// LanHostSpeedLimitServiceImp, LanHostSpeedQueryServiceImp and
// LanNetworkNameConfigServiceImp.
#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanHostSpeedLimitServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanHostSpeedQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanNetworkNameConfigServiceImp.h"
#include "fail_calloc.h"

#define JNI(cls, method) Java_com_korvanta_nestrova_lanservices_##cls##_##method
#define HOSTS(method) JNI(LANHostsInfoQueryServiceImp, method)

namespace {

using Strings = std::vector<std::string>;

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

using LanHostsTest = BridgeTest;

TEST_F(LanHostsTest, ListReplies) {
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
            EXPECT_EQ(Calls(), query.calls) << query.method;
            EXPECT_EQ(Lines(), AtLevel2({Enter(query.method), Leave(query.method, c.want)})) << query.method;
        }
    }
}

TEST_F(LanHostsTest, ReplyBufferThatCannotBeHadGivesTheFailReply) {
    FailCallocAfter(0);
    const std::string reply = Text(kQueries[0].call(jni));
    SKIP_UNLESS_CALLOC_FAILED();
    EXPECT_EQ(reply, kFail);
    EXPECT_EQ(Lines().back(), "2|" + Leave(kQueries[0].method, kFail));
}

TEST_F(LanHostsTest, MacListsReachTheGatewayAsAWideTable) {
    Strings many;
    std::string first64 = "count=64 macs=[";
    // 35 characters each: the wide table keeps 30.
    for (int i = 0; i < 1000; ++i) many.push_back("02:00:00:00:" + std::to_string(1000 + i) + std::string(19, 'w'));
    for (size_t i = 0; i < 64; ++i) first64 += (i > 0 ? ",\"" : "\"") + many[i].substr(0, 30) + "\"";
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
        {"1000 MACs", [&] { return jni.Strs(many); }, first64 + "]", ""},
    };
    const Answer none{"", 0, 0};
    for (const auto &q : kQueries) {
        if (q.byMacs == nullptr) continue;
        const std::string op = q.calls[0].substr(0, q.calls[0].find('('));
        for (const auto &c : cases) {
            zsim::Reset();
            Script(none);
            EXPECT_EQ(Text(q.byMacs(env(), self(), c.macs())), kEmpty) << q.method << ": " << c.name;
            EXPECT_EQ(Calls(), Strings{op + "(" + c.table + ")"}) << q.method << ": " << c.name;
            Strings want = {Enter(q.method), q.method + ": " + c.line, Leave(q.method, kEmpty)};
            if (c.line.empty()) want.erase(want.begin() + 1);
            EXPECT_EQ(Lines(), AtLevel2(want)) << q.method << ": " << c.name;
        }
    }
}

TEST_F(LanHostsTest, NamesRefusedOrNotHadNeverReachTheQuery) {
    const std::string byIf = "getLANHostInfoByInterfaceJni", byClass = "getLANHostInfoByClassJni";
    EXPECT_EQ(Text(HOSTS(getLANHostInfoByInterfaceJni)(env(), self(), jni.Str("WAN1"))), kFail);
    EXPECT_EQ(Text(HOSTS(getLANHostInfoByInterfaceJni)(env(), self(), jni.BadStr())), kFail);
    EXPECT_EQ(Text(HOSTS(getLANHostInfoByClassJni)(env(), self(), jni.BadStr())), kFail);
    EXPECT_EQ(Calls(), Strings{"checkInterfaceFormat(name=\"WAN1\")"});
    EXPECT_EQ(Lines(), AtLevel2({Enter(byIf), byIf + ": fail leave============>\n", Enter(byIf),
                                 byIf + ": Get jstring interface fail leave============>\n", Enter(byClass),
                                 byClass + ": Get jstring hostClass fail leave============>\n"}));
    // Only -1 is a refusal.
    zsim::Reset();
    ZSIM_SCRIPT(checkInterfaceFormat, [](const char *, int *index) { return *index = 12, -2; });  // SSID8: no host
    EXPECT_EQ(Text(HOSTS(getLANHostInfoByInterfaceJni)(env(), self(), jni.Str("x"))), kEmpty);
    EXPECT_EQ(Calls().back(), "getLANHostInfoByInterface(index=12 count=0)");
}

TEST_F(LanHostsTest, GatewayNameAndMacFilterMode) {
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
    zsim::Reset();
    ZSIM_SCRIPT(zivra_getMacFilterMode, [] { return -7; });
    EXPECT_EQ(HOSTS(getMacFilterModeJni)(env(), self()), -7);
    EXPECT_EQ(Lines(), AtLevel2({"getMacFilterModeJni  enter============>\n",
                                 "getMacFilterModeJni: return value = -7   leave============>\n"}));
}

TEST_F(LanHostsTest, SpeedLimitScansTheMacAndPassesSpeedsUnchanged) {
    const auto limit = JNI(LanHostSpeedLimitServiceImp, setLANHostSpeedLimitJni);
    ZSIM_SCRIPT(zivra_setLANHostSpeedLimit, [](const unsigned char *, int, int) { return 9; });
    EXPECT_EQ(limit(env(), self(), jni.Str("00:1A:2b:3:4:5"), -5, INT_MIN), 9);
    EXPECT_EQ(Calls(), Strings{"setLANHostSpeedLimit(mac=00:1A:2B:03:04:05 upSpeed=-5 downSpeed=-2147483648)"});
    EXPECT_EQ(jni.release_points(), std::vector<size_t>{0});  // back before the gateway is called
    EXPECT_EQ(Lines(), AtLevel2({"setLANHostSpeedLimitJni:mAddrtmp = 00:1A:2b:3:4:5 ,\n",
                                 "setLANHostSpeedLimitJni:  upSpeed = -5 , downSpeed = -2147483648 "
                                 "enter============>\n",
                                 "setLANHostSpeedLimitJni: return json = \"Result\":9 leave============>\n"}));
    // A MAC that cannot be had fails silently.
    zsim::Reset();
    EXPECT_EQ(limit(env(), self(), jni.BadStr(), 1, 2), -1);
    EXPECT_TRUE(Calls().empty() && Lines().empty());
}

TEST_F(LanHostsTest, SpeedQueryReplies) {
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
        EXPECT_EQ(Calls(), Strings(c.reached, "getLANHostSpeed(mac=00:1A:2B:3C:4D:5E)")) << c.want;
        EXPECT_EQ(Lines(), AtLevel2(Strings(
                               c.reached, "getLANHostSpeedJni: return json = " + c.want + "   leave============>\n")));
    }
}

TEST_F(LanHostsTest, Names) {
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
        {false, jni.Str(mac25), jni.BadStr(), -1, "", "Get jstring fail leave============>\n"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setGatewayName, [](const char *) { return 4; });
        ZSIM_SCRIPT(zivra_setLANHostName, [](const char *, const char *) { return 4; });
        const size_t released = jni.release_points().size();
        const std::string m = c.gateway ? "setGatewayNameJni" : "setLANHostNameJni";
        EXPECT_EQ(c.gateway ? JNI(LanNetworkNameConfigServiceImp, setGatewayNameJni)(env(), self(), c.name)
                            : JNI(LanNetworkNameConfigServiceImp, setLANHostNameJni)(env(), self(), c.mac, c.name),
                  c.rc)
            << c.line;
        EXPECT_EQ(Calls(), Strings(!c.call.empty(), c.call)) << c.line;
        EXPECT_EQ(Lines(), AtLevel2({m + "  enter============>\n", m + ": " + c.line}));
        // Whatever was obtained went back before the gateway was called.
        for (size_t i = released; i < jni.release_points().size(); ++i) EXPECT_EQ(jni.release_points()[i], 0u);
    }
}

}  // namespace
