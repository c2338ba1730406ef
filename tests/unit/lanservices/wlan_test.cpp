// WlanConfigServiceImp, WlanQueryServiceImp and WlanSecretQueryServiceImp.
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_WlanConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_WlanQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_WlanSecretQueryServiceImp.h"
#include "fail_calloc.h"

#define WC(m) Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_##m
#define WQ(m) Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_##m
#define WS(m) Java_com_korvanta_nestrova_lanservices_WlanSecretQueryServiceImp_##m

namespace {

using Strings = std::vector<std::string>;

const char kJstringFail[] = "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}";
const char kNeighborFail[] = "{\"Result\":-1,\"FailReason\":\"getWLANNeighbor fail\"}";
const char kHostFail[] = "{\"Result\":-1,\"FailReason\":\"getWLANHostInfo fail\"}";
const char kGuestFail[] = "{\"Result\":-1,\"FailReason\":\"getGuestSSIDInfo fail\"}";
const char kNeighborEnter[] = "getWLANNeighborJni: CradioType:2.4G enter============>\n";
const char kHostEnter[] = "getWLANHostInfoJni:  enter============>\n";
const char kGuestEnter[] = "getGuestSSIDInfoJni: enter============>\n";

// `tmpl` with each '$' replaced by the next of `texts`, '@' by `text` and
// '#' by the number `bit`.
std::string Sub(const std::string &tmpl, const Strings &texts, const std::string &text = "", int bit = 0) {
    std::string o;
    size_t n = 0;
    for (char ch : tmpl) {
        o += ch == '$' && n < texts.size() ? texts[n++] : ch == '@' ? text : ch == '#' ? std::to_string(bit)
                                                                                        : std::string{ch};
    }
    return o;
}

std::string ListOf(const Strings &items) {
    std::string s = "{\"Result\":0,\"List\":[";
    for (size_t i = 0; i < items.size(); ++i) s += (i ? "," : "") + items[i];
    return s + "]}";
}

std::string Leave(const std::string &method, const std::string &reply) {
    return method + ": return json = " + reply + "   leave============>\n";
}

// Every setter answers -7, so a result passed through is told apart from
// one the bridge made up.
void AnswerAll() {
    const auto answer = [](auto...) { return -7; };
    ZSIM_SCRIPT(zivra_setWLANSSIDAdvertisement, answer);
    ZSIM_SCRIPT(zivra_setWLANSSIDSecurity, answer);
    ZSIM_SCRIPT(zivra_setWLANRadioFrequencyWidth, answer);
    ZSIM_SCRIPT(zivra_setWLANStandard, answer);
    ZSIM_SCRIPT(zivra_addWLANGuestSSID, answer);
    ZSIM_SCRIPT(zivra_setWLANRadioPower, answer);
    ZSIM_SCRIPT(zivra_setWLANSSIDSwitch, answer);
    ZSIM_SCRIPT(zivra_setWLANGuestPortIsolation, answer);
    ZSIM_SCRIPT(zivra_startWLANWPS, answer);
    ZSIM_SCRIPT(zivra_deleteWLANGuestSSID, answer);
    ZSIM_SCRIPT(zivra_setWLANHardwareSwitch, answer);
    ZSIM_SCRIPT(zivra_setWLANGuestDuration, answer);
    ZSIM_SCRIPT(zivra_stopWLANWPS, answer);
    ZSIM_SCRIPT(zivra_setWLANRadioChannel, answer);
}

// Gives record r a text in each field (of the size given), which must come
// zeroed: a digit of its own, filling the whole field with no NUL when
// `full`, else 1 to 3 of it.
Strings Fill(int r, bool full, const std::vector<char *> &fields, const std::vector<size_t> &sizes) {
    Strings texts;
    for (size_t f = 0; f < fields.size(); ++f) {
        EXPECT_EQ(std::string(fields[f], sizes[f]), std::string(sizes[f], '\0')) << f;
        texts.emplace_back(full ? sizes[f] : 1 + f % 3, static_cast<char>('1' + (r + f) % 9));
        memcpy(fields[f], texts.back().data(), texts.back().size());
    }
    return texts;
}

class WlanTest : public BridgeTest {
  protected:
    std::string Neighbor(jstring radio) { return Text(WQ(getWLANNeighborJni)(env(), self(), radio)); }
    std::string Hosts(jobjectArray macs) { return Text(WQ(getWLANHostInfoJni)(env(), self(), macs)); }
    std::string Guests() { return Text(WQ(getGuestSSIDInfoJni)(env(), self())); }
};

// The password, counter, radio and SSID queries: texts shorter than their
// buffers, texts filling them with no NUL (the reply stays whole), a failed read.
TEST_F(WlanTest, TextQueriesShortFullAndFailed) {
    const struct {
        std::function<jstring()> call;
        std::vector<size_t> sizes;                          // of the buffers, in argument order
        const char *record, *reply, *fail, *enter, *leave;  // '$' in the leave line is the reply
    } queries[] = {
        {[&] { return WS(getWLANSSIDPasswordJni)(env(), self(), -3); }, {256}, "getWLANSSIDPassword(ssidIndex=-3)",
         "$", "", "getWLANSSIDPasswordJni: enter============>\n", nullptr},
        {[&] { return WQ(getWLANSSIDStatsJni)(env(), self(), 7); }, {64, 32, 64, 64, 64, 64, 64, 64},
         "getWLANSSIDStats(ssidIndex=7)",
         "{\"Result\":0,\"TotalPacketsReceived\":$,\"TotalPacketsSent\":$,\"TotalBytesReceived\":$,\"TotalBytesSent\":"
         "$,\"ErrorsSent\":$,\"DiscardPacketsSent\":$,\"ErrorsReceived\":$,\"DiscardPacketsReceived\":$}",
         "{\"Result\":-1,\"FailReason\":\"getWLANSSIDStats fail\"}", "getWLANSSIDStatsJni: enter============>\n",
         "getWLANSSIDStatsJni: return json = $ leave============>\n"},
        {[&] { return WQ(getWLANRadioInfoJni)(env(), self(), jni.Str("2.4G")); }, {64, 32, 128, 130, 64},
         "getWLANRadioInfo(radioType=\"2.4G\")",
         "{\"Result\":0, \"Channel\":$, \"AutoChannelEnable\":\"$\", \"ChannelsInUse\":\"$\", \"TransmitPower\":\"$\", "
         "\"FrequencyWidth\":\"$\"}",
         "{\"Result\":-1,\"FailReason\":\"Get WLANRadioInfo fail\"}", "getWLANRadioInfoJni: radioType:2.4G\n",
         "getWLANRadioInfoJni: return json = $ leave============>\n"},
        {[&] { return WQ(getWLANSSIDInfoJni)(env(), self(), 2); }, {32, 32, 130, 32, 32, 128},
         "getWLANSSIDInfo(ssidIndex=2)",
         "{\"Result\":0, \"Enable\":\"$\", \"BSSID\":\"$\", \"SSIDName\":\"$\", \"SSIDAdvertisementEnabled\":\"$\", "
         "\"Standard\":\"$\", \"EncryptionMode\":\"$\"}",
         "{\"Result\":-1,\"FailReason\":\"getWLANSSIDInfo fail\"}", "getWLANSSIDInfoJni: enter============>\n",
         "getWLANSSIDInfoJni: return json = $ leave============>\n"},
    };
    for (const auto &q : queries) {
        for (int row = 0; row < 3; ++row) {
            zsim::Reset();
            Strings texts;
            auto give = [&](const std::vector<char *> &bufs) {
                texts = Fill(0, row == 1, bufs, q.sizes);
                return row == 2 ? 3 : 0;
            };
            ZSIM_SCRIPT(zivra_getWLANSSIDPassword, [&](int, char *b) { return give({b}); });
            ZSIM_SCRIPT(zivra_getWLANSSIDStats, [&](int, auto... b) { return give({b...}); });
            ZSIM_SCRIPT(zivra_getWLANRadioInfo, [&](const char *, auto... b) { return give({b...}); });
            ZSIM_SCRIPT(zivra_getWLANSSIDInfo, [&](int, auto... b) { return give({b...}); });
            const std::string reply = Text(q.call());
            EXPECT_EQ(reply, row == 2 ? q.fail : Sub(q.reply, texts)) << q.record << " row " << row;
            EXPECT_EQ(Calls(), Strings{q.record});
            EXPECT_EQ(Lines(), AtLevel2(q.leave ? Strings{q.enter, Sub(q.leave, {reply})} : Strings{q.enter}));
        }
    }
    EXPECT_EQ(jni.release_points(), std::vector<size_t>(3, 1u)) << "radio type released after the gateway call";
}

TEST_F(WlanTest, NeighborListsOfNoneOneSeveralAFullTableAndCountsOutOfRange) {
    // Records filled, count reported.
    const std::pair<int, int> cases[] = {{0, 0}, {3, 3}, {64, 65}, {1, -1}};
    for (const auto &c : cases) {
        zsim::Reset();
        Strings items;
        ZSIM_SCRIPT(zivra_getWLANNeighbor, [&](const char *, WLANNeighborTable *t) {
            for (int i = 0; i < c.first; ++i) {
                items.push_back(Sub("{\"SSIDName\":\"$\",\"BSSID\":\"$\",\"NetworkType\":\"$\",\"Channel\":$,"
                                    "\"RSSI\":\"$\",\"Standard\":\"$\"}",
                                    Fill(i, true, {t->SSIDName[i], t->BSSID[i], t->NetworkType[i], t->Channel[i],
                                                   t->RSSI[i], t->Standard[i]}, {130, 20, 12, 4, 8, 20})));
            }
            return c.second;
        });
        const std::string reply = Neighbor(jni.Str("2.4G"));
        EXPECT_EQ(reply, c.second < 0 ? kNeighborFail : ListOf(items)) << c.second;
        EXPECT_EQ(Calls(), Strings{"getWLANNeighbor(radioType=\"2.4G\")"});
        EXPECT_EQ(jni.release_points().back(), 1u) << "radio type released after the gateway call";
        // A failed scan writes no leave line.
        EXPECT_EQ(Lines(), AtLevel2(c.second < 0 ? Strings{kNeighborEnter}
                                                   : Strings{kNeighborEnter, Leave("getWLANNeighborJni", reply)}));
    }
}

TEST_F(WlanTest, HostListsOfNoneOneSeveralAFullTableCountsOutOfRangeAndTheMacRules) {
    const Strings three = {"6C:4A:85:11:22:33", "F0:18:98:AA:10:01", "3A:F1:07:2C:9E:44"};
    const std::string kThree = "count=3 macs=[\"6C:4A:85:11:22:33\",\"F0:18:98:AA:10:01\",\"3A:F1:07:2C:9E:44\"]";
    const std::string kAll = "count=0 macs=[]";
    // 70 MACs of 20 characters: the first 64 are asked for, each cut to 19.
    Strings many;
    std::string k64 = "count=64 macs=[";
    for (int i = 0; i < 70; ++i) many.push_back("0123456789abcdef-" + std::to_string(100 + i));
    for (int i = 0; i < 64; ++i) k64 += (i ? ",\"" : "\"") + many[i].substr(0, 19) + "\"";
    const struct {
        Strings macs;
        int filled, reported;
        std::string call;
    } cases[] = {
        {three, 0, 0, kThree}, {three, 3, 3, kThree}, {{}, 64, 65, kAll}, {three, 0, -1, kThree}, {many, 1, 1, k64 + "]"},
        // Two MACs make a table of two records: a larger count reads only those.
        {{"a", "b"}, 2, 5, "count=2 macs=[\"a\",\"b\"]"},
        // An empty element anywhere drops the list: all stations, in a fresh table of 64.
        {{"m1", ""}, 64, 64, kAll}, {{"", "m2"}, 64, 64, kAll},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        Strings items;
        ZSIM_SCRIPT(zivra_getWLANHostInfo, [&](WLANHostRecord *t, int count) {
            for (int i = 0; i < (count == 0 ? 64 : 0); ++i) EXPECT_EQ(std::string(t[i].MAC, 20), std::string(20, '\0'));
            for (int i = 0; i < c.filled && (count == 0 || i < count); ++i) {  // a table of 64, or of `count`
                WLANHostRecord &h = t[i];
                memset(&h, 0, sizeof h);  // the gateway overwrites the MAC asked for
                items.push_back(Sub("{\"MAC\":\"$\", \"SSIDIndex\":$, \"SSIDName\":\"$\", \"RSSI\":\"$\", "
                                    "\"RxRate\":\"$\", \"TxRate\":\"$\", \"Standard\":\"$\"}",
                                    Fill(i, true, {h.MAC, h.SSIDIndex, h.SSIDName, h.RSSI, h.RxRate, h.TxRate,
                                                   h.Standard}, {20, 8, 128, 12, 32, 32, 32})));
            }
            return c.reported;
        });
        const std::string reply = Hosts(jni.Strs(c.macs));
        EXPECT_EQ(reply, c.reported < 0 ? kHostFail : ListOf(items)) << c.call << " " << c.reported;
        EXPECT_EQ(Calls(), Strings{"getWLANHostInfo(" + c.call + ")"});
        EXPECT_EQ(Lines(), AtLevel2({kHostEnter, Leave("getWLANHostInfoJni", reply)}));
    }
}

TEST_F(WlanTest, GuestListHoldsTheSlotsThatAnswerInSlotOrder) {
    const char ia[] = "{\"SSIDIndex\":4,\"Duration\":480,\"PortIsolation\":\"1\",\"RemainDuration\":215}";
    const char ib[] = "{\"SSIDIndex\":8,\"Duration\":-2147483648,\"PortIsolation\":\"isolated\",\"RemainDuration\":-1}";
    // Bit s set: slot s answers.
    const std::pair<int, Strings> cases[] = {{3, {ia, ib}}, {2, {ib}}, {1, {ia}}, {0, {}}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getGuestSSIDInfo, [&](int slot, int *duration, char *iso, int *remain, int *ssid) {
            *duration = slot ? INT_MIN : 480, *remain = slot ? -1 : 215, *ssid = slot ? 8 : 4;
            memcpy(iso, slot ? "isolated" : "1", slot ? 8 : 1);  // 8 bytes: no NUL
            return c.first & (1 << slot) ? 0 : -1;
        });
        const std::string reply = Guests();
        EXPECT_EQ(reply, ListOf(c.second));
        EXPECT_EQ(Calls(), (Strings{"getGuestSSIDInfo(slot=0)", "getGuestSSIDInfo(slot=1)"}));
        EXPECT_EQ(Lines(), AtLevel2({kGuestEnter, Leave("getGuestSSIDInfoJni", reply)}));
    }
}

// Texts that cannot be had, then allocations that fail: nothing is logged
// before the gateway call, and every reply is a fail reply.
TEST_F(WlanTest, TextsThatCannotBeHadAndAllocationFailures) {
    const struct {
        std::function<std::string()> call;
        int passes;  // callocs that succeed before the one that fails; -1: none fails
        const char *reply, *record;
        Strings lines;
    } cases[] = {
        {[&] { return Neighbor(jni.BadStr()); }, -1, kJstringFail, nullptr, {}},
        {[&] { return Text(WQ(getWLANRadioInfoJni)(env(), self(), jni.BadStr())); }, -1, kJstringFail, nullptr, {}},
        {[&] { return WQ(getWLANHardwareSwitchJni)(env(), self(), jni.BadStr()) ? "1" : "0"; }, -1, "0", nullptr, {}},
        {[&] { return Hosts(nullptr); }, -1, kJstringFail, nullptr, {}},
        {[&] { return Hosts(jni.Arr({jni.Str("m1"), jni.BadStr(), jni.Str("m3")})); }, -1, kJstringFail, nullptr, {}},
        {[&] { return Neighbor(jni.Str("2.4G")); }, 0, kNeighborFail, "getWLANNeighbor(radioType=\"2.4G\")",
         {kNeighborEnter, Leave("getWLANNeighborJni", kNeighborFail)}},
        {[&] { return Guests(); }, 0, kGuestFail, nullptr, {kGuestEnter, Leave("getGuestSSIDInfoJni", kGuestFail)}},
        {[&] { return Hosts(jni.Strs({"m1"})); }, 0, kJstringFail, nullptr, {}},      // the table of records
        {[&] { return Hosts(jni.Strs({"m1", ""})); }, 1, kJstringFail, nullptr, {}},  // the fresh table of 64
        {[&] { return Hosts(jni.Strs({"m1"})); }, 1, kHostFail, "getWLANHostInfo(count=1 macs=[\"m1\"])",  // the reply
         {kHostEnter, Leave("getWLANHostInfoJni", kHostFail)}},
    };
    bool armed_before = false;
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANNeighbor, [](const char *, WLANNeighborTable *) { return 1; });
        ZSIM_SCRIPT(zivra_getWLANHostInfo, [](WLANHostRecord *, int) { return 1; });
        if (c.passes >= 0) FailCallocAfter(c.passes);
        const std::string reply = c.call();
        if (c.passes >= 0) {
            const bool failed = ArmedCallocFailureHandedOut();
            // None handed out at the first: a build whose calloc cannot be replaced.
            if (!failed && !armed_before) GTEST_SKIP() << "calloc cannot be made to fail in this build";
            EXPECT_TRUE(failed) << c.reply;
            armed_before = true;
        }
        EXPECT_EQ(reply, c.reply);
        EXPECT_EQ(Calls(), c.record ? Strings{c.record} : Strings{});
        EXPECT_EQ(Lines(), AtLevel2(c.lines));
    }
}

TEST_F(WlanTest, WpsStatusAsIsAndHardwareSwitchOnForAnyNonzeroResult) {
    for (int r : {0, 1, -1, INT_MIN}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getWLANWPSStatus, [=](int) { return r; });
        ZSIM_SCRIPT(zivra_getWLANHardwareSwitch, [=](const char *) { return r; });
        EXPECT_EQ(WQ(getWLANWPSStatusJni)(env(), self(), -5), r);
        EXPECT_EQ(WQ(getWLANHardwareSwitchJni)(env(), self(), jni.Str("5G")), r != 0 ? JNI_TRUE : JNI_FALSE) << r;
        EXPECT_EQ(jni.release_points().back(), 2u) << "radio type released after the gateway call";
        EXPECT_EQ(Calls(), (Strings{"getWLANWPSStatus(ssidIndex=-5)", "getWLANHardwareSwitch(radioType=\"5G\")"}));
        EXPECT_EQ(Lines(), AtLevel2({"getWLANWPSStatusJni: enter============>\n",
                                     "getWLANHardwareSwitchJni:radioType= 5G  enter============>\n",
                                     "getWLANHardwareSwitchJni:return  = " + std::to_string(r) +
                                         " leave============>\n"}));
    }
}


// Every setter with a negative index (numbers reach the gateway unchanged),
// its Strings 300 characters long (passed without a copy, so never cut), its
// boolean false and true, and each of its Strings unreadable in turn.
TEST_F(WlanTest, EverySetter) {
    const struct {
        size_t strings;
        const char *bools;  // the boolean's texts for true and for false; null: no boolean
        bool exactly_one;   // true only for a byte of exactly 1, shown in its line as it came
        std::function<jint(const std::vector<jstring> &, jboolean)> call;
        const char *record;
        Strings lines;
    } setters[] = {
        {0, "01", false, [&](auto &, auto b) { return WC(setWLANSSIDAdvertisementJni)(env(), self(), -1, b); },
         "setWLANSSIDAdvertisement(ssidIndex=-1 hide=\"@\")",
         {"setWLANSSIDAdvertisementJni: enter============>\n",
          "setWLANSSIDAdvertisementJni: return json = \"Result\":-7 leave============>\n"}},
        {3, nullptr, false, [&](auto &s, auto) { return WC(setWLANSSIDSecurityJni)(env(), self(), -1, s[0], s[1], s[2]); },
         "setWLANSSIDSecurity(ssidIndex=-1 security1=\"$\" security2=\"$\" security3=\"$\")",
         {"setWLANSSIDSecurityJni: enter============>\n"}},
        {2, nullptr, false, [&](auto &s, auto) { return WC(setWLANRadioFrequencyWidthJni)(env(), self(), s[0], s[1]); },
         "setWLANRadioFrequencyWidth(radioType=\"$\" frequencyWidth=\"$\")",
         {"setWLANRadioFrequencyWidthJni: enter============>\n"}},
        {2, nullptr, false, [&](auto &s, auto) { return WC(setWLANStandardJni)(env(), self(), s[0], s[1]); },
         "setWLANStandard(radioType=\"$\" standard=\"$\")",  // the first line has no line end
         {"setWLANStandardJni:CradioType:$,Cstandard:$", "setWLANStandardJni: enter============>\n"}},
        {0, nullptr, false, [&](auto &, auto) { return WC(addWLANGuestSSIDJni)(env(), self(), -1); },
         "addWLANGuestSSID(guestSsidIndex=-1)", {"addWLANGuestSSIDJni: guestSsidIndex:-1 enter============>\n"}},
        {1, nullptr, false, [&](auto &s, auto) { return WC(setWLANRadioPowerJni)(env(), self(), s[0], 99); },
         "setWLANRadioPower(radioType=\"$\" power=99)", {"setWLANRadioPowerJni: radioType:$ enter============>\n"}},
        {0, "10", false, [&](auto &, auto b) { return WC(setWLANSSIDSwitchJni)(env(), self(), -1, b); },
         "setWLANSSIDSwitch(ssidIndex=-1 enable=\"@\")",
         {"setWLANSSIDSwitchJni: enable:# enter============>\n",
          "setWLANSSIDSwitchJni: Enable:@ enter============>\n"}},
        {0, "10", false, [&](auto &, auto b) { return WC(setWLANGuestPortIsolationJni)(env(), self(), -1, b); },
         "setWLANGuestPortIsolation(guestSsidIndex=-1 isolate=\"@\")",
         {"setWLANGuestPortIsolationJni: enter============>\n"}},
        {0, nullptr, false, [&](auto &, auto) { return WC(startWLANWPSJni)(env(), self(), -1); },
         "startWLANWPS(ssidIndex=-1)", {}},
        {0, nullptr, false, [&](auto &, auto) { return WC(deleteWLANGuestSSIDJni)(env(), self(), -1); },
         "deleteWLANGuestSSID(guestSsidIndex=-1)", {}},
        {1, "10", true, [&](auto &s, auto b) { return WC(setWLANHardwareSwitchJni)(env(), self(), s[0], b); },
         "setWLANHardwareSwitch(radioType=\"$\" on=\"@\")",
         {"setWLANHardwareSwitchJni: radioType:$,WLANHardwareSwitch:# enter============>\n"}},
        {0, nullptr, false, [&](auto &, auto) { return WC(setWLANGuestDurationJni)(env(), self(), -1, 99); },
         "setWLANGuestDuration(guestSsidIndex=-1 duration=99)", {"setWLANGuestDurationJni: enter============>\n"}},
        {0, nullptr, false, [&](auto &, auto) { return WC(stopWLANWPSJni)(env(), self(), -1); },
         "stopWLANWPS(ssidIndex=-1)", {"stopWLANWPSJni: ssidIndex:-1 enter============>\n"}},
        {1, nullptr, false, [&](auto &s, auto) { return WC(setWLANRadioChannelJni)(env(), self(), s[0], 99); },
         "setWLANRadioChannel(radioType=\"$\" channel=99)",
         {"setWLANRadioChannelJni: radioType:$ enter============>\n",
          "setWLANRadioChannelJni: return json = \"Result\":-7 leave============>\n"}},
    };
    for (const auto &s : setters) {
        Strings texts;
        for (size_t i = 0; i < s.strings; ++i) texts.push_back(std::string(300, static_cast<char>('a' + i)));
        // Any nonzero byte is a Java true, except where only 1 is.
        for (jboolean b : s.bools ? std::vector<jboolean>{0, 1, 0x80} : std::vector<jboolean>{0}) {
            const bool on = s.exactly_one ? b == 1 : b != 0;
            const int shown = s.exactly_one ? b : on;
            zsim::Reset();
            AnswerAll();
            std::vector<jstring> args;
            for (const auto &t : texts) args.push_back(jni.Str(t));
            const std::string text = s.bools ? std::string(1, s.bools[on ? 0 : 1]) : "";
            EXPECT_EQ(s.call(args, b), -7) << s.record;
            EXPECT_EQ(Calls(), Strings{Sub(s.record, texts, text, shown)}) << int(b);
            Strings lines;
            for (const auto &l : s.lines) lines.push_back(Sub(l, texts, text, shown));
            EXPECT_EQ(Lines(), AtLevel2(lines)) << s.record << " " << int(b);
            EXPECT_EQ(s.strings ? jni.release_points().back() : 1u, 1u) << "released after the gateway call";
        }
        for (size_t missing = 0; missing < s.strings; ++missing) {  // its characters cannot be had: silent -1
            zsim::Reset();
            std::vector<jstring> args;
            for (size_t i = 0; i < s.strings; ++i) args.push_back(i != missing ? jni.Str(texts[i]) : jni.BadStr());
            EXPECT_EQ(s.call(args, 0), -1) << s.record << " missing " << missing;
            EXPECT_EQ(Calls(), Strings{});
            EXPECT_EQ(Lines(), Strings{});
        }
    }
}

}  // namespace
