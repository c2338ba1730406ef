// LanNetworkAccessConfigServiceImp (MAC batches for the black, trust and
// storage black lists, the MAC filter mode) and PortalConfigServiceImp (the
// list setters and the event subscription, the temporary access mode, the
// two list readers).
#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_PortalConfigServiceImp.h"

#define ACCESS_ENTRY(m) Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_##m
#define PORTAL_ENTRY(m) Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_##m

namespace {

using Strings = std::vector<std::string>;

// Nonzero bytes the platform was handed in a table of 64 slots of 20 bytes
// outside the texts of the first `count` slots; -1 until a list operation
// is called.
int stray = -1;
int Stray(const char (*slots)[20], int count, int answer) {
    stray = 0;
    for (int i = 0; i < 64 * 20; ++i) {
        const char *slot = slots[i / 20];
        stray += slot[i % 20] != 0 && (i / 20 >= count || i % 20 >= static_cast<int>(strnlen(slot, 20)));
    }
    return answer;
}

// `n` texts "<prefix>0", "<prefix>1", ... and the first 64 of them as a call record shows them.
std::pair<Strings, std::string> Names(const std::string &prefix, int n) {
    std::pair<Strings, std::string> out;
    for (int i = 0; i < n; ++i) out.first.push_back(prefix + std::to_string(i));
    for (int i = 0; i < 64; ++i) out.second += (i ? ",\"" : "\"") + out.first[i] + "\"";
    return out;
}

using AccessPortalTest = BridgeTest;

// One row per list method; every scripted platform call answers 7.
struct ListMethod {
    std::string op;  // platform operation, without zivra_
    jint (*call)(JNIEnv *, jobject, jobjectArray);
    bool single_empty_line;  // a delete logs String[] {""} before passing no MAC
    bool add() const { return op.rfind("add", 0) == 0; }
};

const ListMethod kMethods[] = {
    {"addLANHostToBlackList", &ACCESS_ENTRY(addLANHostToBlackListJni), false},
    {"deleteLANHostFromBlackList", &ACCESS_ENTRY(deleteLANHostFromBlackListJni), true},
    {"addLANHostToTrustList", &ACCESS_ENTRY(addLANHostToTrustListJni), false},
    {"deleteLANHostFromTrustList", &ACCESS_ENTRY(deleteLANHostFromTrustListJni), false},
    {"addLANHostToStorageBlackList", &ACCESS_ENTRY(addLANHostToStorageBlackListJni), false},
    {"deleteLANHostFromStorageBlackList", &ACCESS_ENTRY(deleteLANHostFromStorageBlackListJni), true},
};

// The method's lines for a code string: E enter, X element error, N no MAC
// (adds), S single empty element (where the method logs it), L leave.
Strings Want(const ListMethod &m, const std::string &codes) {
    const std::string j = m.op + "Jni";
    Strings out;
    for (char c : codes) {
        if (c == 'E') out.push_back(j + "  enter============>\n");
        if (c == 'X') out.push_back(j + ": Get each MAC String error" + (m.add() ? "\n" : "============>\n"));
        if (c == 'N' && m.add()) out.push_back(j + ": no MAC\n");
        if (c == 'S' && m.single_empty_line) out.push_back(j + ": Compatible with String[] {\"\"}============>\n");
        if (c == 'L') out.push_back(j + ": return value = 7   leave============>\n");
    }
    return AtLevel2(out);
}

TEST_F(AccessPortalTest, BatchesCountsAndLogLinesOfEveryAccessListMethod) {
    const auto many = Names("m", 1000);
    const std::string cut = "count=64 macs=[" + many.second + "]";
    const std::string three = "count=3 macs=[\"00:1A:2B:3C:4D:5E\",\"0123456789abcdefgh\",\"aa:00:00:00:00:03\"]";
    const std::string stopped = "count=5 macs=[\"m0\",\"m1\",\"\",\"\",\"\"]";
    struct Row {
        const char *name;
        jobjectArray macs;
        std::string add_call, add_lines, del_call, del_lines;  // no add_call: -1 without a platform call
    } rows[] = {
        // The long batches first, so a table left unzeroed would show below.
        {"1000 cut to 64", jni.Strs(many.first), cut, "EL", cut, "EL"},
        {"25 characters kept as 18",
         jni.Strs({"00:1A:2B:3C:4D:5E", "0123456789abcdefghijklmno", "aa:00:00:00:00:03"}), three, "EL", three, "EL"},
        {"empty array", jni.Strs({}), "", "EN", "count=0 macs=[]", "EL"},
        {"null array", nullptr, "", "EN", "count=0 macs=[]", "EXL"},
        {"{\"\"}", jni.Strs({""}), "count=1 macs=[\"\"]", "EL", "count=0 macs=[]", "ESL"},
        {"{\"\", \"\"}", jni.Strs({"", ""}), "count=2 macs=[\"\",\"\"]", "EL", "count=2 macs=[\"\",\"\"]", "EL"},
        {"third of five cannot be had",
         jni.Arr({jni.Str("m0"), jni.Str("m1"), jni.BadStr(), jni.Str("m3"), jni.Str("m4")}), stopped, "EXL",
         stopped, "EXL"},
    };
    for (const auto &m : kMethods) {
        for (const auto &r : rows) {
            SCOPED_TRACE(m.op + ": " + r.name);
            zsim::Reset();
            // The six operations share one type: the method's own one answers.
            zsim::Script<decltype(zivra_addLANHostToBlackList)>(
                "zivra_" + m.op, [](const char(*macs)[20], int count) { return Stray(macs, count, 7); });
            stray = -1;
            const std::string &call = m.add() ? r.add_call : r.del_call;
            EXPECT_EQ(m.call(env(), self(), r.macs), call.empty() ? -1 : 7);
            EXPECT_EQ(Calls(), call.empty() ? Strings() : Strings{m.op + "(" + call + ")"});
            EXPECT_EQ(stray, call.empty() ? -1 : 0);
            EXPECT_EQ(Lines(), Want(m, m.add() ? r.add_lines : r.del_lines));
        }
    }
    // TearDown: every element reference and its characters went back.
}

// The values go through unchecked and the gateway's result comes back.
TEST_F(AccessPortalTest, FilterModeAndTemporaryAccessModePassTheirValuesAndTheResult) {
    ZSIM_SCRIPT(zivra_setMacFilterMode, [](int) { return -9; });
    ZSIM_SCRIPT(zivra_setTemporaryAccessMode, [](int, int) { return -9; });
    EXPECT_EQ(ACCESS_ENTRY(setMacFilterModeJni)(env(), self(), INT_MIN), -9);
    EXPECT_EQ(PORTAL_ENTRY(setTemporaryAccessModeJni)(env(), self(), 7, 30), -9);
    EXPECT_EQ(Calls(), (Strings{"setMacFilterMode(mode=-2147483648)", "setTemporaryAccessMode(value1=7 value2=30)"}));
    EXPECT_EQ(Lines(), AtLevel2({"setMacFilterModeJni  enter============>\n",
                                 "setMacFilterModeJni: return value = -9   leave============>\n",
                                 "setTemporaryAccessModeJni  enter============>\n",
                                 "setTemporaryAccessModeJni: return value = -9   leave============>\n"}));
}

// The five methods that fill the portal table, with their log lines as
// "level|text"; all but the subscription log alike at level 2.
struct PortalMethod {
    std::string op;  // the call record up to the table
    jint (*call)(JNIEnv *, jobject, jobjectArray);
    std::string enter, element_error, enable, leave;  // enable: the subscription's line after the copy
    std::string tail;                                 // the call record after the table
};

// `field` names the table in the call record; `what` the element in the error line.
PortalMethod Plain(const std::string &m, const char *field, const char *what,
                 jint (*call)(JNIEnv *, jobject, jobjectArray)) {
    const std::string j = "2|" + m + "Jni";
    return {m + "(" + field + "=", call, j + "  enter============>\n", j + ": Get each " + what + " String error\n",
            "", j + ": return value = -3   leave============>\n", ")"};
}

const PortalMethod kPortalMethods[] = {
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

TEST_F(AccessPortalTest, PortalListsFillTheTableFromTheFirstSlotAndAtMostSixtyFour) {
    const auto names = Names("n", 65);
    const std::string first64 = names.second;
    struct Row {
        const char *name;
        jobjectArray list;
        std::string table;  // as the call record shows it
        bool element_error;
    } rows[] = {
        // The long lists first, so a table left unzeroed would show below.
        {"65 cut to 64", jni.Strs(names.first), "[" + first64 + "]", false},
        {"one, 25 characters kept as 18", jni.Strs({"login.provider-portal.net"}), "[\"login.provider-por\"]", false},
        {"none", jni.Strs({}), "[]", false},
        {"null array", nullptr, "[]", true},
        {"third of five cannot be had",
         jni.Arr({jni.Str("n0"), jni.Str("n1"), jni.BadStr(), jni.Str("n3"), jni.Str("n4")}), "[\"n0\",\"n1\"]", true},
    };
    const auto take = [](const PortalListTable *t) { return Stray(t->Slot, 64, -3); };
    for (const auto &m : kPortalMethods) {
        for (const auto &r : rows) {
            SCOPED_TRACE(m.op + " " + r.name);
            zsim::Reset();
            // The method's own operation answers; the subscription's, of another type, is set last.
            zsim::Script<int(const PortalListTable *)>("zivra_" + m.op.substr(0, m.op.find('(')), take);
            ZSIM_SCRIPT(zivra_subscribePortalEvent, [&](const PortalListTable *t, const char *) { return take(t); });
            stray = -1;
            EXPECT_EQ(m.call(env(), self(), r.list), -3);
            EXPECT_EQ(Calls(), Strings{m.op + r.table + m.tail});
            EXPECT_EQ(stray, 0);
            Strings lines{m.enter, r.element_error ? m.element_error : "", m.enable, m.leave};
            lines.erase(std::remove(lines.begin(), lines.end(), ""), lines.end());
            EXPECT_EQ(Lines(), lines);
        }
    }
    // TearDown: every element reference and its characters went back.
}

TEST_F(AccessPortalTest, SubscriptionSwitchIsOneOnlyForALowByteOfExactlyOne) {
    const std::pair<jboolean, std::string> cases[] = {{0, "0"}, {1, "1"}, {2, "0"}, {0xFF, "0"}};
    for (const auto &c : cases) {
        zsim::Reset();
        EXPECT_EQ(PORTAL_ENTRY(subscribePortalEventJni)(env(), self(), 0, jni.Strs({"Online"}), c.first), 0);
        EXPECT_EQ(Calls(), Strings{"subscribePortalEvent(events=[\"Online\"] enable=\"" + c.second + "\")"});
        EXPECT_EQ(Lines().at(1),
                  "0|subscribePortalEventJni  enable[" + std::to_string(c.first) + "], ============>\n");
    }
}

TEST_F(AccessPortalTest, ReadersPutThePlatformTextWholeIntoOneListElement) {
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
            EXPECT_EQ(Calls(), Strings{r.op});
            EXPECT_EQ(Lines(), AtLevel2({r.enter, r.leave_head + want + r.leave_tail}));
        }
    }
}

}  // namespace
