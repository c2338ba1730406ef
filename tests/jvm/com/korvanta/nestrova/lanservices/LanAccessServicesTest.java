package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.korvanta.nestrova.testing.Bridge;
import java.util.List;
import java.util.function.ToIntFunction;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** The MAC access lists through the real library and the simulated gateway; every change is undone. */
class LanAccessServicesTest {
    private final LanNetworkAccessConfigServiceImp access = new LanNetworkAccessConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    @Test
    void eachListTakesAMacUntilItIsDeleted() {
        String[] mac = {"02:4a:56:4d:00:01"};  // locally administered: no simulated host uses it
        List<List<ToIntFunction<String[]>>> lists = List.of(
                List.of(access::addLANHostToBlackListJni, access::deleteLANHostFromBlackListJni),
                List.of(access::addLANHostToTrustListJni, access::deleteLANHostFromTrustListJni),
                List.of(access::addLANHostToStorageBlackListJni, access::deleteLANHostFromStorageBlackListJni));
        for (List<ToIntFunction<String[]>> list : lists) {
            assertEquals(0, list.get(0).applyAsInt(mac));
            assertEquals(0, list.get(1).applyAsInt(mac), "listed");
            assertEquals(-1, list.get(1).applyAsInt(mac), "gone: the gateway refuses");
        }
    }

    @Test
    void filterModeIsSeenByTheQueryAndPutBack() {
        LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();
        int before = hosts.getMacFilterModeJni();
        assertEquals(0, access.setMacFilterModeJni(2));
        assertEquals(2, hosts.getMacFilterModeJni());
        assertEquals(0, access.setMacFilterModeJni(before));
    }
}
