// DeviceRsetServiceImp, DeviceInfoQueryServiceImp, DeviceConfigServiceImp
// and DeviceSecretInfoQueryServiceImp.
#include <time.h>

#include <atomic>
#include <climits>
#include <thread>

#include "bridge_test.h"
#include "com_korvanta_nestrova_commservices_DeviceConfigServiceImp.h"
#include "com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp.h"
#include "com_korvanta_nestrova_commservices_DeviceRsetServiceImp.h"
#include "com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp.h"
#include "common/cpu_percent.h"

#define DI(m) (&Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_##m)
#define DC(m) (&Java_com_korvanta_nestrova_commservices_DeviceConfigServiceImp_##m)
#define DS(m) (&Java_com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp_##m)

namespace {

// Each `mark` in `text` replaced by the next of `parts`.
std::string Sub(std::string text, char mark, const Strings &parts) {
    for (size_t i = 0, at = 0; i < parts.size(); at += parts[i++].size())
        text.replace(at = text.find(mark, at), 1, parts[i]);
    return text;
}

class DeviceInfoTest : public BridgeTest {};

// Every query the platform answers with texts: short ones, ones filling each
// buffer with no NUL (every reply stays whole), texts written before a failure.
TEST_F(DeviceInfoTest, TextRepliesShortFullAndFailed) {
    const struct {
        jstring (*call)(JNIEnv *, jobject);
        const char *op, *enter, *leave;  // before "enter"/"leave" and the arrow; '|' in leave: the reply
        std::vector<size_t> sizes = {64};
        const char *reply = "@", *fail = "";  // '@' in reply: the texts as written
        bool leave_shows_failed_text = false;
    } methods[] = {
        {DI(getJVMInfoJni), "getJVMInfo", nullptr, "getJVMInfoJni: return json = |   ", {32, 32, 32},
         R"({"Result":0,"Name":"@","Vendor":"@","Version":"@"})", R"({"Result":-1,"FailReason":"Get jstring fail"})"},
        {DI(getOSGiInfoJni), "getOSGiInfo", nullptr, "getOSGiInfo: return json = |\t", {32, 32, 32},
         R"({"Result":0,"Name":"@","Vendor":"@","Version":"@"})", R"({"Result":-1,"FailReason":"Get jstring fail"})"},
        {DI(getDeviceInfoJni), "getDeviceInfo", "getDeviceInfo: ", "getDeviceInfo: return json = | ",
         {32, 32, 32, 32, 32, 32, 32, 8},
         R"({"Result":0,"Vendor":"@","ProductCLass":"@","HardwareVer":"@","FirmwareVer":"@","FlashSize":@,)"
         R"("RamSize":@,"MainChipClass":"@","NFC":"@"})", R"({"Result":-1,"FailReason":"Get DeviceInfo fail"})"},
        {DI(getAPIVersionJni), "getAPIVersion", nullptr, "getAPIVersion: return json = |\t", {32}, "@", "", true},
        {DI(getDeviceMACJni), "getDeviceMAC", "getDeviceMACJni: ", "getDeviceMACJni: return json = | ", {64}, "@", "",
         true},
        {DS(getDeviceSerialNumberJni), "getDeviceSerialNumber", "getDeviceSerialNumberJni  ",
         "getDeviceSerialNumberJni: return String = |   "},
        {DS(getDeviceDefaultSSID1NameJni), "getDeviceDefaultSSID1Name", "getDeviceDefaultSSID1NameJni  ",
         "getDeviceDefaultSSID1NameJni: return String = |   "},
        {DS(getDevicePasswordJni), "getDevicePassword", "getDevicePassword  ",
         "getDevicePassword: return string = |   "},
        {DS(getDeviceManufacturerOUIJni), "getDeviceManufacturerOUI", "getDeviceManufacturerOUI  ",
         "getDeviceManufacturerOUI: return string = |   "},
        {DS(getDeviceDefaultWebPasswordJni), "getdefaultwebpassword", nullptr,
         "getdefaultwebpasswordJni: return string = |   "},
        {DS(getDeviceDefaultSSID1PasswordJni), "getDeviceDefaultSSID1Password", "getDeviceDefaultSSID1PasswordJni  ",
         "getDeviceDefaultSSID1PasswordJni: return string = |   "},
    };
    // The platform's code, and the text it writes (cut to each buffer's size).
    const std::pair<int, std::string> cases[] = {{0, "128"}, {0, std::string(99, 'z')}, {2, "half \"written"}};
    for (const auto &m : methods) {
        for (const auto &c : cases) {
            zsim::Reset();
            Strings kept;
            auto give = [&](std::vector<char *> bufs) {
                for (size_t i = 0; i < bufs.size(); ++i) {
                    EXPECT_EQ(std::string(bufs[i], m.sizes[i]), std::string(m.sizes[i], '\0')) << m.op;
                    kept.push_back(c.second.substr(0, m.sizes[i]));
                    kept.back().copy(bufs[i], m.sizes[i]);
                }
                return c.first;
            };
            zsim::Script<int(char *)>(std::string("zivra_") + m.op, [&](char *b) { return give({b}); });
            ZSIM_SCRIPT(zivra_getJVMInfo, [&](auto... b) { return give({b...}); });
            ZSIM_SCRIPT(zivra_getOSGiInfo, [&](auto... b) { return give({b...}); });
            ZSIM_SCRIPT(zivra_getDeviceInfo, [&](auto... b) { return give({b...}); });
            const std::string reply = Text(m.call(env(), self()));
            EXPECT_EQ(reply, c.first == 0 ? Sub(m.reply, '@', kept) : m.fail) << m.op << " " << c.second;
            EXPECT_EQ(Calls(), Strings{std::string(m.op) + "()"});
            const std::string shown = c.first && m.leave_shows_failed_text ? kept[0] : reply;
            Strings lines{Sub(m.leave, '|', {shown}) + "leave============>\n"};
            if (m.enter) lines.insert(lines.begin(), std::string(m.enter) + "enter============>\n");
            EXPECT_EQ(Lines(), AtLevel2(lines)) << m.op;
        }
    }
}

// The int methods. CPU: the worked sequence from a fresh load (previous as
// the gateway held it), the band edges and the smoothing around them. RAM,
// reset and LED: the value or code goes back as it came and the CPU memory
// stays; any nonzero boolean byte switches the LEDs "on".
TEST_F(DeviceInfoTest, IntMethodsCpuBandedAndSmoothedOthersAsTheGatewayAnswers) {
    constexpr auto kCpu = DI(getCPUOccupancyRateJni);
    const struct {
        int previous, raw, returned;
        jint (*call)(JNIEnv *, jobject) = kCpu;
        const char *op = "sysGetCpuUsage()", *leave = "getCPUOccupancyRateJni: return |====>\n", *enter = nullptr;
    } cases[] = {
        {0, 37, 17}, {17, 5, 15}, {15, 92, 12}, {12, 100, 15}, {15, 150, 15}, {15, 0, 15}, {15, 18, 18},
        {18, 73, 18}, {18, 44, 14}, {14, 99, 14},
        {0, 0, 10}, {0, 99, 19}, {0, 100, 20}, {0, 101, 101}, {0, -1, -1}, {10, 14, 14}, {101, 10, 100}, {-1, 12, 2},
        {INT_MIN, 5, INT_MAX - 2},  // the 32-bit difference wraps as on the gateway
        {13, 150, 150, DI(getRAMOccupancyRateJni), "sysGetMemUsage()", "getRAMOccupancyRateJni: return |====>\n"},
        {13, -7, -7, &Java_com_korvanta_nestrova_commservices_DeviceRsetServiceImp_resetJni,
         "DeviceRsetServiceReset()", "resetJni: return value = |   leave============>\n"},
        {13, 3, 3, [](JNIEnv *e, jobject o) { return DC(setLedSwitchJni)(e, o, 0x80); }, "setLedSwitch(state=\"on\")",
         "setLedSwitchJni: return value = |  leave============>\n", "setLedSwitchJni: enter============>\n"},
        {13, -1, -1, [](JNIEnv *e, jobject o) { return DC(setLedSwitchJni)(e, o, 0); }, "setLedSwitch(state=\"off\")",
         "setLedSwitchJni: return value = |  leave============>\n", "setLedSwitchJni: enter============>\n"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        g_CPUPercent = c.previous;  // the exported value itself, as others in the process read it
        auto usage = [&c](int *u) { return *u == 0 ? (*u = c.raw, 5) : -99; };  // code not looked at
        ZSIM_SCRIPT(zivra_sysGetCpuUsage, usage);
        ZSIM_SCRIPT(zivra_sysGetMemUsage, usage);
        ZSIM_SCRIPT(zivra_DeviceRsetServiceReset, [&c] { return c.raw; });
        ZSIM_SCRIPT(zivra_setLedSwitch, [&c](const char *) { return c.raw; });
        EXPECT_EQ(c.call(env(), self()), c.returned) << c.op << " " << c.previous << " " << c.raw;
        EXPECT_EQ(g_CPUPercent, c.call == kCpu ? c.returned : c.previous);
        EXPECT_EQ(Calls(), Strings{c.op});
        Strings lines{Sub(c.leave, '|', {std::to_string(c.returned)})};
        if (c.enter) lines.insert(lines.begin(), c.enter);
        EXPECT_EQ(Lines(), AtLevel2(lines));
    }
}

// Whole seconds of the monotonic clock read around the call; no platform call.
TEST_F(DeviceInfoTest, UptimeIsTheMonotonicClockInWholeSeconds) {
    timespec before{}, after{};
    clock_gettime(CLOCK_MONOTONIC, &before);
    const uint32_t got = static_cast<uint32_t>(DI(getDeviceUpTimeJni)(env(), self()));
    clock_gettime(CLOCK_MONOTONIC, &after);
    EXPECT_TRUE(got >= static_cast<uint32_t>(before.tv_sec) && got <= static_cast<uint32_t>(after.tv_sec)) << got;
    EXPECT_EQ(Lines(), AtLevel2({"getDeviceUpTimeJni: return " + std::to_string(got) + "====>\n"}));
}

// Several Java threads reading the moving simulated CPU load at once: every
// answer stays within the band 10..20, and the exported value is never torn.
TEST(ConcurrentCpuOccupancy, EveryAnswerBandedUnderContention) {
    zsim::Reset();
    zsim::SetRecording(false);
    std::atomic<int> outside{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w)
        workers.emplace_back([&outside] {
            FakeJni jni;
            for (int i = 0; i < 2000; ++i)
                outside += static_cast<unsigned>(DI(getCPUOccupancyRateJni)(jni.env(), jni.self())) - 10u > 10u;
        });
    for (auto &t : workers) t.join();
    EXPECT_EQ(outside.load(), 0);
    zsim::Reset();
}

}  // namespace
