// TrafficMonitoringConfigServiceImp.
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_TrafficMonitoringConfigServiceImp.h"
#include "fail_calloc.h"

#define MON(m) Java_com_korvanta_nestrova_transferservices_TrafficMonitoringConfigServiceImp_##m

namespace {

using Strings = std::vector<std::string>;
using TrafficMonitoringTest = BridgeTest;

struct Entry {
    int at;
    std::string name;
    int count;
    Strings dests;
};

TEST_F(TrafficMonitoringTest, DestinationList) {
    const std::string d256(256, 'd');  // fills its slot, no NUL
    Strings full(255, d256);
    std::string cut = "{\"Result\":0,\"List\":[";
    for (int e = 0; e < 8; ++e) {
        cut += std::string(e ? "," : "") + "{\"BundleName\":\"B\",\"DestAddressList\":[\"" + d256;
        for (int j = 1; j < 255; ++j) cut += "\",\"" + d256;
        cut += "\"]}";
    }
    const struct {
        int result;
        std::vector<Entry> entries;
        int failCallocAfter;  // -1: none
        std::string want;
    } cases[] = {
        {0, {{0, "A", 2, {"a", "b"}}, {2, "B", 1, {"c"}}}, -1,
         "{\"Result\":0,\"List\":[{\"BundleName\":\"A\",\"DestAddressList\":[\"a\",\"b\"]},"
         "{\"BundleName\":\"B\",\"DestAddressList\":[\"c\"]}]}"},
        {0, {{5, "E", 1, {"e"}}}, -1, "{\"Result\":0,\"List\":[{\"BundleName\":\"E\",\"DestAddressList\":[\"e\"]}]}"},
        {0, {}, -1, "{\"Result\":0,\"List\":[]}"},
        {0, {{0, "A", 0, {"a"}}, {1, "B", -2, {"b"}}, {2, "", 1, {"c"}}}, -1, "{\"Result\":0,\"List\":[]}"},
        // A count above the 255 slots lists the 255; a reply past 30720 bytes is cut.
        {0, {{0, "B", 300, full}, {1, "B", 255, full}, {2, "B", 255, full}, {3, "B", 255, full},
             {4, "B", 255, full}, {5, "B", 255, full}, {6, "B", 255, full}, {7, "B", 255, full}}, -1,
         cut.substr(0, 30719)},
        {4, {{0, "A", 1, {"a"}}}, -1, "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}"},
        {0, {}, 0, "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}"},  // no table
        {0, {}, 1, ""},                                                     // no reply buffer
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getTrafficMonitoringDestAddressInfo, [&c](MonitoringDestRecord *table) {
            for (const Entry &e : c.entries) {
                MonitoringDestRecord &r = table[e.at];
                snprintf(r.BundleName, sizeof r.BundleName, "%s", e.name.c_str());
                r.Count = e.count;
                for (size_t j = 0; j < e.dests.size(); ++j) memcpy(r.Dest[j], e.dests[j].data(), e.dests[j].size());
            }
            return c.result;
        });
        if (c.failCallocAfter >= 0) FailCallocAfter(c.failCallocAfter);
        const std::string got = Text(MON(getTrafficMonitoringDestAddressInfoJni)(env(), self()));
        if (c.failCallocAfter >= 0 && !ArmedCallocFailureHandedOut()) continue;  // no failing calloc here
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(Calls().size(), c.failCallocAfter == 0 ? 0u : 1u);
        EXPECT_EQ(Lines(), AtLevel2({"\ngetTrafficMonitoringDestAddressInfoJni enter ==========>\n",
                                     "\r\ngetTrafficMonitoringDestAddressInfoJni: return json = " + c.want +
                                         " leave ==========>\n"}));
    }
}

TEST_F(TrafficMonitoringTest, AddAndDeleteFillOneRecord) {
    std::vector<jstring> many;
    std::string manyDests;
    for (int i = 0; i < 256; ++i) {
        many.push_back(jni.Str(std::to_string(i)));
        if (i < 255) manyDests += (i ? ",\"" : "\"") + std::to_string(i) + "\"";
    }
    const std::string name300(300, 'n');
    const struct {
        bool add;
        jobjectArray dests;
        jstring name;
        bool noRecord;
        std::string call;  // "" for none
    } cases[] = {
        {true, jni.Strs({}), jni.Str("B"), false, "bundle=\"B\" count=0 dests=[]"},
        {false, jni.Strs({"a", "b", "c"}), jni.Str("B"), false, "bundle=\"B\" count=3 dests=[\"a\",\"b\",\"c\"]"},
        {true, jni.Strs({""}), jni.Str(name300), false,
         "bundle=\"" + name300.substr(0, 255) + "\" count=1 dests=[\"\"]"},
        {true, jni.Arr({jni.Str("a"), nullptr, jni.BadStr(), jni.Str(std::string(300, 'x'))}), jni.Str("B"), false,
         "bundle=\"B\" count=4 dests=[\"a\",\"\",\"\",\"" + std::string(255, 'x') + "\"]"},
        {false, nullptr, jni.Str("B"), false, "bundle=\"B\" count=0 dests=[]"},
        {true, jni.Arr(many), jni.Str("B"), false, "bundle=\"B\" count=255 dests=[" + manyDests + "]"},
        {true, jni.Strs({"a"}), nullptr, false, ""},
        {false, jni.Strs({"a"}), jni.BadStr(), false, ""},
        {true, jni.Strs({"a"}), jni.Str("B"), true, ""},
        {false, jni.Strs({"a"}), jni.Str("B"), true, ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        auto check = [](const MonitoringDestRecord *r) {
            for (int i = r->Count; i < MONITORING_DEST_SLOTS; ++i) EXPECT_EQ(r->Dest[i][0], '\0') << i;
            return 8;
        };
        ZSIM_SCRIPT(zivra_addTrafficMonitoringDestAddress, check);
        ZSIM_SCRIPT(zivra_deleteTrafficMonitoringDestAddress, check);
        if (c.noRecord) FailCallocAfter(0);
        const int rc = c.add ? MON(addTrafficMonitoringDestAddressJni)(env(), self(), c.dests, c.name)
                             : MON(deleteTrafficMonitoringDestAddressJni)(env(), self(), c.dests, c.name);
        if (c.noRecord && !ArmedCallocFailureHandedOut()) continue;  // no failing calloc here
        const std::string m = c.add ? "addTrafficMonitoringDestAddress" : "deleteTrafficMonitoringDestAddress";
        const bool called = !c.call.empty();
        EXPECT_EQ(rc, called ? 8 : -1);
        EXPECT_EQ(Calls(), Strings(called, m + "(" + c.call + ")"));
        const std::string bundle = called ? Text(c.name) : "";  // the Bcon line shows the whole name
        Strings lines = {"\n" + m + "Jni enter ==========>\n"};
        if (called) {
            lines.push_back(c.add ? m + "Jni: Bcon =" + bundle + " enter ==========>"
                                  : "\n" + m + "Jni:Bcon =" + bundle + " ==========>\n");
        } else if (c.add) {
            lines.push_back("\n" + m + "Jni: alloc fail ==========>\n");
        }
        lines.push_back("\n" + m + "Jni:return " + std::to_string(rc) + " leave ==========>\n");
        EXPECT_EQ(Lines(), AtLevel2(lines));
    }
}

}  // namespace
