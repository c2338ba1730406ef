package com.korvanta.nestrova.accessservices;

/**
 * The gateway's uplink: WAN connections, their settings, state and counters, and the PON interface.
 *
 * <p>A WAN connection is named by its WAN index, an {@code int} the gateway interprets and
 * that {@link #getInternetWANIndexJni()} yields for the Internet connection; it is passed on
 * unchecked. Every JSON method answers {@code {"Result":-1}} when the gateway fails.
 */
public class AccessInfoQueryServiceImp {
    /**
     * Reads which WAN connection carries Internet traffic.
     *
     * @return the WAN index of the Internet connection, as the gateway reports it (a failure,
     *     if any, is the gateway's value itself)
     */
    public native int getInternetWANIndexJni();

    /**
     * Lists the WAN connections.
     *
     * @return the JSON list as the gateway writes it (at most 1279 characters), passed on
     *     unchanged; {@code {"Result":-1}} when the gateway fails
     */
    public native String getWANIfListJni();

    /**
     * Reads the uptime of the PON interface.
     *
     * @return the uptime as the gateway reports it, unchanged (a failure, if any, is the
     *     gateway's value itself)
     */
    public native int getPONIfUpTimeJni();

    /**
     * Reads the traffic counters of a WAN connection.
     *
     * @param wanIndex the WAN index
     * @return on success {@code {"Result":0,"UsStats":long,"DsStats":long}}, the upstream and
     *     downstream counters as unsigned 64-bit decimals; {@code {"Result":-1}} when the
     *     gateway fails
     */
    public native String getWANIfStatsJni(int wanIndex);

    /**
     * Reads the settings and the IPv4 and IPv6 addressing of a WAN connection.
     *
     * @param wanIndex the WAN index
     * @return on success one object of 31 string values, in this key order:
     *     <pre>{@code {"Result":0,"LanInterface":string,"VLANMode":string,"VLANIDMark":string,
     *   "802-1pMark":string,"MulticastVlan":string,"LanInterface-DHCPEnable":string,
     *   "IPMode":string,"ConnectionType":string,"NATEnabled":string,"Username":string,
     *   "AddressingType":string,"ExternalIPAddress":string,"SubnetMask":string,
     *   "DefaultGateway":string,"DNSEnabled":string,"DNSServers":string,"MACAddress":string,
     *   "ConnectionTrigger":string,"IPv6IPAddressOrigin":string,"IPv6IPAddress":string,
     *   "IPv6DNSServers":string,"IPv6PrefixDelegationEnabled":string,"IPv6PrefixOrigin":string,
     *   "IPv6Prefix":string,"IPv6PrefixPltime":string,"IPv6PrefixVltime":string,
     *   "IPv6DefaultGateway":string,"IPv6DsliteEnable":string,"IPv6AftrMode":string,
     *   "IPv6AftrAddress":string,"ServiceList":string}}</pre>
     *     every value a text as the gateway gives it, numbers and flags included (the LAN
     *     interfaces bound to the connection, VLAN mode, VLAN ID and 802.1p priority, multicast
     *     VLAN, DHCP on the bound LAN interfaces, IP mode, connection type, NAT, user name, the
     *     IPv4 addressing, the connection trigger, the IPv6 addressing, prefix and DS-Lite
     *     settings, and the service list); {@code {"Result":-1}} when the gateway fails
     */
    public native String getWANIfInfoJni(int wanIndex);

    /**
     * Reads the connection state of a WAN connection.
     *
     * @param wanIndex the WAN index
     * @return the JSON text as the gateway writes it (at most 255 characters), passed on
     *     unchanged; {@code {"Result":-1}} when the gateway fails
     */
    public native String getWANIfStatusJni(int wanIndex);

    /**
     * Reads the bandwidth of a WAN connection.
     *
     * @param wanIndex the WAN index
     * @return the JSON text as the gateway writes it (at most 255 characters), passed on
     *     unchanged; {@code {"Result":-1}} when the gateway fails
     */
    public native String getWanIfBandwidthJni(int wanIndex);

    /**
     * Reads the physical state of the PON (optical) interface.
     *
     * @return on success <code>{"Result":0,</code> followed by the members the gateway writes and
     *     its closing brace, as the gateway writes them; {@code {"Result":-1}} when the gateway
     *     fails
     */
    public native String getPONIfPhyStatusJni();

    /**
     * Reads the registration state of the PON (optical) interface.
     *
     * @return on success <code>{"Result":0,</code> followed by the members the gateway writes and
     *     its closing brace, as the gateway writes them; {@code {"Result":-1}} when the gateway
     *     fails
     */
    public native String getPONIfRegisterStatusJni();

    /**
     * Reads the uplink traffic counters.
     *
     * @return on success {@code {"Result":0,"UsStats":int,"DsStats":int}}, the upstream and
     *     downstream counters as unsigned 32-bit decimals; {@code {"Result":-1}} when the
     *     gateway fails
     */
    public native String getUplinkIfStatsJni();
}
