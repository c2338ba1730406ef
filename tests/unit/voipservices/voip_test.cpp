// VoIPInfoSubscribeServiceImp and VoIPInfoQueryServiceImp.
#include <cstring>

#include "bridge_test.h"
#include "com_korvanta_nestrova_voipservices_VoIPInfoQueryServiceImp.h"
#include "com_korvanta_nestrova_voipservices_VoIPInfoSubscribeServiceImp.h"
#include "fail_calloc.h"

#define VOIP(cls, m) Java_com_korvanta_nestrova_voipservices_##cls##_##m

namespace {

using VoipServicesTest = BridgeTest;

TEST_F(VoipServicesTest, SubscriptionRecordHoldsFourEventsAndFailsOnAnyTextNotHad) {
    const std::string n300(300, 'b'), e300(300, 'e');
    // The record as the gateway saw it, "" for no call.
    const struct { bool sub; jstring name; jobjectArray events; bool fail_alloc; std::string record; } cases[] = {
        {true, jni.Str("bnd"), jni.Strs({}), false, "bcon=\"bnd\" count=0 events=[]"},
        {true, jni.Str("bnd"), jni.Strs({"a", "b", "c", "d"}), false, "bcon=\"bnd\" count=4 events=[\"a\",\"b\",\"c\",\"d\"]"},
        // A fifth event is cut, and not even read; texts keep 255 characters.
        {false, jni.Str(n300), jni.Arr({jni.Str("a"), jni.Str(e300), jni.Str("c"), jni.Str("d"), jni.BadStr()}), false,
         "bcon=\"" + n300.substr(0, 255) + "\" count=4 events=[\"a\",\"" + e300.substr(0, 255) + "\",\"c\",\"d\"]"},
        {true, jni.Str("bnd"), jni.Arr({jni.Str("a"), jni.BadStr(), jni.Str("c")}), false, ""},
        {false, jni.Str("bnd"), nullptr, false, ""},
        {true, jni.Str("bnd"), jni.Strs({"a"}), true, ""}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addVoIPMonitorEvent, [](const VoIPEventSubscription *) { return 8; });
        ZSIM_SCRIPT(zivra_deleteVoIPMonitoriEvent, [](const VoIPEventSubscription *) { return 8; });
        if (c.fail_alloc) FailCallocAfter(0);
        const int rc = c.sub ? VOIP(VoIPInfoSubscribeServiceImp, subscribeVoIPEventJni)(env(), self(), c.name, c.events)
                             : VOIP(VoIPInfoSubscribeServiceImp, unSubscribeVoIPEventJni)(env(), self(), c.name, c.events);
        if (c.fail_alloc) SKIP_UNLESS_CALLOC_FAILED();
        const bool called = !c.record.empty();
        EXPECT_EQ(rc, called ? 8 : -1) << c.record;
        EXPECT_EQ(Calls(), Strings(called, (c.sub ? "addVoIPMonitorEvent(" : "deleteVoIPMonitoriEvent(") + c.record + ")"));
        const std::string m = c.sub ? "subscribeVoIPEventJni" : "unSubscribeVoIPEventJni";
        const std::string middle = !called ? "\n" + m + (c.sub ? ": alloc fail" : ": Alloc fail") + " ==========>\n"
                                   : c.sub ? m + ": Bcon =" + Text(c.name) + " enter ==========>\n" : m + ":Bcon =" + Text(c.name) + " ==========>\n";
        EXPECT_EQ(Lines(), AtLevel2({"\n" + m + " enter ==========>\n", middle,
                                     "\n" + m + ":return " + std::to_string(rc) + " leave ==========>\n"}));
    }
}

TEST_F(VoipServicesTest, PotsListKeepsWithinItsTableOfThree) {
    POTSLineRecord kLines[3] = {{1, "", ""}, {-2, "", "Idle"}, {3, "", ""}};
    memset(kLines[0].PhoneNumber, '5', 20);  // line 1's texts fill their fields with no NUL
    memset(kLines[0].LineStatus, 'S', 12);
    const std::string two = "{\"POTSIndex\":1,\"PhoneNumber\":\"" + std::string(20, '5') + "\",\"LineStatus\":\"" +
                            std::string(12, 'S') + "\"},{\"POTSIndex\":-2,\"PhoneNumber\":\"\",\"LineStatus\":\"Idle\"}";
    const std::string three = two + ",{\"POTSIndex\":3,\"PhoneNumber\":\"\",\"LineStatus\":\"\"}]}";
    const std::string ok = "{\"Result\":0,\"POTSNum\":", fail = "{\"Result\":-1,\"POTSNum\":0,\"Info\":[]}";
    const struct { int result, count; bool fail_alloc; std::string want; } cases[] = {
        {0, 2, false, ok + "2,\"Info\":[" + two + "]}"}, {0, 3, false, ok + "3,\"Info\":[" + three},
        {0, 4, false, ok + "3,\"Info\":[" + three}, {0, -1, false, ok + "0,\"Info\":[]}"}, {4, 2, false, fail},
        {0, 2, true, fail}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getPOTSInfo, [&](POTSLineRecord *t, int *count) {
            memcpy(t, kLines, sizeof kLines);
            return *count = c.count, c.result; });
        if (c.fail_alloc) FailCallocAfter(0);
        const std::string reply = Text(VOIP(VoIPInfoQueryServiceImp, getPOTSInfoJni)(env(), self()));
        if (c.fail_alloc) SKIP_UNLESS_CALLOC_FAILED();
        EXPECT_EQ(reply, c.want);
        EXPECT_EQ(Lines(), AtLevel2({"getPOTSInfoJni: return json = " + c.want + "   leave============>\n"}));
    }
}

}  // namespace
