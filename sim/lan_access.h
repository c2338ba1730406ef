// What the simulated MAC access lists tell the rest of the simulated
// gateway (the LAN host records report each host's storage access).
#ifndef ZIVRA_SIM_LAN_ACCESS_H
#define ZIVRA_SIM_LAN_ACCESS_H

namespace zsim {

// True when the MAC text is on the storage black list (case-insensitive).
bool StorageBlackListed(const char *mac);
// True when the MAC text is on the black list (case-insensitive).
bool BlackListed(const char *mac);
// True when the MAC text is on the trust list (case-insensitive).
bool TrustListed(const char *mac);

}  // namespace zsim

#endif  // ZIVRA_SIM_LAN_ACCESS_H
