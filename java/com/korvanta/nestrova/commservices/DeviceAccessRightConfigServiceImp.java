package com.korvanta.nestrova.commservices;

/**
 * Sets the storage services' rights, their accounts and the HTTP password. The gateway keeps rights and
 * accounts; the values of the rights are the gateway's. Texts are handed to the gateway as Java gives
 * them, with no length limit applied here; a {@code null} text (or one whose characters cannot be read)
 * makes the method return -1 without reaching the gateway.
 */
public class DeviceAccessRightConfigServiceImp {
    /**
     * Sets the Samba access right and anonymous flag.
     *
     * @param right the access right, passed to the gateway unchanged
     * @param anonymous the anonymous flag: true is passed as 1, false as 0
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int setSambaRightJni(int right, boolean anonymous);

    /**
     * Sets the FTP access right and anonymous flag.
     *
     * @param right the access right, passed to the gateway unchanged
     * @param anonymous the anonymous flag: true is passed as 1, false as 0
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int setFTPRightJni(int right, boolean anonymous);

    /**
     * Sets the HTTP access right.
     *
     * @param right the access right, passed to the gateway unchanged
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int setHTTPRightJni(int right);

    /**
     * Adds a Samba account.
     *
     * @param userName the account's user name; not {@code null}
     * @param password the account's password; not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when a text
     *     is {@code null} or cannot be read
     */
    public native int addSambaAccountJni(String userName, String password);

    /**
     * Adds an FTP account. The user name and the password appear in clear in the gateway's diagnostic log.
     *
     * @param userName the account's user name; not {@code null}
     * @param password the account's password; not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when a text
     *     is {@code null} or cannot be read
     */
    public native int addFTPAccountJni(String userName, String password);

    /**
     * Deletes a Samba account.
     *
     * @param userName the user name of the account to delete; not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when the name
     *     is {@code null} or cannot be read
     */
    public native int deleteSambaAccountJni(String userName);

    /**
     * Deletes an FTP account.
     *
     * @param userName the user name of the account to delete; not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when the name
     *     is {@code null} or cannot be read
     */
    public native int deleteFTPAccountJni(String userName);

    /**
     * Deletes every Samba account.
     *
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteAllSambaAccountJni();

    /**
     * Deletes every FTP account.
     *
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteAllFTPAccountJni();

    /**
     * Sets the password of the HTTP storage access.
     *
     * @param password the new password; not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when the
     *     password is {@code null} or cannot be read
     */
    public native int setHTTPUserPasswordJni(String password);
}
