// LANIPInfoQueryServiceImp, LANIPConfigServiceImp, PortMappingQueryServiceImp
// and PortMappingConfigServiceImp.
#include <climits>
#include <cstdlib>
#include <cstring>

#include "bridge_test.h"
#include "com_korvanta_nestrova_addressservices_LANIPConfigServiceImp.h"
#include "com_korvanta_nestrova_addressservices_LANIPInfoQueryServiceImp.h"
#include "com_korvanta_nestrova_addressservices_PortMappingConfigServiceImp.h"
#include "com_korvanta_nestrova_addressservices_PortMappingQueryServiceImp.h"
#include "fail_calloc.h"

#define ADDR(cls, m) Java_com_korvanta_nestrova_addressservices_##cls##_##m

namespace {

using AddressServicesTest = BridgeTest;

TEST_F(AddressServicesTest, DhcpQueryPassesTheGatewaysTextOrItsFailReply) {
    const std::string full(160, 'x');  // the gateway's share filled with no NUL
    for (int result : {0, 1}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANDhcpInfo, [&](char *reply) { memcpy(reply, full.data(), full.size()); return result; });
        const std::string want = result == 0 ? full
            : "{\"Result\":-1,\"EnableDHCPServer\":\"\",\"DHCPStartIP\":\"\",\"DHCPEndIP\":\"\",\"DHCPDuration\":0}";
        EXPECT_EQ(Text(ADDR(LANIPInfoQueryServiceImp, getLANDHCPInfoJni)(env(), self())), want);
        EXPECT_EQ(Lines(), Strings{"2|getLANDHCPInfoJni: return json = " + want + "   leave============>\n"});
    }
}

// Fills field i of a mapping with `len` times the letter 'a' + i, cut to the
// field (no NUL when it fills it); returns the item the reply should show.
std::string Mapping(PortMappingRecord &r, size_t len) {
    char *fields[6] = {r.PortMappingIndex, r.Enabled, r.ExternalPort, r.InternalPort, r.Protocol, r.InternalClient};
    std::string f[6];
    for (int i = 0; i < 6; ++i) {
        f[i].assign(std::min(len, i == 5 ? size_t{32} : size_t{12}), static_cast<char>('a' + i));
        memcpy(fields[i], f[i].data(), f[i].size());
    }
    return "{\"PortMappingIndex\":" + f[0] + ",\"PortMappingEnabled\":\"" + f[1] + "\",\"ExternalPort\":" + f[2] +
           ",\"InternalPort\":" + f[3] + ",\"PortMappingProtocol\":\"" + f[4] + "\",\"InternalClient\":\"" + f[5] + "\"}";
}

TEST_F(AddressServicesTest, PortMappingListNestsEachUsedWanEntryAndFreesTheTable) {
    // MapCount of each entry (no entries: no table), length of the mappings' texts.
    const struct { std::vector<int> counts; size_t len; int result; bool fail_alloc; } cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0}, 1, 0, false}, {{}, 0, 0, false},
        {{1, 0, 0, 2, -1, 0, 0, 0}, 1, 0, false},
        {{65, 0, 0, 0, 0, 0, 0, 64}, 2, 0, false},  // cut to the entry's 64
        {std::vector<int>(8, 64), 40, 0, false},    // the longest reply there is
        {{1, 0, 0, 0, 0, 0, 0, 0}, 1, 3, false},    // failing, the table still freed
        {{1, 0, 0, 0, 0, 0, 0, 0}, 1, 0, true}};    // no reply buffer
    for (const auto &c : cases) {
        zsim::Reset();
        std::string want = "{\"Result\":0,\"List\":[";
        auto *t = c.counts.empty() ? nullptr : static_cast<PortMappingTable *>(calloc(1, sizeof(PortMappingTable)));
        for (size_t e = 0; e < c.counts.size(); ++e) {
            const std::string name = "wan" + std::to_string(e) + std::string(64, 'n');
            memcpy(t->Entry[e].WANName, name.data(), 64);  // no NUL
            t->Entry[e].MapCount = c.counts[e];
            if (c.counts[e] <= 0) continue;
            want += (want.back() == '[' ? "" : ",") + ("{\"WANName\":\"" + name.substr(0, 64) + "\",\"MapList\":[");
            for (int i = 0; i < std::min(c.counts[e], 64); ++i) want += (i ? "," : "") + Mapping(t->Entry[e].Maps[i], c.len);
            want += "]}";
        }
        want = c.fail_alloc ? "{\"Result\":-1,\"FailReason\":\"malloc fail fail\"}"
               : c.result != 0 || !t ? "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}" : want + "]}";
        ZSIM_SCRIPT(zivra_getPortMappingInfo, [&](PortMappingTable **out) { EXPECT_EQ(*out, nullptr); *out = t; return c.result; });
        if (c.fail_alloc) FailCallocAfter(0);
        const std::string reply = Text(ADDR(PortMappingQueryServiceImp, getPortMappingInfoJni)(env(), self()));
        if (c.fail_alloc) SKIP_UNLESS_CALLOC_FAILED();
        EXPECT_EQ(reply, want);
        const std::string leave = "getPortMappingInfoJni: return json = " + want + "   leave============>\n";
        EXPECT_EQ(Lines(), AtLevel2({c.fail_alloc ? "getPortMappingInfoJni:malloc fail leave============>\n" : leave}));
        // The table is the bridge's to free: the sanitizer build reports it
        // leaked or freed twice unless freed exactly once.
    }
}

TEST_F(AddressServicesTest, SettersCopyOrBorrowTheirTextsAndStopAtTheFirstMissingOne) {
    // Method (setLANHostIPJni, setLANDHCPInfoJni, addPortMappingJni), its texts, the gateway's call.
    const struct { int m; jstring a, b, c; std::string seen; Strings lines; } cases[] = {
        {0, jni.Str("192.168.100.2000000"), jni.Str("255.255.255.0000000"), nullptr,  // 18 of 19 characters kept
         "setLANHostIP(localIP=\"192.168.100.200000\" submask=\"255.255.255.000000\")",
         {"setLANHostIPJni   JstringToPchar============>\n", "setLANHostIPJni  enter============>\n",
          "setLANHostIPJni: return value = 6   leave============>\n"}},
        {1, jni.Str("0123456789"), jni.Str("10.10.10.1000000000"), jni.Str("10.10.10.2000000000"),  // 8, 18, 18 kept
         "setLANDHCPInfo(enable=\"01234567\" start=\"10.10.10.100000000\" end=\"10.10.10.200000000\" duration=-3)",
         {"setLANDHCPInfoJni JstringToPchar============>\n", "setLANDHCPInfoJni  enter============>\n",
          "setLANDHCPInfoJni: return value = 6   leave============>\n"}},
        {1, jni.Str("1"), jni.Str("x"), jni.BadStr(), "",
         {"setLANDHCPInfoJni JstringToPchar============>\n", "setLANDHCPInfoJni: Get jstring DHCPEndIP fail leave============>\n"}},
        {2, jni.Str("TCP"), jni.Str("h"), nullptr, "addPortMapping(value1=-1 value2=2 value3=-3 text1=\"TCP\" text2=\"h\")",
         {"addPortMappingJni: enter============>\n", "addPortMappingJni: return json = 6 leave============>\n"}},
        {2, jni.Str("TCP"), jni.BadStr(), nullptr, "", {"addPortMappingJni: enter============>\n"}}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setLANHostIP, [](const char *, const char *) { return 6; });
        ZSIM_SCRIPT(zivra_setLANDHCPInfo, [](const char *, const char *, const char *, int) { return 6; });
        ZSIM_SCRIPT(zivra_addPortMapping, [](int, int, int, const char *, const char *) { return 6; });
        const size_t released = jni.release_points().size();
        const jint rc = c.m == 0 ? ADDR(LANIPConfigServiceImp, setLANHostIPJni)(env(), self(), c.a, c.b)
            : c.m == 1 ? ADDR(LANIPConfigServiceImp, setLANDHCPInfoJni)(env(), self(), c.a, c.b, c.c, -3)
                       : ADDR(PortMappingConfigServiceImp, addPortMappingJni)(env(), self(), -1, 2, -3, c.a, c.b);
        EXPECT_EQ(rc, c.seen.empty() ? -1 : 6);
        EXPECT_EQ(Calls(), Strings(!c.seen.empty(), c.seen));
        EXPECT_EQ(Lines(), AtLevel2(c.lines));
        // Borrowed texts go back after the gateway call, copied ones before it.
        for (size_t i = released; i < jni.release_points().size(); ++i) EXPECT_EQ(jni.release_points()[i], c.m == 2 ? Calls().size() : 0u);
    }
}

// The switch passes the boolean as exactly 1 or 0; both hand back the gateway's result.
TEST_F(AddressServicesTest, PortMappingSwitchAndDeletePassTheirNumbers) {
    ZSIM_SCRIPT(zivra_setPortMappingSwitch, [](int, int, int) { return -4; });
    ZSIM_SCRIPT(zivra_deletePortMappingJni, [](int, int) { return -4; });
    EXPECT_EQ(ADDR(PortMappingConfigServiceImp, setPortMappingSwitchJni)(env(), self(), 3, -2, 0x80), -4);
    EXPECT_EQ(ADDR(PortMappingConfigServiceImp, setPortMappingSwitchJni)(env(), self(), 3, 2, 0), -4);
    EXPECT_EQ(ADDR(PortMappingConfigServiceImp, deletePortMappingJni)(env(), self(), INT_MIN, 9), -4);
    EXPECT_EQ(Calls(), Strings({"setPortMappingSwitch(value1=3 value2=-2 enable=1)",
                                "setPortMappingSwitch(value1=3 value2=2 enable=0)",
                                "deletePortMappingJni(value1=-2147483648 value2=9)"}));
    const Strings sw = {"setPortMappingSwitchJni: enter============>\n",
                        "setPortMappingSwitchJni: return json = -4 leave============>\n"};
    EXPECT_EQ(Lines(), AtLevel2({sw[0], sw[1], sw[0], sw[1], "deletePortMappingJni: enter============>\n",
                                 "deletePortMappingJni: return json = -4 leave============>\n"}));
}

}  // namespace
