// TrafficQoSServiceImp and TrafficMonitoringConfigServiceImp.
#include <climits>
#include <cstdlib>
#include <cstring>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_TrafficMonitoringConfigServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TrafficQoSServiceImp.h"
#include "fail_calloc.h"

#define QOS(m) Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_##m
#define MON(m) Java_com_korvanta_nestrova_transferservices_TrafficMonitoringConfigServiceImp_##m

namespace {

using TrafficQoSTest = BridgeTest;
const std::string kFail = "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}";

TEST_F(TrafficQoSTest, PairQueries) {
    const std::string full(32, '9');  // fills the buffer, no NUL
    const struct { jstring (*fn)(JNIEnv *, jobject, jint); std::string m; int result; std::string up, down, want; } cases[] = {
        {QOS(getStatsByFlowJni), "getStatsByFlowJni", 0, "120", "45", "{\"Result\":0,\"UsStats\":120,\"DsStats\":45}"},
        {QOS(getSpeedLimitByFlowJni), "getSpeedLimitByFlowJni", 0, "10", "", "{\"Result\":0,\"UpSpeed\":10,\"DownSpeed\":}"},
        {QOS(getSpeedByFlowJni), "getSpeedByFlowJni", 0, full, full, "{\"Result\":0,\"upSpeed\":" + full + ",\"downSpeed\":" + full + "}"},
        {QOS(getSpeedLimitByFlowJni), "getSpeedLimitByFlowJni", 5, "1", "2", kFail},
    };
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
        EXPECT_EQ(Text(c.fn(env(), self(), -3)), c.want);
        EXPECT_EQ(Calls(), Strings{c.m + "(flow=-3)"});
        EXPECT_EQ(Lines(), AtLevel2({"\r\n" + c.m + " enter ==========>\n", "\r\n" + c.m + ": return json = " + c.want + " leave ============>\n"}));
    }
}

TEST_F(TrafficQoSTest, DscpIsReadFromItsTextWithNoLeaveLine) {
    const struct { const char *written; int want; } cases[] = {  // null: the gateway writes nothing
        {"46", 46}, {nullptr, 0}, {" -12x", -12}, {"99999999999", INT_MAX}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getDSCPRemarkByFlowJni, [&c](char *dscp, int) {
            EXPECT_EQ(std::string(dscp, 32), "0" + std::string(31, '\0'));
            if (c.written) snprintf(dscp, 32, "%s", c.written);
            return -1; });  // not looked at
        EXPECT_EQ(QOS(getDSCPRemarkByFlowJni)(env(), self(), 2), c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\ngetDSCPRemarkByFlowJni enter ==========>\n"}));
    }
}

TEST_F(TrafficQoSTest, TrafficList) {
    const FlowTrafficEntry a = {"a", "80"}, b = {"b", ""};
    FlowTrafficEntry x;
    memset(&x, 'x', sizeof x);
    const std::string ia = "{\"RemoteAddress\":\"a\",\"RemotePort\":\"80\"}";
    // Five entries filling both fields print 1566 characters: cut to the 1535 of (5 + 1) * 256 bytes.
    const std::string w = "{\"RemoteAddress\":\"" + std::string(256, 'x') + "\",\"RemotePort\":\"" + std::string(16, 'x') + "\"}";
    const std::string five = "{\"Result\":0,\"List\":[" + w + "," + w + "," + w + "," + w + "," + w + "]}";
    const struct { int result, count; std::vector<FlowTrafficEntry> entries; bool list; std::string want; } cases[] = {
        {0, 3, {}, false, "{\"Result\":0,\"List\":[]}"},  // no list
        {0, 2, {a, b}, true, "{\"Result\":0,\"List\":[" + ia + ",{\"RemoteAddress\":\"b\",\"RemotePort\":\"\"}]}"},
        {0, -4, {a}, true, "{\"Result\":0,\"List\":[]}"},
        {2, 1, {a}, true, kFail},  // freed all the same
        {0, 5, {x, x, x, x, x}, true, five.substr(0, 1535)},
        {0, 1, {a}, true, ""},  // no heap for the reply
        {1, 1, {a}, true, ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getTrafficInfoByFlowJni, [&c](FlowTrafficEntry **list, int flow, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0 && flow == 9);
            if (c.list) *list = static_cast<FlowTrafficEntry *>(malloc(sizeof(FlowTrafficEntry) * (c.entries.size() + 1)));
            if (c.list && !c.entries.empty()) memcpy(*list, c.entries.data(), sizeof(FlowTrafficEntry) * c.entries.size());
            return *count = c.count, c.result; });
        if (c.want.empty()) FailCallocAfter(0);
        const std::string got = Text(QOS(getTrafficInfoByFlowJni)(env(), self(), 9));
        if (c.want.empty() && !ArmedCallocFailureHandedOut()) continue;  // calloc cannot fail in this build
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\ngetTrafficInfoByFlowJni enter ==========>\n",
                                     "\r\ngetTrafficInfoByFlowJni: return json = " + c.want + " leave ==========>\n"}));
    }
}

struct Entry { int at; std::string name; int count; Strings dests; };

TEST_F(TrafficQoSTest, MonitoringDestinationList) {
    // Eight bundles of 255 destinations filling their slots: cut at 30720 bytes; a count of 300 lists 255.
    const std::string d(256, 'd');
    std::string cut = "{\"Result\":0,\"List\":[";
    std::vector<Entry> full;
    for (int e = 0; e < 8; ++e) {
        full.push_back(Entry{e, "B", e ? 255 : 300, Strings(255, d)});
        cut += std::string(e ? "," : "") + "{\"BundleName\":\"B\",\"DestAddressList\":[\"" + d;
        for (int j = 1; j < 255; ++j) cut += "\",\"" + d;
        cut += "\"]}";
    }
    const struct { int result; std::vector<Entry> entries; int failCallocAfter; std::string want; } cases[] = {
        {0, {{0, "A", 2, {"a", "b"}}, {2, "B", 1, {"c"}}}, -1, "{\"Result\":0,\"List\":[{\"BundleName\":\"A\",\"DestAddressList\":[\"a\",\"b\"]},"
         "{\"BundleName\":\"B\",\"DestAddressList\":[\"c\"]}]}"},
        {0, {{5, "E", 1, {"e"}}}, -1, "{\"Result\":0,\"List\":[{\"BundleName\":\"E\",\"DestAddressList\":[\"e\"]}]}"},
        {0, {{0, "A", 0, {"a"}}, {1, "B", -2, {"b"}}, {2, "", 1, {"c"}}}, -1, "{\"Result\":0,\"List\":[]}"},
        {0, full, -1, cut.substr(0, 30719)},
        {4, {{0, "A", 1, {"a"}}}, -1, kFail},
        {0, {}, 0, kFail},  // no table
        {0, {}, 1, ""},    // no reply buffer
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getTrafficMonitoringDestAddressInfo, [&c](MonitoringDestRecord *table) {
            for (const Entry &e : c.entries) {
                snprintf(table[e.at].BundleName, 256, "%s", e.name.c_str());
                table[e.at].Count = e.count;
                for (size_t j = 0; j < e.dests.size(); ++j) memcpy(table[e.at].Dest[j], e.dests[j].data(), e.dests[j].size());
            }
            return c.result; });
        if (c.failCallocAfter >= 0) FailCallocAfter(c.failCallocAfter);
        const std::string got = Text(MON(getTrafficMonitoringDestAddressInfoJni)(env(), self()));
        if (c.failCallocAfter >= 0 && !ArmedCallocFailureHandedOut()) continue;  // calloc cannot fail in this build
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(Calls().size(), c.failCallocAfter == 0 ? 0u : 1u);
        EXPECT_EQ(Lines(), AtLevel2({"\ngetTrafficMonitoringDestAddressInfoJni enter ==========>\n",
                                     "\r\ngetTrafficMonitoringDestAddressInfoJni: return json = " + c.want + " leave ==========>\n"}));
    }
}

TEST_F(TrafficQoSTest, MonitoringAddAndDeleteFillOneRecord) {
    std::vector<jstring> many;  // 256 elements: cut to the 255 slots
    std::string manyDests;
    for (int i = 0; i < 256; ++i) many.push_back(jni.Str(std::to_string(i)));
    for (int i = 0; i < 255; ++i) manyDests += (i ? ",\"" : "\"") + std::to_string(i) + "\"";
    const std::string n300(300, 'n');
    const struct { bool add; jobjectArray dests; jstring name; bool noRecord; std::string call; } cases[] = {
        {false, jni.Strs({"a", "b", "c"}), jni.Str("B"), false, "bundle=\"B\" count=3 dests=[\"a\",\"b\",\"c\"]"},
        {true, jni.Strs({""}), jni.Str(n300), false, "bundle=\"" + n300.substr(0, 255) + "\" count=1 dests=[\"\"]"},
        {true, jni.Arr({jni.Str("a"), nullptr, jni.BadStr(), jni.Str(std::string(300, 'x'))}), jni.Str("B"), false,
         "bundle=\"B\" count=4 dests=[\"a\",\"\",\"\",\"" + std::string(255, 'x') + "\"]"},
        {false, nullptr, jni.Str("B"), false, "bundle=\"B\" count=0 dests=[]"},
        {true, jni.Arr(many), jni.Str("B"), false, "bundle=\"B\" count=255 dests=[" + manyDests + "]"},
        {true, jni.Strs({"a"}), nullptr, false, ""},
        {true, jni.Strs({"a"}), jni.Str("B"), true, ""},
        {false, jni.Strs({"a"}), jni.Str("B"), true, ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        auto check = [](const MonitoringDestRecord *r) {  // the slots above the count stay empty
            for (int i = r->Count; i < MONITORING_DEST_SLOTS; ++i) EXPECT_EQ(r->Dest[i][0], '\0') << i;
            return 8;
        };
        ZSIM_SCRIPT(zivra_addTrafficMonitoringDestAddress, check);
        ZSIM_SCRIPT(zivra_deleteTrafficMonitoringDestAddress, check);
        if (c.noRecord) FailCallocAfter(0);
        const int rc = (c.add ? MON(addTrafficMonitoringDestAddressJni) : MON(deleteTrafficMonitoringDestAddressJni))(
            env(), self(), c.dests, c.name);
        if (c.noRecord && !ArmedCallocFailureHandedOut()) continue;  // calloc cannot fail in this build
        const std::string m = c.add ? "addTrafficMonitoringDestAddress" : "deleteTrafficMonitoringDestAddress";
        const bool called = !c.call.empty();
        EXPECT_EQ(rc, called ? 8 : -1);
        EXPECT_EQ(Calls(), Strings(called, m + "(" + c.call + ")"));
        Strings lines = {"\n" + m + "Jni enter ==========>\n"};  // the Bcon line shows the whole name
        if (called) lines.push_back(c.add ? m + "Jni: Bcon =" + Text(c.name) + " enter ==========>" : "\n" + m + "Jni:Bcon =" + Text(c.name) + " ==========>\n");
        if (!called && c.add) lines.push_back("\n" + m + "Jni: alloc fail ==========>\n");
        lines.push_back("\n" + m + "Jni:return " + std::to_string(rc) + " leave ==========>\n");
        EXPECT_EQ(Lines(), AtLevel2(lines));
    }
}

}  // namespace
