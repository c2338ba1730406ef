// VoIPInfoSubscribeServiceImp and VoIPInfoQueryServiceImp.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_voipservices_VoIPInfoQueryServiceImp.h"
#include "com_korvanta_nestrova_voipservices_VoIPInfoSubscribeServiceImp.h"
#include "fail_calloc.h"

#define VOIP(cls, m) Java_com_korvanta_nestrova_voipservices_##cls##_##m

namespace {

using Strings = std::vector<std::string>;
using VoipServicesTest = BridgeTest;

TEST_F(VoipServicesTest, SubscriptionRecordHoldsFourEventsAndFailsOnAnyTextNotHad) {
    const std::string n300(300, 'b'), e300(300, 'e');
    const std::string b255 = "bcon=\"" + n300.substr(0, 255) + "\"";
    const struct {
        bool subscribe;
        jstring name;
        std::function<jobjectArray()> events;
        bool fail_alloc;
        std::string record;  // as the gateway saw it; "" for no call
        std::string logged = "";  // the bundle name in the Bcon line
    } cases[] = {
        {true, jni.Str("bnd"), [&] { return jni.Strs({}); }, false, "bcon=\"bnd\" count=0 events=[]", "bnd"},
        {true, jni.Str("bnd"), [&] { return jni.Strs({"a", "b", "c", "d"}); }, false,
         "bcon=\"bnd\" count=4 events=[\"a\",\"b\",\"c\",\"d\"]", "bnd"},
        // A fifth event is cut, and is not even read.
        {false, jni.Str(n300), [&] { return jni.Arr({jni.Str("a"), jni.Str(e300), jni.Str("c"), jni.Str("d"), jni.BadStr()}); },
         false, b255 + " count=4 events=[\"a\",\"" + e300.substr(0, 255) + "\",\"c\",\"d\"]", n300},
        {true, jni.BadStr(), [&] { return jni.Strs({"a"}); }, false, ""},
        {false, nullptr, [&] { return jni.Strs({"a"}); }, false, ""},
        {true, jni.Str("bnd"), [&] { return jni.Arr({jni.Str("a"), jni.BadStr(), jni.Str("c")}); }, false, ""},
        {false, jni.Str("bnd"), [&] { return jni.Arr({nullptr}); }, false, ""},
        {true, jni.Str("bnd"), [&] { return nullptr; }, false, ""},
        {true, jni.Str("bnd"), [&] { return jni.Strs({"a"}); }, true, ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addVoIPMonitorEvent, [](const VoIPEventSubscription *) { return 8; });
        ZSIM_SCRIPT(zivra_deleteVoIPMonitoriEvent, [](const VoIPEventSubscription *) { return 8; });
        const jobjectArray events = c.events();
        if (c.fail_alloc) FailCallocAfter(0);
        const int rc = c.subscribe ? VOIP(VoIPInfoSubscribeServiceImp, subscribeVoIPEventJni)(env(), self(), c.name, events)
                                   : VOIP(VoIPInfoSubscribeServiceImp, unSubscribeVoIPEventJni)(env(), self(), c.name, events);
        if (c.fail_alloc) SKIP_UNLESS_CALLOC_FAILED();
        const bool called = !c.record.empty();
        const std::string op = c.subscribe ? "addVoIPMonitorEvent" : "deleteVoIPMonitoriEvent";
        EXPECT_EQ(rc, called ? 8 : -1) << c.record;
        EXPECT_EQ(Calls(), Strings(called, op + "(" + c.record + ")"));
        const std::string m = c.subscribe ? "subscribeVoIPEventJni" : "unSubscribeVoIPEventJni";
        const std::string middle = !called ? "\n" + m + (c.subscribe ? ": alloc fail" : ": Alloc fail") + " ==========>\n"
                                   : c.subscribe ? m + ": Bcon =" + c.logged + " enter ==========>\n"
                                                 : m + ":Bcon =" + c.logged + " ==========>\n";
        EXPECT_EQ(Lines(), AtLevel2({"\n" + m + " enter ==========>\n", middle,
                                     "\n" + m + ":return " + std::to_string(rc) + " leave ==========>\n"}));
    }
}

TEST_F(VoipServicesTest, PotsListKeepsWithinItsTableOfThree) {
    const std::string item1 = "{\"POTSIndex\":1,\"PhoneNumber\":\"" + std::string(20, '5') + "\",\"LineStatus\":\"" +
                              std::string(12, 'S') + "\"}";
    const std::string item2 = "{\"POTSIndex\":-2,\"PhoneNumber\":\"\",\"LineStatus\":\"Idle\"}";
    const std::string item3 = "{\"POTSIndex\":3,\"PhoneNumber\":\"\",\"LineStatus\":\"\"}";
    const std::string fail = "{\"Result\":-1,\"POTSNum\":0,\"Info\":[]}";
    const struct { int result, count; bool fail_alloc; std::string want; } cases[] = {
        {0, 0, false, "{\"Result\":0,\"POTSNum\":0,\"Info\":[]}"},
        {0, 2, false, "{\"Result\":0,\"POTSNum\":2,\"Info\":[" + item1 + "," + item2 + "]}"},
        {0, 3, false, "{\"Result\":0,\"POTSNum\":3,\"Info\":[" + item1 + "," + item2 + "," + item3 + "]}"},
        {0, 4, false, "{\"Result\":0,\"POTSNum\":3,\"Info\":[" + item1 + "," + item2 + "," + item3 + "]}"},
        {0, -1, false, "{\"Result\":0,\"POTSNum\":0,\"Info\":[]}"},
        {4, 2, false, fail},
        {0, 2, true, fail},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getPOTSInfo, [&c](POTSLineRecord *t, int *count) {
            EXPECT_EQ(*count, 0);
            t[0].POTSIndex = 1;
            memset(t[0].PhoneNumber, '5', sizeof t[0].PhoneNumber);  // both texts with no NUL
            memset(t[0].LineStatus, 'S', sizeof t[0].LineStatus);
            t[1].POTSIndex = -2;
            strcpy(t[1].LineStatus, "Idle");
            t[2].POTSIndex = 3;
            *count = c.count;
            return c.result;
        });
        if (c.fail_alloc) FailCallocAfter(0);
        const std::string reply = Text(VOIP(VoIPInfoQueryServiceImp, getPOTSInfoJni)(env(), self()));
        if (c.fail_alloc) SKIP_UNLESS_CALLOC_FAILED();
        EXPECT_EQ(reply, c.want);
        EXPECT_EQ(Lines(), AtLevel2({"getPOTSInfoJni: return json = " + c.want + "   leave============>\n"}));
    }
}

}  // namespace
