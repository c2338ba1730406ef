package com.korvanta.nestrova.lanservices;

/** Names the gateway and the hosts on its LAN. */
public class LanNetworkNameConfigServiceImp {
    /**
     * Sets the gateway's own name.
     *
     * @param gatewayName the new name: at most 64 bytes in modified UTF-8 (so fewer characters
     *     when some take two or three bytes); longer names are refused; null fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     name cannot be read; -2 when it is longer than 64 bytes (the gateway is not asked)
     */
    public native int setGatewayNameJni(String gatewayName);

    /**
     * Sets the name of one LAN host.
     *
     * @param mac the host's MAC text; at most 18 characters are used, longer texts are cut;
     *     null fails with -1
     * @param hostName the new name: at most 64 bytes in modified UTF-8; longer names are
     *     refused; null fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when a text
     *     cannot be read; -2 when the host name is longer than 64 bytes (the gateway is not
     *     asked)
     */
    public native int setLANHostNameJni(String mac, String hostName);
}
