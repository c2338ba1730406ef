package com.korvanta.nestrova.addressservices;

/**
 * The gateway's own LAN address and its DHCP server settings, as JSON written by the gateway.
 * The gateway writes each success reply whole; it carries the keys of the method's fail reply,
 * with {@code "Result":0}.
 */
public class LANIPInfoQueryServiceImp {
    /**
     * Reads the settings of the gateway's DHCP server.
     *
     * @return on success the gateway's reply (at most 159 characters), with the keys
     *     {@code Result} (int, 0), {@code EnableDHCPServer}, {@code DHCPStartIP},
     *     {@code DHCPEndIP} (strings) and {@code DHCPDuration} (int); when the gateway fails,
     *     exactly
     *     {@code {"Result":-1,"EnableDHCPServer":"","DHCPStartIP":"","DHCPEndIP":"","DHCPDuration":0}}
     */
    public native String getLANDHCPInfoJni();

    /**
     * Reads the gateway's own LAN address and subnet mask.
     *
     * @return on success the gateway's reply (at most 89 characters), with the keys
     *     {@code Result} (int, 0), {@code LocalIP} and {@code Submask} (strings); when the
     *     gateway fails, exactly {@code {"Result":-1,"LocalIP":"","Submask":""}}
     */
    public native String getLANHostIPJni();
}
