// AccessInfoQueryServiceImp and WanConfigServiceImp.
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp.h"
#include "com_korvanta_nestrova_accessservices_WanConfigServiceImp.h"

#define ACC(cls, m) Java_com_korvanta_nestrova_accessservices_##cls##_##m

namespace {

using Strings = std::vector<std::string>;
using WanTest = BridgeTest;

// Fills a gateway buffer: the text, or `fill` repeated over all `size` bytes with no NUL.
int Write(char *out, size_t size, const char *text, char fill) {
    if (fill != 0) memset(out, fill, size);
    else snprintf(out, size, "%s", text);
    return 0;
}

TEST_F(WanTest, RepliesTheGatewayWritesAreKeptWholeOrReplaced) {
    const struct {
        const char *method;  // leave line label
        int result;
        const char *text;
        char fill;  // fills the gateway's whole buffer, no NUL
        std::string reply;
    } cases[] = {
        {"getWANIfListJni", 0, "{\"Result\":0,\"List\":[\"a\\\"b\"]}", 0, "{\"Result\":0,\"List\":[\"a\\\"b\"]}"},
        {"getWANIfListJni", 0, "", 'L', std::string(1280, 'L')},
        {"getWANIfListJni", 2, "{\"Result\":0,\"Li", 0, "{\"Result\":-1}"},
        {"getWANIfStatusJni", 0, "", 'S', std::string(256, 'S')},
        {"getWANIfStatusJni", -1, "", 'S', "{\"Result\":-1}"},
        {"getWanIfBandwidthJni", 0, "{\"Result\":0,\"Up\":1}", 0, "{\"Result\":0,\"Up\":1}"},
        {"getWanIfBandwidthJni", 5, "", 'B', "{\"Result\":-1}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWANIfList, [&c](char *r) { return Write(r, 1280, c.text, c.fill) + c.result; });
        ZSIM_SCRIPT(zivra_getWANIfStatus, [&c](int, char *r) { return Write(r, 256, c.text, c.fill) + c.result; });
        ZSIM_SCRIPT(zivra_getWanIfBandwidth, [&c](int, char *r) { return Write(r, 256, c.text, c.fill) + c.result; });
        const std::string m = c.method;
        jstring got = m == "getWANIfListJni"     ? ACC(AccessInfoQueryServiceImp, getWANIfListJni)(env(), self())
                      : m == "getWANIfStatusJni" ? ACC(AccessInfoQueryServiceImp, getWANIfStatusJni)(env(), self(), -3)
                                                 : ACC(AccessInfoQueryServiceImp, getWanIfBandwidthJni)(env(), self(), -3);
        EXPECT_EQ(Text(got), c.reply) << m;
        EXPECT_EQ(Calls().size(), 1u);
        EXPECT_EQ(Lines(), AtLevel2({m + ": return json = " + c.reply + "   leave============>\n"}));
    }
}

TEST_F(WanTest, CountersPrintWhole) {
    const unsigned long long k64 = 18446744073709551615ULL;
    const struct {
        bool wide;  // 64-bit WAN counters, else the 32-bit uplink ones
        unsigned long long us, ds;
        int result;
        std::string reply;
    } cases[] = {
        {true, k64, k64, 0, "{\"Result\":0,\"UsStats\":18446744073709551615,\"DsStats\":18446744073709551615}"},
        {true, 4294967296ULL, 0, 0, "{\"Result\":0,\"UsStats\":4294967296,\"DsStats\":0}"},
        {true, 1, 2, 1, "{\"Result\":-1}"},
        {false, 4294967295ULL, 2147483648ULL, 0, "{\"Result\":0,\"UsStats\":4294967295,\"DsStats\":2147483648}"},
        {false, 1, 2, -4, "{\"Result\":-1}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWANIfStats, [&c](int, uint64_t *us, uint64_t *ds) {
            EXPECT_TRUE(*us == 0 && *ds == 0);
            *us = c.us;
            *ds = c.ds;
            return c.result;
        });
        ZSIM_SCRIPT(zivra_getUplinkIfStats, [&c](uint32_t *us, uint32_t *ds) {
            EXPECT_TRUE(*us == 0 && *ds == 0);
            *us = static_cast<uint32_t>(c.us);
            *ds = static_cast<uint32_t>(c.ds);
            return c.result;
        });
        if (c.wide) {
            EXPECT_EQ(Text(ACC(AccessInfoQueryServiceImp, getWANIfStatsJni)(env(), self(), -2147483647 - 1)), c.reply);
            EXPECT_EQ(Calls(), Strings{"getWANIfStats(wanIndex=-2147483648)"});
            EXPECT_EQ(Lines(), AtLevel2({"getWANIfStatsJni: return json = " + c.reply + "   leave============>\n"}));
        } else {
            EXPECT_EQ(Text(ACC(AccessInfoQueryServiceImp, getUplinkIfStatsJni)(env(), self())), c.reply);
            EXPECT_EQ(Lines(), AtLevel2({"wanGetIfStatsJni: return json = " + c.reply + "  leave============>\n"}));
        }
    }
}

// Reply keys with the record (0 connection, 1 IPv4, 2 IPv6) and the offset
// and width of their field, in reply order.
struct Key {
    const char *name;
    int record;
    size_t offset, width;
};
#define K(name, rec, type, field) {name, rec, offsetof(type, field), sizeof(type::field)}
const Key kInfoKeys[] = {
    K("LanInterface", 0, WANIfConnRecord, LanInterface), K("VLANMode", 0, WANIfConnRecord, VLANMode),
    K("VLANIDMark", 0, WANIfConnRecord, VLANIDMark), K("802-1pMark", 0, WANIfConnRecord, Dot1pMark),
    K("MulticastVlan", 0, WANIfConnRecord, MulticastVlan),
    K("LanInterface-DHCPEnable", 0, WANIfConnRecord, LanInterfaceDHCPEnable),
    K("IPMode", 0, WANIfConnRecord, IPMode), K("ConnectionType", 0, WANIfConnRecord, ConnectionType),
    K("NATEnabled", 0, WANIfConnRecord, NATEnabled), K("Username", 0, WANIfConnRecord, Username),
    K("AddressingType", 1, WANIfIPv4Record, AddressingType),
    K("ExternalIPAddress", 1, WANIfIPv4Record, ExternalIPAddress), K("SubnetMask", 1, WANIfIPv4Record, SubnetMask),
    K("DefaultGateway", 1, WANIfIPv4Record, DefaultGateway), K("DNSEnabled", 1, WANIfIPv4Record, DNSEnabled),
    K("DNSServers", 1, WANIfIPv4Record, DNSServers), K("MACAddress", 1, WANIfIPv4Record, MACAddress),
    K("ConnectionTrigger", 0, WANIfConnRecord, ConnectionTrigger),
    K("IPv6IPAddressOrigin", 2, WANIfIPv6Record, IPv6IPAddressOrigin),
    K("IPv6IPAddress", 2, WANIfIPv6Record, IPv6IPAddress), K("IPv6DNSServers", 2, WANIfIPv6Record, IPv6DNSServers),
    K("IPv6PrefixDelegationEnabled", 2, WANIfIPv6Record, IPv6PrefixDelegationEnabled),
    K("IPv6PrefixOrigin", 2, WANIfIPv6Record, IPv6PrefixOrigin), K("IPv6Prefix", 2, WANIfIPv6Record, IPv6Prefix),
    K("IPv6PrefixPltime", 2, WANIfIPv6Record, IPv6PrefixPltime),
    K("IPv6PrefixVltime", 2, WANIfIPv6Record, IPv6PrefixVltime),
    K("IPv6DefaultGateway", 2, WANIfIPv6Record, IPv6DefaultGateway),
    K("IPv6DsliteEnable", 2, WANIfIPv6Record, IPv6DsliteEnable), K("IPv6AftrMode", 2, WANIfIPv6Record, IPv6AftrMode),
    K("IPv6AftrAddress", 2, WANIfIPv6Record, IPv6AftrAddress), K("ServiceList", 0, WANIfConnRecord, ServiceList),
};

TEST_F(WanTest, InfoRepliesInKeyOrderWithEveryFieldWhole) {
    const struct {
        int result;
        bool full;  // every field filled to its last byte with a letter of its own, no NUL
        size_t length;
    } cases[] = {{0, true, 1613}, {0, false, 617}, {7, true, 13}};
    for (const auto &c : cases) {
        zsim::Reset();
        std::string want = "{\"Result\":0";
        char letter = 'A';
        for (const Key &k : kInfoKeys) {
            want += ",\"" + std::string(k.name) + "\":\"" + (c.full ? std::string(k.width, letter++) : "") + "\"";
        }
        want = c.result ? "{\"Result\":-1}" : want + "}";
        ZSIM_SCRIPT(zivra_getWANIfInfo, [&c](int, WANIfConnRecord *conn, WANIfIPv4Record *v4, WANIfIPv6Record *v6) {
            char *records[] = {reinterpret_cast<char *>(conn), reinterpret_cast<char *>(v4),
                               reinterpret_cast<char *>(v6)};
            char letter = 'A';
            for (const Key &k : kInfoKeys) {
                if (c.full) memset(records[k.record] + k.offset, letter++, k.width);
            }
            return c.result;
        });
        const std::string got = Text(ACC(AccessInfoQueryServiceImp, getWANIfInfoJni)(env(), self(), 2));
        EXPECT_EQ(got, want);
        EXPECT_EQ(got.size(), c.length);
        EXPECT_EQ(Calls(), Strings{"getWANIfInfo(wanIndex=2)"});
        EXPECT_EQ(Lines(), AtLevel2({"getWANIfInfoJni  enter============>\n",
                                     "getWANIfInfoJni: return json = " + want + "   leave============>\n"}));
    }
}

TEST_F(WanTest, PonRepliesPutTheResultBeforeTheGatewaysFragment) {
    const struct {
        bool phy;  // else registration
        int result;
        const char *fragment;
        char fill;
        std::string reply;
    } cases[] = {
        {false, 0, "\"Status\":\"O5\"}", 0, "{\"Result\":0,\"Status\":\"O5\"}"},
        {false, 0, "\"Status\":\"O5\"", 0, "{\"Result\":0,\"Status\":\"O5\""},  // nothing is added
        {false, 0, "", 'r', "{\"Result\":0," + std::string(40, 'r')},
        {true, 0, "", 'p', "{\"Result\":0," + std::string(150, 'p')},
        {true, 3, "\"RXPower\":\"-18\"}", 0, "{\"Result\":-1}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getPONIfPhyStatus, [&c](char *f) { return Write(f, 150, c.fragment, c.fill) + c.result; });
        ZSIM_SCRIPT(zivra_getPONIfRegisterStatus, [&c](char *f) { return Write(f, 40, c.fragment, c.fill) + c.result; });
        const std::string m = c.phy ? "getPONIfPhyStatusJni" : "getPONIfRegisterStatusJni";
        EXPECT_EQ(Text(c.phy ? ACC(AccessInfoQueryServiceImp, getPONIfPhyStatusJni)(env(), self())
                             : ACC(AccessInfoQueryServiceImp, getPONIfRegisterStatusJni)(env(), self())),
                  c.reply);
        EXPECT_EQ(Lines(), AtLevel2({m + ": return json = " + c.reply + "   leave============>\n"}));
    }
}

TEST_F(WanTest, ValuesPassUnchangedAndUptimeLogsFirst) {
    ZSIM_SCRIPT(zivra_getInternetWANIndex, [] { return -9; });
    EXPECT_EQ(ACC(AccessInfoQueryServiceImp, getInternetWANIndexJni)(env(), self()), -9);
    EXPECT_EQ(Lines(), AtLevel2({"getInternetWANIndex enter:============>\n",
                                 "getInternetWANIndex: return rt= -9============>\n"}));
    zsim::Reset();
    ZSIM_SCRIPT(zivra_getPONIfUpTime, [] {
        EXPECT_EQ(zsim::Log().size(), 1u) << "the line goes out before the gateway is asked";
        return 2147483647;
    });
    EXPECT_EQ(ACC(AccessInfoQueryServiceImp, getPONIfUpTimeJni)(env(), self()), 2147483647);
    EXPECT_EQ(Lines(), AtLevel2({"getPONIfUpTimeJni: leave============>\n"}));
}

TEST_F(WanTest, ConfigPassesTextsAndReleasesThemAfterTheGateway) {
    const struct {
        bool add;      // addWANIfJni, else setWANIfJni
        int missing;   // index of a text that cannot be had, -1 none
        bool asNull;   // that text is a Java null rather than a refused String
        jint rc;
        Strings lines;
    } cases[] = {
        {true, -1, false, 6, {"addWANIfJni: enter============>\n", "addWANIfJni: return json = 6 leave============>\n"}},
        {true, 1, false, -1, {}},
        {true, 2, true, -1, {}},
        {false, -1, false, 6, {"setWANIfJni: wanIndex:-5 enter============>\n",
                               "setWANIfJni: return json = 6 leave============>\n"}},
        {false, 0, true, -1, {"setWANIfJni: return json = -1 get string fail leave============>\n"}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addWANIf, [](const char *, const char *, const char *) { return 6; });
        ZSIM_SCRIPT(zivra_setWANIf, [](int, const char *) { return 6; });
        const size_t released = jni.release_points().size();
        std::vector<jstring> s;
        for (int i = 0; i < 3; ++i) s.push_back(i != c.missing ? jni.Str("t" + std::to_string(i)) : c.asNull ? nullptr : jni.BadStr());
        const jint got = c.add ? ACC(WanConfigServiceImp, addWANIfJni)(env(), self(), s[0], s[1], s[2])
                               : ACC(WanConfigServiceImp, setWANIfJni)(env(), self(), -5, s[0]);
        EXPECT_EQ(got, c.rc);
        const Strings call = c.add ? Strings{"addWANIf(text1=\"t0\" text2=\"t1\" text3=\"t2\")"}
                                   : Strings{"setWANIf(wanIndex=-5 settings=\"t0\")"};
        EXPECT_EQ(Calls(), c.missing < 0 ? call : Strings{});
        EXPECT_EQ(Lines(), AtLevel2(c.lines));
        const size_t count = c.missing < 0 ? (c.add ? 3 : 1) : (c.add ? 2 : 0);
        EXPECT_EQ(std::vector<size_t>(jni.release_points().begin() + static_cast<long>(released), jni.release_points().end()),
                  std::vector<size_t>(count, c.missing < 0 ? 1u : 0u));
    }
    zsim::Reset();
    ZSIM_SCRIPT(zivra_deleteWANIf, [](int) { return 3; });
    EXPECT_EQ(ACC(WanConfigServiceImp, deleteWANIfJni)(env(), self(), -1), 3);
    EXPECT_EQ(Calls(), Strings{"deleteWANIf(wanIndex=-1)"});
    EXPECT_EQ(Lines(), AtLevel2({"deleteWANIfJni: enter============>\n", "deleteWANIfJni: return json = 3 leave============>\n"}));
}

}  // namespace
