// DeviceRsetServiceImp, DeviceInfoQueryServiceImp, DeviceConfigServiceImp
// and DeviceSecretInfoQueryServiceImp.
#include <time.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_commservices_DeviceConfigServiceImp.h"
#include "com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp.h"
#include "com_korvanta_nestrova_commservices_DeviceRsetServiceImp.h"
#include "com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp.h"
#include "common/cpu_percent.h"

#define DI(m) Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_##m
#define DS(m) Java_com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp_##m

namespace {

using Strings = std::vector<std::string>;

// Writes `text` into a platform buffer of `size` bytes, with no NUL when it fills them.
std::string Put(char *buf, size_t size, const std::string &text) {
    const std::string kept = text.substr(0, size);
    memcpy(buf, kept.data(), kept.size());
    return kept;
}

bool Zeroed(const char *buf, size_t size) {
    for (size_t i = 0; i < size; ++i)
        if (buf[i] != 0) return false;
    return true;
}

class DeviceInfoTest : public BridgeTest {};

// JVM, OSGi and device description: short texts, texts filling every buffer
// with no NUL (the reply stays whole and valid), a failed query.
TEST_F(DeviceInfoTest, DescriptionsShortFullAndFailed) {
    const std::string k32(32, 'v'), k8(8, 'v');
    const struct {
        std::function<jstring()> call;
        const char *op, *fill, *leave;  // leave: before and after the reply
        int result;
        std::string reply;
    } cases[] = {
        {[&] { return DI(getJVMInfoJni)(env(), self()); }, "getJVMInfo", "1.8", "getJVMInfoJni: return json = |   leave============>\n", 0,
         R"({"Result":0,"Name":"1.8","Vendor":"1.8","Version":"1.8"})"},
        {[&] { return DI(getOSGiInfoJni)(env(), self()); }, "getOSGiInfo", "v\"q", "getOSGiInfo: return json = |\tleave============>\n", 0,
         R"({"Result":0,"Name":"v"q","Vendor":"v"q","Version":"v"q"})"},
        {[&] { return DI(getOSGiInfoJni)(env(), self()); }, "getOSGiInfo", k32.c_str(), "getOSGiInfo: return json = |\tleave============>\n", 0,
         R"({"Result":0,"Name":")" + k32 + R"(","Vendor":")" + k32 + R"(","Version":")" + k32 + R"("})"},
        {[&] { return DI(getJVMInfoJni)(env(), self()); }, "getJVMInfo", "x", "getJVMInfoJni: return json = |   leave============>\n", 1,
         R"({"Result":-1,"FailReason":"Get jstring fail"})"},
        {[&] { return DI(getDeviceInfoJni)(env(), self()); }, "getDeviceInfo", "128", "getDeviceInfo: return json = | leave============>\n", 0,
         R"({"Result":0,"Vendor":"128","ProductCLass":"128","HardwareVer":"128","FirmwareVer":"128","FlashSize":128,)"
         R"("RamSize":128,"MainChipClass":"128","NFC":"128"})"},
        {[&] { return DI(getDeviceInfoJni)(env(), self()); }, "getDeviceInfo", k32.c_str(), "getDeviceInfo: return json = | leave============>\n", 0,
         R"({"Result":0,"Vendor":")" + k32 + R"(","ProductCLass":")" + k32 + R"(","HardwareVer":")" + k32 +
             R"(","FirmwareVer":")" + k32 + R"(","FlashSize":)" + k32 + R"(,"RamSize":)" + k32 +
             R"(,"MainChipClass":")" + k32 + R"(","NFC":")" + k8 + R"("})"},
        {[&] { return DI(getDeviceInfoJni)(env(), self()); }, "getDeviceInfo", "1", "getDeviceInfo: return json = | leave============>\n", -2,
         R"({"Result":-1,"FailReason":"Get DeviceInfo fail"})"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        auto give = [&c](std::vector<std::pair<char *, size_t>> bufs) {
            for (auto &b : bufs) {
                EXPECT_TRUE(Zeroed(b.first, b.second)) << c.op << ": buffer not zeroed";
                Put(b.first, b.second, c.fill);
            }
            return c.result;
        };
        ZSIM_SCRIPT(zivra_getJVMInfo, [&](char *a, char *b, char *v) { return give({{a, 32}, {b, 32}, {v, 32}}); });
        ZSIM_SCRIPT(zivra_getOSGiInfo, [&](char *a, char *b, char *v) { return give({{a, 32}, {b, 32}, {v, 32}}); });
        ZSIM_SCRIPT(zivra_getDeviceInfo, [&](char *a, char *b, char *d, char *e, char *f, char *g, char *h, char *n) {
            return give({{a, 32}, {b, 32}, {d, 32}, {e, 32}, {f, 32}, {g, 32}, {h, 32}, {n, 8}});
        });
        EXPECT_EQ(Text(c.call()), c.reply) << c.op;
        EXPECT_EQ(Calls(), Strings{std::string(c.op) + "()"});
        const std::string leave(c.leave);
        const std::string line = leave.substr(0, leave.find('|')) + c.reply + leave.substr(leave.find('|') + 1);
        EXPECT_EQ(Lines(), AtLevel2(std::string(c.op) == "getDeviceInfo"
                                        ? Strings{"getDeviceInfo: enter============>\n", line}
                                        : Strings{line}));
    }
}

// Plain-text queries: a value, one filling the platform's whole size (63
// characters and a NUL, or no NUL at all), a value written before a failure.
TEST_F(DeviceInfoTest, PlainTextsWholeOrEmptyOnFailure) {
    const struct {
        jstring (*call)(JNIEnv *, jobject);
        const char *op;
        size_t size;
        const char *enter, *leave;  // leave: before and after the text
        bool logs_failed_text;
    } methods[] = {
        {&DI(getAPIVersionJni), "zivra_getAPIVersion", 32, nullptr, "getAPIVersion: return json = |\tleave============>\n", true},
        {&DI(getDeviceMACJni), "zivra_getDeviceMAC", 64, "getDeviceMACJni: enter============>\n",
         "getDeviceMACJni: return json = | leave============>\n", true},
        {&DS(getDeviceSerialNumberJni), "zivra_getDeviceSerialNumber", 64, "getDeviceSerialNumberJni  enter============>\n",
         "getDeviceSerialNumberJni: return String = |   leave============>\n", false},
        {&DS(getDeviceDefaultSSID1NameJni), "zivra_getDeviceDefaultSSID1Name", 64,
         "getDeviceDefaultSSID1NameJni  enter============>\n",
         "getDeviceDefaultSSID1NameJni: return String = |   leave============>\n", false},
        {&DS(getDevicePasswordJni), "zivra_getDevicePassword", 64, "getDevicePassword  enter============>\n",
         "getDevicePassword: return string = |   leave============>\n", false},
        {&DS(getDeviceManufacturerOUIJni), "zivra_getDeviceManufacturerOUI", 64, "getDeviceManufacturerOUI  enter============>\n",
         "getDeviceManufacturerOUI: return string = |   leave============>\n", false},
        {&DS(getDeviceDefaultWebPasswordJni), "zivra_getdefaultwebpassword", 64, nullptr,
         "getdefaultwebpasswordJni: return string = |   leave============>\n", false},
        {&DS(getDeviceDefaultSSID1PasswordJni), "zivra_getDeviceDefaultSSID1Password", 64,
         "getDeviceDefaultSSID1PasswordJni  enter============>\n",
         "getDeviceDefaultSSID1PasswordJni: return String = |   leave============>\n", false},
    };
    const struct {
        int result;
        std::string written;  // cut to the platform's size
    } cases[] = {{0, "3C:52:82:0A:11:00"}, {0, std::string(63, 'k')}, {0, std::string(70, 'z')}, {-1, "half-written"}};
    for (const auto &m : methods) {
        for (const auto &c : cases) {
            zsim::Reset();
            std::string kept;
            zsim::Script<int(char *)>(m.op, [&](char *buf) {
                EXPECT_TRUE(Zeroed(buf, m.size)) << m.op;
                kept = Put(buf, m.size, c.written);
                return c.result;
            });
            const std::string reply = Text(m.call(env(), self()));
            EXPECT_EQ(reply, c.result == 0 ? kept : "") << m.op;
            EXPECT_EQ(Calls(), Strings{std::string(m.op + 6) + "()"});
            const std::string leave(m.leave), shown = c.result == 0 || m.logs_failed_text ? kept : "";
            const std::string line = leave.substr(0, leave.find('|')) + shown + leave.substr(leave.find('|') + 1);
            EXPECT_EQ(Lines(), AtLevel2(m.enter ? Strings{m.enter, line} : Strings{line})) << m.op;
        }
    }
}

// CPU occupancy: the worked sequence from a fresh load (previous as the
// gateway held it), then each band edge and the smoothing around it.
TEST_F(DeviceInfoTest, CpuBandedAndSmoothedAgainstTheLastValue) {
    const struct {
        int previous, raw, returned;
    } cases[] = {
        {0, 37, 17}, {17, 5, 15}, {15, 92, 12}, {12, 100, 15}, {15, 150, 15},
        {15, 0, 15}, {15, 18, 18}, {18, 73, 18}, {18, 44, 14}, {14, 99, 14},
        // Band edges from a fresh load.
        {0, 0, 10}, {0, 9, 19}, {0, 10, 10}, {0, 19, 19}, {0, 20, 10}, {0, 99, 19},
        {0, 100, 20}, {0, 101, 101}, {0, -1, -1}, {0, INT_MIN, INT_MIN},
        // Jumps of 5 and 10 stay; within 4 the new value is taken; otherwise d mod 5.
        {20, 10, 20}, {15, 10, 15}, {10, 14, 14}, {101, 10, 100}, {-1, 12, 2},
        // A difference past 32 bits wraps as on the gateway: INT_MIN - 15 is INT_MAX - 14.
        {INT_MIN, 5, INT_MAX - 2},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        bundle::StoreCpuPercent(c.previous);
        ZSIM_SCRIPT(zivra_sysGetCpuUsage, [&c](int *usage) {
            EXPECT_EQ(*usage, 0);
            *usage = c.raw;
            return 5;  // not looked at
        });
        EXPECT_EQ(DI(getCPUOccupancyRateJni)(env(), self()), c.returned) << c.previous << " " << c.raw;
        EXPECT_EQ(bundle::LoadCpuPercent(), c.returned);
        EXPECT_EQ(Calls(), Strings{"sysGetCpuUsage()"});
        EXPECT_EQ(Lines(), AtLevel2({"getCPUOccupancyRateJni: return " + std::to_string(c.returned) + "====>\n"}));
    }
    bundle::StoreCpuPercent(0);
}

// RAM occupancy goes out as the platform wrote it, and leaves the CPU's memory alone.
TEST_F(DeviceInfoTest, RamAsWritten) {
    for (int raw : {0, 47, 100, 150, -3}) {
        zsim::Reset();
        bundle::StoreCpuPercent(13);
        ZSIM_SCRIPT(zivra_sysGetMemUsage, [raw](int *usage) {
            EXPECT_EQ(*usage, 0);
            *usage = raw;
            return -1;
        });
        EXPECT_EQ(DI(getRAMOccupancyRateJni)(env(), self()), raw);
        EXPECT_EQ(bundle::LoadCpuPercent(), 13);
        EXPECT_EQ(Lines(), AtLevel2({"getRAMOccupancyRateJni: return " + std::to_string(raw) + "====>\n"}));
    }
    bundle::StoreCpuPercent(0);
}

// Reset and LED switch hand the platform's code back; any nonzero byte is "on".
TEST_F(DeviceInfoTest, ResetAndLedSwitchPassTheCodeBack) {
    const struct {
        int led;  // -1: reset
        int result;
        std::string call;
        Strings lines;
    } cases[] = {
        {-1, 0, "DeviceRsetServiceReset()", {"resetJni: return value = 0   leave============>\n"}},
        {-1, -7, "DeviceRsetServiceReset()", {"resetJni: return value = -7   leave============>\n"}},
        {1, 0, "setLedSwitch(state=\"on\")", {"setLedSwitchJni: enter============>\n", "setLedSwitchJni: return value = 0  leave============>\n"}},
        {0x80, 3, "setLedSwitch(state=\"on\")", {"setLedSwitchJni: enter============>\n", "setLedSwitchJni: return value = 3  leave============>\n"}},
        {0, -1, "setLedSwitch(state=\"off\")", {"setLedSwitchJni: enter============>\n", "setLedSwitchJni: return value = -1  leave============>\n"}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_DeviceRsetServiceReset, [&c] { return c.result; });
        ZSIM_SCRIPT(zivra_setLedSwitch, [&c](const char *) { return c.result; });
        const jint got = c.led < 0 ? Java_com_korvanta_nestrova_commservices_DeviceRsetServiceImp_resetJni(env(), self())
                                   : Java_com_korvanta_nestrova_commservices_DeviceConfigServiceImp_setLedSwitchJni(
                                         env(), self(), static_cast<jboolean>(c.led));
        EXPECT_EQ(got, c.result);
        EXPECT_EQ(Calls(), Strings{c.call});
        EXPECT_EQ(Lines(), AtLevel2(c.lines));
    }
}

// Whole seconds of the monotonic clock, read around the call, no platform call.
TEST_F(DeviceInfoTest, UptimeIsTheMonotonicClockInWholeSeconds) {
    timespec before{}, after{};
    clock_gettime(CLOCK_MONOTONIC, &before);
    const jint got = DI(getDeviceUpTimeJni)(env(), self());
    clock_gettime(CLOCK_MONOTONIC, &after);
    const unsigned long seconds = static_cast<uint32_t>(got);
    EXPECT_GE(seconds, static_cast<unsigned long>(static_cast<uint32_t>(before.tv_sec)));
    EXPECT_LE(seconds, static_cast<unsigned long>(static_cast<uint32_t>(after.tv_sec)));
    EXPECT_EQ(Calls(), Strings{});
    EXPECT_EQ(Lines(), AtLevel2({"getDeviceUpTimeJni: return " + std::to_string(seconds) + "====>\n"}));
}

// Several Java threads reading the CPU occupancy of the moving simulated
// load at once: every answer within the band, the exported value whole.
TEST(ConcurrentCpuOccupancy, EveryAnswerBandedUnderContention) {
    zsim::Reset();
    zsim::SetRecording(false);
    bundle::StoreCpuPercent(0);
    std::vector<std::thread> workers;
    std::vector<int> outside(4, 0);
    for (int w = 0; w < 4; ++w) {
        workers.emplace_back([w, &outside] {
            FakeJni jni;
            for (int i = 0; i < 2000; ++i) {
                const jint v = DI(getCPUOccupancyRateJni)(jni.env(), jni.self());
                if (v < 10 || v > 20) ++outside[w];
            }
        });
    }
    for (auto &t : workers) t.join();
    EXPECT_EQ(outside, std::vector<int>(4, 0));
    const int last = bundle::LoadCpuPercent();
    EXPECT_TRUE(last >= 10 && last <= 20) << last;
    bundle::StoreCpuPercent(0);
    zsim::Reset();
}

}  // namespace
