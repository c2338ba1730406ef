// TrafficQoSServiceImp, and the log lines of a few pass-through methods.
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_TrafficMirrorServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TrafficQoSServiceImp.h"
#include "fail_calloc.h"

#define TS(cls, m) Java_com_korvanta_nestrova_transferservices_##cls##_##m
#define QOS(m) TS(TrafficQoSServiceImp, m)

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
        {1, 0, "10", "", "{\"Result\":0,\"UpSpeed\":10,\"DownSpeed\":}"},
        {2, 0, full, full, "{\"Result\":0,\"upSpeed\":" + full + ",\"downSpeed\":" + full + "}"},
        {1, 5, "1", "2", kFail},
    };
    const char *names[] = {"getStatsByFlowJni", "getSpeedLimitByFlowJni", "getSpeedByFlowJni"};
    for (const auto &c : cases) {
        zsim::Reset();
        auto fill = [&c](char *up, char *down, int) {
            EXPECT_TRUE(up[0] == '\0' && down[0] == '\0');
            memcpy(up, c.up.data(), c.up.size());
            memcpy(down, c.down.data(), c.down.size());
            return c.result;
        };
        ZSIM_SCRIPT(zivra_getStatsByFlowJni, fill);
        ZSIM_SCRIPT(zivra_getSpeedLimitByFlowJni, fill);
        ZSIM_SCRIPT(zivra_getSpeedByFlowJni, fill);
        jstring (*const method[])(JNIEnv *, jobject, jint) = {QOS(getStatsByFlowJni), QOS(getSpeedLimitByFlowJni),
                                                              QOS(getSpeedByFlowJni)};
        EXPECT_EQ(Text(method[c.method](env(), self(), -3)), c.want);
        const std::string m = names[c.method];
        EXPECT_EQ(Calls(), Strings{m + "(flow=-3)"});
        EXPECT_EQ(Lines(), AtLevel2({"\r\n" + m + " enter ==========>\n",
                                     "\r\n" + m + ": return json = " + c.want + " leave ============>\n"}));
    }
}

TEST_F(TrafficQoSTest, DscpIsReadFromItsTextWithNoLeaveLine) {
    const struct { const char *written; int want; } cases[] = {  // null: the gateway writes nothing
       {"46", 46}, {nullptr, 0}, {" -12x", -12}, {"abc", 0}, {"99999999999", INT_MAX}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getDSCPRemarkByFlowJni, [&c](char *dscp, int) {
            EXPECT_EQ(std::string(dscp, 32), "0" + std::string(31, '\0'));
            if (c.written) snprintf(dscp, 32, "%s", c.written);
            return -1;  // not looked at
        });
        EXPECT_EQ(QOS(getDSCPRemarkByFlowJni)(env(), self(), 2), c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\ngetDSCPRemarkByFlowJni enter ==========>\n"}));
    }
}

// Pass-through methods, against the simulated gateway (flow 7 and rule 4 do not exist).
TEST_F(TrafficQoSTest, PassThroughLogLines) {
    const struct {
        std::function<int()> call;
        int rc;
        std::string op, enter, leave;
    } cases[] = {
        {[&] { return QOS(setSpeedLimitByFlowJni)(env(), self(), 1, 5, 6); }, 0, "setSpeedLimitByFlowJni(flow=1 upSpeed=5 "
         "downSpeed=6)", "\r\nsetSpeedLimitByFlowJni enter ==========>\n", "\r\nsetSpeedLimitByFlowJni: return 0 leave ==========>\n"},
        {[&] { return QOS(deleteAllTrafficFromFlowJni)(env(), self(), 7); }, -1, "deleteAllTrafficFromFlowJni(flow=7)",
         "\r\ndeleteAllTrafficFromFlowJni: flow =7 enter ==========>\n", "\r\ndeleteAllTrafficFromFlowJni: return -1 leave ==========>\n"},
        {[&] { return TS(TrafficMirrorServiceImp, deleteMirrorRuleJni)(env(), self(), 4); }, -1, "deleteMirrorRuleJni(ruleNum=4)",
         "\r\ndeleteMirrorRuleJni: ruleNum =4 enter ==========>", "\r\ndeleteMirrorRuleJni: return -1 leave ==========>"},
        {[&] { return TS(TrafficMirrorServiceImp, deleteAllMirrorRuleJni)(env(), self()); }, 0, "deleteAllMirrorRule()",
         "\r\ndeleteAllMirrorRuleJni enter==========>\n", "\r\ndeleteAllMirrorRuleJni: return 0 leave==========>\n"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        EXPECT_EQ(c.call(), c.rc) << c.op;
        EXPECT_EQ(Calls(), Strings{c.op});
        EXPECT_EQ(Lines(), AtLevel2({c.enter, c.leave}));
    }
}

TEST_F(TrafficQoSTest, TrafficList) {
    const FlowTrafficEntry a = {"a", "80"}, b = {"b", ""};
    FlowTrafficEntry wide;
    memset(&wide, 'x', sizeof wide);
    const std::string ia = "{\"RemoteAddress\":\"a\",\"RemotePort\":\"80\"}";
    // Five entries filling both fields print 1566 characters: cut to the 1535 of (5 + 1) * 256 bytes.
    const std::string w = "{\"RemoteAddress\":\"" + std::string(256, 'x') + "\",\"RemotePort\":\"" +
                          std::string(16, 'x') + "\"}";
    const std::string five = "{\"Result\":0,\"List\":[" + w + "," + w + "," + w + "," + w + "," + w + "]}";
    const struct {
        int result, count;
        std::vector<FlowTrafficEntry> entries;
        bool list;  // hand back a list
        std::string want;
    } cases[] = {
        {0, 0, {}, true, "{\"Result\":0,\"List\":[]}"},
        {0, 3, {}, false, "{\"Result\":0,\"List\":[]}"},
        {0, 2, {a, b}, true, "{\"Result\":0,\"List\":[" + ia + ",{\"RemoteAddress\":\"b\",\"RemotePort\":\"\"}]}"},
        {0, -4, {a}, true, "{\"Result\":0,\"List\":[]}"},
        {2, 1, {a}, true, kFail},  // freed all the same
        {0, 5, {wide, wide, wide, wide, wide}, true, five.substr(0, 1535)},
        {0, 1, {a}, true, ""},  // no heap for the reply
        {1, 1, {a}, true, ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getTrafficInfoByFlowJni, [&c](FlowTrafficEntry **list, int flow, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0 && flow == 9);
            if (c.list) *list = static_cast<FlowTrafficEntry *>(malloc(sizeof(FlowTrafficEntry) * (c.entries.size() + 1)));
            if (c.list && !c.entries.empty()) memcpy(*list, c.entries.data(), sizeof(FlowTrafficEntry) * c.entries.size());
            *count = c.count;
            return c.result;
        });
        if (c.want.empty()) FailCallocAfter(0);
        const std::string got = Text(QOS(getTrafficInfoByFlowJni)(env(), self(), 9));
        if (c.want.empty() && !ArmedCallocFailureHandedOut()) continue;  // calloc cannot fail in this build
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\ngetTrafficInfoByFlowJni enter ==========>\n",
                                     "\r\ngetTrafficInfoByFlowJni: return json = " + c.want + " leave ==========>\n"}));
    }
}

TEST_F(TrafficQoSTest, TrafficAddAndDelete) {
    const struct { bool add; jstring address, port; int rc; } cases[] = {
        {true, jni.Str("10.0.0.1"), jni.Str("443"), 3},   {false, jni.Str("10.0.0.1"), jni.Str("443"), 3},
        {true, nullptr, jni.Str("443"), -1},              {true, jni.Str("10.0.0.1"), jni.BadStr(), -1},
        {false, jni.BadStr(), nullptr, -1},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addTrafficToFlowJni, [](const char *, const char *, int) { return 3; });
        ZSIM_SCRIPT(zivra_deleteTrafficFromFlowJni, [](const char *, const char *, int) { return 3; });
        const size_t released = jni.release_points().size();
        const std::string m = c.add ? "addTrafficToFlowJni" : "deleteTrafficFromFlowJni";
        EXPECT_EQ((c.add ? QOS(addTrafficToFlowJni) : QOS(deleteTrafficFromFlowJni))(env(), self(), c.address, c.port, 5),
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
