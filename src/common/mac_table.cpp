#include "common/mac_table.h"

#include <stdio.h>
#include <string.h>

#include "common/log.h"

namespace bundle {

int SingleEmptyMeansNone(int count, char *table, size_t width, const char *line) {
    if (count != 1 || table[0] != '\0') return count;
    memset(table, 0, static_cast<size_t>(kMacTableSlots) * width);
    if (line != nullptr) BRIDGE_LOG("%s", line);
    return 0;
}

void MacTextToBytes(const char *text, unsigned char (&bytes)[6]) {
    unsigned int group[6] = {0, 0, 0, 0, 0, 0};
    // The gateway's own MAC scan: groups after the first one that does not
    // scan are not read and go out as 0, so no conversion error is reported.
    // NOLINTNEXTLINE(cert-err34-c)
    const int scanned = sscanf(text, "%02x:%02x:%02x:%02x:%02x:%02x", &group[0], &group[1], &group[2],
                               &group[3], &group[4], &group[5]);
    for (int i = 0; i < 6; ++i) bytes[i] = i < scanned ? static_cast<unsigned char>(group[i] & 0xFFu) : 0;
}

}  // namespace bundle
