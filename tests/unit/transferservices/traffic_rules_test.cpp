// TrafficMirrorServiceImp and TrafficForwardServiceImp.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_TrafficForwardServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TrafficMirrorServiceImp.h"
#include "fail_calloc.h"

#define TS(cls, m) Java_com_korvanta_nestrova_transferservices_##cls##_##m

namespace {

using Strings = std::vector<std::string>;
using TrafficRulesTest = BridgeTest;
const std::string kFail = "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}";

template <size_t N>
void Put(char (&field)[N], const std::string &text) {
    memcpy(field, text.data(), std::min(N, text.size()));
}

MirrorRuleRecord Mirror(const std::string &address, const std::string &toPort) {
    MirrorRuleRecord r;
    memset(&r, 0, sizeof r);
    Put(r.RemoteAddress, address);
    Put(r.RemotePort, "80");
    Put(r.Direction, "UP");
    Put(r.Protocol, "TCP");
    Put(r.HostMAC, "00:1A:2B:3C:4D:5E");
    Put(r.MirrorToIP, "192.168.1.9");
    Put(r.MirrorToPort, toPort);
    return r;
}

ForwardRuleRecord Forward(const std::string &address) {
    ForwardRuleRecord r;
    memset(&r, 0, sizeof r);
    Put(r.RemoteAddress, address);
    Put(r.RemotePort, "80");
    Put(r.Protocol, "UDP");
    Put(r.HostMAC, "00:1A:2B:3C:4D:5E");
    Put(r.ForwardToIP, "192.168.1.9");
    Put(r.ForwardToPort, "8080");
    return r;
}

template <class T>
T *HeapList(const std::vector<T> &rules) {
    T *list = static_cast<T *>(malloc(sizeof(T) * (rules.size() + 1)));
    if (!rules.empty()) memcpy(list, rules.data(), sizeof(T) * rules.size());
    return list;
}

TEST_F(TrafficRulesTest, RuleLists) {
    const std::string m = "{\"RemoteAddress\":\"a\",\"RemotePort\":\"80\",\"Direction\":\"UP\",\"Protocol\":\"TCP\","
                          "\"HostMAC\":\"00:1A:2B:3C:4D:5E\",\"MirrorToIP\":\"192.168.1.9\",\"MirrorToPort\":";
    const std::string f = "{\"RemoteAddress\":\"a\",\"RemotePort\":\"80\",\"Protocol\":\"UDP\","
                          "\"HostMAC\":\"00:1A:2B:3C:4D:5E\",\"ForwardToIP\":\"192.168.1.9\",\"ForwardToPort\":\"8080\"}";
    // A rule filling every field prints 506 characters: two of them are cut to the 899 of 900 bytes.
    MirrorRuleRecord wide;
    memset(&wide, 'x', sizeof wide);
    const std::string x = "{\"RemoteAddress\":\"" + std::string(256, 'x') + "\",\"RemotePort\":\"" +
                          std::string(16, 'x') + "\",\"Direction\":\"" + std::string(12, 'x') +
                          "\",\"Protocol\":\"" + std::string(12, 'x') + "\",\"HostMAC\":\"" + std::string(24, 'x') +
                          "\",\"MirrorToIP\":\"" + std::string(64, 'x') + "\",\"MirrorToPort\":" +
                          std::string(12, 'x') + "}";
    const struct {
        bool mirror;
        int result, count;
        bool list;
        std::vector<MirrorRuleRecord> mirrors;
        std::string want;
    } cases[] = {
        {true, 0, 0, true, {}, "{\"Result\":0,\"List\":[]}"},
        {true, 0, 1, true, {Mirror("a", "8080")}, "{\"Result\":0,\"List\":[" + m + "8080}]}"},
        {true, 0, 2, true, {Mirror("a", "8080"), Mirror("a", "")},
         "{\"Result\":0,\"List\":[" + m + "8080}," + m + "}]}"},
        {true, 0, 2, true, {wide, wide}, ("{\"Result\":0,\"List\":[" + x + "," + x + "]}").substr(0, 899)},
        {true, 0, -1, true, {}, "{\"Result\":0,\"List\":[]}"},
        {true, 0, 0, false, {}, kFail},
        {true, 1, 1, true, {Mirror("a", "1")}, kFail},
        {false, 0, 2, true, {}, "{\"Result\":0,\"List\":[" + f + "," + f + "]}"},
        {false, 0, 3, false, {}, kFail},
        {false, 7, 0, true, {}, kFail},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getMirroRuleInfoJni, [&c](MirrorRuleRecord **list, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0);
            if (c.list) *list = HeapList(c.mirrors);
            *count = c.count;
            return c.result;
        });
        ZSIM_SCRIPT(zivra_getForwardRuleInfoJni, [&c](ForwardRuleRecord **list, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0);
            if (c.list) *list = HeapList(std::vector<ForwardRuleRecord>(2, Forward("a")));
            *count = c.count;
            return c.result;
        });
        const std::string name = c.mirror ? "getMirroRuleInfoJni" : "getForwardRuleInfoJni";
        EXPECT_EQ(Text(c.mirror ? TS(TrafficMirrorServiceImp, getMirroRuleInfoJni)(env(), self())
                                : TS(TrafficForwardServiceImp, getForwardRuleInfoJni)(env(), self())),
                  c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\n" + name + " enter ==========>",
                                     "\r\n" + name + ": return json = " + c.want + " leave ==========>\n"}));
    }
    // No heap for the reply: the empty text; the list is freed all the same.
    ZSIM_SCRIPT(zivra_getMirroRuleInfoJni, [](MirrorRuleRecord **list, int *count) {
        *list = HeapList(std::vector<MirrorRuleRecord>(1, Mirror("a", "1")));
        *count = 1;
        return 0;
    });
    FailCallocAfter(0);
    EXPECT_EQ(Text(TS(TrafficMirrorServiceImp, getMirroRuleInfoJni)(env(), self())), "");
    SKIP_UNLESS_CALLOC_FAILED();
}

TEST_F(TrafficRulesTest, AddsPassTextsUntouchedOrRefuseNull) {
    const std::string mirrorCall = "addMirrorRuleJni(\"1.2.3.4\" \"0\" \"up\" \"\" \"m\" \"9.9.9.9\" -1)";
    const std::string forwardCall = "addForwardRule(\"1.2.3.4\" \"0\" \"\" \"m\" \"9.9.9.9\" 70000)";
    for (int missing = -1; missing < 6; ++missing) {  // -1: none missing
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addMirrorRuleJni, [](const char *, const char *, const char *, const char *, const char *,
                                               const char *, int) { return 2; });
        ZSIM_SCRIPT(zivra_addForwardRule,
                    [](const char *, const char *, const char *, const char *, const char *, int) { return 3; });
        const char *texts[] = {"1.2.3.4", "0", "up", "", "m", "9.9.9.9"};
        jstring s[6];
        for (int i = 0; i < 6; ++i) s[i] = i != missing ? jni.Str(texts[i]) : (i % 2 ? jni.BadStr() : nullptr);
        EXPECT_EQ(TS(TrafficMirrorServiceImp, addMirrorRuleJni)(env(), self(), s[0], s[1], s[2], s[3], s[4], s[5], -1),
                  missing < 0 ? 2 : -1);
        // The forward rule has no direction.
        const bool fwdMissing = missing >= 0 && missing != 2;
        EXPECT_EQ(TS(TrafficForwardServiceImp, addForwardRuleJni)(env(), self(), s[0], s[1], s[3], s[4], s[5], 70000),
                  fwdMissing ? -1 : 3);
        Strings calls;
        if (missing < 0) calls.push_back(mirrorCall);
        if (!fwdMissing) calls.push_back(forwardCall);
        EXPECT_EQ(Calls(), calls) << missing;
        EXPECT_EQ(Lines(), AtLevel2({"\r\naddMirrorRuleJni enter ==========>", "\r\naddForwardRuleJni enter ==========>",
                                     "\r\naddForwardRuleJni: return " + std::to_string(fwdMissing ? -1 : 3) +
                                         " leave ==========>"}));
    }
}

TEST_F(TrafficRulesTest, Deletes) {
    ZSIM_SCRIPT(zivra_deleteMirrorRuleJni, [](int) { return 1; });
    ZSIM_SCRIPT(zivra_deleteAllMirrorRule, []() { return 2; });
    ZSIM_SCRIPT(zivra_deleteForwardRuleJni, [](int) { return 3; });
    ZSIM_SCRIPT(zivra_deleteAllForwardRuleJni, []() { return 4; });
    EXPECT_EQ(TS(TrafficMirrorServiceImp, deleteMirrorRuleJni)(env(), self(), 4), 1);
    EXPECT_EQ(TS(TrafficMirrorServiceImp, deleteAllMirrorRuleJni)(env(), self()), 2);
    EXPECT_EQ(TS(TrafficForwardServiceImp, deleteForwardRuleJni)(env(), self(), -5), 3);
    EXPECT_EQ(TS(TrafficForwardServiceImp, deleteAllForwardRuleJni)(env(), self()), 4);
    EXPECT_EQ(Calls(), (Strings{"deleteMirrorRuleJni(ruleNum=4)", "deleteAllMirrorRule()",
                                "deleteForwardRuleJni(ruleNum=-5)", "deleteAllForwardRuleJni()"}));
    EXPECT_EQ(Lines(), AtLevel2({"\r\ndeleteMirrorRuleJni: ruleNum =4 enter ==========>",
                                 "\r\ndeleteMirrorRuleJni: return 1 leave ==========>",
                                 "\r\ndeleteAllMirrorRuleJni enter==========>\n",
                                 "\r\ndeleteAllMirrorRuleJni: return 2 leave==========>\n",
                                 "\r\ndeleteForwardRuleJni: ruleNum =-5 enter ==========>",
                                 "\r\ndeleteForwardRuleJni: return 3 leave ==========>",
                                 "\r\ndeleteAllForwardRuleJni enter ==========>",
                                 "\r\ndeleteAllForwardRuleJni: return 4 leave ==========>"}));
}

}  // namespace
