package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonArray;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.math.BigInteger;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class WlanServicesTest {
    private final WlanSecretQueryServiceImp secret = new WlanSecretQueryServiceImp();
    private final WlanQueryServiceImp query = new WlanQueryServiceImp();
    private final WlanConfigServiceImp config = new WlanConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    private static JsonArray list(String reply) {
        return Bridge.json(reply, 0).getAsJsonArray("List");
    }

    /** Everything the WLAN queries report, to see that a test leaves the gateway as it found it. */
    private String state() {
        StringBuilder s = new StringBuilder(query.getGuestSSIDInfoJni());
        for (String radio : new String[] {"2.4G", "5G"}) {
            s.append(query.getWLANRadioInfoJni(radio)).append(query.getWLANHardwareSwitchJni(radio));
        }
        for (int i = 1; i <= 8; i++) {
            s.append(query.getWLANSSIDInfoJni(i)).append(secret.getWLANSSIDPasswordJni(i));
            s.append(query.getWLANWPSStatusJni(i));
        }
        return s.toString();
    }

    @Test
    void everyQueryAnswersThroughItsJavaDeclaration() {
        assertEquals("secret-1-HomeNet", secret.getWLANSSIDPasswordJni(1)); // plain text, not JSON
        JsonObject neighbour = list(query.getWLANNeighborJni("5G")).get(0).getAsJsonObject();
        assertEquals(44, neighbour.get("Channel").getAsInt());
        assertEquals(new BigInteger("6000000321"),
                Bridge.json(query.getWLANSSIDStatsJni(1), 0).get("TotalBytesReceived").getAsBigInteger());
        assertEquals("80", Bridge.json(query.getWLANRadioInfoJni("5G"), 0).get("TransmitPower").getAsString());
        assertEquals(4, list(query.getWLANHostInfoJni(new String[0])).size());
        JsonArray station = list(query.getWLANHostInfoJni(new String[] {"f0:18:98:aa:10:01"}));
        assertEquals(5, station.get(0).getAsJsonObject().get("SSIDIndex").getAsInt());
        assertEquals("HomeNet", Bridge.json(query.getWLANSSIDInfoJni(1), 0).get("SSIDName").getAsString());
        assertEquals(4, list(query.getGuestSSIDInfoJni()).get(0).getAsJsonObject().get("SSIDIndex").getAsInt());
        assertEquals(0, query.getWLANWPSStatusJni(1));
        assertTrue(query.getWLANHardwareSwitchJni("5G"));
    }

    @Test
    void everySetterReachesTheGatewayAndAGuestSsidComesAndGoes() {
        String before = state();
        // Settings the gateway already holds: accepted, nothing changes.
        assertEquals(0, config.setWLANSSIDAdvertisementJni(1, true));
        assertEquals(0, config.setWLANSSIDSecurityJni(1, "WPA2-PSK", "AES", "secret-1-HomeNet"));
        assertEquals(0, config.setWLANRadioFrequencyWidthJni("2.4G", "20/40MHz"));
        assertEquals(0, config.setWLANStandardJni("2.4G", "b/g/n"));
        assertEquals(0, config.setWLANRadioPowerJni("2.4G", 100));
        assertEquals(0, config.setWLANSSIDSwitchJni(1, true));
        assertEquals(0, config.setWLANHardwareSwitchJni("5G", true));
        assertEquals(0, config.setWLANRadioChannelJni("2.4G", 6));
        assertEquals(0, config.startWLANWPSJni(1));
        assertEquals(1, query.getWLANWPSStatusJni(1));
        assertEquals(0, config.stopWLANWPSJni(1));

        assertEquals(0, config.addWLANGuestSSIDJni(8));
        assertEquals(0, config.setWLANGuestPortIsolationJni(8, false));
        assertEquals(0, config.setWLANGuestDurationJni(8, 90));
        JsonObject added = list(query.getGuestSSIDInfoJni()).get(1).getAsJsonObject();
        assertEquals(8, added.get("SSIDIndex").getAsInt());
        assertEquals("0", added.get("PortIsolation").getAsString());
        assertEquals(90, added.get("Duration").getAsInt());
        assertEquals(0, config.deleteWLANGuestSSIDJni(8));
        assertEquals(before, state());
    }
}
