// LanNetworkAccessConfigServiceImp: MAC batches for the black, trust and
// storage black lists, and the MAC filter mode.
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp.h"
#include "sim/lan_access.h"

namespace {

#define ACCESS_ENTRY(m) Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_##m

// One row per list method, with its log texts as the gateway writes them.
struct ListMethod {
    const char *op;  // platform operation, without zivra_
    bool add;
    jint (*call)(JNIEnv *, jobject, jobjectArray);
    const char *enter;
    const char *element_error;
    const char *no_mac;        // add methods only
    const char *single_empty;  // delete methods that log String[] {""}
    const char *leave;         // with %d for the result
};

const ListMethod kMethods[] = {
    {"addLANHostToBlackList", true, &ACCESS_ENTRY(addLANHostToBlackListJni),
     "addLANHostToBlackListJni  enter============>\n", "addLANHostToBlackListJni: Get each MAC String error\n",
     "addLANHostToBlackListJni: no MAC\n", nullptr,
     "addLANHostToBlackListJni: return value = %d   leave============>\n"},
    {"deleteLANHostFromBlackList", false, &ACCESS_ENTRY(deleteLANHostFromBlackListJni),
     "deleteLANHostFromBlackListJni  enter============>\n",
     "deleteLANHostFromBlackListJni: Get each MAC String error============>\n", nullptr,
     "deleteLANHostFromBlackListJni: Compatible with String[] {\"\"}============>\n",
     "deleteLANHostFromBlackListJni: return value = %d   leave============>\n"},
    {"addLANHostToTrustList", true, &ACCESS_ENTRY(addLANHostToTrustListJni),
     "addLANHostToTrustListJni  enter============>\n", "addLANHostToTrustListJni: Get each MAC String error\n",
     "addLANHostToTrustListJni: no MAC\n", nullptr,
     "addLANHostToTrustListJni: return value = %d   leave============>\n"},
    {"deleteLANHostFromTrustList", false, &ACCESS_ENTRY(deleteLANHostFromTrustListJni),
     "deleteLANHostFromTrustListJni  enter============>\n",
     "deleteLANHostFromTrustListJni: Get each MAC String error============>\n", nullptr, nullptr,
     "deleteLANHostFromTrustListJni: return value = %d   leave============>\n"},
    {"addLANHostToStorageBlackList", true, &ACCESS_ENTRY(addLANHostToStorageBlackListJni),
     "addLANHostToStorageBlackListJni  enter============>\n",
     "addLANHostToStorageBlackListJni: Get each MAC String error\n", "addLANHostToStorageBlackListJni: no MAC\n",
     nullptr, "addLANHostToStorageBlackListJni: return value = %d   leave============>\n"},
    {"deleteLANHostFromStorageBlackList", false, &ACCESS_ENTRY(deleteLANHostFromStorageBlackListJni),
     "deleteLANHostFromStorageBlackListJni  enter============>\n",
     "deleteLANHostFromStorageBlackListJni: Get each MAC String error============>\n", nullptr,
     "deleteLANHostFromStorageBlackListJni: Compatible with String[] {\"\"}============>\n",
     "deleteLANHostFromStorageBlackListJni: return value = %d   leave============>\n"},
};

std::string Leave(const ListMethod &m, int result) {
    std::string line = m.leave;
    return line.replace(line.find("%d"), 2, std::to_string(result));
}

// What the platform received: the count and all 64 slots of 20 bytes.
struct Seen {
    int calls = 0;
    int count = 0;
    std::vector<std::string> slots;
};

// Slots padded to their 20 bytes, the rest of the 64 all zero.
std::vector<std::string> Table(const std::vector<std::string> &texts) {
    std::vector<std::string> t(64, std::string(20, '\0'));
    for (size_t i = 0; i < texts.size(); ++i) t[i].replace(0, texts[i].size(), texts[i]);
    return t;
}

class LanAccessTest : public BridgeTest {
  protected:
    // Scripts every list operation to capture what it is handed and answer `result`.
    std::shared_ptr<Seen> Capture(int result) {
        auto seen = std::make_shared<Seen>();
        auto fn = [seen, result](const char(*macs)[20], int count) {
            ++seen->calls;
            seen->count = count;
            seen->slots.clear();
            for (int i = 0; i < 64; ++i) seen->slots.emplace_back(macs[i], 20);
            return result;
        };
        ZSIM_SCRIPT(zivra_addLANHostToBlackList, fn);
        ZSIM_SCRIPT(zivra_deleteLANHostFromBlackList, fn);
        ZSIM_SCRIPT(zivra_addLANHostToTrustList, fn);
        ZSIM_SCRIPT(zivra_deleteLANHostFromTrustList, fn);
        ZSIM_SCRIPT(zivra_addLANHostToStorageBlackList, fn);
        ZSIM_SCRIPT(zivra_deleteLANHostFromStorageBlackList, fn);
        return seen;
    }
    int Fetched() const {
        int n = 0;
        for (const auto &t : jni.trace()) n += t == "GetObjectArrayElement";
        return n;
    }
};

TEST_F(LanAccessTest, BatchesReachThePlatformSlotBySlot) {
    const std::string mac17 = "00:1A:2B:3C:4D:5E";
    const std::string s25 = "0123456789abcdefghijklmno";
    struct Case {
        const char *name;
        std::vector<std::string> in;
        std::vector<std::string> slots;
        const char *record;
    } cases[] = {
        {"three in order",
         {"aa:00:00:00:00:01", "aa:00:00:00:00:02", "aa:00:00:00:00:03"},
         {"aa:00:00:00:00:01", "aa:00:00:00:00:02", "aa:00:00:00:00:03"},
         "count=3 macs=[\"aa:00:00:00:00:01\",\"aa:00:00:00:00:02\",\"aa:00:00:00:00:03\"]"},
        {"17 kept, 25 cut to 18",
         {mac17, s25},
         {mac17, "0123456789abcdefgh"},
         "count=2 macs=[\"00:1A:2B:3C:4D:5E\",\"0123456789abcdefgh\"]"},
        {"two empty strings", {"", ""}, {"", ""}, "count=2 macs=[\"\",\"\"]"},
    };
    for (const auto &m : kMethods) {
        for (const auto &c : cases) {
            zsim::Reset();
            auto seen = Capture(7);
            EXPECT_EQ(m.call(env(), self(), jni.Strs(c.in)), 7) << m.op << ": " << c.name;
            EXPECT_EQ(seen->count, static_cast<int>(c.in.size())) << m.op << ": " << c.name;
            EXPECT_EQ(seen->slots, Table(c.slots)) << m.op << ": " << c.name;
            EXPECT_EQ(Calls(), std::vector<std::string>{std::string(m.op) + "(" + c.record + ")"});
            EXPECT_EQ(Lines(), AtLevel2({m.enter, Leave(m, 7)})) << m.op << ": " << c.name;
        }
    }
    // Each element's characters went back before its platform call.
    for (size_t point : jni.release_points()) EXPECT_EQ(point, 0u);
}

TEST_F(LanAccessTest, EmptyOrNullArrayIsRefusedByAddsAndSentEmptyByDeletes) {
    for (const auto &m : kMethods) {
        for (bool null_array : {false, true}) {
            zsim::Reset();
            auto seen = Capture(5);
            const jint got = m.call(env(), self(), null_array ? nullptr : jni.Strs({}));
            const std::string what = std::string(m.op) + (null_array ? " null" : " empty");
            if (m.add) {
                // No platform call and no leave line.
                EXPECT_EQ(got, -1) << what;
                EXPECT_EQ(seen->calls, 0) << what;
                EXPECT_EQ(Lines(), AtLevel2({m.enter, m.no_mac})) << what;
            } else {
                EXPECT_EQ(got, 5) << what;
                EXPECT_EQ(seen->calls, 1) << what;
                EXPECT_EQ(seen->count, 0) << what;
                EXPECT_EQ(seen->slots, Table({})) << what;
                // A null array has no element to be had: the element error line.
                if (null_array) {
                    EXPECT_EQ(Lines(), AtLevel2({m.enter, m.element_error, Leave(m, 5)})) << what;
                } else {
                    EXPECT_EQ(Lines(), AtLevel2({m.enter, Leave(m, 5)})) << what;
                }
            }
        }
    }
}

TEST_F(LanAccessTest, SingleEmptySlotMeansNoMacOnlyToDeletes) {
    // String[] {""}, or one element that cannot be had: slot 0 stays empty.
    for (const auto &m : kMethods) {
        const jstring singles[] = {jni.Str(""), jni.BadStr(), nullptr};
        for (jstring only : singles) {
            zsim::Reset();
            auto seen = Capture(0);
            const bool bad = only != singles[0];
            EXPECT_EQ(m.call(env(), self(), jni.Arr({only})), 0);
            EXPECT_EQ(seen->slots, Table({})) << m.op;
            EXPECT_EQ(seen->count, m.add ? 1 : 0) << m.op;
            EXPECT_EQ(Calls(), std::vector<std::string>{std::string(m.op) +
                                                        (m.add ? "(count=1 macs=[\"\"])" : "(count=0 macs=[])")});
            std::vector<std::string> want = {m.enter};
            if (bad) want.push_back(m.element_error);
            if (!m.add && m.single_empty != nullptr) want.push_back(m.single_empty);
            want.push_back(Leave(m, 0));
            EXPECT_EQ(Lines(), AtLevel2(want)) << m.op << (bad ? " element that cannot be had" : " {\"\"}");
        }
    }
}

TEST_F(LanAccessTest, ElementThatCannotBeHadEndsTheCopyButNotTheBatch) {
    for (const auto &m : kMethods) {
        for (jstring bad : {jni.BadStr(), static_cast<jstring>(nullptr)}) {
            zsim::Reset();
            auto seen = Capture(3);
            const jint fetched_before = Fetched();
            jobjectArray a = jni.Arr({jni.Str("m0"), jni.Str("m1"), bad, jni.Str("m3"), jni.Str("m4")});
            EXPECT_EQ(m.call(env(), self(), a), 3);
            EXPECT_EQ(seen->count, 5) << m.op;
            EXPECT_EQ(seen->slots, Table({"m0", "m1"})) << m.op;
            EXPECT_EQ(Fetched() - fetched_before, 3) << m.op;
            EXPECT_EQ(Lines(), AtLevel2({m.enter, m.element_error, Leave(m, 3)})) << m.op;
        }
    }
}

TEST_F(LanAccessTest, MoreThanSixtyFourMacsAreCutToTheTable) {
    for (int n : {64, 65, 1000}) {
        std::vector<std::string> macs;
        for (int i = 0; i < n; ++i) macs.push_back("mac" + std::to_string(i));
        for (const auto &m : kMethods) {
            zsim::Reset();
            auto seen = Capture(0);
            const int fetched_before = Fetched();
            EXPECT_EQ(m.call(env(), self(), jni.Strs(macs)), 0);
            EXPECT_EQ(seen->count, 64) << m.op << " " << n;
            EXPECT_EQ(seen->slots, Table(std::vector<std::string>(macs.begin(), macs.begin() + 64)))
                << m.op << " " << n;
            // Elements past the 64th are never fetched.
            EXPECT_EQ(Fetched() - fetched_before, 64) << m.op << " " << n;
        }
    }
}

TEST_F(LanAccessTest, FilterModeGoesThroughUncheckedAndResultComesBack) {
    for (int mode : {0, 2, -1, INT_MIN, INT_MAX}) {
        zsim::Reset();
        int got = 12345;
        ZSIM_SCRIPT(zivra_setMacFilterMode, [&got](int m) {
            got = m;
            return m == 2 ? 0 : 9;
        });
        EXPECT_EQ(ACCESS_ENTRY(setMacFilterModeJni)(env(), self(), mode), mode == 2 ? 0 : 9);
        EXPECT_EQ(got, mode);
        EXPECT_EQ(Lines(), AtLevel2({"setMacFilterModeJni  enter============>\n",
                                     mode == 2 ? "setMacFilterModeJni: return value = 0   leave============>\n"
                                               : "setMacFilterModeJni: return value = 9   leave============>\n"}));
    }
}

// --- The simulated gateway behind the methods --------------------------------

TEST_F(LanAccessTest, SimulatedListsApplyBatchesWhole) {
    auto add_black = &ACCESS_ENTRY(addLANHostToBlackListJni);
    auto del_black = &ACCESS_ENTRY(deleteLANHostFromBlackListJni);
    EXPECT_EQ(add_black(env(), self(), jni.Strs({"00:1a:2b:3c:4d:5e", "00:1A:2B:3C:4D:5E"})), 0);
    EXPECT_TRUE(zsim::BlackListed("00:1A:2b:3c:4d:5E"));
    EXPECT_FALSE(zsim::TrustListed("00:1a:2b:3c:4d:5e"));
    EXPECT_FALSE(zsim::StorageBlackListed("00:1a:2b:3c:4d:5e"));
    // Not a MAC, or one of the batch absent: the batch fails and changes nothing.
    EXPECT_EQ(add_black(env(), self(), jni.Strs({"02:00:00:00:00:01", "02-00-00-00-00-02"})), -1);
    EXPECT_FALSE(zsim::BlackListed("02:00:00:00:00:01"));
    EXPECT_EQ(del_black(env(), self(), jni.Strs({"00:1A:2B:3C:4D:5E", "02:00:00:00:00:09"})), -1);
    EXPECT_TRUE(zsim::BlackListed("00:1a:2b:3c:4d:5e"));
    // Both spellings were one entry: one delete removes it, a second fails.
    EXPECT_EQ(del_black(env(), self(), jni.Strs({"00:1A:2B:3C:4D:5E"})), 0);
    EXPECT_FALSE(zsim::BlackListed("00:1a:2b:3c:4d:5e"));
    EXPECT_EQ(del_black(env(), self(), jni.Strs({"00:1A:2B:3C:4D:5E"})), -1);
    EXPECT_EQ(del_black(env(), self(), jni.Strs({""})), 0);

    EXPECT_EQ(ACCESS_ENTRY(addLANHostToStorageBlackListJni)(env(), self(), jni.Strs({"0a:0b:0c:0d:0e:0f"})), 0);
    EXPECT_TRUE(zsim::StorageBlackListed("0A:0B:0C:0D:0E:0F"));
    EXPECT_EQ(ACCESS_ENTRY(addLANHostToTrustListJni)(env(), self(), jni.Strs({"0a:0b:0c:0d:0e:0f"})), 0);
    EXPECT_TRUE(zsim::TrustListed("0a:0b:0c:0d:0e:0f"));
    EXPECT_FALSE(zsim::BlackListed("0a:0b:0c:0d:0e:0f"));

    // The list holds 16 MACs: a batch that would pass that adds none.
    std::vector<std::string> many;
    for (int i = 0; i < 16; ++i) many.push_back("10:00:00:00:00:" + std::string(i < 10 ? "0" : "") + std::to_string(i));
    EXPECT_EQ(ACCESS_ENTRY(addLANHostToTrustListJni)(env(), self(), jni.Strs(many)), -1);
    EXPECT_FALSE(zsim::TrustListed("10:00:00:00:00:00"));

    EXPECT_EQ(ACCESS_ENTRY(setMacFilterModeJni)(env(), self(), 1), 0);
    EXPECT_EQ(ACCESS_ENTRY(setMacFilterModeJni)(env(), self(), 3), -1);
}

// A 64-slot table whose last byte ends a readable page: any read past the
// table faults.
class GuardedTable {
  public:
    GuardedTable() {
        page_ = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        base_ =
            static_cast<char *>(mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        mprotect(base_ + page_, page_, PROT_NONE);
        table_ = reinterpret_cast<char(*)[20]>(base_ + page_ - 64 * 20);
        memset(table_, 0, 64 * 20);
    }
    ~GuardedTable() { munmap(base_, 2 * page_); }
    char (*slots())[20] { return table_; }

  private:
    size_t page_;
    char *base_;
    char (*table_)[20];
};

TEST_F(LanAccessTest, SimulatedOperationsNeverReadPastTheTable) {
    GuardedTable t;
    for (int i = 0; i < 64; ++i) snprintf(t.slots()[i], 20, "20:00:00:00:00:%02x", i);
    memset(t.slots()[63], 'x', 20);  // a last slot with no NUL
    for (int count : {1000, 65, -1, 64}) {
        zsim::Reset();
        EXPECT_EQ(zivra_addLANHostToTrustList(t.slots(), count), -1) << count;
        EXPECT_EQ(zivra_deleteLANHostFromStorageBlackList(t.slots(), count), -1) << count;
        const std::string args = zsim::Calls().at(0).args;
        if (count < 0) {
            EXPECT_EQ(args, "count=-1 macs=[]");
        } else {
            EXPECT_EQ(args.substr(0, args.find(' ')), "count=" + std::to_string(count));
            EXPECT_NE(args.find("\"20:00:00:00:00:3e\",\"" + std::string(20, 'x') + "\"]"), std::string::npos) << count;
        }
    }
}

}  // namespace
