package com.korvanta.nestrova.lanservices;

/** Reads the current speeds of one LAN host. */
public class LanHostSpeedQueryServiceImp {
    /** Current speeds as JSON: upSpeed, downSpeed. */
    public native String getLANHostSpeedJni(String mac);
}
