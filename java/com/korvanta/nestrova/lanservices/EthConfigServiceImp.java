package com.korvanta.nestrova.lanservices;

/** Switches LAN Ethernet ports and sets their duplex mode and maximum bit rate. */
public class EthConfigServiceImp {
    public native int setLANEthernetEnableJni(int port, boolean enable);

    public native int setLANEthernetDuplexModeJni(int port, String duplexMode);

    public native int setLANEthernetMaxBitRateJni(int port, String maxBitRate);
}
