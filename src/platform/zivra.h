/*
 * Gateway platform API (libzivra.so.1): every operation the Java service
 * bridge calls, the log function, the interface-name check, and the records
 * the operations read or fill.
 *
 * Conventions of the platform (relied on by every caller):
 *  - operations return an int; 0 means success unless noted at the operation;
 *  - out-records and out-counts point into the caller's memory, zero-filled
 *    by the caller before the call; texts are written NUL-terminated within
 *    the field sizes below; an array parameter's size is that of the
 *    caller's buffer or table (a bare pointer is one record, or a buffer
 *    whose size the call itself carries);
 *  - texts passed in are read-only and not kept after the call returns;
 *  - memory handed back through an out-pointer comes from malloc and is
 *    released by the caller with free.
 *
 * Records are plain C structs laid out field after field. Each record's size
 * and field offsets are checked right after it, for the 64-bit host and the
 * 32-bit MIPS gateway alike (fixed-width fields give both the same layout).
 */
#ifndef ZIVRA_PLATFORM_H
#define ZIVRA_PLATFORM_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
#define ZIVRA_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define ZIVRA_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

#if defined(__GNUC__)
#define ZIVRA_PRINTF_FORMAT(fmt_index, first_arg) \
    __attribute__((format(printf, fmt_index, first_arg)))
#else
#define ZIVRA_PRINTF_FORMAT(fmt_index, first_arg)
#endif

/* ------------------------------------------------------------------------ */
/* Diagnostics and interface names                                          */
/* ------------------------------------------------------------------------ */

/* printf-style diagnostic line; the bridge ignores the return value. */
int zivra_printf(int level, const char *format, ...) ZIVRA_PRINTF_FORMAT(2, 3);

/* Checks an interface name; on success stores its index through *index and
 * returns something other than -1. Returns -1 for an unacceptable name. */
int checkInterfaceFormat(const char *name, int *index);

/* ------------------------------------------------------------------------ */
/* LAN Ethernet ports                                                       */
/* ------------------------------------------------------------------------ */

typedef struct LANEthernetStatsRecord {
    uint64_t BytesSent;
    uint64_t BytesReceived;
    uint32_t PacketsSent;
    uint32_t PacketsReceived;
} LANEthernetStatsRecord;

typedef struct LANEthernetInfoRecord {
    char Enable[8];
    char Status[10];
    char BitRate[6];
    char DuplexMode[6];
} LANEthernetInfoRecord;

/* 64-bit counters are 8-byte aligned on both ABIs (MIPS o32 aligns long long
 * to 8 as x86-64 does), so the stats record has no hidden padding. */
ZIVRA_STATIC_ASSERT(sizeof(LANEthernetStatsRecord) == 24, "LANEthernetStatsRecord size");
ZIVRA_STATIC_ASSERT(offsetof(LANEthernetStatsRecord, BytesReceived) == 8, "BytesReceived offset");
ZIVRA_STATIC_ASSERT(offsetof(LANEthernetStatsRecord, PacketsSent) == 16, "PacketsSent offset");
ZIVRA_STATIC_ASSERT(offsetof(LANEthernetStatsRecord, PacketsReceived) == 20, "PacketsReceived offset");

ZIVRA_STATIC_ASSERT(sizeof(LANEthernetInfoRecord) == 30, "LANEthernetInfoRecord size");
ZIVRA_STATIC_ASSERT(offsetof(LANEthernetInfoRecord, Status) == 8, "Status offset");
ZIVRA_STATIC_ASSERT(offsetof(LANEthernetInfoRecord, BitRate) == 18, "BitRate offset");
ZIVRA_STATIC_ASSERT(offsetof(LANEthernetInfoRecord, DuplexMode) == 24, "DuplexMode offset");

int zivra_getLANEthernetStats(int port, LANEthernetStatsRecord *stats);
int zivra_getLANEthernetInfo(int port, LANEthernetInfoRecord *info);
int zivra_setLANEthernetEnable(int port, const char *enable);
int zivra_setLANEthernetDuplexMode(int port, const char *duplexMode);
int zivra_setLANEthernetMaxBitRate(int port, const char *maxBitRate);

/* ------------------------------------------------------------------------ */
/* LAN hosts: queries, speed limits and names                               */
/* ------------------------------------------------------------------------ */

/* One LAN host as the platform reports it; every field a NUL-terminated text. */
typedef struct LANHostRecord {
    char Class[8];               /* host class, e.g. "PC", "Phone", "STB" */
    char MAC[20];                /* MAC address text */
    char DhcpName[70];           /* name the host gave in DHCP */
    char DeviceName[70];         /* device name */
    char IP[20];                 /* IP address text */
    char ConnectInterface[8];    /* interface the host is connected on */
    char OnlineTime[64];         /* online time */
    char StorageAccessStatus[8]; /* whether the host may use the gateway's storage */
} LANHostRecord;

typedef struct LANHostSpeedLimitRecord {
    uint32_t UpSpeed;
    uint32_t DownSpeed;
} LANHostSpeedLimitRecord;

typedef struct LANHostStatsRecord {
    uint32_t UsStats; /* upstream counter */
    uint32_t DsStats; /* downstream counter */
} LANHostStatsRecord;

/* Layout of the host records, the same on the x86-64 host and the MIPS32
 * gateway: texts only, or 32-bit fields, so no padding anywhere. */
ZIVRA_STATIC_ASSERT(sizeof(LANHostRecord) == 268, "LANHostRecord size");
ZIVRA_STATIC_ASSERT(offsetof(LANHostRecord, Class) == 0, "Class offset");
ZIVRA_STATIC_ASSERT(offsetof(LANHostRecord, MAC) == 8, "MAC offset");
ZIVRA_STATIC_ASSERT(offsetof(LANHostRecord, DhcpName) == 28, "DhcpName offset");
ZIVRA_STATIC_ASSERT(offsetof(LANHostRecord, DeviceName) == 98, "DeviceName offset");
ZIVRA_STATIC_ASSERT(offsetof(LANHostRecord, IP) == 168, "IP offset");
ZIVRA_STATIC_ASSERT(offsetof(LANHostRecord, ConnectInterface) == 188, "ConnectInterface offset");
ZIVRA_STATIC_ASSERT(offsetof(LANHostRecord, OnlineTime) == 196, "OnlineTime offset");
ZIVRA_STATIC_ASSERT(offsetof(LANHostRecord, StorageAccessStatus) == 260, "StorageAccessStatus offset");

ZIVRA_STATIC_ASSERT(sizeof(LANHostSpeedLimitRecord) == 8, "LANHostSpeedLimitRecord size");
ZIVRA_STATIC_ASSERT(offsetof(LANHostSpeedLimitRecord, UpSpeed) == 0, "UpSpeed offset");
ZIVRA_STATIC_ASSERT(offsetof(LANHostSpeedLimitRecord, DownSpeed) == 4, "DownSpeed offset");

ZIVRA_STATIC_ASSERT(sizeof(LANHostStatsRecord) == 8, "LANHostStatsRecord size");
ZIVRA_STATIC_ASSERT(offsetof(LANHostStatsRecord, UsStats) == 0, "UsStats offset");
ZIVRA_STATIC_ASSERT(offsetof(LANHostStatsRecord, DsStats) == 4, "DsStats offset");

/* Host queries: `hosts` is a zero-filled table of 64 records and *count
 * (zero on entry) receives the number of records filled. */
#define ZIVRA_LAN_HOSTS 64
int zivra_getLANHostInfoByInterface(int index, LANHostRecord hosts[ZIVRA_LAN_HOSTS], int *count);
int zivra_getLANHostInfoByClass(const char *hostClass, LANHostRecord hosts[ZIVRA_LAN_HOSTS], int *count);

/* MAC-list queries: `macs` is a wide MAC table (64 slots of 32 bytes, one
 * NUL-terminated MAC text each); *count goes in as the number of MACs (0:
 * every host) and comes back as the number of records filled in the
 * zero-filled 64-record table. */
int zivra_getLANHostInfoByMAC(const char (*macs)[32], LANHostRecord hosts[ZIVRA_LAN_HOSTS], int *count);
int zivra_getLANHostSpeedLimitInfo(const char (*macs)[32], LANHostSpeedLimitRecord limits[ZIVRA_LAN_HOSTS],
                                   int *count);
int zivra_getLANHostStats(const char (*macs)[32], LANHostStatsRecord stats[ZIVRA_LAN_HOSTS], int *count);

/* Fills a zero-filled 70-byte buffer with the gateway's name. */
#define ZIVRA_GATEWAY_NAME_SIZE 70
int zivra_getGatewayName(char name[ZIVRA_GATEWAY_NAME_SIZE]);
/* Returns the MAC filter mode itself (the values setMacFilterMode takes),
 * not a result code. */
int zivra_getMacFilterMode(void);

/* Speed limit and current speeds of the host with these six MAC bytes. */
int zivra_setLANHostSpeedLimit(const unsigned char mac[6], int upSpeed, int downSpeed);
int zivra_getLANHostSpeed(const unsigned char mac[6], int *upSpeed, int *downSpeed);

/* Gateway name (at most 64 bytes) and the name of the host with this MAC text. */
int zivra_setGatewayName(const char *name);
int zivra_setLANHostName(const char *mac, const char *hostName);

/* ------------------------------------------------------------------------ */
/* LAN access lists and MAC filter mode                                     */
/* ------------------------------------------------------------------------ */

/* A batch of MAC texts for the access lists: 64 slots of 20 bytes, each one
 * NUL-terminated text of at most 18 characters, zero-filled past the batch.
 * `count` is the number of slots in the batch (0 to 64; 0 for an empty
 * batch). Each returns 0 on success. */
int zivra_addLANHostToBlackList(const char (*macs)[20], int count);
int zivra_deleteLANHostFromBlackList(const char (*macs)[20], int count);
int zivra_addLANHostToTrustList(const char (*macs)[20], int count);
int zivra_deleteLANHostFromTrustList(const char (*macs)[20], int count);
int zivra_addLANHostToStorageBlackList(const char (*macs)[20], int count);
int zivra_deleteLANHostFromStorageBlackList(const char (*macs)[20], int count);
/* The mode values are the platform's; returns 0 on success. */
int zivra_setMacFilterMode(int mode);

/* ------------------------------------------------------------------------ */
/* WLAN queries and configuration                                           */
/* ------------------------------------------------------------------------ */

/* Radio types ("2.4G", "5G", ...), standards, widths and the security texts
 * are the platform's vocabulary; the bridge passes them through unchanged.
 * Array parameters below document the size of the caller's buffer. */

#define ZIVRA_WLAN_NEIGHBORS 64 /* entries of a neighbour table */
#define ZIVRA_WLAN_HOSTS 64     /* station records when all stations are asked */

/* Neighbouring access points: six parallel arrays, entry i of each array
 * describing the same neighbour. */
typedef struct WLANNeighborTable {
    char SSIDName[ZIVRA_WLAN_NEIGHBORS][130];
    char BSSID[ZIVRA_WLAN_NEIGHBORS][20];
    char Standard[ZIVRA_WLAN_NEIGHBORS][20];
    char RSSI[ZIVRA_WLAN_NEIGHBORS][8];
    char NetworkType[ZIVRA_WLAN_NEIGHBORS][12];
    char Channel[ZIVRA_WLAN_NEIGHBORS][4]; /* number text, at most 3 digits */
} WLANNeighborTable;

/* Character fields only: the same layout on x86-64 and MIPS o32. */
ZIVRA_STATIC_ASSERT(sizeof(WLANNeighborTable) == 12416, "WLANNeighborTable size");
ZIVRA_STATIC_ASSERT(offsetof(WLANNeighborTable, SSIDName) == 0, "WLANNeighborTable.SSIDName offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANNeighborTable, BSSID) == 8320, "WLANNeighborTable.BSSID offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANNeighborTable, Standard) == 9600, "WLANNeighborTable.Standard offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANNeighborTable, RSSI) == 10880, "WLANNeighborTable.RSSI offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANNeighborTable, NetworkType) == 11392, "WLANNeighborTable.NetworkType offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANNeighborTable, Channel) == 12160, "WLANNeighborTable.Channel offset");

/* One associated station. MAC is read on entry (the station asked for, or
 * empty when all are asked) and overwritten with the station's MAC. */
typedef struct WLANHostRecord {
    char MAC[20];
    char SSIDIndex[8]; /* number text */
    char SSIDName[128];
    char RSSI[12];
    char RxRate[32];
    char TxRate[32];
    char Standard[32];
} WLANHostRecord;

ZIVRA_STATIC_ASSERT(sizeof(WLANHostRecord) == 264, "WLANHostRecord size");
ZIVRA_STATIC_ASSERT(offsetof(WLANHostRecord, MAC) == 0, "WLANHostRecord.MAC offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANHostRecord, SSIDIndex) == 20, "WLANHostRecord.SSIDIndex offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANHostRecord, SSIDName) == 28, "WLANHostRecord.SSIDName offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANHostRecord, RSSI) == 156, "WLANHostRecord.RSSI offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANHostRecord, RxRate) == 168, "WLANHostRecord.RxRate offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANHostRecord, TxRate) == 200, "WLANHostRecord.TxRate offset");
ZIVRA_STATIC_ASSERT(offsetof(WLANHostRecord, Standard) == 232, "WLANHostRecord.Standard offset");

/* Queries. */
int zivra_getWLANSSIDPassword(int ssidIndex, char password[256]);
/* Returns the number of neighbours filled (0..64); negative on failure. */
int zivra_getWLANNeighbor(const char *radioType, WLANNeighborTable *table);
int zivra_getWLANSSIDStats(int ssidIndex, char totalPacketsReceived[64], char totalPacketsSent[32],
                           char totalBytesReceived[64], char totalBytesSent[64], char errorsSent[64],
                           char discardPacketsSent[64], char errorsReceived[64],
                           char discardPacketsReceived[64]);
int zivra_getWLANRadioInfo(const char *radioType, char channel[64], char autoChannelEnable[32],
                           char channelsInUse[128], char transmitPower[130], char frequencyWidth[64]);
/* `count` MACs are given in the first records (0 = all stations, in a table
 * of ZIVRA_WLAN_HOSTS records; otherwise the table holds `count` records).
 * Returns the number of records filled from the start; negative on failure. */
int zivra_getWLANHostInfo(WLANHostRecord *table, int count);
int zivra_getWLANSSIDInfo(int ssidIndex, char enable[32], char bssid[32], char ssidName[130],
                          char ssidAdvertisementEnabled[32], char standard[32], char encryptionMode[128]);
/* Guest slot 0 or 1; returns 0 when the slot is in use and fills its values. */
int zivra_getGuestSSIDInfo(int slot, int *duration, char portIsolation[8], int *remainDuration,
                           int *ssidIndex);
/* Returns the WPS status value itself. */
int zivra_getWLANWPSStatus(int ssidIndex);
/* Returns non-zero when the radio's hardware switch is on. */
int zivra_getWLANHardwareSwitch(const char *radioType);

/* Settings. Flags are one-character texts "1"/"0"; for SSID advertisement
 * the text is a hide flag ("0" = advertised). */
int zivra_setWLANSSIDAdvertisement(int ssidIndex, const char *hide);
int zivra_setWLANSSIDSecurity(int ssidIndex, const char *security1, const char *security2,
                              const char *security3);
int zivra_setWLANRadioFrequencyWidth(const char *radioType, const char *frequencyWidth);
int zivra_setWLANStandard(const char *radioType, const char *standard);
int zivra_addWLANGuestSSID(int guestSsidIndex);
int zivra_setWLANRadioPower(const char *radioType, int power);
int zivra_setWLANSSIDSwitch(int ssidIndex, const char *enable);
int zivra_setWLANGuestPortIsolation(int guestSsidIndex, const char *isolate);
int zivra_startWLANWPS(int ssidIndex);
int zivra_deleteWLANGuestSSID(int guestSsidIndex);
int zivra_setWLANHardwareSwitch(const char *radioType, const char *on);
int zivra_setWLANGuestDuration(int guestSsidIndex, int duration);
int zivra_stopWLANWPS(int ssidIndex);
int zivra_setWLANRadioChannel(const char *radioType, int channel);

/* ------------------------------------------------------------------------ */
/* Captive portal                                                           */
/* ------------------------------------------------------------------------ */

/* The portal's list arguments (MAC texts, event names, domain names) go to
 * the gateway as one table of 64 text slots of 20 bytes, with no count: the
 * used slots come first and the slots after them hold empty texts. Each
 * slot's text is NUL-terminated (at most 18 characters from the bridge). */
enum {
    PORTAL_LIST_SLOTS = 64,
    PORTAL_LIST_SLOT_SIZE = 20,
    /* The list readers' out-text: NUL-terminated within this many bytes. */
    PORTAL_LIST_TEXT_SIZE = 128
};

typedef struct PortalListTable {
    char Slot[PORTAL_LIST_SLOTS][PORTAL_LIST_SLOT_SIZE];
} PortalListTable;

/* Subscribes ("1") or unsubscribes ("0") the listed portal events. */
int zivra_subscribePortalEvent(const PortalListTable *events, const char *enable);
int zivra_addPortalMacWhiteList(const PortalListTable *macs);
int zivra_deletePortalMacWhiteList(const PortalListTable *macs);
/* Writes the white list as one text into list[PORTAL_LIST_TEXT_SIZE]; 0 = written. */
int zivra_getPortalMacWhiteList(char list[PORTAL_LIST_TEXT_SIZE]);
/* The meaning of the two values is the gateway's own. */
int zivra_setTemporaryAccessMode(int value1, int value2);
int zivra_allowDeviceTemporaryAccess(const PortalListTable *macs);
int zivra_setPortalDomainWriteList(const PortalListTable *domains);
/* Writes the domain list as one text into list[PORTAL_LIST_TEXT_SIZE]; 0 = written. */
int zivra_getPortalDomainWriteList(char list[PORTAL_LIST_TEXT_SIZE]);

/* Layout of the portal table: 64 x 20 bytes, no padding, on both ABIs. */
ZIVRA_STATIC_ASSERT(sizeof(PortalListTable) == 1280, "PortalListTable size");
ZIVRA_STATIC_ASSERT(offsetof(PortalListTable, Slot) == 0, "PortalListTable Slot offset");
ZIVRA_STATIC_ASSERT(sizeof(((PortalListTable *)0)->Slot[0]) == 20, "PortalListTable slot width");

/* ------------------------------------------------------------------------ */
/* Device information, identity and LED                                    */
/* ------------------------------------------------------------------------ */

/* Sizes of the texts the device operations write, NUL included: a text
 * never takes more than its size. */
#define ZIVRA_DEVICE_TEXT_SIZE 32    /* each device description text but NFC */
#define ZIVRA_NFC_TEXT_SIZE 8
#define ZIVRA_FRAMEWORK_TEXT_SIZE 32 /* JVM and OSGi name, vendor, version */
#define ZIVRA_API_VERSION_SIZE 32
#define ZIVRA_DEVICE_MAC_SIZE 64
#define ZIVRA_IDENTITY_VALUE_SIZE 64 /* serial number, passwords, OUI, SSID name */

/* Resets the gateway (what a reset does is the platform's). */
int zivra_DeviceRsetServiceReset(void);

int zivra_getJVMInfo(char name[ZIVRA_FRAMEWORK_TEXT_SIZE], char vendor[ZIVRA_FRAMEWORK_TEXT_SIZE],
                     char version[ZIVRA_FRAMEWORK_TEXT_SIZE]);
int zivra_getOSGiInfo(char name[ZIVRA_FRAMEWORK_TEXT_SIZE], char vendor[ZIVRA_FRAMEWORK_TEXT_SIZE],
                      char version[ZIVRA_FRAMEWORK_TEXT_SIZE]);
int zivra_getAPIVersion(char version[ZIVRA_API_VERSION_SIZE]);
/* Flash and RAM size are digit texts; the other texts are free. */
int zivra_getDeviceInfo(char vendor[ZIVRA_DEVICE_TEXT_SIZE], char productClass[ZIVRA_DEVICE_TEXT_SIZE],
                        char hardwareVer[ZIVRA_DEVICE_TEXT_SIZE], char firmwareVer[ZIVRA_DEVICE_TEXT_SIZE],
                        char flashSize[ZIVRA_DEVICE_TEXT_SIZE], char ramSize[ZIVRA_DEVICE_TEXT_SIZE],
                        char mainChipClass[ZIVRA_DEVICE_TEXT_SIZE], char nfc[ZIVRA_NFC_TEXT_SIZE]);
int zivra_getDeviceMAC(char mac[ZIVRA_DEVICE_MAC_SIZE]);
/* Write the occupancy in percent through the pointer. */
int zivra_sysGetCpuUsage(int *usage);
int zivra_sysGetMemUsage(int *usage);
/* state is "on" or "off". */
int zivra_setLedSwitch(const char *state);

/* Identity values, each at most 63 characters. */
int zivra_getDeviceSerialNumber(char value[ZIVRA_IDENTITY_VALUE_SIZE]);
int zivra_getDeviceDefaultSSID1Name(char value[ZIVRA_IDENTITY_VALUE_SIZE]);
int zivra_getDevicePassword(char value[ZIVRA_IDENTITY_VALUE_SIZE]);
int zivra_getDeviceManufacturerOUI(char value[ZIVRA_IDENTITY_VALUE_SIZE]);
int zivra_getdefaultwebpassword(char value[ZIVRA_IDENTITY_VALUE_SIZE]);
int zivra_getDeviceDefaultSSID1Password(char value[ZIVRA_IDENTITY_VALUE_SIZE]);

/* ------------------------------------------------------------------------ */
/* Storage rights, USB devices and password registration                   */
/* ------------------------------------------------------------------------ */

/* Storage services. Rights are the platform's own numbers, passed through.
 * The account queries fill up to ZIVRA_STORAGE_ACCOUNTS entries of the
 * caller's zeroed table and a 10-byte anonymous text, and return the number
 * of entries filled (0 or less: none). */
#define ZIVRA_STORAGE_ACCOUNTS 6
#define ZIVRA_STORAGE_ANONYMOUS_SIZE 10
#define ZIVRA_STORAGE_USER_SIZE 130
#define ZIVRA_STORAGE_PASSWORD_SIZE 257

typedef struct StorageAccountEntry {
    char UserName[ZIVRA_STORAGE_USER_SIZE];
    char Password[ZIVRA_STORAGE_PASSWORD_SIZE];
} StorageAccountEntry;

/* Texts only: the same layout on x86-64 and MIPS o32. */
ZIVRA_STATIC_ASSERT(sizeof(StorageAccountEntry) == 387, "StorageAccountEntry size");
ZIVRA_STATIC_ASSERT(offsetof(StorageAccountEntry, Password) == 130, "StorageAccountEntry.Password offset");

int zivra_getSambaRightInfo(int *right, char anonymous[ZIVRA_STORAGE_ANONYMOUS_SIZE],
                            StorageAccountEntry accounts[ZIVRA_STORAGE_ACCOUNTS]);
int zivra_getFTPRightInfo(int *right, char anonymous[ZIVRA_STORAGE_ANONYMOUS_SIZE],
                          StorageAccountEntry accounts[ZIVRA_STORAGE_ACCOUNTS]);
/* Writes the right and the HTTP password (password[ZIVRA_STORAGE_PASSWORD_SIZE]). */
int zivra_getHTTPRightInfo(int *right, char password[ZIVRA_STORAGE_PASSWORD_SIZE]);
/* `anonymous` is 1 or 0. */
int zivra_setSambaRight(int right, int anonymous);
int zivra_setFTPRight(int right, int anonymous);
int zivra_setHTTPRight(int right);
int zivra_addSambaAccount(const char *userName, const char *password);
int zivra_addFTPAccount(const char *userName, const char *password);
int zivra_deleteSambaAccount(const char *userName);
int zivra_deleteFTPAccount(const char *userName);
/* Take a zeroed ZIVRA_STORAGE_USER_SIZE-byte text (empty); nothing is written back. */
int zivra_deleteAllSambaAccount(const char *empty);
int zivra_deleteAllFTPAccount(const char *empty);
int zivra_setHTTPUserPassword(const char *password);

/* USB devices. Most operations take a caller triple first: the bridge passes
 * 2, -1 and the bundle name (register and unregister) or null (all others);
 * the meaning of the two numbers is the platform's. */
typedef struct UsbSerialSettings {
    int32_t Setting1;
    int32_t Setting2;
    int32_t Setting3;
    int32_t Setting4;
    int32_t Flag1; /* 0 or 1 */
    int32_t Flag2; /* 0 or 1 */
} UsbSerialSettings;

#define ZIVRA_USB_STORAGE_ENTRIES 2
typedef struct UsbStorageEntry {
    char StoragePath[32];
    int32_t TotalStorage;
    int32_t ValidStorage;
} UsbStorageEntry;

ZIVRA_STATIC_ASSERT(sizeof(UsbSerialSettings) == 24, "UsbSerialSettings size");
ZIVRA_STATIC_ASSERT(offsetof(UsbSerialSettings, Flag1) == 16, "UsbSerialSettings.Flag1 offset");
ZIVRA_STATIC_ASSERT(offsetof(UsbSerialSettings, Flag2) == 20, "UsbSerialSettings.Flag2 offset");
ZIVRA_STATIC_ASSERT(sizeof(UsbStorageEntry) == 40, "UsbStorageEntry size");
ZIVRA_STATIC_ASSERT(offsetof(UsbStorageEntry, TotalStorage) == 32, "UsbStorageEntry.TotalStorage offset");
ZIVRA_STATIC_ASSERT(offsetof(UsbStorageEntry, ValidStorage) == 36, "UsbStorageEntry.ValidStorage offset");

int zivra_usbRegister(int client, int session, const char *bundleName, int devTypes);
int zivra_usbUnregister(int client, int session, const char *bundleName);
/* *handle is preset to -1 by the caller; written on success. */
int zivra_usbOpen(int client, int session, const char *bundleName, int devId, int *handle);
int zivra_usbClose(int handle);
int zivra_usbLock(int client, int session, const char *bundleName, int devId);
int zivra_usbUnlock(int client, int session, const char *bundleName, int devId);
/* Returns the platform's own value (not a result code). */
int zivra_usbDataAvailable(int client, int session, const char *bundleName, int handle);
/* *count goes in as the bytes wanted (read) or given (write) and comes back
 * as the bytes moved, never more than went in. */
int zivra_usbRead(int client, int session, const char *bundleName, int handle, signed char *data, int *count,
                  int timeout);
int zivra_usbWrite(int client, int session, const char *bundleName, int handle, const signed char *data,
                   int *count);
int zivra_usbSetSerial(int client, int session, const char *bundleName, int device,
                       const UsbSerialSettings *settings);
/* Fills up to ZIVRA_USB_STORAGE_ENTRIES entries; returns how many (0 or less: none). */
int zivra_getStorageInfo(UsbStorageEntry table[ZIVRA_USB_STORAGE_ENTRIES]);

/* Password registration with the operator's network. The state texts are
 * written NUL-terminated: 4 bytes each, the service name 16. */
int zivra_setPasswordRegistration(const char *text1, int limit, int times, const char *text2);
int zivra_getPasswordRegistrationInfo(char status[4], char registerResult[4], char serviceNum[4], char serviceName[16],
                                      char limit[4], char times[4], char province[4]);

/* ------------------------------------------------------------------------ */
/* WAN and PON uplink, WAN configuration, diagnostics                      */
/* ------------------------------------------------------------------------ */

/* WAN connections are named by a WAN index that only the platform
 * interprets. Every field of the three WAN records is a text, numbers and
 * flags included, NUL-terminated within its width. */
typedef struct WANIfConnRecord {
    char LanInterface[64];           /* LAN interfaces bound to the connection */
    char VLANMode[2];
    char VLANIDMark[6];
    char Dot1pMark[2];               /* 802.1p priority */
    char MulticastVlan[6];
    char LanInterfaceDHCPEnable[8];  /* DHCP on the bound LAN interfaces */
    char IPMode[2];
    char ConnectionType[16];
    char NATEnabled[8];
    char Username[64];
    char ConnectionTrigger[16];
    char ServiceList[64];
} WANIfConnRecord;

typedef struct WANIfIPv4Record {
    char AddressingType[8];
    char ExternalIPAddress[20];
    char SubnetMask[20];
    char DefaultGateway[20];
    char DNSEnabled[8];
    char DNSServers[32];
    char MACAddress[20];
} WANIfIPv4Record;

typedef struct WANIfIPv6Record {
    char IPv6IPAddressOrigin[16];
    char IPv6IPAddress[85];
    char IPv6DNSServers[80];
    char IPv6PrefixDelegationEnabled[46];
    char IPv6PrefixOrigin[32];
    char IPv6Prefix[40];
    char IPv6PrefixPltime[64];
    char IPv6PrefixVltime[64];
    char IPv6DefaultGateway[109];
    char IPv6DsliteEnable[8];
    char IPv6AftrMode[2];
    char IPv6AftrAddress[64];
} WANIfIPv6Record;

/* Character fields only: the same layout on x86-64 and MIPS o32. */
ZIVRA_STATIC_ASSERT(sizeof(WANIfConnRecord) == 258, "WANIfConnRecord size");
ZIVRA_STATIC_ASSERT(offsetof(WANIfConnRecord, VLANMode) == 64, "VLANMode offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfConnRecord, Dot1pMark) == 72, "Dot1pMark offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfConnRecord, LanInterfaceDHCPEnable) == 80, "LanInterfaceDHCPEnable offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfConnRecord, ConnectionType) == 90, "ConnectionType offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfConnRecord, Username) == 114, "Username offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfConnRecord, ConnectionTrigger) == 178, "ConnectionTrigger offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfConnRecord, ServiceList) == 194, "ServiceList offset");
ZIVRA_STATIC_ASSERT(sizeof(WANIfIPv4Record) == 128, "WANIfIPv4Record size");
ZIVRA_STATIC_ASSERT(offsetof(WANIfIPv4Record, ExternalIPAddress) == 8, "ExternalIPAddress offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfIPv4Record, DNSEnabled) == 68, "DNSEnabled offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfIPv4Record, MACAddress) == 108, "MACAddress offset");
ZIVRA_STATIC_ASSERT(sizeof(WANIfIPv6Record) == 610, "WANIfIPv6Record size");
ZIVRA_STATIC_ASSERT(offsetof(WANIfIPv6Record, IPv6IPAddress) == 16, "IPv6IPAddress offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfIPv6Record, IPv6PrefixDelegationEnabled) == 181, "IPv6PrefixDelegationEnabled offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfIPv6Record, IPv6PrefixPltime) == 299, "IPv6PrefixPltime offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfIPv6Record, IPv6DefaultGateway) == 427, "IPv6DefaultGateway offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfIPv6Record, IPv6AftrMode) == 544, "IPv6AftrMode offset");
ZIVRA_STATIC_ASSERT(offsetof(WANIfIPv6Record, IPv6AftrAddress) == 546, "IPv6AftrAddress offset");

/* Sizes of the caller's buffers that the uplink queries and diagnostics
 * write into (each text NUL-terminated within its size). */
enum {
    ZIVRA_WAN_LIST_SIZE = 1280,
    ZIVRA_WAN_REPLY_SIZE = 256,   /* WAN status and bandwidth replies */
    ZIVRA_PON_PHY_SIZE = 150,
    ZIVRA_PON_REGISTER_SIZE = 40,
    ZIVRA_PING_RESULT_SIZE = 256,
    ZIVRA_TRACE_RESULT_SIZE = 4096,
    ZIVRA_DETECT_REPLY_SIZE = 256
};

/* Values rather than result codes: the Internet connection's WAN index and
 * the PON interface's uptime. */
int zivra_getInternetWANIndex(void);
int zivra_getPONIfUpTime(void);
/* Whole JSON replies written into the caller's buffer. */
int zivra_getWANIfList(char reply[ZIVRA_WAN_LIST_SIZE]);
int zivra_getWANIfStatus(int wanIndex, char reply[ZIVRA_WAN_REPLY_SIZE]);
int zivra_getWanIfBandwidth(int wanIndex, char reply[ZIVRA_WAN_REPLY_SIZE]);
/* The members of a JSON object after its Result, closing brace included. */
int zivra_getPONIfPhyStatus(char fragment[ZIVRA_PON_PHY_SIZE]);
int zivra_getPONIfRegisterStatus(char fragment[ZIVRA_PON_REGISTER_SIZE]);
int zivra_getWANIfStats(int wanIndex, uint64_t *usStats, uint64_t *dsStats);
int zivra_getUplinkIfStats(uint32_t *usStats, uint32_t *dsStats);
int zivra_getWANIfInfo(int wanIndex, WANIfConnRecord *conn, WANIfIPv4Record *ipv4, WANIfIPv6Record *ipv6);

/* WAN connections; the settings texts are the platform's own format. */
int zivra_addWANIf(const char *text1, const char *text2, const char *text3);
int zivra_deleteWANIf(int wanIndex);
int zivra_setWANIf(int wanIndex, const char *settings);

/* Diagnostics: a start returns at once (0 = started); the result is the
 * JSON text the platform holds when asked. */
int zivra_startIPPingDiagnostics(int number, const char *host, const char *extra);
int zivra_startTraceRouteDiagnostics(int number, const char *host, const char *extra);
int zivra_getIPPingDiagnosticsResult(char result[ZIVRA_PING_RESULT_SIZE]);
int zivra_getTraceRouteDiagnosticsResult(char result[ZIVRA_TRACE_RESULT_SIZE]);
int zivra_startHttpUploadDiagnostics(int number, const char *text1, const char *text2);
int zivra_startHttpDownloadDiagnostics(int number, const char *text1, const char *text2);
/* *result (null on entry) receives a malloc'd text, or stays null. */
int zivra_getHttpUploadDiagnosticsResult(char **result);
int zivra_getHttpDownloadDiagnosticsResult(char **result);
/* Probes ip:port; writes a JSON reply of at most size bytes into reply. */
int zivra_detectIp(char *reply, int size, int port, const char *ip, int type);

/* ------------------------------------------------------------------------ */
/* LAN addressing, DHCP and port mapping; VoIP                             */
/* ------------------------------------------------------------------------ */

/* LAN address and DHCP server. The two queries write the whole JSON reply,
 * NUL-terminated within the caller's buffer: 90 bytes for the address, 160
 * for the DHCP settings. Setters take dotted texts and the switch text as the
 * gateway spells it; the duration's unit is the gateway's. */
int zivra_getLANHostIP(char reply[90]);
int zivra_getLANDhcpInfo(char reply[160]);
int zivra_setLANHostIP(const char *localIP, const char *submask);
int zivra_setLANDHCPInfo(const char *enableDHCPServer, const char *dhcpStartIP, const char *dhcpEndIP,
                         int dhcpDuration);

/* Port mappings, grouped by WAN connection. Every field is a NUL-terminated
 * text; index and ports are number texts. */
enum { PORT_MAPPING_WAN_ENTRIES = 8, PORT_MAPPING_MAPS_PER_WAN = 64 };

typedef struct PortMappingRecord {
    char Enabled[12];
    char Protocol[12];
    char InternalClient[32];
    char PortMappingIndex[12];
    char ExternalPort[12];
    char InternalPort[12];
} PortMappingRecord;

typedef struct PortMappingWanEntry {
    char WANName[64];
    int32_t MapCount; /* mappings valid from Maps[0] on; 0 or less: none */
    PortMappingRecord Maps[PORT_MAPPING_MAPS_PER_WAN];
} PortMappingWanEntry;

typedef struct PortMappingTable {
    PortMappingWanEntry Entry[PORT_MAPPING_WAN_ENTRIES];
} PortMappingTable;

/* Texts and 32-bit counts only: the same layout on x86-64 and MIPS o32. */
ZIVRA_STATIC_ASSERT(sizeof(PortMappingRecord) == 92, "PortMappingRecord size");
ZIVRA_STATIC_ASSERT(offsetof(PortMappingRecord, Protocol) == 12, "PortMappingRecord.Protocol offset");
ZIVRA_STATIC_ASSERT(offsetof(PortMappingRecord, InternalClient) == 24, "PortMappingRecord.InternalClient offset");
ZIVRA_STATIC_ASSERT(offsetof(PortMappingRecord, PortMappingIndex) == 56, "PortMappingRecord.PortMappingIndex offset");
ZIVRA_STATIC_ASSERT(offsetof(PortMappingRecord, ExternalPort) == 68, "PortMappingRecord.ExternalPort offset");
ZIVRA_STATIC_ASSERT(offsetof(PortMappingRecord, InternalPort) == 80, "PortMappingRecord.InternalPort offset");
ZIVRA_STATIC_ASSERT(sizeof(PortMappingWanEntry) == 5956, "PortMappingWanEntry size");
ZIVRA_STATIC_ASSERT(offsetof(PortMappingWanEntry, MapCount) == 64, "PortMappingWanEntry.MapCount offset");
ZIVRA_STATIC_ASSERT(offsetof(PortMappingWanEntry, Maps) == 68, "PortMappingWanEntry.Maps offset");
ZIVRA_STATIC_ASSERT(sizeof(PortMappingTable) == 47648, "PortMappingTable size");

/* Hands back, through *table, a table the platform took from malloc (the
 * caller frees it), or leaves it null. 0 = table handed back. */
int zivra_getPortMappingInfo(PortMappingTable **table);
/* The values and texts address and describe a mapping as the gateway
 * defines; the bridge passes them through in order. */
int zivra_addPortMapping(int value1, int value2, int value3, const char *text1, const char *text2);
int zivra_setPortMappingSwitch(int value1, int value2, int enable); /* enable: 1 or 0 */
int zivra_deletePortMappingJni(int value1, int value2);

/* VoIP event subscription of one bundle: its name and up to four event names,
 * each a NUL-terminated text. EventCount is the number of names given. */
enum { VOIP_EVENT_NAMES = 4, VOIP_TEXT_SIZE = 256 };

typedef struct VoIPEventSubscription {
    char Bcon[VOIP_TEXT_SIZE];
    int32_t EventCount;
    char EventNames[VOIP_EVENT_NAMES][VOIP_TEXT_SIZE];
} VoIPEventSubscription;

ZIVRA_STATIC_ASSERT(sizeof(VoIPEventSubscription) == 1284, "VoIPEventSubscription size");
ZIVRA_STATIC_ASSERT(offsetof(VoIPEventSubscription, EventCount) == 256, "VoIPEventSubscription.EventCount offset");
ZIVRA_STATIC_ASSERT(offsetof(VoIPEventSubscription, EventNames) == 260, "VoIPEventSubscription.EventNames offset");

int zivra_addVoIPMonitorEvent(const VoIPEventSubscription *record);
int zivra_deleteVoIPMonitoriEvent(const VoIPEventSubscription *record);

/* One analogue telephone (POTS) line. */
enum { POTS_LINES = 3 };

typedef struct POTSLineRecord {
    int32_t POTSIndex;
    char PhoneNumber[20];
    char LineStatus[12];
} POTSLineRecord;

ZIVRA_STATIC_ASSERT(sizeof(POTSLineRecord) == 36, "POTSLineRecord size");
ZIVRA_STATIC_ASSERT(offsetof(POTSLineRecord, PhoneNumber) == 4, "POTSLineRecord.PhoneNumber offset");
ZIVRA_STATIC_ASSERT(offsetof(POTSLineRecord, LineStatus) == 24, "POTSLineRecord.LineStatus offset");

/* Fills the lines from the start of a zero-filled table of POTS_LINES
 * records and stores their number in *count (zero on entry). */
int zivra_getPOTSInfo(POTSLineRecord table[POTS_LINES], int *count);

/* ------------------------------------------------------------------------ */
/* Flow QoS, traffic rules and monitoring destinations                     */
/* ------------------------------------------------------------------------ */

/* Flow QoS. A flow is named by the caller's int flow number, passed through
 * unchanged. The pair queries write two NUL-terminated decimal texts, each
 * within its 32-byte buffer: upstream first, then downstream. */
int zivra_getStatsByFlowJni(char upstream[32], char downstream[32], int flow);
int zivra_getSpeedLimitByFlowJni(char upstream[32], char downstream[32], int flow);
int zivra_getSpeedByFlowJni(char upstream[32], char downstream[32], int flow);
int zivra_setSpeedLimitByFlowJni(int flow, int upSpeed, int downSpeed);
/* Writes the flow's DSCP value as a decimal text within the 32 bytes. */
int zivra_getDSCPRemarkByFlowJni(char dscp[32], int flow);
int zivra_setDSCPRemarkByFlowJni(int flow, int dscp);

/* One piece of traffic of a flow: remote address and port texts. */
typedef struct FlowTrafficEntry {
    char RemoteAddress[256];
    char RemotePort[16];
} FlowTrafficEntry;

ZIVRA_STATIC_ASSERT(sizeof(FlowTrafficEntry) == 272, "FlowTrafficEntry size");
ZIVRA_STATIC_ASSERT(offsetof(FlowTrafficEntry, RemotePort) == 256, "FlowTrafficEntry.RemotePort offset");

/* Hands back through *list a malloc'ed array of *count entries (or null);
 * the caller frees it whatever the result. */
int zivra_getTrafficInfoByFlowJni(FlowTrafficEntry **list, int flow, int *count);
int zivra_addTrafficToFlowJni(const char *remoteAddress, const char *remotePort, int flow);
int zivra_deleteTrafficFromFlowJni(const char *remoteAddress, const char *remotePort, int flow);
int zivra_deleteAllTrafficFromFlowJni(int flow);

/* Mirror and forward rules. */
typedef struct MirrorRuleRecord {
    char RemoteAddress[256];
    char RemotePort[16];
    char Direction[12];
    char Protocol[12];
    char HostMAC[24];
    char MirrorToIP[64];
    char MirrorToPort[12]; /* decimal text */
} MirrorRuleRecord;

typedef struct ForwardRuleRecord {
    char RemoteAddress[256];
    char RemotePort[16];
    char Protocol[12];
    char HostMAC[20];
    char ForwardToIP[64];
    char ForwardToPort[12]; /* decimal text */
} ForwardRuleRecord;

ZIVRA_STATIC_ASSERT(sizeof(MirrorRuleRecord) == 396, "MirrorRuleRecord size");
ZIVRA_STATIC_ASSERT(offsetof(MirrorRuleRecord, RemotePort) == 256, "MirrorRuleRecord.RemotePort offset");
ZIVRA_STATIC_ASSERT(offsetof(MirrorRuleRecord, Direction) == 272, "MirrorRuleRecord.Direction offset");
ZIVRA_STATIC_ASSERT(offsetof(MirrorRuleRecord, Protocol) == 284, "MirrorRuleRecord.Protocol offset");
ZIVRA_STATIC_ASSERT(offsetof(MirrorRuleRecord, HostMAC) == 296, "MirrorRuleRecord.HostMAC offset");
ZIVRA_STATIC_ASSERT(offsetof(MirrorRuleRecord, MirrorToIP) == 320, "MirrorRuleRecord.MirrorToIP offset");
ZIVRA_STATIC_ASSERT(offsetof(MirrorRuleRecord, MirrorToPort) == 384, "MirrorRuleRecord.MirrorToPort offset");

ZIVRA_STATIC_ASSERT(sizeof(ForwardRuleRecord) == 380, "ForwardRuleRecord size");
ZIVRA_STATIC_ASSERT(offsetof(ForwardRuleRecord, RemotePort) == 256, "ForwardRuleRecord.RemotePort offset");
ZIVRA_STATIC_ASSERT(offsetof(ForwardRuleRecord, Protocol) == 272, "ForwardRuleRecord.Protocol offset");
ZIVRA_STATIC_ASSERT(offsetof(ForwardRuleRecord, HostMAC) == 284, "ForwardRuleRecord.HostMAC offset");
ZIVRA_STATIC_ASSERT(offsetof(ForwardRuleRecord, ForwardToIP) == 304, "ForwardRuleRecord.ForwardToIP offset");
ZIVRA_STATIC_ASSERT(offsetof(ForwardRuleRecord, ForwardToPort) == 368, "ForwardRuleRecord.ForwardToPort offset");

/* The list operations hand back a malloc'ed array of *count records (null
 * when there is none); the caller frees it whatever the result. */
int zivra_getMirroRuleInfoJni(MirrorRuleRecord **list, int *count);
int zivra_addMirrorRuleJni(const char *remoteAddress, const char *remotePort, const char *direction,
                           const char *protocol, const char *hostMAC, const char *mirrorToIP, int mirrorToPort);
int zivra_deleteMirrorRuleJni(int ruleNum);
int zivra_deleteAllMirrorRule(void);
int zivra_getForwardRuleInfoJni(ForwardRuleRecord **list, int *count);
int zivra_addForwardRule(const char *remoteAddress, const char *remotePort, const char *protocol,
                         const char *hostMAC, const char *forwardToIP, int forwardToPort);
int zivra_deleteForwardRuleJni(int ruleNum);
int zivra_deleteAllForwardRuleJni(void);

/* HTTP traffic processing rules. The tables hold up to 9 methods, 41 status
 * codes and 51 headers, each an 80-byte text; the counts say how many. */
enum { HTTP_RULE_METHODS = 9, HTTP_RULE_STATUS_CODES = 41, HTTP_RULE_HEADERS = 51, HTTP_RULE_ENTRY_SIZE = 80 };

typedef struct HTTPProcessRuleRecord {
    char RemoteAddress[256];
    char RemotePort[20]; /* decimal text */
    char Direction[12];  /* "UP", "DOWN" or "ALL" */
    char HostMAC[20];
    char Methods[HTTP_RULE_METHODS][HTTP_RULE_ENTRY_SIZE];
    int32_t MethodCount;
    char StatusCodes[HTTP_RULE_STATUS_CODES][HTTP_RULE_ENTRY_SIZE];
    int32_t StatusCodeCount;
    char Headers[HTTP_RULE_HEADERS][HTTP_RULE_ENTRY_SIZE];
    int32_t HeaderCount;
    char BundleName[256];
} HTTPProcessRuleRecord;

/* The counts fall on 4-byte boundaries, so no padding on either ABI. */
ZIVRA_STATIC_ASSERT(sizeof(HTTPProcessRuleRecord) == 8656, "HTTPProcessRuleRecord size");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, RemotePort) == 256, "HTTPProcessRuleRecord.RemotePort offset");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, Direction) == 276, "HTTPProcessRuleRecord.Direction offset");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, HostMAC) == 288, "HTTPProcessRuleRecord.HostMAC offset");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, Methods) == 308, "HTTPProcessRuleRecord.Methods offset");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, MethodCount) == 1028, "HTTPProcessRuleRecord.MethodCount offset");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, StatusCodes) == 1032, "HTTPProcessRuleRecord.StatusCodes offset");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, StatusCodeCount) == 4312,
                    "HTTPProcessRuleRecord.StatusCodeCount offset");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, Headers) == 4316, "HTTPProcessRuleRecord.Headers offset");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, HeaderCount) == 8396, "HTTPProcessRuleRecord.HeaderCount offset");
ZIVRA_STATIC_ASSERT(offsetof(HTTPProcessRuleRecord, BundleName) == 8400, "HTTPProcessRuleRecord.BundleName offset");

/* Hands back a malloc'ed array of *count rules (or null); the caller frees
 * it whatever the result. The joined texts of the add are comma-separated
 * names without quotes, at most 255 characters each. */
int zivra_getHTTPTrafficProcessRuleInfoJni(HTTPProcessRuleRecord **list, int *count);
int zivra_addHTTPTrafficProcessRuleJni(const char *remoteAddress, int remotePort, const char *direction,
                                       const char *hostMAC, const char *methods, const char *statusCodes,
                                       const char *headers, const char *bundleName);
int zivra_deleteHTTPTrafficProcessRuleJni(int ruleNum);
int zivra_deleteAllHTTPTrafficProcessRuleJni(void);

/* Traffic monitoring destinations, per bundle. */
enum { MONITORING_DEST_SLOTS = 255, MONITORING_DEST_SIZE = 256, MONITORING_TABLE_ENTRIES = 8 };

typedef struct MonitoringDestRecord {
    char BundleName[256];
    int32_t Count; /* destinations that follow, 0 to 255 */
    char Dest[MONITORING_DEST_SLOTS][MONITORING_DEST_SIZE];
} MonitoringDestRecord;

ZIVRA_STATIC_ASSERT(sizeof(MonitoringDestRecord) == 65540, "MonitoringDestRecord size");
ZIVRA_STATIC_ASSERT(offsetof(MonitoringDestRecord, Count) == 256, "MonitoringDestRecord.Count offset");
ZIVRA_STATIC_ASSERT(offsetof(MonitoringDestRecord, Dest) == 260, "MonitoringDestRecord.Dest offset");

/* Fills a table of MONITORING_TABLE_ENTRIES records: one per bundle with
 * destinations; an entry with an empty name or a count of 0 or less is
 * empty. */
int zivra_getTrafficMonitoringDestAddressInfo(MonitoringDestRecord table[MONITORING_TABLE_ENTRIES]);
/* Add or delete the first Count destinations of the record for its bundle. */
int zivra_addTrafficMonitoringDestAddress(const MonitoringDestRecord *record);
int zivra_deleteTrafficMonitoringDestAddress(const MonitoringDestRecord *record);

/* ------------------------------------------------------------------------ */
/* VLAN binding, IPTV, layer-3 routes and L2TP VPN                         */
/* ------------------------------------------------------------------------ */

/* VLAN binding of one LAN interface, as the platform lists it. The binding
 * text is the platform's own syntax; the bridge passes it through. */
typedef struct VLANBindEntry {
    char LanInterface[8]; /* interface name, e.g. "LAN1" */
    char Bind[210];       /* binding text */
} VLANBindEntry;

ZIVRA_STATIC_ASSERT(sizeof(VLANBindEntry) == 218, "VLANBindEntry size");
ZIVRA_STATIC_ASSERT(offsetof(VLANBindEntry, Bind) == 8, "VLANBindEntry.Bind offset");

/* `index` comes from checkInterfaceFormat; `bind` is a 210-byte buffer. */
int zivra_setVLANBind(int index, const char *bind);
int zivra_clearVLANBind(int index);
/* `table` is a zero-filled table of 64 entries; *count (0 on entry)
 * receives the number of entries filled. */
#define ZIVRA_VLAN_BIND_ENTRIES 64
int zivra_getVLANBindInfo(VLANBindEntry table[ZIVRA_VLAN_BIND_ENTRIES], int *count);
/* Fills a zero-filled 30-byte buffer with the IPTV status text. */
int zivra_getIPTVStatus(char status[30]);

/* One IPv4 route. Four-byte index then texts: 96 bytes, no padding. */
typedef struct Layer3ForwardingEntry {
    int32_t Index;
    char DestIPAddress[20];
    char DestSubnetMask[20];
    char GatewayIPAddress[20];
    char Interface[32];
} Layer3ForwardingEntry;

ZIVRA_STATIC_ASSERT(sizeof(Layer3ForwardingEntry) == 96, "Layer3ForwardingEntry size");
ZIVRA_STATIC_ASSERT(offsetof(Layer3ForwardingEntry, DestIPAddress) == 4, "DestIPAddress offset");
ZIVRA_STATIC_ASSERT(offsetof(Layer3ForwardingEntry, DestSubnetMask) == 24, "DestSubnetMask offset");
ZIVRA_STATIC_ASSERT(offsetof(Layer3ForwardingEntry, GatewayIPAddress) == 44, "GatewayIPAddress offset");
ZIVRA_STATIC_ASSERT(offsetof(Layer3ForwardingEntry, Interface) == 64, "Layer3 Interface offset");

/* One IPv6 route. The fields take 145 bytes; the 32-bit index makes both
 * ABIs round the record up to 148. The three bytes of tail padding are
 * named, so that a record passed by value carries them as defined bytes
 * (the language leaves unnamed padding undefined in a copy). */
typedef struct IPv6Layer3ForwardingEntry {
    int32_t Index;
    char DestIPPrefix[64];
    char NextHop[45];
    char Interface[32];
    char Reserved[3]; /* tail padding, always zero */
} IPv6Layer3ForwardingEntry;

ZIVRA_STATIC_ASSERT(sizeof(IPv6Layer3ForwardingEntry) == 148, "IPv6Layer3ForwardingEntry size");
ZIVRA_STATIC_ASSERT(offsetof(IPv6Layer3ForwardingEntry, DestIPPrefix) == 4, "DestIPPrefix offset");
ZIVRA_STATIC_ASSERT(offsetof(IPv6Layer3ForwardingEntry, NextHop) == 68, "NextHop offset");
ZIVRA_STATIC_ASSERT(offsetof(IPv6Layer3ForwardingEntry, Interface) == 113, "IPv6 Interface offset");
ZIVRA_STATIC_ASSERT(offsetof(IPv6Layer3ForwardingEntry, Reserved) == 145, "IPv6 Reserved offset");

#define ZIVRA_ROUTE_TABLE 64 /* entries of a route table */

/* Route tables: zero-filled tables of 64 entries, *count (0 on entry)
 * receives the number of entries filled. There is no separate query of the
 * IPv4 routes in force: the configured table serves both. */
int zivra_getLayer3ForwardingStaticConfigInfo(Layer3ForwardingEntry table[ZIVRA_ROUTE_TABLE], int *count);
int zivra_getIPv6Layer3ForwardingCurrent(IPv6Layer3ForwardingEntry table[ZIVRA_ROUTE_TABLE], int *count);
int zivra_getIPv6Layer3ForwardingStaticConfigInfo(IPv6Layer3ForwardingEntry table[ZIVRA_ROUTE_TABLE],
                                                  int *count);
/* The adds take the whole record by value (its Index is 0: the gateway
 * numbers its routes); the deletes take a route's Index. */
int zivra_addLayer3ForwardingStatic(Layer3ForwardingEntry entry);
int zivra_addIPv6Layer3ForwardingStatic(IPv6Layer3ForwardingEntry entry);
int zivra_deleteLayer3ForwardingStatic(int index);
int zivra_deleteIPv6Layer3ForwardingStatic(int index);

/* Destinations whose traffic goes through the L2TP VPN: a count and 255
 * slots of 256 bytes, each a NUL-terminated text; slots from Count on are
 * not read. 65284 bytes, no padding. */
#define ZIVRA_VPN_DEST_SLOTS 255
#define ZIVRA_VPN_DEST_WIDTH 256

typedef struct VpnDestIPList {
    int32_t Count;
    char DestIP[ZIVRA_VPN_DEST_SLOTS][ZIVRA_VPN_DEST_WIDTH];
} VpnDestIPList;

ZIVRA_STATIC_ASSERT(sizeof(VpnDestIPList) == 65284, "VpnDestIPList size");
ZIVRA_STATIC_ASSERT(offsetof(VpnDestIPList, DestIP) == 4, "VpnDestIPList.DestIP offset");

/* The three texts of the start and the text of the stop are the gateway's
 * own; their results carry nothing the bridge uses. */
int zivra_vpnOnJni(const char *text1, const char *text2, const char *text3);
int zivra_vpnOffJni(const char *text);
/* Returns the VPN status value itself. */
int zivra_getVpnStatCmdJni(void);
/* Stores through *text (null on entry) a malloc'ed reply text listing the
 * addresses connected through the VPN, or leaves it null when there is
 * nothing to report. The caller frees it. */
int zivra_getConnectedIpListJni(char **text);
/* Mode values are the gateway's; the bridge never passes 1. */
int zivra_addVpnDestIPJni(const VpnDestIPList *list, int mode);
int zivra_deleteVpnDestIPJni(const VpnDestIPList *list, int mode);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* ZIVRA_PLATFORM_H */
