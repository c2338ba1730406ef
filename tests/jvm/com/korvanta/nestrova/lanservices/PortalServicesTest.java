package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.google.gson.JsonArray;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** The captive portal through the real library and the simulated gateway; every change is undone. */
class PortalServicesTest {
    private final PortalConfigServiceImp portal = new PortalConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    /** The value of the one List element of a reader's reply. */
    private static String listed(String reply, String key) {
        JsonArray list = Bridge.json(reply, 0).getAsJsonArray("List");
        assertEquals(1, list.size(), reply);
        return list.get(0).getAsJsonObject().get(key).getAsString();
    }

    @Test
    void everyMethodAnswersThroughItsJavaDeclaration() {
        String[] mac = {"02:AA:00:00:00:01"};
        String whiteList = listed(portal.getPortalMacWhiteListJni(), "MAC");
        assertEquals(0, portal.addPortalMacWhiteListJni(mac));
        assertEquals(whiteList.isEmpty() ? mac[0] : whiteList + "," + mac[0],
                listed(portal.getPortalMacWhiteListJni(), "MAC"));
        assertEquals(0, portal.deletePortalMacWhiteListJni(mac));
        assertEquals(whiteList, listed(portal.getPortalMacWhiteListJni(), "MAC"));
        assertEquals(0, portal.subscribePortalEventJni(0, new String[] {"Online"}, true));
        assertEquals(0, portal.subscribePortalEventJni(0, new String[] {"Online"}, false));
        assertEquals(-1, portal.setTemporaryAccessModeJni(7, 30));
        assertEquals(0, portal.allowDeviceTemporaryAccessJni(mac));
    }

    @Test
    void domainListIsReplacedAndPutBack() {
        String before = listed(portal.getPortalDomainWriteListJni(), "domains");
        // The first name reaches the gateway as its first 18 characters.
        assertEquals(0, portal.setPortalDomainWriteListJni(new String[] {"login.provider-portal.net", "cdn.lan"}));
        assertEquals("login.provider-por,cdn.lan", listed(portal.getPortalDomainWriteListJni(), "domains"));
        assertEquals(0, portal.setPortalDomainWriteListJni(before.split(",")));
        assertEquals(before, listed(portal.getPortalDomainWriteListJni(), "domains"));
    }
}
