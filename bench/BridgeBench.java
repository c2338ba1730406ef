import com.korvanta.nestrova.addressservices.LANIPConfigServiceImp;
import com.korvanta.nestrova.lanservices.EthQueryServiceImp;
import com.korvanta.nestrova.lanservices.LANHostsInfoQueryServiceImp;
import com.korvanta.nestrova.lanservices.LanNetworkAccessConfigServiceImp;
import com.korvanta.nestrova.transferservices.TrafficMirrorServiceImp;
import java.lang.management.ManagementFactory;
import java.lang.management.ThreadMXBean;
import java.util.Arrays;
import java.util.Locale;

/**
 * Times native methods of libbundle.so.1 against their JNI floor (bench_floor.cpp) in one JVM:
 * warm-up, then rounds in which every family runs a timed batch of bridge calls, one of floor
 * calls and one of floor calls that also make the stand-in platform's calls of the bridge method,
 * the order swapped every round so that drifting machine load touches all alike. Times are the
 * calling thread's CPU time. Prints a Markdown table.
 *
 * <p>usage: java -cp ... BridgeBench libbundle.so.1 libbench_floor.so [rounds]
 */
public final class BridgeBench {
    static native void prepare();
    static native void keepReply(int family, String reply);
    static native void standIn(boolean on);

    native int floorInt(int v);
    native int floorCopied(String a, String b, String c, int d);
    native int floorBorrowed(String a, String b, String c, String d, String e, String f, int g);
    native int floorMacs(String[] macs);
    native String floorHostList(String cls);
    native String floorObject(int port);
    native String floorText();
    native String floorHeapList();

    /** Makes n calls; returns something of every result so that none can be left out. */
    interface Batch {
        long run(int n);
    }

    static final class Family {
        final String name;
        final boolean list;
        final Batch bridge;
        final Batch floor;
        int calls;
        final double[][] ns; // [round][bridge, floor, floor with the stand-in's calls] per call

        Family(String name, boolean list, Batch bridge, Batch floor, int rounds) {
            this.name = name;
            this.list = list;
            this.bridge = bridge;
            this.floor = floor;
            this.ns = new double[rounds][3];
        }

        double time(int which) {
            long t0 = CPU.getCurrentThreadCpuTime();
            standIn(which == 2);
            long sink = which == 0 ? bridge.run(calls) : floor.run(calls);
            long t = CPU.getCurrentThreadCpuTime() - t0;
            standIn(false);
            BridgeBench.sink += sink;
            return (double) t / calls;
        }
    }

    static long sink;
    // The calling thread's CPU time: the cores are shared, and time spent preempted is not the bridge's.
    static final ThreadMXBean CPU = ManagementFactory.getThreadMXBean();

    public static void main(String[] args) {
        System.load(args[0]);
        System.load(args[1]);
        final int rounds = args.length > 2 ? Integer.parseInt(args[2]) : 61;
        prepare();
        final BridgeBench f = new BridgeBench();
        final LanNetworkAccessConfigServiceImp access = new LanNetworkAccessConfigServiceImp();
        final LANIPConfigServiceImp dhcp = new LANIPConfigServiceImp();
        final TrafficMirrorServiceImp mirror = new TrafficMirrorServiceImp();
        final LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();
        final EthQueryServiceImp eth = new EthQueryServiceImp();
        final String[] macs = new String[64];
        for (int i = 0; i < 64; i++) {
            macs[i] = String.format("00:1A:2B:3C:4D:%02X", i);
        }
        final String[] dhcpArgs = {"1", "192.168.100.100", "192.168.100.200"};
        final String[] rule = {"203.0.113.45", "8080", "both", "TCP", "00:1A:2B:3C:4D:05", "192.168.1.200"};

        // The replies the floors create: the bridge's own, checked to be full success replies.
        keepReply(4, check(hosts.getLANHostInfoByClassJni("PC"), 64));
        keepReply(5, check(eth.getLANEthernetStatsJni(1), 0));
        keepReply(6, check(hosts.getGatewayNameJni(), -1));
        keepReply(7, check(mirror.getMirroRuleInfoJni(), 64));
        if (access.setMacFilterModeJni(1) != 0 || dhcp.setLANDHCPInfoJni("1", "1.1.1.1", "1.1.1.2", 1) != 0
                || mirror.addMirrorRuleJni(rule[0], rule[1], rule[2], rule[3], rule[4], rule[5], 9000) != 0
                || access.addLANHostToBlackListJni(macs) != 0) {
            throw new IllegalStateException("a setter did not reach its scripted operation");
        }

        Family[] fams = {
            new Family("int setter (setMacFilterModeJni)", false,
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += access.setMacFilterModeJni(i & 3); return s; },
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += f.floorInt(i & 3); return s; }, rounds),
            new Family("3 copied strings (setLANDHCPInfoJni)", false,
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += dhcp.setLANDHCPInfoJni(dhcpArgs[0], dhcpArgs[1], dhcpArgs[2], 86400); return s; },
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += f.floorCopied(dhcpArgs[0], dhcpArgs[1], dhcpArgs[2], 86400); return s; }, rounds),
            new Family("6 borrowed strings (addMirrorRuleJni)", false,
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += mirror.addMirrorRuleJni(rule[0], rule[1], rule[2], rule[3], rule[4], rule[5], 9000); return s; },
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += f.floorBorrowed(rule[0], rule[1], rule[2], rule[3], rule[4], rule[5], 9000); return s; }, rounds),
            new Family("MAC list of 64 (addLANHostToBlackListJni)", false,
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += access.addLANHostToBlackListJni(macs); return s; },
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += f.floorMacs(macs); return s; }, rounds),
            new Family("list reply, 64 full hosts (getLANHostInfoByClassJni)", true,
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += hosts.getLANHostInfoByClassJni("PC").length(); return s; },
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += f.floorHostList("PC").length(); return s; }, rounds),
            new Family("single object (getLANEthernetStatsJni)", false,
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += eth.getLANEthernetStatsJni(1).length(); return s; },
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += f.floorObject(1).length(); return s; }, rounds),
            new Family("plain text (getGatewayNameJni)", false,
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += hosts.getGatewayNameJni().length(); return s; },
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += f.floorText().length(); return s; }, rounds),
            new Family("platform heap list, 64 rules (getMirroRuleInfoJni)", true,
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += mirror.getMirroRuleInfoJni().length(); return s; },
                    n -> { long s = 0; for (int i = 0; i < n; i++) s += f.floorHeapList().length(); return s; }, rounds),
        };

        // Warm-up (the JIT compiles the loops), then batches sized to about 1 ms of bridge calls.
        for (Family fam : fams) {
            fam.calls = 200;
            long t0 = System.nanoTime();
            while (System.nanoTime() - t0 < 300_000_000L) {
                fam.time(0);
                fam.time(1);
                fam.time(2);
            }
            fam.calls = (int) Math.max(10, Math.min(200_000, 1_000_000 / fam.time(0)));
        }
        for (int r = 0; r < rounds; r++) {
            for (Family fam : fams) {
                for (int k = 0; k < 3; k++) {
                    int which = (r + k) % 3; // bridge first, then second, then third
                    fam.ns[r][which] = fam.time(which);
                }
            }
        }
        report(fams, rounds);
        if (sink == 42) {
            System.out.println();
        }
    }

    static String check(String reply, int items) {
        int n = reply.split("\\},\\{", -1).length;
        boolean ok = items < 0 ? reply.length() == 69 : reply.startsWith("{\"Result\":0") && (items == 0 || n == items);
        if (!ok) {
            throw new IllegalStateException("unexpected reply: " + reply);
        }
        return reply;
    }

    /** min / p25 / median / p75 of the samples. */
    static double[] spread(double[] v) {
        double[] s = v.clone();
        Arrays.sort(s);
        return new double[] {s[0], q(s, 0.25), q(s, 0.5), q(s, 0.75)};
    }

    static double q(double[] sorted, double p) {
        double x = p * (sorted.length - 1);
        int i = (int) x;
        return i + 1 < sorted.length ? sorted[i] + (x - i) * (sorted[i + 1] - sorted[i]) : sorted[i];
    }

    static void report(Family[] fams, int rounds) {
        System.out.println("| Family | Bridge ns/call (min / p25 / med / p75) | Floor ns/call (min / p25 / med / p75)"
                + " | Stand-in ns | Bridge less stand-in | Ratio med (p25-p75) | Goal | |");
        System.out.println("|---|---|---|---|---|---|---|---|");
        for (Family fam : fams) {
            double[] b = new double[rounds], fl = new double[rounds], p = new double[rounds];
            double[] net = new double[rounds], ratio = new double[rounds];
            for (int r = 0; r < rounds; r++) {
                b[r] = fam.ns[r][0];
                fl[r] = fam.ns[r][1];
                p[r] = fam.ns[r][2] - fl[r]; // the stand-in's share
                net[r] = b[r] - p[r];
                ratio[r] = net[r] / fl[r]; // paired within the round
            }
            double[] sb = spread(b), sf = spread(fl), sr = spread(ratio);
            double goal = fam.list ? 2.0 : 1.25;
            System.out.println(String.format(Locale.ROOT,
                    "| %s | %s | %s | %.0f | %.0f | %.2fx (%.2f-%.2f) | <= %.2fx | %s |", fam.name, fmt(sb),
                    fmt(sf), spread(p)[2], spread(net)[2], sr[2], sr[1], sr[3], goal,
                    sr[2] <= goal ? "pass" : "MISS"));
        }
        System.out.println();
        System.out.println(String.format(Locale.ROOT, "%d rounds; calls per batch: %s", rounds,
                Arrays.stream(fams).map(x -> String.valueOf(x.calls)).reduce((x, y) -> x + ", " + y).get()));
    }

    static String fmt(double[] s) {
        return String.format(Locale.ROOT, "%.0f / %.0f / **%.0f** / %.0f", s[0], s[1], s[2], s[3]);
    }
}
