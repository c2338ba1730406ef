package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonArray;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class LanHostsServicesTest {
    private final LANHostsInfoQueryServiceImp query = new LANHostsInfoQueryServiceImp();
    private final LanNetworkNameConfigServiceImp names = new LanNetworkNameConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    private JsonObject host(String mac) {
        JsonArray hosts = Bridge.json(query.getLANHostInfoByMACJni(new String[] {mac}), 0).getAsJsonArray("List");
        assertTrue(hosts.size() > 1 || !mac.isEmpty(), "all hosts: " + hosts);
        return hosts.get(mac.isEmpty() ? 1 : 0).getAsJsonObject();
    }

    @Test
    void speedLimitAndSpeedQueriesAnswerForAHost() {
        String mac = host("").get("MAC").getAsString();
        JsonObject lim = Bridge.json(query.getLANHostSpeedLimitInfoJni(new String[] {mac}), 0)
                .getAsJsonArray("List").get(0).getAsJsonObject();
        LanHostSpeedQueryServiceImp speed = new LanHostSpeedQueryServiceImp();
        JsonObject now = Bridge.json(speed.getLANHostSpeedJni(mac), 0);
        // Setting the limit it already has changes nothing.
        assertEquals(0, new LanHostSpeedLimitServiceImp().setLANHostSpeedLimitJni(mac,
                lim.get("UpSpeed").getAsInt(), lim.get("DownSpeed").getAsInt()));
        assertEquals(now, Bridge.json(speed.getLANHostSpeedJni(mac), 0));
    }

    @Test
    void nameChangesAreSeenThroughTheGatewayAndPutBack() {
        String oldGateway = query.getGatewayNameJni();
        assertEquals(0, names.setGatewayNameJni("Home \u00e9t\u00e9"));
        assertEquals("Home \u00e9t\u00e9", query.getGatewayNameJni());
        assertEquals(0, names.setGatewayNameJni(oldGateway));

        JsonObject before = host("");
        String mac = before.get("MAC").getAsString();
        assertEquals(0, names.setLANHostNameJni(mac, "Renamed \u00e9t\u00e9"));
        assertEquals("Renamed \u00e9t\u00e9", host(mac).get("DeviceName").getAsString());
        assertEquals(0, names.setLANHostNameJni(mac, before.get("DeviceName").getAsString()));
        assertEquals(before, host(mac));
    }
}
