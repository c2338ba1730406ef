// Simulated MAC black, trust and storage black lists, and the MAC filter
// mode.
//
// Each list keeps up to kListCapacity MAC texts in the colon notation
// (xx:xx:xx:xx:xx:xx, hexadecimal digits in either case), matched without
// regard to case. A batch is applied whole or not at all:
//  - a count below 0 or above the 64-slot table fails (-1) and no slot is read;
//  - empty slots (left by an element the bridge could not read) are skipped;
//  - any other text that is not a MAC, or a slot with no NUL, fails the batch;
//  - adding a MAC already on the list does nothing; an add that would take
//    the list past its capacity fails;
//  - deleting a MAC that is not on the list fails the batch;
//  - an empty batch (count 0) changes nothing and succeeds.
// Filter modes 0 (off), 1 (black list) and 2 (trust list) are accepted.
#include "sim/lan_access.h"

#include <ctype.h>
#include <string.h>
#include <strings.h>

#include <mutex>
#include <string>

#include "sim/lan_hosts.h"
#include "sim/scenario.h"
#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

constexpr int kSlots = 64;
constexpr int kSlotWidth = 20;
constexpr int kListCapacity = 16;
constexpr int kMacChars = 17;

typedef const char (*MacSlots)[kSlotWidth];

struct MacList {
    char macs[kListCapacity][kMacChars + 1];
    int size;

    int Find(const char *mac) const {
        for (int i = 0; i < size; ++i) {
            if (strcasecmp(macs[i], mac) == 0) return i;
        }
        return -1;
    }
};

std::mutex mu;
MacList black_list;
MacList trust_list;
MacList storage_black_list;

// The lists a scenario starts with (its filter mode is the LAN hosts' own).
void LoadList(const zsim::Setting &macs, MacList *list) {
    list->size = static_cast<int>(macs.Items(kListCapacity));
    for (int i = 0; i < list->size; ++i) macs.Item(static_cast<size_t>(i)).Mac(list->macs[i]);
}

void ResetAccess() {
    std::lock_guard<std::mutex> lock(mu);
    memset(&black_list, 0, sizeof black_list);
    memset(&trust_list, 0, sizeof trust_list);
    memset(&storage_black_list, 0, sizeof storage_black_list);
    const zsim::Setting lists = zsim::Scenario("accessLists");
    lists.Only({"filterMode", "black", "trust", "storageBlack"});
    LoadList(lists.Member("black"), &black_list);
    LoadList(lists.Member("trust"), &trust_list);
    LoadList(lists.Member("storageBlack"), &storage_black_list);
}
zsim::OnReset reset_access(&ResetAccess);

// Call record: the count and the slots it covers, never more than the
// table's 64 and each slot read only within its 20 bytes.
void RecordBatch(const char *op, MacSlots macs, int count) {
    std::string text = "count=" + std::to_string(count) + " macs=[";
    const int shown = count < 0 ? 0 : (count > kSlots ? kSlots : count);
    for (int i = 0; i < shown; ++i) {
        if (i > 0) text += ",";
        text += "\"" + std::string(macs[i], strnlen(macs[i], kSlotWidth)) + "\"";
    }
    text += "]";
    zsim::Record(op, "%s", text.c_str());
}

bool IsMac(const char *text) {
    if (strlen(text) != kMacChars) return false;
    for (int i = 0; i < kMacChars; ++i) {
        const bool colon = i % 3 == 2;
        if (colon ? text[i] != ':' : !isxdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

// Checks a batch: the slots in it, empty ones skipped, must be MAC texts.
bool ValidBatch(MacSlots macs, int count) {
    if (count < 0 || count > kSlots) return false;
    for (int i = 0; i < count; ++i) {
        if (memchr(macs[i], '\0', kSlotWidth) == nullptr) return false;
        if (macs[i][0] != '\0' && !IsMac(macs[i])) return false;
    }
    return true;
}

int AddBatch(MacList &list, MacSlots macs, int count) {
    std::lock_guard<std::mutex> lock(mu);
    if (!ValidBatch(macs, count)) return -1;
    MacList next = list;
    for (int i = 0; i < count; ++i) {
        if (macs[i][0] == '\0' || next.Find(macs[i]) >= 0) continue;
        if (next.size == kListCapacity) return -1;
        zsim::SetField(next.macs[next.size++], macs[i]);
    }
    list = next;
    return 0;
}

int DeleteBatch(MacList &list, MacSlots macs, int count) {
    std::lock_guard<std::mutex> lock(mu);
    if (!ValidBatch(macs, count)) return -1;
    for (int i = 0; i < count; ++i) {
        if (macs[i][0] != '\0' && list.Find(macs[i]) < 0) return -1;
    }
    for (int i = 0; i < count; ++i) {
        const int at = macs[i][0] != '\0' ? list.Find(macs[i]) : -1;
        if (at < 0) continue;  // empty slot, or named twice in the batch
        memmove(list.macs[at], list.macs[at + 1], sizeof list.macs[0] * static_cast<size_t>(list.size - at - 1));
        --list.size;
        memset(list.macs[list.size], 0, sizeof list.macs[0]);
    }
    return 0;
}

bool Listed(const MacList &list, const char *mac) {
    if (mac == nullptr) return false;
    std::lock_guard<std::mutex> lock(mu);
    return list.Find(mac) >= 0;
}

}  // namespace

namespace zsim {

bool StorageBlackListed(const char *mac) { return Listed(storage_black_list, mac); }
bool BlackListed(const char *mac) { return Listed(black_list, mac); }
bool TrustListed(const char *mac) { return Listed(trust_list, mac); }

}  // namespace zsim

extern "C" int zivra_addLANHostToBlackList(const char (*macs)[20], int count) {
    RecordBatch("addLANHostToBlackList", macs, count);
    ZSIM_RUN_SCRIPT(zivra_addLANHostToBlackList, macs, count);
    return AddBatch(black_list, macs, count);
}

extern "C" int zivra_deleteLANHostFromBlackList(const char (*macs)[20], int count) {
    RecordBatch("deleteLANHostFromBlackList", macs, count);
    ZSIM_RUN_SCRIPT(zivra_deleteLANHostFromBlackList, macs, count);
    return DeleteBatch(black_list, macs, count);
}

extern "C" int zivra_addLANHostToTrustList(const char (*macs)[20], int count) {
    RecordBatch("addLANHostToTrustList", macs, count);
    ZSIM_RUN_SCRIPT(zivra_addLANHostToTrustList, macs, count);
    return AddBatch(trust_list, macs, count);
}

extern "C" int zivra_deleteLANHostFromTrustList(const char (*macs)[20], int count) {
    RecordBatch("deleteLANHostFromTrustList", macs, count);
    ZSIM_RUN_SCRIPT(zivra_deleteLANHostFromTrustList, macs, count);
    return DeleteBatch(trust_list, macs, count);
}

extern "C" int zivra_addLANHostToStorageBlackList(const char (*macs)[20], int count) {
    RecordBatch("addLANHostToStorageBlackList", macs, count);
    ZSIM_RUN_SCRIPT(zivra_addLANHostToStorageBlackList, macs, count);
    return AddBatch(storage_black_list, macs, count);
}

extern "C" int zivra_deleteLANHostFromStorageBlackList(const char (*macs)[20], int count) {
    RecordBatch("deleteLANHostFromStorageBlackList", macs, count);
    ZSIM_RUN_SCRIPT(zivra_deleteLANHostFromStorageBlackList, macs, count);
    return DeleteBatch(storage_black_list, macs, count);
}

extern "C" int zivra_setMacFilterMode(int mode) {
    zsim::Record("setMacFilterMode", "mode=%d", mode);
    ZSIM_RUN_SCRIPT(zivra_setMacFilterMode, mode);
    if (mode < 0 || mode > 2) return -1;
    // The host queries read the mode back through zivra_getMacFilterMode.
    zsim::SetMacFilterMode(mode);
    return 0;
}
