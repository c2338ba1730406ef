// LanNetworkAccessConfigServiceImp: MAC batches for the black, trust and
// storage black lists, and the MAC filter mode.
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp.h"

namespace {

#define ACCESS_ENTRY(m) Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_##m

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
std::vector<std::string> Want(const ListMethod &m, const std::string &codes) {
    const std::string j = m.op + "Jni";
    std::vector<std::string> out;
    for (char c : codes) {
        if (c == 'E') out.push_back(j + "  enter============>\n");
        if (c == 'X') out.push_back(j + ": Get each MAC String error" + (m.add() ? "\n" : "============>\n"));
        if (c == 'N' && m.add()) out.push_back(j + ": no MAC\n");
        if (c == 'S' && m.single_empty_line) out.push_back(j + ": Compatible with String[] {\"\"}============>\n");
        if (c == 'L') out.push_back(j + ": return value = 7   leave============>\n");
    }
    return AtLevel2(out);
}

// Nonzero bytes the platform was handed outside the texts of slots below the count.
int stray = -1;
int Answer(const char (*macs)[20], int count) {
    stray = 0;
    for (int i = 0; i < 64 * 20; ++i) {
        const char *slot = macs[i / 20];
        stray += slot[i % 20] != 0 && (i / 20 >= count || i % 20 >= static_cast<int>(strnlen(slot, 20)));
    }
    return 7;
}

using LanAccessTest = BridgeTest;

TEST_F(LanAccessTest, BatchesCountsAndLogLinesOfEveryListMethod) {
    std::vector<std::string> many;
    std::string first64;
    for (int i = 0; i < 1000; ++i) many.push_back("m" + std::to_string(i));
    for (int i = 0; i < 64; ++i) first64 += (i ? ",\"" : "\"") + many[i] + "\"";
    const std::string cut = "count=64 macs=[" + first64 + "]";
    const std::string three = "count=3 macs=[\"00:1A:2B:3C:4D:5E\",\"0123456789abcdefgh\",\"aa:00:00:00:00:03\"]";
    const std::string stopped = "count=5 macs=[\"m0\",\"m1\",\"\",\"\",\"\"]";
    struct Row {
        const char *name;
        jobjectArray macs;
        std::string add_call, add_lines, del_call, del_lines;  // no add_call: -1 without a platform call
    } rows[] = {
        // The long batches first, so a table left unzeroed would show below.
        {"1000 cut to 64", jni.Strs(many), cut, "EL", cut, "EL"},
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
            ZSIM_SCRIPT(zivra_addLANHostToBlackList, Answer);
            ZSIM_SCRIPT(zivra_deleteLANHostFromBlackList, Answer);
            ZSIM_SCRIPT(zivra_addLANHostToTrustList, Answer);
            ZSIM_SCRIPT(zivra_deleteLANHostFromTrustList, Answer);
            ZSIM_SCRIPT(zivra_addLANHostToStorageBlackList, Answer);
            ZSIM_SCRIPT(zivra_deleteLANHostFromStorageBlackList, Answer);
            stray = -1;
            const std::string &call = m.add() ? r.add_call : r.del_call;
            EXPECT_EQ(m.call(env(), self(), r.macs), call.empty() ? -1 : 7);
            EXPECT_EQ(Calls(), call.empty() ? std::vector<std::string>()
                                            : std::vector<std::string>{m.op + "(" + call + ")"});
            EXPECT_EQ(stray, call.empty() ? -1 : 0);
            EXPECT_EQ(Lines(), Want(m, m.add() ? r.add_lines : r.del_lines));
        }
    }
    // TearDown: every element reference and its characters went back.
}

TEST_F(LanAccessTest, FilterModeGoesThroughUncheckedAndItsResultComesBack) {
    EXPECT_EQ(ACCESS_ENTRY(setMacFilterModeJni)(env(), self(), INT_MIN), -1);
    EXPECT_EQ(ACCESS_ENTRY(setMacFilterModeJni)(env(), self(), 2), 0);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"setMacFilterMode(mode=-2147483648)", "setMacFilterMode(mode=2)"}));
    EXPECT_EQ(Lines(), AtLevel2({"setMacFilterModeJni  enter============>\n",
                                 "setMacFilterModeJni: return value = -1   leave============>\n",
                                 "setMacFilterModeJni  enter============>\n",
                                 "setMacFilterModeJni: return value = 0   leave============>\n"}));
}

}  // namespace
