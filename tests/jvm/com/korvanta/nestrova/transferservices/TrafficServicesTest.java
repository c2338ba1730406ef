package com.korvanta.nestrova.transferservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.google.gson.JsonArray;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** Flow QoS, traffic rules and monitoring destinations through the real library; every change is undone. */
class TrafficServicesTest {
    @BeforeAll
    static void load() {
        Bridge.load();
    }

    private static JsonArray list(String reply) {
        return Bridge.json(reply, 0).getAsJsonArray("List");
    }

    @Test
    void flowQoS() {
        TrafficQoSServiceImp qos = new TrafficQoSServiceImp();
        int before = list(qos.getTrafficInfoByFlowJni(2)).size();
        assertEquals(0, qos.addTrafficToFlowJni("203.0.113.5", "8443", 2));
        assertEquals("8443", list(qos.getTrafficInfoByFlowJni(2)).get(before).getAsJsonObject()
                .get("RemotePort").getAsString());
        assertEquals(0, qos.deleteTrafficFromFlowJni("203.0.113.5", "8443", 2));
        assertEquals(before, list(qos.getTrafficInfoByFlowJni(2)).size());
        int dscp = qos.getDSCPRemarkByFlowJni(2);
        assertEquals(0, qos.setDSCPRemarkByFlowJni(2, 34));
        assertEquals(34, qos.getDSCPRemarkByFlowJni(2));
        assertEquals(0, qos.setDSCPRemarkByFlowJni(2, dscp));
        Bridge.json(qos.getSpeedLimitByFlowJni(2), 0).get("UpSpeed").getAsLong();
    }

    @Test
    void mirrorAndForwardRules() {
        TrafficMirrorServiceImp mirror = new TrafficMirrorServiceImp();
        int n = list(mirror.getMirroRuleInfoJni()).size();
        assertEquals(0, mirror.addMirrorRuleJni("203.0.113.5", "80", "ALL", "TCP", "02:00:00:00:00:01", "192.168.1.9", 9));
        assertEquals(9, list(mirror.getMirroRuleInfoJni()).get(n).getAsJsonObject().get("MirrorToPort").getAsInt());
        assertEquals(0, mirror.deleteMirrorRuleJni(n + 1));
        TrafficForwardServiceImp forward = new TrafficForwardServiceImp();
        n = list(forward.getForwardRuleInfoJni()).size();
        assertEquals(0, forward.addForwardRuleJni("203.0.113.5", "80", "UDP", "02:00:00:00:00:01", "192.168.1.9", 53));
        assertEquals("53", list(forward.getForwardRuleInfoJni()).get(n).getAsJsonObject().get("ForwardToPort")
                .getAsString());
        assertEquals(0, forward.deleteForwardRuleJni(n + 1));
    }

    @Test
    void httpRulesAndMonitoring() {
        TrafficDetailProcessServiceImp http = new TrafficDetailProcessServiceImp();
        int n = list(http.getHTTPTrafficProcessRuleInfoJni()).size();
        assertEquals(0, http.addHTTPTrafficProcessRuleJni("203.0.113.5", 80, "UP", "02:00:00:00:00:01",
                new String[] {"GET", "POST"}, new String[] {}, new String[] {"Host"}, "test.bundle"));
        assertEquals("[\"GET\",\"POST\"]", list(http.getHTTPTrafficProcessRuleInfoJni()).get(n).getAsJsonObject()
                .get("MethodList").toString());
        assertEquals(0, http.deleteHTTPTrafficProcessRuleJni(n + 1));
        TrafficMonitoringConfigServiceImp monitoring = new TrafficMonitoringConfigServiceImp();
        String before = monitoring.getTrafficMonitoringDestAddressInfoJni();
        String[] dests = {"198.51.100.1", "198.51.100.2"};
        assertEquals(0, monitoring.addTrafficMonitoringDestAddressJni(dests, "test.bundle"));
        JsonArray after = list(monitoring.getTrafficMonitoringDestAddressInfoJni());
        assertEquals(2, after.get(after.size() - 1).getAsJsonObject().getAsJsonArray("DestAddressList").size());
        assertEquals(0, monitoring.deleteTrafficMonitoringDestAddressJni(dests, "test.bundle"));
        assertEquals(before, monitoring.getTrafficMonitoringDestAddressInfoJni());
    }
}
