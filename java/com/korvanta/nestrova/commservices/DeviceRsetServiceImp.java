package com.korvanta.nestrova.commservices;

/**
 * Resets the gateway. What a reset does on the gateway (a reboot or a restore of the defaults) is the
 * gateway's own matter; this service only asks for it and hands back the answer.
 */
public class DeviceRsetServiceImp {
    /**
     * Asks the gateway to reset.
     *
     * @return the gateway's result code: 0 when the reset was accepted, any other value on failure
     */
    public native int resetJni();
}
