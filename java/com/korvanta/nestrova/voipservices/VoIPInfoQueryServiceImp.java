package com.korvanta.nestrova.voipservices;

/** The gateway's analogue telephone lines (at most 3) as JSON: POTSNum and the Info list. */
public class VoIPInfoQueryServiceImp {
    public native String getPOTSInfoJni();
}
