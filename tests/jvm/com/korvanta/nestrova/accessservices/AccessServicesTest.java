package com.korvanta.nestrova.accessservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonElement;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.Test;

/** One round trip per class through the simulated gateway; every change is undone. */
class AccessServicesTest {
    @Test
    void oneRoundTripPerClass() {
        Bridge.load();
        AccessInfoQueryServiceImp info = new AccessInfoQueryServiceImp();
        WanConfigServiceImp config = new WanConfigServiceImp();
        assertEquals(0, config.addWANIfJni("OTHER", "IP_Bridged", "46"));
        int wan = -1;
        for (JsonElement e : Bridge.json(info.getWANIfListJni(), 0).getAsJsonArray("List"))
            if (e.getAsJsonObject().get("ServiceList").getAsString().equals("OTHER"))
                wan = e.getAsJsonObject().get("WANIndex").getAsInt();
        assertEquals(0, config.deleteWANIfJni(wan));
        assertEquals("{\"Result\":-1}", info.getWANIfInfoJni(wan));

        IPPingDiagnosticsServiceImp ping = new IPPingDiagnosticsServiceImp();
        assertEquals(0, ping.startIPPingDiagnosticsJni(4, "gw.example", ""));
        assertEquals(4, Bridge.json(ping.getIPPingDiagnosticsResultJni()).get("SuccessCount").getAsInt());
        TraceRouteDiagnosticsServiceImp trace = new TraceRouteDiagnosticsServiceImp();
        assertEquals(0, trace.startTraceRouteDiagnosticsJni(2, "gw.example", ""));
        assertEquals(2, Bridge.json(trace.getTraceRouteDiagnosticsResultJni()).getAsJsonArray("RouteHops").size());
        HttpUploadDiagnosticsServiceImp up = new HttpUploadDiagnosticsServiceImp();
        assertEquals(0, up.startHttpUploadDiagnosticsJni(2, "http://speed.example/up", ""));
        assertEquals("Completed", Bridge.json(up.getHttpUploadDiagnosticsResultJni()).get("Status").getAsString());
        HttpDownloadDiagnosticsServiceImp down = new HttpDownloadDiagnosticsServiceImp();
        assertEquals(0, down.startHttpDownloadDiagnosticsJni(4, "http://speed.example/down", ""));
        assertTrue(Bridge.json(down.getHttpDownloadDiagnosticsResultJni()).get("Speed").getAsLong() > 0);
        assertEquals(1, Bridge.json(new IPDetectServiceImp().detectIpJni("198.51.100.7", "443", "0"), 0)
                .get("Reachable").getAsInt());
    }
}
