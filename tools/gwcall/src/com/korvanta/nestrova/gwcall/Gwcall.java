package com.korvanta.nestrova.gwcall;

import java.io.File;
import java.io.IOException;
import java.io.PrintStream;
import java.lang.reflect.InvocationTargetException;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/** Command line: calls one native method of the gateway's Java services and prints its reply. */
public final class Gwcall {
    static final int EXIT_FAILED = 1;
    static final int EXIT_USAGE = 2;
    static final int EXIT_LIBRARY = 3;

    private static final String HELP = String.join("\n",
            "usage: gwcall [--pretty] [--log] [--lib PATH] METHOD [ARG...]",
            "       gwcall --list | --selfcheck [--log] [--lib PATH] | --help",
            "",
            "Calls one native method of the gateway's Java services through libbundle.so.1",
            "and prints its reply. METHOD is the Java name (getLANHostInfoByMACJni), or",
            "Class.method when a name is declared in more than one class.",
            "",
            "Arguments, by the method's Java parameter types (gwcall --list shows them):",
            "  int       decimal: 1, -5",
            "  boolean   true or false",
            "  String    the text as given; null gives a Java null, \\null the text \"null\"",
            "  String[]  a JSON array of strings (null elements allowed), or null:",
            "            '[\"00:11:22:33:44:55\"]', '[\"\"]', '[]'",
            "  byte[]    hex digits, two per byte: 0a1b2c; '' for no bytes; or null",
            "The reply is printed as the method returned it: the int, true or false, or the",
            "text; (null) when a String method returned null.",
            "",
            "  --list       every native method with its Java signature, by class",
            "  --selfcheck  calls every read-only query once (every method named get...,",
            "               with harmless arguments) and reports per method whether it is",
            "               bound, answers, and answers success; changes no setting",
            "  --pretty     prints a JSON reply indented",
            "  --log        shows the log lines the call writes. On a PC the stand-in",
            "               platform prints them to standard error (the gwcall script sets",
            "               ZIVRA_SIM_LOG=stderr for this); on the gateway they go to the",
            "               platform's own log, as every call's lines do: read them there",
            "  --lib PATH   the libbundle.so.1 to load (also -Dbundle.library=PATH);",
            "               by default the first libbundle.so.1 on java.library.path or",
            "               LD_LIBRARY_PATH. It needs libzivra.so.1 where the dynamic",
            "               linker finds it: the real platform on the gateway, the",
            "               simulated gateway of the build tree on a PC",
            "The self-check asks for SSID 1, LAN port 1, flow 1, the Internet WAN, the first",
            "LAN host's MAC and class, all stations, and the radio and interface named by",
            "-Dgwcall.radio (default 2.4G) and -Dgwcall.interface (default LAN1), JVM",
            "options the gwcall script takes from GWCALL_JAVA_OPTS. It shows no reply,",
            "only what kind of answer came (some replies are passwords).",
            "Exit status: 0 done, 1 the self-check found a failure or the call failed,",
            "2 a wrong method name, option or argument, 3 the library could not be loaded",
            "or the method is not bound in it.");

    private Gwcall() {}

    public static void main(String[] argv) {
        System.exit(run(Arrays.asList(argv), System.out, System.err));
    }

    static int run(List<String> argv, PrintStream out, PrintStream err) {
        boolean pretty = false;
        boolean selfcheck = false;
        String lib = System.getProperty("bundle.library");
        int i = 0;
        for (; i < argv.size() && argv.get(i).startsWith("--"); i++) {
            String opt = argv.get(i);
            if (opt.equals("--")) {
                i++;
                break;
            } else if (opt.equals("--help")) {
                out.println(HELP);
                return 0;
            } else if (opt.equals("--list") || opt.equals("--selfcheck")) {
                if (i + 1 < argv.size() && !argv.get(i + 1).startsWith("--")) {
                    return refuse(err, opt + " takes no method or argument, got '" + argv.get(i + 1) + "'");
                }
                if (opt.equals("--list")) return list(out, err);
                selfcheck = true;
            } else if (opt.equals("--pretty")) {
                pretty = true;
            } else if (opt.equals("--log")) {
                continue; // acted on by the gwcall script, before the JVM starts
            } else if (opt.equals("--lib")) {
                if (i + 1 == argv.size()) return refuse(err, "--lib needs the PATH of a libbundle.so.1");
                lib = argv.get(++i);
            } else {
                return refuse(err, "unknown option '" + opt + "'; gwcall --help shows the usage");
            }
        }
        try {
            Catalogue catalogue = Catalogue.load();
            if (selfcheck) {
                load(lib);
                return new SelfCheck(catalogue).run(out) == 0 ? 0 : EXIT_FAILED;
            }
            if (i == argv.size()) return refuse(err, "no method named; gwcall --help shows the usage");
            Catalogue.Entry e = catalogue.find(argv.get(i));
            Object[] args = Args.parse(e, argv.subList(i + 1, argv.size()));
            load(lib);
            out.println(show(call(e, args), pretty, err));
            return 0;
        } catch (Args.Bad x) {
            return refuse(err, x.getMessage());
        } catch (LoadFailure x) {
            err.println("gwcall: " + x.getMessage());
            return EXIT_LIBRARY;
        } catch (InvocationTargetException x) {
            err.println("gwcall: the call threw " + x.getCause());
            return EXIT_FAILED;
        } catch (IOException | ReflectiveOperationException x) {
            err.println("gwcall: " + x);
            return EXIT_FAILED;
        }
    }

    private static int refuse(PrintStream err, String message) {
        err.println("gwcall: " + message);
        return EXIT_USAGE;
    }

    private static int list(PrintStream out, PrintStream err) {
        try {
            Class<?> last = null;
            for (Catalogue.Entry e : Catalogue.load().all()) {
                if (e.owner != last) out.println(e.owner.getName());
                last = e.owner;
                out.println("  " + e.method.getReturnType().getSimpleName() + " " + e.signature());
            }
            return 0;
        } catch (IOException | ClassNotFoundException x) {
            err.println("gwcall: " + x);
            return EXIT_FAILED;
        }
    }

    /** The library could not be loaded, or a method is not bound in it. */
    static final class LoadFailure extends Exception {
        private static final long serialVersionUID = 1L;

        LoadFailure(String message) {
            super(message);
        }
    }

    /** Loads the named libbundle.so.1, or the first one on the library path. */
    static void load(String named) throws LoadFailure {
        File lib = named != null ? new File(named) : null;
        if (lib == null) {
            List<String> dirs = new ArrayList<>(Arrays.asList(System.getProperty("java.library.path", "").split(File.pathSeparator)));
            String ld = System.getenv("LD_LIBRARY_PATH");
            if (ld != null) dirs.addAll(Arrays.asList(ld.split(":")));
            for (String dir : dirs) {
                File f = new File(dir.isEmpty() ? "." : dir, "libbundle.so.1");
                if (f.isFile()) {
                    lib = f;
                    break;
                }
            }
        }
        if (lib == null) {
            throw new LoadFailure("libbundle.so.1 is not on java.library.path or LD_LIBRARY_PATH; name it with --lib PATH");
        }
        try {
            System.load(lib.getAbsolutePath());
        } catch (UnsatisfiedLinkError | SecurityException x) {
            throw new LoadFailure("cannot load " + lib + ": " + x.getMessage());
        }
    }

    /** Calls the method on a new instance of its class; a native method not bound is a LoadFailure. */
    static Object call(Catalogue.Entry e, Object[] args) throws LoadFailure, ReflectiveOperationException {
        Object target = e.owner.getDeclaredConstructor().newInstance();
        try {
            return e.method.invoke(target, args);
        } catch (InvocationTargetException x) {
            if (x.getCause() instanceof UnsatisfiedLinkError) {
                throw new LoadFailure(e.qualified() + " is not bound: the loaded libbundle.so.1 lacks "
                        + "its entry point (" + x.getCause().getMessage() + ")");
            }
            throw x;
        }
    }

    private static String show(Object reply, boolean pretty, PrintStream err) {
        if (reply == null) return "(null)";
        String text = reply.toString();
        if (!pretty || !(reply instanceof String) || !(text.startsWith("{") || text.startsWith("["))) return text;
        try {
            return Json.pretty(Json.parse(text));
        } catch (IOException x) {
            err.println("gwcall: --pretty: the reply is not valid JSON (" + x.getMessage() + "); printed as is");
            return text;
        }
    }
}
