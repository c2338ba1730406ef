package com.korvanta.nestrova.lanservices;

/**
 * Keeps the gateway's MAC black list, trust list and storage black list, and sets its MAC filter
 * mode. MAC addresses are added and removed in batches of at most 64.
 *
 * <p>A batch is an array of MAC texts (six two-digit hexadecimal groups separated by colons, 17
 * characters); at most 18 characters of each are used, longer texts are cut, and at most 64
 * MACs, further ones are left out. The texts are not checked: the gateway judges them. A null
 * element ends the batch: it and the elements after it reach the gateway as empty texts, while
 * the batch keeps its length. Every method returns the gateway's result code unchanged, 0 on
 * success.
 */
public class LanNetworkAccessConfigServiceImp {
    /**
     * Adds hosts to the black list.
     *
     * @param macs the MAC texts to add; an empty or null array is refused
     * @return the gateway's result code: 0 on success, another value on failure; -1 for an empty
     *     or null array (the gateway is not asked)
     */
    public native int addLANHostToBlackListJni(String[] macs);

    /**
     * Removes hosts from the black list.
     *
     * @param macs the MAC texts to remove; an empty or null array and {@code {""}} go to the
     *     gateway as an empty batch
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int deleteLANHostFromBlackListJni(String[] macs);

    /**
     * Adds hosts to the trust list.
     *
     * @param macs the MAC texts to add; an empty or null array is refused
     * @return the gateway's result code: 0 on success, another value on failure; -1 for an empty
     *     or null array (the gateway is not asked)
     */
    public native int addLANHostToTrustListJni(String[] macs);

    /**
     * Removes hosts from the trust list.
     *
     * @param macs the MAC texts to remove; an empty or null array and {@code {""}} go to the
     *     gateway as an empty batch
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int deleteLANHostFromTrustListJni(String[] macs);

    /**
     * Adds hosts to the storage black list: hosts on it may not use the gateway's storage.
     *
     * @param macs the MAC texts to add; an empty or null array is refused
     * @return the gateway's result code: 0 on success, another value on failure; -1 for an empty
     *     or null array (the gateway is not asked)
     */
    public native int addLANHostToStorageBlackListJni(String[] macs);

    /**
     * Removes hosts from the storage black list.
     *
     * @param macs the MAC texts to remove; an empty or null array and {@code {""}} go to the
     *     gateway as an empty batch
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int deleteLANHostFromStorageBlackListJni(String[] macs);

    /**
     * Sets the gateway's MAC filter mode; it is read back by
     * {@link LANHostsInfoQueryServiceImp#getMacFilterModeJni()}.
     *
     * @param mode the mode, one of the gateway's own values, passed on unchecked
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int setMacFilterModeJni(int mode);
}
