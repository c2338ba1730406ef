// WlanConfigServiceImp.
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_WlanConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_WlanQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_WlanSecretQueryServiceImp.h"

namespace {

using Strings = std::vector<std::string>;

class WlanConfigTest : public BridgeTest {
  protected:
    // Every setter answers 7 unless a test scripts otherwise, so a result
    // passed through is told apart from one the bridge made up.
    void ScriptAll(int result) {
        ZSIM_SCRIPT(zivra_setWLANSSIDAdvertisement, [=](int, const char *) { return result; });
        ZSIM_SCRIPT(zivra_setWLANSSIDSecurity, [=](int, const char *, const char *, const char *) { return result; });
        ZSIM_SCRIPT(zivra_setWLANRadioFrequencyWidth, [=](const char *, const char *) { return result; });
        ZSIM_SCRIPT(zivra_setWLANStandard, [=](const char *, const char *) { return result; });
        ZSIM_SCRIPT(zivra_addWLANGuestSSID, [=](int) { return result; });
        ZSIM_SCRIPT(zivra_setWLANRadioPower, [=](const char *, int) { return result; });
        ZSIM_SCRIPT(zivra_setWLANSSIDSwitch, [=](int, const char *) { return result; });
        ZSIM_SCRIPT(zivra_setWLANGuestPortIsolation, [=](int, const char *) { return result; });
        ZSIM_SCRIPT(zivra_startWLANWPS, [=](int) { return result; });
        ZSIM_SCRIPT(zivra_deleteWLANGuestSSID, [=](int) { return result; });
        ZSIM_SCRIPT(zivra_setWLANHardwareSwitch, [=](const char *, const char *) { return result; });
        ZSIM_SCRIPT(zivra_setWLANGuestDuration, [=](int, int) { return result; });
        ZSIM_SCRIPT(zivra_stopWLANWPS, [=](int) { return result; });
        ZSIM_SCRIPT(zivra_setWLANRadioChannel, [=](const char *, int) { return result; });
    }
};

// --- Boolean setters -----------------------------------------------------------

struct BoolSetter {
    const char *name;
    const char *true_text;
    const char *false_text;
    jint (*call)(JNIEnv *, jobject, FakeJni &, jboolean);
    // The platform call expected for a text.
    std::string (*record)(const std::string &text);
    // The log lines expected for the 0/1 the byte stands for, the text and the result.
    Strings (*lines)(int bit, const std::string &text, int result);
};

const BoolSetter kBoolSetters[] = {
    {"setWLANSSIDAdvertisementJni", "0", "1",
     [](JNIEnv *env, jobject self, FakeJni &, jboolean v) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANSSIDAdvertisementJni(env, self, 3,
                                                                                                       v);
     },
     [](const std::string &t) { return "setWLANSSIDAdvertisement(ssidIndex=3 hide=\"" + t + "\")"; },
     [](int, const std::string &, int r) {
         return Strings{"setWLANSSIDAdvertisementJni: enter============>\n",
                        "setWLANSSIDAdvertisementJni: return json = \"Result\":" + std::to_string(r) +
                            " leave============>\n"};
     }},
    {"setWLANSSIDSwitchJni", "1", "0",
     [](JNIEnv *env, jobject self, FakeJni &, jboolean v) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANSSIDSwitchJni(env, self, 6, v);
     },
     [](const std::string &t) { return "setWLANSSIDSwitch(ssidIndex=6 enable=\"" + t + "\")"; },
     [](int bit, const std::string &t, int) {
         return Strings{"setWLANSSIDSwitchJni: enable:" + std::to_string(bit) + " enter============>\n",
                        "setWLANSSIDSwitchJni: Enable:" + t + " enter============>\n"};
     }},
    {"setWLANGuestPortIsolationJni", "1", "0",
     [](JNIEnv *env, jobject self, FakeJni &, jboolean v) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANGuestPortIsolationJni(env, self, 8,
                                                                                                        v);
     },
     [](const std::string &t) { return "setWLANGuestPortIsolation(guestSsidIndex=8 isolate=\"" + t + "\")"; },
     [](int, const std::string &, int) { return Strings{"setWLANGuestPortIsolationJni: enter============>\n"}; }},
    {"setWLANHardwareSwitchJni", "1", "0",
     [](JNIEnv *env, jobject self, FakeJni &jni, jboolean v) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANHardwareSwitchJni(
             env, self, jni.Str("2.4G"), v);
     },
     [](const std::string &t) { return "setWLANHardwareSwitch(radioType=\"2.4G\" on=\"" + t + "\")"; },
     [](int bit, const std::string &, int) {
         return Strings{"setWLANHardwareSwitchJni: radioType:2.4G,WLANHardwareSwitch:" + std::to_string(bit) +
                        " enter============>\n"};
     }},
};

TEST_F(WlanConfigTest, BooleanSettersMapAnyNonzeroByteToTheirTrueText) {
    const jboolean values[] = {0, 1, 2, 0x80, 0xFF};
    for (const auto &s : kBoolSetters) {
        for (jboolean v : values) {
            zsim::Reset();
            ScriptAll(7);
            const int bit = v != 0 ? 1 : 0;
            const std::string text = bit ? s.true_text : s.false_text;
            EXPECT_EQ(s.call(env(), self(), jni, v), 7) << s.name << " " << int(v);
            EXPECT_EQ(Calls(), Strings{s.record(text)}) << s.name << " " << int(v);
            EXPECT_EQ(Lines(), AtLevel2(s.lines(bit, text, 7))) << s.name << " " << int(v);
        }
    }
}

// --- Setters with text arguments ----------------------------------------------

struct TextSetter {
    const char *name;
    size_t strings;
    // Calls the setter with the given Strings and the int arguments of the row.
    jint (*call)(JNIEnv *, jobject, const std::vector<jstring> &);
    const char *record;  // platform call expected for the texts "t0", "t1", ...
    Strings lines;       // log lines expected for those texts
};

const TextSetter kTextSetters[] = {
    {"setWLANSSIDSecurityJni", 3,
     [](JNIEnv *env, jobject self, const std::vector<jstring> &s) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANSSIDSecurityJni(env, self, -2, s[0],
                                                                                                  s[1], s[2]);
     },
     "setWLANSSIDSecurity(ssidIndex=-2 security1=\"t0\" security2=\"t1\" security3=\"t2\")",
     {"setWLANSSIDSecurityJni: enter============>\n"}},
    {"setWLANRadioFrequencyWidthJni", 2,
     [](JNIEnv *env, jobject self, const std::vector<jstring> &s) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioFrequencyWidthJni(env, self,
                                                                                                         s[0], s[1]);
     },
     "setWLANRadioFrequencyWidth(radioType=\"t0\" frequencyWidth=\"t1\")",
     {"setWLANRadioFrequencyWidthJni: enter============>\n"}},
    {"setWLANStandardJni", 2,
     [](JNIEnv *env, jobject self, const std::vector<jstring> &s) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANStandardJni(env, self, s[0], s[1]);
     },
     "setWLANStandard(radioType=\"t0\" standard=\"t1\")",
     // The first line has no line end.
     {"setWLANStandardJni:CradioType:t0,Cstandard:t1", "setWLANStandardJni: enter============>\n"}},
    {"setWLANRadioPowerJni", 1,
     [](JNIEnv *env, jobject self, const std::vector<jstring> &s) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioPowerJni(env, self, s[0],
                                                                                                INT_MIN);
     },
     "setWLANRadioPower(radioType=\"t0\" power=-2147483648)", {"setWLANRadioPowerJni: radioType:t0 enter============>\n"}},
    {"setWLANHardwareSwitchJni", 1,
     [](JNIEnv *env, jobject self, const std::vector<jstring> &s) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANHardwareSwitchJni(env, self, s[0],
                                                                                                    JNI_FALSE);
     },
     "setWLANHardwareSwitch(radioType=\"t0\" on=\"0\")",
     {"setWLANHardwareSwitchJni: radioType:t0,WLANHardwareSwitch:0 enter============>\n"}},
    {"setWLANRadioChannelJni", 1,
     [](JNIEnv *env, jobject self, const std::vector<jstring> &s) {
         return Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioChannelJni(env, self, s[0], 999);
     },
     "setWLANRadioChannel(radioType=\"t0\" channel=999)",
     {"setWLANRadioChannelJni: radioType:t0 enter============>\n",
      "setWLANRadioChannelJni: return json = \"Result\":-7 leave============>\n"}},
};

TEST_F(WlanConfigTest, TextSettersPassTheJvmCharactersAndReleaseThemAfterTheCall) {
    for (const auto &s : kTextSetters) {
        zsim::Reset();
        ScriptAll(-7);
        std::vector<jstring> args;
        for (size_t i = 0; i < s.strings; ++i) args.push_back(jni.Str("t" + std::to_string(i)));
        const size_t released_before = jni.release_points().size();
        EXPECT_EQ(s.call(env(), self(), args), -7) << s.name;
        EXPECT_EQ(Calls(), Strings{s.record}) << s.name;
        EXPECT_EQ(Lines(), AtLevel2(s.lines)) << s.name;
        // Each string went back once, and only after the one platform call.
        const std::vector<size_t> points(jni.release_points().begin() + static_cast<long>(released_before),
                                         jni.release_points().end());
        EXPECT_EQ(points, std::vector<size_t>(s.strings, 1u)) << s.name;
    }
}

TEST_F(WlanConfigTest, TextsReachTheGatewayWithoutABound) {
    // Borrowed characters are not copied, so nothing cuts a long text.
    const std::string longText(300, 'w');
    std::string seen;
    ZSIM_SCRIPT(zivra_setWLANSSIDSecurity, [&](int, const char *, const char *, const char *s3) {
        seen = s3;
        return 0;
    });
    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANSSIDSecurityJni(
                  env(), self(), 1, jni.Str("WPA2-PSK"), jni.Str("AES"), jni.Str(longText)),
              0);
    EXPECT_EQ(seen, longText);
}

TEST_F(WlanConfigTest, EachMissingStringInTurnFailsBeforeTheGatewayAndReleasesTheOthers) {
    for (const auto &s : kTextSetters) {
        for (size_t missing = 0; missing < s.strings; ++missing) {
            for (bool null_ref : {false, true}) {
                zsim::Reset();
                ScriptAll(0);
                std::vector<jstring> args;
                for (size_t i = 0; i < s.strings; ++i) {
                    args.push_back(i != missing ? jni.Str("t" + std::to_string(i))
                                   : null_ref   ? nullptr
                                                : jni.BadStr());
                }
                const int obtained_before = jni.chars_obtained();
                const size_t asked_before = jni.trace().size();
                EXPECT_EQ(s.call(env(), self(), args), -1) << s.name << " missing " << missing;
                EXPECT_TRUE(Calls().empty()) << s.name;
                EXPECT_TRUE(Lines().empty()) << s.name;
                // Every other string was obtained (also those after the
                // missing one) and has gone back.
                EXPECT_EQ(jni.chars_obtained() - obtained_before, static_cast<int>(s.strings) - 1) << s.name;
                EXPECT_EQ(jni.Leaks(), "") << s.name;
                int asked = 0;
                for (size_t i = asked_before; i < jni.trace().size(); ++i) asked += jni.trace()[i] == "GetStringUTFChars";
                // A null String is never handed to the JVM.
                EXPECT_EQ(asked, static_cast<int>(s.strings) - (null_ref ? 1 : 0)) << s.name;
            }
        }
    }
}

// --- Setters with numbers only -------------------------------------------------

TEST_F(WlanConfigTest, NumberSettersPassValuesAndResultsUnchanged) {
    struct Case {
        const char *op;
        std::function<jint(JNIEnv *, jobject, jint)> call;
        std::function<Strings(jint)> lines;
        const char *arg;
    } cases[] = {
        {"addWLANGuestSSID", &Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_addWLANGuestSSIDJni,
         [](jint v) { return Strings{"addWLANGuestSSIDJni: guestSsidIndex:" + std::to_string(v) + " enter============>\n"}; },
         "guestSsidIndex"},
        {"startWLANWPS", &Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_startWLANWPSJni,
         [](jint) { return Strings{}; }, "ssidIndex"},
        {"deleteWLANGuestSSID", &Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_deleteWLANGuestSSIDJni,
         [](jint) { return Strings{}; }, "guestSsidIndex"},
        {"stopWLANWPS", &Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_stopWLANWPSJni,
         [](jint v) { return Strings{"stopWLANWPSJni: ssidIndex:" + std::to_string(v) + " enter============>\n"}; },
         "ssidIndex"},
    };
    for (const auto &c : cases) {
        for (jint v : {0, 4, -1, INT_MIN, INT_MAX}) {
            zsim::Reset();
            ScriptAll(v == 4 ? 0 : -9);
            EXPECT_EQ(c.call(env(), self(), v), v == 4 ? 0 : -9) << c.op;
            EXPECT_EQ(Calls(), Strings{std::string(c.op) + "(" + c.arg + "=" + std::to_string(v) + ")"});
            EXPECT_EQ(Lines(), AtLevel2(c.lines(v))) << c.op;
        }
    }
    for (jint d : {0, -1, INT_MIN, INT_MAX}) {
        zsim::Reset();
        ScriptAll(3);
        EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANGuestDurationJni(env(), self(), -8,
                                                                                                     d),
                  3);
        EXPECT_EQ(Calls(), Strings{"setWLANGuestDuration(guestSsidIndex=-8 duration=" + std::to_string(d) + ")"});
        EXPECT_EQ(Lines(), AtLevel2({"setWLANGuestDurationJni: enter============>\n"}));
    }
}

// --- The simulated gateway takes the settings ------------------------------------

TEST_F(WlanConfigTest, SimulatedGatewayReportsWhatWasSet) {
    auto radioInfo = [&](const char *radio) {
        return Text(Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANRadioInfoJni(env(), self(),
                                                                                                  jni.Str(radio)));
    };
    auto ssidInfo = [&](jint i) {
        return Text(Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANSSIDInfoJni(env(), self(), i));
    };
    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioChannelJni(env(), self(),
                                                                                                jni.Str("5G"), 149),
              0);
    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioPowerJni(env(), self(),
                                                                                              jni.Str("5G"), 60),
              0);
    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioFrequencyWidthJni(
                  env(), self(), jni.Str("5G"), jni.Str("160MHz")),
              0);
    EXPECT_EQ(radioInfo("5G"), "{\"Result\":0, \"Channel\":149, \"AutoChannelEnable\":\"0\", \"ChannelsInUse\":"
                               "\"149,44\", \"TransmitPower\":\"60\", \"FrequencyWidth\":\"160MHz\"}");
    // A channel the radio does not have is refused and changes nothing.
    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioChannelJni(env(), self(),
                                                                                                jni.Str("5G"), 14),
              -1);

    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANSSIDAdvertisementJni(env(), self(), 2,
                                                                                                     JNI_FALSE),
              0);
    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANSSIDSecurityJni(
                  env(), self(), 2, jni.Str("WPA3-SAE"), jni.Str("AES"), jni.Str("correct horse")),
              0);
    EXPECT_EQ(Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANStandardJni(
                  env(), self(), jni.Str("2.4G"), jni.Str("b/g/n/ax")),
              0);
    EXPECT_EQ(ssidInfo(2), "{\"Result\":0, \"Enable\":\"1\", \"BSSID\":\"A4:7E:39:10:24:02\", \"SSIDName\":"
                           "\"HomeNet-IoT\", \"SSIDAdvertisementEnabled\":\"0\", \"Standard\":\"b/g/n/ax\", "
                           "\"EncryptionMode\":\"WPA3-SAE/AES\"}");
    EXPECT_EQ(Text(Java_com_korvanta_nestrova_lanservices_WlanSecretQueryServiceImp_getWLANSSIDPasswordJni(env(),
                                                                                                          self(), 2)),
              "correct horse");
}

}  // namespace
