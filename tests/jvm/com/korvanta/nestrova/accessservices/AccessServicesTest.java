package com.korvanta.nestrova.accessservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.math.BigInteger;
import java.util.List;
import org.junit.jupiter.api.Test;

/** The uplink and diagnostics through the real library and the simulated gateway; every change is undone. */
class AccessServicesTest {
    static {
        Bridge.load();
    }

    private final AccessInfoQueryServiceImp info = new AccessInfoQueryServiceImp();

    @Test
    void uplinkQueriesAndAWanConnectionAddedChangedAndDeleted() {
        int inet = info.getInternetWANIndexJni();
        BigInteger ds = Bridge.json(info.getWANIfStatsJni(inet), 0).get("DsStats").getAsBigInteger();
        assertTrue(ds.compareTo(BigInteger.valueOf(4294967295L)) > 0, ds.toString());
        List<String> keys = List.copyOf(Bridge.json(info.getWANIfInfoJni(inet), 0).keySet());
        assertEquals(List.of(32, "ServiceList"), List.of(keys.size(), keys.get(31)));
        WanConfigServiceImp config = new WanConfigServiceImp();
        assertEquals(0, config.addWANIfJni("OTHER", "IP_Bridged", "46"));
        int wan = -1;
        for (JsonElement e : Bridge.json(info.getWANIfListJni(), 0).getAsJsonArray("List")) {
            JsonObject o = e.getAsJsonObject();
            if (o.get("ServiceList").getAsString().equals("OTHER")) wan = o.get("WANIndex").getAsInt();
        }
        assertEquals(0, config.setWANIfJni(wan, "VLANIDMark=47;NATEnabled=false"));
        assertEquals("47", Bridge.json(info.getWANIfInfoJni(wan), 0).get("VLANIDMark").getAsString());
        assertEquals(0, config.deleteWANIfJni(wan));
        assertEquals("{\"Result\":-1}", info.getWANIfInfoJni(wan));
    }

    @Test
    void diagnosticsReportTheirRuns() {
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
