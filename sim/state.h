// Shared plumbing of the simulated gateway inside the stand-in platform.
// Each area (Ethernet ports, LAN hosts, WLAN, ...) lives in a file of its
// own with its state behind its own mutex, and registers a reset function
// so that zsim::Reset() brings the whole gateway back to its first state.
#ifndef ZIVRA_SIM_STATE_H
#define ZIVRA_SIM_STATE_H

#include <stddef.h>
#include <stdio.h>

namespace zsim {

// Registers a function that restores one area's initial state; it is also
// run once at load.
struct OnReset {
    explicit OnReset(void (*fn)());
};

void ResetGateway();

// Interface names of the simulated gateway: LAN1..LAN4 are indexes 1..4,
// SSID1..SSID8 indexes 5..12. Anything else is refused with -1.
int SimInterfaceIndex(const char *name, int *index);

// Copies a text into a fixed record field, always NUL-terminated.
template <size_t N>
inline void SetField(char (&field)[N], const char *text) {
    snprintf(field, N, "%s", text);
}

}  // namespace zsim

#endif  // ZIVRA_SIM_STATE_H
