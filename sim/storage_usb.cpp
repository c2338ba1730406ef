// Simulated storage services, USB devices and password registration.
//
// Samba and FTP each keep a right (0 off, 1 LAN, 2 LAN and WAN), an
// anonymous flag and up to six accounts with distinct non-empty user names;
// HTTP keeps a right and a password. Device 1 is a USB printer and device 2
// a USB serial port; opening gives handle 0 or 1 (device id - 1), one opener
// at a time. Bytes written to an open device are echoed back: they become
// the data its next reads return (a device starts with a greeting to read).
// Two storage volumes are mounted. The registration record starts
// unregistered; a registration with a password, a province code of one to
// three characters and a limit and times of 0 to 999 marks it registered.
#include <stdio.h>
#include <string.h>

#include <mutex>
#include <string>

#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

constexpr int kRightMax = 2;
constexpr int kBundles = 4;
constexpr int kDevices = 2;
constexpr int kPendingCapacity = 256;
constexpr int kNoDevice = -2;
constexpr int kBusy = -3;

struct StorageService {
    int right;
    int anonymous;
    StorageAccountEntry accounts[ZIVRA_STORAGE_ACCOUNTS];
    int count;
};

struct UsbDevice {
    bool serial;
    bool open;
    bool locked;
    UsbSerialSettings settings;
    signed char pending[kPendingCapacity];
    int pendingLen;
};

struct Registration {
    char status[4], registerResult[4], serviceNum[4], serviceName[16], limit[4], times[4], province[4];
};

std::mutex mu;
StorageService samba, ftp;
int httpRight;
char httpPassword[ZIVRA_STORAGE_PASSWORD_SIZE];
char bundles[kBundles][64];
UsbDevice devices[kDevices];
Registration registration;

void ResetStorageUsb() {
    std::lock_guard<std::mutex> lock(mu);
    memset(&samba, 0, sizeof samba);
    memset(&ftp, 0, sizeof ftp);
    samba.right = 1;
    zsim::SetField(samba.accounts[0].UserName, "family");
    zsim::SetField(samba.accounts[0].Password, "Samba#2024");
    samba.count = 1;
    ftp.right = 0;
    ftp.anonymous = 1;
    httpRight = 1;
    zsim::SetField(httpPassword, "webstore");
    memset(bundles, 0, sizeof bundles);
    memset(devices, 0, sizeof devices);
    for (int i = 0; i < kDevices; ++i) {
        UsbDevice &d = devices[i];
        d.serial = i == 1;
        d.pendingLen = snprintf(reinterpret_cast<char *>(d.pending), sizeof d.pending, "%s",
                                d.serial ? "AT OK\r\n" : "PRINTER READY");
    }
    memset(&registration, 0, sizeof registration);
    zsim::SetField(registration.status, "0");
    zsim::SetField(registration.registerResult, "0");
    zsim::SetField(registration.serviceNum, "0");
    zsim::SetField(registration.limit, "10");
    zsim::SetField(registration.times, "0");
}
zsim::OnReset reset_storage_usb(&ResetStorageUsb);

// Texts from the bridge must end within `size` bytes.
bool Fits(const char *text, size_t size) { return text != nullptr && strnlen(text, size) < size; }

int FindAccount(const StorageService &s, const char *user) {
    for (int i = 0; i < s.count; ++i) {
        if (strcmp(s.accounts[i].UserName, user) == 0) return i;
    }
    return -1;
}

int RightInfo(const StorageService &s, int *right, char *anonymous, StorageAccountEntry *accounts) {
    std::lock_guard<std::mutex> lock(mu);
    *right = s.right;
    snprintf(anonymous, ZIVRA_STORAGE_ANONYMOUS_SIZE, "%d", s.anonymous);
    memcpy(accounts, s.accounts, sizeof(StorageAccountEntry) * static_cast<size_t>(s.count));
    return s.count;
}

int SetRight(StorageService &s, int right, int anonymous) {
    if (right < 0 || right > kRightMax || (anonymous != 0 && anonymous != 1)) return -1;
    std::lock_guard<std::mutex> lock(mu);
    s.right = right;
    s.anonymous = anonymous;
    return 0;
}

int AddAccount(StorageService &s, const char *user, const char *password) {
    if (!Fits(user, ZIVRA_STORAGE_USER_SIZE) || user[0] == '\0' || !Fits(password, ZIVRA_STORAGE_PASSWORD_SIZE))
        return -1;
    std::lock_guard<std::mutex> lock(mu);
    if (s.count == ZIVRA_STORAGE_ACCOUNTS || FindAccount(s, user) >= 0) return -1;
    zsim::SetField(s.accounts[s.count].UserName, user);
    zsim::SetField(s.accounts[s.count].Password, password);
    ++s.count;
    return 0;
}

int DeleteAccount(StorageService &s, const char *user) {
    if (user == nullptr) return -1;
    std::lock_guard<std::mutex> lock(mu);
    const int at = FindAccount(s, user);
    if (at < 0) return -1;
    memmove(&s.accounts[at], &s.accounts[at + 1], sizeof(StorageAccountEntry) * static_cast<size_t>(s.count - at - 1));
    --s.count;
    memset(&s.accounts[s.count], 0, sizeof(StorageAccountEntry));
    return 0;
}

// Delete-all takes an empty text; anything else is refused.
int DeleteAll(StorageService &s, const char *empty) {
    if (empty == nullptr || empty[0] != '\0') return -1;
    std::lock_guard<std::mutex> lock(mu);
    memset(s.accounts, 0, sizeof s.accounts);
    s.count = 0;
    return 0;
}

UsbDevice *Device(int devId) { return devId >= 1 && devId <= kDevices ? &devices[devId - 1] : nullptr; }
UsbDevice *Opened(int handle) {
    // Handles are 0 and 1; any other value (INT_MAX included) is no device.
    UsbDevice *d = handle >= 0 && handle < kDevices ? Device(handle + 1) : nullptr;
    return d != nullptr && d->open ? d : nullptr;
}

std::string Hex(const signed char *data, int count) {
    std::string out;
    char byte[3];
    for (int i = 0; i < count; ++i) {
        snprintf(byte, sizeof byte, "%02x", static_cast<unsigned>(static_cast<unsigned char>(data[i])));
        out += byte;
    }
    return out;
}

}  // namespace

extern "C" int zivra_getSambaRightInfo(int *right, char *anonymous, StorageAccountEntry *accounts) {
    zsim::Record("getSambaRightInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getSambaRightInfo, right, anonymous, accounts);
    return RightInfo(samba, right, anonymous, accounts);
}

extern "C" int zivra_getFTPRightInfo(int *right, char *anonymous, StorageAccountEntry *accounts) {
    zsim::Record("getFTPRightInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getFTPRightInfo, right, anonymous, accounts);
    return RightInfo(ftp, right, anonymous, accounts);
}

extern "C" int zivra_getHTTPRightInfo(int *right, char *password) {
    zsim::Record("getHTTPRightInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getHTTPRightInfo, right, password);
    std::lock_guard<std::mutex> lock(mu);
    *right = httpRight;
    snprintf(password, ZIVRA_STORAGE_PASSWORD_SIZE, "%s", httpPassword);
    return 0;
}

extern "C" int zivra_setSambaRight(int right, int anonymous) {
    zsim::Record("setSambaRight", "right=%d anonymous=%d", right, anonymous);
    ZSIM_RUN_SCRIPT(zivra_setSambaRight, right, anonymous);
    return SetRight(samba, right, anonymous);
}

extern "C" int zivra_setFTPRight(int right, int anonymous) {
    zsim::Record("setFTPRight", "right=%d anonymous=%d", right, anonymous);
    ZSIM_RUN_SCRIPT(zivra_setFTPRight, right, anonymous);
    return SetRight(ftp, right, anonymous);
}

extern "C" int zivra_setHTTPRight(int right) {
    zsim::Record("setHTTPRight", "right=%d", right);
    ZSIM_RUN_SCRIPT(zivra_setHTTPRight, right);
    if (right < 0 || right > kRightMax) return -1;
    std::lock_guard<std::mutex> lock(mu);
    httpRight = right;
    return 0;
}

extern "C" int zivra_addSambaAccount(const char *userName, const char *password) {
    zsim::Record("addSambaAccount", "userName=%s password=%s", zsim::Quote(userName).c_str(),
                 zsim::Quote(password).c_str());
    ZSIM_RUN_SCRIPT(zivra_addSambaAccount, userName, password);
    return AddAccount(samba, userName, password);
}

extern "C" int zivra_addFTPAccount(const char *userName, const char *password) {
    zsim::Record("addFTPAccount", "userName=%s password=%s", zsim::Quote(userName).c_str(),
                 zsim::Quote(password).c_str());
    ZSIM_RUN_SCRIPT(zivra_addFTPAccount, userName, password);
    return AddAccount(ftp, userName, password);
}

extern "C" int zivra_deleteSambaAccount(const char *userName) {
    zsim::Record("deleteSambaAccount", "userName=%s", zsim::Quote(userName).c_str());
    ZSIM_RUN_SCRIPT(zivra_deleteSambaAccount, userName);
    return DeleteAccount(samba, userName);
}

extern "C" int zivra_deleteFTPAccount(const char *userName) {
    zsim::Record("deleteFTPAccount", "userName=%s", zsim::Quote(userName).c_str());
    ZSIM_RUN_SCRIPT(zivra_deleteFTPAccount, userName);
    return DeleteAccount(ftp, userName);
}

extern "C" int zivra_deleteAllSambaAccount(const char *empty) {
    zsim::Record("deleteAllSambaAccount", "text=%s", zsim::Quote(empty).c_str());
    ZSIM_RUN_SCRIPT(zivra_deleteAllSambaAccount, empty);
    return DeleteAll(samba, empty);
}

extern "C" int zivra_deleteAllFTPAccount(const char *empty) {
    zsim::Record("deleteAllFTPAccount", "text=%s", zsim::Quote(empty).c_str());
    ZSIM_RUN_SCRIPT(zivra_deleteAllFTPAccount, empty);
    return DeleteAll(ftp, empty);
}

extern "C" int zivra_setHTTPUserPassword(const char *password) {
    zsim::Record("setHTTPUserPassword", "password=%s", zsim::Quote(password).c_str());
    ZSIM_RUN_SCRIPT(zivra_setHTTPUserPassword, password);
    if (!Fits(password, ZIVRA_STORAGE_PASSWORD_SIZE) || password[0] == '\0') return -1;
    std::lock_guard<std::mutex> lock(mu);
    zsim::SetField(httpPassword, password);
    return 0;
}

// A bundle registers once (again: the new mask holds); types need bit 0.
extern "C" int zivra_usbRegister(int client, int session, const char *bundleName, int devTypes) {
    zsim::Record("usbRegister", "client=%d session=%d bundle=%s devTypes=%d", client, session,
                 zsim::Quote(bundleName).c_str(), devTypes);
    ZSIM_RUN_SCRIPT(zivra_usbRegister, client, session, bundleName, devTypes);
    if (!Fits(bundleName, sizeof bundles[0]) || bundleName[0] == '\0' || (devTypes & 1) == 0) return -1;
    std::lock_guard<std::mutex> lock(mu);
    int freeSlot = -1;
    for (int i = 0; i < kBundles; ++i) {
        if (strcmp(bundles[i], bundleName) == 0) return 0;
        if (bundles[i][0] == '\0' && freeSlot < 0) freeSlot = i;
    }
    if (freeSlot < 0) return -1;
    zsim::SetField(bundles[freeSlot], bundleName);
    return 0;
}

extern "C" int zivra_usbUnregister(int client, int session, const char *bundleName) {
    zsim::Record("usbUnregister", "client=%d session=%d bundle=%s", client, session, zsim::Quote(bundleName).c_str());
    ZSIM_RUN_SCRIPT(zivra_usbUnregister, client, session, bundleName);
    if (bundleName == nullptr || bundleName[0] == '\0') return -1;
    std::lock_guard<std::mutex> lock(mu);
    for (auto &b : bundles) {
        if (strcmp(b, bundleName) == 0) {
            memset(b, 0, sizeof b);
            return 0;
        }
    }
    return -1;
}

extern "C" int zivra_usbOpen(int client, int session, const char *bundleName, int devId, int *handle) {
    zsim::Record("usbOpen", "client=%d session=%d bundle=%s devId=%d handle=%d", client, session,
                 zsim::QuoteOptional(bundleName).c_str(), devId, *handle);
    ZSIM_RUN_SCRIPT(zivra_usbOpen, client, session, bundleName, devId, handle);
    std::lock_guard<std::mutex> lock(mu);
    UsbDevice *d = Device(devId);
    if (d == nullptr) return kNoDevice;
    if (d->open) return kBusy;
    d->open = true;
    *handle = devId - 1;
    return 0;
}

extern "C" int zivra_usbClose(int handle) {
    zsim::Record("usbClose", "handle=%d", handle);
    ZSIM_RUN_SCRIPT(zivra_usbClose, handle);
    std::lock_guard<std::mutex> lock(mu);
    UsbDevice *d = Opened(handle);
    if (d == nullptr) return -1;
    d->open = false;
    return 0;
}

extern "C" int zivra_usbLock(int client, int session, const char *bundleName, int devId) {
    zsim::Record("usbLock", "client=%d session=%d bundle=%s devId=%d", client, session,
                 zsim::QuoteOptional(bundleName).c_str(), devId);
    ZSIM_RUN_SCRIPT(zivra_usbLock, client, session, bundleName, devId);
    std::lock_guard<std::mutex> lock(mu);
    UsbDevice *d = Device(devId);
    if (d == nullptr) return kNoDevice;
    if (d->locked) return kBusy;
    d->locked = true;
    return 0;
}

extern "C" int zivra_usbUnlock(int client, int session, const char *bundleName, int devId) {
    zsim::Record("usbUnlock", "client=%d session=%d bundle=%s devId=%d", client, session,
                 zsim::QuoteOptional(bundleName).c_str(), devId);
    ZSIM_RUN_SCRIPT(zivra_usbUnlock, client, session, bundleName, devId);
    std::lock_guard<std::mutex> lock(mu);
    UsbDevice *d = Device(devId);
    if (d == nullptr || !d->locked) return -1;
    d->locked = false;
    return 0;
}

// The number of bytes waiting to be read, or -1 for a handle not open.
extern "C" int zivra_usbDataAvailable(int client, int session, const char *bundleName, int handle) {
    zsim::Record("usbDataAvailable", "client=%d session=%d bundle=%s handle=%d", client, session,
                 zsim::QuoteOptional(bundleName).c_str(), handle);
    ZSIM_RUN_SCRIPT(zivra_usbDataAvailable, client, session, bundleName, handle);
    std::lock_guard<std::mutex> lock(mu);
    const UsbDevice *d = Opened(handle);
    return d != nullptr ? d->pendingLen : -1;
}

extern "C" int zivra_usbRead(int client, int session, const char *bundleName, int handle, signed char *data,
                             int *count, int timeout) {
    zsim::Record("usbRead", "client=%d session=%d bundle=%s handle=%d count=%d timeout=%d", client, session,
                 zsim::QuoteOptional(bundleName).c_str(), handle, *count, timeout);
    ZSIM_RUN_SCRIPT(zivra_usbRead, client, session, bundleName, handle, data, count, timeout);
    std::lock_guard<std::mutex> lock(mu);
    UsbDevice *d = Opened(handle);
    if (d == nullptr || *count < 0) return -1;
    const int n = *count < d->pendingLen ? *count : d->pendingLen;
    memcpy(data, d->pending, static_cast<size_t>(n));
    memmove(d->pending, d->pending + n, static_cast<size_t>(d->pendingLen - n));
    d->pendingLen -= n;
    *count = n;
    return 0;
}

extern "C" int zivra_usbWrite(int client, int session, const char *bundleName, int handle, const signed char *data,
                              int *count) {
    const int given = *count < 0 ? 0 : *count;
    zsim::Record("usbWrite", "client=%d session=%d bundle=%s handle=%d count=%d data=%s", client, session,
                 zsim::QuoteOptional(bundleName).c_str(), handle, *count, Hex(data, given).c_str());
    ZSIM_RUN_SCRIPT(zivra_usbWrite, client, session, bundleName, handle, data, count);
    std::lock_guard<std::mutex> lock(mu);
    UsbDevice *d = Opened(handle);
    if (d == nullptr || *count < 0) return -1;
    const int room = kPendingCapacity - d->pendingLen;
    const int n = *count < room ? *count : room;
    memcpy(d->pending + d->pendingLen, data, static_cast<size_t>(n));
    d->pendingLen += n;
    *count = n;
    return 0;
}

// Only the serial port takes line settings.
extern "C" int zivra_usbSetSerial(int client, int session, const char *bundleName, int device,
                                  const UsbSerialSettings *settings) {
    zsim::Record("usbSetSerial", "client=%d session=%d bundle=%s device=%d settings=%d,%d,%d,%d,%d,%d", client,
                 session, zsim::QuoteOptional(bundleName).c_str(), device, settings->Setting1, settings->Setting2,
                 settings->Setting3, settings->Setting4, settings->Flag1, settings->Flag2);
    ZSIM_RUN_SCRIPT(zivra_usbSetSerial, client, session, bundleName, device, settings);
    std::lock_guard<std::mutex> lock(mu);
    UsbDevice *d = Device(device);
    if (d == nullptr || !d->serial) return -1;
    d->settings = *settings;
    return 0;
}

extern "C" int zivra_getStorageInfo(UsbStorageEntry *table) {
    zsim::Record("getStorageInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getStorageInfo, table);
    zsim::SetField(table[0].StoragePath, "/mnt/usb1_1");
    table[0].TotalStorage = 7629824;
    table[0].ValidStorage = 5120000;
    zsim::SetField(table[1].StoragePath, "/mnt/usb2_1");
    table[1].TotalStorage = 30310400;
    table[1].ValidStorage = 29958144;
    return ZIVRA_USB_STORAGE_ENTRIES;
}

extern "C" int zivra_setPasswordRegistration(const char *text1, int limit, int times, const char *text2) {
    zsim::Record("setPasswordRegistration", "text1=%s limit=%d times=%d text2=%s", zsim::Quote(text1).c_str(),
                 limit, times, zsim::Quote(text2).c_str());
    ZSIM_RUN_SCRIPT(zivra_setPasswordRegistration, text1, limit, times, text2);
    if (text1 == nullptr || text1[0] == '\0' || !Fits(text2, sizeof registration.province) || text2[0] == '\0' ||
        limit < 0 || limit > 999 || times < 0 || times > 999)
        return -1;
    std::lock_guard<std::mutex> lock(mu);
    zsim::SetField(registration.status, "1");
    zsim::SetField(registration.registerResult, "1");
    zsim::SetField(registration.serviceNum, "1");
    zsim::SetField(registration.serviceName, "INTERNET");
    snprintf(registration.limit, sizeof registration.limit, "%d", limit);
    snprintf(registration.times, sizeof registration.times, "%d", times);
    zsim::SetField(registration.province, text2);
    return 0;
}

extern "C" int zivra_getPasswordRegistrationInfo(char *status, char *registerResult, char *serviceNum,
                                                 char *serviceName, char *limit, char *times, char *province) {
    zsim::Record("getPasswordRegistrationInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getPasswordRegistrationInfo, status, registerResult, serviceNum, serviceName, limit, times,
                    province);
    std::lock_guard<std::mutex> lock(mu);
    const Registration &r = registration;
    memcpy(status, r.status, sizeof r.status);
    memcpy(registerResult, r.registerResult, sizeof r.registerResult);
    memcpy(serviceNum, r.serviceNum, sizeof r.serviceNum);
    memcpy(serviceName, r.serviceName, sizeof r.serviceName);
    memcpy(limit, r.limit, sizeof r.limit);
    memcpy(times, r.times, sizeof r.times);
    memcpy(province, r.province, sizeof r.province);
    return 0;
}
