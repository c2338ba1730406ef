// EthQueryServiceImp and EthConfigServiceImp.
#include <algorithm>
#include <cstring>
#include <string>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_EthConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_EthQueryServiceImp.h"

#define ETH(cls, m) Java_com_korvanta_nestrova_lanservices_##cls##_##m

namespace {

using Strings = std::vector<std::string>;

// Copies as much of `text` as the field holds, leaving no NUL when it is longer.
template <size_t N>
void Fill(char (&field)[N], const char *text) {
    memcpy(field, text, std::min(N, strlen(text)));
}

using EthTest = BridgeTest;

TEST_F(EthTest, StatsRepliesWithWholeCountersOrRefuses) {
    const LANEthernetStatsRecord kMax = {18446744073709551615ULL, 18446744073709551615ULL, 4294967295u,
                                         4294967295u};
    const LANEthernetStatsRecord k2To32 = {4294967296ULL, 12345678901234ULL, 7u, 0u};
    const struct {
        jint port;
        const LANEthernetStatsRecord *record;  // null: no platform call expected
        int result;
        std::string reply;
    } cases[] = {
        // Every counter at its maximum: 136 characters, more than 128 would hold.
        {1, &kMax, 0,
         "{\"Result\":0,\"BytesSent\":18446744073709551615,\"BytesReceived\":18446744073709551615,"
         "\"PacketsSent\":4294967295,\"PacketsReceived\":4294967295}"},
        // A byte counter of 2^32 cut to 32 bits would print 0.
        {4, &k2To32, 0,
         "{\"Result\":0,\"BytesSent\":4294967296,\"BytesReceived\":12345678901234,\"PacketsSent\":7,"
         "\"PacketsReceived\":0}"},
        {2, &kMax, 3, "{\"Result\":-1}"},
        // Ports outside 1..4, zero and negative ones wrapping high, never reach the gateway.
        {0, nullptr, 0, "{\"Result\":-1}"},
        {5, nullptr, 0, "{\"Result\":-1}"},
        {-2147483647 - 1, nullptr, 0, "{\"Result\":-1}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANEthernetStats, [&c](int, LANEthernetStatsRecord *r) {
            const LANEthernetStatsRecord zero = {};
            EXPECT_EQ(memcmp(r, &zero, sizeof zero), 0) << "record not zeroed";
            *r = *c.record;
            return c.result;
        });
        EXPECT_EQ(Text(ETH(EthQueryServiceImp, getLANEthernetStatsJni)(env(), self(), c.port)), c.reply) << c.port;
        EXPECT_EQ(Calls(), c.record ? Strings{"getLANEthernetStats(port=" + std::to_string(c.port) + ")"}
                                    : Strings{}) << c.port;
        EXPECT_EQ(Lines(), AtLevel2({"getLANEthernetStatsJni: enter============>\n",
                                     "getLANEthernetStatsJni: return json = " + c.reply + "   leave============>\n"}));
    }
}

TEST_F(EthTest, InfoPassesAnyPortAndQuotesTextsReadWithinTheirFields) {
    const struct {
        jint port;
        int result;
        const char *fill;  // each field filled with this, no NUL left when it is long enough
        std::string reply;
    } cases[] = {
        {-7, 0, "Up", "{\"Result\":0,\"Enable\":\"Up\",\"Status\":\"Up\",\"BitRate\":\"Up\",\"DuplexMode\":\"Up\"}"},
        {0, 0, "\"qqqqqqqqqqq",
         "{\"Result\":0,\"Enable\":\"\"qqqqqqq\",\"Status\":\"\"qqqqqqqqq\",\"BitRate\":\"\"qqqqq\","
         "\"DuplexMode\":\"\"qqqqq\"}"},
        {2, -5, "Up", "{\"Result\":-1}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANEthernetInfo, [&c](int, LANEthernetInfoRecord *r) {
            Fill(r->Enable, c.fill);
            Fill(r->Status, c.fill);
            Fill(r->BitRate, c.fill);
            Fill(r->DuplexMode, c.fill);
            return c.result;
        });
        EXPECT_EQ(Text(ETH(EthQueryServiceImp, getLANEthernetInfoJni)(env(), self(), c.port)), c.reply);
        EXPECT_EQ(Calls(), Strings{"getLANEthernetInfo(port=" + std::to_string(c.port) + ")"});
        EXPECT_EQ(Lines(), AtLevel2({"getLANEthernetInfoJni: enter============>\n",
                                     "getLANEthernetInfoJni: return json = " + c.reply + "   leave============>\n"}));
    }
}

TEST_F(EthTest, EnableMapsAnyNonzeroByteToYes) {
    for (jboolean value : {0, 1, 2, 0x80, 0xFF}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setLANEthernetEnable, [](int, const char *) { return 7; });
        EXPECT_EQ(ETH(EthConfigServiceImp, setLANEthernetEnableJni)(env(), self(), 3, value), 7);
        EXPECT_EQ(Calls(), Strings{std::string("setLANEthernetEnable(port=3 enable=\"") + (value ? "Yes" : "No") +
                                   "\")"});
        EXPECT_EQ(Lines(), AtLevel2({"setLANEthernetEnableJni: enter============>\n",
                                     "setLANEthernetEnableJni: return value = 7  leave============>\n"}));
    }
}

// The two text setters share one sequence; `arg` is the name in the error line.
TEST_F(EthTest, TextSettersKeepSixCharactersOrFailWithoutTheGateway) {
    const struct {
        std::string method, op, field, arg;
        jint (*call)(JNIEnv *, jobject, jint, jstring);
    } setters[] = {
        {"setLANEthernetDuplexModeJni", "setLANEthernetDuplexMode", "duplexMode", "DuplexMode",
         &ETH(EthConfigServiceImp, setLANEthernetDuplexModeJni)},
        {"setLANEthernetMaxBitRateJni", "setLANEthernetMaxBitRate", "maxBitRate", "MaxBitRate",
         &ETH(EthConfigServiceImp, setLANEthernetMaxBitRateJni)},
    };
    const struct {
        const char *in;  // null: characters that cannot be had
        std::string out;
    } texts[] = {{"Full", "Full"}, {"123456789", "123456"}, {nullptr, ""}};
    for (const auto &s : setters) {
        for (const auto &t : texts) {
            zsim::Reset();
            ZSIM_SCRIPT(zivra_setLANEthernetDuplexMode, [](int, const char *) { return 11; });
            ZSIM_SCRIPT(zivra_setLANEthernetMaxBitRate, [](int, const char *) { return 11; });
            const std::string convert = s.method + "  JstringToPchar============>\n";
            EXPECT_EQ(s.call(env(), self(), -4, t.in ? jni.Str(t.in) : jni.BadStr()), t.in ? 11 : -1);
            EXPECT_EQ(Calls(), t.in ? Strings{s.op + "(port=-4 " + s.field + "=\"" + t.out + "\")"} : Strings{});
            EXPECT_EQ(Lines(), AtLevel2(t.in ? Strings{convert, s.method + ": enter============>\n",
                                                       s.method + ": return value = 11  leave============>\n"}
                                             : Strings{convert, s.method + ": Get jstring " + s.arg +
                                                                    " fail leave============>\n"}));
        }
    }
}

}  // namespace
