package com.korvanta.nestrova.transferservices;

/** VLAN binding of the gateway's LAN interfaces. */
public class VLANBindConfigServiceImp {
    /** Binds a LAN interface ("LAN1", ...) as the binding text says; 0 on success, -1 for an unknown interface. */
    public native int setVLANBindJni(String lanInterface, String bind);

    /** Clears the binding of a LAN interface; 0 on success, -1 for an unknown interface. */
    public native int clearVLANBindJni(String lanInterface);
}
