package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonArray;
import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.math.BigInteger;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class WlanServicesTest {
    private static final String JSTRING_FAIL = "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}";
    private static final BigInteger TWO_TO_32 = BigInteger.ONE.shiftLeft(32);

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

    private JsonObject radio(String type) {
        return Bridge.json(query.getWLANRadioInfoJni(type), 0);
    }

    private JsonObject ssid(int index) {
        return Bridge.json(query.getWLANSSIDInfoJni(index), 0);
    }

    @Test
    void passwordIsPlainTextAndEmptyForAnUnknownSsid() {
        assertTrue(secret.getWLANSSIDPasswordJni(1).startsWith("secret-1"));
        assertEquals("", secret.getWLANSSIDPasswordJni(99));
    }

    @Test
    void neighboursOfEachRadioAreWellFormed() {
        for (String type : new String[] {"2.4G", "5G"}) {
            JsonArray items = list(query.getWLANNeighborJni(type));
            assertTrue(items.size() > 0, type);
            for (JsonElement e : items) {
                JsonObject n = e.getAsJsonObject();
                assertEquals(6, n.size(), n.toString());
                assertTrue(n.get("Channel").getAsInt() > 0);
                assertFalse(n.get("BSSID").getAsString().isEmpty());
            }
        }
        Bridge.json(query.getWLANNeighborJni("60G"), -1);
        assertEquals(JSTRING_FAIL, query.getWLANNeighborJni(null));
    }

    @Test
    void ssidCountersAreWhole64BitNumbers() {
        for (int i = 1; i <= 8; i++) {
            JsonObject o = Bridge.json(query.getWLANSSIDStatsJni(i), 0);
            assertEquals(9, o.size());
            assertTrue(o.get("TotalBytesReceived").getAsBigInteger().compareTo(TWO_TO_32) > 0, o.toString());
            assertTrue(o.get("TotalBytesSent").getAsBigInteger().compareTo(TWO_TO_32) > 0, o.toString());
            assertTrue(o.get("TotalPacketsSent").getAsLong() > 0);
        }
        Bridge.json(query.getWLANSSIDStatsJni(0), -1);
    }

    @Test
    void radioAndSsidSettingsParse() {
        for (String type : new String[] {"2.4G", "5G"}) {
            JsonObject r = radio(type);
            assertTrue(r.get("Channel").getAsInt() > 0);
            assertFalse(r.get("FrequencyWidth").getAsString().isEmpty());
        }
        Bridge.json(query.getWLANRadioInfoJni("60G"), -1);
        assertEquals(JSTRING_FAIL, query.getWLANRadioInfoJni(null));
        for (int i = 1; i <= 8; i++) {
            assertFalse(ssid(i).get("SSIDName").getAsString().isEmpty());
        }
        Bridge.json(query.getWLANSSIDInfoJni(-1), -1);
    }

    @Test
    void stationsAllOrByMac() {
        int all = list(query.getWLANHostInfoJni(new String[0])).size();
        assertTrue(all > 0);
        assertEquals(all, list(query.getWLANHostInfoJni(new String[] {""})).size());
        assertEquals(all, list(query.getWLANHostInfoJni(new String[] {"F0:18:98:AA:10:01", ""})).size());
        JsonArray one = list(query.getWLANHostInfoJni(new String[] {"f0:18:98:aa:10:01", "00:00:00:00:00:00"}));
        assertEquals(1, one.size());
        JsonObject h = one.get(0).getAsJsonObject();
        assertEquals("F0:18:98:AA:10:01", h.get("MAC").getAsString());
        assertEquals(5, h.get("SSIDIndex").getAsInt());
        // More MACs than the table holds: the first 64 are asked for.
        String[] many = new String[70];
        for (int i = 0; i < many.length; i++) many[i] = String.format("02:00:00:00:00:%02X", i);
        many[69] = "F0:18:98:AA:10:01";
        assertEquals(0, list(query.getWLANHostInfoJni(many)).size());
        many[63] = "F0:18:98:AA:10:01";
        assertEquals(1, list(query.getWLANHostInfoJni(many)).size());
        // A null array or element is a list whose MACs cannot be had.
        assertEquals(JSTRING_FAIL, query.getWLANHostInfoJni(null));
        assertEquals(JSTRING_FAIL, query.getWLANHostInfoJni(new String[] {"F0:18:98:AA:10:01", null}));
    }

    @Test
    void guestSsidAddedConfiguredAndDeleted() {
        JsonArray before = list(query.getGuestSSIDInfoJni());
        assertEquals(0, config.addWLANGuestSSIDJni(8));
        assertEquals(0, config.setWLANGuestPortIsolationJni(8, false));
        assertEquals(0, config.setWLANGuestDurationJni(8, 90));
        JsonArray during = list(query.getGuestSSIDInfoJni());
        assertEquals(before.size() + 1, during.size());
        JsonObject added = null;
        for (JsonElement e : during) {
            if (e.getAsJsonObject().get("SSIDIndex").getAsInt() == 8) added = e.getAsJsonObject();
        }
        assertEquals("0", added.get("PortIsolation").getAsString());
        assertEquals(90, added.get("Duration").getAsInt());
        assertEquals(90, added.get("RemainDuration").getAsInt());
        assertEquals("1", ssid(8).get("Enable").getAsString());
        assertEquals(0, config.deleteWLANGuestSSIDJni(8));
        assertEquals(before, list(query.getGuestSSIDInfoJni()));
        assertEquals(-1, config.deleteWLANGuestSSIDJni(8));

        // Port isolation of the guest already there, and back.
        assertEquals(0, config.setWLANGuestPortIsolationJni(4, false));
        assertEquals("0", list(query.getGuestSSIDInfoJni()).get(0).getAsJsonObject().get("PortIsolation").getAsString());
        assertEquals(0, config.setWLANGuestPortIsolationJni(4, true));
        assertEquals(before, list(query.getGuestSSIDInfoJni()));
    }

    @Test
    void wpsStartsAndStops() {
        assertEquals(0, query.getWLANWPSStatusJni(1));
        assertEquals(0, config.startWLANWPSJni(1));
        assertEquals(1, query.getWLANWPSStatusJni(1));
        assertEquals(0, config.stopWLANWPSJni(1));
        assertEquals(0, query.getWLANWPSStatusJni(1));
        assertEquals(-1, query.getWLANWPSStatusJni(77));
        assertEquals(-1, config.startWLANWPSJni(3)); // SSID 3 is off
    }

    @Test
    void hardwareSwitchTurnsTheRadioOffAndOn() {
        assertTrue(query.getWLANHardwareSwitchJni("5G"));
        assertFalse(query.getWLANHardwareSwitchJni(null));
        assertEquals(0, config.setWLANHardwareSwitchJni("5G", false));
        assertFalse(query.getWLANHardwareSwitchJni("5G"));
        assertEquals(0, list(query.getWLANNeighborJni("5G")).size());
        assertEquals(0, config.setWLANHardwareSwitchJni("5G", true));
        assertTrue(query.getWLANHardwareSwitchJni("5G"));
        assertTrue(list(query.getWLANNeighborJni("5G")).size() > 0);
    }

    @Test
    void radioSettersChangeWhatTheRadioReportsAndArePutBack() {
        JsonObject before = radio("2.4G");
        String standardBefore = ssid(1).get("Standard").getAsString();
        assertEquals(0, config.setWLANRadioChannelJni("2.4G", 11));
        assertEquals(0, config.setWLANRadioPowerJni("2.4G", 40));
        assertEquals(0, config.setWLANRadioFrequencyWidthJni("2.4G", "20MHz"));
        assertEquals(0, config.setWLANStandardJni("2.4G", "b/g/n/ax"));
        JsonObject after = radio("2.4G");
        assertEquals(11, after.get("Channel").getAsInt());
        assertEquals("40", after.get("TransmitPower").getAsString());
        assertEquals("20MHz", after.get("FrequencyWidth").getAsString());
        assertEquals("b/g/n/ax", ssid(1).get("Standard").getAsString());
        assertEquals(-1, config.setWLANRadioChannelJni("2.4G", 36));
        assertEquals(-1, config.setWLANRadioPowerJni("2.4G", -5));

        assertEquals(0, config.setWLANRadioChannelJni("2.4G", before.get("Channel").getAsInt()));
        if ("1".equals(before.get("AutoChannelEnable").getAsString())) {
            assertEquals(0, config.setWLANRadioChannelJni("2.4G", 0));
        }
        assertEquals(0, config.setWLANRadioPowerJni("2.4G", before.get("TransmitPower").getAsInt()));
        assertEquals(0, config.setWLANRadioFrequencyWidthJni("2.4G", before.get("FrequencyWidth").getAsString()));
        assertEquals(0, config.setWLANStandardJni("2.4G", standardBefore));
        assertEquals(before, radio("2.4G"));
        assertEquals(standardBefore, ssid(1).get("Standard").getAsString());
    }

    @Test
    void ssidSettersChangeWhatTheSsidReportsAndArePutBack() {
        JsonObject before2 = ssid(2);
        JsonObject before3 = ssid(3);
        String passwordBefore = secret.getWLANSSIDPasswordJni(2);
        String[] mode = before2.get("EncryptionMode").getAsString().split("/", 2);

        assertEquals(0, config.setWLANSSIDAdvertisementJni(2, false));
        assertEquals(0, config.setWLANSSIDSwitchJni(3, true));
        assertEquals(0, config.setWLANSSIDSecurityJni(2, "WPA-WPA2-PSK", "TKIP+AES", "a new passphrase"));
        assertEquals("0", ssid(2).get("SSIDAdvertisementEnabled").getAsString());
        assertEquals("WPA-WPA2-PSK/TKIP+AES", ssid(2).get("EncryptionMode").getAsString());
        assertEquals("a new passphrase", secret.getWLANSSIDPasswordJni(2));
        assertEquals("1", ssid(3).get("Enable").getAsString());

        assertEquals(0, config.setWLANSSIDAdvertisementJni(2, true));
        assertEquals(0, config.setWLANSSIDSwitchJni(3, false));
        assertEquals(0, config.setWLANSSIDSecurityJni(2, mode[0], mode[1], passwordBefore));
        assertEquals(before2, ssid(2));
        assertEquals(before3, ssid(3));
        assertEquals(passwordBefore, secret.getWLANSSIDPasswordJni(2));
    }

    @Test
    void nullInAnyTextArgumentFailsWithoutReachingTheGateway() {
        String before = query.getWLANSSIDInfoJni(1) + query.getWLANRadioInfoJni("5G") + secret.getWLANSSIDPasswordJni(1);
        assertEquals(-1, config.setWLANSSIDSecurityJni(1, null, "AES", "passphrase-1"));
        assertEquals(-1, config.setWLANSSIDSecurityJni(1, "WPA2-PSK", null, "passphrase-1"));
        assertEquals(-1, config.setWLANSSIDSecurityJni(1, "WPA2-PSK", "AES", null));
        assertEquals(-1, config.setWLANRadioFrequencyWidthJni(null, "20MHz"));
        assertEquals(-1, config.setWLANRadioFrequencyWidthJni("5G", null));
        assertEquals(-1, config.setWLANStandardJni(null, "a/n"));
        assertEquals(-1, config.setWLANStandardJni("5G", null));
        assertEquals(-1, config.setWLANRadioPowerJni(null, 50));
        assertEquals(-1, config.setWLANHardwareSwitchJni(null, false));
        assertEquals(-1, config.setWLANRadioChannelJni(null, 36));
        assertEquals(before,
                query.getWLANSSIDInfoJni(1) + query.getWLANRadioInfoJni("5G") + secret.getWLANSSIDPasswordJni(1));
        assertTrue(query.getWLANHardwareSwitchJni("5G"));
    }
}
