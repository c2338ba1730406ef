// LANHostsInfoQueryServiceImp: host lists by interface, class and MAC, speed
// limits, traffic counters, the gateway name and the MAC filter mode.
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "fail_calloc.h"
#include "com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp.h"
#include "sim/lan_hosts.h"


namespace {

const std::string kFail = "{\"Result\":-1,\"List\":[]}";
const std::string kEmpty = "{\"Result\":0,\"List\":[]}";

class LanHostsQueryTest : public BridgeTest {
  public:
    std::string ByInterface(jstring name) {
        return Text(Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostInfoByInterfaceJni(
            env(), self(), name));
    }
    std::string ByClass(jstring cls) {
        return Text(Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostInfoByClassJni(
            env(), self(), cls));
    }
    std::string ByMac(jobjectArray macs) {
        return Text(Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostInfoByMACJni(
            env(), self(), macs));
    }
    std::string Limits(jobjectArray macs) {
        return Text(
            Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostSpeedLimitInfoJni(
                env(), self(), macs));
    }
    std::string Stats(jobjectArray macs) {
        return Text(Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostStatsJni(
            env(), self(), macs));
    }
    std::string GatewayName() {
        return Text(
            Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getGatewayNameJni(env(), self()));
    }
};

// --- Host records -------------------------------------------------------------

struct HostFields {
    std::string cls, mac, dhcp, device, ip, iface, online, storage;
};

// Copies each text into its field, no further than the field (a text as
// long as the field leaves no NUL).
LANHostRecord Record(const HostFields &f) {
    LANHostRecord r;
    memset(&r, 0, sizeof r);
    auto put = [](char *field, size_t size, const std::string &text) {
        memcpy(field, text.data(), text.size() < size ? text.size() : size);
    };
    put(r.Class, sizeof r.Class, f.cls);
    put(r.MAC, sizeof r.MAC, f.mac);
    put(r.DhcpName, sizeof r.DhcpName, f.dhcp);
    put(r.DeviceName, sizeof r.DeviceName, f.device);
    put(r.IP, sizeof r.IP, f.ip);
    put(r.ConnectInterface, sizeof r.ConnectInterface, f.iface);
    put(r.OnlineTime, sizeof r.OnlineTime, f.online);
    put(r.StorageAccessStatus, sizeof r.StorageAccessStatus, f.storage);
    return r;
}

std::string Item(const HostFields &f) {
    return "{\"Class\":\"" + f.cls + "\",\"MAC\":\"" + f.mac + "\",\"DhcpName\":\"" + f.dhcp +
           "\",\"DeviceName\":\"" + f.device + "\",\"IP\":\"" + f.ip + "\",\"ConnectInterface\":\"" + f.iface +
           "\",\"OnlineTime\":\"" + f.online + "\",\"StorageAccessStatus\":\"" + f.storage + "\"}";
}

std::string List(const std::vector<std::string> &items) {
    std::string out = "{\"Result\":0,\"List\":[";
    for (size_t i = 0; i < items.size(); ++i) out += (i > 0 ? "," : "") + items[i];
    return out + "]}";
}

// What a scripted host query does: fills the table, sets the count, and
// returns a result. It also checks that the table came zero-filled.
using HostScript = std::function<int(LANHostRecord *, int *)>;

void ScriptHostQueries(HostScript fn) {
    auto run = [fn](LANHostRecord *r, int *c) {
        static const LANHostRecord zero = {};
        for (int i = 0; i < 64; ++i) EXPECT_EQ(memcmp(&r[i], &zero, sizeof zero), 0) << "record " << i;
        return fn(r, c);
    };
    ZSIM_SCRIPT(zivra_getLANHostInfoByInterface, [run](int, LANHostRecord *r, int *c) { return run(r, c); });
    ZSIM_SCRIPT(zivra_getLANHostInfoByClass, [run](const char *, LANHostRecord *r, int *c) { return run(r, c); });
    ZSIM_SCRIPT(zivra_getLANHostInfoByMAC,
                [run](const char (*)[32], LANHostRecord *r, int *c) { return run(r, c); });
}

// The three host queries, each called with an argument it accepts.
struct HostQuery {
    const char *method;
    std::function<std::string(LanHostsQueryTest &, FakeJni &)> call;
};

class HostQueries : public LanHostsQueryTest {
  protected:
    std::vector<HostQuery> queries{
        {"getLANHostInfoByInterfaceJni",
         [](LanHostsQueryTest &t, FakeJni &j) { return t.ByInterface(j.Str("LAN2")); }},
        {"getLANHostInfoByClassJni", [](LanHostsQueryTest &t, FakeJni &j) { return t.ByClass(j.Str("PC")); }},
        {"getLANHostInfoByMACJni",
         [](LanHostsQueryTest &t, FakeJni &j) { return t.ByMac(j.Strs({"00:1A:2B:3C:4D:01"})); }},
    };
    // Runs one query on a fresh gateway scripted with `fn`; checks its leave line.
    std::string Run(const HostQuery &q, HostScript fn) {
        zsim::Reset();
        ScriptHostQueries(std::move(fn));
        const std::string reply = q.call(*this, jni);
        const auto lines = Lines();
        EXPECT_EQ(lines.back(), "2|" + std::string(q.method) + ": return json = " + reply +
                                    "   leave============>\n");
        return reply;
    }
};

const HostFields kPc = {"PC", "00:1A:2B:3C:4D:01", "desktop", "Study PC", "192.168.1.10", "LAN1", "3600", "Allow"};
const HostFields kQuoted = {"Phone", "00:1A:2B:3C:4D:02", "", "Anna\"s \"phone\"", "192.168.1.21",
                            "SSID1", "", "Deny"};

TEST_F(HostQueries, ZeroOneAndTwoRecords) {
    struct Case {
        std::vector<HostFields> hosts;
        std::string want;
    } cases[] = {
        {{}, kEmpty},
        {{kPc}, List({Item(kPc)})},
        // A double quote from the platform goes into the reply unescaped.
        {{kPc, kQuoted}, List({Item(kPc), Item(kQuoted)})},
    };
    for (const auto &q : queries) {
        for (const auto &c : cases) {
            const std::string reply = Run(q, [&c](LANHostRecord *r, int *count) {
                for (size_t i = 0; i < c.hosts.size(); ++i) r[i] = Record(c.hosts[i]);
                *count = static_cast<int>(c.hosts.size());
                return 0;
            });
            EXPECT_EQ(reply, c.want) << q.method;
        }
    }
}

TEST_F(HostQueries, PlatformFailureGivesFailReplyWhateverItFilled) {
    for (const auto &q : queries) {
        for (int count : {0, 2, 65}) {
            EXPECT_EQ(Run(q,
                          [count](LANHostRecord *r, int *c) {
                              r[0] = Record(kPc);
                              *c = count;
                              return -3;
                          }),
                      kFail)
                << q.method;
        }
    }
}

TEST_F(HostQueries, CountsOutsideTheTableAreLimitedToIt) {
    // 65 (or far more) records reported for a 64-record table: the 64 in the
    // table are listed, nothing past it is read. A negative count lists none.
    struct Case {
        int count;
        size_t items;
    } cases[] = {{65, 64}, {2147483647, 64}, {-1, 0}, {-2147483647 - 1, 0}};
    for (const auto &q : queries) {
        for (const auto &c : cases) {
            const std::string reply = Run(q, [&c](LANHostRecord *r, int *count) {
                for (int i = 0; i < 64; ++i) r[i] = Record(kPc);
                *count = c.count;
                return 0;
            });
            EXPECT_EQ(reply, List(std::vector<std::string>(c.items, Item(kPc)))) << q.method << " " << c.count;
        }
    }
}

// Every field holding `extra` + its size - 1 characters: -1 gives the
// longest texts a NUL-terminated field holds, 0 fills fields with no NUL.
std::vector<HostFields> FullTable(int extra) {
    auto text = [extra](size_t size, int i, char c) {
        std::string t(size - 1 + static_cast<size_t>(extra + 1), c);
        t[0] = static_cast<char>('A' + i % 26);  // tells the hosts apart
        return t;
    };
    std::vector<HostFields> out;
    for (int i = 0; i < 64; ++i) {
        out.push_back({text(8, i, 'c'), text(20, i, 'm'), text(70, i, 'd'), text(70, i, 'n'), text(20, i, 'i'),
                       text(8, i, 'f'), text(64, i, 'o'), text(8, i, 's')});
    }
    return out;
}

TEST_F(HostQueries, FullTableWithEveryFieldAtFullLengthStaysWhole) {
    for (int extra : {-1, 0}) {
        const std::vector<HostFields> hosts = FullTable(extra);
        std::vector<std::string> items;
        for (const auto &h : hosts) items.push_back(Item(h));
        // 383 characters an item with NUL-terminated fields, 391 without.
        EXPECT_EQ(items[0].size() + 1, extra == 0 ? 391u : 383u);
        const std::string want = List(items);
        for (const auto &q : queries) {
            const std::string reply = Run(q, [&hosts](LANHostRecord *r, int *count) {
                for (int i = 0; i < 64; ++i) r[i] = Record(hosts[static_cast<size_t>(i)]);
                *count = 64;
                return 0;
            });
            EXPECT_EQ(reply.size(), want.size()) << q.method;
            EXPECT_EQ(reply, want) << q.method;
            EXPECT_EQ(reply.substr(reply.size() - 4), "\"}]}");
        }
    }
}

TEST_F(HostQueries, ReplyBufferThatCannotBeAllocatedGivesFailReply) {
    for (const auto &q : queries) {
        zsim::Reset();
        ScriptHostQueries([](LANHostRecord *r, int *count) {
            r[0] = Record(kPc);
            *count = 1;
            return 0;
        });
        FailCallocAfter(0);
        const std::string reply = q.call(*this, jni);
        SKIP_UNLESS_CALLOC_FAILED();
        EXPECT_EQ(reply, kFail) << q.method;
        EXPECT_EQ(Lines().back(), "2|" + std::string(q.method) + ": return json = " + kFail +
                                      "   leave============>\n");
    }
}

// --- By interface and by class -----------------------------------------------

TEST_F(LanHostsQueryTest, ByInterfaceAsksWithTheIndexOfTheNameAndReleasesItFirst) {
    const std::string reply = ByInterface(jni.Str("SSID1"));
    EXPECT_EQ(reply, List({Item({"Phone", "00:1A:2B:3C:4D:02", "android-5f2c", "Anna's phone", "192.168.1.21",
                                 "SSID1", "5400", "Allow"}),
                           Item({"PC", "00:1A:2B:3C:4D:05", "laptop-work", "Work laptop", "192.168.1.11", "SSID1",
                                 "28800", "Allow"})}));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"checkInterfaceFormat(name=\"SSID1\")",
                                                 "getLANHostInfoByInterface(index=5 count=0)"}));
    // The name went back between the check and the query.
    EXPECT_EQ(jni.release_points(), std::vector<size_t>{1});
    EXPECT_EQ(Lines(), AtLevel2({"getLANHostInfoByInterfaceJni  enter============>\n",
                                 "getLANHostInfoByInterfaceJni: return json = " + reply + "   leave============>\n"}));
}

TEST_F(LanHostsQueryTest, ByInterfaceRefusedNameNeverReachesTheQuery) {
    for (const char *name : {"WAN1", "", "LAN5", "lan1"}) {
        zsim::Reset();
        EXPECT_EQ(ByInterface(jni.Str(name)), kFail) << name;
        EXPECT_EQ(Calls(), std::vector<std::string>{"checkInterfaceFormat(name=\"" + std::string(name) + "\")"});
        EXPECT_EQ(Lines(), AtLevel2({"getLANHostInfoByInterfaceJni  enter============>\n",
                                     "getLANHostInfoByInterfaceJni: fail leave============>\n"}));
    }
    // Only -1 is a refusal; another value lets the query run.
    zsim::Reset();
    ZSIM_SCRIPT(checkInterfaceFormat, [](const char *, int *index) {
        *index = 77;
        return -2;
    });
    ZSIM_SCRIPT(zivra_getLANHostInfoByInterface, [](int, LANHostRecord *, int *) { return 0; });
    EXPECT_EQ(ByInterface(jni.Str("x")), kEmpty);
    EXPECT_EQ(Calls().back(), "getLANHostInfoByInterface(index=77 count=0)");
}

TEST_F(LanHostsQueryTest, ByInterfaceOrClassWhoseNameCannotBeHad) {
    for (jstring s : {jni.BadStr(), static_cast<jstring>(nullptr)}) {
        zsim::Reset();
        EXPECT_EQ(ByInterface(s), kFail);
        EXPECT_EQ(Lines(), AtLevel2({"getLANHostInfoByInterfaceJni  enter============>\n",
                                     "getLANHostInfoByInterfaceJni: Get jstring interface fail leave============>\n"}));
        zsim::Reset();
        EXPECT_EQ(ByClass(s), kFail);
        EXPECT_EQ(Lines(), AtLevel2({"getLANHostInfoByClassJni  enter============>\n",
                                     "getLANHostInfoByClassJni: Get jstring hostClass fail leave============>\n"}));
        EXPECT_TRUE(Calls().empty());
    }
}

TEST_F(LanHostsQueryTest, ByClassKeepsEightCharacters) {
    struct Case {
        std::string in, out;
    } cases[] = {{"STB", "STB"}, {"", ""}, {"12345678", "12345678"}, {"ABCDEFGHIJKL", "ABCDEFGH"}};
    for (const auto &c : cases) {
        zsim::Reset();
        const std::string reply = ByClass(jni.Str(c.in));
        EXPECT_EQ(Calls(), std::vector<std::string>{"getLANHostInfoByClass(hostClass=\"" + c.out + "\" count=0)"});
        EXPECT_EQ(Lines(), AtLevel2({"getLANHostInfoByClassJni  enter============>\n",
                                     "getLANHostInfoByClassJni: return json = " + reply + "   leave============>\n"}));
    }
    zsim::Reset();
    EXPECT_EQ(ByClass(jni.Str("STB")), List({Item({"STB", "00:1A:2B:3C:4D:03", "stb-living", "Living room STB",
                                                    "192.168.1.30", "LAN3", "1209600", "Allow"})}));
}

// --- MAC-list queries ---------------------------------------------------------

struct MacQuery {
    const char *method;
    const char *op;
    std::string (LanHostsQueryTest::*call)(jobjectArray);
};

const MacQuery kMacQueries[] = {
    {"getLANHostInfoByMACJni", "getLANHostInfoByMAC", &LanHostsQueryTest::ByMac},
    {"getLANHostSpeedLimitInfoJni", "getLANHostSpeedLimitInfo", &LanHostsQueryTest::Limits},
    {"getLANHostStatsJni", "getLANHostStats", &LanHostsQueryTest::Stats},
};

// Each query answers with no records, so only the MAC table is looked at.
void ScriptNoRecords() {
    ZSIM_SCRIPT(zivra_getLANHostInfoByMAC, [](const char (*)[32], LANHostRecord *, int *c) { return *c = 0; });
    ZSIM_SCRIPT(zivra_getLANHostSpeedLimitInfo,
                [](const char (*)[32], LANHostSpeedLimitRecord *, int *c) { return *c = 0; });
    ZSIM_SCRIPT(zivra_getLANHostStats, [](const char (*)[32], LANHostStatsRecord *, int *c) { return *c = 0; });
}

TEST_F(LanHostsQueryTest, MacListsReachThePlatformAsAWideTable) {
    const std::string s40(40, 'x');
    struct Case {
        const char *name;
        std::function<jobjectArray(FakeJni &)> macs;
        std::string table;           // as the platform received it
        std::vector<const char *> lines;  // between enter and leave, "%s" for the method
    } cases[] = {
        {"single empty element", [](FakeJni &j) { return j.Strs({""}); }, "count=0 macs=[]",
         {"%s: Compatible with String[] {\"\"}============>\n"}},
        {"two empty elements", [](FakeJni &j) { return j.Strs({"", ""}); }, "count=2 macs=[\"\",\"\"]", {}},
        {"empty array", [](FakeJni &j) { return j.Strs({}); }, "count=0 macs=[]", {}},
        {"three in order", [](FakeJni &j) { return j.Strs({"00:1A:2B:3C:4D:05", "b", "00:1a:2b:3c:4d:01"}); },
         "count=3 macs=[\"00:1A:2B:3C:4D:05\",\"b\",\"00:1a:2b:3c:4d:01\"]", {}},
        {"overlong element", [s40](FakeJni &j) { return j.Strs({s40}); },
         "count=1 macs=[\"" + s40.substr(0, 30) + "\"]", {}},
        // The conversion stops at the element that cannot be had; the count
        // stays the array's length and the later slots stay empty.
        {"bad element in the middle",
         [](FakeJni &j) { return j.Arr({j.Str("m0"), j.Str("m1"), j.BadStr(), j.Str("m3"), j.Str("m4")}); },
         "count=5 macs=[\"m0\",\"m1\",\"\",\"\",\"\"]", {"%s: Get each MAC String error============>\n"}},
        {"null element in the middle", [](FakeJni &j) { return j.Arr({j.Str("m0"), nullptr, j.Str("m2")}); },
         "count=3 macs=[\"m0\",\"\",\"\"]", {"%s: Get each MAC String error============>\n"}},
        // A lone element that cannot be had leaves slot 0 empty: {""}.
        {"single bad element", [](FakeJni &j) { return j.Arr({j.BadStr()}); }, "count=0 macs=[]",
         {"%s: Get each MAC String error============>\n", "%s: Compatible with String[] {\"\"}============>\n"}},
        // A null array: no element can be had, and there are none to count.
        {"null array", [](FakeJni &) { return static_cast<jobjectArray>(nullptr); }, "count=0 macs=[]",
         {"%s: Get each MAC String error============>\n"}},
    };
    for (const auto &q : kMacQueries) {
        for (const auto &c : cases) {
            zsim::Reset();
            ScriptNoRecords();
            // Scripted operations are recorded before they run.
            EXPECT_EQ((this->*q.call)(c.macs(jni)), kEmpty) << q.method << ": " << c.name;
            EXPECT_EQ(Calls(), std::vector<std::string>{std::string(q.op) + "(" + c.table + ")"})
                << q.method << ": " << c.name;
            const std::string m = q.method;
            std::vector<std::string> want = {m + "  enter============>\n"};
            for (const char *l : c.lines) {
                std::string line = l;
                want.push_back(line.replace(0, 2, m));
            }
            want.push_back(m + ": return json = " + kEmpty + "   leave============>\n");
            EXPECT_EQ(Lines(), AtLevel2(want)) << q.method << ": " << c.name;
        }
    }
}

TEST_F(LanHostsQueryTest, MacListsLongerThanTheTableAreCutToSixtyFour) {
    for (int n : {64, 65, 1000}) {
        std::vector<std::string> macs;
        std::string table = "count=64 macs=[";
        for (int i = 0; i < n; ++i) macs.push_back("02:00:00:00:" + std::to_string(1000 + i));
        for (int i = 0; i < 64; ++i) table += (i > 0 ? ",\"" : "\"") + macs[static_cast<size_t>(i)] + "\"";
        for (const auto &q : kMacQueries) {
            zsim::Reset();
            ScriptNoRecords();
            const size_t before = jni.trace().size();
            EXPECT_EQ((this->*q.call)(jni.Strs(macs)), kEmpty);
            EXPECT_EQ(Calls(), std::vector<std::string>{std::string(q.op) + "(" + table + "])"}) << n;
            int fetched = 0;
            for (size_t i = before; i < jni.trace().size(); ++i) fetched += jni.trace()[i] == "GetObjectArrayElement";
            EXPECT_EQ(fetched, 64) << q.method << " " << n;
        }
    }
}

TEST_F(LanHostsQueryTest, SpeedLimitItems) {
    struct Case {
        std::vector<LANHostSpeedLimitRecord> records;
        int count;
        int result;
        std::string want;
    } cases[] = {
        {{}, 0, 0, kEmpty},
        {{{1000, 2000}, {0, 0}}, 2, 0,
         "{\"Result\":0,\"List\":[{\"UpSpeed\":1000,\"DownSpeed\":2000},{\"UpSpeed\":0,\"DownSpeed\":0}]}"},
        {{{4294967295u, 2147483648u}}, 1, 0,
         "{\"Result\":0,\"List\":[{\"UpSpeed\":4294967295,\"DownSpeed\":2147483648}]}"},
        {{{1, 2}}, -1, 0, kEmpty},
        {{{1, 2}}, 1, 5, kFail},
        // A full table at the widest numbers, reported as 65 records.
        {std::vector<LANHostSpeedLimitRecord>(64, {4294967295u, 4294967295u}), 65, 0,
         List(std::vector<std::string>(64, "{\"UpSpeed\":4294967295,\"DownSpeed\":4294967295}"))},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANHostSpeedLimitInfo, [&c](const char (*)[32], LANHostSpeedLimitRecord *r, int *n) {
            static const LANHostSpeedLimitRecord zero = {};
            for (int i = 0; i < 64; ++i) EXPECT_EQ(memcmp(&r[i], &zero, sizeof zero), 0);
            EXPECT_EQ(*n, 1);
            for (size_t i = 0; i < c.records.size(); ++i) r[i] = c.records[i];
            *n = c.count;
            return c.result;
        });
        const std::string reply = Limits(jni.Strs({"00:1A:2B:3C:4D:02"}));
        EXPECT_EQ(reply, c.want);
        EXPECT_EQ(Lines().back(),
                  "2|getLANHostSpeedLimitInfoJni: return json = " + c.want + "   leave============>\n");
    }
}

TEST_F(LanHostsQueryTest, CounterItems) {
    struct Case {
        std::vector<LANHostStatsRecord> records;
        int count;
        int result;
        std::string want;
    } cases[] = {
        {{}, 0, 0, kEmpty},
        {{{7, 8}}, 1, 0, "{\"Result\":0,\"List\":[{\"UsStats\":7,\"DsStats\":8}]}"},
        {{{4294967295u, 0}, {2147483648u, 1}}, 2, 0,
         "{\"Result\":0,\"List\":[{\"UsStats\":4294967295,\"DsStats\":0},{\"UsStats\":2147483648,\"DsStats\":1}]}"},
        {{{1, 2}}, 1, -1, kFail},
        {std::vector<LANHostStatsRecord>(64, {4294967295u, 4294967295u}), 65, 0,
         List(std::vector<std::string>(64, "{\"UsStats\":4294967295,\"DsStats\":4294967295}"))},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANHostStats, [&c](const char (*)[32], LANHostStatsRecord *r, int *n) {
            static const LANHostStatsRecord zero = {};
            for (int i = 0; i < 64; ++i) EXPECT_EQ(memcmp(&r[i], &zero, sizeof zero), 0);
            for (size_t i = 0; i < c.records.size(); ++i) r[i] = c.records[i];
            *n = c.count;
            return c.result;
        });
        const std::string reply = Stats(jni.Strs({"a", "b"}));
        EXPECT_EQ(reply, c.want);
        EXPECT_EQ(Lines().back(), "2|getLANHostStatsJni: return json = " + c.want + "   leave============>\n");
    }
}

// --- Gateway name and MAC filter mode -------------------------------------------

TEST_F(LanHostsQueryTest, GatewayName) {
    EXPECT_EQ(GatewayName(), "HomeGateway");
    EXPECT_EQ(Calls(), std::vector<std::string>{"getGatewayName()"});
    EXPECT_EQ(Lines(), AtLevel2({"getGatewayNameJni  enter============>\n",
                                 "getGatewayNameJni: return string = HomeGateway   leave============>\n"}));
}

TEST_F(LanHostsQueryTest, GatewayNameFailureIsTheEmptyText) {
    ZSIM_SCRIPT(zivra_getGatewayName, [](char *name) {
        strcpy(name, "half written");
        return 1;
    });
    EXPECT_EQ(GatewayName(), "");
    EXPECT_EQ(Lines(), AtLevel2({"getGatewayNameJni  enter============>\n",
                                 "getGatewayNameJni: return string =    leave============>\n"}));
}

TEST_F(LanHostsQueryTest, GatewayNameFillingTheWholeBufferIsReadNoFurther) {
    ZSIM_SCRIPT(zivra_getGatewayName, [](char *name) {
        EXPECT_EQ(std::string(name, 70), std::string(70, '\0'));
        memset(name, 'g', 70);  // no NUL
        return 0;
    });
    EXPECT_EQ(GatewayName(), std::string(70, 'g'));
}

TEST_F(LanHostsQueryTest, MacFilterModeIsThePlatformsValue) {
    auto mode = [this] {
        return Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getMacFilterModeJni(env(), self());
    };
    EXPECT_EQ(mode(), 0);
    zsim::SetMacFilterMode(2);
    EXPECT_EQ(mode(), 2);
    for (int value : {-1, 7}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getMacFilterMode, [value]() { return value; });
        EXPECT_EQ(mode(), value);
        EXPECT_EQ(Calls(), std::vector<std::string>{"getMacFilterMode()"});
        EXPECT_EQ(Lines(), AtLevel2({"getMacFilterModeJni  enter============>\n",
                                     "getMacFilterModeJni: return value = " + std::to_string(value) +
                                         "   leave============>\n"}));
    }
}

}  // namespace
