// PortalConfigServiceImp.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_PortalConfigServiceImp.h"

namespace {

using Names = std::vector<std::string>;

// What the scripted platform last received.
struct Seen {
    int calls = 0;
    PortalListTable table;
    std::string enable;
    int result = 0;
};
Seen seen;

int TakeTable(const PortalListTable *t) {
    ++seen.calls;
    seen.table = *t;
    return seen.result;
}

// Every list operation answers `result` and keeps the table it was given.
void ScriptLists(int result) {
    seen = Seen();
    seen.result = result;
    ZSIM_SCRIPT(zivra_subscribePortalEvent, [](const PortalListTable *t, const char *enable) {
        seen.enable = enable != nullptr ? enable : "(null)";
        return TakeTable(t);
    });
    ZSIM_SCRIPT(zivra_addPortalMacWhiteList, TakeTable);
    ZSIM_SCRIPT(zivra_deletePortalMacWhiteList, TakeTable);
    ZSIM_SCRIPT(zivra_allowDeviceTemporaryAccess, TakeTable);
    ZSIM_SCRIPT(zivra_setPortalDomainWriteList, TakeTable);
}

// The table a list of names should become: one name per slot from the
// first, at most 18 characters each, every other byte zero.
PortalListTable TableOf(const Names &names) {
    PortalListTable t;
    memset(&t, 0, sizeof t);
    for (size_t i = 0; i < names.size() && i < 64; ++i) {
        memcpy(t.Slot[i], names[i].data(), std::min<size_t>(names[i].size(), 18));
    }
    return t;
}

// Slots that differ from the expected table, for a readable failure.
std::string TableDiff(const PortalListTable &want, const PortalListTable &got) {
    std::string out;
    for (int i = 0; i < 64; ++i) {
        if (memcmp(want.Slot[i], got.Slot[i], 20) != 0) {
            out += "slot " + std::to_string(i) + ": \"" + std::string(got.Slot[i], strnlen(got.Slot[i], 20)) +
                   "\" (or bytes after its NUL) instead of \"" + std::string(want.Slot[i]) + "\"; ";
        }
    }
    return out;
}

std::string Mac(int i) {
    char buf[18];
    snprintf(buf, sizeof buf, "02:00:00:00:%02X:%02X", (i >> 8) & 0xFF, i & 0xFF);
    return buf;
}

Names Macs(int n) {
    Names out;
    for (int i = 0; i < n; ++i) out.push_back(Mac(i));
    return out;
}

// The stand-in's call record of a table: the slots up to the last used one.
std::string Recorded(const Names &slots) {
    std::string out = "[";
    for (size_t i = 0; i < slots.size() && i < 64; ++i) {
        out += (i > 0 ? ",\"" : "\"") + slots[i].substr(0, 18) + "\"";
    }
    return out + "]";
}

// The five methods that turn a String[] into the portal table.
struct ListMethod {
    const char *op;
    const char *label;  // name of the table in the call record
    jint (*call)(JNIEnv *, jobject, jobjectArray);
    std::string enter, element_error, after_fill, leave_prefix;
    int level, error_level;
    std::string record_tail;  // what the call record shows after the table
};

const std::string kLeaveTail = "   leave============>\n";

const ListMethod kListMethods[] = {
    {"subscribePortalEvent", "events",
     [](JNIEnv *e, jobject o, jobjectArray a) {
         return Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_subscribePortalEventJni(e, o, 7, a,
                                                                                                     1);
     },
     "subscribePortalEventJni  enter, ============>\n", "subscribePortalEventJni: Get each event String error\n",
     "subscribePortalEventJni  enable[1], ============>\n", "subscribePortalEventJni: return value = ", 0, 1,
     " enable=\"1\""},
    {"addPortalMacWhiteList", "macs",
     &Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_addPortalMacWhiteListJni,
     "addPortalMacWhiteListJni  enter============>\n", "addPortalMacWhiteListJni: Get each mac String error\n", "",
     "addPortalMacWhiteListJni: return value = ", 2, 2, ""},
    {"deletePortalMacWhiteList", "macs",
     &Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_deletePortalMacWhiteListJni,
     "deletePortalMacWhiteListJni  enter============>\n", "deletePortalMacWhiteListJni: Get each mac String error\n",
     "", "deletePortalMacWhiteListJni: return value = ", 2, 2, ""},
    {"allowDeviceTemporaryAccess", "macs",
     &Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_allowDeviceTemporaryAccessJni,
     "allowDeviceTemporaryAccessJni  enter============>\n",
     "allowDeviceTemporaryAccessJni: Get each mac String error\n", "",
     "allowDeviceTemporaryAccessJni: return value = ", 2, 2, ""},
    {"setPortalDomainWriteList", "domains",
     &Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_setPortalDomainWriteListJni,
     "setPortalDomainWriteListJni  enter============>\n",
     "setPortalDomainWriteListJni: Get each domains String error\n", "",
     "setPortalDomainWriteListJni: return value = ", 2, 2, ""},
};

class PortalTest : public BridgeTest {
  protected:
    // The log lines a list method should write, each with its level.
    static std::vector<std::string> Expected(const ListMethod &m, bool element_error, int result) {
        const std::string lvl = std::to_string(m.level) + "|";
        std::vector<std::string> out{lvl + m.enter};
        if (element_error) out.push_back(std::to_string(m.error_level) + "|" + m.element_error);
        if (!m.after_fill.empty()) out.push_back(lvl + m.after_fill);
        out.push_back(lvl + m.leave_prefix + std::to_string(result) + kLeaveTail);
        return out;
    }
    std::string CallText(const ListMethod &m, const Names &slots) {
        return std::string(m.op) + "(" + m.label + "=" + Recorded(slots) + m.record_tail + ")";
    }
    long Count(const char *jni_function) {
        return std::count(jni.trace().begin(), jni.trace().end(), std::string(jni_function));
    }
    std::string WhiteList() {
        return Text(Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_getPortalMacWhiteListJni(env(),
                                                                                                         self()));
    }
    std::string DomainList() {
        return Text(Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_getPortalDomainWriteListJni(
            env(), self()));
    }
};

TEST_F(PortalTest, ListsOfAnyLengthFillAtMostTheTableAndReturnThePlatformResult) {
    for (const auto &m : kListMethods) {
        for (int n : {0, 1, 2, 64, 65, 1000}) {
            SCOPED_TRACE(std::string(m.op) + " with " + std::to_string(n) + " names");
            zsim::Reset();
            const int result = n % 7 - 3;  // any code, failures included, goes back unchanged
            ScriptLists(result);
            const Names names = Macs(n);
            jobjectArray list = jni.Strs(names);
            const long taken_before = Count("GetObjectArrayElement");
            const size_t released_before = jni.release_points().size();

            EXPECT_EQ(m.call(env(), self(), list), result);

            ASSERT_EQ(seen.calls, 1);
            EXPECT_EQ(TableDiff(TableOf(names), seen.table), "");
            // Past the 64th name nothing is read at all.
            EXPECT_EQ(Count("GetObjectArrayElement") - taken_before, std::min(n, 64));
            // Every name was copied and its characters released before the call.
            const std::vector<size_t> points(jni.release_points().begin() + released_before,
                                             jni.release_points().end());
            EXPECT_EQ(points, std::vector<size_t>(std::min<size_t>(n, 64), 0u));
            EXPECT_EQ(Calls(), std::vector<std::string>{CallText(m, names)});
            EXPECT_EQ(Lines(), Expected(m, false, result));
        }
    }
}

TEST_F(PortalTest, NamesKeepAtMostEighteenCharactersAndEmptyOnesStayEmpty) {
    // An empty array, {""} and {"", ""} have no rule of their own: they
    // leave the table empty and the platform is called all the same.
    const Names cases[] = {
        {},
        {""},
        {"", ""},
        {"00:1A:2B:3C:4D:5E", "123456789012345678", "1234567890123456789"},
        {"a-portal-domain-name.lan", "x"},  // 24 characters: the first 18 reach the gateway
        {"sub.example-domain.org"},
    };
    for (const auto &m : kListMethods) {
        for (const auto &names : cases) {
            zsim::Reset();
            ScriptLists(0);
            EXPECT_EQ(m.call(env(), self(), jni.Strs(names)), 0);
            ASSERT_EQ(seen.calls, 1) << m.op;
            EXPECT_EQ(TableDiff(TableOf(names), seen.table), "") << m.op;
            EXPECT_EQ(Lines(), Expected(m, false, 0)) << m.op;
        }
    }
    // The cut itself, spelled out once.
    zsim::Reset();
    ScriptLists(0);
    kListMethods[4].call(env(), self(), jni.Strs({"abcdefghijklmnopqrstuvwxy"}));
    EXPECT_STREQ(seen.table.Slot[0], "abcdefghijklmnopqr");
    EXPECT_EQ(seen.table.Slot[0][19], '\0');
}

TEST_F(PortalTest, NameThatCannotBeHadCutsTheListButTheCallGoesOn) {
    struct Case {
        const char *what;
        int size;
        int bad;  // index of the element that cannot be had
        bool null_element;
    } cases[] = {
        {"third of five unreadable", 5, 2, false},
        {"third of five null", 5, 2, true},
        {"first unreadable", 3, 0, false},
        {"last of 64 null", 64, 63, true},
        {"65th unreadable: never read", 65, 64, false},
    };
    for (const auto &m : kListMethods) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(m.op) + ": " + c.what);
            zsim::Reset();
            ScriptLists(9);
            std::vector<jstring> elements;
            Names converted;
            for (int i = 0; i < c.size; ++i) {
                if (i == c.bad) {
                    elements.push_back(c.null_element ? nullptr : jni.BadStr());
                } else {
                    elements.push_back(jni.Str(Mac(i)));
                    if (i < c.bad) converted.push_back(Mac(i));
                }
            }
            const bool stops = c.bad < 64;
            const long taken_before = Count("GetObjectArrayElement");

            EXPECT_EQ(m.call(env(), self(), jni.Arr(elements)), 9);

            EXPECT_EQ(TableDiff(TableOf(converted), seen.table), "");
            // Nothing after the failing element is taken.
            EXPECT_EQ(Count("GetObjectArrayElement") - taken_before, stops ? c.bad + 1 : 64);
            EXPECT_EQ(Calls(), std::vector<std::string>{CallText(m, converted)});
            EXPECT_EQ(Lines(), Expected(m, stops, 9));
        }
    }
}

TEST_F(PortalTest, NullArrayIsAnEmptyTableWithTheElementErrorAndNoJvmCall) {
    for (const auto &m : kListMethods) {
        zsim::Reset();
        ScriptLists(-4);
        const size_t jni_calls_before = jni.trace().size();
        EXPECT_EQ(m.call(env(), self(), nullptr), -4) << m.op;
        EXPECT_EQ(jni.trace().size(), jni_calls_before) << m.op;
        EXPECT_EQ(TableDiff(TableOf({}), seen.table), "") << m.op;
        EXPECT_EQ(Calls(), std::vector<std::string>{CallText(m, {})});
        EXPECT_EQ(Lines(), Expected(m, true, -4));
    }
}

TEST_F(PortalTest, SubscriptionSwitchIsOneOnlyForALowByteOfExactlyOne) {
    struct Case {
        jboolean enable;
        const char *text;
    } cases[] = {{0, "0"}, {1, "1"}, {2, "0"}, {0x81, "0"}, {0xFF, "0"}};
    for (const auto &c : cases) {
        for (jint first : {0, -1, INT_MIN}) {  // never read
            zsim::Reset();
            ScriptLists(3);
            EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_subscribePortalEventJni(
                          env(), self(), first, jni.Strs({"Online"}), c.enable),
                      3);
            EXPECT_EQ(seen.enable, c.text);
            EXPECT_EQ(Calls(), std::vector<std::string>{std::string("subscribePortalEvent(events=[\"Online\"] "
                                                                    "enable=\"") +
                                                        c.text + "\")"});
            EXPECT_EQ(Lines(), (std::vector<std::string>{
                                   "0|subscribePortalEventJni  enter, ============>\n",
                                   "0|subscribePortalEventJni  enable[" + std::to_string(c.enable) +
                                       "], ============>\n",
                                   "0|subscribePortalEventJni: return value = 3   leave============>\n"}));
        }
    }
}

TEST_F(PortalTest, TemporaryAccessModePassesBothValuesAndTheResult) {
    struct Case {
        jint v1, v2, result;
    } cases[] = {{1, 30, 0}, {0, 0, -1}, {INT_MIN, INT_MAX, 12}, {-1, 1440, 0}};
    for (const auto &c : cases) {
        zsim::Reset();
        const int result = c.result;
        ZSIM_SCRIPT(zivra_setTemporaryAccessMode, [result](int, int) { return result; });
        EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_setTemporaryAccessModeJni(
                      env(), self(), c.v1, c.v2),
                  c.result);
        EXPECT_EQ(Calls(), std::vector<std::string>{"setTemporaryAccessMode(value1=" + std::to_string(c.v1) +
                                                    " value2=" + std::to_string(c.v2) + ")"});
        EXPECT_EQ(Lines(), AtLevel2({"setTemporaryAccessModeJni  enter============>\n",
                                     "setTemporaryAccessModeJni: return value = " + std::to_string(c.result) +
                                         kLeaveTail}));
    }
}

// The two list readers share one sequence; each row names one of them.
struct Reader {
    const char *op;
    const char *key;
    std::string enter, leave_prefix, leave_tail;
    jstring (*call)(JNIEnv *, jobject);
};

const Reader kReaders[] = {
    {"getPortalMacWhiteList", "MAC", "getPortalMacWhiteListJni  enter============>\n",
     "getPortalMacWhiteListJni: leave tmp: ", "============>\n",
     &Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_getPortalMacWhiteListJni},
    {"getPortalDomainWriteList", "domains", "getPortalDomainWriteListJni  enter============>\n",
     "getPortalDomainWriteListJni: leave tmp: ", "=======>\n",
     &Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_getPortalDomainWriteListJni},
};

// What the scripted reader writes into the list text, and its result.
std::string reader_text;
bool reader_fills_all = false;
int reader_result = 0;
bool reader_text_was_zeroed = false;

int WriteReaderText(char *list) {
    reader_text_was_zeroed = std::all_of(list, list + 128, [](char ch) { return ch == '\0'; });
    if (reader_fills_all) {
        memset(list, 'z', 128);  // no NUL anywhere in the text
    } else {
        snprintf(list, 128, "%s", reader_text.c_str());
    }
    return reader_result;
}

TEST_F(PortalTest, ReadersPutThePlatformTextWholeIntoOneListElement) {
    const std::string kFail = "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}";
    struct Case {
        std::string text;
        bool fills_all;
        int result;
        std::string value;  // in the reply; empty with a failure
    } cases[] = {
        {"00:1A:2B:3C:4D:5E,02:00:00:00:00:01", false, 0, "00:1A:2B:3C:4D:5E,02:00:00:00:00:01"},
        {"a; b|c \"quoted\"", false, 0, "a; b|c \"quoted\""},
        {"", false, 0, ""},
        {std::string(127, 'k'), false, 0, std::string(127, 'k')},
        {"", true, 0, std::string(128, 'z')},  // read no further than the 128 bytes
        {"written anyway", false, -1, ""},
        {"", false, 5, ""},
    };
    for (const auto &r : kReaders) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(r.op) + " result " + std::to_string(c.result) + " text " + c.value);
            zsim::Reset();
            reader_text = c.text;
            reader_fills_all = c.fills_all;
            reader_result = c.result;
            reader_text_was_zeroed = false;
            ZSIM_SCRIPT(zivra_getPortalMacWhiteList, WriteReaderText);
            ZSIM_SCRIPT(zivra_getPortalDomainWriteList, WriteReaderText);

            const std::string want = c.result == 0 ? std::string("{\"Result\":0,\"List\":[{\"") + r.key + "\":\"" +
                                                         c.value + "\"}]}"
                                                   : kFail;
            EXPECT_EQ(Text(r.call(env(), self())), want);
            EXPECT_TRUE(reader_text_was_zeroed);
            EXPECT_EQ(Calls(), std::vector<std::string>{std::string(r.op) + "()"});
            EXPECT_EQ(Lines(), AtLevel2({r.enter, r.leave_prefix + want + r.leave_tail}));
        }
    }
}

TEST_F(PortalTest, SimulatedGatewayKeepsWhatTheSettersChange) {
    using A = jobjectArray;
    auto add = [&](A a) {
        return Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_addPortalMacWhiteListJni(env(), self(), a);
    };
    auto del = [&](A a) {
        return Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_deletePortalMacWhiteListJni(env(), self(),
                                                                                                         a);
    };
    auto allow = [&](A a) {
        return Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_allowDeviceTemporaryAccessJni(env(),
                                                                                                           self(), a);
    };
    auto mode = [&](jint v1, jint v2) {
        return Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_setTemporaryAccessModeJni(env(), self(),
                                                                                                       v1, v2);
    };
    auto domains = [&](A a) {
        return Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_setPortalDomainWriteListJni(env(), self(),
                                                                                                         a);
    };

    EXPECT_EQ(WhiteList(), "{\"Result\":0,\"List\":[{\"MAC\":\"00:1A:2B:3C:4D:5E\"}]}");
    EXPECT_EQ(add(jni.Strs({"02:00:00:00:00:01", "02:00:00:00:00:02"})), 0);
    EXPECT_EQ(del(jni.Strs({"00:1a:2b:3c:4d:5e"})), 0);
    EXPECT_EQ(WhiteList(), "{\"Result\":0,\"List\":[{\"MAC\":\"02:00:00:00:00:01,02:00:00:00:00:02\"}]}");
    // A MAC text with a tail reaches the gateway cut, which then refuses it.
    EXPECT_EQ(add(jni.Strs({"02:00:00:00:00:03:ff"})), -1);
    // The list stops before an element that cannot be had: only the first goes in.
    EXPECT_EQ(add(jni.Arr({jni.Str("02:00:00:00:00:04"), nullptr, jni.Str("02:00:00:00:00:05")})), 0);
    EXPECT_EQ(WhiteList(),
              "{\"Result\":0,\"List\":[{\"MAC\":\"02:00:00:00:00:01,02:00:00:00:00:02,02:00:00:00:00:04\"}]}");

    EXPECT_EQ(DomainList(), "{\"Result\":0,\"List\":[{\"domains\":\"portal.gateway.lan,auth.gateway.lan\"}]}");
    EXPECT_EQ(domains(jni.Strs({"login.provider-portal.net", "cdn.lan"})), 0);
    EXPECT_EQ(DomainList(), "{\"Result\":0,\"List\":[{\"domains\":\"login.provider-por,cdn.lan\"}]}");
    EXPECT_EQ(domains(jni.Strs({})), 0);
    EXPECT_EQ(DomainList(), "{\"Result\":0,\"List\":[{\"domains\":\"\"}]}");

    // Temporary access is granted only while the mode allows it.
    EXPECT_EQ(allow(jni.Strs({"02:00:00:00:00:09"})), 0);
    EXPECT_EQ(mode(0, 30), 0);
    EXPECT_EQ(allow(jni.Strs({"02:00:00:00:00:09"})), -1);
    EXPECT_EQ(mode(2, 30), -1);
    EXPECT_EQ(mode(1, 60), 0);
    EXPECT_EQ(allow(jni.Strs({"02:00:00:00:00:0A"})), 0);
    EXPECT_EQ(allow(jni.Strs({"not-a-mac"})), -1);
}

}  // namespace
