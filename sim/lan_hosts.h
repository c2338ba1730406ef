// What the simulated LAN hosts share with the rest of the simulated
// gateway: the MAC filter mode, which the access-list operations set and
// the host query reads.
#ifndef ZIVRA_SIM_LAN_HOSTS_H
#define ZIVRA_SIM_LAN_HOSTS_H

namespace zsim {

// The gateway's MAC filter mode, as the access-list operations last set it
// (0 when the gateway starts). Safe to call with any other sim lock held.
int MacFilterMode();
void SetMacFilterMode(int mode);

}  // namespace zsim

#endif  // ZIVRA_SIM_LAN_HOSTS_H
