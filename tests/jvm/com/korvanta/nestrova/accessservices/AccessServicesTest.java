package com.korvanta.nestrova.accessservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.math.BigInteger;
import java.util.ArrayList;
import java.util.List;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** The uplink and diagnostics through the real library and the simulated gateway; every change is undone. */
class AccessServicesTest {
    private final AccessInfoQueryServiceImp info = new AccessInfoQueryServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    @Test
    void internetConnectionHasWholeCountersAndDetailsInKeyOrder() {
        int wan = info.getInternetWANIndexJni();
        JsonObject stats = Bridge.json(info.getWANIfStatsJni(wan), 0);
        assertTrue(stats.get("DsStats").getAsBigInteger().compareTo(BigInteger.valueOf(4294967295L)) > 0);
        JsonObject details = Bridge.json(info.getWANIfInfoJni(wan), 0);
        List<String> keys = new ArrayList<>(details.keySet());
        assertEquals(32, keys.size());
        assertEquals("ServiceList", keys.get(31));
        assertEquals("INTERNET", details.get("ServiceList").getAsString());
        assertTrue(Bridge.json(info.getPONIfPhyStatusJni(), 0).has("RXPower"));
        assertEquals("{\"Result\":-1}", info.getWANIfStatsJni(99));
    }

    @Test
    void addedConnectionIsChangedThenDeleted() {
        WanConfigServiceImp config = new WanConfigServiceImp();
        assertEquals(0, config.addWANIfJni("OTHER", "IP_Bridged", "46"));
        int wan = -1;
        for (JsonElement e : Bridge.json(info.getWANIfListJni(), 0).getAsJsonArray("List")) {
            JsonObject o = e.getAsJsonObject();
            if (o.get("ServiceList").getAsString().equals("OTHER")) wan = o.get("WANIndex").getAsInt();
        }
        assertEquals(0, config.setWANIfJni(wan, "VLANIDMark=47;NATEnabled=false"));
        assertEquals("47", Bridge.json(info.getWANIfInfoJni(wan), 0).get("VLANIDMark").getAsString());
        assertEquals(-1, config.setWANIfJni(wan, "NoSuchKey=1"));
        assertEquals(0, config.deleteWANIfJni(wan));
        assertEquals("{\"Result\":-1}", info.getWANIfInfoJni(wan));
    }

    @Test
    void pingAndTraceRouteReportTheirRuns() {
        IPPingDiagnosticsServiceImp ping = new IPPingDiagnosticsServiceImp();
        assertEquals(-1, ping.startIPPingDiagnosticsJni(100, "gw.example", ""));
        assertEquals(0, ping.startIPPingDiagnosticsJni(4, "gw.example", ""));
        assertEquals(4, Bridge.json(ping.getIPPingDiagnosticsResultJni()).get("SuccessCount").getAsInt());
        TraceRouteDiagnosticsServiceImp trace = new TraceRouteDiagnosticsServiceImp();
        assertEquals(0, trace.startTraceRouteDiagnosticsJni(2, "gw.example", ""));
        JsonObject route = Bridge.json(trace.getTraceRouteDiagnosticsResultJni());
        assertEquals("MaxHopCountExceeded", route.get("Status").getAsString());
        assertEquals(2, route.getAsJsonArray("RouteHops").size());
    }

    @Test
    void httpTestsAndIpDetection() {
        HttpUploadDiagnosticsServiceImp up = new HttpUploadDiagnosticsServiceImp();
        HttpDownloadDiagnosticsServiceImp down = new HttpDownloadDiagnosticsServiceImp();
        assertEquals(0, up.startHttpUploadDiagnosticsJni(2, "http://speed.example/up", ""));
        assertEquals(0, down.startHttpDownloadDiagnosticsJni(4, "http://speed.example/down", ""));
        assertEquals("Completed", Bridge.json(up.getHttpUploadDiagnosticsResultJni()).get("Status").getAsString());
        assertTrue(Bridge.json(down.getHttpDownloadDiagnosticsResultJni()).get("Speed").getAsLong() > 0);
        IPDetectServiceImp detect = new IPDetectServiceImp();
        assertEquals(1, Bridge.json(detect.detectIpJni("198.51.100.7", "443", "0"), 0).get("Reachable").getAsInt());
        assertEquals("{\"Result\":-1,\"FailReason\":\"IPdetect fail\"}", detect.detectIpJni("no-ip", "443", "0"));
    }
}
