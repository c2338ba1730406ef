// Reset registry and interface names of the simulated gateway.
#include <stdio.h>
#include <string.h>

#include <vector>

#include "sim/state.h"

namespace zsim {
namespace {
std::vector<void (*)()> &Resets() {
    static std::vector<void (*)()> fns;
    return fns;
}
}  // namespace

OnReset::OnReset(void (*fn)()) {
    Resets().push_back(fn);
    fn();
}

void ResetGateway() {
    for (auto fn : Resets()) fn();
}

int SimInterfaceIndex(const char *name, int *index) {
    if (name == nullptr) return -1;
    int n = 0;
    char tail = 0;
    if (sscanf(name, "LAN%d%c", &n, &tail) == 1 && n >= 1 && n <= 4) {
        *index = n;
        return 0;
    }
    if (sscanf(name, "SSID%d%c", &n, &tail) == 1 && n >= 1 && n <= 8) {
        *index = 4 + n;
        return 0;
    }
    return -1;
}

}  // namespace zsim
