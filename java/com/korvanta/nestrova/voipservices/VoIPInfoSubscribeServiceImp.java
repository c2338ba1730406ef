package com.korvanta.nestrova.voipservices;

/**
 * Subscribes a bundle to VoIP events and unsubscribes it. Names keep at most 255 characters; at most
 * 4 events are passed on, further ones are left out.
 */
public class VoIPInfoSubscribeServiceImp {
    public native int subscribeVoIPEventJni(String bundleName, String[] events);

    public native int unSubscribeVoIPEventJni(String bundleName, String[] events);
}
