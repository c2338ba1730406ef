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
    private final LanHostSpeedLimitServiceImp limit = new LanHostSpeedLimitServiceImp();
    private final LanHostSpeedQueryServiceImp speed = new LanHostSpeedQueryServiceImp();
    private final LanNetworkNameConfigServiceImp names = new LanNetworkNameConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    private static JsonArray list(String reply) {
        return Bridge.json(reply, 0).getAsJsonArray("List");
    }

    private JsonObject host(String mac) {
        JsonArray hosts = list(query.getLANHostInfoByMACJni(new String[] {mac}));
        assertEquals(1, hosts.size(), mac);
        return hosts.get(0).getAsJsonObject();
    }

    @Test
    void everyMethodAnswersThroughItsJavaDeclaration() {
        JsonArray all = list(query.getLANHostInfoByMACJni(new String[] {""}));
        assertTrue(all.size() > 1, all.toString());
        JsonObject first = all.get(0).getAsJsonObject();
        String mac = first.get("MAC").getAsString();
        assertEquals(first, host(mac));
        String iface = first.get("ConnectInterface").getAsString();
        assertTrue(list(query.getLANHostInfoByInterfaceJni(iface)).contains(first));
        assertTrue(list(query.getLANHostInfoByClassJni(first.get("Class").getAsString())).contains(first));
        JsonObject lim = list(query.getLANHostSpeedLimitInfoJni(new String[] {mac})).get(0).getAsJsonObject();
        assertTrue(list(query.getLANHostStatsJni(new String[] {mac})).get(0).getAsJsonObject().has("UsStats"));
        JsonObject now = Bridge.json(speed.getLANHostSpeedJni(mac), 0);
        assertTrue(now.has("upSpeed") && now.has("downSpeed"), now.toString());
        // Setting the limit it already has changes nothing.
        assertEquals(0, limit.setLANHostSpeedLimitJni(mac, lim.get("UpSpeed").getAsInt(),
                lim.get("DownSpeed").getAsInt()));
        assertEquals(now, Bridge.json(speed.getLANHostSpeedJni(mac), 0));
        assertEquals(0, query.getMacFilterModeJni());
    }

    @Test
    void nameChangesAreSeenThroughTheGatewayAndPutBack() {
        String oldGateway = query.getGatewayNameJni();
        assertEquals(0, names.setGatewayNameJni("Home \u00e9t\u00e9"));
        assertEquals("Home \u00e9t\u00e9", query.getGatewayNameJni());
        assertEquals(0, names.setGatewayNameJni(oldGateway));
        assertEquals(oldGateway, query.getGatewayNameJni());

        JsonObject before = list(query.getLANHostInfoByMACJni(new String[] {""})).get(1).getAsJsonObject();
        String mac = before.get("MAC").getAsString();
        assertEquals(0, names.setLANHostNameJni(mac, "Renamed \u00e9t\u00e9"));
        assertEquals("Renamed \u00e9t\u00e9", host(mac).get("DeviceName").getAsString());
        assertEquals(0, names.setLANHostNameJni(mac, before.get("DeviceName").getAsString()));
        assertEquals(before, host(mac));
    }
}
