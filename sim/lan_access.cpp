// Simulated MAC black, trust and storage black lists.
#include "sim/lan_access.h"

namespace zsim {

bool StorageBlackListed(const char *) { return false; }
bool BlackListed(const char *) { return false; }

}  // namespace zsim
