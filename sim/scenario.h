// Scenario files of the stand-in platform: a JSON file, named by the
// environment variable ZIVRA_SIM_SCENARIO, that sets what the simulated
// gateway starts from and which operations fail with which code. It is read
// once, on first use; every zsim::Reset() brings its state back. Areas it
// leaves out keep their built-in state. A file that cannot be read or is not
// what it should be ends the process with one line on standard error naming
// the file, the line and the key. The areas (sim/scenarios/ has examples):
//   device        {vendor, productClass, hardwareVersion, firmwareVersion, mac}
//   gateway       {name}
//   hosts         [{class, mac*, dhcpName, deviceName, ip, interface*, onlineTime,
//                   upLimit, downLimit, upSpeed, downSpeed, usStats, dsStats}], at most 64
//   accessLists   {filterMode 0..2, black, trust, storageBlack: [MAC texts], at most 16 each}
//   radios        {"2.4G"|"5G": {on, channel, autoChannel, power, width, standard}}
//   ssids         [{index* 1..8, name, enable, advertised, auth, cipher, passphrase}]
//   wans          [{services*, type, vlan, lanInterface, username, addressing, ip, mask,
//                   gateway, dns, mac, ipv6, usStats, dsStats, upKbps, downKbps}], at most 4
//   forwardRules  [{remoteAddress*, remotePort*, protocol, hostMac, toIp*, toPort*}], at most 16
//   routes        [{dest*, mask*, gateway*, interface*}] (static IPv4), at most 16
//   vpn           {up, destinations: [texts], at most 255}
//   fail          {"zivra_<operation>": code returned instead of running it}
// (* must be given.) Lists replace the built-in ones, except ssids, which
// change the SSIDs they index; objects change only what they name.
#ifndef ZIVRA_SIM_SCENARIO_H
#define ZIVRA_SIM_SCENARIO_H

#include <stddef.h>
#include <stdint.h>

#include <initializer_list>
#include <nlohmann/json_fwd.hpp>
#include <string>

namespace zsim {

// One value of the scenario, and the key that names it ("hosts[3].mac").
// A value the file leaves out is not Given(), and its getters leave their
// target as it was; a value of the wrong type, or out of range, is refused.
class Setting {
  public:
    Setting(const nlohmann::json *value, std::string key) : v_(value), key_(std::move(key)) {}
    bool Given() const { return v_ != nullptr; }
    const std::string &Key() const { return key_; }

    // An object whose members are all among `known` (absent: nothing to check).
    void Only(std::initializer_list<const char *> known) const;
    // A member of an object, which may be left out; Need: which may not.
    Setting Member(const char *name) const;
    Setting Need(const char *name) const;
    // Number of items of an array of at most `most` items, and one of them.
    size_t Items(size_t most) const;
    Setting Item(size_t i) const;

    // A text that fits the field, NUL included.
    template <size_t N>
    void Text(char (&field)[N]) const {
        if (Given()) TextInto(field, N);
    }
    void Text(std::string *out, size_t most) const;
    // A MAC text, six hexadecimal pairs joined by colons.
    template <size_t N>
    void Mac(char (&field)[N]) const {
        static_assert(N > 17, "a MAC text takes 18 bytes");
        if (Given()) MacInto(field, N);
    }
    void Int(int *out, long long lo, long long hi) const;
    void Count(uint64_t *out, uint64_t most = UINT64_MAX) const;  // a counter
    void Flag(bool *out) const;
    // A text that must be one of `choices` (a null-terminated list).
    void Choice(char *field, size_t size, const char *const *choices) const;
    // An interface name the simulated gateway knows (LAN1..4, SSID1..8): its index.
    void Interface(int *index) const;

    // Ends the process with the one-line error for this value.
    [[noreturn]] void Refuse(const std::string &why) const;

  private:
    void TextInto(char *field, size_t size) const;
    void MacInto(char *field, size_t size) const;
    const nlohmann::json *v_;
    std::string key_;
};

// The scenario's value for one area (a top-level key); not Given() when
// there is no scenario or it leaves the area out.
Setting Scenario(const char *area);

}  // namespace zsim

#endif  // ZIVRA_SIM_SCENARIO_H
