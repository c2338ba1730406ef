package com.korvanta.nestrova.commservices;

/** Resets the gateway. */
public class DeviceRsetServiceImp {
    /** The platform's result code: 0 when the reset was accepted. */
    public native int resetJni();
}
