package com.korvanta.nestrova.voipservices;

/** The gateway's analogue telephone (POTS) lines (at most 3) as JSON: POTSNum and the Info list. */
public class VoIPInfoQueryServiceImp {
    /**
     * Lists the gateway's POTS lines with their phone numbers and line status.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"POTSNum":int,"Info":[{"POTSIndex":int,"PhoneNumber":string,"LineStatus":string}, ...]}}</pre>
     *     with {@code POTSNum} the number of items (at most 3) and the line status text as the
     *     gateway gives it; no line gives {@code {"Result":0,"POTSNum":0,"Info":[]}}; when the
     *     gateway fails, or no reply buffer can be had, {@code {"Result":-1,"POTSNum":0,"Info":[]}}
     */
    public native String getPOTSInfoJni();
}
