package com.korvanta.nestrova.lanservices;

/**
 * The devices on the gateway's LAN: hosts by interface, class or MAC, their speed limits and
 * traffic counters, the gateway's own name and the MAC filter mode.
 *
 * <p>The host queries answer with a JSON list of at most 64 hosts:
 * <pre>{@code {"Result":0,"List":[{"Class":string,"MAC":string,"DhcpName":string,"DeviceName":string,
 *   "IP":string,"ConnectInterface":string,"OnlineTime":string,"StorageAccessStatus":string}, ...]}}</pre>
 * with each host's class, MAC address, the name it gave in DHCP, its device name, IP address,
 * the interface it is connected on, its online time and whether it may use the gateway's
 * storage, as the gateway gives them. No host gives {@code {"Result":0,"List":[]}}; a failure
 * gives {@code {"Result":-1,"List":[]}}. Texts are put into the JSON as they are, without
 * escaping.
 *
 * <p>The MAC-list queries take MAC texts of six two-digit hexadecimal groups separated by
 * colons; at most 30 characters of each are used, and at most 64 MACs (further ones are left
 * out). {@code new String[] {""}} and an empty or null array ask about no particular host. A
 * null element ends the list: it and the elements after it reach the gateway as empty texts.
 */
public class LANHostsInfoQueryServiceImp {
    /**
     * Lists the hosts connected on one interface.
     *
     * @param interfaceName the interface name, one the gateway knows; any other name, or null,
     *     fails
     * @return the host list described above; {@code {"Result":-1,"List":[]}} when the name
     *     cannot be read or is not an interface name, or when the gateway fails
     */
    public native String getLANHostInfoByInterfaceJni(String interfaceName);

    /**
     * Lists the hosts of one class.
     *
     * @param hostClass the host class in the gateway's own text form; at most 8 characters are
     *     used, longer texts are cut; null fails
     * @return the host list described above; {@code {"Result":-1,"List":[]}} when the class
     *     cannot be read or the gateway fails
     */
    public native String getLANHostInfoByClassJni(String hostClass);

    /**
     * Lists the hosts with the given MAC addresses.
     *
     * @param macs the MAC texts (see the class description); {@code {""}} asks for no
     *     particular MAC
     * @return the host list described above; {@code {"Result":-1,"List":[]}} when the gateway
     *     fails
     */
    public native String getLANHostInfoByMACJni(String[] macs);

    /**
     * Lists the speed limits of the hosts with the given MAC addresses.
     *
     * @param macs the MAC texts (see the class description); {@code {""}} asks for no
     *     particular MAC
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"UpSpeed":int,"DownSpeed":int}, ...]}}</pre>
     *     the upstream and downstream limits as unsigned decimals, one item per host the
     *     gateway reports; {@code {"Result":-1,"List":[]}} when the gateway fails
     */
    public native String getLANHostSpeedLimitInfoJni(String[] macs);

    /**
     * Lists the traffic counters of the hosts with the given MAC addresses.
     *
     * @param macs the MAC texts (see the class description); {@code {""}} asks for no
     *     particular MAC
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"UsStats":int,"DsStats":int}, ...]}}</pre>
     *     the upstream and downstream counters as unsigned 32-bit decimals, one item per host
     *     the gateway reports; {@code {"Result":-1,"List":[]}} when the gateway fails
     */
    public native String getLANHostStatsJni(String[] macs);

    /**
     * Reads the gateway's own name.
     *
     * @return the name as plain text; the empty text "" (not null) when it cannot be read
     */
    public native String getGatewayNameJni();

    /**
     * Reads the gateway's MAC filter mode.
     *
     * @return the mode as the gateway reports it, with the values that
     *     {@link LanNetworkAccessConfigServiceImp#setMacFilterModeJni(int)} sets; a failure is
     *     passed on as the gateway returns it
     */
    public native int getMacFilterModeJni();
}
