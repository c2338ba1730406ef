package com.korvanta.nestrova.commservices;

/** Switches the gateway's LEDs on or off. */
public class DeviceConfigServiceImp {
    public native int setLedSwitchJni(boolean on);
}
