// PortalConfigServiceImp: the list setters and the event subscription, the
// temporary access mode, and the two list readers.
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_PortalConfigServiceImp.h"

namespace {

#define PORTAL_ENTRY(m) Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_##m

using PortalTest = BridgeTest;

// Nonzero bytes the platform was handed past the text of each slot; -1
// until a list operation is called. Every list operation answers -3.
int stray = -1;
int Take(const PortalListTable *t) {
    stray = 0;
    for (int i = 0; i < 64 * 20; ++i) {
        const char *slot = t->Slot[i / 20];
        stray += slot[i % 20] != 0 && i % 20 >= static_cast<int>(strnlen(slot, 20));
    }
    return -3;
}

// The five methods that fill the portal table, with their log lines as
// "level|text"; all but the subscription log alike at level 2.
struct ListMethod {
    std::string op;  // the call record up to the table
    jint (*call)(JNIEnv *, jobject, jobjectArray);
    std::string enter, element_error, enable, leave;  // enable: the subscription's line after the copy
    std::string tail;                                 // the call record after the table
};

// `field` names the table in the call record; `what` the element in the error line.
ListMethod Plain(const std::string &m, const char *field, const char *what,
                 jint (*call)(JNIEnv *, jobject, jobjectArray)) {
    const std::string j = "2|" + m + "Jni";
    return {m + "(" + field + "=", call, j + "  enter============>\n", j + ": Get each " + what + " String error\n",
            "", j + ": return value = -3   leave============>\n", ")"};
}

const ListMethod kMethods[] = {
    {"subscribePortalEvent(events=",
     [](JNIEnv *e, jobject o, jobjectArray a) { return PORTAL_ENTRY(subscribePortalEventJni)(e, o, 0, a, 1); },
     "0|subscribePortalEventJni  enter, ============>\n", "1|subscribePortalEventJni: Get each event String error\n",
     "0|subscribePortalEventJni  enable[1], ============>\n",
     "0|subscribePortalEventJni: return value = -3   leave============>\n", " enable=\"1\")"},
    Plain("addPortalMacWhiteList", "macs", "mac", &PORTAL_ENTRY(addPortalMacWhiteListJni)),
    Plain("deletePortalMacWhiteList", "macs", "mac", &PORTAL_ENTRY(deletePortalMacWhiteListJni)),
    Plain("allowDeviceTemporaryAccess", "macs", "mac", &PORTAL_ENTRY(allowDeviceTemporaryAccessJni)),
    Plain("setPortalDomainWriteList", "domains", "domains", &PORTAL_ENTRY(setPortalDomainWriteListJni)),
};

TEST_F(PortalTest, ListsFillTheTableFromTheFirstSlotAndAtMostSixtyFour) {
    std::vector<std::string> names;
    std::string first64;
    for (int i = 0; i < 65; ++i) names.push_back("n" + std::to_string(i));
    for (int i = 0; i < 64; ++i) first64 += (i ? ",\"" : "\"") + names[i] + "\"";
    struct Row {
        const char *name;
        jobjectArray list;
        std::string table;  // as the call record shows it
        bool element_error;
    } rows[] = {
        // The long lists first, so a table left unzeroed would show below.
        {"65 cut to 64", jni.Strs(names), "[" + first64 + "]", false},
        {"64", jni.Strs({names.begin(), names.begin() + 64}), "[" + first64 + "]", false},
        {"one, 25 characters kept as 18", jni.Strs({"login.provider-portal.net"}), "[\"login.provider-por\"]", false},
        {"none", jni.Strs({}), "[]", false},
        {"null array", nullptr, "[]", true},
        {"third of five cannot be had",
         jni.Arr({jni.Str("n0"), jni.Str("n1"), jni.BadStr(), jni.Str("n3"), jni.Str("n4")}), "[\"n0\",\"n1\"]", true},
    };
    for (const auto &m : kMethods) {
        for (const auto &r : rows) {
            SCOPED_TRACE(m.op + " " + r.name);
            zsim::Reset();
            ZSIM_SCRIPT(zivra_subscribePortalEvent, [](const PortalListTable *t, const char *) { return Take(t); });
            ZSIM_SCRIPT(zivra_addPortalMacWhiteList, Take);
            ZSIM_SCRIPT(zivra_deletePortalMacWhiteList, Take);
            ZSIM_SCRIPT(zivra_allowDeviceTemporaryAccess, Take);
            ZSIM_SCRIPT(zivra_setPortalDomainWriteList, Take);
            stray = -1;
            EXPECT_EQ(m.call(env(), self(), r.list), -3);
            EXPECT_EQ(Calls(), std::vector<std::string>{m.op + r.table + m.tail});
            EXPECT_EQ(stray, 0);
            std::vector<std::string> lines{m.enter, r.element_error ? m.element_error : "", m.enable, m.leave};
            lines.erase(std::remove(lines.begin(), lines.end(), ""), lines.end());
            EXPECT_EQ(Lines(), lines);
        }
    }
    // TearDown: every element reference and its characters went back.
}

TEST_F(PortalTest, SubscriptionSwitchIsOneOnlyForALowByteOfExactlyOne) {
    const std::pair<jboolean, std::string> cases[] = {{0, "0"}, {1, "1"}, {2, "0"}, {0xFF, "0"}};
    for (const auto &c : cases) {
        zsim::Reset();
        EXPECT_EQ(PORTAL_ENTRY(subscribePortalEventJni)(env(), self(), 0, jni.Strs({"Online"}), c.first), 0);
        EXPECT_EQ(Calls(), std::vector<std::string>{"subscribePortalEvent(events=[\"Online\"] enable=\"" + c.second +
                                                    "\")"});
        EXPECT_EQ(Lines().at(1),
                  "0|subscribePortalEventJni  enable[" + std::to_string(c.first) + "], ============>\n");
    }
}

TEST_F(PortalTest, TemporaryAccessModePassesBothValuesAndTheResult) {
    EXPECT_EQ(PORTAL_ENTRY(setTemporaryAccessModeJni)(env(), self(), 7, 30), -1);  // the gateway knows no mode 7
    EXPECT_EQ(Calls(), std::vector<std::string>{"setTemporaryAccessMode(value1=7 value2=30)"});
    EXPECT_EQ(Lines(), AtLevel2({"setTemporaryAccessModeJni  enter============>\n",
                                 "setTemporaryAccessModeJni: return value = -1   leave============>\n"}));
}

TEST_F(PortalTest, ReadersPutThePlatformTextWholeIntoOneListElement) {
    const struct {
        const char *op, *key;
        jstring (*call)(JNIEnv *, jobject);
        const char *enter, *leave_head, *leave_tail;
    } readers[] = {
        {"getPortalMacWhiteList()", "MAC", &PORTAL_ENTRY(getPortalMacWhiteListJni),
         "getPortalMacWhiteListJni  enter============>\n", "getPortalMacWhiteListJni: leave tmp: ", "============>\n"},
        {"getPortalDomainWriteList()", "domains", &PORTAL_ENTRY(getPortalDomainWriteListJni),
         "getPortalDomainWriteListJni  enter============>\n", "getPortalDomainWriteListJni: leave tmp: ",
         "=======>\n"},
    };
    // The platform's text (written with no NUL of its own) and its result.
    const std::pair<std::string, int> cases[] = {{"a.lan, b;c \"d\"", 0}, {std::string(128, 'z'), 0}, {"text", 5}};
    for (const auto &r : readers) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(r.op) + " " + c.first);
            zsim::Reset();
            bool zeroed = false;
            auto write = [&](char *list) {
                zeroed = std::string(list, 128) == std::string(128, '\0');
                memcpy(list, c.first.data(), c.first.size());
                return c.second;
            };
            ZSIM_SCRIPT(zivra_getPortalMacWhiteList, write);
            ZSIM_SCRIPT(zivra_getPortalDomainWriteList, write);
            const std::string want = c.second != 0 ? "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}"
                                                   : "{\"Result\":0,\"List\":[{\"" + std::string(r.key) + "\":\"" +
                                                         c.first + "\"}]}";
            EXPECT_EQ(Text(r.call(env(), self())), want);
            EXPECT_TRUE(zeroed);
            EXPECT_EQ(Calls(), std::vector<std::string>{r.op});
            EXPECT_EQ(Lines(), AtLevel2({r.enter, r.leave_head + want + r.leave_tail}));
        }
    }
}

}  // namespace
