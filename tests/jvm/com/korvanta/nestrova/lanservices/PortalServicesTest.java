package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonArray;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class PortalServicesTest {
    private final PortalConfigServiceImp portal = new PortalConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    /** The one List element's value of a reader's reply, parsed as JSON. */
    private static String listText(String reply, String key) {
        JsonObject o = Bridge.json(reply, 0);
        JsonArray list = o.getAsJsonArray("List");
        assertEquals(1, list.size(), reply);
        return list.get(0).getAsJsonObject().get(key).getAsString();
    }

    private List<String> whiteList() {
        String text = listText(portal.getPortalMacWhiteListJni(), "MAC");
        return text.isEmpty() ? new ArrayList<>() : Arrays.asList(text.split(","));
    }

    private String domains() {
        return listText(portal.getPortalDomainWriteListJni(), "domains");
    }

    private void restoreDomains(String before) {
        assertEquals(0, portal.setPortalDomainWriteListJni(before.isEmpty() ? new String[0] : before.split(",")));
        assertEquals(before, domains());
    }

    private static String[] macs(int n, String last) {
        String[] out = new String[n];
        for (int i = 0; i < n; i++) {
            out[i] = String.format("02:BB:00:00:%02X:%02X", (i >> 8) & 0xFF, i & 0xFF);
        }
        out[n - 1] = last;
        return out;
    }

    @Test
    void whiteListChangesAreSeenByTheReader() {
        List<String> before = whiteList();
        assertEquals(0, portal.addPortalMacWhiteListJni(new String[] {"02:AA:00:00:00:01", "02:AA:00:00:00:02"}));
        List<String> after = whiteList();
        assertTrue(after.containsAll(List.of("02:AA:00:00:00:01", "02:AA:00:00:00:02")), after.toString());
        assertEquals(0, portal.deletePortalMacWhiteListJni(new String[] {"02:AA:00:00:00:01", "02:AA:00:00:00:02"}));
        assertEquals(before, whiteList());
    }

    @Test
    void namesPastTheSixtyFourthAreNotSeenByTheGateway() {
        String mac = "02:CC:00:00:00:01";
        for (int n : new int[] {64, 65, 1000}) {
            assertEquals(0, portal.addPortalMacWhiteListJni(new String[] {mac}));
            // The MAC to delete is the list's last name: only a list cut to 64 loses it.
            assertEquals(0, portal.deletePortalMacWhiteListJni(macs(n, mac)));
            assertEquals(n > 64, whiteList().contains(mac), n + " names");
            assertEquals(0, portal.deletePortalMacWhiteListJni(new String[] {mac}));
        }
    }

    @Test
    void domainListIsReplacedAndLongNamesAreCut() {
        String before = domains();
        assertEquals(0, portal.setPortalDomainWriteListJni(new String[] {"login.provider-portal.net", "cdn.lan"}));
        assertEquals("login.provider-por,cdn.lan", domains());
        String[] many = new String[1000];
        for (int i = 0; i < many.length; i++) {
            many[i] = "d" + i;
        }
        assertEquals(0, portal.setPortalDomainWriteListJni(many));
        assertTrue(domains().startsWith("d0,d1,d2,"), domains());
        restoreDomains(before);
    }

    @Test
    void temporaryAccessFollowsTheMode() {
        String[] device = {"02:DD:00:00:00:01"};
        assertEquals(0, portal.setTemporaryAccessModeJni(0, 30));
        assertEquals(-1, portal.allowDeviceTemporaryAccessJni(device));
        assertEquals(-1, portal.setTemporaryAccessModeJni(7, 30));
        assertEquals(0, portal.setTemporaryAccessModeJni(1, 30));
        assertEquals(0, portal.allowDeviceTemporaryAccessJni(device));
        assertEquals(-1, portal.allowDeviceTemporaryAccessJni(new String[] {"not a MAC"}));
        // The gateway starts with temporary access on, 30 minutes a grant: left as found.
    }

    @Test
    void eventsAreSubscribedAndUnsubscribed() {
        String[] events = {"Online", "Offline"};
        assertEquals(0, portal.subscribePortalEventJni(0, events, true));
        assertEquals(0, portal.subscribePortalEventJni(-1, events, false));
    }

    @Test
    void nullListsAndNullNamesEndTheListWithoutReachingTheJvm() {
        // A null array: the gateway receives an empty table.
        assertEquals(0, portal.subscribePortalEventJni(0, null, true));
        assertEquals(0, portal.addPortalMacWhiteListJni(null));
        assertEquals(0, portal.deletePortalMacWhiteListJni(null));
        assertEquals(0, portal.allowDeviceTemporaryAccessJni(null));
        String before = domains();
        assertEquals(0, portal.setPortalDomainWriteListJni(null));
        assertEquals("", domains());
        restoreDomains(before);

        // A null name: the names before it still reach the gateway.
        String kept = "02:EE:00:00:00:01";
        String dropped = "02:EE:00:00:00:02";
        assertEquals(0, portal.addPortalMacWhiteListJni(new String[] {kept, null, dropped}));
        assertTrue(whiteList().contains(kept));
        assertFalse(whiteList().contains(dropped));
        assertEquals(0, portal.deletePortalMacWhiteListJni(new String[] {kept}));
        assertEquals(0, portal.addPortalMacWhiteListJni(new String[] {null}));
        assertEquals(0, portal.deletePortalMacWhiteListJni(new String[] {null, kept}));
        assertEquals(0, portal.allowDeviceTemporaryAccessJni(new String[] {null}));
        assertEquals(0, portal.subscribePortalEventJni(0, new String[] {"Online", null}, false));
        assertEquals(0, portal.setPortalDomainWriteListJni(new String[] {"only.lan", null, "lost.lan"}));
        assertEquals("only.lan", domains());
        restoreDomains(before);
    }
}
