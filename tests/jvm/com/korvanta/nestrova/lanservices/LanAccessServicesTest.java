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
        // A locally administered address no simulated host uses.
        String[] mac = {"02:4a:56:4d:00:01"};
        List<List<ToIntFunction<String[]>>> lists = List.of(
                List.of(access::addLANHostToBlackListJni, access::deleteLANHostFromBlackListJni),
                List.of(access::addLANHostToTrustListJni, access::deleteLANHostFromTrustListJni),
                List.of(access::addLANHostToStorageBlackListJni, access::deleteLANHostFromStorageBlackListJni));
        for (List<ToIntFunction<String[]>> list : lists) {
            ToIntFunction<String[]> add = list.get(0);
            ToIntFunction<String[]> delete = list.get(1);
            // The gateway refuses to delete a MAC that is not on the list.
            assertEquals(-1, delete.applyAsInt(mac), "not listed yet");
            assertEquals(0, add.applyAsInt(mac));
            assertEquals(0, delete.applyAsInt(mac), "listed");
            assertEquals(-1, delete.applyAsInt(mac), "gone again");
            assertEquals(-1, add.applyAsInt(new String[0]), "nothing to add");
            assertEquals(0, delete.applyAsInt(new String[] {""}), "nothing to delete");
        }
    }

    @Test
    void filterModeIsSetAndPutBack() {
        LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();
        int before = hosts.getMacFilterModeJni();
        assertEquals(0, access.setMacFilterModeJni(2));
        assertEquals(2, hosts.getMacFilterModeJni());
        assertEquals(-1, access.setMacFilterModeJni(7));
        assertEquals(0, access.setMacFilterModeJni(before));
    }
}
