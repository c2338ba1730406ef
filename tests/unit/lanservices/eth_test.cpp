// EthQueryServiceImp and EthConfigServiceImp.
#include <cstring>
#include <string>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_EthConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_EthQueryServiceImp.h"

namespace {

class EthTest : public BridgeTest {
  protected:
    std::string Stats(jint port) {
        return Text(Java_com_korvanta_nestrova_lanservices_EthQueryServiceImp_getLANEthernetStatsJni(
            env(), self(), port));
    }
    std::string Info(jint port) {
        return Text(Java_com_korvanta_nestrova_lanservices_EthQueryServiceImp_getLANEthernetInfoJni(
            env(), self(), port));
    }
};

const char kStatsEnter[] = "getLANEthernetStatsJni: enter============>\n";

TEST_F(EthTest, StatsRefusesPortsOutsideOneToFourWithoutPlatformCall) {
    for (jint port : {0, 5, -1, -2147483647 - 1, 2147483647}) {
        zsim::Reset();
        EXPECT_EQ(Stats(port), "{\"Result\":-1}") << port;
        EXPECT_TRUE(Calls().empty()) << port;
        EXPECT_EQ(Lines(), AtLevel2({kStatsEnter,
                                     "getLANEthernetStatsJni: return json = {\"Result\":-1}   "
                                     "leave============>\n"}));
    }
}

TEST_F(EthTest, StatsPrintsFullSixtyFourBitCounters) {
    for (jint port : {1, 4}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANEthernetStats, [](int, LANEthernetStatsRecord *r) {
            r->BytesSent = 4294967296ULL;  // 2^32: a 32-bit cut would print 0
            r->BytesReceived = 12345678901234ULL;
            r->PacketsSent = 4294967295u;
            r->PacketsReceived = 7;
            return 0;
        });
        const std::string want =
            "{\"Result\":0,\"BytesSent\":4294967296,\"BytesReceived\":12345678901234,"
            "\"PacketsSent\":4294967295,\"PacketsReceived\":7}";
        EXPECT_EQ(Stats(port), want);
        EXPECT_EQ(Calls(), std::vector<std::string>{"getLANEthernetStats(port=" + std::to_string(port) + ")"});
        EXPECT_EQ(Lines(), AtLevel2({kStatsEnter, "getLANEthernetStatsJni: return json = " + want +
                                                      "   leave============>\n"}));
    }
}

TEST_F(EthTest, StatsWithEveryCounterAtItsMaximumIsReturnedWhole) {
    // 136 characters: more than a 128-byte buffer would hold.
    ZSIM_SCRIPT(zivra_getLANEthernetStats, [](int, LANEthernetStatsRecord *r) {
        r->BytesSent = r->BytesReceived = 18446744073709551615ULL;
        r->PacketsSent = r->PacketsReceived = 4294967295u;
        return 0;
    });
    const std::string want =
        "{\"Result\":0,\"BytesSent\":18446744073709551615,\"BytesReceived\":18446744073709551615,"
        "\"PacketsSent\":4294967295,\"PacketsReceived\":4294967295}";
    ASSERT_EQ(want.size(), 136u);
    EXPECT_EQ(Stats(2), want);
}

TEST_F(EthTest, StatsPlatformFailureAndRecordStartsZeroed) {
    ZSIM_SCRIPT(zivra_getLANEthernetStats, [](int, LANEthernetStatsRecord *r) {
        const LANEthernetStatsRecord zero = {};
        EXPECT_EQ(memcmp(r, &zero, sizeof zero), 0);
        r->BytesSent = 99;
        return 3;
    });
    EXPECT_EQ(Stats(3), "{\"Result\":-1}");
}

TEST_F(EthTest, InfoPassesAnyPortAndQuotesPlatformTexts) {
    for (jint port : {0, -7, 1, 9}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANEthernetInfo, [](int, LANEthernetInfoRecord *r) {
            strcpy(r->Enable, "Yes");
            strcpy(r->Status, "Up");
            strcpy(r->BitRate, "1000");
            strcpy(r->DuplexMode, "Full");
            return 0;
        });
        const std::string want =
            "{\"Result\":0,\"Enable\":\"Yes\",\"Status\":\"Up\",\"BitRate\":\"1000\",\"DuplexMode\":\"Full\"}";
        EXPECT_EQ(Info(port), want);
        EXPECT_EQ(Calls(), std::vector<std::string>{"getLANEthernetInfo(port=" + std::to_string(port) + ")"});
        EXPECT_EQ(Lines(), AtLevel2({"getLANEthernetInfoJni: enter============>\n",
                                     "getLANEthernetInfoJni: return json = " + want + "   leave============>\n"}));
    }
}

TEST_F(EthTest, InfoWithFieldsFilledToTheirLastByteStaysWithinTheirFields) {
    // A platform that leaves no NUL in any field: each text is read up to
    // its field's size and the reply stays whole.
    ZSIM_SCRIPT(zivra_getLANEthernetInfo, [](int, LANEthernetInfoRecord *r) {
        memset(r, 'q', sizeof *r);
        memcpy(r->Status, "\"quoted\"!!", 10);
        return 0;
    });
    EXPECT_EQ(Info(1), "{\"Result\":0,\"Enable\":\"qqqqqqqq\",\"Status\":\"\"quoted\"!!\",\"BitRate\":"
                       "\"qqqqqq\",\"DuplexMode\":\"qqqqqq\"}");
}

TEST_F(EthTest, InfoPlatformFailure) {
    ZSIM_SCRIPT(zivra_getLANEthernetInfo, [](int, LANEthernetInfoRecord *) { return -5; });
    EXPECT_EQ(Info(2), "{\"Result\":-1}");
}

TEST_F(EthTest, EnableMapsAnyNonzeroLowByteToYes) {
    struct Case {
        jboolean value;
        const char *text;
    } cases[] = {{0, "No"}, {1, "Yes"}, {2, "Yes"}, {0x80, "Yes"}, {0xFF, "Yes"}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setLANEthernetEnable, [](int, const char *) { return 7; });
        EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetEnableJni(
                      env(), self(), 3, c.value),
                  7);
        EXPECT_EQ(Calls(), std::vector<std::string>{std::string("setLANEthernetEnable(port=3 enable=\"") +
                                                    c.text + "\")"});
        EXPECT_EQ(Lines(), AtLevel2({"setLANEthernetEnableJni: enter============>\n",
                                     "setLANEthernetEnableJni: return value = 7  leave============>\n"}));
    }
}

// The two text setters share one sequence; each row names one of them.
struct TextSetter {
    const char *method;
    const char *op;
    const char *arg;
    jint (*call)(JNIEnv *, jobject, jint, jstring);
};

const TextSetter kSetters[] = {
    {"setLANEthernetDuplexModeJni", "setLANEthernetDuplexMode", "DuplexMode",
     &Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetDuplexModeJni},
    {"setLANEthernetMaxBitRateJni", "setLANEthernetMaxBitRate", "MaxBitRate",
     &Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetMaxBitRateJni},
};

TEST_F(EthTest, TextSettersCutToSixCharactersAndReturnPlatformResult) {
    struct Case {
        std::string in, out;
    } cases[] = {{"Full", "Full"}, {"", ""}, {"123456789", "123456"}, {"Au\"to", "Au\"to"}};
    for (const auto &s : kSetters) {
        std::string field = s.arg;
        field[0] = static_cast<char>(tolower(field[0]));
        for (const auto &c : cases) {
            zsim::Reset();
            ZSIM_SCRIPT(zivra_setLANEthernetDuplexMode, [](int, const char *) { return 11; });
            ZSIM_SCRIPT(zivra_setLANEthernetMaxBitRate, [](int, const char *) { return 11; });
            EXPECT_EQ(s.call(env(), self(), -4, jni.Str(c.in)), 11);
            EXPECT_EQ(Calls(), std::vector<std::string>{std::string(s.op) + "(port=-4 " + field + "=\"" +
                                                        c.out + "\")"});
            const std::string m = s.method;
            EXPECT_EQ(Lines(), AtLevel2({m + "  JstringToPchar============>\n", m + ": enter============>\n",
                                         m + ": return value = 11  leave============>\n"}));
        }
    }
}

TEST_F(EthTest, TextSettersWhoseStringCannotBeHadReturnMinusOne) {
    for (const auto &s : kSetters) {
        for (jstring arg : {jni.BadStr(), static_cast<jstring>(nullptr)}) {
            zsim::Reset();
            EXPECT_EQ(s.call(env(), self(), 1, arg), -1);
            EXPECT_TRUE(Calls().empty());
            const std::string m = s.method;
            EXPECT_EQ(Lines(), AtLevel2({m + "  JstringToPchar============>\n",
                                         m + ": Get jstring " + s.arg + " fail leave============>\n"}));
        }
    }
}

TEST_F(EthTest, SimulatedGatewayAppliesSettings) {
    using namespace std::string_literals;
    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetDuplexModeJni(
                  env(), self(), 2, jni.Str("Half")),
              0);
    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetEnableJni(
                  env(), self(), 2, 0),
              0);
    EXPECT_EQ(Info(2), "{\"Result\":0,\"Enable\":\"No\",\"Status\":\"Disabled\",\"BitRate\":\"1000\","
                       "\"DuplexMode\":\"Half\"}");
    EXPECT_EQ(Info(5), "{\"Result\":-1}");
}

}  // namespace
