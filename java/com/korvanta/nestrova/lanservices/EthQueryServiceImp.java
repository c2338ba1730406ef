package com.korvanta.nestrova.lanservices;

/**
 * Traffic counters and state of the gateway's LAN Ethernet ports. A port is named by its
 * number; both queries answer with a JSON text.
 */
public class EthQueryServiceImp {
    /**
     * Reads the traffic counters of one LAN Ethernet port.
     *
     * @param port the port number, 1 to 4; any other number (zero and negative ones included)
     *     fails without asking the gateway
     * @return on success
     *     <pre>{@code {"Result":0,"BytesSent":long,"BytesReceived":long,"PacketsSent":int,"PacketsReceived":int}}</pre>
     *     with the counters as bare unsigned decimals (the byte counters 64-bit, the packet
     *     counters 32-bit); {@code {"Result":-1}} for a port outside 1 to 4 or when the
     *     gateway cannot read the counters
     */
    public native String getLANEthernetStatsJni(int port);

    /**
     * Reads the state of one LAN Ethernet port. The port number is not checked: the gateway
     * judges it.
     *
     * @param port the port number
     * @return on success
     *     <pre>{@code {"Result":0,"Enable":string,"Status":string,"BitRate":string,"DuplexMode":string}}</pre>
     *     with the texts as the gateway gives them (whether the port is enabled, its link
     *     status, its current bit rate and duplex mode); {@code {"Result":-1}} when the
     *     gateway cannot read the port
     */
    public native String getLANEthernetInfoJni(int port);
}
