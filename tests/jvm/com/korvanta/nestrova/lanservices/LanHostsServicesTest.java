package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

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

    /** The n-th element of a list reply. */
    private static JsonObject item(String reply, int n) {
        return Bridge.json(reply, 0).getAsJsonArray("List").get(n).getAsJsonObject();
    }

    @Test
    void settingTheSpeedLimitAHostHasChangesNothing() {
        String mac = item(query.getLANHostInfoByMACJni(new String[] {""}), 0).get("MAC").getAsString();
        JsonObject lim = item(query.getLANHostSpeedLimitInfoJni(new String[] {mac}), 0);
        LanHostSpeedQueryServiceImp speed = new LanHostSpeedQueryServiceImp();
        JsonObject now = Bridge.json(speed.getLANHostSpeedJni(mac), 0);
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

        JsonObject before = item(query.getLANHostInfoByMACJni(new String[] {""}), 1);
        String[] mac = {before.get("MAC").getAsString()};
        assertEquals(0, names.setLANHostNameJni(mac[0], "Renamed \u00e9t\u00e9"));
        assertEquals("Renamed \u00e9t\u00e9", item(query.getLANHostInfoByMACJni(mac), 0).get("DeviceName").getAsString());
        assertEquals(0, names.setLANHostNameJni(mac[0], before.get("DeviceName").getAsString()));
        assertEquals(before, item(query.getLANHostInfoByMACJni(mac), 0));
    }
}
