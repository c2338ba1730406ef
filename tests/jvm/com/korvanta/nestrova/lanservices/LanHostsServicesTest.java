package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonArray;
import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.util.HashSet;
import java.util.Set;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class LanHostsServicesTest {
    private static final String[] HOST_KEYS = {
        "Class", "MAC", "DhcpName", "DeviceName", "IP", "ConnectInterface", "OnlineTime", "StorageAccessStatus"
    };

    private final LANHostsInfoQueryServiceImp query = new LANHostsInfoQueryServiceImp();
    private final LanHostSpeedLimitServiceImp limit = new LanHostSpeedLimitServiceImp();
    private final LanHostSpeedQueryServiceImp speed = new LanHostSpeedQueryServiceImp();
    private final LanNetworkNameConfigServiceImp names = new LanNetworkNameConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    /** Parses a successful list reply whose items all carry the given keys. */
    private static JsonArray list(String reply, String... keys) {
        JsonArray items = Bridge.json(reply, 0).getAsJsonArray("List");
        for (JsonElement e : items) {
            JsonObject item = e.getAsJsonObject();
            assertEquals(keys.length, item.size(), reply);
            for (String key : keys) assertTrue(item.has(key), key + " in " + reply);
        }
        return items;
    }

    /** Parses a list reply that must be the list fail reply. */
    private static void failList(String reply) {
        JsonObject o = Bridge.json(reply, -1);
        assertEquals(0, o.getAsJsonArray("List").size(), reply);
        assertEquals(2, o.size(), reply);
    }

    private JsonArray allHosts() {
        return list(query.getLANHostInfoByMACJni(new String[] {""}), HOST_KEYS);
    }

    private JsonObject host(String mac) {
        JsonArray items = list(query.getLANHostInfoByMACJni(new String[] {mac}), HOST_KEYS);
        assertEquals(1, items.size(), mac);
        return items.get(0).getAsJsonObject();
    }

    @Test
    void everyHostIsOnExactlyOneInterface() {
        int total = allHosts().size();
        assertTrue(total >= 5, "hosts: " + total);
        Set<String> macs = new HashSet<>();
        String[] interfaces = {"LAN1", "LAN2", "LAN3", "LAN4", "SSID1", "SSID2", "SSID3", "SSID4",
                               "SSID5", "SSID6", "SSID7", "SSID8"};
        for (String name : interfaces) {
            for (JsonElement e : list(query.getLANHostInfoByInterfaceJni(name), HOST_KEYS)) {
                JsonObject h = e.getAsJsonObject();
                assertEquals(name, h.get("ConnectInterface").getAsString());
                assertTrue(macs.add(h.get("MAC").getAsString()));
            }
        }
        assertEquals(total, macs.size());
        failList(query.getLANHostInfoByInterfaceJni("WAN1"));
    }

    @Test
    void hostsByClassAndByMac() {
        JsonArray phones = list(query.getLANHostInfoByClassJni("Phone"), HOST_KEYS);
        assertTrue(phones.size() >= 2);
        for (JsonElement e : phones) assertEquals("Phone", e.getAsJsonObject().get("Class").getAsString());
        assertEquals(0, list(query.getLANHostInfoByClassJni("Toaster"), HOST_KEYS).size());

        String mac = phones.get(0).getAsJsonObject().get("MAC").getAsString();
        assertEquals(phones.get(0), host(mac));
        assertEquals(0, list(query.getLANHostInfoByMACJni(new String[] {"02:00:00:00:00:00"}), HOST_KEYS).size());
        assertEquals(1, list(query.getLANHostSpeedLimitInfoJni(new String[] {mac}), "UpSpeed", "DownSpeed").size());
        JsonArray stats = list(query.getLANHostStatsJni(new String[] {mac, mac}), "UsStats", "DsStats");
        assertEquals(2, stats.size());
        assertTrue(stats.get(0).getAsJsonObject().get("UsStats").getAsLong() >= 0);
    }

    @Test
    void hostNameChangeIsSeenInTheHostList() {
        JsonObject before = allHosts().get(1).getAsJsonObject();
        String mac = before.get("MAC").getAsString();
        String old = before.get("DeviceName").getAsString();
        assertEquals(0, names.setLANHostNameJni(mac, "Renamed \u00e9t\u00e9"));
        assertEquals("Renamed \u00e9t\u00e9", host(mac).get("DeviceName").getAsString());
        assertEquals(0, names.setLANHostNameJni(mac, old));
        assertEquals(before, host(mac));
        // 64 characters, but 128 bytes.
        assertEquals(-2, names.setLANHostNameJni(mac, "\u00e9".repeat(64)));
        assertEquals(-2, names.setLANHostNameJni(mac, "n".repeat(65)));
        assertEquals(old, host(mac).get("DeviceName").getAsString());
    }

    @Test
    void gatewayNameChangeIsSeenAndPutBack() {
        String old = query.getGatewayNameJni();
        assertTrue(!old.isEmpty());
        String name = "g".repeat(64);
        assertEquals(0, names.setGatewayNameJni(name));
        assertEquals(name, query.getGatewayNameJni());
        assertEquals(-2, names.setGatewayNameJni("g".repeat(65)));
        assertEquals(-2, names.setGatewayNameJni("\u00e9".repeat(33)));
        assertEquals(name, query.getGatewayNameJni());
        assertEquals(0, names.setGatewayNameJni(old));
        assertEquals(old, query.getGatewayNameJni());
    }

    @Test
    void speedLimitHoldsTheCurrentSpeedDownAndIsPutBack() {
        String mac = allHosts().get(0).getAsJsonObject().get("MAC").getAsString();
        JsonObject oldLimit = list(query.getLANHostSpeedLimitInfoJni(new String[] {mac}), "UpSpeed", "DownSpeed")
                .get(0).getAsJsonObject();
        JsonObject now = Bridge.json(speed.getLANHostSpeedJni(mac), 0);
        assertTrue(now.has("upSpeed") && now.has("downSpeed"));

        assertEquals(0, limit.setLANHostSpeedLimitJni(mac.toLowerCase(), 1, 2));
        JsonObject limited = Bridge.json(speed.getLANHostSpeedJni(mac), 0);
        assertTrue(limited.get("upSpeed").getAsInt() <= 1);
        assertTrue(limited.get("downSpeed").getAsInt() <= 2);
        assertEquals(-1, limit.setLANHostSpeedLimitJni(mac, -1, -1));

        assertEquals(0, limit.setLANHostSpeedLimitJni(mac, oldLimit.get("UpSpeed").getAsInt(),
                oldLimit.get("DownSpeed").getAsInt()));
        assertEquals(now, Bridge.json(speed.getLANHostSpeedJni(mac), 0));

        JsonObject unknown = Bridge.json(speed.getLANHostSpeedJni("02:00:00:00:00:00"), -1);
        assertEquals("Bandwidth disable or mac not exist", unknown.get("FailReason").getAsString());
    }

    @Test
    void macFilterModeStartsOff() {
        assertEquals(0, query.getMacFilterModeJni());
    }

    @Test
    void nullInEveryReferenceArgument() {
        failList(query.getLANHostInfoByInterfaceJni(null));
        failList(query.getLANHostInfoByClassJni(null));
        int all = allHosts().size();
        // A null array or element is an element that cannot be had: the
        // query runs with what was converted before it.
        String mac = allHosts().get(0).getAsJsonObject().get("MAC").getAsString();
        assertEquals(all, list(query.getLANHostInfoByMACJni(null), HOST_KEYS).size());
        assertEquals(all, list(query.getLANHostInfoByMACJni(new String[] {null}), HOST_KEYS).size());
        assertEquals(1, list(query.getLANHostInfoByMACJni(new String[] {mac, null, mac}), HOST_KEYS).size());
        assertEquals(all, list(query.getLANHostSpeedLimitInfoJni(null), "UpSpeed", "DownSpeed").size());
        assertEquals(1, list(query.getLANHostSpeedLimitInfoJni(new String[] {mac, null}), "UpSpeed", "DownSpeed")
                .size());
        assertEquals(all, list(query.getLANHostStatsJni(null), "UsStats", "DsStats").size());
        assertEquals(1, list(query.getLANHostStatsJni(new String[] {mac, null}), "UsStats", "DsStats").size());

        assertEquals(-1, limit.setLANHostSpeedLimitJni(null, 1, 2));
        JsonObject fail = Bridge.json(speed.getLANHostSpeedJni(null), -1);
        assertEquals("Get jstring fail", fail.get("FailReason").getAsString());
        assertEquals(-1, names.setGatewayNameJni(null));
        assertEquals(-1, names.setLANHostNameJni(null, "name"));
        assertEquals(-1, names.setLANHostNameJni(mac, null));
        assertTrue(!query.getGatewayNameJni().isEmpty());
    }
}
