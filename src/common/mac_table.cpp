#include "common/mac_table.h"

#include <stdio.h>
#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace bundle {

int MacListToTable(JNIEnv *env, jobjectArray macs, jsize n, char *table, size_t width,
                   const char *element_error_line, int log_level) {
    // More elements than slots: only the first 64 are read, and the
    // platform is told the number actually in the table.
    const int count = ClampCount(n, kMacTableSlots);
    // A Java null array: no element can be had, and its length is taken as 0.
    if (macs == nullptr) {
        zivra_printf(log_level, "%s", element_error_line);
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        // The element reference goes back on every path, the early stop
        // included, so a long list never piles up local references.
        ScopedLocalRef element(env, macs, i);
        BorrowedString chars(env, static_cast<jstring>(element.get()));
        if (!chars.ok()) {
            zivra_printf(log_level, "%s", element_error_line);
            break;
        }
        // Cut on purpose: a slot keeps at most width - 2 characters.
        CopyText(table + static_cast<size_t>(i) * width, width - 1, chars.get());
    }
    return count;
}

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
