package com.korvanta.nestrova.lanservices;

/** Sets the upstream and downstream speed limit of one LAN host. */
public class LanHostSpeedLimitServiceImp {
    /** Host named by its MAC text (six hexadecimal groups separated by colons). */
    public native int setLANHostSpeedLimitJni(String mac, int upSpeed, int downSpeed);
}
