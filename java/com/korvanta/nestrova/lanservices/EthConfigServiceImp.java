package com.korvanta.nestrova.lanservices;

/**
 * Switches LAN Ethernet ports and sets their duplex mode and maximum bit rate. A port is named
 * by its number, passed to the gateway unchecked; every method returns the gateway's result
 * code, 0 when the setting was made.
 */
public class EthConfigServiceImp {
    /**
     * Switches a LAN Ethernet port on or off.
     *
     * @param port the port number
     * @param enable true to enable the port (the gateway is given "Yes"), false to disable it
     *     ("No")
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int setLANEthernetEnableJni(int port, boolean enable);

    /**
     * Sets the duplex mode of a LAN Ethernet port.
     *
     * @param port the port number
     * @param duplexMode the duplex mode in the gateway's own text form; at most 6 characters,
     *     longer texts are cut to their first 6; null fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     text cannot be read (the gateway is not asked)
     */
    public native int setLANEthernetDuplexModeJni(int port, String duplexMode);

    /**
     * Sets the maximum bit rate of a LAN Ethernet port.
     *
     * @param port the port number
     * @param maxBitRate the bit rate in the gateway's own text form; at most 6 characters,
     *     longer texts are cut to their first 6; null fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     text cannot be read (the gateway is not asked)
     */
    public native int setLANEthernetMaxBitRateJni(int port, String maxBitRate);
}
