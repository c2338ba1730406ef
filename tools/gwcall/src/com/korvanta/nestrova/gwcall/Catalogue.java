package com.korvanta.nestrova.gwcall;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.stream.Collectors;

/**
 * The native methods of the service classes. The methods themselves come from
 * the classes by reflection; the class list and the parameter names come from
 * the signature list built from the Java declarations (the class files keep no
 * names). A name list that does not fit a method's parameter types is not
 * used: that method is shown with its types only.
 */
final class Catalogue {
    static final String SIGNATURES = "/gwcall-signatures.txt";

    /** One native method. */
    static final class Entry {
        final Class<?> owner;
        final Method method;
        private final String[] names;

        Entry(Class<?> owner, Method method, String[] names) {
            this.owner = owner;
            this.method = method;
            this.names = names;
        }

        String name() {
            return method.getName();
        }

        /** "setWLANSSIDSwitchJni(int ssidIndex, boolean enable)". */
        String signature() {
            Class<?>[] types = method.getParameterTypes();
            StringBuilder s = new StringBuilder(name()).append('(');
            for (int i = 0; i < types.length; i++) {
                s.append(i == 0 ? "" : ", ").append(types[i].getSimpleName());
                if (names != null) s.append(' ').append(names[i]);
            }
            return s.append(')').toString();
        }

        /** "WlanConfigServiceImp.setWLANSSIDSwitchJni". */
        String qualified() {
            return owner.getSimpleName() + "." + name();
        }
    }

    private final List<Entry> entries = new ArrayList<>();

    /** Reads the signature list from the class path and reflects every class it names. */
    static Catalogue load() throws IOException, ClassNotFoundException {
        InputStream in = Catalogue.class.getResourceAsStream(SIGNATURES);
        if (in == null) throw new IOException(SIGNATURES + " is missing from the class path");
        Catalogue c = new Catalogue();
        try (BufferedReader r = new BufferedReader(new InputStreamReader(in, StandardCharsets.UTF_8))) {
            Class<?> owner = null;
            Map<String, String[]> names = new HashMap<>();
            for (String line = r.readLine(); line != null; line = r.readLine()) {
                if (line.startsWith("C ")) {
                    if (owner != null) c.add(owner, names);
                    owner = Class.forName(line.substring(2), false, Catalogue.class.getClassLoader());
                    names.clear();
                } else if (line.startsWith("M ") && owner != null) {
                    int open = line.indexOf('(');
                    String params = line.substring(open + 1, line.length() - 1);
                    names.put(line.substring(2, open), params.isEmpty() ? new String[0] : params.split(", "));
                }
            }
            if (owner != null) c.add(owner, names);
        }
        return c;
    }

    private void add(Class<?> owner, Map<String, String[]> declared) {
        List<Method> natives = Arrays.stream(owner.getDeclaredMethods())
                .filter(m -> Modifier.isNative(m.getModifiers()))
                .sorted(Comparator.comparing(Method::getName))
                .collect(Collectors.toList());
        for (Method m : natives) {
            entries.add(new Entry(owner, m, namesIfTypesFit(m, declared.get(m.getName()))));
        }
    }

    private static String[] namesIfTypesFit(Method m, String[] params) {
        Class<?>[] types = m.getParameterTypes();
        if (params == null || params.length != types.length) return null;
        String[] names = new String[types.length];
        for (int i = 0; i < types.length; i++) {
            String[] typeAndName = params[i].split(" ");
            if (typeAndName.length != 2 || !typeAndName[0].equals(types[i].getSimpleName())) return null;
            names[i] = typeAndName[1];
        }
        return names;
    }

    List<Entry> all() {
        return entries;
    }

    /** The method named "name" or "Class.name" (a simple or a full class name). */
    Entry find(String wanted) throws Args.Bad {
        int dot = wanted.lastIndexOf('.');
        String method = wanted.substring(dot + 1);
        String cls = dot < 0 ? null : wanted.substring(0, dot);
        List<Entry> hits = entries.stream()
                .filter(e -> e.name().equals(method))
                .filter(e -> cls == null || e.owner.getSimpleName().equals(cls) || e.owner.getName().equals(cls))
                .collect(Collectors.toList());
        if (hits.size() == 1) return hits.get(0);
        if (hits.size() > 1) {
            throw new Args.Bad("'" + wanted + "' is declared in " + hits.size() + " classes ("
                    + hits.stream().map(Entry::qualified).collect(Collectors.joining(", "))
                    + "): name one as Class.method");
        }
        String hint = entries.stream().filter(e -> e.name().equalsIgnoreCase(method)).map(Entry::qualified)
                .findFirst().map(q -> "; did you mean " + q + "?").orElse("; gwcall --list shows them all");
        throw new Args.Bad("no native method '" + wanted + "'" + hint);
    }
}
