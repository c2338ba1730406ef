package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.korvanta.nestrova.testing.Bridge;
import java.util.Arrays;
import java.util.function.ToIntFunction;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/**
 * The MAC access lists through the real library and the simulated gateway, which fails a delete
 * naming a MAC not on its list. Every test takes off again what it put on a list.
 */
class LanAccessServicesTest {
    private final LanNetworkAccessConfigServiceImp access = new LanNetworkAccessConfigServiceImp();

    // Locally administered addresses no simulated host uses.
    private static final String MAC = "02:4a:56:4d:00:01";
    private static final String OTHER = "02:4a:56:4d:00:02";

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    /** One list: its add and delete methods. */
    private record AccessList(String name, ToIntFunction<String[]> add, ToIntFunction<String[]> delete) {}

    private AccessList[] lists() {
        return new AccessList[] {
            new AccessList("black", access::addLANHostToBlackListJni, access::deleteLANHostFromBlackListJni),
            new AccessList("trust", access::addLANHostToTrustListJni, access::deleteLANHostFromTrustListJni),
            new AccessList(
                    "storage black",
                    access::addLANHostToStorageBlackListJni,
                    access::deleteLANHostFromStorageBlackListJni),
        };
    }

    @Test
    void addedMacIsOnTheListUntilDeleted() {
        for (AccessList l : lists()) {
            assertEquals(-1, l.delete.applyAsInt(new String[] {MAC}), l.name + ": not on the list yet");
            assertEquals(0, l.add.applyAsInt(new String[] {MAC}), l.name);
            // The same MAC in capitals is the same entry.
            assertEquals(0, l.add.applyAsInt(new String[] {MAC.toUpperCase()}), l.name);
            assertEquals(0, l.delete.applyAsInt(new String[] {MAC.toUpperCase()}), l.name);
            assertEquals(-1, l.delete.applyAsInt(new String[] {MAC}), l.name + ": gone after one delete");
        }
    }

    @Test
    void emptyBatchesAreRefusedByAddsAndAcceptedByDeletes() {
        for (AccessList l : lists()) {
            assertEquals(-1, l.add.applyAsInt(new String[0]), l.name);
            assertEquals(-1, l.add.applyAsInt(null), l.name);
            assertEquals(0, l.delete.applyAsInt(new String[0]), l.name);
            assertEquals(0, l.delete.applyAsInt(null), l.name);
            assertEquals(0, l.delete.applyAsInt(new String[] {""}), l.name);
            // To an add, {""} is one empty slot, which the gateway skips.
            assertEquals(0, l.add.applyAsInt(new String[] {""}), l.name);
        }
    }

    @Test
    void nullElementEndsTheBatchWhereItStands() {
        for (AccessList l : lists()) {
            assertEquals(0, l.add.applyAsInt(new String[] {MAC, null, OTHER}), l.name);
            assertEquals(-1, l.delete.applyAsInt(new String[] {OTHER}), l.name + ": never added");
            assertEquals(0, l.delete.applyAsInt(new String[] {MAC, null}), l.name);
            assertEquals(-1, l.delete.applyAsInt(new String[] {MAC}), l.name);
        }
    }

    @Test
    void longBatchesAndLongTextsStayWithinTheTable() {
        String[] copies = new String[1000];
        Arrays.fill(copies, MAC);
        for (AccessList l : lists()) {
            assertEquals(0, l.add.applyAsInt(copies), l.name);
            assertEquals(0, l.delete.applyAsInt(copies), l.name);
            assertEquals(-1, l.delete.applyAsInt(new String[] {MAC}), l.name);
            // Cut to 18 characters, "02:4a:56:4d:00:01-" is no MAC to the gateway.
            assertEquals(-1, l.add.applyAsInt(new String[] {MAC + "-and-more-text"}), l.name);
        }
    }

    @Test
    void filterModeIsSetAndUnknownModesAreRefused() {
        LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();
        assertEquals(0, access.setMacFilterModeJni(1));
        assertEquals(1, hosts.getMacFilterModeJni());
        assertEquals(-1, access.setMacFilterModeJni(7));
        assertEquals(-1, access.setMacFilterModeJni(Integer.MIN_VALUE));
        assertEquals(1, hosts.getMacFilterModeJni());
        // Back to the mode the simulated gateway starts in.
        assertEquals(0, access.setMacFilterModeJni(0));
    }
}
