package com.korvanta.nestrova.addressservices;

/**
 * Sets the gateway's LAN address and its DHCP server; addresses keep at most 18 characters.
 * Both methods return the gateway's result code unchanged (0 on success), or -1 without asking
 * the gateway when a {@code String} argument is null or cannot be read.
 */
public class LANIPConfigServiceImp {
    /**
     * Sets the gateway's own LAN address and subnet mask.
     *
     * @param localIP the address as a dotted IPv4 text; at most 18 characters are used, longer
     *     texts are cut; null fails with -1
     * @param submask the subnet mask as a dotted text; at most 18 characters are used, longer
     *     texts are cut; null fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when a text
     *     cannot be read
     */
    public native int setLANHostIPJni(String localIP, String submask);

    /**
     * Sets the gateway's DHCP server: whether it runs, its address range and its lease
     * duration.
     *
     * @param enableDHCPServer the server switch, in the gateway's own text form; at most 8
     *     characters are used, longer texts are cut; null fails with -1
     * @param dhcpStartIP the first address handed out, as a dotted IPv4 text; at most 18
     *     characters are used; null fails with -1
     * @param dhcpEndIP the last address handed out, as a dotted IPv4 text; at most 18
     *     characters are used; null fails with -1
     * @param dhcpDuration the duration, in the gateway's unit, passed on unchanged
     * @return the gateway's result code: 0 on success, another value on failure; -1 when a text
     *     cannot be read
     */
    public native int setLANDHCPInfoJni(String enableDHCPServer, String dhcpStartIP, String dhcpEndIP,
            int dhcpDuration);
}
