package com.korvanta.nestrova.commservices;

/**
 * Reads who may reach the gateway's storage over Samba, FTP and HTTP: each service's access right, the
 * Samba and FTP anonymous flags and accounts, and the HTTP password. The values of the rights and of the
 * anonymous flag are the gateway's. Account and password texts are put into the JSON as they stand, not
 * escaped.
 */
public class DeviceAccessRightQueryServiceImp {
    /**
     * Reads the Samba right, anonymous flag and accounts. At most 6 accounts are listed, in the gateway's
     * order. A failure of the gateway is not told apart from a service without accounts: both answer
     * {@code "Result":0} with an empty {@code AccountList} (and right 0, anonymous flag {@code ""} when
     * the gateway wrote nothing).
     *
     * @return
     *     <pre>{@code {"Result":0,"Right":int,"Anonymous":string,
     *  "AccountList":[{"UserName":string,"Password":string}, ...]}}</pre>
     *     (one line), or {@code {"Result":-1,"FailReason":"malloc fail"}} when no memory was left for
     *     the reply
     */
    public native String getSambaRightInfoJni();

    /**
     * Reads the FTP right, anonymous flag and accounts, as {@link #getSambaRightInfoJni()} does for Samba:
     * at most 6 accounts, and a failure of the gateway answers an empty {@code AccountList} under
     * {@code "Result":0}.
     *
     * @return
     *     <pre>{@code {"Result":0,"Right":int,"Anonymous":string,
     *  "AccountList":[{"UserName":string,"Password":string}, ...]}}</pre>
     *     (one line), or {@code {"Result":-1,"FailReason":"getFTPRightInfo fail"}} when no memory was
     *     left for the reply
     */
    public native String getFTPRightInfoJni();

    /**
     * Reads the HTTP right and password.
     *
     * @return on success {@code {"Result":0,"Right":int,"Password":string}}, and on failure
     *     {@code {"Result":-1,"FailReason":"Get DeviceAccessRightInformation fail"}}
     */
    public native String getHTTPRightInfoJni();
}
