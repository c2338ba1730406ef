package com.korvanta.nestrova.lanservices;

/** Traffic counters and state of the gateway's LAN Ethernet ports. */
public class EthQueryServiceImp {
    /** Counters of port 1 to 4 as JSON: BytesSent, BytesReceived, PacketsSent, PacketsReceived. */
    public native String getLANEthernetStatsJni(int port);

    /** State of a port as JSON: Enable, Status, BitRate, DuplexMode. */
    public native String getLANEthernetInfoJni(int port);
}
