package com.korvanta.nestrova.voipservices;

/**
 * Subscribes a bundle to VoIP events and unsubscribes it. Names keep at most 255 characters; at most
 * 4 events are passed on, further ones are left out.
 */
public class VoIPInfoSubscribeServiceImp {
    /**
     * Subscribes a bundle to VoIP events.
     *
     * @param bundleName the name of the calling OSGi bundle; at most 255 characters are used,
     *     longer names are cut; null fails with -1
     * @param events the event names, in the gateway's own vocabulary; at most 255 characters of
     *     each and at most 4 names are used (further ones are left out); an empty array is
     *     passed on as no event; a null array or a null element fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     bundle name or an event name cannot be read, or no memory can be had (the gateway is
     *     not asked)
     */
    public native int subscribeVoIPEventJni(String bundleName, String[] events);

    /**
     * Unsubscribes a bundle from VoIP events.
     *
     * @param bundleName the name of the calling OSGi bundle; at most 255 characters are used,
     *     longer names are cut; null fails with -1
     * @param events the event names, in the gateway's own vocabulary; at most 255 characters of
     *     each and at most 4 names are used (further ones are left out); an empty array is
     *     passed on as no event; a null array or a null element fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     bundle name or an event name cannot be read, or no memory can be had (the gateway is
     *     not asked)
     */
    public native int unSubscribeVoIPEventJni(String bundleName, String[] events);
}
