// WlanSecretQueryServiceImp and WlanQueryServiceImp.
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "fail_calloc.h"
#include "com_korvanta_nestrova_lanservices_WlanQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_WlanSecretQueryServiceImp.h"

namespace {

const char kJstringFail[] = "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}";
const char kNeighborFail[] = "{\"Result\":-1,\"FailReason\":\"getWLANNeighbor fail\"}";
const char kHostFail[] = "{\"Result\":-1,\"FailReason\":\"getWLANHostInfo fail\"}";
const char kGuestFail[] = "{\"Result\":-1,\"FailReason\":\"getGuestSSIDInfo fail\"}";

// `seed` repeated to exactly n characters.
std::string Full(size_t n, const std::string &seed) {
    std::string s;
    while (s.size() < n) s += seed;
    s.resize(n);
    return s;
}

// Puts a text into a record field; a text as long as the field has no NUL.
template <size_t N>
void Put(char (&field)[N], const std::string &text) {
    ASSERT_LE(text.size(), N);
    memset(field, 0, N);
    memcpy(field, text.data(), text.size());
}

template <size_t N>
bool AllZero(const char (&field)[N]) {
    for (char c : field)
        if (c != 0) return false;
    return true;
}

std::string ListOf(const std::vector<std::string> &items) {
    std::string s = "{\"Result\":0,\"List\":[";
    for (size_t i = 0; i < items.size(); ++i) s += (i ? "," : "") + items[i];
    return s + "]}";
}

class WlanQueryTest : public BridgeTest {
  protected:
    void TearDown() override {
        FailCallocAfter(-1);
        BridgeTest::TearDown();
    }
    std::string Password(jint i) {
        return Text(Java_com_korvanta_nestrova_lanservices_WlanSecretQueryServiceImp_getWLANSSIDPasswordJni(
            env(), self(), i));
    }
    std::string Neighbor(jstring radio) {
        return Text(
            Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANNeighborJni(env(), self(), radio));
    }
    std::string Stats(jint i) {
        return Text(Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANSSIDStatsJni(env(), self(), i));
    }
    std::string Radio(jstring radio) {
        return Text(
            Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANRadioInfoJni(env(), self(), radio));
    }
    std::string Hosts(jobjectArray macs) {
        return Text(
            Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANHostInfoJni(env(), self(), macs));
    }
    std::string SsidInfo(jint i) {
        return Text(Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANSSIDInfoJni(env(), self(), i));
    }
    std::string Guests() {
        return Text(Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getGuestSSIDInfoJni(env(), self()));
    }
    jboolean Switch(jstring radio) {
        return Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANHardwareSwitchJni(env(), self(),
                                                                                                  radio);
    }
};

// --- SSID password -----------------------------------------------------------

TEST_F(WlanQueryTest, PasswordIsPlainTextAndEmptyWhenTheReadFails) {
    for (int result : {0, 1, -1}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANSSIDPassword, [=](int, char *pw) {
            for (int i = 0; i < 256; ++i) EXPECT_EQ(pw[i], 0) << "byte " << i;
            strcpy(pw, "pa\"ss word");
            return result;
        });
        EXPECT_EQ(Password(-3), result == 0 ? "pa\"ss word" : "") << result;
        EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANSSIDPassword(ssidIndex=-3)"});
        // No leave line: the enter line is all.
        EXPECT_EQ(Lines(), AtLevel2({"getWLANSSIDPasswordJni: enter============>\n"}));
    }
}

TEST_F(WlanQueryTest, PasswordFillingEveryByteIsReturnedWholeAndNoMore) {
    ZSIM_SCRIPT(zivra_getWLANSSIDPassword, [](int, char *pw) {
        memset(pw, 'k', 256);
        return 0;
    });
    EXPECT_EQ(Password(1), std::string(256, 'k'));
}

// --- Neighbours ----------------------------------------------------------------

struct Nb {
    std::string ssid, bssid, standard, rssi, type, channel;
};

std::string Item(const Nb &n) {
    return "{\"SSIDName\":\"" + n.ssid + "\",\"BSSID\":\"" + n.bssid + "\",\"NetworkType\":\"" + n.type +
           "\",\"Channel\":" + n.channel + ",\"RSSI\":\"" + n.rssi + "\",\"Standard\":\"" + n.standard + "\"}";
}

void PutNeighbor(WLANNeighborTable *t, int i, const Nb &n) {
    Put(t->SSIDName[i], n.ssid);
    Put(t->BSSID[i], n.bssid);
    Put(t->Standard[i], n.standard);
    Put(t->RSSI[i], n.rssi);
    Put(t->NetworkType[i], n.type);
    Put(t->Channel[i], n.channel);
}

// Neighbour i with every text filling its field.
Nb FullNeighbor(int i) {
    const std::string d = std::to_string(i);
    return Nb{Full(130, "ssid" + d + "\"-"), Full(20, "B" + d + ":"), Full(20, "ax" + d), Full(8, "-" + d),
              Full(12, "Infra" + d), Full(4, std::to_string(1000 + i))};
}

TEST_F(WlanQueryTest, NeighborRadioTypeThatCannotBeHadFailsSilently) {
    for (jstring radio : {jni.BadStr(), static_cast<jstring>(nullptr)}) {
        zsim::Reset();
        EXPECT_EQ(Neighbor(radio), kJstringFail);
        EXPECT_TRUE(Calls().empty());
        EXPECT_TRUE(Lines().empty());
    }
}

TEST_F(WlanQueryTest, NeighborListsOfNoneOneAndSeveral) {
    const std::vector<Nb> all = {
        {"Harbor", "3C:52:82:0A:11:20", "b/g/n", "-61", "Infra", "1"},
        {"Cafe \"Guest\"", "F4:39:09:7F:21:02", "g", "-74", "Adhoc", "165"},
        {"", "", "", "", "", "0"},
    };
    for (size_t n : {0u, 1u, 3u}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANNeighbor, [&](const char *, WLANNeighborTable *t) {
            static const WLANNeighborTable zero = {};
            EXPECT_EQ(memcmp(t, &zero, sizeof zero), 0) << "table not zeroed";
            for (size_t i = 0; i < n; ++i) PutNeighbor(t, static_cast<int>(i), all[i]);
            return static_cast<int>(n);
        });
        std::vector<std::string> items;
        for (size_t i = 0; i < n; ++i) items.push_back(Item(all[i]));
        const std::string want = ListOf(items);
        EXPECT_EQ(Neighbor(jni.Str("2.4G")), want) << n;
        EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANNeighbor(radioType=\"2.4G\")"});
        EXPECT_EQ(jni.release_points().back(), 1u) << "radio type released before the platform call";
        EXPECT_EQ(Lines(), AtLevel2({"getWLANNeighborJni: CradioType:2.4G enter============>\n",
                                     "getWLANNeighborJni: return json = " + want + "   leave============>\n"}));
    }
    EXPECT_EQ(ListOf({}), "{\"Result\":0,\"List\":[]}");
}

TEST_F(WlanQueryTest, NeighborFullTableOfFullFieldsAndCountsAboveItAreCutToIt) {
    std::vector<std::string> items;
    for (int i = 0; i < 64; ++i) items.push_back(Item(FullNeighbor(i)));
    const std::string want = ListOf(items);
    ASSERT_EQ(want.size(), 21u + 64u * 273u);
    for (int reported : {64, 65, INT_MAX}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANNeighbor, [=](const char *, WLANNeighborTable *t) {
            for (int i = 0; i < 64; ++i) PutNeighbor(t, i, FullNeighbor(i));
            return reported;
        });
        EXPECT_EQ(Neighbor(jni.Str("5G")), want) << reported;
    }
}

TEST_F(WlanQueryTest, NeighborNegativeCountFailsWithoutLeaveLine) {
    for (int reported : {-1, INT_MIN}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANNeighbor, [=](const char *, WLANNeighborTable *) { return reported; });
        EXPECT_EQ(Neighbor(jni.Str("5G")), kNeighborFail);
        EXPECT_EQ(Lines(), AtLevel2({"getWLANNeighborJni: CradioType:5G enter============>\n"}));
    }
}

TEST_F(WlanQueryTest, NeighborReplyThatCannotBeAllocatedIsTheFailReply) {
    ZSIM_SCRIPT(zivra_getWLANNeighbor, [](const char *, WLANNeighborTable *t) {
        PutNeighbor(t, 0, FullNeighbor(0));
        return 1;
    });
    jstring radio = jni.Str("5G");
    FailCallocAfter(0);
    const std::string reply = Neighbor(radio);
    SKIP_UNLESS_CALLOC_FAILED();
    EXPECT_EQ(reply, kNeighborFail);
    EXPECT_EQ(Lines(), AtLevel2({"getWLANNeighborJni: CradioType:5G enter============>\n",
                                 std::string("getWLANNeighborJni: return json = ") + kNeighborFail +
                                     "   leave============>\n"}));
}

// --- SSID counters -------------------------------------------------------------

TEST_F(WlanQueryTest, StatsCountersAreUnquotedNumbersAndFullBuffersStayWhole) {
    struct Case {
        std::vector<std::string> counters;  // in argument order
    } cases[] = {
        {{"1", "2", "18446744073709551615", "4294967296", "0", "5", "6", "7"}},
        {{Full(64, "1"), Full(32, "2"), Full(64, "3"), Full(64, "4"), Full(64, "5"), Full(64, "6"), Full(64, "7"),
          Full(64, "8")}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        const auto &v = c.counters;
        ZSIM_SCRIPT(zivra_getWLANSSIDStats, [&](int, char *a, char *b, char *d, char *e, char *f, char *g, char *h,
                                                char *k) {
            char *bufs[] = {a, b, d, e, f, g, h, k};
            const size_t sizes[] = {64, 32, 64, 64, 64, 64, 64, 64};
            for (int i = 0; i < 8; ++i) {
                for (size_t j = 0; j < sizes[i]; ++j) EXPECT_EQ(bufs[i][j], 0);
                memcpy(bufs[i], v[i].data(), v[i].size());
            }
            return 0;
        });
        const std::string want = "{\"Result\":0,\"TotalPacketsReceived\":" + v[0] + ",\"TotalPacketsSent\":" + v[1] +
                                 ",\"TotalBytesReceived\":" + v[2] + ",\"TotalBytesSent\":" + v[3] +
                                 ",\"ErrorsSent\":" + v[4] + ",\"DiscardPacketsSent\":" + v[5] +
                                 ",\"ErrorsReceived\":" + v[6] + ",\"DiscardPacketsReceived\":" + v[7] + "}";
        EXPECT_EQ(Stats(7), want);
        EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANSSIDStats(ssidIndex=7)"});
        EXPECT_EQ(Lines(), AtLevel2({"getWLANSSIDStatsJni: enter============>\n",
                                     "getWLANSSIDStatsJni: return json = " + want + " leave============>\n"}));
    }
}

TEST_F(WlanQueryTest, StatsPlatformFailure) {
    ZSIM_SCRIPT(zivra_getWLANSSIDStats,
                [](int, char *a, char *, char *, char *, char *, char *, char *, char *) {
                    strcpy(a, "12");
                    return -2;
                });
    const std::string want = "{\"Result\":-1,\"FailReason\":\"getWLANSSIDStats fail\"}";
    EXPECT_EQ(Stats(0), want);
    EXPECT_EQ(Lines(), AtLevel2({"getWLANSSIDStatsJni: enter============>\n",
                                 "getWLANSSIDStatsJni: return json = " + want + " leave============>\n"}));
}

// --- Radio settings ------------------------------------------------------------

TEST_F(WlanQueryTest, RadioTypeThatCannotBeHadFailsSilently) {
    for (jstring radio : {jni.BadStr(), static_cast<jstring>(nullptr)}) {
        zsim::Reset();
        EXPECT_EQ(Radio(radio), kJstringFail);
        EXPECT_TRUE(Calls().empty());
        EXPECT_TRUE(Lines().empty());
    }
}

TEST_F(WlanQueryTest, RadioInfoShortAndFullFieldsAreWhole) {
    struct Case {
        std::string channel, autoChannel, inUse, power, width;
    } cases[] = {
        {"6", "0", "1,6,11", "100", "20/40MHz"},
        // Every text at its field's full width: 527 characters.
        {Full(64, "4"), Full(32, "1"), Full(128, "36,"), Full(130, "p\""), Full(64, "80MHz")},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANRadioInfo, [&](const char *, char *ch, char *ac, char *iu, char *tp, char *fw) {
            EXPECT_EQ(ch[0] | ac[0] | iu[0] | tp[0] | fw[0] | ch[63] | ac[31] | iu[127] | tp[129] | fw[63], 0);
            memcpy(ch, c.channel.data(), c.channel.size());
            memcpy(ac, c.autoChannel.data(), c.autoChannel.size());
            memcpy(iu, c.inUse.data(), c.inUse.size());
            memcpy(tp, c.power.data(), c.power.size());
            memcpy(fw, c.width.data(), c.width.size());
            return 0;
        });
        const std::string want = "{\"Result\":0, \"Channel\":" + c.channel + ", \"AutoChannelEnable\":\"" +
                                 c.autoChannel + "\", \"ChannelsInUse\":\"" + c.inUse + "\", \"TransmitPower\":\"" +
                                 c.power + "\", \"FrequencyWidth\":\"" + c.width + "\"}";
        EXPECT_EQ(Radio(jni.Str("2.4G")), want);
        EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANRadioInfo(radioType=\"2.4G\")"});
        EXPECT_EQ(jni.release_points().back(), 1u);
        EXPECT_EQ(Lines(), AtLevel2({"getWLANRadioInfoJni: radioType:2.4G\n",
                                     "getWLANRadioInfoJni: return json = " + want + " leave============>\n"}));
    }
}

TEST_F(WlanQueryTest, RadioInfoPlatformFailure) {
    ZSIM_SCRIPT(zivra_getWLANRadioInfo, [](const char *, char *, char *, char *, char *, char *) { return 3; });
    const std::string want = "{\"Result\":-1,\"FailReason\":\"Get WLANRadioInfo fail\"}";
    EXPECT_EQ(Radio(jni.Str("6G")), want);
    EXPECT_EQ(jni.release_points(), std::vector<size_t>{1});
    EXPECT_EQ(Lines(), AtLevel2({"getWLANRadioInfoJni: radioType:6G\n",
                                 "getWLANRadioInfoJni: return json = " + want + " leave============>\n"}));
}

// --- Associated stations ---------------------------------------------------------

struct Host {
    std::string mac, ssidIndex, ssidName, rssi, rx, tx, standard;
};

std::string Item(const Host &h) {
    return "{\"MAC\":\"" + h.mac + "\", \"SSIDIndex\":" + h.ssidIndex + ", \"SSIDName\":\"" + h.ssidName +
           "\", \"RSSI\":\"" + h.rssi + "\", \"RxRate\":\"" + h.rx + "\", \"TxRate\":\"" + h.tx +
           "\", \"Standard\":\"" + h.standard + "\"}";
}

void PutHost(WLANHostRecord *r, const Host &h) {
    Put(r->MAC, h.mac);
    Put(r->SSIDIndex, h.ssidIndex);
    Put(r->SSIDName, h.ssidName);
    Put(r->RSSI, h.rssi);
    Put(r->RxRate, h.rx);
    Put(r->TxRate, h.tx);
    Put(r->Standard, h.standard);
}

Host FullHost(int i) {
    const std::string d = std::to_string(i);
    return Host{Full(20, d + ":"), Full(8, std::to_string(10 + i)), Full(128, "n\"" + d), Full(12, "-" + d),
                Full(32, "rx" + d), Full(32, "tx" + d), Full(32, "ac" + d)};
}

const char kHostEnter[] = "getWLANHostInfoJni:  enter============>\n";

std::string HostLeave(const std::string &reply) {
    return "getWLANHostInfoJni: return json = " + reply + "   leave============>\n";
}

TEST_F(WlanQueryTest, HostNullArrayOrElementThatCannotBeHadFailsSilently) {
    for (jobjectArray macs :
         {static_cast<jobjectArray>(nullptr), jni.Arr({jni.Str("AA:BB:CC:DD:EE:01"), jni.BadStr(), jni.Str("x")}),
          jni.Arr({jni.Str("AA:BB:CC:DD:EE:01"), nullptr}), jni.Arr({jni.BadStr()})}) {
        zsim::Reset();
        EXPECT_EQ(Hosts(macs), kJstringFail);
        EXPECT_TRUE(Calls().empty());
        EXPECT_TRUE(Lines().empty());
        // Everything taken has gone back (checked again at the end of the test).
        EXPECT_EQ(jni.Leaks(), "");
    }
}

TEST_F(WlanQueryTest, HostEmptyListOrAnyEmptyElementAsksForAllStations) {
    struct Case {
        std::vector<std::string> macs;
        int chars_taken;
    } cases[] = {
        {{}, 0},
        {{""}, 1},
        {{"AA:BB:CC:DD:EE:01", ""}, 2},
        {{"", "AA:BB:CC:DD:EE:01"}, 1},  // the loop ends at the empty element
    };
    for (const auto &c : cases) {
        zsim::Reset();
        const int before = jni.chars_obtained();
        ZSIM_SCRIPT(zivra_getWLANHostInfo, [](WLANHostRecord *t, int count) {
            EXPECT_EQ(count, 0);
            // A fresh table of 64: nothing of the dropped list is left in it,
            // and its last record is there to be written.
            for (int i = 0; i < 64; ++i) EXPECT_TRUE(AllZero(t[i].MAC)) << i;
            PutHost(&t[63], FullHost(63));
            PutHost(&t[0], Host{"B8:27:EB:5D:0F:9A", "2", "HomeNet", "-63", "72", "65", "n"});
            return 1;
        });
        const std::string want = ListOf({Item(Host{"B8:27:EB:5D:0F:9A", "2", "HomeNet", "-63", "72", "65", "n"})});
        EXPECT_EQ(Hosts(jni.Strs(c.macs)), want);
        EXPECT_EQ(jni.chars_obtained() - before, c.chars_taken);
        EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANHostInfo(count=0 macs=[])"});
        EXPECT_EQ(Lines(), AtLevel2({kHostEnter, HostLeave(want)}));
    }
}

TEST_F(WlanQueryTest, HostMacsAreCutToNineteenCharactersAndTheListToSixtyFour) {
    std::vector<std::string> macs;
    for (int i = 0; i < 70; ++i) macs.push_back("0123456789abcdef-" + std::to_string(100 + i));  // 20 characters
    int seen = -1;
    std::vector<std::string> got;
    ZSIM_SCRIPT(zivra_getWLANHostInfo, [&](WLANHostRecord *t, int count) {
        seen = count;
        for (int i = 0; i < count; ++i) got.push_back(std::string(t[i].MAC, strnlen(t[i].MAC, 20)));
        for (int i = 0; i < count; ++i) EXPECT_EQ(t[i].MAC[19], 0) << i;
        return 0;
    });
    EXPECT_EQ(Hosts(jni.Strs(macs)), "{\"Result\":0,\"List\":[]}");
    EXPECT_EQ(seen, 64);
    ASSERT_EQ(got.size(), 64u);
    EXPECT_EQ(got[0], "0123456789abcdef-10");
    EXPECT_EQ(got[63], "0123456789abcdef-16");
    EXPECT_EQ(jni.chars_obtained(), 64) << "elements past the 64th were read";
}

TEST_F(WlanQueryTest, HostListsOfNoneOneAndSeveralForTheMacsGiven) {
    const std::vector<Host> all = {
        {"6C:4A:85:11:22:33", "1", "HomeNet", "-48", "866", "780", "ac"},
        {"F0:18:98:AA:10:01", "5", "Home \"5G\"", "-55", "1201", "1080", "ax"},
        {"3A:F1:07:2C:9E:44", "4", "", "", "", "", ""},
    };
    for (size_t n : {0u, 1u, 3u}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANHostInfo, [&](WLANHostRecord *t, int count) {
            EXPECT_EQ(count, 3);
            for (size_t i = 0; i < n; ++i) PutHost(&t[i], all[i]);
            return static_cast<int>(n);
        });
        std::vector<std::string> items;
        for (size_t i = 0; i < n; ++i) items.push_back(Item(all[i]));
        const std::string want = ListOf(items);
        EXPECT_EQ(Hosts(jni.Strs({all[0].mac, all[1].mac, all[2].mac})), want) << n;
        EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANHostInfo(count=3 macs=[\"6C:4A:85:11:22:33\","
                                                    "\"F0:18:98:AA:10:01\",\"3A:F1:07:2C:9E:44\"])"});
        EXPECT_EQ(Lines(), AtLevel2({kHostEnter, HostLeave(want)}));
    }
}

TEST_F(WlanQueryTest, HostFullTableOfFullRecordsIsWholeAndCountsAreCutToTheTable) {
    std::vector<std::string> items;
    for (int i = 0; i < 64; ++i) items.push_back(Item(FullHost(i)));
    const std::string want = ListOf(items);
    // 356 characters an item with its comma: more than 256 a record.
    ASSERT_EQ(want.size(), 21u + 64u * 356u);
    for (int reported : {64, 65, INT_MAX}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANHostInfo, [=](WLANHostRecord *t, int) {
            for (int i = 0; i < 64; ++i) PutHost(&t[i], FullHost(i));
            return reported;
        });
        EXPECT_EQ(Hosts(jni.Strs({})), want) << reported;
    }
    // Two MACs make a table of two records: a larger count reads only those.
    ZSIM_SCRIPT(zivra_getWLANHostInfo, [](WLANHostRecord *t, int count) {
        for (int i = 0; i < count; ++i) PutHost(&t[i], FullHost(i));
        return 5;
    });
    EXPECT_EQ(Hosts(jni.Strs({"a", "b"})), ListOf({Item(FullHost(0)), Item(FullHost(1))}));
}

TEST_F(WlanQueryTest, HostNegativeCountIsTheFailReply) {
    ZSIM_SCRIPT(zivra_getWLANHostInfo, [](WLANHostRecord *, int) { return -1; });
    EXPECT_EQ(Hosts(jni.Strs({"6C:4A:85:11:22:33"})), kHostFail);
    EXPECT_EQ(Lines(), AtLevel2({kHostEnter, HostLeave(kHostFail)}));
}

TEST_F(WlanQueryTest, HostAllocationFailures) {
    ZSIM_SCRIPT(zivra_getWLANHostInfo, [](WLANHostRecord *t, int) {
        PutHost(&t[0], FullHost(0));
        return 1;
    });
    // The table of records: nothing logged, nothing asked.
    jobjectArray one = jni.Strs({"6C:4A:85:11:22:33"});
    FailCallocAfter(0);
    const std::string reply = Hosts(one);
    SKIP_UNLESS_CALLOC_FAILED();
    EXPECT_EQ(reply, kJstringFail);
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(Lines().empty());

    // The fresh table of 64 that an empty element asks for.
    jobjectArray dropped = jni.Strs({"6C:4A:85:11:22:33", ""});
    FailCallocAfter(1);
    EXPECT_EQ(Hosts(dropped), kJstringFail);
    EXPECT_TRUE(ArmedCallocFailureHandedOut());
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(Lines().empty());

    // The reply, once the gateway has answered.
    jobjectArray again = jni.Strs({"6C:4A:85:11:22:33"});
    FailCallocAfter(1);
    EXPECT_EQ(Hosts(again), kHostFail);
    EXPECT_TRUE(ArmedCallocFailureHandedOut());
    EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANHostInfo(count=1 macs=[\"6C:4A:85:11:22:33\"])"});
    EXPECT_EQ(Lines(), AtLevel2({kHostEnter, HostLeave(kHostFail)}));
}

// --- SSID settings ---------------------------------------------------------------

TEST_F(WlanQueryTest, SsidInfoShortAndFullFieldsAreWhole) {
    struct Case {
        std::string enable, bssid, name, adv, standard, enc;
    } cases[] = {
        {"1", "A4:7E:39:10:24:01", "Home \"Net\"", "1", "b/g/n", "WPA2-PSK/AES"},
        // 505 characters with every field full.
        {Full(32, "1"), Full(32, "B:"), Full(130, "name"), Full(32, "0"), Full(32, "ac"), Full(128, "WPA3")},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANSSIDInfo, [&](int, char *en, char *bs, char *nm, char *ad, char *st, char *ec) {
            EXPECT_EQ(en[31] | bs[31] | nm[129] | ad[31] | st[31] | ec[127] | en[0] | ec[0], 0);
            memcpy(en, c.enable.data(), c.enable.size());
            memcpy(bs, c.bssid.data(), c.bssid.size());
            memcpy(nm, c.name.data(), c.name.size());
            memcpy(ad, c.adv.data(), c.adv.size());
            memcpy(st, c.standard.data(), c.standard.size());
            memcpy(ec, c.enc.data(), c.enc.size());
            return 0;
        });
        const std::string want = "{\"Result\":0, \"Enable\":\"" + c.enable + "\", \"BSSID\":\"" + c.bssid +
                                 "\", \"SSIDName\":\"" + c.name + "\", \"SSIDAdvertisementEnabled\":\"" + c.adv +
                                 "\", \"Standard\":\"" + c.standard + "\", \"EncryptionMode\":\"" + c.enc + "\"}";
        EXPECT_EQ(SsidInfo(2), want);
        EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANSSIDInfo(ssidIndex=2)"});
        EXPECT_EQ(Lines(), AtLevel2({"getWLANSSIDInfoJni: enter============>\n",
                                     "getWLANSSIDInfoJni: return json = " + want + " leave============>\n"}));
    }
}

TEST_F(WlanQueryTest, SsidInfoPlatformFailure) {
    ZSIM_SCRIPT(zivra_getWLANSSIDInfo, [](int, char *, char *, char *, char *, char *, char *) { return 1; });
    const std::string want = "{\"Result\":-1,\"FailReason\":\"getWLANSSIDInfo fail\"}";
    EXPECT_EQ(SsidInfo(99), want);
    EXPECT_EQ(Lines(), AtLevel2({"getWLANSSIDInfoJni: enter============>\n",
                                 "getWLANSSIDInfoJni: return json = " + want + " leave============>\n"}));
}

// --- Guest SSIDs -----------------------------------------------------------------

struct Slot {
    int result, duration, remain, ssid;
    std::string isolation;  // up to 8 bytes, no NUL at 8
};

std::string Item(const Slot &s) {
    return "{\"SSIDIndex\":" + std::to_string(s.ssid) + ",\"Duration\":" + std::to_string(s.duration) +
           ",\"PortIsolation\":\"" + s.isolation + "\",\"RemainDuration\":" + std::to_string(s.remain) + "}";
}

TEST_F(WlanQueryTest, GuestListHoldsTheSlotsThatAnswerInSlotOrder) {
    const Slot a{0, 480, 215, 4, "1"};
    const Slot b{0, INT_MIN, -1, INT_MAX, "isolated"};  // 8 bytes, no NUL
    const Slot off{-1, 7, 7, 7, "0"};
    struct Case {
        Slot s0, s1;
        std::vector<std::string> items;
    } cases[] = {
        {a, b, {Item(a), Item(b)}},
        {off, b, {Item(b)}},
        {a, off, {Item(a)}},
        {off, off, {}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getGuestSSIDInfo, [&](int slot, int *duration, char *iso, int *remain, int *ssid) {
            EXPECT_EQ(*duration | *remain | *ssid, 0);
            for (int i = 0; i < 8; ++i) EXPECT_EQ(iso[i], 0);
            const Slot &s = slot == 0 ? c.s0 : c.s1;
            *duration = s.duration;
            *remain = s.remain;
            *ssid = s.ssid;
            memcpy(iso, s.isolation.data(), s.isolation.size());
            return s.result;
        });
        const std::string want = ListOf(c.items);
        EXPECT_EQ(Guests(), want);
        EXPECT_EQ(Calls(), (std::vector<std::string>{"getGuestSSIDInfo(slot=0)", "getGuestSSIDInfo(slot=1)"}));
        EXPECT_EQ(Lines(), AtLevel2({"getGuestSSIDInfoJni: enter============>\n",
                                     "getGuestSSIDInfoJni: return json = " + want + "   leave============>\n"}));
    }
}

TEST_F(WlanQueryTest, GuestReplyThatCannotBeAllocatedIsTheFailReply) {
    FailCallocAfter(0);
    const std::string reply = Guests();
    SKIP_UNLESS_CALLOC_FAILED();
    EXPECT_EQ(reply, kGuestFail);
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(Lines(), AtLevel2({"getGuestSSIDInfoJni: enter============>\n",
                                 std::string("getGuestSSIDInfoJni: return json = ") + kGuestFail +
                                     "   leave============>\n"}));
}

// --- WPS and hardware switch -------------------------------------------------------

TEST_F(WlanQueryTest, WpsStatusIsTheGatewayValueUnchanged) {
    for (int value : {0, 1, 42, -1, INT_MIN}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANWPSStatus, [=](int) { return value; });
        EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANWPSStatusJni(env(), self(), -5),
                  value);
        EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANWPSStatus(ssidIndex=-5)"});
        EXPECT_EQ(Lines(), AtLevel2({"getWLANWPSStatusJni: enter============>\n"}));
    }
}

TEST_F(WlanQueryTest, HardwareSwitchIsOnForAnyNonzeroResult) {
    for (int r : {0, 1, 7, -1, INT_MIN}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANHardwareSwitch, [=](const char *) { return r; });
        EXPECT_EQ(Switch(jni.Str("5G")), r != 0 ? JNI_TRUE : JNI_FALSE) << r;
        EXPECT_EQ(Calls(), std::vector<std::string>{"getWLANHardwareSwitch(radioType=\"5G\")"});
        EXPECT_EQ(jni.release_points().back(), 1u);
        EXPECT_EQ(Lines(), AtLevel2({"getWLANHardwareSwitchJni:radioType= 5G  enter============>\n",
                                     "getWLANHardwareSwitchJni:return  = " + std::to_string(r) +
                                         " leave============>\n"}));
    }
}

TEST_F(WlanQueryTest, HardwareSwitchRadioTypeThatCannotBeHadIsOffSilently) {
    ZSIM_SCRIPT(zivra_getWLANHardwareSwitch, [](const char *) { return 1; });
    for (jstring radio : {jni.BadStr(), static_cast<jstring>(nullptr)}) {
        EXPECT_EQ(Switch(radio), JNI_FALSE);
    }
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(Lines().empty());
}

// --- The simulated gateway behind the queries ----------------------------------------

TEST_F(WlanQueryTest, SimulatedGatewayAnswersForKnownStationsAndRadios) {
    const std::string one = Hosts(jni.Strs({"f0:18:98:aa:10:01", "00:00:00:00:00:00"}));
    EXPECT_EQ(one, ListOf({Item(Host{"F0:18:98:AA:10:01", "5", "HomeNet-5G", "-55", "1201", "1080", "ax"})}));
    EXPECT_NE(Neighbor(jni.Str("5G")).find("\"Channel\":149"), std::string::npos);
    EXPECT_EQ(Neighbor(jni.Str("60G")), kNeighborFail);
    EXPECT_EQ(Password(9), "");
    EXPECT_EQ(Guests(), ListOf({Item(Slot{0, 480, 215, 4, "1"})}));
}

}  // namespace
