// WlanConfigServiceImp.
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_WlanConfigServiceImp.h"

#define WC(m) Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_##m

namespace {

using Strings = std::vector<std::string>;

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

// `tmpl` with each '$' replaced by the next String's text, '@' by the
// boolean's text and '#' by the number `bit` the line shows for it.
std::string Sub(const std::string &tmpl, const Strings &texts, const std::string &text, int bit) {
    std::string o;
    size_t n = 0;
    for (char c : tmpl) o += c == '$' ? texts[n++] : c == '@' ? text : c == '#' ? std::to_string(bit) : std::string{c};
    return o;
}

class WlanConfigTest : public BridgeTest {};

// Every setter with a negative index (numbers reach the gateway unchanged),
// its Strings 300 characters long (passed without a copy, so never cut), its
// boolean false and true, and each of its Strings missing in turn.
TEST_F(WlanConfigTest, EverySetter) {
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
        for (size_t missing = 0; missing < 2 * s.strings; ++missing) {  // characters refused, then a null String
            zsim::Reset();
            std::vector<jstring> args;
            for (size_t i = 0; i < s.strings; ++i) args.push_back(i != missing / 2 ? jni.Str(texts[i]) : nullptr);
            if (missing % 2 == 0) args[missing / 2] = jni.BadStr();
            const int obtained = jni.chars_obtained();
            EXPECT_EQ(s.call(args, 0), -1) << s.record << " missing " << missing / 2;
            EXPECT_EQ(Calls(), Strings{});
            EXPECT_EQ(Lines(), Strings{});
            // The others were all obtained, also those after the missing one, and went back.
            EXPECT_EQ(jni.chars_obtained() - obtained, static_cast<int>(s.strings) - 1);
        }
    }
}

}  // namespace
