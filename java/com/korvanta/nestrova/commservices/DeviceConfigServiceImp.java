package com.korvanta.nestrova.commservices;

/** Switches the gateway's LEDs on or off. */
public class DeviceConfigServiceImp {
    /**
     * Switches the gateway's LEDs on or off.
     *
     * @param on true to switch the LEDs on, false to switch them off
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int setLedSwitchJni(boolean on);
}
