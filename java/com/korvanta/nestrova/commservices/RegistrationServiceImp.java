package com.korvanta.nestrova.commservices;

/**
 * Password registration of the gateway with the operator's network. The gateway performs the
 * registration; the meaning of the registration texts and of the status, result and province codes is
 * the gateway's.
 */
public class RegistrationServiceImp {
    /**
     * Hands the gateway the registration data. The two texts go to the gateway as Java gives them, with
     * no length limit applied here.
     *
     * @param text1 the first registration text; not {@code null}
     * @param limit the limit, passed to the gateway unchanged (negative values included)
     * @param times the count of times, passed to the gateway unchanged (negative values included)
     * @param text2 the second registration text; not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when a text
     *     is {@code null} or cannot be read (the gateway is then not called)
     */
    public native int setPasswordRegistrationJni(String text1, int limit, int times, String text2);

    /**
     * Reads the registration state. Every value is a quoted text, limit and times included: the service
     * name at most 15 characters, every other value at most 3.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"Status":string,"RegisterResult":string,"ServiceNum":string,
     *  "ServiceName":string,"Limit":string,"Times":string,"Province":string}}</pre>
     *     (one line), and on failure {@code {"Result":-1,"FailReason":"Get jstring fail"}}
     */
    public native String getPasswordRegistrationInfoJni();
}
