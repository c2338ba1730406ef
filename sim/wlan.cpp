// Simulated wireless LAN: two radios ("2.4G" and "5G"), eight SSIDs (1..4
// on 2.4G, 5..8 on 5G) with 64-bit traffic counters, a few neighbouring
// access points and associated stations, and two guest slots (SSID 4 and
// SSID 8). The setters change what the queries report.
//
// Vocabulary of this gateway: flags are "1"/"0"; the SSID advertisement
// setter takes a hide flag ("0" = advertised); the three security texts are
// the authentication mode, the encryption and the passphrase; power is a
// percentage; channel 0 turns automatic channel selection on; guest SSIDs
// are named by their SSID index.
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include <mutex>
#include <string>

#include "sim/scenario.h"
#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

struct Radio {
    const char *type;
    const char *const *standards;
    const char *const *widths;
    int channel;
    bool autoChannel;
    int power;
    char width[16];
    char standard[16];
    bool hardwareOn;
};

struct Ssid {
    char name[33];
    bool enable;
    bool advertised;
    char auth[32];
    char cipher[32];
    char passphrase[64];
    uint64_t packetsReceived, packetsSent, bytesReceived, bytesSent;
    uint64_t errorsSent, discardsSent, errorsReceived, discardsReceived;
    int wps;
};

struct Guest {
    bool used;
    int duration;
    int remain;
    bool isolate;
};

struct Neighbor {
    const char *radio, *ssid, *bssid, *standard, *rssi, *type, *channel;
};

struct Station {
    const char *mac;
    int ssid;
    const char *rssi, *rx, *tx, *standard;
};

const char *const kStandards24[] = {"b", "g", "n", "b/g", "b/g/n", "b/g/n/ax", nullptr};
const char *const kStandards5[] = {"a", "n", "ac", "a/n", "a/n/ac", "a/n/ac/ax", nullptr};
const char *const kWidths24[] = {"20MHz", "40MHz", "20/40MHz", nullptr};
const char *const kWidths5[] = {"20MHz", "40MHz", "80MHz", "160MHz", "20/40/80MHz", nullptr};
const char *const kAuth[] = {"None", "WPA-PSK", "WPA2-PSK", "WPA-WPA2-PSK", "WPA3-SAE", nullptr};
const char *const kCipher[] = {"", "AES", "TKIP", "TKIP+AES", nullptr};

const Neighbor kNeighbors[] = {
    {"2.4G", "Harbor-Lane", "3C:52:82:0A:11:20", "b/g/n", "-61", "AP", "1"},
    {"2.4G", "Printer-7F21", "F4:39:09:7F:21:02", "b/g", "-74", "Ad-hoc", "6"},
    {"2.4G", "Kestrel Cafe Guest", "00:1E:58:C4:90:3B", "b/g/n/ax", "-82", "AP", "11"},
    {"5G", "Harbor-Lane-5G", "3C:52:82:0A:11:24", "a/n/ac", "-68", "AP", "44"},
    {"5G", "Orchard", "AC:84:C6:05:7E:10", "a/n/ac/ax", "-79", "AP", "149"},
};

const Station kStations[] = {
    {"6C:4A:85:11:22:33", 1, "-48", "866", "780", "ac"},
    {"B8:27:EB:5D:0F:9A", 2, "-63", "72", "65", "n"},
    {"F0:18:98:AA:10:01", 5, "-55", "1201", "1080", "ax"},
    {"3A:F1:07:2C:9E:44", 4, "-70", "144", "130", "n"},
};

constexpr int kSsids = 8;
constexpr int kGuestSsid[2] = {4, 8};

std::mutex mu;
Radio radios[2];
Ssid ssids[kSsids];
Guest guests[2];

void LoadScenario();

void ResetWlan() {
    std::lock_guard<std::mutex> lock(mu);
    radios[0] = Radio{"2.4G", kStandards24, kWidths24, 6, false, 100, {}, {}, true};
    radios[1] = Radio{"5G", kStandards5, kWidths5, 44, true, 80, {}, {}, true};
    zsim::SetField(radios[0].width, "20/40MHz");
    zsim::SetField(radios[0].standard, "b/g/n");
    zsim::SetField(radios[1].width, "80MHz");
    zsim::SetField(radios[1].standard, "a/n/ac");
    static const char *const kNames[kSsids] = {"HomeNet",    "HomeNet-IoT",      "SSID3", "HomeNet-Guest",
                                               "HomeNet-5G", "HomeNet-5G-Media", "SSID7", "HomeNet-5G-Guest"};
    for (int i = 0; i < kSsids; ++i) {
        Ssid &s = ssids[i];
        memset(&s, 0, sizeof s);
        zsim::SetField(s.name, kNames[i]);
        // SSIDs 3 and 7 are off, and so is the 5G guest until it is added.
        s.enable = i != 2 && i != 6 && i != 7;
        s.advertised = true;
        zsim::SetField(s.auth, "WPA2-PSK");
        zsim::SetField(s.cipher, "AES");
        snprintf(s.passphrase, sizeof s.passphrase, "secret-%d-%s", i + 1, kNames[i]);
        const uint64_t k = static_cast<uint64_t>(i) + 1;
        // Byte counters past 2^32, so a 32-bit cut would show.
        s.bytesReceived = 6000000000ULL * k + 321ULL;
        s.bytesSent = 4300000000ULL * k + 17ULL;
        s.packetsReceived = 5100000ULL * k;
        s.packetsSent = 3900000ULL * k;
        s.errorsSent = 3 * k;
        s.discardsSent = 11 * k;
        s.errorsReceived = 5 * k;
        s.discardsReceived = 2 * k;
    }
    guests[0] = Guest{true, 480, 215, true};
    guests[1] = Guest{false, 0, 0, true};
    LoadScenario();
}
zsim::OnReset reset_wlan(&ResetWlan);

Radio *FindRadio(const char *type) {
    if (type == nullptr) return nullptr;
    for (Radio &r : radios) {
        if (strcmp(r.type, type) == 0) return &r;
    }
    return nullptr;
}

Ssid *FindSsid(int index) { return index >= 1 && index <= kSsids ? &ssids[index - 1] : nullptr; }
const Radio &RadioOf(int ssidIndex) { return radios[ssidIndex <= 4 ? 0 : 1]; }

Guest *FindGuest(int guestSsidIndex, int *slot = nullptr) {
    for (int i = 0; i < 2; ++i) {
        if (kGuestSsid[i] == guestSsidIndex) {
            if (slot != nullptr) *slot = i;
            return &guests[i];
        }
    }
    return nullptr;
}

bool InList(const char *text, const char *const *list) {
    if (text == nullptr) return false;
    for (; *list != nullptr; ++list) {
        if (strcmp(text, *list) == 0) return true;
    }
    return false;
}

bool Flag(const char *text, bool *value) {
    if (text == nullptr) return false;
    if (strcmp(text, "1") == 0) return *value = true, true;
    if (strcmp(text, "0") == 0) return *value = false, true;
    return false;
}

bool ValidChannel(const Radio &r, int channel) {
    if (&r == &radios[0]) return channel >= 1 && channel <= 13;
    static const int k5[] = {36, 40, 44, 48, 52, 56, 60, 64, 100, 104, 108, 112, 116, 120, 124, 128, 132, 136, 140,
                             149, 153, 157, 161, 165};
    for (int c : k5) {
        if (c == channel) return true;
    }
    return false;
}

// A scenario may set either radio, and any SSID by its index.
void LoadScenario() {
    const zsim::Setting set = zsim::Scenario("radios");
    set.Only({"2.4G", "5G"});
    for (Radio &r : radios) {
        const zsim::Setting s = set.Member(r.type);
        s.Only({"on", "channel", "autoChannel", "power", "width", "standard"});
        s.Member("on").Flag(&r.hardwareOn);
        s.Member("channel").Int(&r.channel, 1, 165);
        if (!ValidChannel(r, r.channel)) s.Member("channel").Refuse("not a channel of this radio");
        s.Member("autoChannel").Flag(&r.autoChannel);
        s.Member("power").Int(&r.power, 1, 100);
        s.Member("width").Choice(r.width, sizeof r.width, r.widths);
        s.Member("standard").Choice(r.standard, sizeof r.standard, r.standards);
    }
    const zsim::Setting list = zsim::Scenario("ssids");
    for (size_t i = 0, n = list.Items(kSsids); i < n; ++i) {
        const zsim::Setting s = list.Item(i);
        s.Only({"index", "name", "enable", "advertised", "auth", "cipher", "passphrase"});
        int index = 0;
        s.Need("index").Int(&index, 1, kSsids);
        Ssid &ssid = ssids[index - 1];
        s.Member("name").Text(ssid.name);
        s.Member("enable").Flag(&ssid.enable);
        s.Member("advertised").Flag(&ssid.advertised);
        s.Member("auth").Choice(ssid.auth, sizeof ssid.auth, kAuth);
        s.Member("cipher").Choice(ssid.cipher, sizeof ssid.cipher, kCipher);
        s.Member("passphrase").Text(ssid.passphrase);
    }
}

// Formatted text into a caller's buffer of `size` bytes, NUL-terminated.
void Put(char *dst, size_t size, const char *fmt, ...) __attribute__((format(printf, 3, 4)));
void Put(char *dst, size_t size, const char *fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(dst, size, fmt, ap);
    va_end(ap);
}

void PutCount(char *dst, size_t size, uint64_t v) { Put(dst, size, "%llu", static_cast<unsigned long long>(v)); }

}  // namespace

// --- Queries -----------------------------------------------------------------

extern "C" int zivra_getWLANSSIDPassword(int ssidIndex, char password[256]) {
    zsim::Record("getWLANSSIDPassword", "ssidIndex=%d", ssidIndex);
    ZSIM_RUN_SCRIPT(zivra_getWLANSSIDPassword, ssidIndex, password);
    std::lock_guard<std::mutex> lock(mu);
    const Ssid *s = FindSsid(ssidIndex);
    if (s == nullptr) return -1;
    Put(password, 256, "%s", s->passphrase);
    return 0;
}

extern "C" int zivra_getWLANNeighbor(const char *radioType, WLANNeighborTable *table) {
    zsim::Record("getWLANNeighbor", "radioType=%s", zsim::Quote(radioType).c_str());
    ZSIM_RUN_SCRIPT(zivra_getWLANNeighbor, radioType, table);
    std::lock_guard<std::mutex> lock(mu);
    const Radio *r = FindRadio(radioType);
    if (r == nullptr) return -1;
    if (!r->hardwareOn) return 0;  // a radio switched off hears nobody
    int n = 0;
    for (const Neighbor &nb : kNeighbors) {
        if (strcmp(nb.radio, r->type) != 0 || n >= ZIVRA_WLAN_NEIGHBORS) continue;
        zsim::SetField(table->SSIDName[n], nb.ssid);
        zsim::SetField(table->BSSID[n], nb.bssid);
        zsim::SetField(table->Standard[n], nb.standard);
        zsim::SetField(table->RSSI[n], nb.rssi);
        zsim::SetField(table->NetworkType[n], nb.type);
        zsim::SetField(table->Channel[n], nb.channel);
        ++n;
    }
    return n;
}

extern "C" int zivra_getWLANSSIDStats(int ssidIndex, char totalPacketsReceived[64], char totalPacketsSent[32],
                                      char totalBytesReceived[64], char totalBytesSent[64], char errorsSent[64],
                                      char discardPacketsSent[64], char errorsReceived[64],
                                      char discardPacketsReceived[64]) {
    zsim::Record("getWLANSSIDStats", "ssidIndex=%d", ssidIndex);
    ZSIM_RUN_SCRIPT(zivra_getWLANSSIDStats, ssidIndex, totalPacketsReceived, totalPacketsSent, totalBytesReceived,
                    totalBytesSent, errorsSent, discardPacketsSent, errorsReceived, discardPacketsReceived);
    std::lock_guard<std::mutex> lock(mu);
    const Ssid *s = FindSsid(ssidIndex);
    if (s == nullptr) return -1;
    PutCount(totalPacketsReceived, 64, s->packetsReceived);
    PutCount(totalPacketsSent, 32, s->packetsSent);
    PutCount(totalBytesReceived, 64, s->bytesReceived);
    PutCount(totalBytesSent, 64, s->bytesSent);
    PutCount(errorsSent, 64, s->errorsSent);
    PutCount(discardPacketsSent, 64, s->discardsSent);
    PutCount(errorsReceived, 64, s->errorsReceived);
    PutCount(discardPacketsReceived, 64, s->discardsReceived);
    return 0;
}

extern "C" int zivra_getWLANRadioInfo(const char *radioType, char channel[64], char autoChannelEnable[32],
                                      char channelsInUse[128], char transmitPower[130], char frequencyWidth[64]) {
    zsim::Record("getWLANRadioInfo", "radioType=%s", zsim::Quote(radioType).c_str());
    ZSIM_RUN_SCRIPT(zivra_getWLANRadioInfo, radioType, channel, autoChannelEnable, channelsInUse, transmitPower,
                    frequencyWidth);
    std::lock_guard<std::mutex> lock(mu);
    const Radio *r = FindRadio(radioType);
    if (r == nullptr) return -1;
    Put(channel, 64, "%d", r->channel);
    Put(autoChannelEnable, 32, "%s", r->autoChannel ? "1" : "0");
    // Channels heard in use: the radio's own and its neighbours'.
    std::string inUse = std::to_string(r->channel);
    for (const Neighbor &nb : kNeighbors) {
        if (strcmp(nb.radio, r->type) == 0 && atoi(nb.channel) != r->channel) inUse += std::string(",") + nb.channel;
    }
    Put(channelsInUse, 128, "%s", inUse.c_str());
    Put(transmitPower, 130, "%d", r->power);
    Put(frequencyWidth, 64, "%s", r->width);
    return 0;
}

extern "C" int zivra_getWLANHostInfo(WLANHostRecord *table, int count) {
    std::string macs;
    for (int i = 0; i < count; ++i) {
        const WLANHostRecord &h = table[i];
        macs += std::string(i ? "," : "") + "\"" + std::string(h.MAC, strnlen(h.MAC, sizeof h.MAC)) + "\"";
    }
    zsim::Record("getWLANHostInfo", "count=%d macs=[%s]", count, macs.c_str());
    ZSIM_RUN_SCRIPT(zivra_getWLANHostInfo, table, count);
    if (count < 0) return -1;
    std::lock_guard<std::mutex> lock(mu);
    // Which stations are asked for: all, or those whose MAC is given.
    const Station *found[ZIVRA_WLAN_HOSTS];
    int n = 0;
    for (const Station &st : kStations) {
        bool wanted = count == 0;
        for (int i = 0; i < count && !wanted; ++i) {
            wanted = strncasecmp(table[i].MAC, st.mac, sizeof table[i].MAC) == 0;
        }
        if (wanted && n < ZIVRA_WLAN_HOSTS && (count == 0 || n < count)) found[n++] = &st;
    }
    for (int i = 0; i < n; ++i) {
        WLANHostRecord &h = table[i];
        memset(&h, 0, sizeof h);
        const Ssid &s = ssids[found[i]->ssid - 1];
        zsim::SetField(h.MAC, found[i]->mac);
        Put(h.SSIDIndex, sizeof h.SSIDIndex, "%d", found[i]->ssid);
        zsim::SetField(h.SSIDName, s.name);
        zsim::SetField(h.RSSI, found[i]->rssi);
        zsim::SetField(h.RxRate, found[i]->rx);
        zsim::SetField(h.TxRate, found[i]->tx);
        zsim::SetField(h.Standard, found[i]->standard);
    }
    return n;
}

extern "C" int zivra_getWLANSSIDInfo(int ssidIndex, char enable[32], char bssid[32], char ssidName[130],
                                     char ssidAdvertisementEnabled[32], char standard[32],
                                     char encryptionMode[128]) {
    zsim::Record("getWLANSSIDInfo", "ssidIndex=%d", ssidIndex);
    ZSIM_RUN_SCRIPT(zivra_getWLANSSIDInfo, ssidIndex, enable, bssid, ssidName, ssidAdvertisementEnabled, standard,
                    encryptionMode);
    std::lock_guard<std::mutex> lock(mu);
    const Ssid *s = FindSsid(ssidIndex);
    if (s == nullptr) return -1;
    Put(enable, 32, "%s", s->enable ? "1" : "0");
    Put(bssid, 32, "A4:7E:39:10:%02X:%02X", ssidIndex <= 4 ? 0x24 : 0x50, ssidIndex);
    Put(ssidName, 130, "%s", s->name);
    Put(ssidAdvertisementEnabled, 32, "%s", s->advertised ? "1" : "0");
    Put(standard, 32, "%s", RadioOf(ssidIndex).standard);
    Put(encryptionMode, 128, "%s%s%s", s->auth, s->cipher[0] != '\0' ? "/" : "", s->cipher);
    return 0;
}

extern "C" int zivra_getGuestSSIDInfo(int slot, int *duration, char portIsolation[8], int *remainDuration,
                                      int *ssidIndex) {
    zsim::Record("getGuestSSIDInfo", "slot=%d", slot);
    ZSIM_RUN_SCRIPT(zivra_getGuestSSIDInfo, slot, duration, portIsolation, remainDuration, ssidIndex);
    std::lock_guard<std::mutex> lock(mu);
    if (slot < 0 || slot > 1 || !guests[slot].used) return -1;
    *duration = guests[slot].duration;
    Put(portIsolation, 8, "%s", guests[slot].isolate ? "1" : "0");
    *remainDuration = guests[slot].remain;
    *ssidIndex = kGuestSsid[slot];
    return 0;
}

extern "C" int zivra_getWLANWPSStatus(int ssidIndex) {
    zsim::Record("getWLANWPSStatus", "ssidIndex=%d", ssidIndex);
    ZSIM_RUN_SCRIPT(zivra_getWLANWPSStatus, ssidIndex);
    std::lock_guard<std::mutex> lock(mu);
    const Ssid *s = FindSsid(ssidIndex);
    return s == nullptr ? -1 : s->wps;
}

extern "C" int zivra_getWLANHardwareSwitch(const char *radioType) {
    zsim::Record("getWLANHardwareSwitch", "radioType=%s", zsim::Quote(radioType).c_str());
    ZSIM_RUN_SCRIPT(zivra_getWLANHardwareSwitch, radioType);
    std::lock_guard<std::mutex> lock(mu);
    const Radio *r = FindRadio(radioType);
    return r != nullptr && r->hardwareOn ? 1 : 0;
}

// --- Settings ----------------------------------------------------------------

extern "C" int zivra_setWLANSSIDAdvertisement(int ssidIndex, const char *hide) {
    zsim::Record("setWLANSSIDAdvertisement", "ssidIndex=%d hide=%s", ssidIndex, zsim::Quote(hide).c_str());
    ZSIM_RUN_SCRIPT(zivra_setWLANSSIDAdvertisement, ssidIndex, hide);
    std::lock_guard<std::mutex> lock(mu);
    Ssid *s = FindSsid(ssidIndex);
    bool hidden;
    if (s == nullptr || !Flag(hide, &hidden)) return -1;
    s->advertised = !hidden;
    return 0;
}

extern "C" int zivra_setWLANSSIDSecurity(int ssidIndex, const char *security1, const char *security2,
                                         const char *security3) {
    zsim::Record("setWLANSSIDSecurity", "ssidIndex=%d security1=%s security2=%s security3=%s", ssidIndex,
                 zsim::Quote(security1).c_str(), zsim::Quote(security2).c_str(), zsim::Quote(security3).c_str());
    ZSIM_RUN_SCRIPT(zivra_setWLANSSIDSecurity, ssidIndex, security1, security2, security3);
    std::lock_guard<std::mutex> lock(mu);
    Ssid *s = FindSsid(ssidIndex);
    if (s == nullptr || !InList(security1, kAuth) || !InList(security2, kCipher) || security3 == nullptr) return -1;
    const bool open = strcmp(security1, "None") == 0;
    const size_t len = strlen(security3);
    if (!open && (len < 8 || len > 63)) return -1;  // a passphrase is 8 to 63 characters
    zsim::SetField(s->auth, security1);
    zsim::SetField(s->cipher, open ? "" : security2);
    zsim::SetField(s->passphrase, open ? "" : security3);
    return 0;
}

extern "C" int zivra_setWLANRadioFrequencyWidth(const char *radioType, const char *frequencyWidth) {
    zsim::Record("setWLANRadioFrequencyWidth", "radioType=%s frequencyWidth=%s", zsim::Quote(radioType).c_str(),
                 zsim::Quote(frequencyWidth).c_str());
    ZSIM_RUN_SCRIPT(zivra_setWLANRadioFrequencyWidth, radioType, frequencyWidth);
    std::lock_guard<std::mutex> lock(mu);
    Radio *r = FindRadio(radioType);
    if (r == nullptr || !InList(frequencyWidth, r->widths)) return -1;
    zsim::SetField(r->width, frequencyWidth);
    return 0;
}

extern "C" int zivra_setWLANStandard(const char *radioType, const char *standard) {
    zsim::Record("setWLANStandard", "radioType=%s standard=%s", zsim::Quote(radioType).c_str(),
                 zsim::Quote(standard).c_str());
    ZSIM_RUN_SCRIPT(zivra_setWLANStandard, radioType, standard);
    std::lock_guard<std::mutex> lock(mu);
    Radio *r = FindRadio(radioType);
    if (r == nullptr || !InList(standard, r->standards)) return -1;
    zsim::SetField(r->standard, standard);
    return 0;
}

extern "C" int zivra_addWLANGuestSSID(int guestSsidIndex) {
    zsim::Record("addWLANGuestSSID", "guestSsidIndex=%d", guestSsidIndex);
    ZSIM_RUN_SCRIPT(zivra_addWLANGuestSSID, guestSsidIndex);
    std::lock_guard<std::mutex> lock(mu);
    Guest *g = FindGuest(guestSsidIndex);
    if (g == nullptr || g->used) return -1;
    *g = Guest{true, 0, 0, true};  // no time limit, isolated
    ssids[guestSsidIndex - 1].enable = true;
    return 0;
}

extern "C" int zivra_setWLANRadioPower(const char *radioType, int power) {
    zsim::Record("setWLANRadioPower", "radioType=%s power=%d", zsim::Quote(radioType).c_str(), power);
    ZSIM_RUN_SCRIPT(zivra_setWLANRadioPower, radioType, power);
    std::lock_guard<std::mutex> lock(mu);
    Radio *r = FindRadio(radioType);
    if (r == nullptr || power < 1 || power > 100) return -1;
    r->power = power;
    return 0;
}

extern "C" int zivra_setWLANSSIDSwitch(int ssidIndex, const char *enable) {
    zsim::Record("setWLANSSIDSwitch", "ssidIndex=%d enable=%s", ssidIndex, zsim::Quote(enable).c_str());
    ZSIM_RUN_SCRIPT(zivra_setWLANSSIDSwitch, ssidIndex, enable);
    std::lock_guard<std::mutex> lock(mu);
    Ssid *s = FindSsid(ssidIndex);
    bool on;
    if (s == nullptr || !Flag(enable, &on)) return -1;
    s->enable = on;
    if (!on) s->wps = 0;
    return 0;
}

extern "C" int zivra_setWLANGuestPortIsolation(int guestSsidIndex, const char *isolate) {
    zsim::Record("setWLANGuestPortIsolation", "guestSsidIndex=%d isolate=%s", guestSsidIndex,
                 zsim::Quote(isolate).c_str());
    ZSIM_RUN_SCRIPT(zivra_setWLANGuestPortIsolation, guestSsidIndex, isolate);
    std::lock_guard<std::mutex> lock(mu);
    Guest *g = FindGuest(guestSsidIndex);
    bool on;
    if (g == nullptr || !g->used || !Flag(isolate, &on)) return -1;
    g->isolate = on;
    return 0;
}

extern "C" int zivra_startWLANWPS(int ssidIndex) {
    zsim::Record("startWLANWPS", "ssidIndex=%d", ssidIndex);
    ZSIM_RUN_SCRIPT(zivra_startWLANWPS, ssidIndex);
    std::lock_guard<std::mutex> lock(mu);
    Ssid *s = FindSsid(ssidIndex);
    if (s == nullptr || !s->enable) return -1;
    s->wps = 1;  // in progress
    return 0;
}

extern "C" int zivra_deleteWLANGuestSSID(int guestSsidIndex) {
    zsim::Record("deleteWLANGuestSSID", "guestSsidIndex=%d", guestSsidIndex);
    ZSIM_RUN_SCRIPT(zivra_deleteWLANGuestSSID, guestSsidIndex);
    std::lock_guard<std::mutex> lock(mu);
    Guest *g = FindGuest(guestSsidIndex);
    if (g == nullptr || !g->used) return -1;
    g->used = false;
    ssids[guestSsidIndex - 1].enable = false;
    return 0;
}

extern "C" int zivra_setWLANHardwareSwitch(const char *radioType, const char *on) {
    zsim::Record("setWLANHardwareSwitch", "radioType=%s on=%s", zsim::Quote(radioType).c_str(),
                 zsim::Quote(on).c_str());
    ZSIM_RUN_SCRIPT(zivra_setWLANHardwareSwitch, radioType, on);
    std::lock_guard<std::mutex> lock(mu);
    Radio *r = FindRadio(radioType);
    bool value;
    if (r == nullptr || !Flag(on, &value)) return -1;
    r->hardwareOn = value;
    return 0;
}

extern "C" int zivra_setWLANGuestDuration(int guestSsidIndex, int duration) {
    zsim::Record("setWLANGuestDuration", "guestSsidIndex=%d duration=%d", guestSsidIndex, duration);
    ZSIM_RUN_SCRIPT(zivra_setWLANGuestDuration, guestSsidIndex, duration);
    std::lock_guard<std::mutex> lock(mu);
    Guest *g = FindGuest(guestSsidIndex);
    if (g == nullptr || !g->used || duration < 0) return -1;
    g->duration = duration;
    g->remain = duration;
    return 0;
}

extern "C" int zivra_stopWLANWPS(int ssidIndex) {
    zsim::Record("stopWLANWPS", "ssidIndex=%d", ssidIndex);
    ZSIM_RUN_SCRIPT(zivra_stopWLANWPS, ssidIndex);
    std::lock_guard<std::mutex> lock(mu);
    Ssid *s = FindSsid(ssidIndex);
    if (s == nullptr) return -1;
    s->wps = 0;
    return 0;
}

extern "C" int zivra_setWLANRadioChannel(const char *radioType, int channel) {
    zsim::Record("setWLANRadioChannel", "radioType=%s channel=%d", zsim::Quote(radioType).c_str(), channel);
    ZSIM_RUN_SCRIPT(zivra_setWLANRadioChannel, radioType, channel);
    std::lock_guard<std::mutex> lock(mu);
    Radio *r = FindRadio(radioType);
    if (r == nullptr) return -1;
    if (channel == 0) {  // automatic selection keeps the channel it is on
        r->autoChannel = true;
        return 0;
    }
    if (!ValidChannel(*r, channel)) return -1;
    r->channel = channel;
    r->autoChannel = false;
    return 0;
}
