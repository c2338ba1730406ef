// TrafficQoSServiceImp.
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_TrafficQoSServiceImp.h"
#include "fail_calloc.h"

#define QOS(m) Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_##m

namespace {

using Strings = std::vector<std::string>;
using TrafficQoSTest = BridgeTest;
const std::string kFail = "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}";

TEST_F(TrafficQoSTest, PairQueries) {
    const std::string full(32, '9');  // fills the buffer, no NUL
    const struct {
        int method;  // 0 stats, 1 limits, 2 speeds
        int result;
        std::string up, down, want;
    } cases[] = {
        {0, 0, "120", "45", "{\"Result\":0,\"UsStats\":120,\"DsStats\":45}"},
        {1, 0, "10", "20", "{\"Result\":0,\"UpSpeed\":10,\"DownSpeed\":20}"},
        {2, 0, "10", "20", "{\"Result\":0,\"upSpeed\":10,\"downSpeed\":20}"},
        {0, 0, "", "7", "{\"Result\":0,\"UsStats\":,\"DsStats\":7}"},
        {2, 0, full, full, "{\"Result\":0,\"upSpeed\":" + full + ",\"downSpeed\":" + full + "}"},
        {1, 5, "1", "2", kFail},
    };
    const char *names[] = {"getStatsByFlowJni", "getSpeedLimitByFlowJni", "getSpeedByFlowJni"};
    for (const auto &c : cases) {
        zsim::Reset();
        auto fill = [&c](char *up, char *down, int flow) {
            EXPECT_EQ(flow, -3);
            EXPECT_TRUE(up[0] == '\0' && down[0] == '\0');
            memcpy(up, c.up.data(), c.up.size());
            memcpy(down, c.down.data(), c.down.size());
            return c.result;
        };
        ZSIM_SCRIPT(zivra_getStatsByFlowJni, fill);
        ZSIM_SCRIPT(zivra_getSpeedLimitByFlowJni, fill);
        ZSIM_SCRIPT(zivra_getSpeedByFlowJni, fill);
        jstring r = c.method == 0   ? QOS(getStatsByFlowJni)(env(), self(), -3)
                    : c.method == 1 ? QOS(getSpeedLimitByFlowJni)(env(), self(), -3)
                                    : QOS(getSpeedByFlowJni)(env(), self(), -3);
        EXPECT_EQ(Text(r), c.want);
        const std::string m = names[c.method];
        EXPECT_EQ(Calls(), Strings{m + "(flow=-3)"});
        EXPECT_EQ(Lines(), AtLevel2({"\r\n" + m + " enter ==========>\n",
                                     "\r\n" + m + ": return json = " + c.want + " leave ============>\n"}));
    }
}

TEST_F(TrafficQoSTest, DscpIsReadFromItsTextWithNoLeaveLine) {
    const struct {
        const char *written;  // null: the gateway writes nothing
        int want;
    } cases[] = {{"46", 46}, {nullptr, 0}, {" -12x", -12}, {"abc", 0}, {"99999999999", INT_MAX}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getDSCPRemarkByFlowJni, [&c](char *dscp, int) {
            EXPECT_EQ(std::string(dscp), "0");
            EXPECT_EQ(std::string(dscp + 1, 31), std::string(31, '\0'));
            if (c.written) snprintf(dscp, 32, "%s", c.written);
            return -1;  // not looked at
        });
        EXPECT_EQ(QOS(getDSCPRemarkByFlowJni)(env(), self(), 2), c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\ngetDSCPRemarkByFlowJni enter ==========>\n"}));
    }
}

TEST_F(TrafficQoSTest, SettersPassArgumentsAndResults) {
    ZSIM_SCRIPT(zivra_setSpeedLimitByFlowJni, [](int, int, int) { return 4; });
    ZSIM_SCRIPT(zivra_setDSCPRemarkByFlowJni, [](int, int) { return 5; });
    ZSIM_SCRIPT(zivra_deleteAllTrafficFromFlowJni, [](int) { return 6; });
    EXPECT_EQ(QOS(setSpeedLimitByFlowJni)(env(), self(), 1, -2, INT_MAX), 4);
    EXPECT_EQ(QOS(setDSCPRemarkByFlowJni)(env(), self(), 3, 46), 5);
    EXPECT_EQ(QOS(deleteAllTrafficFromFlowJni)(env(), self(), 7), 6);
    EXPECT_EQ(Calls(), (Strings{"setSpeedLimitByFlowJni(flow=1 upSpeed=-2 downSpeed=2147483647)",
                                "setDSCPRemarkByFlowJni(flow=3 dscp=46)", "deleteAllTrafficFromFlowJni(flow=7)"}));
    EXPECT_EQ(Lines(), AtLevel2({"\r\nsetSpeedLimitByFlowJni enter ==========>\n",
                                 "\r\nsetSpeedLimitByFlowJni: return 4 leave ==========>\n",
                                 "\r\nsetDSCPRemarkByFlowJni enter ==========>\n",
                                 "\r\nsetDSCPRemarkByFlowJni: return 5 leave ==========>\n",
                                 "\r\ndeleteAllTrafficFromFlowJni: flow =7 enter ==========>\n",
                                 "\r\ndeleteAllTrafficFromFlowJni: return 6 leave ==========>\n"}));
}

FlowTrafficEntry Entry(const std::string &address, const std::string &port) {
    FlowTrafficEntry e;
    memset(&e, 0, sizeof e);
    memcpy(e.RemoteAddress, address.data(), std::min(address.size(), sizeof e.RemoteAddress));
    memcpy(e.RemotePort, port.data(), std::min(port.size(), sizeof e.RemotePort));
    return e;
}

TEST_F(TrafficQoSTest, TrafficList) {
    const std::string a256(256, 'a'), p16(16, '1');
    const std::string item = "{\"RemoteAddress\":\"a\",\"RemotePort\":\"80\"}";
    const std::string b = "{\"RemoteAddress\":\"b\",\"RemotePort\":\"\"}";
    // Five entries filling both fields print 1566 characters: cut to the 1535 of (5 + 1) * 256 bytes.
    const std::string f = "{\"RemoteAddress\":\"" + a256 + "\",\"RemotePort\":\"" + p16 + "\"}";
    const std::string full = "{\"Result\":0,\"List\":[" + f + "," + f + "," + f + "," + f + "," + f + "]}";
    const FlowTrafficEntry e = Entry(a256, p16);
    const struct {
        int result, count;
        std::vector<FlowTrafficEntry> entries;
        bool list;  // hand back a list
        std::string want;
    } cases[] = {
        {0, 0, {}, true, "{\"Result\":0,\"List\":[]}"},
        {0, 0, {}, false, "{\"Result\":0,\"List\":[]}"},
        {0, 3, {}, false, "{\"Result\":0,\"List\":[]}"},
        {0, 1, {Entry("a", "80")}, true, "{\"Result\":0,\"List\":[" + item + "]}"},
        {0, 2, {Entry("a", "80"), Entry("b", "")}, true, "{\"Result\":0,\"List\":[" + item + "," + b + "]}"},
        {0, -4, {Entry("a", "80")}, true, "{\"Result\":0,\"List\":[]}"},
        {2, 1, {Entry("a", "80")}, true, kFail},  // freed all the same
        {2, 0, {}, false, kFail},
        {0, 5, {e, e, e, e, e}, true, full.substr(0, 1535)},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getTrafficInfoByFlowJni, [&c](FlowTrafficEntry **list, int flow, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0 && flow == 9);
            if (c.list) {
                *list = static_cast<FlowTrafficEntry *>(malloc(sizeof(FlowTrafficEntry) * (c.entries.size() + 1)));
                if (!c.entries.empty()) memcpy(*list, c.entries.data(), sizeof(FlowTrafficEntry) * c.entries.size());
            }
            *count = c.count;
            return c.result;
        });
        EXPECT_EQ(Text(QOS(getTrafficInfoByFlowJni)(env(), self(), 9)), c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\ngetTrafficInfoByFlowJni enter ==========>\n",
                                     "\r\ngetTrafficInfoByFlowJni: return json = " + c.want + " leave ==========>\n"}));
    }
    // No heap for the reply, in either branch: the empty text.
    for (int result : {0, 1}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getTrafficInfoByFlowJni, [result](FlowTrafficEntry **list, int, int *count) {
            *list = static_cast<FlowTrafficEntry *>(malloc(sizeof(FlowTrafficEntry)));
            *count = 0;
            return result;
        });
        FailCallocAfter(0);
        EXPECT_EQ(Text(QOS(getTrafficInfoByFlowJni)(env(), self(), 9)), "");
        SKIP_UNLESS_CALLOC_FAILED();
    }
}

TEST_F(TrafficQoSTest, TrafficAddAndDelete) {
    const struct {
        bool add;
        jstring address, port;
        int rc;
    } cases[] = {
        {true, jni.Str("10.0.0.1"), jni.Str("443"), 3},
        {false, jni.Str("10.0.0.1"), jni.Str("443"), 3},
        {true, nullptr, jni.Str("443"), -1},
        {true, jni.Str("10.0.0.1"), jni.BadStr(), -1},
        {false, jni.BadStr(), nullptr, -1},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addTrafficToFlowJni, [](const char *, const char *, int) { return 3; });
        ZSIM_SCRIPT(zivra_deleteTrafficFromFlowJni, [](const char *, const char *, int) { return 3; });
        const size_t released = jni.release_points().size();
        const std::string m = c.add ? "addTrafficToFlowJni" : "deleteTrafficFromFlowJni";
        EXPECT_EQ(c.add ? QOS(addTrafficToFlowJni)(env(), self(), c.address, c.port, 5)
                        : QOS(deleteTrafficFromFlowJni)(env(), self(), c.address, c.port, 5),
                  c.rc);
        const bool called = c.rc != -1;
        EXPECT_EQ(Calls(), Strings(called, m + "(remoteAddress=\"10.0.0.1\" remotePort=\"443\" flow=5)"));
        // Characters go back after the gateway has been called.
        for (size_t i = released; i < jni.release_points().size(); ++i) EXPECT_EQ(jni.release_points()[i], called);
        EXPECT_EQ(Lines(), AtLevel2({"\r\n" + m + (c.add ? " enter" : ": enter") + " ==========>\n",
                                     "\r\n" + m + ": return " + std::to_string(c.rc) + " leave ==========>\n"}));
    }
}

}  // namespace
