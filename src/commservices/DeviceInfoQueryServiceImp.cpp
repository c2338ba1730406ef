// Native half of com.korvanta.nestrova.commservices.DeviceInfoQueryServiceImp:
// the gateway's description, its JVM and OSGi framework, the platform API
// version, the device MAC, CPU and RAM occupancy, and the uptime.
#include "com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp.h"

#include <stdint.h>
#include <string.h>
#include <time.h>

#include "common/cpu_percent.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

// The JVM/OSGi, API version and MAC buffers are one byte longer than the
// size the platform writes within. That last byte is never handed out and
// stays zero, so even a text filling its whole size ends before it is printed.
constexpr size_t kFrameworkText = ZIVRA_FRAMEWORK_TEXT_SIZE + 1;
constexpr size_t kApiVersionText = ZIVRA_API_VERSION_SIZE + 1;
constexpr size_t kMacText = ZIVRA_DEVICE_MAC_SIZE + 1;

// The device description texts, at the platform's own sizes; each is read
// no further than its field (a precision), NUL or not.
struct DeviceTexts {
    char vendor[ZIVRA_DEVICE_TEXT_SIZE];
    char productClass[ZIVRA_DEVICE_TEXT_SIZE];
    char hardwareVer[ZIVRA_DEVICE_TEXT_SIZE];
    char firmwareVer[ZIVRA_DEVICE_TEXT_SIZE];
    char flashSize[ZIVRA_DEVICE_TEXT_SIZE];
    char ramSize[ZIVRA_DEVICE_TEXT_SIZE];
    char mainChipClass[ZIVRA_DEVICE_TEXT_SIZE];
    char nfc[ZIVRA_NFC_TEXT_SIZE];
};

#define FRAMEWORK_REPLY "{\"Result\":0,\"Name\":\"%s\",\"Vendor\":\"%s\",\"Version\":\"%s\"}"
#define DEVICE_REPLY                                                                                      \
    "{\"Result\":0,\"Vendor\":\"%.*s\",\"ProductCLass\":\"%.*s\",\"HardwareVer\":\"%.*s\","               \
    "\"FirmwareVer\":\"%.*s\",\"FlashSize\":%.*s,\"RamSize\":%.*s,\"MainChipClass\":\"%.*s\",\"NFC\":\"%.*s\"}"

// The replies are sized for their longest form, so none is ever cut: the
// template's own characters (less its conversions), every text at its full
// size, and the NUL. The JVM and OSGi reply takes 47 + 3 x 32 characters
// (128 bytes would cut one with three long texts), the device description
// 128 + 7 x 32 + 8 (256 bytes would cut one with long texts).
constexpr size_t kFrameworkTextMax = ZIVRA_FRAMEWORK_TEXT_SIZE;
constexpr size_t kFrameworkReplySize =
    (sizeof(FRAMEWORK_REPLY) - 1) - 3 * (sizeof("%s") - 1) + 3 * kFrameworkTextMax + 1;
constexpr size_t kDeviceReplySize =
    (sizeof(DEVICE_REPLY) - 1) - 8 * (sizeof("%.*s") - 1) + sizeof(DeviceTexts) + 1;
static_assert(sizeof(DeviceTexts) == 7 * 32 + 8, "device texts: no padding between the fields");
static_assert(kFrameworkReplySize == 144, "JVM/OSGi reply: 47 + 96 characters and the NUL");
static_assert(kDeviceReplySize == 361, "device reply: 128 + 224 + 8 characters and the NUL");
static_assert(bundle::LongestText(FRAMEWORK_REPLY, {kFrameworkTextMax, kFrameworkTextMax, kFrameworkTextMax}) <
                  kFrameworkReplySize,
              "JVM/OSGi reply buffer");
static_assert(bundle::LongestText(DEVICE_REPLY, {sizeof(DeviceTexts::vendor), sizeof(DeviceTexts::productClass),
                                                 sizeof(DeviceTexts::hardwareVer), sizeof(DeviceTexts::firmwareVer),
                                                 sizeof(DeviceTexts::flashSize), sizeof(DeviceTexts::ramSize),
                                                 sizeof(DeviceTexts::mainChipClass), sizeof(DeviceTexts::nfc)}) <
                  kDeviceReplySize,
              "device reply buffer");

typedef int (*FrameworkQuery)(char *name, char *vendor, char *version);

// The JVM and OSGi descriptions: one query, one reply form.
void FrameworkReply(FrameworkQuery query, char (&reply)[kFrameworkReplySize]) {
    char name[kFrameworkText];
    char vendor[kFrameworkText];
    char version[kFrameworkText];
    memset(reply, 0, sizeof reply);
    memset(name, 0, sizeof name);
    memset(vendor, 0, sizeof vendor);
    memset(version, 0, sizeof version);
    if (query(name, vendor, version) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), FRAMEWORK_REPLY, name, vendor, version);
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}");
    }
}

// The platform's raw CPU occupancy folded into 10..20: 0..99 become 10 plus
// their last digit, 100 becomes 20. The bands are tested on the value taken
// as unsigned, so a negative one, like one above 100, is left as it is.
int BandCpu(int raw) {
    const uint32_t value = static_cast<uint32_t>(raw);
    if (value < 100u) return 10 + static_cast<int>(value % 10u);
    if (value == 100u) return 20;
    return raw;
}

// Smoothing against the value handed out last (0: none yet). Within 4 of
// it the new value is taken; further away the answer moves from the last
// one toward the new one by the distance modulo 5. The difference and the
// step are 32-bit and wrap as they do on the gateway's processor, for any
// pair of values, without leaving the defined range of the arithmetic.
int SmoothCpu(int previous, int banded) {
    if (previous == 0) return banded;
    const int32_t d = static_cast<int32_t>(static_cast<uint32_t>(previous) - static_cast<uint32_t>(banded));
    if (d >= -4 && d <= 4) return banded;
    // The remainder truncates toward zero: it has the sign of d, -4..4.
    return static_cast<int32_t>(static_cast<uint32_t>(previous) - static_cast<uint32_t>(d % 5));
}

}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_getJVMInfoJni(JNIEnv *env, jobject) {
    char reply[kFrameworkReplySize];
    FrameworkReply(&zivra_getJVMInfo, reply);
    BRIDGE_LOG("getJVMInfoJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_getOSGiInfoJni(JNIEnv *env, jobject) {
    char reply[kFrameworkReplySize];
    FrameworkReply(&zivra_getOSGiInfo, reply);
    BRIDGE_LOG("getOSGiInfo: return json = %s\tleave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_getAPIVersionJni(JNIEnv *env, jobject) {
    char version[kApiVersionText];
    memset(version, 0, sizeof version);
    const int result = zivra_getAPIVersion(version);
    // The line shows what the platform wrote, even when it then failed.
    BRIDGE_LOG("getAPIVersion: return json = %s\tleave============>\n", version);
    return env->NewStringUTF(result == 0 ? version : "");
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_getDeviceMACJni(JNIEnv *env, jobject) {
    char mac[kMacText];
    memset(mac, 0, sizeof mac);
    BRIDGE_LOG("getDeviceMACJni: enter============>\n");
    const int result = zivra_getDeviceMAC(mac);
    // Passed through as written: the form of the MAC text is the platform's.
    BRIDGE_LOG("getDeviceMACJni: return json = %s leave============>\n", mac);
    return env->NewStringUTF(result == 0 ? mac : "");
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_getDeviceInfoJni(JNIEnv *env, jobject) {
    char reply[kDeviceReplySize];
    DeviceTexts t;
    memset(reply, 0, sizeof reply);
    memset(&t, 0, sizeof t);
    BRIDGE_LOG("getDeviceInfo: enter============>\n");

    if (zivra_getDeviceInfo(t.vendor, t.productClass, t.hardwareVer, t.firmwareVer, t.flashSize, t.ramSize,
                            t.mainChipClass, t.nfc) == 0) {
        // Flash and RAM size go in unquoted: digit texts read as JSON numbers.
        BUNDLE_WRITE(bundle::BoundedWriter(reply), DEVICE_REPLY, BUNDLE_FIELD(t.vendor), BUNDLE_FIELD(t.productClass),
                     BUNDLE_FIELD(t.hardwareVer), BUNDLE_FIELD(t.firmwareVer), BUNDLE_FIELD(t.flashSize),
                     BUNDLE_FIELD(t.ramSize), BUNDLE_FIELD(t.mainChipClass), BUNDLE_FIELD(t.nfc));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"Get DeviceInfo fail\"}");
    }

    BRIDGE_LOG("getDeviceInfo: return json = %s leave============>\n", reply);
    return env->NewStringUTF(reply);
}

// The only method that keeps anything between calls: the value it handed
// out last, in the exported g_CPUPercent. Two threads calling at once may
// both smooth against the same last value; the later store wins.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_getCPUOccupancyRateJni(JNIEnv *, jobject) {
    int raw = 0;
    // The result code is not looked at: a value left unwritten counts as 0.
    zivra_sysGetCpuUsage(&raw);
    const int percent = SmoothCpu(bundle::LoadCpuPercent(), BandCpu(raw));
    bundle::StoreCpuPercent(percent);
    BRIDGE_LOG("getCPUOccupancyRateJni: return %d====>\n", percent);
    return percent;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_getRAMOccupancyRateJni(JNIEnv *, jobject) {
    int percent = 0;
    // As for the CPU the result code is not looked at; the value goes out as it is.
    zivra_sysGetMemUsage(&percent);
    BRIDGE_LOG("getRAMOccupancyRateJni: return %d====>\n", percent);
    return percent;
}

// Seconds since the system started, from the monotonic clock: no platform
// call. The seconds are taken as a 32-bit unsigned number on the 64-bit host
// as on the gateway (where they are 32-bit already), logged as such and
// handed to Java as the int with the same 32 bits.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceInfoQueryServiceImp_getDeviceUpTimeJni(JNIEnv *, jobject) {
    struct timespec now;
    memset(&now, 0, sizeof now);
    // Its result is not looked at; a clock that cannot be read leaves 0.
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint32_t seconds = static_cast<uint32_t>(now.tv_sec);  // nanoseconds dropped
    BRIDGE_LOG("getDeviceUpTimeJni: return %lu====>\n", static_cast<unsigned long>(seconds));
    return static_cast<jint>(seconds);
}
