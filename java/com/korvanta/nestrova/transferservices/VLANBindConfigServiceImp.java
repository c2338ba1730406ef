package com.korvanta.nestrova.transferservices;

/**
 * VLAN binding of the gateway's LAN interfaces. A LAN interface is named by its interface name; which
 * names the gateway accepts, and the syntax of the binding text, are the gateway's.
 */
public class VLANBindConfigServiceImp {
    /**
     * Binds a LAN interface as the binding text says.
     *
     * @param lanInterface the LAN interface's name; not {@code null}
     * @param bind the binding text, at most 208 characters (longer is cut); not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when the
     *     interface name is not one of the gateway's or a text is {@code null} or cannot be read (the
     *     gateway is then not called)
     */
    public native int setVLANBindJni(String lanInterface, String bind);

    /**
     * Clears the binding of a LAN interface.
     *
     * @param lanInterface the LAN interface's name; not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when the
     *     interface name is not one of the gateway's or is {@code null} or cannot be read (the gateway is
     *     then not called)
     */
    public native int clearVLANBindJni(String lanInterface);
}
