// Simulated gateway as a whole: its description, JVM and OSGi framework,
// API version and MAC, a CPU and RAM load that moves from one reading to
// the next (each reading steps a counter), the LED switch, the identity
// values, and the number of resets asked for.
#include <stdio.h>
#include <string.h>

#include <mutex>

#include "sim/scenario.h"
#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

std::mutex mu;
unsigned readings;  // CPU and RAM readings taken so far
bool led_on;
int resets;
// What the gateway says it is; a scenario's "device" may change it.
char vendor_[ZIVRA_DEVICE_TEXT_SIZE], product_[ZIVRA_DEVICE_TEXT_SIZE], hardware_[ZIVRA_DEVICE_TEXT_SIZE],
    firmware_[ZIVRA_DEVICE_TEXT_SIZE], mac_[18];

void ResetDevice() {
    std::lock_guard<std::mutex> lock(mu);
    readings = 0;
    led_on = true;
    resets = 0;
    zsim::SetField(vendor_, "Korvanta");
    zsim::SetField(product_, "NV-G4210");
    zsim::SetField(hardware_, "HW2.1");
    zsim::SetField(firmware_, "V3.0.7.2104");
    zsim::SetField(mac_, "3C:52:82:0A:11:00");
    const zsim::Setting device = zsim::Scenario("device");
    device.Only({"vendor", "productClass", "hardwareVersion", "firmwareVersion", "mac"});
    device.Member("vendor").Text(vendor_);
    device.Member("productClass").Text(product_);
    device.Member("hardwareVersion").Text(hardware_);
    device.Member("firmwareVersion").Text(firmware_);
    device.Member("mac").Mac(mac_);
}
zsim::OnReset reset_device(&ResetDevice);

// Loads of a lightly used gateway: the CPU wanders over 3..99 percent, RAM
// over 38..61 percent, a different value at each reading.
int NextLoad(unsigned first, unsigned step, unsigned span) {
    std::lock_guard<std::mutex> lock(mu);
    return static_cast<int>((first + step * readings++) % span);
}

}  // namespace

extern "C" int zivra_DeviceRsetServiceReset(void) {
    zsim::Record("DeviceRsetServiceReset", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_DeviceRsetServiceReset);
    std::lock_guard<std::mutex> lock(mu);
    ++resets;
    return 0;
}

extern "C" int zivra_getJVMInfo(char name[ZIVRA_FRAMEWORK_TEXT_SIZE], char vendor[ZIVRA_FRAMEWORK_TEXT_SIZE],
                                char version[ZIVRA_FRAMEWORK_TEXT_SIZE]) {
    zsim::Record("getJVMInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getJVMInfo, name, vendor, version);
    snprintf(name, ZIVRA_FRAMEWORK_TEXT_SIZE, "%s", "Nestrova Embedded VM");
    snprintf(vendor, ZIVRA_FRAMEWORK_TEXT_SIZE, "%s", "Korvanta");
    snprintf(version, ZIVRA_FRAMEWORK_TEXT_SIZE, "%s", "1.8.0_412-b08");
    return 0;
}

extern "C" int zivra_getOSGiInfo(char name[ZIVRA_FRAMEWORK_TEXT_SIZE], char vendor[ZIVRA_FRAMEWORK_TEXT_SIZE],
                                 char version[ZIVRA_FRAMEWORK_TEXT_SIZE]) {
    zsim::Record("getOSGiInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getOSGiInfo, name, vendor, version);
    snprintf(name, ZIVRA_FRAMEWORK_TEXT_SIZE, "%s", "Nestrova Service Framework");
    snprintf(vendor, ZIVRA_FRAMEWORK_TEXT_SIZE, "%s", "Korvanta");
    snprintf(version, ZIVRA_FRAMEWORK_TEXT_SIZE, "%s", "4.3.1");
    return 0;
}

extern "C" int zivra_getAPIVersion(char version[ZIVRA_API_VERSION_SIZE]) {
    zsim::Record("getAPIVersion", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getAPIVersion, version);
    snprintf(version, ZIVRA_API_VERSION_SIZE, "%s", "3.2.1");
    return 0;
}

extern "C" int zivra_getDeviceInfo(char vendor[ZIVRA_DEVICE_TEXT_SIZE], char productClass[ZIVRA_DEVICE_TEXT_SIZE],
                                   char hardwareVer[ZIVRA_DEVICE_TEXT_SIZE], char firmwareVer[ZIVRA_DEVICE_TEXT_SIZE],
                                   char flashSize[ZIVRA_DEVICE_TEXT_SIZE], char ramSize[ZIVRA_DEVICE_TEXT_SIZE],
                                   char mainChipClass[ZIVRA_DEVICE_TEXT_SIZE], char nfc[ZIVRA_NFC_TEXT_SIZE]) {
    zsim::Record("getDeviceInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getDeviceInfo, vendor, productClass, hardwareVer, firmwareVer, flashSize, ramSize,
                    mainChipClass, nfc);
    std::lock_guard<std::mutex> lock(mu);
    snprintf(vendor, ZIVRA_DEVICE_TEXT_SIZE, "%s", vendor_);
    snprintf(productClass, ZIVRA_DEVICE_TEXT_SIZE, "%s", product_);
    snprintf(hardwareVer, ZIVRA_DEVICE_TEXT_SIZE, "%s", hardware_);
    snprintf(firmwareVer, ZIVRA_DEVICE_TEXT_SIZE, "%s", firmware_);
    snprintf(flashSize, ZIVRA_DEVICE_TEXT_SIZE, "%s", "256");  // MB
    snprintf(ramSize, ZIVRA_DEVICE_TEXT_SIZE, "%s", "512");    // MB
    snprintf(mainChipClass, ZIVRA_DEVICE_TEXT_SIZE, "%s", "KV-5120");
    snprintf(nfc, ZIVRA_NFC_TEXT_SIZE, "%s", "No");
    return 0;
}

extern "C" int zivra_getDeviceMAC(char mac[ZIVRA_DEVICE_MAC_SIZE]) {
    zsim::Record("getDeviceMAC", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getDeviceMAC, mac);
    std::lock_guard<std::mutex> lock(mu);
    snprintf(mac, ZIVRA_DEVICE_MAC_SIZE, "%s", mac_);
    return 0;
}

extern "C" int zivra_sysGetCpuUsage(int *usage) {
    zsim::Record("sysGetCpuUsage", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_sysGetCpuUsage, usage);
    *usage = 3 + NextLoad(37, 29, 97);
    return 0;
}

extern "C" int zivra_sysGetMemUsage(int *usage) {
    zsim::Record("sysGetMemUsage", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_sysGetMemUsage, usage);
    *usage = 38 + NextLoad(5, 7, 24);
    return 0;
}

extern "C" int zivra_setLedSwitch(const char *state) {
    zsim::Record("setLedSwitch", "state=%s", zsim::Quote(state).c_str());
    ZSIM_RUN_SCRIPT(zivra_setLedSwitch, state);
    const bool on = strcmp(state, "on") == 0;
    if (!on && strcmp(state, "off") != 0) return -1;
    std::lock_guard<std::mutex> lock(mu);
    led_on = on;
    return 0;
}

// Identity values, fixed for this gateway.
#define ZSIM_IDENTITY(op, text)                                  \
    extern "C" int zivra_##op(char value[ZIVRA_IDENTITY_VALUE_SIZE]) { \
        zsim::Record(#op, "%s", "");                             \
        ZSIM_RUN_SCRIPT(zivra_##op, value);                      \
        snprintf(value, ZIVRA_IDENTITY_VALUE_SIZE, "%s", text);  \
        return 0;                                                \
    }

ZSIM_IDENTITY(getDeviceSerialNumber, "KV4210A23B0917C4")
ZSIM_IDENTITY(getDeviceDefaultSSID1Name, "Nestrova-0A11")
ZSIM_IDENTITY(getDevicePassword, "q7Rf2mXk")
ZSIM_IDENTITY(getDeviceManufacturerOUI, "3C5282")
ZSIM_IDENTITY(getdefaultwebpassword, "web9Tz4p")
ZSIM_IDENTITY(getDeviceDefaultSSID1Password, "tq8v3ne5wz2h")
