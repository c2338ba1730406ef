// Simulated captive portal: a MAC white list and a domain list that the
// readers report as one comma-separated text, a temporary access mode that
// decides whether devices may be granted temporary access, and the set of
// subscribed portal events.
#include <ctype.h>
#include <stdio.h>
#include <string.h>
#include <strings.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

using Names = std::vector<std::string>;

std::mutex mu;
Names white_list;
Names domains;
Names granted;
Names events;
int access_mode;     // 1: devices may be granted temporary access, 0: not
int access_minutes;  // how long a grant lasts

void ResetPortal() {
    std::lock_guard<std::mutex> lock(mu);
    white_list = {"00:1A:2B:3C:4D:5E"};
    domains = {"portal.gateway.lan", "auth.gateway.lan"};
    granted.clear();
    events.clear();
    access_mode = 1;
    access_minutes = 30;
}
zsim::OnReset reset_portal(&ResetPortal);

// A slot's text, read within its 20 bytes whether or not it holds a NUL.
std::string SlotText(const PortalListTable *t, int i) {
    return std::string(t->Slot[i], strnlen(t->Slot[i], PORTAL_LIST_SLOT_SIZE));
}

// The table as the call record shows it: every slot up to the last used
// one (an empty slot between used ones shows as ""), never past slot 64.
std::string Recorded(const PortalListTable *t) {
    if (t == nullptr) return "(null)";
    int used = 0;
    for (int i = 0; i < PORTAL_LIST_SLOTS; ++i) {
        if (t->Slot[i][0] != '\0') used = i + 1;
    }
    std::string out = "[";
    for (int i = 0; i < used; ++i) {
        if (i > 0) out += ",";
        out += "\"" + SlotText(t, i) + "\"";
    }
    return out + "]";
}

// The names the gateway takes from a table: the used slots at its start,
// up to the first empty one.
Names Taken(const PortalListTable *t) {
    Names out;
    for (int i = 0; i < PORTAL_LIST_SLOTS && t->Slot[i][0] != '\0'; ++i) out.push_back(SlotText(t, i));
    return out;
}

bool IsMac(const std::string &text) {
    if (text.size() != 17) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool ok = i % 3 == 2 ? c == ':' : isxdigit(static_cast<unsigned char>(c)) != 0;
        if (!ok) return false;
    }
    return true;
}

bool AllMacs(const Names &names) { return std::all_of(names.begin(), names.end(), IsMac); }

Names::iterator FindName(Names &list, const std::string &name) {
    return std::find_if(list.begin(), list.end(),
                        [&](const std::string &have) { return strcasecmp(have.c_str(), name.c_str()) == 0; });
}

// Adds the names not yet listed; refuses (changing nothing) when the list
// would grow past 64 names.
int AddAll(Names &list, const Names &names) {
    Names grown = list;
    for (const auto &n : names) {
        if (FindName(grown, n) == grown.end()) grown.push_back(n);
    }
    if (grown.size() > static_cast<size_t>(PORTAL_LIST_SLOTS)) return -1;
    list = std::move(grown);
    return 0;
}

// The readers' text: names separated by commas, as many whole names as fit
// in the 128-byte text with its NUL.
void WriteList(const Names &list, char *out) {
    std::string text;
    for (const auto &n : list) {
        const std::string next = text.empty() ? n : text + "," + n;
        if (next.size() >= static_cast<size_t>(PORTAL_LIST_TEXT_SIZE)) break;
        text = next;
    }
    snprintf(out, PORTAL_LIST_TEXT_SIZE, "%s", text.c_str());
}

}  // namespace

extern "C" int zivra_subscribePortalEvent(const PortalListTable *list, const char *enable) {
    zsim::Record("subscribePortalEvent", "events=%s enable=%s", Recorded(list).c_str(),
                 zsim::Quote(enable).c_str());
    ZSIM_RUN_SCRIPT(zivra_subscribePortalEvent, list, enable);
    if (list == nullptr || enable == nullptr) return -1;
    const bool on = strcmp(enable, "1") == 0;
    if (!on && strcmp(enable, "0") != 0) return -1;
    std::lock_guard<std::mutex> lock(mu);
    if (on) return AddAll(events, Taken(list));
    for (const auto &n : Taken(list)) {
        auto it = FindName(events, n);
        if (it != events.end()) events.erase(it);
    }
    return 0;
}

extern "C" int zivra_addPortalMacWhiteList(const PortalListTable *macs) {
    zsim::Record("addPortalMacWhiteList", "macs=%s", Recorded(macs).c_str());
    ZSIM_RUN_SCRIPT(zivra_addPortalMacWhiteList, macs);
    if (macs == nullptr) return -1;
    const Names names = Taken(macs);
    if (!AllMacs(names)) return -1;
    std::lock_guard<std::mutex> lock(mu);
    return AddAll(white_list, names);
}

extern "C" int zivra_deletePortalMacWhiteList(const PortalListTable *macs) {
    zsim::Record("deletePortalMacWhiteList", "macs=%s", Recorded(macs).c_str());
    ZSIM_RUN_SCRIPT(zivra_deletePortalMacWhiteList, macs);
    if (macs == nullptr) return -1;
    const Names names = Taken(macs);
    if (!AllMacs(names)) return -1;
    std::lock_guard<std::mutex> lock(mu);
    for (const auto &n : names) {
        auto it = FindName(white_list, n);
        if (it != white_list.end()) white_list.erase(it);
    }
    return 0;
}

extern "C" int zivra_getPortalMacWhiteList(char *list) {
    zsim::Record("getPortalMacWhiteList", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getPortalMacWhiteList, list);
    std::lock_guard<std::mutex> lock(mu);
    WriteList(white_list, list);
    return 0;
}

// value1: 1 lets devices be granted temporary access, 0 stops it;
// value2: the minutes a grant lasts, 1 to 1440.
extern "C" int zivra_setTemporaryAccessMode(int value1, int value2) {
    zsim::Record("setTemporaryAccessMode", "value1=%d value2=%d", value1, value2);
    ZSIM_RUN_SCRIPT(zivra_setTemporaryAccessMode, value1, value2);
    if ((value1 != 0 && value1 != 1) || value2 < 1 || value2 > 1440) return -1;
    std::lock_guard<std::mutex> lock(mu);
    access_mode = value1;
    access_minutes = value2;
    return 0;
}

extern "C" int zivra_allowDeviceTemporaryAccess(const PortalListTable *macs) {
    zsim::Record("allowDeviceTemporaryAccess", "macs=%s", Recorded(macs).c_str());
    ZSIM_RUN_SCRIPT(zivra_allowDeviceTemporaryAccess, macs);
    if (macs == nullptr) return -1;
    const Names names = Taken(macs);
    if (!AllMacs(names)) return -1;
    std::lock_guard<std::mutex> lock(mu);
    if (access_mode != 1) return -1;
    return AddAll(granted, names);
}

extern "C" int zivra_setPortalDomainWriteList(const PortalListTable *list) {
    zsim::Record("setPortalDomainWriteList", "domains=%s", Recorded(list).c_str());
    ZSIM_RUN_SCRIPT(zivra_setPortalDomainWriteList, list);
    if (list == nullptr) return -1;
    std::lock_guard<std::mutex> lock(mu);
    domains = Taken(list);
    return 0;
}

extern "C" int zivra_getPortalDomainWriteList(char *list) {
    zsim::Record("getPortalDomainWriteList", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getPortalDomainWriteList, list);
    std::lock_guard<std::mutex> lock(mu);
    WriteList(domains, list);
    return 0;
}
